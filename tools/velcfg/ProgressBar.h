// CProgressBar: a bar on standard error, redrawn in place, shown only when standard error is
// a terminal; a status line without a bar for work that reports no steps.
#pragma once

#include <string>

namespace Vel::Velcfg {

class CProgressBar {
public:
    explicit CProgressBar(std::string label);
    ~CProgressBar();
    CProgressBar(const CProgressBar&) = delete;
    CProgressBar& operator=(const CProgressBar&) = delete;

    void Show(int done, int total);

private:
    std::string m_sLabel;
    bool m_bShown;
};

} // namespace Vel::Velcfg
