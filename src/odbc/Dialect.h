// Rewrites of statement texts for servers that read bracketed identifiers differently.
#pragma once

#include <vel/String.h>

namespace Vel {

// "[AM_Site_ID]" becomes "\"am_site_id\""; quoted literals and identifiers stay as they are.
CString RewriteBracketsForPostgres(const CString& sql);

} // namespace Vel
