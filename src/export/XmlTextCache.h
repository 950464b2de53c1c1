// CXmlTextCache: the escaped texts of choice values and triggers met during one export pass.
// Thousands of items share a few validation records, and the text of one value takes a chain
// of language look-ups; within a pass the tree and its texts stay as they are.
// CXmlPass: one pass of an export; the outermost one drops the texts when it ends, so the
// next pass sees whatever changed in between.
#pragma once

#include "XmlEscape.h"

#include <vel/XmlExport.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

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
        const auto [entry, added] = m_texts.try_emplace(SKey{owner, value});
        if (added) {
            AppendXmlEscaped(entry->second, text().view());
        }
        return entry->second;
    }
    void Clear() { m_texts.clear(); }

private:
    struct SKey {
        const void* pOwner;
        int nValue;
        bool operator==(const SKey&) const = default;
    };
    struct SKeyHash {
        std::size_t operator()(const SKey& key) const {
            return std::hash<const void*>()(key.pOwner) * 31 +
                   static_cast<std::size_t>(static_cast<unsigned>(key.nValue));
        }
    };
    // Node-based: a text handed out stays where it is while others are added.
    std::unordered_map<SKey, std::string, SKeyHash> m_texts;
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
