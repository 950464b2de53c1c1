// Base answers of the XML export carried by the model classes. The export layer gives every
// node its real XML form; until then nothing is written.
#include <vel/DataCollectionBase.h>
#include <vel/DataContainerBase.h>
#include <vel/DataNumber.h>
#include <vel/DataValidationClient.h>

namespace Vel {

void CDataValidationClient::SaveToXml(CXmlExport&, int) {}

void CDataContainerBase::SaveToXml(CXmlExport& xml, int indent) {
    CDataValidationClient::SaveToXml(xml, indent);
}

void CDataCollectionBase::SaveToXml(CXmlExport& xml, int indent) {
    CDataValidationClient::SaveToXml(xml, indent);
}

void CDataNumber::SaveToXml(CXmlExport& xml, int indent) {
    CData::SaveToXml(xml, indent);
}

} // namespace Vel
