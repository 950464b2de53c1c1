#include "XmlTextCache.h"

#include <memory>

namespace Vel {

CXmlPass::CXmlPass(CXmlExport& xml) : m_xml(xml) {
    if (!m_xml.m_pTexts) {
        m_xml.m_pTexts = std::make_unique<CXmlTextCache>();
    }
    ++m_xml.m_nPassDepth;
}

CXmlPass::~CXmlPass() {
    if (--m_xml.m_nPassDepth == 0) {
        m_xml.m_pTexts->Clear();
    }
}

} // namespace Vel
