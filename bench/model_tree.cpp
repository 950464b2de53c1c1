// Panel changes and key look-ups over a tree of about 21,000 items, per item, next to the
// anchor: the same number of plain std::unordered_map look-ups of the same unique keys.
// Goal: a later panel change costs at most 3 times the anchor per item.
#include "support/ModelTrees.h"

#include "PerItem.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

using VelTest::TestManagers;
using VelTest::TestScreen;
using VelTest::TestTree;
using VelTest::TestZones;

constexpr int kType = 1;
constexpr int kScreens = 10;
constexpr int kZonesPerScreen = 700;

TestManagers& Managers() {
    static TestManagers* managers = [] {
        auto* created = new TestManagers;
        for (int version : {610, 620}) {
            created->AddVersion(kType, version, VelTest::StandardValidation());
        }
        return created;
    }();
    return *managers;
}

// The standard tree plus kScreens screens of kZonesPerScreen zones each.
struct WideTree {
    WideTree() {
        for (int i = 0; i < kScreens; ++i) {
            const Vel::CString key = Vel::CString::Formatted("Screen%d", i);
            screens.push_back(std::make_unique<TestScreen>(&tree.root, key));
            zones.push_back(std::make_unique<TestZones>(screens.back().get(), key + ".Zones",
                                                        Vel::CString::Formatted("Zones%d", i),
                                                        kZonesPerScreen));
        }
    }

    // Every node below the root.
    std::vector<Vel::CString> UniqueKeys() {
        tree.root.CreateKeyMap();
        std::vector<Vel::CString> keys;
        for (const auto& entry : *tree.root.GetAllItemsMap()) {
            keys.push_back(entry.first);
        }
        return keys;
    }

    TestTree tree{&Managers(), 1};
    std::vector<std::unique_ptr<TestScreen>> screens;
    std::vector<std::unique_ptr<TestZones>> zones;
};

void BM_FirstPanelChange(benchmark::State& state) {
    std::size_t items = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto tree = std::make_unique<WideTree>();
        state.ResumeTiming();
        benchmark::DoNotOptimize(tree->tree.root.ChangePanelVersion(kType, 610));
        state.PauseTiming();
        items = tree->UniqueKeys().size();
        tree.reset();
        state.ResumeTiming();
    }
    PerItem(state, items);
}
BENCHMARK(BM_FirstPanelChange)->Unit(benchmark::kMillisecond);

void BM_LaterPanelChange(benchmark::State& state) {
    WideTree tree;
    tree.tree.root.ChangePanelVersion(kType, 610);
    const std::size_t items = tree.UniqueKeys().size();
    int round = 0;
    for (auto _ : state) {
        // Alternates between two major versions, so every change binds another manager.
        benchmark::DoNotOptimize(tree.tree.root.ChangePanelVersion(kType, ++round % 2 ? 620 : 610));
    }
    PerItem(state, items);
}
BENCHMARK(BM_LaterPanelChange)->Unit(benchmark::kMillisecond);

void BM_FindItemByKey(benchmark::State& state) {
    WideTree tree;
    tree.tree.root.ChangePanelVersion(kType, 610);
    const std::vector<Vel::CString> keys = tree.UniqueKeys();
    for (auto _ : state) {
        for (const Vel::CString& key : keys) {
            benchmark::DoNotOptimize(tree.tree.root.FindItemByKey(key));
        }
    }
    PerItem(state, keys.size());
}
BENCHMARK(BM_FindItemByKey)->Unit(benchmark::kMillisecond);

void BM_Anchor_UnorderedMapLookup(benchmark::State& state) {
    WideTree tree;
    tree.tree.root.ChangePanelVersion(kType, 610);
    tree.UniqueKeys();
    std::unordered_map<std::string, const void*> map;
    std::vector<std::string> keys;
    for (const auto& [key, item] : *tree.tree.root.GetAllItemsMap()) {
        map.emplace(std::string(key), item);
        keys.emplace_back(key);
    }
    RunUnorderedMapAnchor(state, map, keys);
}
BENCHMARK(BM_Anchor_UnorderedMapLookup)->Unit(benchmark::kMillisecond);

} // namespace
