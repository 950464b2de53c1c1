// CAreaRecord: one area of the panel, the part of a site that is set and unset as a whole.
// Zones, keypads and user codes name their areas; the record holds no settings of its own
// yet, so it stands for the area's number in the tree.
#pragma once

#include <vel/DataContainerBase.h>

namespace Vel::Sample {

class CAreaRecord : public CDataContainerBase {
public:
    explicit CAreaRecord(CDataValidationClient* pParent);
};

} // namespace Vel::Sample
