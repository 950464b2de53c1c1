#include <vel/CommonDbSupport.h>

#include <vel/Assert.h>
#include <vel/DataCollectionBase.h>
#include <vel/DataManagerBase.h>
#include <vel/DatabaseManager.h>
#include <vel/DeleteFromFETables.h>
#include <vel/PanelDataTypes.h>
#include <vel/SelectFromFETables.h>
#include <vel/SiteRollback.h>
#include <vel/UpdateFETables.h>

#include "SharedConnection.h"

#include <cstring>
#include <ctime>

namespace Vel {

namespace {

constexpr const char* kSource = "CommonDbSupport";

constexpr unsigned long kRollbackBeforeUse = 3;
constexpr unsigned long kRollbackBeforePanelChange = 4;
constexpr unsigned short kAuditPanelTypeChanged = 48;
constexpr unsigned short kAuditPanelVersionChanged = 50;

void reportError(const char* condition, int line, const char* message) {
    Assert(condition).print_context(kSource, line).error(message);
}

// How a public operation wraps its work in a transaction.
struct TransRules {
    int beginLine; // where a failed begin is reported
    int commitLine;
    bool openFirst;
    // The store operations give up without a transaction and close the connection once
    // committed; the record operations go on without one (the caller may hold one).
    bool store;
};

template <class Work> bool runInTransaction(const TransRules& rules, Work work) {
    CDatabaseEx* db = rules.openFirst ? OpenSharedConnection() : SharedConnection();
    if (!db->BeginTrans()) {
        reportError("false", rules.beginLine, "Database error");
        if (rules.store) {
            return false;
        }
    }
    if (!work()) {
        db->Rollback();
        return false;
    }
    if (!db->CommitTrans()) {
        reportError("false", rules.commitLine, "Commit database transaction error");
        return false;
    }
    if (rules.store) {
        db->Close();
    }
    return true;
}

// Case-sensitive, like every key comparison of the tree.
CDataValidationClient* findScreen(CDataManagerBase* pDM, const CString& screenKey) {
    for (CDataValidationClient* child : pDM->GetChildListRef()) {
        if (child->GetLastDataKey() == screenKey) {
            return child;
        }
    }
    return nullptr;
}

CString siteText(const SiteDetails_T& details) {
    return CString(details.siteText,
                   static_cast<int>(strnlen(details.siteText, sizeof details.siteText)));
}

} // namespace

CCommonDbSupport::~CCommonDbSupport() = default;

bool CCommonDbSupport::AddAuditTrailItem(long, unsigned short, unsigned short, const CString&,
                                         const CString&) {
    reportError("false", 697, "Must be overloaded");
    return false;
}

bool CCommonDbSupport::ExecCreateRollbackSp(unsigned long, unsigned long) {
    reportError("false", 368, "Must be overloaded");
    return false;
}

bool CCommonDbSupport::LoadScreenDataDb2Vel(CDataManagerBase* pDM, bool& notInDb, bool keepValues) {
    notInDb = false;
    const bool result = pDM->LoadDataDb2Vel(SharedConnection(), notInDb, keepValues);
    pDM->SetValueInDb(!notInDb);
    if (!pDM->AutoProcessData()) {
        Assert("pDM->AutoProcessData()")
            .print_context(kSource, 37)
            .warn("CDataManager::AutoProcessData() function failed!!");
    }
    return result;
}

bool CCommonDbSupport::StoreScreenDataVel2Db(CDataManagerBase* pDM) {
    return runInTransaction({57, 68, true, true},
                            [&] { return StoreScreenDataVel2DbTransLess(pDM); });
}

bool CCommonDbSupport::StoreScreenDataVel2DbAsSite(CDataManagerBase* pDM, long siteId) {
    return runInTransaction({93, 104, true, true},
                            [&] { return StoreScreenDataVel2DbAsSiteTransLess(pDM, siteId); });
}

bool CCommonDbSupport::StoreScreenDataVel2DbTransLess(CDataManagerBase* pDM) {
    if (!pDM->StoreDataVel2Db(SharedConnection(), true)) {
        return false;
    }
    pDM->SetAllValuesInDb(true);
    pDM->ClearModified();
    return true;
}

bool CCommonDbSupport::StoreScreenDataVel2DbAsSiteTransLess(CDataManagerBase* pDM, long siteId) {
    const long keptSiteId = pDM->GetSiteID();
    pDM->SetSiteID(siteId);
    bool result = false;
    try {
        result = pDM->StoreDataVel2Db(SharedConnection(), false);
    } catch (...) {
        pDM->SetSiteID(keptSiteId);
        throw;
    }
    pDM->SetSiteID(keptSiteId);
    return result;
}

bool CCommonDbSupport::ReloadScreenById(CDataManagerBase* pDM, const CString& screenKey,
                                        long elementId, bool& notInDb) {
    CDataValidationClient* screen = findScreen(pDM, screenKey);
    if (screen == nullptr) {
        reportError("false", 194, "Screen not found");
        return false;
    }
    long itemIndex = -1;
    if (elementId >= 0) {
        auto* collection = dynamic_cast<CDataCollectionBase*>(screen);
        if (screen->GetType() != PanelDataTypes::COLLECTION || collection == nullptr) {
            Assert("(*it)->GetType() == PanelDataTypes::COLLECTION")
                .print_context(kSource, 186)
                .value("(*it)->GetType()", screen->GetType())
                .error("Unexpected DataManager type. Reload individual screen item shall be "
                       "called for COLLECTION item only");
            return false;
        }
        itemIndex = collection->GetIndexById(elementId);
    }
    return ReloadScreen(screen, itemIndex, notInDb);
}

bool CCommonDbSupport::ReloadScreen(CDataManagerBase* pDM, const CString& screenKey, long itemIndex,
                                    bool& notInDb) {
    CDataValidationClient* screen = findScreen(pDM, screenKey);
    if (screen == nullptr) {
        reportError("false", 225, "Screen not found");
        return false;
    }
    return ReloadScreen(screen, itemIndex, notInDb);
}

bool CCommonDbSupport::ReloadScreen(CDataValidationClient* pScreen, long itemIndex, bool& notInDb) {
    notInDb = false;
    CDatabaseEx* db = OpenSharedConnection();
    switch (pScreen->GetType()) {
    case PanelDataTypes::COLLECTION:
        return pScreen->LoadScreenFromDb(db, notInDb, itemIndex, false, false);
    case PanelDataTypes::CONTAINER:
        return pScreen->LoadScreenFromDb(db, notInDb, -1, false, false);
    default:
        reportError("false", 255, "Bad container type");
        return false;
    }
}

bool CCommonDbSupport::CreateRollback(unsigned long siteId, unsigned long& rollbackSiteId,
                                      unsigned long kind) {
    return runInTransaction({282, 294, false, false},
                            [&] { return CreateRollbackTransLess(siteId, rollbackSiteId, kind); });
}

bool CCommonDbSupport::UseRollback(CDataManagerBase* pDM, unsigned long rollbackSiteId) {
    return runInTransaction({388, 400, false, false},
                            [&] { return UseRollbackTransLess(pDM, rollbackSiteId); });
}

bool CCommonDbSupport::DeleteRollback(unsigned long rollbackSiteId) {
    return runInTransaction({466, 478, false, false},
                            [&] { return DeleteRollbackTransLess(rollbackSiteId); });
}

bool CCommonDbSupport::PurgeSite(unsigned long siteId) {
    return runInTransaction({514, 526, true, false}, [&] { return PurgeSiteTransLess(siteId); });
}

bool CCommonDbSupport::ChangePanelType(CDataManagerBase* pDM, SiteDetails_T* pDetails,
                                       int panelType, int panelVersion, bool loadFirst) {
    return runInTransaction({593, 605, true, false}, [&] {
        return ChangePanelTypeTransLess(pDM, pDetails, panelType, panelVersion, loadFirst);
    });
}

bool CCommonDbSupport::CreateRollbackTransLess(unsigned long siteId, unsigned long& rollbackSiteId,
                                               unsigned long kind) {
    SiteDetails_T details{};
    if (!CSelectFromFETables().SelectSiteDetailsFromSiteID(&details, siteId)) {
        return false;
    }
    details.rollbackCopy = 1;
    std::memset(details.siteText, 0, sizeof details.siteText);
    if (!CUpdateFETables().InsertIntoSiteDetails(&details)) {
        return false;
    }
    const unsigned long copyId = details.siteId;
    SiteRollback_T rollback{};
    rollback.rollbackSiteId = static_cast<std::uint32_t>(copyId);
    rollback.siteId = static_cast<std::uint32_t>(siteId);
    rollback.created = static_cast<std::int64_t>(std::time(nullptr));
    rollback.kind = static_cast<std::uint32_t>(kind);
    if (!CUpdateFETables().UpdateSiteRollback(&rollback)) {
        return false;
    }
    if (!ExecCreateRollbackSp(copyId, siteId)) {
        return false;
    }
    rollbackSiteId = copyId;
    return true;
}

bool CCommonDbSupport::UseRollbackTransLess(CDataManagerBase* pDM, unsigned long rollbackSiteId) {
    SiteRollback_T rollback{};
    rollback.created = 0;
    if (!CSelectFromFETables().SelectSiteRollbackFromID(&rollback, rollbackSiteId)) {
        return false;
    }
    const long sourceSiteId = static_cast<long>(rollback.siteId);
    pDM->SetSiteID(sourceSiteId);
    unsigned long beforeUseId = 0;
    if (!CreateRollbackTransLess(rollback.siteId, beforeUseId, kRollbackBeforeUse)) {
        return false;
    }
    pDM->SetSiteID(static_cast<long>(rollbackSiteId));
    bool notInDb = false;
    const bool loaded = LoadScreenDataDb2Vel(pDM, notInDb, false);
    // The root never stays on the copy: a later store must not write into the snapshot.
    pDM->SetSiteID(sourceSiteId);
    if (!loaded) {
        return false;
    }
    return StoreScreenDataVel2DbAsSiteTransLess(pDM, sourceSiteId);
}

bool CCommonDbSupport::DeleteRollbackTransLess(unsigned long rollbackSiteId) {
    return CDeleteFromFETables().DeleteSiteDetails(rollbackSiteId) != 0;
}

bool CCommonDbSupport::PurgeSiteTransLess(unsigned long siteId) {
    CSiteRollbackList rollbacks;
    CSelectFromFETables().SelectRollbacksForSiteID(static_cast<long>(siteId), rollbacks);
    bool deleted = true;
    for (const SiteRollback_T& rollback : rollbacks) {
        deleted = deleted && CDeleteFromFETables().DeleteSiteDetails(rollback.rollbackSiteId);
    }
    if (!deleted) {
        return false;
    }
    CString sql;
    sql.Format("DELETE FROM Site_Details WHERE AM_Site_ID = %ld", static_cast<long>(siteId));
    return SharedConnection()->ExecuteSQL(sql);
}

bool CCommonDbSupport::ChangePanelTypeTransLess(CDataManagerBase* pDM, SiteDetails_T* pDetails,
                                                int panelType, int panelVersion, bool loadFirst) {
    const int storedType = pDetails->panelType;
    const int storedVersion = pDetails->panelVersion;
    int storedMajor = 0;
    int newMajor = 0;
    if (!pDM->GetMajorVersion(storedVersion, storedMajor, -1) ||
        !pDM->GetMajorVersion(panelVersion, newMajor, -1)) {
        return false;
    }
    const long siteId = static_cast<long>(pDetails->siteId);
    if (storedType != panelType || storedMajor != newMajor) {
        unsigned long rollbackSiteId = 0;
        if (!CreateRollbackTransLess(static_cast<unsigned long>(pDM->GetSiteID()), rollbackSiteId,
                                     kRollbackBeforePanelChange)) {
            return false;
        }
        bool notInDb = false;
        if (loadFirst && !LoadScreenDataDb2Vel(pDM, notInDb, true)) {
            return false;
        }
        if (!pDM->ChangePanelVersion(panelType, panelVersion)) {
            return false;
        }
        if (!StoreScreenDataVel2DbAsSiteTransLess(pDM, siteId)) {
            return false;
        }
    }
    const CString text = siteText(*pDetails);
    if (storedVersion != panelVersion) {
        AddAuditTrailItem(siteId, kAuditPanelVersionChanged, 0, text, CString());
    }
    if (storedType != panelType) {
        AddAuditTrailItem(siteId, kAuditPanelTypeChanged, 0, text, CString());
    }
    pDetails->panelType = static_cast<std::uint8_t>(panelType & 0xff);
    pDetails->panelVersion = static_cast<std::uint16_t>(panelVersion & 0xffff);
    return CUpdateFETables().UpdateModelVersion(pDetails->siteId, pDetails->panelType,
                                                pDetails->panelVersion) != 0;
}

} // namespace Vel
