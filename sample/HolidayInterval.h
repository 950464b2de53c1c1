// CHolidayInterval: one holiday interval (dates on which the schedules do not run), an
// element of the holiday interval collection.
#pragma once

#include <vel/DataContainerBase.h>
#include <vel/DataNumber.h>

namespace Vel::Sample {

class CHolidayInterval : public CDataContainerBase {
public:
    explicit CHolidayInterval(CDataValidationClient* pParent);

    CDataNumber m_Year;
    CDataNumber m_StartMonth;
    CDataNumber m_StartDay;
    CDataNumber m_EndMonth;
    CDataNumber m_EndDay;
};

} // namespace Vel::Sample
