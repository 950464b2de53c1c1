#include "support/CaptureSink.h"
#include "support/TempValidationFolder.h"

#include <vel/ValidationManager.h>

#include <gtest/gtest.h>

#include <filesystem>

namespace Vel {
namespace {

using VelTest::CaptureSink;
using VelTest::HasReports;
using VelTest::UnsupportedVersion;

constexpr int kType = 5;
constexpr int kVersion = 1;
constexpr const char* kMap = "[Model]\n"
                             "V1 = Data1\n"
                             "V2 = Data2\n"
                             "V3 = Missing\n"
                             "[VariantConfiguration]\n"
                             "V1 = Cfg1\n"
                             "V2 = Cfg2\n";

// A family of its own over a temporary folder: type 5 is "Model", versions 1 to 4 are "V1"
// to "V4" ("V4" has no map entry).
class CTestManager : public CValidationManager {
public:
    explicit CTestManager(const std::string& folder) {
        SetPath(folder.c_str());
        LoadTypeVerMap("Map");
    }

protected:
    CString GetMapPvmFileVer(int nVersion, int) const override {
        return nVersion >= 1 && nVersion <= 4 ? CString::Formatted("V%d", nVersion) : CString();
    }
    CString GetMapPvmFileType(int nType) const override { return nType == kType ? "Model" : ""; }
};

// Every per-key answer in one text: disabled, read-only, check-import, choices, default
// choice, chars, numbers, default number, default and allowed texts.
std::string Answers(const CValidationManager& m, const char* key) {
    std::string choices;
    for (const int n : m.GetChoices(key)) {
        choices += choices.empty() ? "" : " ";
        choices += std::to_string(n);
    }
    return CString::Formatted("%s,%d,%d,[%s],%d,%d..%d,%ld..%ld,%ld,'%s','%s'",
                              m.GetDisabled(key) ? "disabled" : "enabled", m.GetReadOnly(key),
                              m.GetCheckImport(key), choices.c_str(), m.GetDefaultChoice(key),
                              m.GetMinChars(key), m.GetMaxChars(key), m.GetMinNumber(key),
                              m.GetMaxNumber(key), m.GetDefaultNumber(key),
                              m.GetDefaultString(key).c_str(), m.GetAllowedChars(key).c_str())
        .str();
}

// The answers for a key with a section but no elements.
constexpr const char* kNothing = "enabled,0,0,[],0,0..0,0..0,0,'',''";

class ValidationManagerTest : public ::testing::Test {
protected:
    ValidationManagerTest() { m_folder.Write("Map", kMap); }

    // Writes the validation data and panel configuration of version 1 and selects them.
    CTestManager& Load(const std::string& data, const std::string& config = "") {
        m_folder.Write("Data1", data);
        m_folder.Write("Cfg1", config);
        m_pManager = std::make_unique<CTestManager>(m_folder.Path());
        EXPECT_TRUE(m_pManager->InitPanelVersion(kType, kVersion));
        return *m_pManager;
    }

    VelTest::TempValidationFolder m_folder;
    std::unique_ptr<CTestManager> m_pManager;
};

// One data file for every per-key answer; each row names the rule it shows.
TEST_F(ValidationManagerTest, AnswersFollowTheParentChainAndTheValueRules) {
    auto& m = Load("[Base]\nMaxNumber = 99\nMinNumber = 1\nDefault = 5\nAllowedChars = abc\n"
                   "[Zone.Base]\nParent = Base\nMinNumber = 2\n"
                   "[Zone.Timer]\nParent = Zone__Base\nDefault =\n"
                   "[A]\nParent = B\n[B]\nParent = A\nMaxChars = 1\n"
                   "[X]\nParent = Y\n[Y]\nParent = Z\n[Z]\nParent = Y\n"
                   "[Self]\nParent = self\n"
                   "[Present]\nParent = Nowhere\n"
                   "[Off]\nDisabled = TRUE\n"
                   "[K]\nParent = Off\nReadOnly = True\nCheckImport = true ;hidden\n"
                   "[L]\nReadOnly = yes\nCheckImport = 1\nDisabled = false\n"
                   "[N]\nDefault = abc12\nMaxNumber =  -7 days\nMinNumber = +3\n"
                   "MaxChars = 99999999999\nMinChars = -99999999999\n");
    const std::pair<const char*, const char*> rows[] = {
        // MaxNumber from the grand-parent, MinNumber from the nearer parent, an empty own
        // Default ends the search; sections ignore letter case.
        {"zone.timer", "enabled,0,0,[],0,0..0,2..99,0,'','abc'"},
        {"A", "enabled,0,0,[],0,0..1,0..0,0,'',''"}, // MinChars: back at A
        {"X", kNothing},                             // Y and Z loop without returning to X
        {"Self", kNothing},
        {"Present", kNothing}, // only a key without a section of its own is disabled
        {"Unknown", "disabled,0,0,[],0,0..0,0..0,0,'',''"},
        // Disabled from the parent; only "true" in any letter case sets a flag, and the
        // blank before the comment stays in the value.
        {"K", "disabled,1,0,[],0,0..0,0..0,0,'',''"},
        {"L", kNothing},
        // Numbers are the leading decimal integer, chars saturated rather than wrapped.
        {"N", "enabled,0,0,[],0,-2147483648..2147483647,3..-7,0,'abc12',''"},
    };
    for (const auto& [key, answers] : rows) {
        EXPECT_EQ(Answers(m, key), answers) << key;
    }
    EXPECT_EQ(m.GetParent("Zone.Timer"), "Zone__Base");
    EXPECT_EQ(m.GetParent("Base"), "");
}

TEST(ValidationManagerParse, ListSyntaxCarriesBoundsAndNumbersSaturate) {
    struct Case {
        const char* text;
        CIntList expected;
        bool exclude;
    };
    const Case cases[] = {
        {"", {}, false},
        {"1..3,7,10-12", {1, 2, 3, 7, 10, 11, 12}, false},
        {"-3", {0, 1, 2, 3}, false},
        {"2,,5", {2, 2, 5}, false},
        {"4..6,..7", {4, 5, 6, 4, 5, 6, 7}, false},
        {"8,x", {8, 8}, false},
        {"\\3,\\5", {3, 5}, true},
        {"x\\9", {9}, true},
    };
    const CValidationManager m;
    for (const auto& c : cases) {
        bool exclude = !c.exclude;
        EXPECT_EQ(m.ParseIntList(c.text, exclude), c.expected) << '"' << c.text << '"';
        EXPECT_EQ(exclude, c.exclude) << '"' << c.text << '"';
    }
    bool exclude = false;
    EXPECT_EQ(m.ParseIntList("0..2000000000", exclude).size(), 65536U); // capped
    const std::pair<const char*, unsigned long> ulongs[] = {
        {"-1", 4294967295UL}, {"4294967296", 4294967295UL}, {"", 0UL}};
    for (const auto& [text, value] : ulongs) {
        EXPECT_EQ(m.ParseUlong(text), value) << '"' << text << '"'; // saturated, not wrapped to 0
    }
}

TEST_F(ValidationManagerTest, ExclusionsRemoveValuesFromTheParentsChoices) {
    auto& m = Load("[All]\nChoices = 0..9\nDefault = 4\n"
                   "[Some]\nParent = All\nChoices = \\3,\\5\n"
                   "[Mixed]\nParent = All\nChoices = \\3,5,42\n"
                   "[Twice]\nParent = Dup\nChoices = \\1\n[Dup]\nChoices = 1,2,1\n"
                   "[Written]\nParent = Dup__X\nChoices = \\1\n[Dup.X]\nChoices = 1,2\n"
                   "[First]\nChoices = 6..8\n");
    EXPECT_EQ(m.GetChoices("Some"), (CIntList{0, 1, 2, 4, 6, 7, 8, 9}));
    EXPECT_EQ(m.GetChoices("Mixed"), (CIntList{0, 1, 2, 4, 6, 7, 8, 9}));
    EXPECT_EQ(m.GetChoices("Twice"), (CIntList{2, 1}));
    // The exclusion's parent is taken exactly as written, without "__" translation.
    EXPECT_TRUE(m.GetChoices("Written").empty());
    EXPECT_EQ(m.GetDefaultChoice("Some"), 4);
    EXPECT_EQ(m.GetDefaultChoice("First"), 6);
}

TEST_F(ValidationManagerTest, PanelConfigurationPrefersTheModelsValue) {
    auto& m = Load("", "[Zones]\nLimit = 64\nModel = 32\nDefault = 16\n"
                       "[Outputs]\nLimit = 8\nDefault = 4\n[Keypads]\nOther = 2\n");
    CaptureSink sink;
    EXPECT_EQ(m.GetPanelConfigLimit("zones"), 64);
    EXPECT_EQ(m.GetPanelConfigVal("Zones"), 32);
    EXPECT_EQ(m.GetPanelConfigVal("Outputs"), 4);
    EXPECT_TRUE(HasReports(sink, {}));
    EXPECT_EQ(m.GetPanelConfigLimit("Keypads"), 0);
    EXPECT_EQ(m.GetPanelConfigVal("Keypads"), 0);
    const char* text = "Data Key was not found in Validation Files.";
    EXPECT_TRUE(
        HasReports(sink, {{CAssertReport::Error, "false", "ValidationManagerVel", 509, text, {}},
                          {CAssertReport::Error, "false", "ValidationManagerVel", 540, text, {}}}));
}

TEST_F(ValidationManagerTest, SelectingTheSameVersionAgainTouchesNothing) {
    auto& m = Load("[K]\nMaxChars = 3\n");
    auto* replaced = new CValidationData;
    auto* record = new CValidationData;
    m.SetValidationData("K", *replaced);
    m.SetValidationData("K", *replaced);
    m.SetValidationData("K", *record);
    m.SetValidationData("Alias", *record); // owned once: freed once
    std::filesystem::remove(m_folder.Path() + "Data1.vmd");
    CaptureSink sink;
    EXPECT_TRUE(m.InitPanelVersion(kType, kVersion));
    EXPECT_EQ(m.GetValidationData("K"), record);
    EXPECT_EQ(m.GetValidationData("k"), nullptr); // the cache is case-sensitive
    EXPECT_EQ(m.GetMaxChars("K"), 3);
    EXPECT_TRUE(HasReports(sink, {}));
    replaced->SetMaxChars(1); // still valid memory: checked by the address sanitizer

    m_folder.Write("Data2", "[K]\nMaxChars = 4\n");
    m_folder.Write("Cfg2", "");
    EXPECT_TRUE(m.InitPanelVersion(kType, 2)); // frees both records
    EXPECT_EQ(m.GetValidationData("K"), nullptr);
    EXPECT_EQ(m.GetMaxChars("K"), 4);
}

// Items keep a record while the generation holds: adding a key must not cost them their
// records, replacing one must.
TEST_F(ValidationManagerTest, OnlyReplacingARecordChangesTheCacheGeneration) {
    auto& m = Load("[K]\nMaxChars = 3\n");
    const unsigned long long loaded = m.GetCacheGeneration();
    auto* first = new CValidationData;
    m.SetValidationData("K", *first);
    m.SetValidationData("Other", *new CValidationData);
    EXPECT_EQ(m.GetCacheGeneration(), loaded);
    m.SetValidationData("K", *first);
    EXPECT_EQ(m.GetCacheGeneration(), loaded);
    m.SetValidationData("K", *new CValidationData);
    EXPECT_NE(m.GetCacheGeneration(), loaded);
}

TEST_F(ValidationManagerTest, FailedSelectionsAreReportedAndKeepOrDropTheData) {
    auto& m = Load("[K]\nMaxChars = 3\n");
    CaptureSink sink;
    EXPECT_FALSE(m.InitPanelVersion(7, kVersion)); // no model folder
    EXPECT_FALSE(m.InitPanelVersion(kType, 4));    // no map entry
    EXPECT_TRUE(m.InitPanelVersion(kType, 4));     // already held, even though it failed
    EXPECT_EQ(m.GetMaxChars("K"), 3);              // what was loaded stays loaded
    EXPECT_EQ(m.GetPanelVersion(), 4);
    EXPECT_FALSE(m.InitPanelVersion(kType, 3)); // data file named but absent, no configuration
    EXPECT_TRUE(m.GetDisabled("K"));
    EXPECT_EQ(m.GetMaxChars("K"), 0);

    CValidationManager base; // knows no files at all
    EXPECT_EQ(Answers(base, "Any"), "disabled,0,0,[],0,0..0,0..0,0,'',''");
    EXPECT_FALSE(base.InitPanelVersion(66, 650));
    EXPECT_TRUE(HasReports(sink, {UnsupportedVersion(7, kVersion),
                                  UnsupportedVersion(kType, 4),
                                  {CAssertReport::Error,
                                   "false",
                                   "PVMDataFile",
                                   183,
                                   "Can't open Validation data file",
                                   {"m_sFileName=\"" + m_folder.Path() + "Missing.vmd\""}},
                                  UnsupportedVersion(kType, 3),
                                  UnsupportedVersion(66, 650)}));
}

} // namespace
} // namespace Vel
