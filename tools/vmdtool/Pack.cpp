#include "Commands.h"
#include "ToolIO.h"

#include <vel/PVMDataFile.h>

namespace VmdTool {

int RunPack(const Args& args) {
    if (args.size() != 2) {
        return Fail("usage: vmdtool pack SOURCE OUT.vmd");
    }
    std::string readable;
    std::string error;
    if (!ReadFile(args[0], readable, error)) {
        return Fail(error);
    }
    const std::string packed = Vel::CPVMDataFile::Pack(readable);
    // A file the loader would refuse is not worth writing.
    if (packed.size() > static_cast<std::size_t>(Vel::CPVMDataFile::kMaxFileBytes)) {
        return Fail("'" + args[0] + "' packs into " + std::to_string(packed.size()) +
                    " bytes, more than the " + std::to_string(Vel::CPVMDataFile::kMaxFileBytes) +
                    " a validation file may hold");
    }
    if (!WriteFile(args[1], packed, error)) {
        return Fail(error);
    }
    return kExitOk;
}

} // namespace VmdTool
