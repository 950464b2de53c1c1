// velcfg diff run as a real process: the listing, the mask, JSON, and Ctrl-C.
#include "support/Velcfg.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace VelTest {
namespace {

// Runs ./velcfg with SIGINT sent at once while still blocked in the child, so velcfg takes it
// as soon as it listens for it.
ToolResult Interrupted(const std::string& args) {
    const std::string base =
        (std::filesystem::temp_directory_path() / ("velcfg-diff-" + std::to_string(getpid())))
            .string();
    const std::string out = base + ".out";
    const std::string err = base + ".err";
    // Blocked before the fork, so the child starts with SIGINT blocked.
    sigset_t blocked;
    sigset_t previous;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGINT);
    sigprocmask(SIG_BLOCK, &blocked, &previous);
    const pid_t child = fork();
    if (child == 0) {
        execl("/bin/sh", "sh", "-c", ("exec ./velcfg " + args + " >" + out + " 2>" + err).c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    sigprocmask(SIG_SETMASK, &previous, nullptr);
    kill(child, SIGINT);
    int status = 0;
    waitpid(child, &status, 0);
    ToolResult result;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadWholeFile(out);
    result.err = ReadWholeFile(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return result;
}

const std::string kPanel = "diff --type 101 --version 340 ";

TEST(VelcfgDiffTest, ValuesOfBothSidesAreListedByScreenAndElementInOrder) {
    const ToolResult run =
        Velcfg(kPanel + "System.ExitTime=50 Zones.12.Function=5 --right Zones.7.Function=5 "
                        "--right System.BellTime=3");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "System parameters\n"
                       "  System parameters\n"
                       "    * Bell time: 15 | 3\n"
                       "    * Exit time: 50 | 45\n"
                       "Zone\n"
                       "  Zone[7]\n"
                       "    * Function: Intruder | Fire\n"
                       "  Zone[12]\n"
                       "    * Function: Fire | Intruder\n"
                       "4 differences\n");
}

TEST(VelcfgDiffTest, OnlyListsTheChosenSide) {
    const ToolResult run =
        Velcfg("diff --type 65 --version 610 --to-type 67 --to-version 650 --only right");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("+ Zone: 64 x <...> | 96 x <...>\n"), std::string::npos);
    EXPECT_EQ(run.out.find("- "), std::string::npos);
    EXPECT_EQ(run.out.find("* "), std::string::npos);
}

TEST(VelcfgDiffTest, JsonNestsTheEntries) {
    const ToolResult run = Velcfg(kPanel + "--json --right Zones.7.Function=5");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "{\n"
                       "  \"differences\": 1,\n"
                       "  \"changes\": [\n"
                       "    {\"name\": \"Zone\", \"entries\": [\n"
                       "      {\"name\": \"Zone[7]\", \"entries\": [\n"
                       "        {\"name\": \"Function\", \"change\": \"changed\", "
                       "\"left\": \"Intruder\", \"right\": \"Fire\"}\n"
                       "      ]}\n"
                       "    ]}\n"
                       "  ]\n"
                       "}\n");
}

TEST(VelcfgDiffTest, BadInputIsAUsageError) {
    EXPECT_EQ(Velcfg(kPanel + "--only both").err,
              "velcfg: --only takes left, right or changed, not 'both'\n");
    EXPECT_EQ(Velcfg(kPanel + "--right Zones.999.Function=5").status, 2);
}

// Ctrl-C while the panels are opened: status 130 and nothing on standard output.
TEST(VelcfgDiffTest, CtrlCEndsWith130AndPrintsNothing) {
    const ToolResult run = Interrupted(kPanel + "System.ExitTime=50");
    EXPECT_EQ(run.status, 130);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "velcfg: interrupted\n");
}

} // namespace
} // namespace VelTest
