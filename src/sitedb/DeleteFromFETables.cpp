#include <vel/DeleteFromFETables.h>

#include "SiteStatement.h"

namespace Vel {

// The rest of the site's rows go with the record: see CSiteTables.
int CDeleteFromFETables::DeleteSiteDetails(unsigned long siteId) {
    CSiteStatement remove(SiteDatabase(), "DELETE FROM Site_Details WHERE AM_Site_ID = ?");
    remove.Bind(static_cast<long long>(siteId)).Execute();
    return 1;
}

} // namespace Vel
