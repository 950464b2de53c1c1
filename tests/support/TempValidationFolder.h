// A fresh folder of validation files for one test: readable text in, packed .vmd out.
// The folder and everything in it are removed when the object goes out of scope.
#pragma once

#include <string>

namespace VelTest {

class TempValidationFolder {
public:
    TempValidationFolder();
    ~TempValidationFolder();
    TempValidationFolder(const TempValidationFolder&) = delete;
    TempValidationFolder& operator=(const TempValidationFolder&) = delete;

    // The folder with its trailing '/'.
    const std::string& Path() const { return m_path; }

    // Packs `readable` (one entry per line) into Path() + relativeName + ".vmd", creating
    // sub-folders; returns the full name without extension, as CPVMDataFile::SetFileName
    // takes it.
    std::string Write(const std::string& relativeName, const std::string& readable) const;
    // Writes `bytes` as they are to Path() + relativeFileName; returns the full name.
    std::string WriteRaw(const std::string& relativeFileName, const std::string& bytes) const;

private:
    std::string m_path;
};

} // namespace VelTest
