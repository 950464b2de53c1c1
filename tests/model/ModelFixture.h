// Fixture of the model suite: a test panel family over a temporary validation folder and a
// capturing report sink.
#pragma once

#include "support/CaptureSink.h"
#include "support/ModelTrees.h"

#include <gtest/gtest.h>

#include <string>

namespace VelTest {

constexpr auto kError = Vel::CAssertReport::Error;
constexpr auto kWarn = Vel::CAssertReport::Warning;

class ModelFixture : public ::testing::Test {
protected:
    static constexpr int kType = 1;
    static constexpr int kVersion = 610;

    // Validation files for kType at `version` (a major version: a multiple of 5).
    void Panel(int version = kVersion, const std::string& validation = StandardValidation(),
               const std::string& configuration = "[Zone]\nLimit=4\n") {
        managers.AddVersion(kType, version, validation, configuration);
    }

    TestManagers managers;
    CaptureSink sink;
};

} // namespace VelTest
