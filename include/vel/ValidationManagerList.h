// CValidationManagerList: the process-wide registry that hands out one initialised
// validation manager per panel type and validation version, creating the right family on
// first demand. Managers live until CleanUp.
#pragma once

#include <vel/CriticalSection.h>
#include <vel/Export.h>
#include <vel/ValidationManager.h>

#include <memory>
#include <vector>

namespace Vel {

class VEL_API CValidationManagerList {
public:
    // The single registry, created on the first call. Takes no lock: the first call must not
    // race with another.
    static CValidationManagerList& Instance();
    // Destroys the registry and every manager in it; the next Instance starts empty.
    static void CleanUp();

    CValidationManagerList();
    CValidationManagerList(const CValidationManagerList&) = delete;
    CValidationManagerList& operator=(const CValidationManagerList&) = delete;
    virtual ~CValidationManagerList();

    // The manager for a type and version, or null for an unknown type code or a type and
    // version without validation files. Concurrent requests for one pair get one manager.
    CValidationManager* AccessValidationManager(int nType, int nVersion);

private:
    std::vector<std::unique_ptr<CValidationManager>> m_Managers;
    CCriticalSection m_Lock;
};

} // namespace Vel
