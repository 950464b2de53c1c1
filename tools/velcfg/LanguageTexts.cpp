#include "LanguageTexts.h"

#include <filesystem>
#include <system_error>

namespace Vel::Velcfg {

bool CLanguageTexts::Load(std::string& error) {
    // The data folder lies at the same place relative to the tool in the build and installed.
    std::error_code failed;
    const std::filesystem::path tool = std::filesystem::read_symlink("/proc/self/exe", failed);
    const std::string file =
        (tool.parent_path() / VELCFG_DATA_FROM_TOOL "lang/en.txt").lexically_normal().string();
    if (!failed && m_Texts.Load(file)) {
        return true;
    }
    error = "no language texts at " + file;
    return false;
}

} // namespace Vel::Velcfg
