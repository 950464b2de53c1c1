#include "KeyPath.h"

#include <vel/DataCollectionBase.h>
#include <vel/DataContainerBase.h>
#include <vel/PanelDataTypes.h>

#include "model/TreeLevels.h"

#include <charconv>
#include <string>
#include <string_view>
#include <typeinfo>
#include <utility>
#include <vector>

namespace Vel {

namespace {

// A chain longer than this is taken for a loop.
constexpr std::size_t kMaxDepth = 4096;

// The buffer, with room for the keys of deep trees.
CString ReservedText() {
    std::string text;
    text.reserve(256);
    return CString(std::move(text));
}

// Cuts `text` back to `length` bytes, keeping its room.
void Truncate(CString& text, std::size_t length) {
    text.Delete(static_cast<int>(length), text.GetLength() - static_cast<int>(length));
}

// The part of `node`'s data key behind its last dot.
std::string_view LastPart(const CDataValidationClient& node) {
    const std::string& key = node.GetDataKeyRef().str();
    // Searched inline from the end: the last part is a few characters long.
    const std::size_t dot = std::string_view(key).rfind('.');
    return std::string_view(key).substr(dot == std::string_view::npos ? 0 : dot + 1);
}

} // namespace

CKeyPath::CKeyPath() : m_sBuffer(ReservedText()) {}

bool CKeyPath::Start(const CDataValidationClient& node, SLevel& level) {
    std::vector<const CDataValidationClient*> chain{&node};
    for (const CDataValidationClient* up = node.GetParent(); up; up = up->GetParent()) {
        if (up == &node || chain.size() == kMaxDepth) {
            return false;
        }
        chain.push_back(up);
    }
    m_sBuffer.Empty();
    level = SLevel();
    // From the top down: each node entered as a child of the one above it.
    for (std::size_t i = chain.size(); i-- > 0;) {
        EnterChild(level, *chain[i]);
        level = ChildLevel(level, *chain[i]);
    }
    return true;
}

const CString& CKeyPath::EnterChild(const SLevel& level, const CDataValidationClient& child) {
    Truncate(m_sBuffer, level.nLength);
    if (level.pCollection) {
        AppendElementPart(level.sTableName, child);
    } else {
        m_sBuffer += LastDataKeyPart(child);
    }
    const bool hasPart = m_sBuffer.str().size() > level.nLength;
    if (hasPart && level.nBase == 0) {
        return m_sBuffer;
    }
    // Without a part of its own a child's key ends with the last part that has text.
    const std::size_t end = hasPart ? m_sBuffer.str().size() : level.nTextEnd;
    m_sKey = CString(std::string_view(m_sBuffer.str()).substr(level.nBase, end - level.nBase));
    return m_sKey;
}

void CKeyPath::AppendElementPart(const CString& table, const CDataValidationClient& element) {
    // As AppendElementKeyPart composes it, with the element's class looked at once per class.
    // The dot and the number appended in one step.
    char number[16] = {'.'};
    const char* end =
        std::to_chars(number + 1, number + sizeof number - 1, ElementNumberOf(element)).ptr;
    m_sBuffer += table;
    // Of known length: no count of the characters again.
    m_sBuffer += CString(std::string_view(number, static_cast<std::size_t>(end - number)));
}

int CKeyPath::ElementNumberOf(const CDataValidationClient& element) {
    const std::type_info& type = typeid(element);
    if (&type != m_pElementType) {
        const auto* container = dynamic_cast<const CDataContainerBase*>(&element);
        // A class that holds its node part apart from its container part is not remembered.
        if (container && container != static_cast<const CDataContainerBase*>(&element)) {
            m_pElementType = nullptr;
            return container->GetId();
        }
        m_pElementType = &type;
        m_bElementIsContainer = container != nullptr;
    }
    // Every object of the remembered class is a container, or none is.
    return m_bElementIsContainer ? static_cast<const CDataContainerBase&>(element).GetId() : 0;
}

bool CKeyPath::IsKeyOf(const SLevel& level, const CDataValidationClient& child,
                       std::string_view held) const {
    if (level.pCollection) {
        return false;
    }
    const std::string_view part = LastPart(child);
    const std::string& buffer = m_sBuffer.str();
    // As EnterChild composes it: the prefix and the part, or without a part the prefix up to
    // its last text.
    const std::size_t end = part.empty() ? level.nTextEnd : level.nLength;
    if (end > buffer.size() || end < level.nBase) {
        return false;
    }
    const std::size_t prefixSize = end - level.nBase;
    // The part first: it tells siblings apart, the prefix they share.
    return held.size() == prefixSize + part.size() && held.substr(prefixSize) == part &&
           held.substr(0, prefixSize) == std::string_view(buffer).substr(level.nBase, prefixSize);
}

CKeyPath::SLevel CKeyPath::ChildLevel(const SLevel& parent, const CDataValidationClient& child) {
    const std::size_t length = m_sBuffer.str().size();
    SLevel level;
    level.nBase = parent.nBase;
    if (child.GetType() == PanelDataTypes::DATA_MANAGER) {
        // Keys below a root leave out everything above it, the root's own part included.
        Truncate(m_sBuffer, parent.nLength);
        level.nBase = level.nLength = level.nTextEnd = parent.nLength;
        return level;
    }
    if (child.GetType() == PanelDataTypes::COLLECTION) {
        if (const auto* collection = dynamic_cast<const CDataCollectionBase*>(&child)) {
            // A collection adds no part: its elements stand for it with table and number.
            Truncate(m_sBuffer, parent.nLength);
            level.nLength = parent.nLength;
            level.nTextEnd = parent.nTextEnd;
            level.pCollection = collection;
            level.sTableName = collection->GetCollectionTableName();
            return level;
        }
    }
    level.nTextEnd = length > parent.nLength ? length : parent.nTextEnd;
    m_sBuffer += '.';
    level.nLength = length + 1;
    return level;
}

} // namespace Vel
