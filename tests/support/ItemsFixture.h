// Fixtures of the model and item tests: test panels over a temporary validation folder and a
// capturing report sink; the item fixture adds a root with a language provider and one screen.
#pragma once

#include "support/CaptureSink.h"
#include "support/ModelTrees.h"

#include <vel/DataIPAddr.h>
#include <vel/FileLangText.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace VelTest {

// first, first + step, ... (count numbers)
inline std::vector<int> Series(int first, int step, int count) {
    std::vector<int> numbers;
    for (int i = 0; i < count; ++i) {
        numbers.push_back(first + i * step);
    }
    return numbers;
}

class ModelFixture : public ::testing::Test {
protected:
    static constexpr int kType = 1;
    static constexpr int kVersion = 610;

    // Validation files of a major version (a multiple of 5). A manager keeps the map it read,
    // so a version is added before its first change.
    void Panel(int version = kVersion, const std::string& validation = StandardValidation(),
               const std::string& configuration = "[Zone]\nLimit=4\n") {
        managers.AddVersion(kType, version, validation, configuration);
    }

    TestManagers managers;
    CaptureSink sink;
};

class ItemsFixture : public ModelFixture {
protected:
    ItemsFixture() { root.SetLanguageClass(&texts); }

    // The first change initialises the tree; later ones keep what is still allowed.
    void Change(int version, const std::string& validation = "") {
        if (!validation.empty()) {
            Panel(version, validation);
        }
        ASSERT_TRUE(root.ChangePanelVersion(kType, version)) << version;
    }

    // An item's value and flags in one text, such as "10.0.0.1 blank modified".
    static std::string State(Vel::CData& item) {
        std::string state = item.GetValueString().str();
        const auto* address = dynamic_cast<const Vel::CDataIPAddr*>(&item);
        state += address && address->GetBlank() ? " blank" : "";
        return state + (item.IsModified() ? " modified" : "");
    }

    Vel::CFileLangText texts;
    TestRoot root{&managers};
    TestScreen screen{&root, "Screen"};
};

} // namespace VelTest
