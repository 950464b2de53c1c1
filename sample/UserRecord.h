// CUserRecord: one user code of the panel, an element of the user collection. The PIN is
// kept encrypted wherever it is stored.
#pragma once

#include "MemberSet.h"

#include <vel/DataContainerBase.h>
#include <vel/DataIntChoice.h>
#include <vel/DataString.h>

namespace Vel::Sample {

class CUserRecord : public CDataContainerBase {
public:
    explicit CUserRecord(CDataValidationClient* pParent);

    CDataString m_Name;
    CDataString m_Pin;
    CDataIntChoice m_Level;
    CMemberSet m_Areas;
};

} // namespace Vel::Sample
