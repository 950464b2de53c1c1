// The main of every benchmark: glibc keeps what is freed instead of trimming the heap or
// unmapping large blocks, so no contender pays fresh page faults that another is spared.
// With --default_heap the allocator keeps its shipped settings, for figures "as shipped".
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstring>

int main(int argc, char** argv) {
    bool keepHeap = true;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--default_heap") == 0)
            keepHeap = false;
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    if (keepHeap) {
        mallopt(M_TRIM_THRESHOLD, 1 << 30);
        mallopt(M_MMAP_THRESHOLD, 1 << 30);
    }
    benchmark::AddCustomContext("heap", keepHeap ? "kept (no trim, no mmap)" : "glibc defaults");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
