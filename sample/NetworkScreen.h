// CNetworkScreen: the settings of the panel's network module (screen "Network").
#pragma once

#include "FamilyString.h"

#include <vel/DataContainerBase.h>
#include <vel/DataIPAddr.h>
#include <vel/DataIntChoice.h>
#include <vel/DataNumber.h>

namespace Vel::Sample {

class CNetworkScreen : public CDataContainerBase {
public:
    explicit CNetworkScreen(CDataValidationClient* pParent);

    CDataIPAddr m_IpAddress;
    CDataIPAddr m_SubnetMask;
    CDataIPAddr m_Gateway;
    CDataNumber m_Port;
    CFamilyString m_HostName;
    CDataIntChoice m_Dhcp;
    CDataIPAddr m_DnsServer;
};

} // namespace Vel::Sample
