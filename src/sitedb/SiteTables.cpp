#include <vel/SiteTables.h>

#include <vel/Database.h>
#include <vel/DatabaseManager.h>

#include "SiteStatement.h"

namespace Vel {

namespace {

bool isPostgres(CDatabase* db) {
    return db->GetDialect() == CDatabase::Dialect::PostgreSQL;
}

// New site ids come from the database and are never given out twice, so a deleted rollback
// copy can never lend its id to a later site.
CString autoIdColumn(CDatabase* db) {
    return isPostgres(db) ? "SERIAL PRIMARY KEY" : "INTEGER PRIMARY KEY AUTOINCREMENT";
}

void createSiteTables(CDatabase* db) {
    db->ExecuteDirect("CREATE TABLE IF NOT EXISTS Site_Details (AM_Site_ID " + autoIdColumn(db) +
                      ", Panel_Type INTEGER NOT NULL, Panel_Version INTEGER NOT NULL, "
                      "Rollback_Copy INTEGER NOT NULL, Site_Text TEXT NOT NULL, "
                      "Details TEXT NOT NULL)");
    db->ExecuteDirect("CREATE TABLE IF NOT EXISTS Site_Rollback (Rollback_Site_ID INTEGER "
                      "PRIMARY KEY, Site_ID INTEGER NOT NULL, Created BIGINT NOT NULL, "
                      "Kind BIGINT NOT NULL)");
    db->ExecuteDirect("CREATE INDEX IF NOT EXISTS Site_Rollback_Site ON Site_Rollback (Site_ID)");
    db->ExecuteDirect("CREATE TABLE IF NOT EXISTS Audit_Trail (Audit_ID " + autoIdColumn(db) +
                      ", AM_Site_ID INTEGER NOT NULL, Created BIGINT NOT NULL, "
                      "Code INTEGER NOT NULL, Sub_Code INTEGER NOT NULL, "
                      "Audit_Text TEXT NOT NULL, Detail TEXT NOT NULL)");
    db->ExecuteDirect("CREATE INDEX IF NOT EXISTS Audit_Trail_Site ON Audit_Trail (AM_Site_ID)");
    db->ExecuteDirect(
        "CREATE TABLE IF NOT EXISTS Site_Tables (Table_Name VARCHAR(128) PRIMARY KEY)");
}

// The deletes every site record takes with it, before the screen and collection tables.
constexpr const char* kSiteRecordDeletes =
    "DELETE FROM Site_Rollback WHERE Rollback_Site_ID = OLD.AM_Site_ID "
    "OR Site_ID = OLD.AM_Site_ID; "
    "DELETE FROM Audit_Trail WHERE AM_Site_ID = OLD.AM_Site_ID; ";

// The server reads the list of tables when a record is deleted, so it is written once.
void createPostgresTrigger(CDatabase* db) {
    db->ExecuteDirect(CString("CREATE OR REPLACE FUNCTION site_details_deleted() RETURNS trigger "
                              "AS $body$ DECLARE t text; BEGIN ") +
                      kSiteRecordDeletes +
                      "FOR t IN SELECT lower(Table_Name) FROM Site_Tables LOOP "
                      "EXECUTE format('DELETE FROM %I WHERE am_site_id = $1', t) "
                      "USING OLD.AM_Site_ID; END LOOP; RETURN OLD; END $body$ "
                      "LANGUAGE plpgsql");
    db->ExecuteDirect("CREATE OR REPLACE TRIGGER site_details_deleted AFTER DELETE ON "
                      "Site_Details FOR EACH ROW EXECUTE FUNCTION site_details_deleted()");
}

// SQLite triggers hold no dynamic statements: the trigger is rewritten with every table.
void createSqliteTrigger(CDatabase* db) {
    CString body = kSiteRecordDeletes;
    for (const CString& table : CSiteTables::EnrolledTables(db)) {
        body += "DELETE FROM \"" + table + "\" WHERE AM_Site_ID = OLD.AM_Site_ID; ";
    }
    db->ExecuteDirect("DROP TRIGGER IF EXISTS Site_Details_Deleted");
    db->ExecuteDirect("CREATE TRIGGER Site_Details_Deleted AFTER DELETE ON Site_Details "
                      "FOR EACH ROW BEGIN " +
                      body + "END");
}

void createTrigger(CDatabase* db) {
    if (isPostgres(db)) {
        createPostgresTrigger(db);
    } else {
        createSqliteTrigger(db);
    }
}

} // namespace

void CSiteTables::Create(CDatabase* db) {
    createSiteTables(db);
    createTrigger(db);
}

void CSiteTables::Enrol(CDatabase* db, const std::vector<CString>& tables) {
    for (const CString& table : tables) {
        const CString name = "'" + CDatabaseManager::StringEsc(table) + "'";
        db->ExecuteDirect(
            "INSERT INTO Site_Tables (Table_Name) SELECT " + name +
            " WHERE NOT EXISTS (SELECT 1 FROM Site_Tables WHERE Table_Name = " + name + ")");
    }
    if (!isPostgres(db)) {
        createSqliteTrigger(db);
    }
}

std::vector<CString> CSiteTables::EnrolledTables(CDatabase* db) {
    CSiteStatement select(db, "SELECT Table_Name FROM Site_Tables ORDER BY Table_Name");
    select.Execute();
    std::vector<CString> tables;
    while (select.Fetch()) {
        tables.emplace_back(select.GetText(1));
    }
    return tables;
}

} // namespace Vel
