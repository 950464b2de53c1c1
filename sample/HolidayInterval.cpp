#include "HolidayInterval.h"

namespace Vel::Sample {

CHolidayInterval::CHolidayInterval(CDataValidationClient* pParent)
    : CDataContainerBase(pParent, "HolidayInterval"), m_Year(this, "HolidayInterval.Year"),
      m_StartMonth(this, "HolidayInterval.StartMonth"),
      m_StartDay(this, "HolidayInterval.StartDay"), m_EndMonth(this, "HolidayInterval.EndMonth"),
      m_EndDay(this, "HolidayInterval.EndDay") {}

} // namespace Vel::Sample
