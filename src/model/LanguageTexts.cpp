// Captions, descriptions and translations of CDataValidationClient: language keys derived
// from data keys and looked up along the validation files' "Parent" chain.
#include <vel/Assert.h>
#include <vel/DataCollectionBase.h>
#include <vel/DataManagerBase.h>
#include <vel/DataValidationClient.h>
#include <vel/TextCommon.h>
#include <vel/ValidationManager.h>

#include "model/ElementFormat.h"
#include "model/TreeLevels.h"

namespace Vel {

namespace {

const char kSource[] = "DataValidationClientVel";
const char kMissingTextMarker[] = "LM==>";
// A "Parent" chain that loops without coming back to the item's own key ends here.
const int kMaxParentSteps = 64;

CString LanguageKey(const char* prefix, const CString& dataKey) {
    CString key = prefix + dataKey;
    key.Replace(".", "__");
    key.MakeUpper();
    return key;
}

void ReportStandalone(int line, const char* message) {
    Assert("pDMB").print_context(kSource, line).error(message);
}

} // namespace

CString CDataValidationClient::dataKey2CaptionLanguageKey(const CString& key) const {
    return LanguageKey("LML_", key);
}

CString CDataValidationClient::dataKey2DescriptionLanguageKey(const CString& key) const {
    return LanguageKey("LMD_", key);
}

CString CDataValidationClient::GetLabelTextKey() const {
    return CDataValidationClient::dataKey2CaptionLanguageKey(m_sDataKey);
}

CString CDataValidationClient::searchLanguageText(const CDataManagerBase& root,
                                                  const KeyDerivation& derive,
                                                  const TextLookup& lookup) const {
    CString searchKey = m_sDataKey;
    for (int step = 0; step < kMaxParentSteps; ++step) {
        CString text = lookup(derive(searchKey));
        if (!text.IsEmpty()) {
            return text;
        }
        const CValidationManager* manager = root.GetValidationManager();
        if (!manager) {
            break;
        }
        CString parent = manager->GetParent(searchKey);
        // Data authors may write a parent key with "__" for "."; sections use ".".
        parent.Replace("__", ".");
        if (parent.IsEmpty() || parent == m_sDataKey) {
            break;
        }
        searchKey = parent;
    }
    return CString();
}

CString CDataValidationClient::GetCaptionText() const {
    const CDataManagerBase* root = GetRootItem();
    if (!root) {
        ReportStandalone(680, "GetCaptionText() can't be called for standalone data items");
        return CString();
    }
    // Screens and collections are captioned by the process-wide texts, items by the root's.
    const int type = GetType();
    const bool processWide =
        type == PanelDataTypes::COLLECTION || type == PanelDataTypes::CONTAINER;
    CString text = searchLanguageText(
        *root, [this](const CString& key) { return dataKey2CaptionLanguageKey(key); },
        [root, processWide](const CString& key) {
            return processWide ? CTextCommon::GetLanguageClass()->GetText(key)
                               : root->CallTranslate(key);
        });
    return text.IsEmpty() ? kMissingTextMarker + m_sDataKey : text;
}

CString CDataValidationClient::GetDescriptionText() const {
    const CDataManagerBase* root = GetRootItem();
    if (!root) {
        ReportStandalone(724, "GetDescriptionText() can't be called for standalone data items");
        return CString();
    }
    CString text = searchLanguageText(
        *root, [this](const CString& key) { return dataKey2DescriptionLanguageKey(key); },
        [root](const CString& key) { return root->CallTranslate(key); });
    return text.IsEmpty() ? kMissingTextMarker + m_sDataKey : text;
}

CString CDataValidationClient::GetFullCaptionText() const {
    return JoinLevels(*this,
                      [](const CDataValidationClient& node, const CDataCollectionBase* collection) {
                          CString part = node.GetCaptionText();
                          if (collection) {
                              part.AppendFormat("[%d]", ElementNumber(node));
                          }
                          return part;
                      });
}

CString CDataValidationClient::Translate(const CString& key) const {
    const CDataManagerBase* root = GetRootItem();
    if (!root) {
        ReportStandalone(865, "Translate() can't be called for standalone data items");
        return CString();
    }
    return root->CallTranslate(key);
}

CString CDataValidationClient::formatWithElementNumber(const CString& text) const {
    for (const CDataValidationClient* node = m_pParent; node && node != this;
         node = node->m_pParent) {
        if (node->GetType() == PanelDataTypes::CONTAINER) {
            return FormatWithOneInteger(text, ElementNumber(*node) + 1);
        }
    }
    return text;
}

} // namespace Vel
