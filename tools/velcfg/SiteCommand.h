// velcfg site: sites kept in a database, with their own command line (parsed by CLI11).
#pragma once

#include "LanguageTexts.h"

#include <string>
#include <vector>

namespace Vel::Velcfg {

// What the command line of one site sub-command gave.
struct SSiteArgs {
    std::string sConnection;
    unsigned long nSite = 0;
    unsigned long nOther = 0; // a second site, or a snapshot id
    bool bHasOther = false;
    int nType = -1;
    int nVersion = -1;
    std::string sName;
    std::string sKeyPrefix;
    std::string sOnly;
    std::string sOutFile;
    std::string sTemplate;
    bool bJson = false;
    std::vector<std::string> vecValues;
};

// argv[0] is "site"; answers the exit status.
int RunSite(int argc, char** argv, CLanguageTexts& texts);

// The sub-commands, on an opened site database.
class CSiteDatabase;
int SiteCreate(CSiteDatabase& db, const SSiteArgs& args);
int SiteList(CSiteDatabase& db, const SSiteArgs& args);
int SiteShow(CSiteDatabase& db, const SSiteArgs& args);
int SiteSet(CSiteDatabase& db, const SSiteArgs& args);
int SiteDiff(CSiteDatabase& db, const SSiteArgs& args);
int SiteDiffSnapshot(CSiteDatabase& db, const SSiteArgs& args);
int SnapshotCreate(CSiteDatabase& db, const SSiteArgs& args);
int SnapshotList(CSiteDatabase& db, const SSiteArgs& args);
int SnapshotUse(CSiteDatabase& db, const SSiteArgs& args);
int SnapshotDelete(CSiteDatabase& db, const SSiteArgs& args);
int SiteChangePanel(CSiteDatabase& db, const SSiteArgs& args);
int SiteAudit(CSiteDatabase& db, const SSiteArgs& args);
int SitePurge(CSiteDatabase& db, const SSiteArgs& args);
int SiteExport(CSiteDatabase& db, const SSiteArgs& args);
int SiteReport(CSiteDatabase& db, const SSiteArgs& args);

} // namespace Vel::Velcfg
