// CSiteDatabase: the database velcfg keeps its sites in, opened as the shared connection of
// the database service, with the site tables and the tables of every shipped panel created
// on first use; sites loaded into sample trees and stored back through the service.
#pragma once

#include "LanguageTexts.h"
#include "SamplePanel.h"

#include <vel/SiteDbSupport.h>
#include <vel/SiteDetails.h>

#include <memory>
#include <string>

namespace Vel::Velcfg {

class CSiteDatabase {
public:
    // --db, else VEL_DB, else vel-sites.db in the working folder; a text without '=' is the
    // path of an SQLite file.
    static std::string ChooseConnection(const std::string& option);

    // Opens the database and prepares its tables; false (reported) when it cannot.
    bool Open(const std::string& connection, CLanguageTexts& texts);
    // Creates (or completes) the tables of one panel; false (reported) when it cannot.
    bool Prepare(int type, int version);

    // The record of a stored site (not a snapshot copy); false (reported) when there is none.
    bool FindSite(unsigned long siteId, SiteDetails_T& details, bool allowCopy = false);
    // The tree of a stored site or snapshot copy with its stored values; null (reported).
    std::unique_ptr<Sample::CSamplePanel> Load(const SiteDetails_T& details);

    CSiteDbSupport& Service() { return m_service; }
    const std::string& Connection() const { return m_sConnection; }

private:
    std::string m_sConnection;
    CLanguageTexts* m_pTexts = nullptr;
    CSiteDbSupport m_service;
};

} // namespace Vel::Velcfg
