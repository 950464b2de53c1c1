// Fixture of the choice and set item tests: a test panel family over a temporary validation
// folder, a root with one screen and a language provider, and a capturing report sink.
#pragma once

#include "support/CaptureSink.h"
#include "support/ModelTrees.h"

#include <vel/FileLangText.h>

#include <gtest/gtest.h>

#include <string>

namespace VelTest {

class ItemsFixture : public ::testing::Test {
protected:
    static constexpr int kType = 1;

    void SetUp() override { root.SetLanguageClass(&texts); }
    // Validation files of a major version (a multiple of 5); add them all before the first
    // panel change, since a manager keeps the map it read.
    void Panel(int version, const std::string& validation) {
        managers.AddVersion(kType, version, validation);
    }
    // The first change initialises the tree; later ones keep what is still allowed.
    void Change(int version) { ASSERT_TRUE(root.ChangePanelVersion(kType, version)); }

    TestManagers managers;
    CaptureSink sink;
    Vel::CFileLangText texts;
    TestRoot root{&managers};
    TestScreen screen{&root, "Screen"};
};

} // namespace VelTest
