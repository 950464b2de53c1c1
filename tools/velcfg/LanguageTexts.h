// CLanguageTexts: the English texts of the sample host, found in the data folder relative to
// the tool (share/vel/lang/en.txt beside bin/, in the build tree as installed). Without them
// the provider stays empty and captions show the missing-text marker.
#pragma once

#include <vel/FileLangText.h>

#include <string>

namespace Vel::Velcfg {

// A file of the data folder (share/vel/ relative to the tool; the build stages it alike).
std::string DataFile(const std::string& relative);

class CLanguageTexts {
public:
    // False (with the file looked for in `error`) when the texts cannot be loaded.
    bool Load(std::string& error);
    CFileLangText& Provider() { return m_Texts; }

private:
    CFileLangText m_Texts;
};

} // namespace Vel::Velcfg
