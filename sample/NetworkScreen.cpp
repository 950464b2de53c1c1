#include "NetworkScreen.h"

namespace Vel::Sample {

CNetworkScreen::CNetworkScreen(CDataValidationClient* pParent)
    : CDataContainerBase(pParent, "Network"), m_IpAddress(this, "Network.IpAddress"),
      m_SubnetMask(this, "Network.SubnetMask"), m_Gateway(this, "Network.Gateway"),
      m_Port(this, "Network.Port"), m_HostName(this, "Network.HostName"),
      m_Dhcp(this, "Network.Dhcp"), m_DnsServer(this, "Network.DnsServer") {}

} // namespace Vel::Sample
