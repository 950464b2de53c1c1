// The one connection every operation of the database service works on.
#pragma once

#include <vel/DatabaseEx.h>

namespace Vel {

CDatabaseEx* SharedConnection();
// The connection, opened with the empty text first (the store operations close it after
// every commit).
CDatabaseEx* OpenSharedConnection();

} // namespace Vel
