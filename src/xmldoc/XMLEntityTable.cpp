#include <vel/XMLEntityTable.h>

#include <cstring>

namespace Vel {

const CXMLEntityTable entityDefault{
    {'&', "&amp;"}, {'"', "&quot;"}, {'\'', "&apos;"}, {'<', "&lt;"}, {'>', "&gt;"}};

CXMLEntityTable::CXMLEntityTable(std::initializer_list<std::pair<char, const char*>> rows) {
    for (const auto& [ch, ref] : rows) {
        CXMLEntity entity;
        entity.m_cEntity = ch;
        entity.m_sRef = ref ? ref : "";
        entity.m_nRefLen = static_cast<int>(entity.m_sRef.size());
        m_vEntities.push_back(std::move(entity));
    }
    // Later rows go first so that the first row of a character wins.
    for (std::size_t i = m_vEntities.size(); i-- > 0;) {
        const CXMLEntity& entity = m_vEntities[i];
        if (!entity.m_sRef.empty() && i < 255)
            m_nRowOf[static_cast<unsigned char>(entity.m_cEntity)] =
                static_cast<unsigned char>(i + 1);
    }
    for (const CXMLEntity& entity : m_vEntities) {
        if (entity.m_sRef.empty())
            continue;
        const int lead = static_cast<unsigned char>(entity.m_sRef[0]);
        if (m_nRefLead == -1)
            m_nRefLead = lead;
        else if (m_nRefLead != lead)
            m_nRefLead = -2;
    }
}

const CXMLEntity* CXMLEntityTable::GetEntity(int index) const {
    if (index < 0 || index >= GetEntityCount())
        return nullptr;
    return &m_vEntities[static_cast<std::size_t>(index)];
}

const CXMLEntity* CXMLEntityTable::FindEntity(char ch) const {
    const int row = m_nRowOf[static_cast<unsigned char>(ch)];
    return row ? &m_vEntities[static_cast<std::size_t>(row - 1)] : nullptr;
}

std::string CXMLEntityTable::Ref2Entity(std::string_view text) const {
    std::string out;
    out.reserve(text.size());
    AppendRef2Entity(out, text);
    return out;
}

std::string CXMLEntityTable::Entity2Ref(std::string_view text) const {
    std::string out;
    out.reserve(text.size());
    AppendEntity2Ref(out, text);
    return out;
}

bool CXMLEntityTable::MayHoldRef(std::string_view text) const {
    if (m_nRefLead == -1)
        return false;
    if (m_nRefLead == -2)
        return true;
    return std::memchr(text.data(), m_nRefLead, text.size()) != nullptr;
}

void CXMLEntityTable::AppendRef2Entity(std::string& out, std::string_view text) const {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t next = pos;
        if (m_nRefLead >= 0) {
            const void* lead = std::memchr(text.data() + pos, m_nRefLead, text.size() - pos);
            next = lead ? static_cast<std::size_t>(static_cast<const char*>(lead) - text.data())
                        : text.size();
            out.append(text, pos, next - pos);
            if (next == text.size())
                return;
        }
        const CXMLEntity* match = nullptr;
        for (const CXMLEntity& entity : m_vEntities) {
            if (!entity.m_sRef.empty() && text.substr(next).starts_with(entity.m_sRef)) {
                match = &entity;
                break;
            }
        }
        if (match) {
            out += match->m_cEntity;
            pos = next + match->m_sRef.size();
        } else {
            out += text[next];
            pos = next + 1;
        }
    }
}

void CXMLEntityTable::AppendEntity2Ref(std::string& out, std::string_view text) const {
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int row = m_nRowOf[static_cast<unsigned char>(text[i])];
        if (!row)
            continue;
        out.append(text, run, i - run);
        out += m_vEntities[static_cast<std::size_t>(row - 1)].m_sRef;
        run = i + 1;
    }
    out.append(text, run, text.size() - run);
}

} // namespace Vel
