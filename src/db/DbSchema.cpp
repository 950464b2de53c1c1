#include <vel/DbSchema.h>

#include <vel/Data.h>
#include <vel/DataCollectionBase.h>
#include <vel/DataContainerBase.h>
#include <vel/Database.h>

namespace Vel {

namespace {

// The column fragments of a container's items, one "[Name] TYPE" each.
std::vector<CString> itemColumns(const CDataValidationClient& container) {
    std::vector<CString> columns;
    for (CDataValidationClient* child : container.GetChildListRef()) {
        auto* item = dynamic_cast<CData*>(child);
        if (!item) {
            continue;
        }
        CString fragments = item->GetDbFieldCreateStr();
        // An address gives five fragments in one text.
        while (!fragments.Trim().IsEmpty()) {
            const int comma = fragments.Find(',');
            columns.push_back(comma < 0 ? fragments : fragments.Left(comma).Trim());
            fragments = comma < 0 ? CString() : fragments.Mid(comma + 1);
        }
    }
    return columns;
}

CString bracketedName(const CString& fragment) {
    return fragment.Left(fragment.Find(']') + 1);
}

bool hasColumn(const std::vector<CString>& existing, const CString& bracketed) {
    const CString name = bracketed.Mid(1, bracketed.GetLength() - 2);
    for (const CString& column : existing) {
        if (column.CompareNoCase(name) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

std::vector<CString> CDbSchema::EnsureTable(CDatabase* db, const CString& table,
                                            const std::vector<CString>& keys,
                                            const std::vector<CString>& columns) {
    std::vector<CString> statements;
    const CString name = "[" + table + "]";
    if (!db->TableExists(table)) {
        CString sql = "CREATE TABLE " + name + " (";
        CString keyList;
        for (const CString& key : keys) {
            sql += key + " INTEGER NOT NULL, ";
            keyList += (keyList.IsEmpty() ? "" : ", ") + key;
        }
        for (const CString& column : columns) {
            sql += column + ", ";
        }
        sql += "PRIMARY KEY (" + keyList + "))";
        statements.push_back(sql);
    } else {
        const std::vector<CString> existing = db->GetColumnNames(table);
        for (const CString& column : columns) {
            if (!hasColumn(existing, bracketedName(column))) {
                statements.push_back("ALTER TABLE " + name + " ADD " + column);
            }
        }
    }
    for (const CString& sql : statements) {
        db->ExecuteDirect(sql);
    }
    return statements;
}

namespace {

// Screens and the collections they hold; a collection inside a collection element needs the
// host's parent column and is the host's to create.
void collectTables(CDatabase* db, CDataValidationClient* node, std::vector<CString>& statements) {
    for (CDataValidationClient* child : node->GetChildListRef()) {
        if (!child->IsStoredInDb()) {
            continue;
        }
        auto append = [&statements](const std::vector<CString>& made) {
            statements.insert(statements.end(), made.begin(), made.end());
        };
        if (auto* collection = dynamic_cast<CDataCollectionBase*>(child)) {
            if (collection->GetSize() > 0) {
                append(CDbSchema::EnsureTable(
                    db, collection->GetPanelFamilyPrefix() + collection->GetCollectionTableName(),
                    {"[AM_Site_ID]", "[Collection_ID]"}, itemColumns(*collection->GetItem(0))));
            }
        } else if (auto* container = dynamic_cast<CDataContainerBase*>(child)) {
            append(CDbSchema::EnsureTable(db, container->GetDbTableName(), {"[AM_Site_ID]"},
                                          itemColumns(*container)));
            collectTables(db, container, statements);
        }
    }
}

} // namespace

std::vector<CString> CDbSchema::CreateTables(CDatabase* db, CDataValidationClient* root) {
    std::vector<CString> statements;
    collectTables(db, root, statements);
    return statements;
}

} // namespace Vel
