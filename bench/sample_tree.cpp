// The largest sample tree (a Tarvo third-series panel at 3.40, about 12,300 items): building
// it with its first panel change, and a later panel change to another panel type, per item,
// next to the anchor: as many plain std::unordered_map look-ups of the items' unique keys.
#include "SamplePanel.h"

#include <vel/FileLangText.h>

#include "PerItem.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

constexpr int kVersion = 340;
constexpr int kType = 101;
constexpr int kOtherType = 99; // same files and sizes, another validation manager

// String items take their default texts from the root's provider; an empty one will do.
Vel::CFileLangText& Texts() {
    static Vel::CFileLangText texts;
    return texts;
}

std::unique_ptr<Vel::Sample::CSamplePanel> OpenedPanel(int type) {
    auto panel = std::make_unique<Vel::Sample::CSamplePanel>(type);
    panel->Root().SetLanguageClass(&Texts());
    panel->Open(type, kVersion);
    return panel;
}

std::vector<std::string> ItemKeys(Vel::Sample::CSamplePanel& panel) {
    std::vector<std::string> keys;
    panel.ForEachItem([&](Vel::CData& item) { keys.push_back(item.GetItemUniqueKey(true).str()); });
    return keys;
}

void BM_BuildAndFirstPanelChange(benchmark::State& state) {
    std::size_t items = 0;
    for (auto _ : state) {
        auto panel = OpenedPanel(kType);
        state.PauseTiming();
        items = ItemKeys(*panel).size();
        panel.reset();
        state.ResumeTiming();
    }
    PerItem(state, items);
}
BENCHMARK(BM_BuildAndFirstPanelChange)->Unit(benchmark::kMillisecond);

void BM_LaterPanelChange(benchmark::State& state) {
    auto panel = OpenedPanel(kType);
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
    auto panel = OpenedPanel(kType);
    const std::vector<std::string> keys = ItemKeys(*panel);
    std::unordered_map<std::string, const void*> map;
    for (const std::string& key : keys) {
        map.emplace(key, panel->Root().FindItemByKey(key.c_str()));
    }
    RunUnorderedMapAnchor(state, map, keys);
}
BENCHMARK(BM_Anchor_UnorderedMapLookup)->Unit(benchmark::kMillisecond);

} // namespace
