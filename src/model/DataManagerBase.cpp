#include <vel/DataManagerBase.h>

#include <vel/Assert.h>
#include <vel/CriticalSection.h>
#include <vel/LangTextBase.h>
#include <vel/ValidationManager.h>
#include <vel/ValidationManagerList.h>

#include "model/ChangeTextCache.h"
#include "model/ChangeWalk.h"

namespace Vel {

namespace {

const char kSource[] = "DataManagerBaseVel";

std::size_t CountBelow(const CDataValidationClient& node) {
    std::size_t count = 0;
    for (const CDataValidationClient* child : node.GetChildListRef()) {
        count += 1 + CountBelow(*child);
    }
    return count;
}

} // namespace

CDataManagerBase::CDataManagerBase(const CString& sDataKey)
    : CDataValidationClient(nullptr, sDataKey) {}

CDataManagerBase::~CDataManagerBase() = default;

void CDataManagerBase::OnPanelChanged() {
    CValidationManager* pVd = m_pValidationManager;
    if (!pVd) {
        Assert("pVd").print_context(kSource, 117).error("Validation manager hasn't been set");
        return;
    }
    // The manager's record cache is filled during the walk and shared by every root bound
    // to the same manager.
    CSingleLock lock(&pVd->GetCriticalSection(), true);
    const CChangeTextCache missingTexts(*this, m_pLangText != nullptr);
    const CChangeWalk walk(*this, GetRootItem());
    updateCollectionsRecurse(this);
    CDataValidationClient::OnPanelChanged();
    Initialized();
}

CString CDataManagerBase::GetPanelFamilyPrefix() {
    return CString();
}

bool CDataManagerBase::LoadDataDb2Vel(CDatabase* db, bool& notInDb, bool keepValues) {
    SetAllValuesInDb(false);
    for (CDataValidationClient* screen : m_vecChildren) {
        if (!screen->LoadScreenFromDb(db, notInDb, -1, keepValues, false)) {
            return false;
        }
    }
    ClearModified();
    return true;
}

bool CDataManagerBase::StoreDataVel2Db(CDatabase* db, bool onlyModified) {
    for (CDataValidationClient* screen : m_vecChildren) {
        if (!screen->StoreScreenToDb(db, onlyModified)) {
            return false;
        }
    }
    return true;
}

bool CDataManagerBase::ChangePanelVersion(int panelType, int panelVersion) {
    if (!SetValidationManagerByPanelVersion(panelType, panelVersion)) {
        return false;
    }
    if (m_bInitialized) {
        OnPanelChanged();
    } else {
        Initialize();
    }
    CheckInteractedData();
    return true;
}

bool CDataManagerBase::SetValidationManagerByPanelVersion(int panelType, int panelVersion) {
    int majorVersion = -1;
    if (!GetMajorVersion(panelVersion, majorVersion, panelType)) {
        return false;
    }
    if (panelType == m_nPanelType) {
        int currentMajor = -1;
        // A version with the same validation files keeps the manager and the old number.
        if (GetMajorVersion(m_nPanelVersion, currentMajor, -1) && currentMajor == majorVersion) {
            return true;
        }
    }
    CValidationManager* manager = AccessValidationManager(panelType, majorVersion);
    if (!manager) {
        return false;
    }
    SetValidationManager(manager);
    m_nPanelType = panelType;
    m_nPanelVersion = panelVersion;
    return true;
}

bool CDataManagerBase::GetMajorVersion(int, int&, int) {
    return false;
}

bool CDataManagerBase::AutoProcessData() {
    return true;
}

void CDataManagerBase::CheckInteractedData() {}

CValidationManager* CDataManagerBase::AccessValidationManager(int panelType, int majorVersion) {
    return CValidationManagerList::Instance().AccessValidationManager(panelType, majorVersion);
}

int CDataManagerBase::GetActualPanelMajorVersion() {
    int majorVersion = -1;
    return GetMajorVersion(m_nPanelVersion, majorVersion, -1) ? majorVersion : -1;
}

long CDataManagerBase::GetSiteID() const {
    if (m_lSiteID < 0) {
        Assert("m_lSiteID>=0").print_context(kSource, 363).warn("SiteID hasn't been set.");
    }
    return m_lSiteID;
}

CString CDataManagerBase::CallTranslate(const CString& key) const {
    if (!m_pLangText) {
        Assert("m_pLangText").print_context(kSource, 180).error("Language class is not set.");
        return CString();
    }
    return m_pLangText->GetTranslation(key);
}

void CDataManagerBase::CreateKeyMap() {
    m_mapAllItems.clear();
    // Built whole, so sized once for every node below the root.
    m_mapAllItems.reserve(CountBelow(*this));
    for (CDataValidationClient* child : m_vecChildren) {
        child->AddKeyToMap();
    }
}

void CDataManagerBase::UpdateCollections() {
    updateCollectionsRecurse(this);
}

void CDataManagerBase::Initialize() {
    m_bInitializing = true;
    InitCollectionsRecurse(this);
    OnPanelChanged();
    m_bInitializing = false;
}

} // namespace Vel
