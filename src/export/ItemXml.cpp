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
        const std::string_view name = LastKey(m_sDataKey);
        CXmlLine(xml, indent).Open(name).Text(GetValueString()).Close(name);
    }
}

void CDataString::SaveToXml(CXmlExport& xml, int indent) {
    if (!xml.IsExportable(m_sDataKey)) {
        return;
    }
    // The plain text, also of an encrypted item: the encoding is the database's form only.
    const std::string_view name = LastKey(m_sDataKey);
    CXmlLine(xml, indent).Open(name).Escaped(m_sValue).Close(name);
}

void CDataIPAddr::SaveToXml(CXmlExport& xml, int indent) {
    const std::string_view name = LastKey(m_sDataKey);
    CXmlLine(xml, indent).Open(name).Text(m_bBlank ? CString() : GetValueString()).Close(name);
}

void CDataIntChoice::SaveToXml(CXmlExport& xml, int indent) {
    const std::string_view name = LastKey(m_sDataKey);
    CXmlPass pass(xml);
    // The items of one data key share their record, and so the texts of their values.
    const std::string_view text =
        pass.Texts().Escaped(GetValidationData(), m_nCurrentValue, [this] { return GetText(); });
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
    const std::string_view name = LastKey(m_sDataKey);
    CXmlLine(xml, indent).Open(name);
    CXmlPass pass(xml);
    // Positions index this list, which the texts of one data key share.
    const CMemberList* all = GetAllData();
    const CBitList chosen = GetBitmapInBite();
    for (std::size_t position = 0; position < chosen.size(); ++position) {
        if (chosen[position]) {
            const int id = static_cast<int>(position);
            CXmlLine(xml, indent + 1)
                .Text("<trigger id=\"")
                .Number(id)
                .Text("\">")
                .Text(pass.Texts().Escaped(all, id, [this, id] { return GetTriggerText(id); }))
                .Text("</trigger>");
        }
    }
    CXmlLine(xml, indent).Close(name);
}

} // namespace Vel
