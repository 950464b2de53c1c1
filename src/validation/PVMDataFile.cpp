#include <vel/Assert.h>
#include <vel/PVMDataFile.h>

#include "platform/FileReader.h"

#include <array>
#include <string_view>
#include <unordered_map>

namespace Vel {

namespace {

constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";

std::string_view trimLeft(std::string_view text) {
    const auto first = text.find_first_not_of(kWhiteSpace);
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string_view trimRight(std::string_view text) {
    const auto last = text.find_last_not_of(kWhiteSpace);
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

// Only ASCII letters change case; other bytes (UTF-8 included) are kept as they are.
char upperAscii(char ch) {
    return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

std::string upper(std::string_view text) {
    std::string result(text);
    for (char& ch : result) {
        ch = upperAscii(ch);
    }
    return result;
}

// Upper-cases a look-up argument without allocating for names of ordinary length.
class UpperName {
public:
    explicit UpperName(const CString& text) {
        const std::string_view source = text.view();
        char* out = m_aBuffer.data();
        if (source.size() > m_aBuffer.size()) {
            m_sLong.resize(source.size());
            out = m_sLong.data();
        }
        for (std::size_t i = 0; i < source.size(); ++i) {
            out[i] = upperAscii(source[i]);
        }
        m_view = std::string_view(out, source.size());
    }
    UpperName(const UpperName&) = delete;
    UpperName& operator=(const UpperName&) = delete;

    std::string_view view() const { return m_view; }

private:
    std::array<char, 96> m_aBuffer;
    std::string m_sLong;
    std::string_view m_view;
};

void scramble(std::string& content) {
    for (char& ch : content) {
        ch = static_cast<char>(static_cast<unsigned char>(ch) ^ CPVMDataFile::kScrambleKey);
    }
}

void reportUnreadable(const CString& fileName) {
    Assert("false")
        .print_context("PVMDataFile", 183)
        .value("m_sFileName", fileName)
        .error("Can't open Validation data file");
}

} // namespace

// Tables keyed by upper-cased names; string_view look-ups avoid building a key per query.
struct CPVMDataFile::Sections {
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const noexcept {
            return std::hash<std::string_view>{}(text);
        }
    };
    using KeyTable = std::unordered_map<std::string, CString, Hash, std::equal_to<>>;
    std::unordered_map<std::string, KeyTable, Hash, std::equal_to<>> tables;

    const KeyTable* find(const CString& section) const {
        const UpperName name(section);
        const auto it = tables.find(name.view());
        return it == tables.end() ? nullptr : &it->second;
    }
};

CPVMDataFile::CPVMDataFile() : m_pSections(std::make_unique<Sections>()) {}

CPVMDataFile::~CPVMDataFile() = default;

void CPVMDataFile::cleanData() {
    m_pSections->tables.clear();
}

void CPVMDataFile::SetFileName(const CString& fileName) {
    m_sFileName = fileName + ".vmd";
    cleanData();
    std::string content;
    if (ReadWholeFile(m_sFileName.str(), kMaxFileBytes, content) != ReadFileResult::Ok) {
        reportUnreadable(m_sFileName);
        return;
    }
    scramble(content); // the scramble is its own inverse
    parse(content.data(), content.size());
}

void CPVMDataFile::LoadScrambled(const CString& fullName, const char* data, int length) {
    m_sFileName = fullName;
    cleanData();
    if (length > kMaxFileBytes) {
        reportUnreadable(m_sFileName);
        return;
    }
    std::string content(data, length > 0 ? static_cast<std::size_t>(length) : 0);
    scramble(content);
    parse(content.data(), content.size());
}

void CPVMDataFile::parse(const char* data, std::size_t length) {
    const std::string_view content(data, length);
    Sections::KeyTable* current = nullptr; // the current section's table, created lazily
    std::string currentName;
    std::size_t pos = 0;
    while (pos < content.size()) {
        auto end = content.find('\0', pos);
        if (end == std::string_view::npos) {
            end = content.size();
        }
        std::string_view entry = trimRight(trimLeft(content.substr(pos, end - pos)));
        pos = end + 1;
        // Comments are cut after trimming, so blanks before ';' stay with the entry.
        entry = entry.substr(0, entry.find(';'));
        if (entry.empty()) {
            continue;
        }
        if (entry.size() >= 2 && entry.front() == '[' && entry.back() == ']') {
            currentName = upper(entry.substr(1, entry.size() - 2));
            current = nullptr;
            continue;
        }
        const auto eq = entry.find('=');
        if (eq == std::string_view::npos || eq == 0 || currentName.empty()) {
            continue;
        }
        if (!current) {
            current = &m_pSections->tables[currentName];
        }
        (*current)[upper(trimRight(entry.substr(0, eq)))] = CString(trimLeft(entry.substr(eq + 1)));
    }
}

bool CPVMDataFile::GetString(const CString& section, const CString& key, CString* value) const {
    if (!m_sFileName.IsEmpty()) {
        if (const Sections::KeyTable* table = m_pSections->find(section)) {
            const UpperName keyName(key);
            const auto entry = table->find(keyName.view());
            if (entry != table->end()) {
                if (value) {
                    *value = entry->second;
                }
                return true;
            }
        }
    }
    if (value) {
        value->Empty();
    }
    return false;
}

bool CPVMDataFile::SectionExist(const CString& section) const {
    return !m_sFileName.IsEmpty() && m_pSections->find(section) != nullptr;
}

std::string CPVMDataFile::Pack(const std::string& readable) {
    std::string packed;
    packed.reserve(readable.size() + 1);
    std::size_t pos = 0;
    while (pos < readable.size()) {
        auto end = readable.find('\n', pos);
        if (end == std::string::npos) {
            end = readable.size();
        }
        std::string_view line(readable.data() + pos, end - pos);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        packed.append(line).push_back('\0');
        pos = end + 1;
    }
    scramble(packed);
    return packed;
}

std::vector<std::string> CPVMDataFile::Unpack(const std::string& packed) {
    std::string content(packed);
    scramble(content);
    std::vector<std::string> entries;
    std::size_t pos = 0;
    while (pos < content.size()) {
        auto end = content.find('\0', pos);
        if (end == std::string::npos) {
            end = content.size();
        }
        entries.push_back(content.substr(pos, end - pos));
        pos = end + 1;
    }
    return entries;
}

} // namespace Vel
