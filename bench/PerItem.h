// Shared by the tree benchmarks: per-item counters and the plain hash-map anchor.
#pragma once

#include <benchmark/benchmark.h>

#include <string>
#include <unordered_map>
#include <vector>

// Reports the time per item of a run that visits `items` items per iteration.
inline void PerItem(benchmark::State& state, std::size_t items) {
    state.counters["per_item"] =
        benchmark::Counter(static_cast<double>(items) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["items"] = static_cast<double>(items);
}

// The anchor: one plain std::unordered_map look-up per key, the same keys a tree answers.
inline void RunUnorderedMapAnchor(benchmark::State& state,
                                  const std::unordered_map<std::string, const void*>& map,
                                  const std::vector<std::string>& keys) {
    for (auto _ : state) {
        for (const std::string& key : keys) {
            benchmark::DoNotOptimize(map.find(key));
        }
    }
    PerItem(state, keys.size());
}
