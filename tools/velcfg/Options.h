// COptions: the command line of velcfg: a command, its options and KEY=VALUE arguments.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace Vel::Velcfg {

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
    std::string m_sDatabase; // an ODBC connection text, or a file for an SQLite database
    std::vector<std::pair<std::string, std::string>> m_vecValues;
};

// The text of --help.
const char* UsageText();

} // namespace Vel::Velcfg
