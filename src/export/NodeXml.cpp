// The XML form of the tree node, containers and collections: one element each, holding the
// elements of the children that are not disabled, one level deeper.
#include <vel/Assert.h>
#include <vel/DataCollectionBase.h>
#include <vel/DataContainerBase.h>
#include <vel/DataValidationClient.h>
#include <vel/XmlExport.h>

#include "XmlLine.h"
#include "XmlTextCache.h"

#include <cstddef>
#include <string_view>

namespace Vel {

namespace {

// A collection's elements are containers; anything else is reported and written all the same.
void checkElement(const CDataCollectionBase& collection, const CDataValidationClient& child) {
    if (child.GetType() != PanelDataTypes::CONTAINER) {
        const CString message = "Item should be the Container" + collection.GetDataKey();
        Assert("(*it)->GetType() == PanelDataTypes::CONTAINER")
            .print_context("DataCollectionBaseVel", 161)
            .error(message.c_str());
    }
}

void writeChildren(CXmlExport& xml, const CDataValidationClient& node, int indent,
                   const CDataCollectionBase* collection) {
    const CDataValidationClientList& children = node.GetChildListRef();
    for (std::size_t i = 0; i < children.size(); ++i) {
        CDataValidationClient* child = children[i];
        // Nodes lie scattered over the heap: the next one is fetched while this one is written.
        if (i + 1 < children.size()) {
            __builtin_prefetch(children[i + 1]);
        }
        if (collection) {
            checkElement(*collection, *child);
        }
        if (!child->IsDisabled()) {
            child->SaveToXml(xml, indent);
        }
    }
}

} // namespace

void CXmlExport::WriteChildren(CDataValidationClient& node, int indent) {
    const CXmlPass pass(*this);
    writeChildren(*this, node, indent, nullptr);
}

void CDataValidationClient::SaveToXml(CXmlExport&, int) {}

void CDataContainerBase::SaveToXml(CXmlExport& xml, int indent) {
    if (!IsStoredInDb()) {
        return;
    }
    const CXmlPass pass(xml);
    {
        CXmlLine open(xml, indent);
        open.Text("<").Text(m_sDataKey);
        if (m_pParent && m_pParent->GetType() == PanelDataTypes::COLLECTION) {
            open.Text(" id=\"").Number(m_nId).Text("\"");
        }
        open.Text(">");
    }
    writeChildren(xml, *this, indent + 1, nullptr);
    CXmlLine(xml, indent).Close(m_sDataKey.view());
}

void CDataCollectionBase::SaveToXml(CXmlExport& xml, int indent) {
    if (!IsStoredInDb()) {
        return;
    }
    const CXmlPass pass(xml);
    const std::string_view name = CXmlPass::LastKey(xml, m_sDataKey);
    CXmlLine(xml, indent).Text("<").Text(name).Text("Collection>");
    writeChildren(xml, *this, indent + 1, this);
    CXmlLine(xml, indent).Text("</").Text(name).Text("Collection>");
}

} // namespace Vel
