// CPVMDataFile: one scrambled validation data file (.vmd) held in memory. Loads the whole
// file once, then answers look-ups by section and key (both case-insensitive) from memory.
#pragma once

#include <vel/Export.h>
#include <vel/String.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace Vel {

class VEL_API CPVMDataFile {
public:
    // Largest file content read; a larger file is refused like one that cannot be opened.
    static constexpr int kMaxFileBytes = 100000;
    // Every byte of a file is combined with this key by exclusive or.
    static constexpr unsigned char kScrambleKey = 0xA6;

    CPVMDataFile();
    CPVMDataFile(const CPVMDataFile&) = delete;
    CPVMDataFile& operator=(const CPVMDataFile&) = delete;
    virtual ~CPVMDataFile();

    // Loads `fileName` + ".vmd", replacing what was loaded before. Failure is reported
    // through Assert and leaves the file empty.
    void SetFileName(const CString& fileName);
    const CString& GetFileName() const { return m_sFileName; }

    // Always writes `value`: the stored text when found, the empty text otherwise.
    bool GetString(const CString& section, const CString& key, CString* value) const;
    bool SectionExist(const CString& section) const;

    // Loads scrambled file content already in memory under the full name `fullName`,
    // exactly as SetFileName does after reading the file (content over kMaxFileBytes is
    // refused with the same report).
    void LoadScrambled(const CString& fullName, const char* data, int length);

    // The file format's writer side, for tools and tests: every line of `readable` (line
    // ending removed) becomes one entry followed by a zero byte, all bytes scrambled.
    static std::string Pack(const std::string& readable);
    // The inverse of Pack: unscrambles `packed` and splits it at every zero byte, so an empty
    // line packed comes back as an empty entry; a last entry without its zero byte is kept.
    static std::vector<std::string> Unpack(const std::string& packed);

private:
    void cleanData();
    // Reads the entries of still scrambled content.
    void parse(const char* data, std::size_t length);

    struct Sections;
    CString m_sFileName;
    std::unique_ptr<Sections> m_pSections;
};

} // namespace Vel
