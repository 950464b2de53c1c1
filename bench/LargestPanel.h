// Shared by the sample-tree benchmarks: the largest sample panel (a Tarvo third-series panel
// at 3.40, about 12,300 items), opened.
#pragma once

#include "SamplePanel.h"

#include <vel/FileLangText.h>

#include <memory>

namespace BenchPanel {

constexpr int kType = 101;
constexpr int kVersion = 340;

// String items take their default texts from the root's provider; an empty one will do.
inline Vel::CFileLangText& Texts() {
    static Vel::CFileLangText texts;
    return texts;
}

inline std::unique_ptr<Vel::Sample::CSamplePanel> OpenedPanel(int type = kType) {
    auto panel = std::make_unique<Vel::Sample::CSamplePanel>(type);
    panel->Root().SetLanguageClass(&Texts());
    panel->Open(type, kVersion);
    return panel;
}

} // namespace BenchPanel
