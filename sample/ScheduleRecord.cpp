#include "ScheduleRecord.h"

namespace Vel::Sample {

CScheduleRecord::CScheduleRecord(CDataValidationClient* pParent)
    : CDataContainerBase(pParent, "Schedule"), m_Name(this, "Schedule.Name"),
      m_StartHour(this, "Schedule.StartHour"), m_StartMinute(this, "Schedule.StartMinute"),
      m_EndHour(this, "Schedule.EndHour"), m_EndMinute(this, "Schedule.EndMinute"),
      m_Days(this, "Schedule.Days") {}

} // namespace Vel::Sample
