// CDbSchema: creates the tables a tree is stored in: one per screen (key AM_Site_ID) and one
// per collection (key AM_Site_ID, Collection_ID), columns from the items' GetDbFieldCreateStr.
// Idempotent: existing tables are kept and get the columns they lack, so an older database
// serves a newer panel version.
#pragma once

#include <vel/Export.h>
#include <vel/String.h>

#include <vector>

namespace Vel {

class CDatabase;
class CDataValidationClient;

class VEL_API CDbSchema {
public:
    // The tables of the root's screens and of the collections they hold; answers the
    // statements it ran. Database failures
    // throw CDbException.
    static std::vector<CString> CreateTables(CDatabase* db, CDataValidationClient* root);
    // One table: its name, its key columns (each "[Name]") and its other column fragments
    // (each "[Name] TYPE").
    static std::vector<CString> EnsureTable(CDatabase* db, const CString& table,
                                            const std::vector<CString>& keys,
                                            const std::vector<CString>& columns);
};

} // namespace Vel
