// A fresh folder for one test, removed with everything in it at the end. (The shared
// TempValidationFolder needs the validation subsystem, which this suite stands below.)
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace VelTest {

class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vel-pf-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            throw std::runtime_error("cannot create a temporary folder");
        }
        m_path = pattern + "/";
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; }
    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(m_path + name, std::ios::binary) << bytes;
        return m_path + name;
    }

private:
    std::string m_path;
};

} // namespace VelTest
