// Opened sample panels with the shipped English texts, for the sample suite.
#pragma once

#include "SamplePanel.h"

#include <vel/FileLangText.h>
#include <vel/String.h>
#include <vel/TextCommon.h>

#include <gtest/gtest.h>

#include <memory>

namespace VelTest {

// The shipped texts (staged by the build in its data folder), installed as both providers
// while in scope.
class SampleTexts {
public:
    SampleTexts() {
        loaded = texts.Load(VEL_TEST_DATA_DIR "/lang/en.txt");
        Vel::CTextCommon::SetLanguageClass(&texts);
    }
    ~SampleTexts() { Vel::CTextCommon::SetLanguageClass(nullptr); }
    SampleTexts(const SampleTexts&) = delete;
    SampleTexts& operator=(const SampleTexts&) = delete;

    Vel::CFileLangText texts;
    bool loaded = false;
};

// A sample tree of a panel type with the texts set, not yet opened.
inline std::unique_ptr<Vel::Sample::CSamplePanel> SamplePanel(int type, SampleTexts& texts) {
    auto panel = std::make_unique<Vel::Sample::CSamplePanel>(type);
    panel->Root().SetLanguageClass(&texts.texts);
    return panel;
}

} // namespace VelTest
