// Snapshots of the largest sample site (a Tarvo third-series panel at 3.40) on SQLite and on
// PostgreSQL, in ms: taking one (CreateRollback) and putting one back (UseRollback), next to
// the anchor, a whole store of the same site in one transaction. Needs the PostgreSQL test
// server (ctest starts it; or scripts/pg-test-server.sh start build/pg).
#include "LargestPanel.h"
#include "support/DbBackends.h"

#include <vel/DatabaseManager.h>
#include <vel/SelectFromFETables.h>
#include <vel/SiteDbSupport.h>
#include <vel/UpdateFETables.h>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <map>
#include <memory>

namespace {

using BenchPanel::kType;
using BenchPanel::kVersion;

Vel::CDatabaseEx* Db() {
    return Vel::CDatabaseManager::Instance().GetDatabase();
}

// One stored sample site per backend, made once and shared by the benchmarks.
struct Site {
    std::unique_ptr<VelTest::ScratchDatabase> scratch;
    std::unique_ptr<Vel::Sample::CSamplePanel> panel;
    unsigned long siteId = 0;
    bool ready = false;
};

Site& SiteOn(VelTest::DbBackend backend, benchmark::State& state) {
    static std::map<VelTest::DbBackend, Site> sites;
    if (sites.empty()) {
        // The connection closes before the sites' scratch databases go.
        std::atexit([] { Db()->Close(); });
    }
    Site& site = sites[backend];
    if (!site.scratch) {
        site.scratch = std::make_unique<VelTest::ScratchDatabase>(backend);
        if (site.scratch->Connect().IsEmpty()) {
            return site;
        }
        Db()->Open(site.scratch->Connect());
        site.panel = BenchPanel::OpenedPanel();
        Vel::CSiteDbSupport service;
        service.CreateTables(&site.panel->Root());
        Vel::SiteDetails_T details{};
        details.panelType = kType;
        details.panelVersion = kVersion;
        Vel::CUpdateFETables().InsertIntoSiteDetails(&details);
        site.siteId = details.siteId;
        site.panel->Root().SetSiteID(static_cast<long>(site.siteId));
        site.ready = service.StoreScreenDataVel2Db(&site.panel->Root());
    }
    if (!site.ready) {
        state.SkipWithError("no database for this backend");
    } else {
        Db()->Open(site.scratch->Connect());
    }
    return site;
}

VelTest::DbBackend BackendOf(const benchmark::State& state) {
    return state.range(0) == 0 ? VelTest::DbBackend::SQLite : VelTest::DbBackend::PostgreSQL;
}

void Label(benchmark::State& state) {
    state.SetLabel(state.range(0) == 0 ? "SQLite" : "PostgreSQL");
}

void BM_WholeStore(benchmark::State& state) {
    Site& site = SiteOn(BackendOf(state), state);
    Vel::CSiteDbSupport service;
    for (auto _ : state) {
        Db()->BeginTrans();
        service.StoreScreenDataVel2DbAsSiteTransLess(&site.panel->Root(),
                                                     static_cast<long>(site.siteId));
        Db()->CommitTrans();
    }
    Label(state);
}

void BM_CreateRollback(benchmark::State& state) {
    Site& site = SiteOn(BackendOf(state), state);
    Vel::CSiteDbSupport service;
    for (auto _ : state) {
        unsigned long rollback = 0;
        service.CreateRollback(site.siteId, rollback, 1);
        state.PauseTiming();
        service.DeleteRollback(rollback);
        state.ResumeTiming();
    }
    Label(state);
}

void BM_UseRollback(benchmark::State& state) {
    Site& site = SiteOn(BackendOf(state), state);
    Vel::CSiteDbSupport service;
    unsigned long snapshot = 0;
    service.CreateRollback(site.siteId, snapshot, 1);
    for (auto _ : state) {
        service.UseRollback(&site.panel->Root(), snapshot);
        state.PauseTiming();
        // Every use keeps the state before it as a snapshot of its own.
        Vel::CSiteRollbackList rollbacks;
        Vel::CSelectFromFETables().SelectRollbacksForSiteID(static_cast<long>(site.siteId),
                                                            rollbacks);
        if (!rollbacks.empty()) {
            service.DeleteRollback(rollbacks.back().rollbackSiteId);
        }
        state.ResumeTiming();
    }
    service.DeleteRollback(snapshot);
    Label(state);
}

BENCHMARK(BM_WholeStore)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateRollback)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UseRollback)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
