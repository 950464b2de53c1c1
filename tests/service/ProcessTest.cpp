// Workstations are processes: one killed in the middle of a store loses nothing, and two
// storing different sites into one database at once both land.
#include "ServiceFixture.h"
#include "support/Velcfg.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

using namespace Vel;
using VelTest::kType;
using VelTest::kVersion;

namespace {

// A screen that ends its process when the walk reaches it.
class KillingScreen : public VelTest::TestScreen {
public:
    explicit KillingScreen(CDataValidationClient* parent) : TestScreen(parent, "Kill") {}
    bool StoreScreenToDb(CDatabase*, bool) override {
        raise(SIGKILL);
        return false;
    }
};

// Runs `work` in a child process with its own connection; answers the child's exit status.
template <class Work> pid_t Spawn(Work work) {
    const pid_t pid = fork();
    if (pid == 0) {
        int code = 3;
        try {
            code = work() ? 0 : 1;
        } catch (...) {
            code = 2;
        }
        _exit(code);
    }
    return pid;
}

int WaitFor(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

class ServiceProcessTest : public VelTest::ServiceTest {
protected:
    // The zone levels of the site as stored, one digit each.
    std::string ZoneLevels(unsigned long site) {
        EnsureOpen();
        auto tree = NewTree(site);
        bool notInDb = true;
        m_service.LoadScreenDataDb2Vel(&tree->root, notInDb, false);
        std::string levels;
        for (int i = 0; i < tree->zones.GetSize(); ++i) {
            levels += std::to_string(tree->Zone(i).m_Level.GetValue());
        }
        return levels;
    }
};

// The file of an embedded database; a server keeps its own files.
class EmbeddedProcessTest : public ServiceProcessTest {};

TEST_P(EmbeddedProcessTest, KilledStoreLeavesTheFileAsBefore) {
    const unsigned long site = StoredSite(7, 2);
    Db()->Close(); // the child opens its own
    const std::filesystem::path file = Folder() / "site.db";
    const std::string before = VelTest::ReadWholeFile(file);
    const std::string dump = Dump();

    const pid_t child = Spawn([&] {
        Db()->Open(Connect());
        // Large enough that the store spills pages into the file before it is killed.
        auto tree = NewTree(site, kVersion, 5000);
        for (int i = 0; i < tree->zones.GetSize(); ++i) {
            tree->Zone(i).m_Delay.SetValue(15);
        }
        tree->exitTime.SetValue(3);
        KillingScreen kill(&tree->root);
        return m_service.StoreScreenDataVel2Db(&tree->root);
    });
    const int status = WaitFor(child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(SIGKILL, WTERMSIG(status));

    // Reading recovers from the journal the child left; then the file is as it was.
    EXPECT_EQ(dump, Dump());
    EXPECT_EQ(before, VelTest::ReadWholeFile(file));
}

TEST_P(ServiceProcessTest, TwoWorkstationsStoreDifferentSitesAtOnce) {
    const unsigned long first = NewSite(kType, kVersion);
    const unsigned long second = NewSite(kType, kVersion);
    Db()->Close();
    int gate[2];
    ASSERT_EQ(0, pipe(gate));
    std::vector<pid_t> children;
    for (const auto& [site, level] : {std::pair{first, 2}, std::pair{second, 3}}) {
        children.push_back(Spawn([&, site = site, level = level] {
            close(gate[1]);
            Db()->Open(Connect());
            auto tree = NewTree(site);
            for (int i = 0; i < tree->zones.GetSize(); ++i) {
                tree->Zone(i).m_Level.SetValue(level);
            }
            char go = 0;
            (void)read(gate[0], &go, 1); // both start when the gate closes
            return m_service.StoreScreenDataVel2Db(&tree->root);
        }));
    }
    close(gate[0]);
    close(gate[1]);
    for (const pid_t child : children) {
        const int status = WaitFor(child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(0, WEXITSTATUS(status));
    }
    EXPECT_EQ("22222222222222222222", ZoneLevels(first));
    EXPECT_EQ("33333333333333333333", ZoneLevels(second));
}

INSTANTIATE_TEST_SUITE_P(Embedded, EmbeddedProcessTest, testing::Values(VelTest::DbBackend::SQLite),
                         VelTest::BackendName);
INSTANTIATE_TEST_SUITE_P(Backends, ServiceProcessTest, VelTest::kAllBackends, VelTest::BackendName);

} // namespace
