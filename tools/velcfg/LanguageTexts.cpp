#include "LanguageTexts.h"

#include <vel/ValidationManager.h>

namespace Vel::Velcfg {

bool CLanguageTexts::Load(std::string& error) {
    // A bare manager knows the library's folder without reading anything.
    const CString libraryFolder = CValidationManager().GetPath();
    const std::string candidates[] = {libraryFolder.str() + "lang/en.txt",
                                      libraryFolder.str() + VELCFG_INSTALLED_LANG "en.txt"};
    error = "no language texts at";
    for (const std::string& file : candidates) {
        if (m_Texts.Load(file)) {
            return true;
        }
        error += " " + file;
    }
    return false;
}

} // namespace Vel::Velcfg
