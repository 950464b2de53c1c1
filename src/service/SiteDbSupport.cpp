#include <vel/SiteDbSupport.h>

#include <vel/DataCollectionBase.h>
#include <vel/DataContainerBase.h>
#include <vel/DataManagerBase.h>
#include <vel/DbSchema.h>
#include <vel/SiteTables.h>

#include "SharedConnection.h"
#include "SiteStatement.h"

#include <ctime>
#include <map>
#include <set>
#include <vector>

namespace Vel {

namespace {

using CTableColumns = std::map<CString, std::vector<CString>>;

// The columns of every enrolled table, in table order, from one catalog query.
CTableColumns enrolledColumns(CDatabase* db) {
    const char* sql =
        db->GetDialect() == CDatabase::Dialect::PostgreSQL
            ? "SELECT c.table_name, c.column_name FROM information_schema.columns AS c "
              "JOIN Site_Tables AS s ON lower(s.Table_Name) = c.table_name "
              "WHERE c.table_schema = current_schema() "
              "ORDER BY c.table_name, c.ordinal_position"
            : "SELECT m.name, p.name FROM sqlite_master AS m JOIN pragma_table_info(m.name) AS p "
              "JOIN Site_Tables AS s ON lower(s.Table_Name) = lower(m.name) "
              "WHERE m.type = 'table' ORDER BY m.name, p.cid";
    CSiteStatement select(db, sql);
    select.Execute();
    CTableColumns columns;
    while (select.Fetch()) {
        const CString table(select.GetText(1));
        columns[table].emplace_back(select.GetText(2));
    }
    return columns;
}

CString quoted(const CString& name) {
    return "\"" + name + "\"";
}

// INSERT INTO t (a, b, AM_Site_ID) SELECT a, b, <copy> FROM t WHERE AM_Site_ID = <source>
CString copyStatement(const CString& table, const std::vector<CString>& columns,
                      unsigned long copyId, unsigned long sourceId) {
    CString names;
    CString values;
    for (const CString& column : columns) {
        const CString separator = names.IsEmpty() ? "" : ", ";
        names += separator + quoted(column);
        values +=
            separator + (column.CompareNoCase("AM_Site_ID") == 0 ? CString::Formatted("%lu", copyId)
                                                                 : quoted(column));
    }
    return "INSERT INTO " + quoted(table) + " (" + names + ") SELECT " + values + " FROM " +
           quoted(table) + CString::Formatted(" WHERE AM_Site_ID = %lu", sourceId);
}

// Every table a screen, a collection or an element of the tree may be stored in; an empty
// collection names its table too.
void collectTables(CDataValidationClient* node, std::set<CString>& tables) {
    if (auto* container = dynamic_cast<CDataContainerBase*>(node)) {
        tables.insert(container->GetDbTableName());
    } else if (auto* collection = dynamic_cast<CDataCollectionBase*>(node)) {
        tables.insert(collection->GetPanelFamilyPrefix() + collection->GetCollectionTableName());
    }
    for (CDataValidationClient* child : node->GetChildListRef()) {
        collectTables(child, tables);
    }
}

} // namespace

bool CSiteDbSupport::AddAuditTrailItem(long siteId, unsigned short code, unsigned short subCode,
                                       const CString& text, const CString& detail) {
    CSiteStatement insert(SharedConnection(),
                          "INSERT INTO Audit_Trail (AM_Site_ID, Created, Code, Sub_Code, "
                          "Audit_Text, Detail) VALUES (?, ?, ?, ?, ?, ?)");
    insert.Bind(siteId)
        .Bind(static_cast<long long>(std::time(nullptr)))
        .Bind(code)
        .Bind(subCode)
        .Bind(text.str())
        .Bind(detail.str())
        .Execute();
    return true;
}

bool CSiteDbSupport::ExecCreateRollbackSp(unsigned long rollbackSiteId, unsigned long siteId) {
    CDatabaseEx* db = SharedConnection();
    for (const auto& [table, columns] : enrolledColumns(db)) {
        db->ExecuteDirect(copyStatement(table, columns, rollbackSiteId, siteId));
    }
    return true;
}

bool CSiteDbSupport::CreateTables(CDataManagerBase* pDM) {
    CDatabaseEx* db = OpenSharedConnection();
    CDbSchema::CreateTables(db, pDM);
    CSiteTables::Create(db);
    std::set<CString> candidates;
    collectTables(pDM, candidates);
    std::vector<CString> tables;
    for (const CString& table : candidates) {
        if (db->TableExists(table)) {
            tables.push_back(table);
        }
    }
    CSiteTables::Enrol(db, tables);
    return true;
}

} // namespace Vel
