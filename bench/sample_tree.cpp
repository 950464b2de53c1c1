// The largest sample tree (a Tarvo third-series panel at 3.40, about 12,300 items): building
// it with its first panel change, and a later panel change to another panel type, per item,
// next to two anchors: as many plain std::unordered_map look-ups of the items' unique keys,
// and a walk doing the same work with plain containers (a limits record per data key, the
// value brought within its limits). BM_Memory counts the heap bytes per item of a tree with
// its key map against an std::unordered_map<std::string, std::string> of the same keys and
// values. Goals: later change at most 2x the look-up anchor; memory at most 1.6x the map's.
#include "LargestPanel.h"

#include "PerItem.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

using BenchPanel::kType;
using BenchPanel::kVersion;
using BenchPanel::OpenedPanel;
constexpr int kOtherType = 99; // same files and sizes, another validation manager

std::vector<std::string> ItemKeys(Vel::Sample::CSamplePanel& panel) {
    std::vector<std::string> keys;
    panel.ForEachItem([&](Vel::CData& item) { keys.push_back(item.GetItemUniqueKey(true).str()); });
    return keys;
}

void BM_BuildAndFirstPanelChange(benchmark::State& state) {
    std::size_t items = 0;
    for (auto _ : state) {
        auto panel = OpenedPanel();
        state.PauseTiming();
        items = ItemKeys(*panel).size();
        panel.reset();
        state.ResumeTiming();
    }
    PerItem(state, items);
}
BENCHMARK(BM_BuildAndFirstPanelChange)->Unit(benchmark::kMillisecond);

void BM_LaterPanelChange(benchmark::State& state) {
    auto panel = OpenedPanel();
    const std::size_t items = ItemKeys(*panel).size();
    int round = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            panel->Root().ChangePanelVersion(++round % 2 ? kOtherType : kType, kVersion));
    }
    PerItem(state, items);
}
BENCHMARK(BM_LaterPanelChange)->Unit(benchmark::kMillisecond);

void BM_Anchor_UnorderedMapLookup(benchmark::State& state) {
    auto panel = OpenedPanel();
    const std::vector<std::string> keys = ItemKeys(*panel);
    std::unordered_map<std::string, const void*> map;
    for (const std::string& key : keys) {
        map.emplace(key, panel->Root().FindItemByKey(key.c_str()));
    }
    RunUnorderedMapAnchor(state, map, keys);
}
BENCHMARK(BM_Anchor_UnorderedMapLookup)->Unit(benchmark::kMillisecond);

// Limits as a panel change reads them: one record per data key.
struct Limits {
    long minimum = 0;
    long maximum = 0;
    std::string defaultText;
    bool disabled = false;
};

void BM_Anchor_SameWorkWalk(benchmark::State& state) {
    auto panel = OpenedPanel();
    struct Item {
        std::string dataKey;
        std::string value;
        bool disabled = false;
    };
    std::vector<Item> items;
    std::unordered_map<std::string, Limits> records;
    panel->ForEachItem([&](Vel::CData& item) {
        items.push_back({item.GetDataKey().str(), item.GetValueString().str()});
        Limits& limits = records[items.back().dataKey];
        limits.maximum = 16;
        limits.defaultText = "0";
    });
    for (auto _ : state) {
        for (Item& item : items) {
            const Limits& limits = records.find(item.dataKey)->second;
            item.disabled = limits.disabled;
            if (static_cast<long>(item.value.size()) < limits.minimum)
                item.value = limits.defaultText;
            if (static_cast<long>(item.value.size()) > limits.maximum)
                item.value.resize(static_cast<std::size_t>(limits.maximum));
        }
        benchmark::DoNotOptimize(items.data());
    }
    PerItem(state, items.size());
}
BENCHMARK(BM_Anchor_SameWorkWalk)->Unit(benchmark::kMillisecond);

std::size_t HeapInUse() {
    return mallinfo2().uordblks;
}

// Heap bytes per item of a second tree (the validation files and records are then shared
// and already loaded) and of the plain map; one iteration measures, the rest repeat it.
void BM_Memory(benchmark::State& state) {
    auto first = OpenedPanel();
    std::size_t items = 0;
    double treeBytes = 0;
    double mapBytes = 0;
    for (auto _ : state) {
        const std::size_t before = HeapInUse();
        auto panel = OpenedPanel();
        const std::size_t withTree = HeapInUse();
        std::unordered_map<std::string, std::string> map;
        panel->ForEachItem([&](Vel::CData& item) {
            map.emplace(item.GetItemUniqueKey(true).str(), item.GetValueString().str());
        });
        const std::size_t withMap = HeapInUse();
        items = map.size();
        treeBytes = static_cast<double>(withTree - before);
        mapBytes = static_cast<double>(withMap - withTree);
    }
    state.counters["tree_bytes_per_item"] = treeBytes / static_cast<double>(items);
    state.counters["map_bytes_per_item"] = mapBytes / static_cast<double>(items);
    state.counters["ratio"] = treeBytes / std::max(mapBytes, 1.0);
    state.counters["items"] = static_cast<double>(items);
}
BENCHMARK(BM_Memory)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
