// CZoneRecord: one zone (detector input) of the panel, an element of the zone collection.
#pragma once

#include "AreaChoice.h"
#include "MemberSet.h"

#include <vel/DataContainerBase.h>
#include <vel/DataIntChoice.h>
#include <vel/DataNumber.h>
#include <vel/DataString.h>

namespace Vel::Sample {

class CZoneRecord : public CDataContainerBase {
public:
    explicit CZoneRecord(CDataValidationClient* pParent);

    CDataString m_Name;
    CDataIntChoice m_Function;
    CMemberSet m_Attributes;
    CAreaChoice m_Area;
    CDataNumber m_ResponseTime;
};

} // namespace Vel::Sample
