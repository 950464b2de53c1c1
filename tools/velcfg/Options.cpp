#include "Options.h"

#include <cerrno>
#include <cstdlib>

namespace Vel::Velcfg {

namespace {

bool parseInt(const std::string& text, int& value) {
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || errno != 0 || *end != '\0' || parsed < 0 || parsed > 100000) {
        return false;
    }
    value = static_cast<int>(parsed);
    return true;
}

} // namespace

bool COptions::Parse(int argc, char** argv, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            m_bHelp = true;
            continue;
        }
        if (arg == "--json") {
            m_bJson = true;
            continue;
        }
        if (arg.rfind("--", 0) == 0) {
            if (i + 1 >= argc) {
                error = "option " + arg + " needs a value";
                return false;
            }
            const std::string value = argv[++i];
            int* number = arg == "--type"         ? &m_nType
                          : arg == "--version"    ? &m_nVersion
                          : arg == "--to-type"    ? &m_nToType
                          : arg == "--to-version" ? &m_nToVersion
                                                  : nullptr;
            if (arg == "--key") {
                m_sKeyPrefix = value;
            } else if (arg == "--db") {
                m_sDatabase = value;
            } else if (!number) {
                error = "unknown option " + arg;
                return false;
            } else if (!parseInt(value, *number)) {
                error = "option " + arg + " takes a whole number, not '" + value + "'";
                return false;
            }
            continue;
        }
        if (m_sCommand.empty()) {
            m_sCommand = arg;
            continue;
        }
        const std::size_t equals = arg.find('=');
        if (equals == std::string::npos || equals == 0) {
            error = "'" + arg + "' is not KEY=VALUE";
            return false;
        }
        m_vecValues.emplace_back(arg.substr(0, equals), arg.substr(equals + 1));
    }
    return true;
}

const char* UsageText() {
    return "velcfg - configuration trees of the sample panels of libvel\n"
           "\n"
           "usage:\n"
           "  velcfg panels\n"
           "      the supported panel types and versions with their model and version folders\n"
           "  velcfg show --type T --version V [--key PREFIX] [--json]\n"
           "      every item under PREFIX: unique key, caption, value, limits or choices\n"
           "  velcfg validate --type T --version V KEY=VALUE...\n"
           "      applies each value and says whether it was accepted or which limit it broke\n"
           "  velcfg convert --type T --version V --to-type T2 --to-version V2 [KEY=VALUE...]\n"
           "      applies the values, changes the panel and shows every item that changed\n"
           "  velcfg store-load [--type T --version V] [--db FILE|CONNECTION]\n"
           "      varies every value of each panel (or the one given), stores it in the database\n"
           "      (an SQLite file, velcfg.db by default, or an ODBC connection text), loads it\n"
           "      into a fresh tree and says whether every value came back\n"
           "\n"
           "Keys are unique keys with element numbers, as show prints them (Zones.3.Function).\n"
           "Values: numbers in decimal; texts as they are; IPv4 addresses dotted, 'blank' for\n"
           "none; choices by value; sets and triggers as lists such as 1,3 or 1..4.\n"
           "\n"
           "exit status: 0 done, 1 a value was refused, 2 usage or setup error\n";
}

} // namespace Vel::Velcfg
