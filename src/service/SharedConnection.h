// The one connection every operation of the database service works on.
#pragma once

#include <vel/DatabaseEx.h>

namespace Vel {

CDatabaseEx* SharedConnection();
// The connection, reopened with the text it was last opened with when it is closed (the
// store operations close it after every commit).
CDatabaseEx* OpenSharedConnection();

} // namespace Vel
