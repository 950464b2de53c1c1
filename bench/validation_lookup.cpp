// Element look-up cost of the validation manager: a look-up that climbs a three-level
// "Parent" chain and GetChoices with exclusions against the parent's list, next to the
// single-section look-up as anchor.
#include <vel/PVMDataFile.h>
#include <vel/ValidationManager.h>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

std::string readable() {
    std::string text =
        "[Single]\nMaxNumber = 99\n"
        "[Leaf]\nParent = Mid\n[Mid]\nParent = Top\n[Top]\nMaxNumber = 99\n"
        "[Types]\nChoices = 0..31\n[Excluding]\nParent = Types\nChoices = \\3,\\5,\\7\n";
    // Sections of a realistic file around the measured ones.
    for (int i = 0; i < 300; ++i) {
        text += "[Filler." + std::to_string(i) + "]\nMaxNumber = 1\nMinNumber = 0\nDefault = 0\n";
    }
    return text;
}

void write(const std::filesystem::path& file, const std::string& readableText) {
    std::ofstream(file, std::ios::binary) << Vel::CPVMDataFile::Pack(readableText);
}

class CBenchManager : public Vel::CValidationManager {
public:
    explicit CBenchManager(const std::filesystem::path& folder) {
        write(folder / "Map.vmd", "[Model]\nV1 = Data\n[VariantConfiguration]\nV1 = Data\n");
        write(folder / "Data.vmd", readable());
        SetPath((folder.string() + "/").c_str());
        LoadTypeVerMap("Map");
        InitPanelVersion(1, 1);
    }

protected:
    Vel::CString GetMapPvmFileVer(int, int) const override { return "V1"; }
    Vel::CString GetMapPvmFileType(int) const override { return "Model"; }
};

struct Fixture {
    Fixture() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vel-bench-XXXXXX").string();
        folder = mkdtemp(pattern.data()) ? pattern : std::string();
        manager = std::make_unique<CBenchManager>(folder);
    }
    ~Fixture() { std::filesystem::remove_all(folder); }
    std::filesystem::path folder;
    std::unique_ptr<CBenchManager> manager;
};

Fixture& fixture() {
    static Fixture instance;
    return instance;
}

void BM_SingleSectionLookup(benchmark::State& state) {
    const auto& m = *fixture().manager;
    const Vel::CString key("Single");
    for (auto _ : state) {
        benchmark::DoNotOptimize(m.GetMaxNumber(key));
    }
}
BENCHMARK(BM_SingleSectionLookup);

void BM_ThreeLevelParentLookup(benchmark::State& state) {
    const auto& m = *fixture().manager;
    const Vel::CString key("Leaf");
    if (m.GetMaxNumber(key) != 99) {
        state.SkipWithError("chain not resolved");
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(m.GetMaxNumber(key));
    }
}
BENCHMARK(BM_ThreeLevelParentLookup);

void BM_ChoicesWithExclusions(benchmark::State& state) {
    const auto& m = *fixture().manager;
    const Vel::CString key("Excluding");
    if (m.GetChoices(key).size() != 29) {
        state.SkipWithError("exclusions not applied");
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(m.GetChoices(key));
    }
}
BENCHMARK(BM_ChoicesWithExclusions);

} // namespace
