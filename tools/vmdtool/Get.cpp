#include "Commands.h"
#include "ToolIO.h"

#include "ValidationFileCheck.h"

#include <vel/PVMDataFile.h>

namespace VmdTool {

namespace {

std::string withoutExtension(const std::string& name) {
    const std::string ext = ".vmd";
    if (name.size() > ext.size() && name.compare(name.size() - ext.size(), ext.size(), ext) == 0) {
        return name.substr(0, name.size() - ext.size());
    }
    return name;
}

} // namespace

int RunGet(const Args& args) {
    if (args.size() != 3) {
        return Fail("usage: vmdtool get FILE[.vmd] SECTION KEY");
    }
    const std::string base = withoutExtension(args[0]);
    Vel::CPVMDataFile file;
    {
        Vel::Tools::CReportCollector reports;
        file.SetFileName(base.c_str());
        if (!reports.Reports().empty()) {
            // The loader only says it could not open the file; tell the user why.
            const std::string problem = Vel::Tools::FirstValidationFileProblem({base + ".vmd"});
            return Fail(problem.empty() ? "cannot load '" + base + ".vmd'" : problem);
        }
    }
    Vel::CString value;
    if (!file.GetString(args[1].c_str(), args[2].c_str(), &value)) {
        return kExitNotFound;
    }
    PrintRaw(value.str() + "\n");
    return kExitOk;
}

} // namespace VmdTool
