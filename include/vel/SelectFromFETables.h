// CSelectFromFETables: reads site records and rollback records from the site tables of the
// shared database connection. Every operation answers non-zero on success; database errors
// pass to the caller as the connection's exception.
#pragma once

#include <vel/Export.h>
#include <vel/SiteDetails.h>
#include <vel/SiteRollback.h>

namespace Vel {

class VEL_API CSelectFromFETables {
public:
    // Fills the record of the site; 0 when there is none.
    int SelectSiteDetailsFromSiteID(SiteDetails_T* details, unsigned long siteId);
    // Fills the rollback record with that copy id; 0 when there is none.
    int SelectSiteRollbackFromID(SiteRollback_T* rollback, unsigned long rollbackSiteId);
    // Appends the site's rollbacks, oldest first.
    int SelectRollbacksForSiteID(long siteId, CSiteRollbackList& rollbacks);
};

} // namespace Vel
