#include "ZoneRecord.h"

namespace Vel::Sample {

CZoneRecord::CZoneRecord(CDataValidationClient* pParent)
    : CDataContainerBase(pParent, "Zone"), m_Name(this, "Zone.Name"),
      m_Function(this, "Zone.Function"), m_Attributes(this, "Zone.Attributes"),
      m_Area(this, "Zone.Area"), m_ResponseTime(this, "Zone.ResponseTime") {}

} // namespace Vel::Sample
