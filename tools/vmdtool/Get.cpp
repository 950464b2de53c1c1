#include "Commands.h"
#include "ToolIO.h"

#include <vel/PVMDataFile.h>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace VmdTool {

namespace {

std::string withoutExtension(const std::string& name) {
    const std::string ext = ".vmd";
    if (name.size() > ext.size() && name.compare(name.size() - ext.size(), ext.size(), ext) == 0) {
        return name.substr(0, name.size() - ext.size());
    }
    return name;
}

// The loader only says it could not open the file; tell the user why.
std::string describeUnloadable(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return "cannot open '" + path + "': " + std::strerror(errno);
    }
    if (S_ISREG(info.st_mode) && info.st_size > Vel::CPVMDataFile::kMaxFileBytes) {
        return "'" + path + "' is " + std::to_string(info.st_size) + " bytes, more than the " +
               std::to_string(Vel::CPVMDataFile::kMaxFileBytes) + " a validation file may hold";
    }
    return "cannot open '" + path + "'";
}

} // namespace

int RunGet(const Args& args) {
    if (args.size() != 3) {
        return Fail("usage: vmdtool get FILE[.vmd] SECTION KEY");
    }
    const std::string base = withoutExtension(args[0]);
    Vel::CPVMDataFile file;
    {
        ReportCatcher reports;
        file.SetFileName(base.c_str());
        if (reports.Any()) {
            return Fail(describeUnloadable(base + ".vmd"));
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
