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
    const CString connect = connection.find('=') == std::string::npos
                                ? CDatabaseManager::SqliteConnect(connection.c_str())
                                : CString(connection.c_str());
    CDatabaseEx* db = CDatabaseManager::Instance().GetDatabase();
    if (!db->Open(connect)) {
        fail("cannot open the database '" + connection + "'");
        return false;
    }
    // Idempotent; one tree per panel family and major version gives every table.
    CProgressBar bar("preparing tables");
    const std::vector<Sample::SPanelEntry> panels = Sample::CPanelCatalogue::Supported();
    int done = 0;
    for (const Sample::SPanelEntry& entry : panels) {
        bar.Show(done++, static_cast<int>(panels.size()));
        Sample::CSamplePanel panel(entry.nType);
        panel.Root().SetLanguageClass(&texts.Provider());
        if (panel.Open(entry.nType, entry.nVersion) && !m_service.CreateTables(&panel.Root())) {
            fail("cannot create the tables of panel type " + std::to_string(entry.nType) + " in '" +
                 connection + "'");
            return false;
        }
    }
    return true;
}

void CSiteDatabase::Reopen() {
    CDatabaseEx* db = CDatabaseManager::Instance().GetDatabase();
    if (!db->IsOpen()) {
        db->Open(db->GetConnect());
    }
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
