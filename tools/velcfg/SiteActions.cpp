// The sub-commands of velcfg site on an opened site database.
#include "Commands.h"
#include "ProgressBar.h"
#include "SiteCommand.h"
#include "SiteDatabase.h"
#include "SiteRows.h"

#include <vel/DatabaseManager.h>
#include <vel/DeleteFromFETables.h>
#include <vel/SelectFromFETables.h>
#include <vel/UpdateFETables.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>

namespace Vel::Velcfg {

namespace {

CDatabaseEx* shared() {
    return CDatabaseManager::Instance().GetDatabase();
}

std::string siteName(unsigned long siteId) {
    return "site " + std::to_string(siteId);
}

std::string timeText(long seconds) {
    const std::time_t time = seconds;
    char text[32] = "";
    std::tm parts{};
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", gmtime_r(&time, &parts));
    return text;
}

// KEY=VALUE texts split at the first '='; false (reported) for one without it.
bool splitValues(const std::vector<std::string>& texts, KeyValues& values) {
    std::string error;
    for (const std::string& text : texts) {
        if (!AddKeyValue(text, values, error)) {
            fail(error);
            return false;
        }
    }
    return true;
}

// The snapshot `snapshotId` of the site; false (reported) when the site has no such snapshot.
bool findSnapshot(unsigned long siteId, unsigned long snapshotId) {
    SiteRollback_T rollback{};
    if (!CSelectFromFETables().SelectSiteRollbackFromID(&rollback, snapshotId) ||
        rollback.siteId != siteId) {
        fail("site " + std::to_string(siteId) + " has no snapshot " + std::to_string(snapshotId));
        return false;
    }
    return true;
}

// Runs `work` on the stored tree of a site; 1 when there is no such site, 2 when its tree
// cannot be loaded.
using SiteWork = std::function<int(Sample::CSamplePanel&, SiteDetails_T&)>;
int withSite(CSiteDatabase& db, unsigned long siteId, const SiteWork& work) {
    SiteDetails_T details{};
    if (!db.FindSite(siteId, details)) {
        return Refused;
    }
    auto panel = db.Load(details);
    return panel ? work(*panel, details) : UsageError;
}

int diffTrees(CSiteDatabase& db, const SSiteArgs& args, const SiteDetails_T& otherDetails) {
    const int mask = DiffMask(args.sOnly);
    if (mask == 0) {
        return UsageError;
    }
    return withSite(db, args.nSite, [&](Sample::CSamplePanel& left, SiteDetails_T&) {
        auto right = db.Load(otherDetails);
        if (!right) {
            return static_cast<int>(UsageError);
        }
        CatchInterrupt();
        return ListDifferences(left, *right, mask, args.bJson);
    });
}

} // namespace

int SiteCreate(CSiteDatabase& db, const SSiteArgs& args) {
    if (!checkPanel(args.nType, args.nVersion)) {
        return UsageError;
    }
    if (args.sName.size() >= SiteDetails_T::kTextSize) {
        fail("--name takes at most " + std::to_string(SiteDetails_T::kTextSize - 1) +
             " characters");
        return UsageError;
    }
    if (!db.Prepare(args.nType, args.nVersion)) {
        return UsageError;
    }
    SiteDetails_T details{};
    details.panelType = static_cast<std::uint8_t>(args.nType);
    details.panelVersion = static_cast<std::uint16_t>(args.nVersion);
    std::memcpy(details.siteText, args.sName.data(), args.sName.size());
    const bool begun = shared()->BeginTrans();
    if (!begun || !CUpdateFETables().InsertIntoSiteDetails(&details) || !shared()->CommitTrans()) {
        fail("cannot store a new site in '" + db.Connection() + "'");
        return UsageError;
    }
    auto panel = db.Load(details);
    if (!panel) {
        return UsageError;
    }
    // Every row written once, so snapshots copy the whole tree.
    CProgressBar bar("storing " + siteName(details.siteId));
    if (!db.Service().StoreScreenDataVel2DbAsSite(&panel->Root(),
                                                  static_cast<long>(details.siteId))) {
        fail("cannot store the tree of " + siteName(details.siteId));
        return UsageError;
    }
    std::printf("%u\n", details.siteId);
    return Done;
}

int SiteList(CSiteDatabase&, const SSiteArgs&) {
    CSiteRows rows(shared(), {"AM_Site_ID", "Panel_Type", "Panel_Version"}, {"Site_Text"});
    rows.Open(CRecordset::snapshot,
              "SELECT AM_Site_ID, Panel_Type, Panel_Version, Site_Text FROM Site_Details "
              "WHERE Rollback_Copy = 0 ORDER BY AM_Site_ID");
    std::printf("%-6s %4s %7s  %s\n", "site", "type", "version", "name");
    for (; !rows.IsEOF(); rows.MoveNext()) {
        std::printf("%-6ld %4ld %7ld  %s\n", rows.m_vecNumbers[0], rows.m_vecNumbers[1],
                    rows.m_vecNumbers[2], rows.m_vecTexts[0].c_str());
    }
    return Done;
}

int SiteShow(CSiteDatabase& db, const SSiteArgs& args) {
    return withSite(db, args.nSite, [&](Sample::CSamplePanel& panel, SiteDetails_T&) {
        return PrintItems(panel, args.sKeyPrefix, args.bJson) ? Done : Refused;
    });
}

int SiteSet(CSiteDatabase& db, const SSiteArgs& args) {
    KeyValues values;
    if (!splitValues(args.vecValues, values)) {
        return UsageError;
    }
    return withSite(db, args.nSite, [&](Sample::CSamplePanel& panel, SiteDetails_T&) {
        if (applyValues(panel, values, true) != Done) {
            fail("nothing stored for " + siteName(args.nSite));
            return static_cast<int>(Refused);
        }
        CProgressBar bar("storing " + siteName(args.nSite));
        if (!db.Service().StoreScreenDataVel2Db(&panel.Root())) {
            fail("cannot store the values of " + siteName(args.nSite));
            return static_cast<int>(UsageError);
        }
        return static_cast<int>(Done);
    });
}

int SiteDiff(CSiteDatabase& db, const SSiteArgs& args) {
    if (!args.bHasOther) {
        fail("site diff needs OTHER or --snapshot ID");
        return UsageError;
    }
    SiteDetails_T other{};
    return db.FindSite(args.nOther, other) ? diffTrees(db, args, other) : Refused;
}

int SiteDiffSnapshot(CSiteDatabase& db, const SSiteArgs& args) {
    SiteDetails_T copy{};
    if (!findSnapshot(args.nSite, args.nOther) || !db.FindSite(args.nOther, copy, true)) {
        return Refused;
    }
    return diffTrees(db, args, copy);
}

int SnapshotCreate(CSiteDatabase& db, const SSiteArgs& args) {
    SiteDetails_T details{};
    if (!db.FindSite(args.nSite, details)) {
        return Refused;
    }
    CProgressBar bar("taking a snapshot of " + siteName(args.nSite));
    unsigned long snapshot = 0;
    if (!db.Service().CreateRollback(args.nSite, snapshot, 1)) {
        fail("cannot take a snapshot of " + siteName(args.nSite));
        return UsageError;
    }
    std::printf("%lu\n", snapshot);
    return Done;
}

int SnapshotList(CSiteDatabase& db, const SSiteArgs& args) {
    SiteDetails_T details{};
    if (!db.FindSite(args.nSite, details)) {
        return Refused;
    }
    CSiteRollbackList rollbacks;
    CSelectFromFETables().SelectRollbacksForSiteID(static_cast<long>(args.nSite), rollbacks);
    std::printf("%-8s %-19s %s\n", "snapshot", "created (UTC)", "kind");
    for (const SiteRollback_T& rollback : rollbacks) {
        std::printf("%-8u %-19s %u\n", rollback.rollbackSiteId,
                    timeText(static_cast<long>(rollback.created)).c_str(), rollback.kind);
    }
    return Done;
}

int SnapshotUse(CSiteDatabase& db, const SSiteArgs& args) {
    if (!findSnapshot(args.nSite, args.nOther)) {
        return Refused;
    }
    return withSite(db, args.nSite, [&](Sample::CSamplePanel& panel, SiteDetails_T&) {
        CProgressBar bar("restoring " + siteName(args.nSite));
        if (!db.Service().UseRollback(&panel.Root(), args.nOther)) {
            fail("cannot put snapshot " + std::to_string(args.nOther) + " back into " +
                 siteName(args.nSite));
            return static_cast<int>(UsageError);
        }
        return static_cast<int>(Done);
    });
}

int SnapshotDelete(CSiteDatabase& db, const SSiteArgs& args) {
    if (!findSnapshot(args.nSite, args.nOther)) {
        return Refused;
    }
    if (!db.Service().DeleteRollback(args.nOther)) {
        fail("cannot delete snapshot " + std::to_string(args.nOther));
        return UsageError;
    }
    return Done;
}

int SiteChangePanel(CSiteDatabase& db, const SSiteArgs& args) {
    if (!checkPanel(args.nType, args.nVersion)) {
        return UsageError;
    }
    if (!db.Prepare(args.nType, args.nVersion)) {
        return UsageError;
    }
    return withSite(db, args.nSite, [&](Sample::CSamplePanel& panel, SiteDetails_T& details) {
        if (!panel.Root().IsFamilyType(args.nType)) {
            fail("panel type " + std::to_string(args.nType) + " is of another family than " +
                 siteName(args.nSite));
            return static_cast<int>(Refused);
        }
        CProgressBar bar("changing the panel of " + siteName(args.nSite));
        if (!db.Service().ChangePanelType(&panel.Root(), &details, args.nType, args.nVersion,
                                          false)) {
            fail("cannot change the panel of " + siteName(args.nSite));
            return static_cast<int>(UsageError);
        }
        return static_cast<int>(Done);
    });
}

int SiteAudit(CSiteDatabase& db, const SSiteArgs& args) {
    SiteDetails_T details{};
    if (!db.FindSite(args.nSite, details)) {
        return Refused;
    }
    CSiteRows rows(shared(), {"Created", "Code", "Sub_Code"}, {"Audit_Text", "Detail"});
    const std::string sql = "SELECT Created, Code, Sub_Code, Audit_Text, Detail FROM Audit_Trail "
                            "WHERE AM_Site_ID = " +
                            std::to_string(args.nSite) + " ORDER BY Audit_ID";
    rows.Open(CRecordset::snapshot, sql.c_str());
    for (; !rows.IsEOF(); rows.MoveNext()) {
        std::printf("%s  code %ld.%ld  %s%s%s\n", timeText(rows.m_vecNumbers[0]).c_str(),
                    rows.m_vecNumbers[1], rows.m_vecNumbers[2], rows.m_vecTexts[0].c_str(),
                    rows.m_vecTexts[1].IsEmpty() ? "" : "  ", rows.m_vecTexts[1].c_str());
    }
    return Done;
}

int SitePurge(CSiteDatabase& db, const SSiteArgs& args) {
    SiteDetails_T details{};
    if (!db.FindSite(args.nSite, details)) {
        return Refused;
    }
    if (!db.Service().PurgeSite(args.nSite)) {
        fail("cannot purge " + siteName(args.nSite));
        return UsageError;
    }
    return Done;
}

int SiteExport(CSiteDatabase& db, const SSiteArgs& args) {
    return withSite(db, args.nSite, [&](Sample::CSamplePanel& panel, SiteDetails_T& details) {
        return WriteXml(panel, details.panelType, details.panelVersion, {}, args.sOutFile);
    });
}

int SiteReport(CSiteDatabase& db, const SSiteArgs& args) {
    return withSite(db, args.nSite, [&](Sample::CSamplePanel& panel, SiteDetails_T& details) {
        return WriteReport(panel, details.panelType, details.panelVersion, args.sTemplate,
                           args.sOutFile);
    });
}

} // namespace Vel::Velcfg
