#include <vel/Chooseable.h>

namespace Vel {

CChooseable::~CChooseable() = default;

CChooseable::operator int() const {
    return m_nId;
}

CChooseable::operator long() const {
    return m_nId;
}

CChooseable::operator short() const {
    return static_cast<short>(m_nId & 0xFFFF);
}

CChooseable::operator unsigned char() const {
    return static_cast<unsigned char>(m_nId & 0xFF);
}

CChooseable::operator unsigned short() const {
    return static_cast<unsigned short>(m_nId & 0xFFFF);
}

} // namespace Vel
