// A host of the installed library: finds the folder of libvel.so and reads a shipped
// validation file from beside it.
#include <vel/Assert.h>
#include <vel/PVMDataFile.h>
#include <vel/String.h>

#include <cstdio>
#include <dlfcn.h>
#include <string>

namespace {

struct CountingSink : Vel::CAssertSink {
    int count = 0;
    void Report(const Vel::CAssertReport& report) override {
        std::fprintf(stderr, "%s\n", report.ToLine().c_str());
        ++count;
    }
};

std::string libraryFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&Vel::SetAssertSink), &info) == 0 || !info.dli_fname) {
        return {};
    }
    const std::string path = info.dli_fname;
    return path.substr(0, path.rfind('/') + 1);
}

} // namespace

int main() {
    CountingSink sink;
    Vel::SetAssertSink(&sink);
    const std::string folder = libraryFolder();
    Vel::CPVMDataFile file;
    file.SetFileName((folder + "examples/Example").c_str());
    Vel::CString value;
    const bool found = file.GetString("zone.type", "maxnumber", &value);
    Vel::SetAssertSink(nullptr);
    std::printf("library folder %s: Zone.Type MaxNumber = %s\n", folder.c_str(), value.c_str());
    return found && sink.count == 0 && value == "12" ? 0 : 1;
}
