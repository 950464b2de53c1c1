// CValidationClient: the interface every node of a data tree shares; a node reacts to a change
// of the panel type or version of its tree.
#pragma once

#include <vel/Export.h>

namespace Vel {

class VEL_API CValidationClient {
public:
    CValidationClient() = default;
    CValidationClient(const CValidationClient&) = delete;
    CValidationClient& operator=(const CValidationClient&) = delete;
    virtual ~CValidationClient();

    virtual void OnPanelChanged() = 0;
};

} // namespace Vel
