// CXmlTextCache: the escaped texts of choice values and triggers met during one export pass.
// Thousands of items share a few validation records, and the text of one value takes a chain
// of language look-ups; within a pass the tree and its texts stay as they are.
// CXmlPass: one pass of an export; the outermost one drops the texts when it ends, so the
// next pass sees whatever changed in between.
#pragma once

#include "XmlEscape.h"

#include <vel/XmlExport.h>

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Vel {

class CXmlTextCache {
public:
    // The escaped text of `value` under `owner` (the record or list the value belongs to);
    // `text` gives the plain text the first time. Without an owner nothing is shared, and
    // the text is valid until the next call.
    template <typename MakeText>
    std::string_view Escaped(const void* owner, int value, const MakeText& text) {
        if (!owner) {
            m_sUnshared.clear();
            AppendXmlEscaped(m_sUnshared, text().view());
            return m_sUnshared;
        }
        SSlot& slot = find(owner, value);
        if (!slot.pOwner) {
            std::string escaped;
            AppendXmlEscaped(escaped, text().view()); // before the slot is taken
            slot = {owner, value, m_texts.size()};
            m_texts.push_back(std::move(escaped));
            if (m_texts.size() * 2 > m_slots.size()) {
                rehash();
            }
            return m_texts.back();
        }
        return m_texts[slot.nText];
    }
    void Clear();

private:
    struct SSlot {
        const void* pOwner = nullptr; // none: the slot is free
        int nValue = 0;
        std::size_t nText = 0;
    };

    // The slot of the key, or the free slot where it belongs.
    SSlot& find(const void* owner, int value);
    // Doubles the slots, keeping them at most half full.
    void rehash();

    // Open addressing over a power-of-two table: the look-up runs for every choice item.
    std::vector<SSlot> m_slots = std::vector<SSlot>(64);
    // A deque, so a text handed out stays where it is while others are added.
    std::deque<std::string> m_texts;
    std::string m_sUnshared;
};

class CXmlPass {
public:
    explicit CXmlPass(CXmlExport& xml);
    ~CXmlPass();
    CXmlPass(const CXmlPass&) = delete;
    CXmlPass& operator=(const CXmlPass&) = delete;

    CXmlTextCache& Texts() { return *m_xml.m_pTexts; }

private:
    CXmlExport& m_xml;
};

} // namespace Vel
