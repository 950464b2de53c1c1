// Assert: the report of a failed precondition. A report names the failed condition, the
// source and line, any number of named values, and ends with error() or warn() and a message.
// Reports go to one process-wide sink; a host may install its own (SetAssertSink).
//
//   Assert("m_pLangText").print_context("DataManagerBaseVel", 180).error("Language class is not
//   set.");
#pragma once

#include <vel/Export.h>
#include <vel/String.h>

#include <concepts>
#include <string>
#include <vector>

namespace Vel {

struct VEL_API CAssertReport {
    enum Kind { Error, Warning };
    struct Value {
        std::string name;
        std::string text; // the value as text; integers in decimal
        bool isText = false;
    };

    Kind kind = Error;
    std::string condition;
    std::string source;
    int line = 0;
    std::vector<Value> values;
    std::string message;

    // One readable line: "error: <message> [<condition>] at <source>:<line> (name=value, ...)".
    std::string ToLine() const;
};

// Receives every report. Called on the reporting thread, synchronously.
class VEL_API CAssertSink {
public:
    virtual ~CAssertSink() = default;
    virtual void Report(const CAssertReport& report) = 0;
};

// Installs a sink (null restores the default, which writes one line to standard error) and
// returns the one it replaced. The sink must outlive its installation.
VEL_API CAssertSink* SetAssertSink(CAssertSink* sink);

class VEL_API Assert {
public:
    explicit Assert(const char* condition);
    Assert(const Assert&) = delete;
    Assert& operator=(const Assert&) = delete;
    ~Assert() = default;

    Assert& print_context(const char* source, int line);
    // Any integer type; a template so that a literal 0 is a number, not a null text.
    template <std::integral T> Assert& value(const char* name, T number) {
        return number_value(name, static_cast<long long>(number));
    }
    Assert& value(const char* name, const CString& text);
    Assert& value(const char* name, const char* text);

    void error(const char* message);
    void warn(const char* message);

private:
    Assert& number_value(const char* name, long long number);
    void deliver(CAssertReport::Kind kind, const char* message);

    CAssertReport m_report;
};

} // namespace Vel
