// velcfg diff run as a real process: the listing, the mask, JSON, and Ctrl-C.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace VelTest {
namespace {

struct ToolResult {
    int status = -1; // exit status; -1 when velcfg did not exit by itself
    std::string out;
    std::string err;
};

std::string ReadAll(FILE* file) {
    std::string text;
    char buffer[4096];
    std::rewind(file);
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
        text.append(buffer, got);
    }
    std::fclose(file);
    return text;
}

// Runs ./velcfg (the tests run in the output folder). With `interrupt`, SIGINT is sent at
// once while still blocked in the child, so velcfg takes it as soon as it listens for it.
ToolResult RunTool(const std::vector<std::string>& args, bool interrupt = false) {
    FILE* out = std::tmpfile();
    FILE* err = std::tmpfile();
    std::vector<char*> argv = {const_cast<char*>("velcfg")};
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    // Blocked before the fork, so the child starts with SIGINT blocked.
    sigset_t blocked;
    sigset_t previous;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGINT);
    sigprocmask(interrupt ? SIG_BLOCK : SIG_UNBLOCK, &blocked, &previous);
    const pid_t child = fork();
    if (child == 0) {
        dup2(fileno(out), STDOUT_FILENO);
        dup2(fileno(err), STDERR_FILENO);
        execv("./velcfg", argv.data());
        _exit(127);
    }
    sigprocmask(SIG_SETMASK, &previous, nullptr);
    if (interrupt) {
        kill(child, SIGINT);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ToolResult result;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadAll(out);
    result.err = ReadAll(err);
    return result;
}

const std::vector<std::string> kPanel = {"diff", "--type", "101", "--version", "340"};

std::vector<std::string> Args(std::vector<std::string> more) {
    std::vector<std::string> args = kPanel;
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(VelcfgDiffTest, ValuesOfBothSidesAreListedByScreenAndElementInOrder) {
    const ToolResult run = RunTool(Args({"System.ExitTime=50", "Zones.12.Function=5", "--right",
                                         "Zones.7.Function=5", "--right", "System.BellTime=3"}));
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
    const ToolResult run = RunTool({"diff", "--type", "65", "--version", "610", "--to-type", "67",
                                    "--to-version", "650", "--only", "right"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("+ Zone: 64 x <...> | 96 x <...>\n"), std::string::npos);
    EXPECT_EQ(run.out.find("- "), std::string::npos);
    EXPECT_EQ(run.out.find("* "), std::string::npos);
}

TEST(VelcfgDiffTest, JsonNestsTheEntries) {
    const ToolResult run = RunTool(Args({"--json", "--right", "Zones.7.Function=5"}));
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
    EXPECT_EQ(RunTool(Args({"--only", "both"})).err,
              "velcfg: --only takes left, right or changed, not 'both'\n");
    EXPECT_EQ(RunTool(Args({"--right", "Zones.999.Function=5"})).status, 2);
}

// Ctrl-C while the panels are opened: status 130 and nothing on standard output.
TEST(VelcfgDiffTest, CtrlCEndsWith130AndPrintsNothing) {
    const ToolResult run = RunTool(Args({"System.ExitTime=50"}), true);
    EXPECT_EQ(run.status, 130);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "velcfg: interrupted\n");
}

} // namespace
} // namespace VelTest
