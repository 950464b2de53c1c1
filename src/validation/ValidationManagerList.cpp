#include <vel/ValidationManagerList.h>
#include <vel/ValidationManagerTarvo.h>
#include <vel/ValidationManagerV6.h>

#include "validation/ValidationFolder.h"

namespace Vel {

namespace {

std::unique_ptr<CValidationManagerList> g_pInstance;

// Type 96 belongs to both families' tables; a request for it gets the Tarvo family.
std::unique_ptr<CValidationManager> createFamilyManager(int nType) {
    if (nType >= 65 && nType <= 69) {
        return std::make_unique<CValidationManagerV6>();
    }
    if (nType >= 96 && nType <= 101) {
        return std::make_unique<CValidationManagerTarvo>();
    }
    return nullptr;
}

} // namespace

CValidationManagerList& CValidationManagerList::Instance() {
    if (!g_pInstance) {
        g_pInstance = std::make_unique<CValidationManagerList>();
    }
    return *g_pInstance;
}

void CValidationManagerList::CleanUp() {
    g_pInstance.reset();
}

CString CValidationManagerList::GetValidationFolder() {
    return CurrentValidationFolder();
}

void CValidationManagerList::SetValidationFolder(const CString& folder) {
    OverrideValidationFolder(folder);
}

CValidationManagerList::CValidationManagerList() = default;

CValidationManagerList::~CValidationManagerList() = default;

CValidationManager* CValidationManagerList::AccessValidationManager(int nType, int nVersion) {
    CSingleLock lock(&m_Lock, true);
    for (const auto& manager : m_Managers) {
        if (manager->GetPanelType() == nType && manager->GetPanelVersion() == nVersion) {
            return manager.get();
        }
    }
    std::unique_ptr<CValidationManager> manager = createFamilyManager(nType);
    if (!manager || !manager->InitPanelVersion(nType, nVersion)) {
        return nullptr;
    }
    m_Managers.push_back(std::move(manager));
    return m_Managers.back().get();
}

} // namespace Vel
