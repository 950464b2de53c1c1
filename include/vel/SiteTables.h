// CSiteTables: the tables of the site database library on a connection: site records,
// rollback records, the audit trail, and the list of screen and collection tables whose rows
// belong to a site. Deleting a site record deletes the site's rows from every listed table,
// its rollback records and its audit trail, inside the same statement.
#pragma once

#include <vel/Export.h>
#include <vel/String.h>

#include <vector>

namespace Vel {

class CDatabase;

class VEL_API CSiteTables {
public:
    // Creates what is missing; idempotent. A failure throws CDbException.
    static void Create(CDatabase* db);
    // Lists screen and collection tables (keyed by AM_Site_ID) as belonging to the sites;
    // tables already listed are kept once.
    static void Enrol(CDatabase* db, const std::vector<CString>& tables);
    // The listed tables, in name order.
    static std::vector<CString> EnrolledTables(CDatabase* db);
};

} // namespace Vel
