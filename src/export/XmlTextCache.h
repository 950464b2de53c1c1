// CXmlTextCache: what an export pass looks up again and again: the escaped texts of choice
// values and triggers, and the root of the tree the items belong to. Thousands of items share
// a few data keys, the text of one value takes a chain of language look-ups, and the items of
// one container share their way up to the root; within a pass the tree and its texts stay as
// they are.
// CXmlPass: one pass of an export; the outermost one drops what was kept when it ends, so the
// next pass sees whatever changed in between.
#pragma once

#include "XmlEscape.h"
#include "XmlLine.h"

#include <vel/DataValidationClient.h>
#include <vel/XmlExport.h>

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Vel {

class CDataManagerBase;

// What a shared text names: the text of a choice value, or of the trigger at a position.
enum class EXmlText : unsigned char { ChoiceValue, TriggerPosition };

class CXmlTextCache {
public:
    // The root of the tree that a child of `parent` belongs to, or null; asked again for the
    // same parent, it answers without walking up.
    const CDataManagerBase* RootBelow(const CDataValidationClient* parent) {
        if (parent != m_pParent) {
            // The elements of one collection share everything above them.
            const CDataValidationClient* above = parent ? parent->GetParent() : nullptr;
            if (!above || above != m_pAbove) {
                m_pParentRoot = rootOf(parent);
                m_pAbove = above;
            }
            m_pParent = parent;
        }
        return m_pParentRoot;
    }

    // The part of `key` behind its last "."; remembered by the key's address, since every
    // node refers to the one pooled copy of its key, kept for the life of the process.
    std::string_view LastKey(const CString& key) {
        const auto bits = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(&key));
        SName& name = m_names[(bits * 0x9E3779B97F4A7C15ULL) >> (64 - kNameBits)];
        if (name.pKey != &key) {
            name = {&key, Vel::LastKey(key)};
        }
        return name.sName;
    }

    // The escaped text of `value` of an item with the (pooled) data key `key` in the tree of
    // `root`; `text` gives the plain text the first time. Without a root nothing is shared,
    // and the text is valid until the next call.
    template <typename MakeText>
    std::string_view Escaped(const CDataManagerBase* root, const CString& key, EXmlText kind,
                             int value, const MakeText& text) {
        if (!root) {
            m_sUnshared.clear();
            AppendXmlEscaped(m_sUnshared, text().view());
            return m_sUnshared;
        }
        if (root != m_pRoot) {
            clearTexts(); // another tree's texts may differ
            m_pRoot = root;
        }
        SSlot& slot = find(&key, kind, value);
        if (!slot.pKey) {
            std::string escaped;
            AppendXmlEscaped(escaped, text().view()); // before the slot is taken
            slot = {&key, value, kind, m_texts.size()};
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
        const CString* pKey = nullptr; // none: the slot is free
        int nValue = 0;
        EXmlText eKind = EXmlText::ChoiceValue;
        std::size_t nText = 0;
    };

    struct SName {
        const CString* pKey = nullptr;
        std::string_view sName;
    };
    static constexpr int kNameBits = 8;

    static const CDataManagerBase* rootOf(const CDataValidationClient* parent);
    // The slot of the key, or the free slot where it belongs.
    SSlot& find(const CString* key, EXmlText kind, int value);
    // Doubles the slots, keeping them at most half full.
    void rehash();
    void clearTexts();

    // Open addressing over a power-of-two table: the look-up runs for every choice item.
    // Keys are told apart by address: every node refers to the one pooled copy of its key.
    std::vector<SSlot> m_slots = std::vector<SSlot>(64);
    // A deque, so a text handed out stays where it is while others are added.
    std::deque<std::string> m_texts;
    std::string m_sUnshared;
    // The tree the texts are of.
    const CDataManagerBase* m_pRoot = nullptr;
    // The parent asked last, its own parent and its root; no parent has no root.
    const CDataValidationClient* m_pParent = nullptr;
    const CDataValidationClient* m_pAbove = nullptr;
    const CDataManagerBase* m_pParentRoot = nullptr;
    // Last keys, one per slot; a clash only costs a new search.
    SName m_names[1 << kNameBits];
};

class CXmlPass {
public:
    explicit CXmlPass(CXmlExport& xml) : m_xml(xml) { ++m_xml.m_nPassDepth; }
    ~CXmlPass() {
        if (--m_xml.m_nPassDepth == 0) {
            m_xml.m_pTexts->Clear();
        }
    }
    CXmlPass(const CXmlPass&) = delete;
    CXmlPass& operator=(const CXmlPass&) = delete;

    CXmlTextCache& Texts() { return *m_xml.m_pTexts; }
    // The last key of `key`, also outside a pass: last keys outlast passes.
    static std::string_view LastKey(CXmlExport& xml, const CString& key) {
        return xml.m_pTexts->LastKey(key);
    }

private:
    CXmlExport& m_xml;
};

} // namespace Vel
