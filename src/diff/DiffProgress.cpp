#include <vel/DiffProgress.h>

#include <vel/DataValidationClient.h>
#include <vel/VelDataChange.h>

#include <utility>

namespace Vel {

CDiffProgress::CDiffProgress(const CDataValidationClient& compared, bool* pContinue,
                             Callback callback)
    : m_pContinue(pContinue), m_Callback(std::move(callback)),
      m_nTotal(static_cast<int>(compared.GetChildListRef().size())) {}

std::intptr_t CDiffProgress::SendMessage(unsigned int message, std::uintptr_t, std::intptr_t) {
    if (message != CVelDataChange::kProgressMessage) {
        return 0;
    }
    // A message comes before each child, so the one before it has been compared by then.
    if (m_bStarted) {
        ++m_nDone;
    }
    m_bStarted = true;
    if (m_Callback && !m_Callback(m_nDone, m_nTotal) && m_pContinue) {
        *m_pContinue = false;
    }
    return 0;
}

} // namespace Vel
