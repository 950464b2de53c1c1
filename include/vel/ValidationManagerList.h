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

    // The folder new managers read their validation files from, with its trailing '/': the
    // folder given to SetValidationFolder, else the environment variable VEL_VALIDATION_DIR,
    // else the folder "vel/" beside libvel.so (where the library's files are installed).
    static CString GetValidationFolder();
    // Points every manager made from now on at `folder` (a missing trailing '/' is added);
    // an empty text returns to the default. Managers already handed out keep their folder:
    // call CleanUp first so that the next requests read the new files.
    static void SetValidationFolder(const CString& folder);

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
