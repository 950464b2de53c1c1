// Base answers of the XML forms of the choice and trigger set items. The export layer gives
// them their real XML form; until then nothing is written.
#include <vel/DataIntChoice.h>
#include <vel/DataTriggerSet.h>

namespace Vel {

void CDataIntChoice::SaveToXml(CXmlExport& xml, int indent) {
    CData::SaveToXml(xml, indent);
}

void CDataTriggerSet::SaveToXml(CXmlExport& xml, int indent) {
    CData::SaveToXml(xml, indent);
}

} // namespace Vel
