#include "PanelReportSource.h"

#include <algorithm>

namespace Vel::Sample {

namespace {

using ItemList = std::vector<CDataValidationClient*>;

void append(ItemList& items, const CDataValidationClient& node) {
    const ItemList& children = node.GetChildListRef();
    items.insert(items.end(), children.begin(), children.end());
}

bool mayUnset(CUserRecord& user, int area) {
    const CMemberSet::CMemberList areas = user.m_Areas.GetDataList();
    return std::find(areas.begin(), areas.end(), area) != areas.end();
}

} // namespace

CPanelReportSource::CPanelReportSource(CSamplePanel& panel) : m_Panel(panel) {
    for (int z = 0; z < panel.m_Zones.GetSize(); ++z) {
        CZoneRecord& zone = *panel.m_Zones.GetElement(z);
        auto extra = std::make_unique<SZoneItems>();
        extra->areaText.SetValue(zone.m_Area.GetValueString());
        for (int u = 0; u < panel.m_Users.GetSize(); ++u) {
            CUserRecord* user = panel.m_Users.GetElement(u);
            if (mayUnset(*user, zone.m_Area.GetValue())) {
                extra->users.Add(user);
            }
        }
        m_vecZoneItems.push_back(std::move(extra));
    }
}

ItemList CPanelReportSource::recordItems(const CString& name, int record) const {
    ItemList items;
    if (name == "Zones" && record < m_Panel.m_Zones.GetSize()) {
        append(items, *m_Panel.m_Zones.GetElement(record));
        SZoneItems& extra = *m_vecZoneItems[static_cast<std::size_t>(record)];
        items.push_back(&extra.areaText);
        items.push_back(&extra.users);
    } else if (name == "Users" && record < m_Panel.m_Users.GetSize()) {
        CUserRecord& user = *m_Panel.m_Users.GetElement(record);
        append(items, user);
        // The code never leaves the panel's own screens.
        std::erase(items, &user.m_Pin);
    } else if (name == "Arcs" && record < m_Panel.m_Telecom.m_Arcs.GetSize()) {
        append(items, *m_Panel.m_Telecom.m_Arcs.GetElement(record));
    }
    return items;
}

ItemList CPanelReportSource::headerItems() const {
    ItemList items;
    append(items, m_Panel.m_System);
    append(items, m_Panel.m_Telecom);
    return items;
}

int CPanelReportSource::GetNextData(int& record, ItemList& items, CString name) {
    if (name.IsEmpty()) {
        items = headerItems();
        return 1;
    }
    if (name != m_sLoop) {
        m_sLoop = name;
        record = 0;
    }
    ItemList next = record >= 0 ? recordItems(name, record) : ItemList();
    if (next.empty()) {
        // The next loop of this name starts again at its first record, and the text behind
        // the loop sees the system and telecom settings again.
        m_sLoop.Empty();
        items = headerItems();
        return 0;
    }
    items = std::move(next);
    ++record;
    return 1;
}

CString CPanelReportSource::GetTextForID(const CString& id) {
    const CString text = m_Panel.Root().Translate(id);
    return text.IsEmpty() ? id : text;
}

} // namespace Vel::Sample
