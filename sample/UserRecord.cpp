#include "UserRecord.h"

namespace Vel::Sample {

CUserRecord::CUserRecord(CDataValidationClient* pParent)
    : CDataContainerBase(pParent, "User"), m_Name(this, "User.Name"), m_Pin(this, "User.Pin"),
      m_Level(this, "User.Level"), m_Areas(this, "User.Areas") {
    m_Pin.SetCrypted();
}

} // namespace Vel::Sample
