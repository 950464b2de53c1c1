#include "SystemScreen.h"

namespace Vel::Sample {

CSystemScreen::CSystemScreen(CDataValidationClient* pParent)
    : CDataContainerBase(pParent, "System"), m_PanelName(this, "System.PanelName"),
      m_EntryTime(this, "System.EntryTime"), m_ExitTime(this, "System.ExitTime"),
      m_BellTime(this, "System.BellTime"), m_BellDelay(this, "System.BellDelay"),
      m_Language(this, "System.Language"), m_Options(this, "System.Options"),
      m_SerialNumber(this, "System.SerialNumber") {}

} // namespace Vel::Sample
