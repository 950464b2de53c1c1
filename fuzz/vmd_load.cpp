// Loads arbitrary bytes as a scrambled validation file, then looks up what it may hold.
#include <vel/Assert.h>
#include <vel/PVMDataFile.h>

#include <cstddef>
#include <cstdint>

namespace {
struct SilentSink : Vel::CAssertSink {
    void Report(const Vel::CAssertReport&) override {}
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static SilentSink sink;
    Vel::SetAssertSink(&sink);
    Vel::CPVMDataFile file;
    const int length = size > 200000 ? 200000 : static_cast<int>(size);
    file.LoadScrambled("fuzz.vmd", reinterpret_cast<const char*>(data), length);
    Vel::CString value;
    file.GetString("A", "B", &value);
    file.SectionExist("A");
    return 0;
}
