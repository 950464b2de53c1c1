#include "XmlTextCache.h"

#include <algorithm>
#include <cstdint>
#include <memory>

namespace Vel {

namespace {

std::size_t hashOf(const void* owner, int value) {
    const auto bits = reinterpret_cast<std::uintptr_t>(owner) ^
                      (static_cast<std::uintptr_t>(static_cast<unsigned>(value)) << 32);
    // Fibonacci hashing: the high bits of the product are well mixed.
    return static_cast<std::size_t>((bits * 0x9E3779B97F4A7C15ULL) >> 32);
}

} // namespace

CXmlTextCache::SSlot& CXmlTextCache::find(const void* owner, int value) {
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t index = hashOf(owner, value) & mask;; index = (index + 1) & mask) {
        SSlot& slot = m_slots[index];
        if (!slot.pOwner || (slot.pOwner == owner && slot.nValue == value)) {
            return slot;
        }
    }
}

void CXmlTextCache::rehash() {
    std::vector<SSlot> old(m_slots.size() * 2);
    old.swap(m_slots);
    for (const SSlot& slot : old) {
        if (slot.pOwner) {
            find(slot.pOwner, slot.nValue) = slot;
        }
    }
}

void CXmlTextCache::Clear() {
    std::fill(m_slots.begin(), m_slots.end(), SSlot());
    m_texts.clear();
}

CXmlPass::CXmlPass(CXmlExport& xml) : m_xml(xml) {
    if (!m_xml.m_pTexts) {
        m_xml.m_pTexts = std::make_unique<CXmlTextCache>();
    }
    ++m_xml.m_nPassDepth;
}

CXmlPass::~CXmlPass() {
    if (--m_xml.m_nPassDepth == 0) {
        m_xml.m_pTexts->Clear();
    }
}

} // namespace Vel
