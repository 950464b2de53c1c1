// Small file and error helpers shared by the vmdtool sub-commands.
#pragma once

#include <vel/Assert.h>

#include <string>

namespace VmdTool {

constexpr int kExitOk = 0;
constexpr int kExitNotFound = 1;
constexpr int kExitFailure = 2;

// Prints "vmdtool: <message>" as one line on standard error and answers kExitFailure.
int Fail(const std::string& message);

// Reads the whole file; on failure answers false and a readable reason in `error`.
bool ReadFile(const std::string& path, std::string& content, std::string& error);
bool WriteFile(const std::string& path, const std::string& content, std::string& error);

// While in scope, catches the library's reports so the tool can give its own one-line
// error instead.
class ReportCatcher final : public Vel::CAssertSink {
public:
    ReportCatcher() : m_pPrevious(Vel::SetAssertSink(this)) {}
    ~ReportCatcher() override { Vel::SetAssertSink(m_pPrevious); }
    ReportCatcher(const ReportCatcher&) = delete;
    ReportCatcher& operator=(const ReportCatcher&) = delete;

    void Report(const Vel::CAssertReport&) override { m_bAny = true; }
    bool Any() const { return m_bAny; }

private:
    Vel::CAssertSink* m_pPrevious;
    bool m_bAny = false;
};

// Writes `text` to standard output as it is, byte for byte.
void PrintRaw(const std::string& text);

} // namespace VmdTool
