// CDeleteFromFETables: removes a site record. The database then removes everything stored
// for that site id: its screen and collection rows, its rollback record and its audit trail.
#pragma once

#include <vel/Export.h>

namespace Vel {

class VEL_API CDeleteFromFETables {
public:
    // Non-zero on success, also when the site had no record.
    int DeleteSiteDetails(unsigned long siteId);
};

} // namespace Vel
