// The one connection every operation of the database service works on.
#pragma once

#include <vel/DatabaseEx.h>

namespace Vel {

CDatabaseEx* SharedConnection();
// The connection, reopened with the text it was last opened with when it is closed (the
// store operations close it after every commit).
CDatabaseEx* OpenSharedConnection();
// Begins a transaction. On SQLite it first takes the write lock, so that a second workstation
// writing at the same time waits for the busy timeout instead of failing at once when its
// first write would have to upgrade a read lock.
bool BeginServiceTransaction(CDatabaseEx* db);

} // namespace Vel
