#include "LanguageTexts.h"

#include <filesystem>
#include <system_error>

namespace Vel::Velcfg {

std::string DataFile(const std::string& relative) {
    // The data folder lies at the same place relative to the tool in the build and installed.
    std::error_code failed;
    const std::filesystem::path tool = std::filesystem::read_symlink("/proc/self/exe", failed);
    return (tool.parent_path() / VELCFG_DATA_FROM_TOOL / relative).lexically_normal().string();
}

bool CLanguageTexts::Load(std::string& error) {
    const std::string file = DataFile("lang/en.txt");
    if (m_Texts.Load(file)) {
        return true;
    }
    error = "no language texts at " + file;
    return false;
}

} // namespace Vel::Velcfg
