// Loading a validation file and looking values up, against two anchors measured in the same
// run: one XOR pass over the same bytes (the least any loader must do) and a straightforward
// loader doing the same work with nested std::unordered_maps: unscramble, split, trim, cut
// comments, fold names to upper case, store, and free it all again.
// Goals: BM_LoadInMemory at most BM_AnchorSameWork; BM_Lookup at most 100 ns.
#include <vel/Assert.h>
#include <vel/PVMDataFile.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

struct Fixture {
    std::string readable;
    std::string packed;
    std::string path;                                       // without extension
    std::vector<std::pair<std::string, std::string>> names; // section, key as written

    Fixture() {
        static const char* const kKeys[] = {"MaxNumber", "MinNumber", "Default",  "Choices",
                                            "ReadOnly",  "Disabled",  "MaxChars", "AllowedChars"};
        for (int section = 0;; ++section) {
            std::string block = "; zone " + std::to_string(section) + " settings\n";
            const std::string name =
                "Zone" + std::to_string(section % 97) + ".Field" + std::to_string(section);
            block += "[" + name + "]\n";
            for (const char* key : kKeys) {
                block +=
                    std::string(key) + " = " + std::to_string(section * 7 % 1000) + "  ; note\n";
                names.emplace_back(name, key);
            }
            if (readable.size() + block.size() >= 99000) {
                break;
            }
            readable += block;
        }
        names.resize(names.size() - std::size(kKeys)); // the block that did not fit
        packed = Vel::CPVMDataFile::Pack(readable);
        path = (std::filesystem::temp_directory_path() / "vel-bench-vmd_load").string();
        std::ofstream(path + ".vmd", std::ios::binary) << packed;
    }
    ~Fixture() { std::remove((path + ".vmd").c_str()); }
};

const Fixture& fixture() {
    static const Fixture instance;
    return instance;
}

void BM_LoadFile(benchmark::State& state) {
    const Fixture& f = fixture();
    for (auto _ : state) {
        Vel::CPVMDataFile file;
        file.SetFileName(f.path.c_str());
        benchmark::DoNotOptimize(file);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.packed.size()));
}
BENCHMARK(BM_LoadFile);

void BM_LoadInMemory(benchmark::State& state) {
    const Fixture& f = fixture();
    for (auto _ : state) {
        Vel::CPVMDataFile file;
        file.LoadScrambled("bench.vmd", f.packed.data(), static_cast<int>(f.packed.size()));
        benchmark::DoNotOptimize(file);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.packed.size()));
}
BENCHMARK(BM_LoadInMemory);

void BM_AnchorXorPass(benchmark::State& state) {
    const Fixture& f = fixture();
    std::string buffer = f.packed;
    for (auto _ : state) {
        for (char& ch : buffer) {
            ch = static_cast<char>(ch ^ 0xA6);
        }
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.packed.size()));
}
BENCHMARK(BM_AnchorXorPass);

constexpr std::string_view kBlank = " \t\r\n\v\f";

std::string_view TrimmedLeft(std::string_view text) {
    return text.substr(std::min(text.find_first_not_of(kBlank), text.size()));
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kBlank);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlank) - first + 1);
}

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& ch : out) {
        if (ch >= 'a' && ch <= 'z') {
            ch = static_cast<char>(ch - 'a' + 'A');
        }
    }
    return out;
}

void BM_AnchorSameWork(benchmark::State& state) {
    const Fixture& f = fixture();
    for (auto _ : state) {
        std::string text = f.packed;
        for (char& ch : text) {
            ch = static_cast<char>(ch ^ Vel::CPVMDataFile::kScrambleKey);
        }
        std::unordered_map<std::string, std::unordered_map<std::string, std::string>> sections;
        std::unordered_map<std::string, std::string>* current = nullptr;
        std::size_t pos = 0;
        while (pos < text.size()) {
            auto end = text.find('\0', pos);
            if (end == std::string::npos) {
                end = text.size();
            }
            std::string_view entry = Trimmed(std::string_view(text).substr(pos, end - pos));
            pos = end + 1;
            entry = entry.substr(0, entry.find(';'));
            if (entry.size() >= 2 && entry.front() == '[' && entry.back() == ']') {
                current = &sections[Upper(entry.substr(1, entry.size() - 2))];
                continue;
            }
            const auto eq = entry.find('=');
            if (current && eq != std::string_view::npos && eq > 0) {
                (*current)[Upper(Trimmed(entry.substr(0, eq)))] =
                    std::string(TrimmedLeft(entry.substr(eq + 1)));
            }
        }
        benchmark::DoNotOptimize(sections);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.packed.size()));
}
BENCHMARK(BM_AnchorSameWork);

// Random look-ups of stored entries, each name in a random mix of letter cases.
void BM_Lookup(benchmark::State& state) {
    const Fixture& f = fixture();
    Vel::CPVMDataFile file;
    file.SetFileName(f.path.c_str());
    std::mt19937 random(42);
    auto mixCase = [&random](std::string text) {
        for (char& ch : text) {
            if (random() % 2) {
                ch = static_cast<char>(ch >= 'a' && ch <= 'z'   ? ch - 32
                                       : ch >= 'A' && ch <= 'Z' ? ch + 32
                                                                : ch);
            }
        }
        return Vel::CString(text);
    };
    std::vector<std::pair<Vel::CString, Vel::CString>> queries;
    for (int i = 0; i < 4096; ++i) {
        const auto& name = f.names[random() % f.names.size()];
        queries.emplace_back(mixCase(name.first), mixCase(name.second));
    }
    Vel::CString value;
    std::size_t i = 0;
    benchmark::IterationCount found = 0;
    for (auto _ : state) {
        const auto& query = queries[i++ & 4095];
        found += file.GetString(query.first, query.second, &value);
        benchmark::DoNotOptimize(value);
    }
    if (found != state.iterations()) {
        state.SkipWithError("a stored entry was not found");
    }
}
BENCHMARK(BM_Lookup);

} // namespace
