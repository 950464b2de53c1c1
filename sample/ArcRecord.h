// CArcRecord: one alarm receiving centre the panel reports to, by telephone (number and DTMF
// channel) or over IP (address and port); an element of the receiving centre collection.
#pragma once

#include <vel/DataContainerBase.h>
#include <vel/DataIPAddr.h>
#include <vel/DataIntChoice.h>
#include <vel/DataNumber.h>
#include <vel/DataString.h>

namespace Vel::Sample {

class CArcRecord : public CDataContainerBase {
public:
    explicit CArcRecord(CDataValidationClient* pParent);

    CDataString m_Name;
    CDataString m_Phone;
    CDataIntChoice m_Path;
    CDataIPAddr m_IpAddress;
    CDataNumber m_Port;
    CDataIntChoice m_DtmfChannel;
};

} // namespace Vel::Sample
