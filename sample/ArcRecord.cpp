#include "ArcRecord.h"

namespace Vel::Sample {

CArcRecord::CArcRecord(CDataValidationClient* pParent)
    : CDataContainerBase(pParent, "Arc"), m_Name(this, "Arc.Name"), m_Phone(this, "Arc.Phone"),
      m_Path(this, "Arc.Path"), m_IpAddress(this, "Arc.IpAddress"), m_Port(this, "Arc.Port"),
      m_DtmfChannel(this, "Arc.DtmfChannel") {}

} // namespace Vel::Sample
