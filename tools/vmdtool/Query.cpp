#include "Commands.h"
#include "ToolIO.h"
#include "ValidationFileCheck.h"

#include <vel/ValidationManagerList.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace VmdTool {

namespace {

constexpr const char* kUsage = "usage: vmdtool query --type T --version V [--config] KEY...";

struct QueryArgs {
    int nType = 0;
    int nVersion = 0;
    bool bConfig = false;
    std::vector<std::string> keys;
};

bool parseNumber(const std::string& text, int& value) {
    char* end = nullptr;
    errno = 0;
    const long number = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0 || number < -2147483647L - 1 ||
        number > 2147483647L) {
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

// Fills `query` from the arguments; an empty result means they were valid.
std::string parseArgs(const Args& args, QueryArgs& query) {
    bool haveType = false;
    bool haveVersion = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--config") {
            query.bConfig = true;
        } else if (arg == "--type" || arg == "--version") {
            if (i + 1 == args.size()) {
                return arg + " needs a number";
            }
            int& target = arg == "--type" ? query.nType : query.nVersion;
            if (!parseNumber(args[++i], target)) {
                return arg + " needs a number, not '" + args[i] + "'";
            }
            (arg == "--type" ? haveType : haveVersion) = true;
        } else {
            query.keys.push_back(arg);
        }
    }
    if (!haveType || !haveVersion || query.keys.empty()) {
        return kUsage;
    }
    return {};
}

std::string jsonString(const Vel::CString& text) {
    std::string out = "\"";
    for (const char ch : text.str()) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

std::string jsonBool(bool value) {
    return value ? "true" : "false";
}

std::string jsonList(const Vel::CIntList& list) {
    std::string out = "[";
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        out += std::to_string(list[i]);
    }
    return out + "]";
}

std::string describeKey(const Vel::CValidationManager& m, const Vel::CString& key) {
    return "{\"key\":" + jsonString(key) + ",\"disabled\":" + jsonBool(m.GetDisabled(key)) +
           ",\"readOnly\":" + jsonBool(m.GetReadOnly(key)) +
           ",\"checkImport\":" + jsonBool(m.GetCheckImport(key)) +
           ",\"choices\":" + jsonList(m.GetChoices(key)) +
           ",\"defaultChoice\":" + std::to_string(m.GetDefaultChoice(key)) +
           ",\"defaultString\":" + jsonString(m.GetDefaultString(key)) +
           ",\"minChars\":" + std::to_string(m.GetMinChars(key)) +
           ",\"maxChars\":" + std::to_string(m.GetMaxChars(key)) +
           ",\"allowedChars\":" + jsonString(m.GetAllowedChars(key)) +
           ",\"minNumber\":" + std::to_string(m.GetMinNumber(key)) +
           ",\"maxNumber\":" + std::to_string(m.GetMaxNumber(key)) +
           ",\"defaultNumber\":" + std::to_string(m.GetDefaultNumber(key)) +
           ",\"parent\":" + jsonString(m.GetParent(key)) + "}";
}

std::string describeConfig(const Vel::CValidationManager& m, const Vel::CString& key) {
    return "{\"key\":" + jsonString(key) +
           ",\"limit\":" + std::to_string(m.GetPanelConfigLimit(key)) +
           ",\"value\":" + std::to_string(m.GetPanelConfigVal(key)) + "}";
}

} // namespace

int RunQuery(const Args& args) {
    QueryArgs query;
    const std::string error = parseArgs(args, query);
    if (!error.empty()) {
        return Fail(error);
    }
    Vel::CValidationManager* manager = nullptr;
    {
        Vel::Tools::CReportCollector reports;
        manager = Vel::CValidationManagerList::Instance().AccessValidationManager(query.nType,
                                                                                  query.nVersion);
        const std::string problem = Vel::Tools::ManagerFileProblem(reports, manager);
        if (!problem.empty()) {
            Vel::CValidationManagerList::CleanUp();
            return Fail(problem);
        }
        reports.PrintAll();
    }
    if (!manager) {
        Vel::CValidationManagerList::CleanUp();
        return Fail("no validation data for panel type " + std::to_string(query.nType) +
                    " version " + std::to_string(query.nVersion));
    }
    for (const std::string& key : query.keys) {
        const Vel::CString dataKey(key);
        PrintRaw(
            (query.bConfig ? describeConfig(*manager, dataKey) : describeKey(*manager, dataKey)) +
            "\n");
    }
    Vel::CValidationManagerList::CleanUp();
    return kExitOk;
}

} // namespace VmdTool
