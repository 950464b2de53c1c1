// CChooseable: a small value base carrying a number. For a container that is an element of a
// collection, the number is its element number (database Collection_ID, XML id, key index).
#pragma once

#include <vel/Export.h>

namespace Vel {

class VEL_API CChooseable {
public:
    CChooseable() = default;
    CChooseable(const CChooseable&) = default;
    CChooseable& operator=(const CChooseable&) = default;
    virtual ~CChooseable();

    int GetId() const { return m_nId; }
    void SetId(int id) { m_nId = id; }

    virtual operator int() const;
    virtual operator long() const;
    // The narrower conversions keep the low bits.
    virtual operator short() const;
    virtual operator unsigned char() const;
    virtual operator unsigned short() const;

protected:
    // Zero until the owner numbers the object.
    int m_nId = 0;
};

} // namespace Vel
