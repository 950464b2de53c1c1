// CLanguageTexts: the English texts of the sample host, found beside libvel.so (lang/en.txt
// in the build tree) or in the installed data folder relative to the library. Without them
// the provider stays empty and captions show the missing-text marker.
#pragma once

#include <vel/FileLangText.h>

#include <string>

namespace Vel::Velcfg {

class CLanguageTexts {
public:
    // Loads the first file found; false (with the places looked at in `error`) when none.
    bool Load(std::string& error);
    CFileLangText& Provider() { return m_Texts; }

private:
    CFileLangText m_Texts;
};

} // namespace Vel::Velcfg
