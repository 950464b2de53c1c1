// A host of the installed library: the registry finds the validation files in vel/ beside
// the installed libvel.so and answers from them without any report.
#include <vel/Assert.h>
#include <vel/ValidationManagerList.h>

#include <cstdio>

namespace {

struct CountingSink : Vel::CAssertSink {
    int count = 0;
    void Report(const Vel::CAssertReport& report) override {
        std::fprintf(stderr, "%s\n", report.ToLine().c_str());
        ++count;
    }
};

} // namespace

int main() {
    CountingSink sink;
    Vel::SetAssertSink(&sink);
    Vel::CValidationManager* manager =
        Vel::CValidationManagerList::Instance().AccessValidationManager(66, 650);
    const long bellTime = manager ? manager->GetMaxNumber("System.BellTime") : -1;
    Vel::CValidationManagerList::CleanUp();
    Vel::SetAssertSink(nullptr);
    std::printf("validation folder %s: System.BellTime MaxNumber = %ld\n",
                Vel::CValidationManagerList::GetValidationFolder().c_str(), bellTime);
    return sink.count == 0 && bellTime == 20 ? 0 : 1;
}
