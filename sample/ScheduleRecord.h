// CScheduleRecord: one weekly schedule of the panel (for automatic setting and timed
// outputs), an element of the schedule collection.
#pragma once

#include "MemberSet.h"

#include <vel/DataContainerBase.h>
#include <vel/DataNumber.h>
#include <vel/DataString.h>

namespace Vel::Sample {

class CScheduleRecord : public CDataContainerBase {
public:
    explicit CScheduleRecord(CDataValidationClient* pParent);

    CDataString m_Name;
    CDataNumber m_StartHour;
    CDataNumber m_StartMinute;
    CDataNumber m_EndHour;
    CDataNumber m_EndMinute;
    CMemberSet m_Days;
};

} // namespace Vel::Sample
