#include "SharedConnection.h"

#include <vel/DatabaseManager.h>

namespace Vel {

CDatabaseEx* SharedConnection() {
    return CDatabaseManager::Instance().GetDatabase();
}

CDatabaseEx* OpenSharedConnection() {
    CDatabaseEx* db = SharedConnection();
    if (!db->IsOpen() && !db->GetConnect().IsEmpty()) {
        db->Open(db->GetConnect());
    }
    return db;
}

} // namespace Vel
