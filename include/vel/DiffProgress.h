// CDiffProgress: a ready progress window for FindDifferencies. It counts the progress
// messages of one walk and hands the host a callback with the number of children compared
// so far and the total; a callback that answers false stops the walk before the next child.
//
//   CDiffProgress progress(left, &goOn, [&](int done, int total) { bar.Show(done, total);
//                                                                  return !cancelled; });
//   left.FindDifferencies(&right, &changes, &goOn, &progress, true);
#pragma once

#include <vel/Export.h>
#include <vel/HostWindow.h>

#include <functional>

namespace Vel {

class CDataValidationClient;

class VEL_API CDiffProgress : public CHostWindow {
public:
    using Callback = std::function<bool(int done, int total)>;

    // `compared` is the node the host will call FindDifferencies on: its children make the
    // total. `pContinue` is the continue flag passed to the same call.
    CDiffProgress(const CDataValidationClient& compared, bool* pContinue, Callback callback);

    // Counts a progress message and calls back; other messages are ignored. Answers 0.
    std::intptr_t SendMessage(unsigned int message, std::uintptr_t wParam,
                              std::intptr_t lParam) override;

    int GetDone() const { return m_nDone; }
    int GetTotal() const { return m_nTotal; }

private:
    bool* m_pContinue;
    Callback m_Callback;
    int m_nTotal;
    int m_nDone = 0;
    bool m_bStarted = false;
};

} // namespace Vel
