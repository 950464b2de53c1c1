// Runs the real vmdtool over the shipped validation set.
#include "support/RunTool.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using VelTest::RunTool;

VelTest::ToolResult query(const std::string& type, const std::string& version,
                          const std::string& key, bool config = false) {
    std::vector<std::string> args = {"query", "--type", type, "--version", version};
    if (config) {
        args.push_back("--config");
    }
    args.push_back(key);
    return RunTool("vmdtool", args);
}

// Every model with every validation version the set ships for it; the zone limit tells
// which configuration file the maps chose.
TEST(VmdtoolQuery, EveryShippedPanelFindsItsDataAndConfiguration) {
    struct Panel {
        const char* type;
        const char* version;
        const char* zonesLimit;
    };
    const Panel panels[] = {
        {"65", "610", "64"},   {"65", "650", "96"},  {"66", "620", "64"},   {"66", "650", "96"},
        {"67", "610", "64"},   {"67", "650", "96"},  {"68", "610", "64"},   {"68", "650", "96"},
        {"69", "620", "64"},   {"69", "650", "96"},  {"96", "314", "128"},  {"96", "340", "192"},
        {"97", "314", "128"},  {"97", "340", "192"}, {"98", "314", "128"},  {"98", "340", "192"},
        {"99", "330", "256"},  {"99", "340", "512"}, {"100", "330", "256"}, {"100", "340", "512"},
        {"101", "330", "256"}, {"101", "340", "512"}};
    for (const Panel& panel : panels) {
        SCOPED_TRACE(std::string(panel.type) + "/" + panel.version);
        const auto data = query(panel.type, panel.version, "Zone.Name");
        EXPECT_EQ(data.status, 0) << data.err;
        EXPECT_NE(data.out.find("\"disabled\":false,"), std::string::npos) << data.out;
        const auto config = query(panel.type, panel.version, "Zones", true);
        EXPECT_EQ(config.status, 0) << config.err;
        EXPECT_NE(config.out.find(std::string("\"limit\":") + panel.zonesLimit + ","),
                  std::string::npos)
            << config.out;
    }
}

TEST(VmdtoolQuery, PrintsEveryAnswerOfAKey) {
    EXPECT_EQ(query("66", "650", "System.BellTime").out,
              "{\"key\":\"System.BellTime\",\"disabled\":false,\"readOnly\":false,"
              "\"checkImport\":false,\"choices\":[],\"defaultChoice\":15,"
              "\"defaultString\":\"15\",\"minChars\":0,\"maxChars\":0,\"allowedChars\":\"\","
              "\"minNumber\":1,\"maxNumber\":20,\"defaultNumber\":15,\"parent\":\"\"}\n");
    EXPECT_EQ(query("66", "650", "Zones", true).out,
              "{\"key\":\"Zones\",\"limit\":96,\"value\":16}\n");
}

TEST(VmdtoolQuery, EscapesTextsAndRefusesUnknownPanels) {
    const auto escaped = query("66", "650", "A\"B\\C\tD");
    EXPECT_EQ(escaped.out.rfind(R"({"key":"A\"B\\C\u0009D","disabled":true,)", 0), 0U)
        << escaped.out;
    const std::vector<std::vector<std::string>> refused = {
        {"--type", "97", "--version", "330", "Zone.Name"},
        {"--type", "70", "--version", "650", "Zone.Name"},
        {"--type", "66", "Zone.Name"},
        {"--type", "x", "--version", "650", "Zone.Name"},
        {"--type", "66", "--version", "650"},
    };
    for (std::vector<std::string> args : refused) {
        args.insert(args.begin(), "query");
        EXPECT_EQ(RunTool("vmdtool", args).status, 2) << args[2];
    }
}

} // namespace
