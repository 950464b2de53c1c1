// CCriticalSection and CSingleLock: a recursive lock and its scoped holder, used by the
// validation manager registry and by roots around a panel change.
#pragma once

#include <vel/Export.h>

#include <mutex>

namespace Vel {

class VEL_API CCriticalSection {
public:
    CCriticalSection() = default;
    CCriticalSection(const CCriticalSection&) = delete;
    CCriticalSection& operator=(const CCriticalSection&) = delete;

    void Lock() { m_mutex.lock(); }
    void Unlock() { m_mutex.unlock(); }

private:
    std::recursive_mutex m_mutex;
};

// Holds the section from construction (when asked to) until Unlock or destruction.
class VEL_API CSingleLock {
public:
    explicit CSingleLock(CCriticalSection* section, bool initialLock = false)
        : m_pSection(section) {
        if (initialLock) {
            Lock();
        }
    }
    ~CSingleLock() { Unlock(); }
    CSingleLock(const CSingleLock&) = delete;
    CSingleLock& operator=(const CSingleLock&) = delete;

    void Lock() {
        if (m_pSection && !m_bLocked) {
            m_pSection->Lock();
            m_bLocked = true;
        }
    }
    void Unlock() {
        if (m_pSection && m_bLocked) {
            m_bLocked = false;
            m_pSection->Unlock();
        }
    }
    bool IsLocked() const { return m_bLocked; }

private:
    CCriticalSection* m_pSection;
    bool m_bLocked = false;
};

} // namespace Vel
