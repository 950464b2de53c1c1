#include "Commands.h"
#include "ToolIO.h"

#include <vel/Assert.h>
#include <vel/PVMDataFile.h>

namespace VmdTool {

namespace {

// Keeps the loader's report so the tool can give its own one-line error instead.
class LoadReports final : public Vel::CAssertSink {
public:
    LoadReports() : m_pPrevious(Vel::SetAssertSink(this)) {}
    ~LoadReports() override { Vel::SetAssertSink(m_pPrevious); }
    LoadReports(const LoadReports&) = delete;
    LoadReports& operator=(const LoadReports&) = delete;

    void Report(const Vel::CAssertReport& report) override { m_message = report.message; }
    bool Any() const { return !m_message.empty(); }
    const std::string& Message() const { return m_message; }

private:
    Vel::CAssertSink* m_pPrevious;
    std::string m_message;
};

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
        LoadReports reports;
        file.SetFileName(base.c_str());
        if (reports.Any()) {
            return Fail("'" + base + ".vmd': " + reports.Message() +
                        " (missing, unreadable or over " +
                        std::to_string(Vel::CPVMDataFile::kMaxFileBytes) + " bytes)");
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
