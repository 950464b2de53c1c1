// velcfg run as a real process from the output folder: exit statuses, one line on standard
// error per failure, and what show, validate, convert and panels print.
#include "support/Velcfg.h"

#include <vel/PVMDataFile.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using VelTest::HasLine;
using VelTest::Lines;
using VelTest::ReadWholeFile;
using ToolRun = VelTest::ToolResult;
using VelTest::Velcfg;

TEST(Velcfg, UsageAndSetupErrorsExitWithTwoAndOneLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "velcfg: no command given (velcfg --help)"},
        {"frobnicate", "velcfg: unknown command 'frobnicate' (velcfg --help)"},
        {"show --type 66", "velcfg: show needs --type and --version"},
        {"show --type V6 --version 650",
         "velcfg: option --type takes a whole number, not 'V6' (velcfg --help)"},
        {"show --type 66 --version 655",
         "velcfg: panel type 66 version 655 is not supported (see velcfg panels)"},
        {"show --type 66 --version 650 System.BellTime=5",
         "velcfg: show takes no KEY=VALUE ('System.BellTime=5'); velcfg validate applies values"},
        {"show --type 66 --version 650 --key Nowhere",
         "velcfg: no item under 'Nowhere' on this panel"},
        {"validate --type 66 --version 650 System.EntryTime",
         "velcfg: 'System.EntryTime' is not KEY=VALUE (velcfg --help)"},
        {"validate --type 66 --version 650 Zones.0.Name=x",
         "velcfg: no item 'Zones.0.Name' on this panel (velcfg show lists the keys)"},
    };
    for (const auto& [args, message] : cases) {
        const ToolRun run = Velcfg(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.err, std::string(message) + "\n") << args;
        EXPECT_EQ(run.out, "") << args;
    }
}

TEST(Velcfg, ValidateReportsEveryValueAndExitsWithOneWhenOneIsRefused) {
    const ToolRun run = Velcfg("validate --type 99 --version 340 Zones.2.Function=13 "
                               "System.Language=5 Users.7.Pin=12345 Users.7.Pin=12ab56 "
                               "Keypads.1.Volume=10");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "Zones.2.Function=13: accepted, now 13 Anti-masking\n"
                       "System.Language=5: accepted, now 5 Swedish\n");
    EXPECT_EQ(run.err, "velcfg: Users.7.Pin=12345 refused: below the minimum length 6\n"
                       "velcfg: Users.7.Pin=12ab56 refused: 'a' is not an allowed character "
                       "(0123456789)\n"
                       "velcfg: Keypads.1.Volume=10 refused: above the maximum 9\n");
}

TEST(Velcfg, ValidateRefusesListsThatAreNotListsAndNamesTheValueGiven) {
    const ToolRun run = Velcfg("validate --type 66 --version 650 System.Options=4294967297 "
                               "System.Options=1,,2 System.Options=2,4");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "velcfg: System.Options=4294967297 refused: 4294967297 is not a possible "
                       "member (1..7)\n"
                       "velcfg: System.Options=1,,2 refused: '' is not a member or a range of "
                       "members in '1,,2'\n");
    EXPECT_EQ(Lines(run.out).size(), 1u) << run.out;
}

TEST(Velcfg, ControlBytesAreShownEscaped) {
    const ToolRun run = Velcfg("validate --type 66 --version 650 'System.PanelName=A\x1b[2JB'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "velcfg: System.PanelName=A\\x1b[2JB refused: '\\x1b' is not an allowed "
                       "character (ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 "
                       ".-/&)\n");
}

TEST(Velcfg, ShowPrintsTheItemsUnderAKeyInTreeOrder) {
    const ToolRun run = Velcfg("show --type 65 --version 650 --key Network");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> shown = Lines(run.out);
    ASSERT_EQ(shown.size(), 7u);
    EXPECT_EQ(shown[0], "Network.IpAddress | Network.IP address | 192.168.1.100 | IPv4 address "
                        "| disabled");
    EXPECT_EQ(shown[5], "Network.Dhcp | Network.DHCP | 0 Off | 0 Off, 1 On | disabled");
}

// From 6.10 to 6.50 the shipped files change: bell time at most 20, zone function 9, PINs of
// up to 8 digits, Fast Format withdrawn, IP reporting and DHCP; the configuration grows the
// collections from 64 to 96 zones, 200 to 250 users and 2 to 4 receiving centres.
TEST(Velcfg, ConvertPreviewsAVersionUpgrade) {
    const ToolRun run = Velcfg("convert --type 69 --version 610 --to-type 69 --to-version 650 "
                               "System.BellTime=25");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const char* expected[] = {
        "System.BellTime | System parameters.Bell time | 25 [1..30] => 20 [1..20] | REFUSED: "
        "value replaced",
        "Telecom.Format | Telecom.Reporting format | 0 Contact ID [0 Contact ID, 1 SIA level 2, "
        "2 Fast Format] => 0 Contact ID [0 Contact ID, 1 SIA level 2]",
        "Telecom.Arcs.2.IpAddress | Telecom.Receiving centre[2].IP address | blank [IPv4 "
        "address] disabled => blank [IPv4 address]",
        "Telecom.Arcs.3.Name | Telecom.Receiving centre[3].Name | (absent) => \"ARC\" [0..16 "
        "characters]",
        "Users.200.Pin | User code[200].PIN | (encrypted) [4..6 characters, encrypted] => "
        "unchanged [4..8 characters, encrypted]",
    };
    for (const char* line : expected) {
        EXPECT_TRUE(HasLine(run.out, line)) << line;
    }
    // 64 zone functions and 200 PINs with new limits, 32 new zones of 5 items, 50 new users of
    // 4, 2 new receiving centres of 6 and 3 items of the 2 old ones, and the three above.
    EXPECT_EQ(Lines(run.out).back(),
              "645 items changed, 1 value refused by the target panel and replaced");
    EXPECT_FALSE(HasLine(run.out, "System.EntryTime"));
}

TEST(Velcfg, ConvertCarriesValuesIntoAPanelOfTheOtherFamily) {
    const ToolRun run = Velcfg("convert --type 66 --version 650 --to-type 96 --to-version 340 "
                               "System.ExitTime=90 Zones.1.Function=99");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "velcfg: Zones.1.Function=99 refused: not one of the choices 0..9\n");
    EXPECT_TRUE(HasLine(run.out, "System.Language | System parameters.Language | 0 English [0 "
                                 "English, 1 German, 2 French, 3 Dutch] => 0 English [0 English, "
                                 "1 German, 2 French, 3 Dutch, 4 Finnish, 5 Swedish]"));
    EXPECT_EQ(run.out.find("System.ExitTime"), std::string::npos); // carried over unchanged
}

// A copy of the shipped validation files that a test may change; velcfg reads it through
// VEL_VALIDATION_DIR.
class VelcfgFolderTest : public ::testing::Test {
protected:
    VelcfgFolderTest()
        : m_folder(std::filesystem::temp_directory_path() /
                   ("velcfg-vel-" + std::to_string(getpid()))) {
        std::filesystem::remove_all(m_folder);
        std::filesystem::copy("vel", m_folder, std::filesystem::copy_options::recursive);
    }
    ~VelcfgFolderTest() override { std::filesystem::remove_all(m_folder); }

    ToolRun Run(const std::string& args) const {
        return Velcfg(args, "VEL_VALIDATION_DIR=" + m_folder.string());
    }
    std::string File(const std::string& name) const { return (m_folder / name).string(); }
    void Write(const std::string& name, const std::string& bytes) const {
        std::filesystem::remove_all(File(name));
        std::ofstream(File(name), std::ios::binary) << bytes;
    }

    std::filesystem::path m_folder;
};

TEST_F(VelcfgFolderTest, ADamagedValidationFileIsNamedWithTheReasonInOneLine) {
    const std::string file = File("V6/V6_5.vmd");
    const std::string good = ReadWholeFile(file);
    std::string truncated = good.substr(0, good.size() / 2);
    while (truncated.back() == '\xA6') { // scrambled entry ends
        truncated.pop_back();
    }
    std::string random(5000, '\0');
    std::mt19937 generator(7);
    for (char& ch : random) {
        ch = static_cast<char>(generator());
    }
    random.back() = '\xA6';
    const std::pair<std::string, std::string> cases[] = {
        {truncated, "the file is truncated (its last entry has no end)"},
        {"", "the file is empty"},
        {random, "the file holds no sections (not a validation file)"},
        {std::string(100001, 'x'), "100001 bytes, more than the 100000 a validation file may hold"},
    };
    for (const auto& [bytes, reason] : cases) {
        Write("V6/V6_5.vmd", bytes);
        const ToolRun run = Run("show --type 66 --version 650");
        EXPECT_EQ(run.status, 2) << reason;
        EXPECT_EQ(run.err, "velcfg: validation file '" + file + "': " + reason + "\n");
        EXPECT_EQ(run.out, "") << reason;
    }

    std::filesystem::remove(file);
    EXPECT_EQ(Run("show --type 66 --version 650").err,
              "velcfg: validation file '" + file + "': No such file or directory\n");
}

// Here names allow any character, so a text with an escape sequence and a C1
// control is stored as it is; velcfg shows it escaped.
TEST_F(VelcfgFolderTest, StoredTextsAreShownWithoutTheirControlBytes) {
    std::string readable;
    std::string section;
    for (const std::string& entry : Vel::CPVMDataFile::Unpack(ReadWholeFile(File("V6/V6_5.vmd")))) {
        section = entry.starts_with("[") ? entry : section;
        if (section != "[Base.Name]" || !entry.starts_with("AllowedChars")) {
            readable += entry + "\n";
        }
    }
    Write("V6/V6_5.vmd", Vel::CPVMDataFile::Pack(readable));

    const ToolRun run = Run("validate --type 66 --version 650 "
                            "'System.PanelName=V6\x1b[2J\xc2\x9bX'");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "System.PanelName=V6\\x1b[2J\\x9bX: accepted, now \"V6\\x1b[2J\\x9bX\"\n");
}

} // namespace

TEST(Velcfg, ReportFillsEveryFieldOfTheSampleConfigurationReport) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("velcfg-report-" + std::to_string(getpid()));
    const ToolRun run = Velcfg("report --type 66 --version 650 --out " + file.string());
    const std::string report = ReadWholeFile(file);
    std::filesystem::remove(file);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(report.find("<h1>Panel configuration: "), std::string::npos);
    EXPECT_EQ(report.find("<!--"), std::string::npos);
}
