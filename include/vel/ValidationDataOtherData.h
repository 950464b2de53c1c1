// CValidationDataOtherData: base of the extension record an item type hangs on its
// validation record when it needs more than the common fields.
#pragma once

#include <vel/Export.h>

namespace Vel {

class VEL_API CValidationDataOtherData {
public:
    CValidationDataOtherData() = default;
    CValidationDataOtherData(const CValidationDataOtherData&) = default;
    CValidationDataOtherData& operator=(const CValidationDataOtherData&) = default;
    virtual ~CValidationDataOtherData() = default;
};

} // namespace Vel
