// velcfg site end to end on SQLite (a plain file path) and PostgreSQL (an ODBC text): every
// sub-command, refused values storing nothing, snapshots restoring values, purge leaving
// nothing, and the one-line errors of bad connections and missing sites.
#include "support/DbBackends.h"
#include "support/RunTool.h"
#include "support/Velcfg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace VelTest {
namespace {

namespace fs = std::filesystem;

// Every table and row; SQLite's own counter of given ids left out, since ids are not reused.
std::string dumpOf(ScratchDatabase& scratch) {
    const std::string dump = scratch.Dump();
    return dump.substr(0, dump.find("sqlite_sequence"));
}

class SiteWorkflowTest : public ScratchDbTest {
protected:
    void SetUp() override {
        ScratchDbTest::SetUp();
        m_db = GetParam() == DbBackend::SQLite ? (Folder() / "site.db").string() : Connect().str();
    }

    ToolResult Site(std::vector<std::string> args) {
        args.insert(args.begin(), {"site", "--db", m_db});
        return RunTool("velcfg", args);
    }
    // A new site of panel 69 version 610; its id.
    std::string NewSite() {
        const ToolResult run =
            Site({"create", "--type", "69", "--version", "610", "--name", "Depot"});
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out.substr(0, run.out.find('\n'));
    }
    std::string BellTime(const std::string& site) {
        return Site({"show", site, "--key", "System.BellTime"}).out;
    }

    std::string m_db;
};

TEST_P(SiteWorkflowTest, OneRefusedValueStoresNothing) {
    const std::string site = NewSite();
    const std::string before = BellTime(site);
    const ToolResult set = Site({"set", site, "System.BellTime=25", "System.BellTime=99"});
    EXPECT_EQ(set.status, 1);
    EXPECT_NE(set.err.find("System.BellTime=99 refused"), std::string::npos);
    EXPECT_EQ(BellTime(site), before);
}

TEST_P(SiteWorkflowTest, SnapshotUsedGivesBackTheValuesFromBefore) {
    const std::string site = NewSite();
    Site({"set", site, "System.BellTime=25"});
    const std::string snapshot = Site({"snapshot", "create", site}).out;
    const std::string id = snapshot.substr(0, snapshot.find('\n'));
    Site({"set", site, "System.BellTime=12"});
    EXPECT_NE(Site({"snapshot", "list", site}).out.find("\n" + id + " "), std::string::npos);
    const ToolResult diff = Site({"diff", site, "--snapshot", id, "--json"});
    EXPECT_EQ(diff.status, 1);
    EXPECT_NE(diff.out.find("Bell time"), std::string::npos);

    EXPECT_EQ(Site({"snapshot", "use", site, id}).status, 0);
    EXPECT_NE(BellTime(site).find("| 25 |"), std::string::npos);
    EXPECT_EQ(Site({"diff", site, "--snapshot", id}).status, 0);
    EXPECT_EQ(Site({"snapshot", "delete", site, id}).status, 0);
    EXPECT_EQ(Site({"snapshot", "use", site, id}).status, 1);
}

TEST_P(SiteWorkflowTest, PanelChangeIsAuditedAndListed) {
    const std::string site = NewSite();
    const ToolResult change = Site({"change-panel", site, "--type", "69", "--version", "650"});
    EXPECT_EQ(change.status, 0) << change.err;
    EXPECT_TRUE(HasLine(Site({"list"}).out, site + "        69     650  Depot"));
    EXPECT_NE(Site({"audit", site}).out.find("Depot"), std::string::npos);
}

TEST_P(SiteWorkflowTest, ExportAndReportWriteTheirFiles) {
    const std::string site = NewSite();
    Site({"set", site, "System.BellTime=25"});
    const fs::path xml = Folder() / "site.xml";
    const fs::path html = Folder() / "site.html";
    EXPECT_EQ(Site({"export", site, "--out", xml.string()}).status, 0);
    EXPECT_EQ(Site({"report", site, "--out", html.string()}).status, 0);
    EXPECT_NE(ReadWholeFile(xml).find("BellTime"), std::string::npos);
    EXPECT_NE(ReadWholeFile(html).find("<html"), std::string::npos);
}

TEST_P(SiteWorkflowTest, PurgeLeavesNothingOfTheSite) {
    Site({"list"});
    const std::string empty = dumpOf(*m_scratch);
    const std::string site = NewSite();
    Site({"set", site, "System.BellTime=25"});
    Site({"snapshot", "create", site});
    Site({"change-panel", site, "--type", "69", "--version", "650"});

    EXPECT_EQ(Site({"purge", site}).status, 0);
    EXPECT_EQ(dumpOf(*m_scratch), empty);
}

TEST_P(SiteWorkflowTest, MissingSiteIsRefusedInOneLine) {
    const ToolResult show = Site({"show", "4711"});
    EXPECT_EQ(show.status, 1);
    EXPECT_EQ(show.err, "velcfg: no site 4711 in '" + m_db + "'\n");
    EXPECT_EQ(Site({"purge", "4711"}).status, 1);
}

INSTANTIATE_TEST_SUITE_P(Backends, SiteWorkflowTest, kAllBackends, BackendName);

TEST(SiteCommandLine, BadConnectionIsASetupErrorInOneLine) {
    const ToolResult run =
        RunTool("velcfg", {"site", "--db", "Driver={No Such Driver};Database=x", "list"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
    EXPECT_NE(run.err.find("No Such Driver"), std::string::npos);
}

} // namespace
} // namespace VelTest
