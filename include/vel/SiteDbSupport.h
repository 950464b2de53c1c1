// CSiteDbSupport: the database service complete for hosts. Snapshots copy a site's rows table
// by table inside the database, the audit trail is kept in the database beside the site
// records, and CreateTables prepares a database for the trees of a panel.
//
//   CSiteDbSupport service;
//   service.CreateTables(&root);                 // once per panel model, idempotent
//   unsigned long rollbackId = 0;
//   service.CreateRollback(siteId, rollbackId, 1);
#pragma once

#include <vel/CommonDbSupport.h>
#include <vel/Export.h>
#include <vel/String.h>

namespace Vel {

class VEL_API CSiteDbSupport : public CCommonDbSupport {
public:
    // Writes one entry of the audit trail, stamped with the current time.
    bool AddAuditTrailItem(long siteId, unsigned short code, unsigned short subCode,
                           const CString& text, const CString& detail) override;

    // Creates the site tables and the screen and collection tables of the tree on the shared
    // connection, adds missing columns, and enrols the tree's tables so that snapshots copy
    // them and a deleted site record takes its rows with it.
    bool CreateTables(CDataManagerBase* pDM);

protected:
    // One INSERT ... SELECT per enrolled table.
    bool ExecCreateRollbackSp(unsigned long rollbackSiteId, unsigned long siteId) override;
};

} // namespace Vel
