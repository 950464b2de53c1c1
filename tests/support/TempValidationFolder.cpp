#include "support/TempValidationFolder.h"

#include <vel/PVMDataFile.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace VelTest {

TempValidationFolder::TempValidationFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vel-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    m_path = pattern + "/";
}

TempValidationFolder::~TempValidationFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string TempValidationFolder::Write(const std::string& relativeName,
                                        const std::string& readable) const {
    WriteRaw(relativeName + ".vmd", Vel::CPVMDataFile::Pack(readable));
    return m_path + relativeName;
}

std::string TempValidationFolder::WriteRaw(const std::string& relativeFileName,
                                           const std::string& bytes) const {
    const std::filesystem::path full = std::filesystem::path(m_path) / relativeFileName;
    std::filesystem::create_directories(full.parent_path());
    std::ofstream out(full, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + full.string());
    }
    return full.string();
}

} // namespace VelTest
