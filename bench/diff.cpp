// The difference walk over two trees of the largest sample panel (a Tarvo third-series panel
// at 3.40, about 12,300 items) with 0, 10 and 1,000 changed values, per item, the same walk
// reporting progress, and the sorted iteration over every entry of the change tree it fills,
// next to the anchors: one walk of the same tree's key map, plain and with a look-up of every
// key in the other tree's map, one walk of a plain hash map of the same keys and nodes, and the
// matching of every item through the model (its unique key composed and looked up), and the
// floor under any exact walk: the calls it must make of every pair of nodes, with no matching.
#include "LargestPanel.h"

#include <vel/DataNumber.h>
#include <vel/DiffProgress.h>
#include <vel/VelDataChange.h>

#include "PerItem.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

using BenchPanel::OpenedPanel;

// Two equal trees, the right one with `changes` number items moved off their values.
struct SPair {
    explicit SPair(int changes) : left(OpenedPanel()), right(OpenedPanel()) {
        left->ForEachItem([&](Vel::CData&) { ++items; });
        right->ForEachItem([&](Vel::CData& item) {
            auto* number = dynamic_cast<Vel::CDataNumber*>(&item);
            if (changed < changes && number && !number->IsDisabled() &&
                !number->GetDataKey4Cmp().IsEmpty() &&
                (number->SetValue(number->GetValue() + 1) == 0 ||
                 number->SetValue(number->GetValue() - 1) == 0)) {
                ++changed;
            }
        });
    }

    int Diff(Vel::CVelDataChange& changes) {
        bool goOn = true;
        return left->Root().FindDifferencies(&right->Root(), &changes, &goOn, nullptr, true);
    }

    std::unique_ptr<Vel::Sample::CSamplePanel> left;
    std::unique_ptr<Vel::Sample::CSamplePanel> right;
    std::size_t items = 0;
    int changed = 0;
};

SPair& Pair(int changes) {
    static std::map<int, std::unique_ptr<SPair>> pairs;
    std::unique_ptr<SPair>& pair = pairs[changes];
    if (!pair) {
        pair = std::make_unique<SPair>(changes);
    }
    return *pair;
}

void BM_Diff(benchmark::State& state) {
    SPair& pair = Pair(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Vel::CVelDataChange changes("top");
        benchmark::DoNotOptimize(pair.Diff(changes));
        changes.DeleteRecursive();
    }
    PerItem(state, pair.items);
    state.counters["changed"] = pair.changed;
}
BENCHMARK(BM_Diff)->Arg(0)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);

// The same walk reporting progress to a host window: host code runs between screens, so the
// walk checks before each use that the other tree's map has not changed since it read it.
void BM_DiffWithProgress(benchmark::State& state) {
    SPair& pair = Pair(static_cast<int>(state.range(0)));
    bool goOn = true;
    Vel::CDiffProgress progress(pair.left->Root(), &goOn, [](int, int) { return true; });
    for (auto _ : state) {
        Vel::CVelDataChange changes("top");
        benchmark::DoNotOptimize(pair.left->Root().FindDifferencies(&pair.right->Root(), &changes,
                                                                    &goOn, &progress, true));
        changes.DeleteRecursive();
    }
    PerItem(state, pair.items);
}
BENCHMARK(BM_DiffWithProgress)->Arg(0)->Unit(benchmark::kMillisecond);

// Every entry of a subtree in sorted order; answers how many.
std::size_t WalkSorted(Vel::CVelDataChange& node) {
    std::size_t count = 0;
    while (Vel::CVelDataChange* entry = node.GetNextSorted(Vel::CVelDataChange::ALL_CHANGES)) {
        count += 1 + WalkSorted(*entry);
    }
    return count;
}

void BM_SortedIteration(benchmark::State& state) {
    SPair& pair = Pair(static_cast<int>(state.range(0)));
    Vel::CVelDataChange changes("top");
    pair.Diff(changes);
    std::size_t entries = 0;
    for (auto _ : state) {
        changes.ResetSorted();
        entries = WalkSorted(changes);
        benchmark::DoNotOptimize(entries);
    }
    changes.DeleteRecursive();
    // Per item of the tree, to compare with the diff that filled it.
    PerItem(state, pair.items);
    state.counters["entries"] = static_cast<double>(entries);
}
BENCHMARK(BM_SortedIteration)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_Anchor_KeyMapWalk(benchmark::State& state) {
    SPair& pair = Pair(0);
    const Vel::CItemMap& map = *pair.left->Root().GetAllItemsMap();
    for (auto _ : state) {
        for (const auto& [key, node] : map) {
            benchmark::DoNotOptimize(node);
        }
    }
    PerItem(state, pair.items);
}
BENCHMARK(BM_Anchor_KeyMapWalk)->Unit(benchmark::kMillisecond);

// The same walk over a plain hash map holding the same keys and nodes.
void BM_Anchor_HashMapWalk(benchmark::State& state) {
    SPair& pair = Pair(0);
    std::unordered_map<std::string, const void*> map;
    for (const auto& [key, node] : *pair.left->Root().GetAllItemsMap()) {
        map.emplace(key, node);
    }
    for (auto _ : state) {
        for (const auto& [key, node] : map) {
            benchmark::DoNotOptimize(node);
        }
    }
    PerItem(state, pair.items);
}
BENCHMARK(BM_Anchor_HashMapWalk)->Unit(benchmark::kMillisecond);

void BM_Anchor_KeyMapWalkWithLookUp(benchmark::State& state) {
    SPair& pair = Pair(0);
    const Vel::CItemMap& map = *pair.left->Root().GetAllItemsMap();
    const Vel::CItemMap& other = *pair.right->Root().GetAllItemsMap();
    for (auto _ : state) {
        for (const auto& [key, node] : map) {
            benchmark::DoNotOptimize(other.find(key));
        }
    }
    PerItem(state, pair.items);
}
BENCHMARK(BM_Anchor_KeyMapWalkWithLookUp)->Unit(benchmark::kMillisecond);

// What matching alone costs through the model: every item's unique key composed and looked
// up in the other tree, the floor under the walk's own work.
void BM_Anchor_MatchEveryItem(benchmark::State& state) {
    SPair& pair = Pair(0);
    std::vector<Vel::CData*> items;
    pair.left->ForEachItem([&](Vel::CData& item) { items.push_back(&item); });
    Vel::CDataValidationClient& other = pair.right->Root();
    for (auto _ : state) {
        for (Vel::CData* item : items) {
            benchmark::DoNotOptimize(other.FindItemByKey(item->GetItemUniqueKey(true)));
        }
    }
    PerItem(state, pair.items);
}
BENCHMARK(BM_Anchor_MatchEveryItem)->Unit(benchmark::kMillisecond);

// The calls an exact walk cannot leave out, as a host class may override each: whether either
// node of a pair is disabled and, for a pair of items, whether their values are equal. The
// pairs are taken by position, so no key is composed, matched or looked up, and nothing is
// entered in a change tree: what a diff costs beyond this is its matching and its own upkeep.
// `entries`, when given, is read one entry per pair in step with the walk: the least that
// matching through the other tree's key map adds, as every counterpart must be found there.
int PairedCalls(Vel::CDataValidationClient& left, Vel::CDataValidationClient& right,
                Vel::CItemMap::const_iterator* entries) {
    int met = 0;
    if (entries) {
        met = entries->advance().second == &right;
    }
    if (left.IsDisabled() || right.IsDisabled()) {
        return met;
    }
    const Vel::CDataValidationClientList& lefts = left.GetChildListRef();
    const Vel::CDataValidationClientList& rights = right.GetChildListRef();
    if (lefts.empty()) {
        return met + (left.IsDataType() && right.IsDataType() &&
                      !static_cast<Vel::CData&>(left).Compare(static_cast<Vel::CData*>(&right)));
    }
    for (std::size_t i = 0; i < lefts.size() && i < rights.size(); ++i) {
        met += PairedCalls(*lefts[i], *rights[i], entries);
    }
    return met;
}

void BM_Floor_PairedCalls(benchmark::State& state) {
    SPair& pair = Pair(0);
    const bool readMap = state.range(0) != 0;
    const Vel::CItemMap& map = *pair.right->Root().GetAllItemsMap();
    for (auto _ : state) {
        Vel::CItemMap::const_iterator entries = map.begin();
        benchmark::DoNotOptimize(
            PairedCalls(pair.left->Root(), pair.right->Root(), readMap ? &entries : nullptr));
    }
    PerItem(state, pair.items);
}
// 0: the calls alone; 1: with the other tree's key map read in step.
BENCHMARK(BM_Floor_PairedCalls)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
