#include <vel/UpdateFETables.h>

#include <vel/Database.h>

#include "RecordHex.h"
#include "SiteStatement.h"

#include <cstring>

namespace Vel {

namespace {

// The id the database gave the row just inserted on this connection.
long long insertedSiteId(CDatabase* db) {
    const char* sql = "SELECT MAX(AM_Site_ID) FROM Site_Details";
    if (db->GetDialect() == CDatabase::Dialect::SQLite) {
        sql = "SELECT last_insert_rowid()";
    } else if (db->GetDialect() == CDatabase::Dialect::PostgreSQL) {
        sql = "SELECT currval(pg_get_serial_sequence('site_details', 'am_site_id'))";
    }
    CSiteStatement select(db, sql);
    select.Execute();
    return select.Fetch() ? select.GetLong(1) : 0;
}

std::string siteText(const SiteDetails_T& details) {
    return std::string(details.siteText, strnlen(details.siteText, sizeof details.siteText));
}

} // namespace

int CUpdateFETables::InsertIntoSiteDetails(SiteDetails_T* details) {
    CDatabase* db = SiteDatabase();
    CSiteStatement insert(db, "INSERT INTO Site_Details (Panel_Type, Panel_Version, "
                              "Rollback_Copy, Site_Text, Details) VALUES (?, ?, ?, ?, ?)");
    insert.Bind(details->panelType)
        .Bind(details->panelVersion)
        .Bind(details->rollbackCopy)
        .Bind(siteText(*details))
        .Bind(RecordToHex(details, sizeof *details));
    insert.Execute();
    const long long id = insertedSiteId(db);
    if (id <= 0) {
        return 0;
    }
    details->siteId = static_cast<std::uint32_t>(id);
    return 1;
}

int CUpdateFETables::UpdateSiteRollback(SiteRollback_T* rollback) {
    CDatabase* db = SiteDatabase();
    CSiteStatement remove(db, "DELETE FROM Site_Rollback WHERE Rollback_Site_ID = ?");
    remove.Bind(rollback->rollbackSiteId).Execute();
    CSiteStatement insert(
        db, "INSERT INTO Site_Rollback (Rollback_Site_ID, Site_ID, Created, Kind) VALUES (?, ?, "
            "?, ?)");
    insert.Bind(rollback->rollbackSiteId)
        .Bind(rollback->siteId)
        .Bind(rollback->created)
        .Bind(rollback->kind)
        .Execute();
    return 1;
}

int CUpdateFETables::UpdateModelVersion(unsigned long siteId, unsigned char panelType,
                                        unsigned short panelVersion) {
    CSiteStatement update(SiteDatabase(), "UPDATE Site_Details SET Panel_Type = ?, "
                                          "Panel_Version = ? WHERE AM_Site_ID = ?");
    update.Bind(panelType).Bind(panelVersion).Bind(static_cast<long long>(siteId));
    return update.Execute() && update.RowCount() > 0 ? 1 : 0;
}

} // namespace Vel
