// Every operation that writes is all or nothing: failing its Nth ODBC call, for every N,
// makes it answer false or raise the database error, and leaves the database as it was.
// Taking a snapshot is covered inside UseRollback and the change to another major version.
#include "ServiceFixture.h"

#include <vel/DbException.h>
#include <vel/SelectFromFETables.h>

#include "OdbcCheck.h"

#include <functional>
#include <vector>

using namespace Vel;
using VelTest::kType;
using VelTest::kVersion;

namespace {

class ServiceFaultTest : public VelTest::ServiceTest {
protected:
    // Every call is failed once, each followed by a full dump: keep the tree small.
    ServiceFaultTest() { m_nZoneCount = 12; }

    // Runs `operation` with its Nth call failing for N = 1, 2, ... until it runs through
    // without reaching the fault, which it must then survive. The hook fails a call after the
    // driver has carried it out, so a fault at the last two calls (the COMMIT, with its
    // statement's allocation on SQLite) finds the data committed already: those are left out.
    // The connection is reused after a fault, as a workstation would.
    void ExpectAllOrNothing(const std::function<bool()>& operation) {
        const std::string before = Dump();
        std::vector<long> changed;
        long n = 1;
        for (;; ++n) {
            EnsureOpen();
            OdbcFailCallAt(n);
            bool answered = false;
            try {
                answered = operation();
            } catch (const CDbException&) {
                answered = false;
            }
            const bool faultReached = OdbcCheckedCalls() >= n;
            OdbcFailCallAt(0);
            if (!faultReached) {
                EXPECT_TRUE(answered) << "without a fault";
                break;
            }
            EXPECT_FALSE(answered) << "call " << n << " failed";
            if (Db()->IsOpen() && Db()->InTransaction()) {
                Db()->Rollback();
            }
            if (Dump() != before) {
                changed.push_back(n);
            }
        }
        const long commit = n - 2;
        std::erase_if(changed, [&](long call) { return call >= commit; });
        EXPECT_EQ(changed, std::vector<long>()) << "the database changed though the call failed";
    }

    unsigned long Snapshot(unsigned long site) {
        unsigned long rollback = 0;
        EXPECT_TRUE(m_service.CreateRollback(site, rollback, 1));
        return rollback;
    }
};

TEST_P(ServiceFaultTest, Store) {
    const unsigned long site = StoredSite();
    auto tree = NewTree(site);
    tree->exitTime.SetValue(9);
    tree->Zone(3).m_Delay.SetValue(12);
    ExpectAllOrNothing([&] { return m_service.StoreScreenDataVel2Db(&tree->root); });
}

TEST_P(ServiceFaultTest, UseRollback) {
    const unsigned long site = StoredSite(7, 2);
    const unsigned long rollback = Snapshot(site);
    auto tree = NewTree(site);
    tree->exitTime.SetValue(9);
    m_service.StoreScreenDataVel2Db(&tree->root);
    ExpectAllOrNothing([&] { return m_service.UseRollback(&tree->root, rollback); });
}

TEST_P(ServiceFaultTest, DeleteRollback) {
    const unsigned long rollback = Snapshot(StoredSite());
    ExpectAllOrNothing([&] { return m_service.DeleteRollback(rollback); });
}

TEST_P(ServiceFaultTest, PurgeSite) {
    const unsigned long site = StoredSite();
    Snapshot(site);
    Snapshot(site);
    ExpectAllOrNothing([&] { return m_service.PurgeSite(site); });
}

TEST_P(ServiceFaultTest, ChangePanelType) {
    const unsigned long site = StoredSite();
    SiteDetails_T details{};
    CSelectFromFETables().SelectSiteDetailsFromSiteID(&details, site);
    ExpectAllOrNothing([&] {
        auto tree = NewTree(site);
        SiteDetails_T changed = details;
        return m_service.ChangePanelType(&tree->root, &changed, kType + 1, 620, true);
    });
}

INSTANTIATE_TEST_SUITE_P(Backends, ServiceFaultTest, VelTest::kAllBackends, VelTest::BackendName);

} // namespace
