#include "SamplePanel.h"

#include "TarvoPanelRoot.h"
#include "V6PanelRoot.h"

namespace Vel::Sample {

namespace {

std::unique_ptr<CPanelRoot> createRoot(int panelType) {
    if (CTarvoPanelRoot().IsFamilyType(panelType)) {
        return std::make_unique<CTarvoPanelRoot>();
    }
    return std::make_unique<CV6PanelRoot>();
}

void visitItems(CDataValidationClient& node, const std::function<void(CData&)>& visit) {
    for (CDataValidationClient* child : node.GetChildListRef()) {
        if (child->IsDataType()) {
            visit(static_cast<CData&>(*child));
        }
        visitItems(*child, visit);
    }
}

} // namespace

CSamplePanel::CSamplePanel(int panelType)
    : m_pRoot(createRoot(panelType)), m_System(m_pRoot.get()), m_Areas(m_pRoot.get()),
      m_Zones(m_pRoot.get(), "Zones", "Zones", CString("Zones")),
      m_KeypadOutputs(m_pRoot.get(), "Keypad"), m_RioOutputs(m_pRoot.get(), "Rio"),
      m_HeaderOutputs(m_pRoot.get(), "Header"),
      m_Keypads(m_pRoot.get(), "Keypads", "Keypads", CString("Keypads")),
      m_Users(m_pRoot.get(), "Users", "Users", CString("Users")),
      m_Schedules(m_pRoot.get(), "Schedules", "Schedules", CString("Schedules")),
      m_HolidayIntervals(m_pRoot.get(), "HolidayIntervals", "HolidayIntervals",
                         CString("HolidayIntervals")),
      m_Telecom(m_pRoot.get()), m_Network(m_pRoot.get()) {}

bool CSamplePanel::IsKnownType(int panelType) {
    return CV6PanelRoot().IsFamilyType(panelType) || CTarvoPanelRoot().IsFamilyType(panelType);
}

bool CSamplePanel::Open(int panelType, int panelVersion) {
    if (!m_pRoot->ChangePanelVersion(panelType, panelVersion)) {
        return false;
    }
    m_pRoot->CreateKeyMap();
    return true;
}

void CSamplePanel::ForEachItem(const std::function<void(CData&)>& visit) {
    visitItems(*m_pRoot, visit);
}

} // namespace Vel::Sample
