// vmdtool: packs readable validation sources into scrambled .vmd files and reads them back.
#include "Commands.h"
#include "ToolIO.h"

#include <cstdio>
#include <string>

namespace {

constexpr const char* kUsage = "usage: vmdtool pack SOURCE OUT.vmd\n"
                               "       vmdtool unpack FILE.vmd\n"
                               "       vmdtool get FILE[.vmd] SECTION KEY\n"
                               "       vmdtool query ...\n"
                               "       vmdtool --help\n"
                               "\n"
                               "pack    scrambles SOURCE, one entry per line, into OUT.vmd\n"
                               "unpack  prints the entries of FILE.vmd, one per line\n"
                               "get     prints the value of KEY in SECTION (exit 1 if absent)\n"
                               "Exit status 2 on usage errors and unreadable files.\n";

struct Command {
    const char* name;
    int (*run)(const VmdTool::Args&);
};

constexpr Command kCommands[] = {
    {"pack", VmdTool::RunPack},
    {"unpack", VmdTool::RunUnpack},
    {"get", VmdTool::RunGet},
    {"query", VmdTool::RunQuery},
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return VmdTool::kExitFailure;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        std::fputs(kUsage, stdout);
        return VmdTool::kExitOk;
    }
    const VmdTool::Args args(argv + 2, argv + argc);
    for (const Command& command : kCommands) {
        if (name == command.name) {
            return command.run(args);
        }
    }
    return VmdTool::Fail("unknown command '" + name + "' (try vmdtool --help)");
}
