// CUpdateFETables: writes site records and rollback records into the site tables of the
// shared database connection, inside the caller's transaction. Every operation answers
// non-zero on success; database errors pass to the caller as the connection's exception.
#pragma once

#include <vel/Export.h>
#include <vel/SiteDetails.h>
#include <vel/SiteRollback.h>

namespace Vel {

class VEL_API CUpdateFETables {
public:
    // Inserts a new site record; the database picks its site id, which is written back into
    // the record.
    int InsertIntoSiteDetails(SiteDetails_T* details);
    // Stores the rollback record, replacing one with the same copy id.
    int UpdateSiteRollback(SiteRollback_T* rollback);
    // 0 when the site has no record.
    int UpdateModelVersion(unsigned long siteId, unsigned char panelType,
                           unsigned short panelVersion);
};

} // namespace Vel
