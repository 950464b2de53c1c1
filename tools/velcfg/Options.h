// COptions: the command line of velcfg: a command, its options and KEY=VALUE arguments.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace Vel::Velcfg {

using KeyValues = std::vector<std::pair<std::string, std::string>>;

class COptions {
public:
    // False with a one-line reason in `error` when the command line is not understood.
    bool Parse(int argc, char** argv, std::string& error);

    std::string m_sCommand;
    bool m_bHelp = false;
    bool m_bJson = false;
    int m_nType = -1;
    int m_nVersion = -1;
    int m_nToType = -1;
    int m_nToVersion = -1;
    std::string m_sKeyPrefix;
    std::string m_sOnly;
    KeyValues m_vecValues;
    KeyValues m_vecRightValues;
    std::string m_sOutFile;
    std::vector<std::string> m_vecScreens;
    std::string m_sTemplate;
    std::string m_sDatabase; // an ODBC connection text, or a file for an SQLite database
};

// KEY=VALUE split at the first '=' and added; false with the reason when it has no key.
bool AddKeyValue(const std::string& arg, KeyValues& values, std::string& error);

// The text of --help.
const char* UsageText();

} // namespace Vel::Velcfg
