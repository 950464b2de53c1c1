// Captions, descriptions and translations of CDataValidationClient: language keys derived
// from data keys and looked up along the validation files' "Parent" chain.
#include <vel/Assert.h>
#include <vel/DataCollectionBase.h>
#include <vel/DataManagerBase.h>
#include <vel/DataValidationClient.h>
#include <vel/TextCommon.h>

#include "model/ElementFormat.h"
#include "model/LanguageKey.h"
#include "model/ParentChain.h"
#include "model/TreeLevels.h"

namespace Vel {

namespace {

const char kSource[] = "DataValidationClientVel";

// The item's root; without one, the report of a standalone item.
const CDataManagerBase* RootOrReport(const CDataValidationClient& item, int line,
                                     const char* message) {
    const CDataManagerBase* root = item.GetRootItem();
    if (!root) {
        Assert("pDMB").print_context(kSource, line).error(message);
    }
    return root;
}

// A missing text shows as the marker and the data key, so that it is seen and can be traced.
CString TextOrMarker(const CString& text, const CString& dataKey) {
    return text.IsEmpty() ? kMissingTextMarker + dataKey : text;
}

} // namespace

CString CDataValidationClient::dataKey2CaptionLanguageKey(const CString& key) const {
    return MakeLanguageKey("LML_", key, false);
}

CString CDataValidationClient::dataKey2DescriptionLanguageKey(const CString& key) const {
    return MakeLanguageKey("LMD_", key, false);
}

CString CDataValidationClient::GetLabelTextKey() const {
    return CDataValidationClient::dataKey2CaptionLanguageKey(m_sDataKey);
}

CString CDataValidationClient::searchLanguageText(const CDataManagerBase& root,
                                                  const KeyDerivation& derive,
                                                  const TextLookup& lookup) const {
    return SearchParentChain(root, m_sDataKey,
                             [&](const CString& key) { return lookup(derive(key)); })
        .text;
}

CString CDataValidationClient::GetCaptionText() const {
    const CDataManagerBase* root =
        RootOrReport(*this, 680, "GetCaptionText() can't be called for standalone data items");
    if (!root) {
        return CString();
    }
    // Screens and collections are captioned by the process-wide texts, items by the root's.
    const int type = GetType();
    const bool processWide =
        type == PanelDataTypes::COLLECTION || type == PanelDataTypes::CONTAINER;
    const CString text = searchLanguageText(
        *root, [this](const CString& key) { return dataKey2CaptionLanguageKey(key); },
        [root, processWide](const CString& key) {
            return processWide ? CTextCommon::GetLanguageClass()->GetText(key)
                               : root->CallTranslate(key);
        });
    return TextOrMarker(text, m_sDataKey);
}

CString CDataValidationClient::GetDescriptionText() const {
    const CDataManagerBase* root =
        RootOrReport(*this, 724, "GetDescriptionText() can't be called for standalone data items");
    if (!root) {
        return CString();
    }
    const CString text = searchLanguageText(
        *root, [this](const CString& key) { return dataKey2DescriptionLanguageKey(key); },
        [root](const CString& key) { return root->CallTranslate(key); });
    return TextOrMarker(text, m_sDataKey);
}

CString CDataValidationClient::GetFullCaptionText() const {
    return JoinNumberedLevels(
        *this, [](const CDataValidationClient& node) { return node.GetCaptionText(); }, "[%d]");
}

CString CDataValidationClient::Translate(const CString& key) const {
    const CDataManagerBase* root =
        RootOrReport(*this, 865, "Translate() can't be called for standalone data items");
    return root ? root->CallTranslate(key) : CString();
}

CString CDataValidationClient::formatWithElementNumber(const CString& text) const {
    // Without a conversion there is nothing to format; spares the walk up for most texts.
    if (text.Find('%') < 0) {
        return text;
    }
    for (const CDataValidationClient* node = m_pParent; node && node != this;
         node = node->m_pParent) {
        if (node->GetType() == PanelDataTypes::CONTAINER) {
            return FormatWithOneInteger(text, ElementNumber(*node) + 1);
        }
    }
    return text;
}

} // namespace Vel
