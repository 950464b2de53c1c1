#include "Commands.h"
#include "ToolIO.h"
#include "ValidationFileCheck.h"

#include <vel/PVMDataFile.h>

namespace VmdTool {

int RunUnpack(const Args& args) {
    if (args.size() != 1) {
        return Fail("usage: vmdtool unpack FILE.vmd");
    }
    std::string packed;
    std::string error;
    if (!ReadFile(args[0], packed, error)) {
        return Fail(error);
    }
    std::string text;
    for (const std::string& entry : Vel::CPVMDataFile::Unpack(packed)) {
        text += entry;
        text += '\n';
    }
    PrintRaw(text);
    // What could be read is printed; the status still says the file is damaged.
    if (Vel::Tools::IsTruncatedPack(packed)) {
        return Fail("'" + args[0] + "' is truncated: its last entry has no end");
    }
    return kExitOk;
}

} // namespace VmdTool
