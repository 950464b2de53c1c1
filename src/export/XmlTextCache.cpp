#include "XmlTextCache.h"

#include <algorithm>
#include <cstdint>

namespace Vel {

namespace {

std::size_t hashOf(const CString* key, EXmlText kind, int value) {
    const auto bits = reinterpret_cast<std::uintptr_t>(key) ^
                      (static_cast<std::uintptr_t>(static_cast<unsigned>(value)) << 32) ^
                      static_cast<std::uintptr_t>(kind);
    // Fibonacci hashing: the high bits of the product are well mixed.
    return static_cast<std::size_t>((bits * 0x9E3779B97F4A7C15ULL) >> 32);
}

} // namespace

const CDataManagerBase* CXmlTextCache::rootOf(const CDataValidationClient* parent) {
    // An item's way up passes its parent; without one the item is the top, and no root.
    return parent ? parent->GetRootItem() : nullptr;
}

CXmlTextCache::SSlot& CXmlTextCache::find(const CString* key, EXmlText kind, int value) {
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t index = hashOf(key, kind, value) & mask;; index = (index + 1) & mask) {
        SSlot& slot = m_slots[index];
        if (!slot.pKey || (slot.pKey == key && slot.nValue == value && slot.eKind == kind)) {
            return slot;
        }
    }
}

void CXmlTextCache::rehash() {
    std::vector<SSlot> old(m_slots.size() * 2);
    old.swap(m_slots);
    for (const SSlot& slot : old) {
        if (slot.pKey) {
            find(slot.pKey, slot.eKind, slot.nValue) = slot;
        }
    }
}

void CXmlTextCache::clearTexts() {
    std::fill(m_slots.begin(), m_slots.end(), SSlot());
    m_texts.clear();
}

void CXmlTextCache::Clear() {
    clearTexts();
    m_pRoot = nullptr;
    m_pParent = nullptr;
    m_pAbove = nullptr;
    m_pParentRoot = nullptr;
}

} // namespace Vel
