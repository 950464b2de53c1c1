// The XML form of the leaf items: one element per item named by its last data key; numbers
// and strings only when the writer's filter lets them through, plain choices and sets never.
#include <vel/DataChoiceBase.h>
#include <vel/DataIPAddr.h>
#include <vel/DataIntChoice.h>
#include <vel/DataNumber.h>
#include <vel/DataString.h>
#include <vel/DataTriggerSet.h>
#include <vel/XmlExport.h>

#include "XmlLine.h"
#include "XmlTextCache.h"

#include <cstddef>
#include <string_view>

namespace Vel {

// A plain choice has no XML form; host classes derived from it may write their own.
void CDataChoiceBase::SaveToXml(CXmlExport&, int) {}

void CDataNumber::SaveToXml(CXmlExport& xml, int indent) {
    if (xml.IsExportable(m_sDataKey)) {
        const std::string_view name = CXmlPass::LastKey(xml, m_sDataKey);
        CXmlLine(xml, indent).Open(name).Text(GetValueString()).Close(name);
    }
}

void CDataString::SaveToXml(CXmlExport& xml, int indent) {
    if (!xml.IsExportable(m_sDataKey)) {
        return;
    }
    // The plain text, also of an encrypted item: the encoding is the database's form only.
    const std::string_view name = CXmlPass::LastKey(xml, m_sDataKey);
    CXmlLine(xml, indent).Open(name).Escaped(m_sValue).Close(name);
}

void CDataIPAddr::SaveToXml(CXmlExport& xml, int indent) {
    const std::string_view name = CXmlPass::LastKey(xml, m_sDataKey);
    CXmlLine(xml, indent).Open(name).Text(m_bBlank ? CString() : GetValueString()).Close(name);
}

void CDataIntChoice::SaveToXml(CXmlExport& xml, int indent) {
    const std::string_view name = CXmlPass::LastKey(xml, m_sDataKey);
    CXmlPass pass(xml);
    CXmlTextCache& texts = pass.Texts();
    // The items of one data key in one tree share the texts of their values.
    const std::string_view text =
        texts.Escaped(texts.RootBelow(m_pParent), m_sDataKey, EXmlText::ChoiceValue,
                      m_nCurrentValue, [this] { return GetText(); });
    CXmlLine(xml, indent)
        .Text("<")
        .Text(name)
        .Text(" value=\"")
        .Number(m_nCurrentValue)
        .Text("\">")
        .Text(text)
        .Close(name);
}

void CDataTriggerSet::SaveToXml(CXmlExport& xml, int indent) {
    const std::string_view name = CXmlPass::LastKey(xml, m_sDataKey);
    CXmlLine(xml, indent).Open(name);
    if (!m_vecData.empty()) {
        CXmlPass pass(xml);
        CXmlTextCache& texts = pass.Texts();
        const CDataManagerBase* root = texts.RootBelow(m_pParent);
        // Ascending positions in the possible list; the chosen list is short and unordered.
        const CMemberList& possible = allData();
        for (std::size_t position = 0; position < possible.size(); ++position) {
            if (!isChosen(possible[position])) {
                continue;
            }
            const int id = static_cast<int>(position);
            const std::string_view text =
                texts.Escaped(root, m_sDataKey, EXmlText::TriggerPosition, id,
                              [this, id] { return GetTriggerText(id); });
            CXmlLine(xml, indent + 1)
                .Text("<trigger id=\"")
                .Number(id)
                .Text("\">")
                .Text(text)
                .Text("</trigger>");
        }
    }
    CXmlLine(xml, indent).Close(name);
}

} // namespace Vel
