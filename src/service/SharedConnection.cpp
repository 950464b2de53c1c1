#include "SharedConnection.h"

#include <vel/DatabaseManager.h>

namespace Vel {

CDatabaseEx* SharedConnection() {
    return CDatabaseManager::Instance().GetDatabase();
}

CDatabaseEx* OpenSharedConnection() {
    CDatabaseEx* db = SharedConnection();
    db->Open("");
    return db;
}

} // namespace Vel
