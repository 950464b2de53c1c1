#include <vel/Assert.h>
#include <vel/PVMDataFile.h>

#include "platform/FileReader.h"

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

CString upper(std::string_view text) {
    CString result(text);
    result.MakeUpper();
    return result;
}

void unscramble(std::string& content) {
    for (char& ch : content) {
        ch = static_cast<char>(static_cast<unsigned char>(ch) ^ CPVMDataFile::kScrambleKey);
    }
}

} // namespace

struct CPVMDataFile::Sections {
    using KeyTable = std::unordered_map<CString, CString>;
    std::unordered_map<CString, KeyTable> tables;
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
        Assert("false")
            .print_context("PVMDataFile", 183)
            .value("m_sFileName", m_sFileName)
            .error("Can't open Validation data file");
        return;
    }
    unscramble(content);
    parse(content.data(), content.size());
}

void CPVMDataFile::LoadScrambled(const CString& fullName, const char* data, int length) {
    m_sFileName = fullName;
    cleanData();
    std::string content(data, length > 0 ? static_cast<std::size_t>(length) : 0);
    unscramble(content);
    parse(content.data(), content.size());
}

void CPVMDataFile::parse(const char* data, std::size_t length) {
    const std::string_view content(data, length);
    Sections::KeyTable* current = nullptr; // the current section's table, created lazily
    CString currentName;
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
        if (eq == std::string_view::npos || eq == 0 || currentName.IsEmpty()) {
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
        CString sectionName(section);
        const auto table = m_pSections->tables.find(sectionName.MakeUpper());
        if (table != m_pSections->tables.end()) {
            CString keyName(key);
            const auto entry = table->second.find(keyName.MakeUpper());
            if (entry != table->second.end()) {
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
    if (m_sFileName.IsEmpty()) {
        return false;
    }
    CString sectionName(section);
    return m_pSections->tables.count(sectionName.MakeUpper()) != 0;
}

} // namespace Vel

namespace Vel {

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
    unscramble(packed); // the scramble is its own inverse
    return packed;
}

std::vector<std::string> CPVMDataFile::Unpack(const std::string& packed) {
    std::string content(packed);
    unscramble(content);
    std::vector<std::string> entries;
    std::size_t pos = 0;
    while (pos < content.size()) {
        auto end = content.find('\0', pos);
        if (end == std::string::npos) {
            end = content.size();
        }
        entries.push_back(content.substr(pos, end - pos));
        pos = content.find_first_not_of('\0', end);
        if (pos == std::string::npos) {
            break;
        }
    }
    return entries;
}

} // namespace Vel
