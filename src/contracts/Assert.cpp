#include <vel/Assert.h>

#include <atomic>
#include <cstdio>

namespace Vel {

namespace {

class StderrSink final : public CAssertSink {
public:
    void Report(const CAssertReport& report) override {
        const std::string line = report.ToLine() + "\n";
        // One write per report keeps lines from different threads whole.
        std::fwrite(line.data(), 1, line.size(), stderr);
    }
};

StderrSink g_stderrSink;
std::atomic<CAssertSink*> g_sink{nullptr};

CAssertSink& currentSink() {
    CAssertSink* sink = g_sink.load(std::memory_order_acquire);
    return sink ? *sink : g_stderrSink;
}

} // namespace

std::string CAssertReport::ToLine() const {
    std::string line = kind == Error ? "error: " : "warning: ";
    line += message + " [" + condition + "] at " + source + ":" + std::to_string(this->line);
    if (!values.empty()) {
        line += " (";
        for (std::size_t i = 0; i < values.size(); ++i) {
            line += (i ? ", " : "") + values[i].name + "=";
            line += values[i].isText ? "\"" + values[i].text + "\"" : values[i].text;
        }
        line += ")";
    }
    return line;
}

CAssertSink* SetAssertSink(CAssertSink* sink) {
    return g_sink.exchange(sink, std::memory_order_acq_rel);
}

Assert::Assert(const char* condition) {
    m_report.condition = condition ? condition : "";
}

Assert& Assert::print_context(const char* source, int line) {
    m_report.source = source ? source : "";
    m_report.line = line;
    return *this;
}

Assert& Assert::number_value(const char* name, long long number) {
    m_report.values.push_back({name ? name : "", std::to_string(number), false});
    return *this;
}

Assert& Assert::value(const char* name, const CString& text) {
    m_report.values.push_back({name ? name : "", text.str(), true});
    return *this;
}

Assert& Assert::value(const char* name, const char* text) {
    return value(name, CString(text));
}

void Assert::error(const char* message) {
    deliver(CAssertReport::Error, message);
}

void Assert::warn(const char* message) {
    deliver(CAssertReport::Warning, message);
}

void Assert::deliver(CAssertReport::Kind kind, const char* message) {
    m_report.kind = kind;
    m_report.message = message ? message : "";
    currentSink().Report(m_report);
}

} // namespace Vel
