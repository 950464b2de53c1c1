#include "SiteDatabase.h"

#include "Commands.h"
#include "PanelCatalogue.h"
#include "ProgressBar.h"

#include <vel/DatabaseManager.h>
#include <vel/SelectFromFETables.h>

#include <cstdlib>

namespace Vel::Velcfg {

std::string CSiteDatabase::ChooseConnection(const std::string& option) {
    if (!option.empty()) {
        return option;
    }
    const char* fromEnvironment = std::getenv("VEL_DB");
    return fromEnvironment && *fromEnvironment ? fromEnvironment : "vel-sites.db";
}

bool CSiteDatabase::Open(const std::string& connection, CLanguageTexts& texts) {
    m_sConnection = connection;
    m_pTexts = &texts;
    CDatabaseEx* db = CDatabaseManager::Instance().GetDatabase();
    if (!db->Open(ConnectText(connection))) {
        fail("cannot open the database '" + connection + "'");
        return false;
    }
    // Every shipped panel's tables on first use; later, create and change-panel add the
    // tables of their panel, so a command does not open every panel each time.
    if (db->TableExists("Site_Details")) {
        return true;
    }
    CProgressBar bar("preparing tables");
    const std::vector<Sample::SPanelEntry> panels = Sample::CPanelCatalogue::Supported();
    int done = 0;
    for (const Sample::SPanelEntry& entry : panels) {
        bar.Show(done++, static_cast<int>(panels.size()));
        if (!Prepare(entry.nType, entry.nVersion)) {
            return false;
        }
    }
    return true;
}

bool CSiteDatabase::Prepare(int type, int version) {
    Sample::CSamplePanel panel(type);
    panel.Root().SetLanguageClass(&m_pTexts->Provider());
    if (panel.Open(type, version) && !m_service.CreateTables(&panel.Root())) {
        fail("cannot create the tables of panel type " + std::to_string(type) + " version " +
             std::to_string(version) + " in '" + m_sConnection + "'");
        return false;
    }
    return true;
}

bool CSiteDatabase::FindSite(unsigned long siteId, SiteDetails_T& details, bool allowCopy) {
    details = SiteDetails_T{};
    if (!CSelectFromFETables().SelectSiteDetailsFromSiteID(&details, siteId) ||
        (details.rollbackCopy != 0 && !allowCopy)) {
        fail("no site " + std::to_string(siteId) + " in '" + m_sConnection + "'");
        return false;
    }
    return true;
}

std::unique_ptr<Sample::CSamplePanel> CSiteDatabase::Load(const SiteDetails_T& details) {
    auto panel = openPanel(details.panelType, details.panelVersion, *m_pTexts);
    if (!panel) {
        return nullptr;
    }
    panel->Root().SetSiteID(static_cast<long>(details.siteId));
    CProgressBar bar("loading site " + std::to_string(details.siteId));
    bool notInDb = false;
    if (!m_service.LoadScreenDataDb2Vel(&panel->Root(), notInDb, false)) {
        fail("cannot load site " + std::to_string(details.siteId) + " from '" + m_sConnection +
             "'");
        return nullptr;
    }
    return panel;
}

} // namespace Vel::Velcfg
