// CSystemScreen: the system parameters of the panel (screen "System").
#pragma once

#include "FamilyString.h"
#include "MemberSet.h"

#include <vel/DataContainerBase.h>
#include <vel/DataIntChoice.h>
#include <vel/DataNumber.h>
#include <vel/DataString.h>

namespace Vel::Sample {

class CSystemScreen : public CDataContainerBase {
public:
    explicit CSystemScreen(CDataValidationClient* pParent);

    CFamilyString m_PanelName;
    CDataNumber m_EntryTime;
    CDataNumber m_ExitTime;
    CDataNumber m_BellTime;
    CDataNumber m_BellDelay;
    CDataIntChoice m_Language;
    CMemberSet m_Options;
    CDataString m_SerialNumber;
};

} // namespace Vel::Sample
