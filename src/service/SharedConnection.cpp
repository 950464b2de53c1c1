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

bool BeginServiceTransaction(CDatabaseEx* db) {
    // Asked before the transaction: a catalog read inside it would hold the read lock.
    const bool claim = db->IsOpen() && !db->InTransaction() &&
                       db->GetDialect() == CDatabase::Dialect::SQLite &&
                       db->TableExists("Site_Details");
    if (!db->BeginTrans()) {
        return false;
    }
    if (claim) {
        db->ExecuteDirect("DELETE FROM Site_Details WHERE 0 = 1");
    }
    return true;
}

} // namespace Vel
