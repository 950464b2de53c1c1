#include "Commands.h"
#include "ToolIO.h"

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
    return kExitOk;
}

} // namespace VmdTool
