#include "TelecomScreen.h"

namespace Vel::Sample {

CTelecomScreen::CTelecomScreen(CDataValidationClient* pParent)
    : CDataContainerBase(pParent, "Telecom"), m_AccountNumber(this, "Telecom.AccountNumber"),
      m_DialAttempts(this, "Telecom.DialAttempts"), m_Format(this, "Telecom.Format"),
      m_Arcs(this, "Arcs", "Arcs", CString("Arcs")) {}

} // namespace Vel::Sample
