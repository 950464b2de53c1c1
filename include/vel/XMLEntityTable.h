// CXMLEntityTable: the pairs of a character and the reference that stands for it ('<' and
// "&lt;"), which the XML document parser uses to decode references in texts it reads and to
// write special characters back as references. Rows are tried in table order both ways.
#pragma once

#include <vel/Export.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Vel {

// One row: a character, its reference and the reference's length in bytes.
struct CXMLEntity {
    char m_cEntity = 0;
    std::string m_sRef;
    int m_nRefLen = 0;
};

class VEL_API CXMLEntityTable {
public:
    CXMLEntityTable(std::initializer_list<std::pair<char, const char*>> rows);

    int GetEntityCount() const { return static_cast<int>(m_vEntities.size()); }
    // Null outside the table.
    const CXMLEntity* GetEntity(int index) const;
    // The first row of the character, or null.
    const CXMLEntity* FindEntity(char ch) const;

    // "&lt;b&gt;" -> "<b>": every reference of the table becomes its character.
    std::string Ref2Entity(std::string_view text) const;
    // "<b>" -> "&lt;b&gt;": every character of the table becomes its reference.
    std::string Entity2Ref(std::string_view text) const;
    void AppendRef2Entity(std::string& out, std::string_view text) const;
    void AppendEntity2Ref(std::string& out, std::string_view text) const;

    // Whether the text may hold a reference; false lets readers copy a text as it is.
    bool MayHoldRef(std::string_view text) const;
    // The byte every reference starts with; -1 without references, -2 when they differ.
    int GetRefLead() const { return m_nRefLead; }

private:
    std::vector<CXMLEntity> m_vEntities;
    // The first byte every reference starts with, when they all share one (see GetRefLead).
    int m_nRefLead = -1;
    // Row index + 1 of each byte's first row, 0 for bytes without a reference.
    unsigned char m_nRowOf[256] = {};
};

// The five references of XML: &amp; &quot; &apos; &lt; &gt;, in this order.
extern VEL_API const CXMLEntityTable entityDefault;

} // namespace Vel
