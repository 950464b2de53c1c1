// CHostWindow: a window of the host application that receives the library's notifications
// (the progress of a difference walk). The host implements SendMessage; the library calls it
// synchronously on its own thread, so the handler has run before the library goes on.
#pragma once

#include <vel/Export.h>

#include <cstdint>

namespace Vel {

class VEL_API CHostWindow {
public:
    // The first message number left to applications; the library's messages count from here.
    static constexpr unsigned int kUserMessage = 0x0400;

    CHostWindow() = default;
    CHostWindow(const CHostWindow&) = delete;
    CHostWindow& operator=(const CHostWindow&) = delete;
    virtual ~CHostWindow() = default;

    // Handles one message and answers its result; the library ignores the answer unless the
    // message says otherwise.
    virtual std::intptr_t SendMessage(unsigned int message, std::uintptr_t wParam,
                                      std::intptr_t lParam) = 0;
};

} // namespace Vel
