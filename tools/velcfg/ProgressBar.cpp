#include "ProgressBar.h"

#include <cstdio>
#include <unistd.h>

namespace Vel::Velcfg {

CProgressBar::CProgressBar(std::string label)
    : m_sLabel(std::move(label)), m_bShown(isatty(STDERR_FILENO) == 1) {
    if (m_bShown) {
        std::fprintf(stderr, "\r%s ...", m_sLabel.c_str());
        std::fflush(stderr);
    }
}

CProgressBar::~CProgressBar() {
    if (m_bShown) {
        std::fputs("\r\033[K", stderr);
    }
}

void CProgressBar::Show(int done, int total) {
    if (!m_bShown || total <= 0) {
        return;
    }
    constexpr int kWidth = 30;
    const int filled = done * kWidth / total;
    std::fprintf(stderr, "\r%s [%s%s] %d/%d", m_sLabel.c_str(), std::string(filled, '#').c_str(),
                 std::string(kWidth - filled, '.').c_str(), done, total);
    std::fflush(stderr);
}

} // namespace Vel::Velcfg
