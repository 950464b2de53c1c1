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

bool AddKeyValue(const std::string& arg, KeyValues& values, std::string& error) {
    const std::size_t equals = arg.find('=');
    if (equals == std::string::npos || equals == 0) {
        error = "'" + arg + "' is not KEY=VALUE";
        return false;
    }
    values.emplace_back(arg.substr(0, equals), arg.substr(equals + 1));
    return true;
}

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
            } else if (arg == "--only") {
                m_sOnly = value;
            } else if (arg == "--right") {
                if (!AddKeyValue(value, m_vecRightValues, error)) {
                    return false;
                }
            } else if (arg == "--template") {
                m_sTemplate = value;
            } else if (arg == "--out") {
                m_sOutFile = value;
            } else if (arg == "--screen") {
                m_vecScreens.push_back(value);
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
        if (!AddKeyValue(arg, m_vecValues, error)) {
            return false;
        }
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
           "  velcfg diff --type T --version V [--to-type T2 --to-version V2] [KEY=VALUE...]\n"
           "              [--right KEY=VALUE...] [--only left|right|changed] [--json]\n"
           "      compares two panels (the right one of the left's type and version unless\n"
           "      given), KEY=VALUE set on the left, --right KEY=VALUE on the right; lists the\n"
           "      differences by screen and element: * changed, - left only, + right only\n"
           "  velcfg export --type T --version V [--screen KEY]... [--out FILE] [KEY=VALUE...]\n"
           "      applies the values and writes the whole tree, or the screens named by their\n"
           "      data keys (System, Zones), as an XML document to FILE or standard output\n"
           "  velcfg report [--type T --version V] [--template FILE] [--out FILE]\n"
           "      fills an HTML report template (default: the sample configuration report) for\n"
           "      the panel (default: the first supported one) and writes it (report.html)\n"
           "  velcfg site [--db CONNECTION] create|list|show|set|diff|snapshot|change-panel|\n"
           "              audit|purge|export|report ...\n"
           "      sites kept in a database (default vel-sites.db); velcfg site --help\n"
           "  velcfg store-load [--type T --version V] [--db FILE|CONNECTION]\n"
           "      varies every value of each panel (or the one given), stores it in the database\n"
           "      (an SQLite file, velcfg.db by default, or an ODBC connection text), loads it\n"
           "      into a fresh tree and says whether every value came back\n"
           "\n"
           "Keys are unique keys with element numbers, as show prints them (Zones.3.Function).\n"
           "Values: numbers in decimal; texts as they are; IPv4 addresses dotted, 'blank' for\n"
           "none; choices by value; sets and triggers as lists such as 1,3 or 1..4.\n"
           "\n"
           "exit status: 0 done, 1 a value was refused, 2 usage or setup error;\n"
           "diff: 0 no differences, 1 differences, 2 usage or setup error, 130 interrupted\n";
}

} // namespace Vel::Velcfg
