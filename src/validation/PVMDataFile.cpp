#include <vel/Assert.h>
#include <vel/PVMDataFile.h>

#include "platform/FileReader.h"

#include <algorithm>
#include <array>
#include <memory>
#include <memory_resource>
#include <string>
#include <string_view>
#include <unordered_map>

namespace Vel {

namespace {

// Only ASCII letters change case; other bytes (UTF-8 included) are kept as they are.
char upperAscii(char ch) {
    return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

constexpr char scrambledOf(char ch) {
    return static_cast<char>(static_cast<unsigned char>(ch) ^ CPVMDataFile::kScrambleKey);
}

// A converted copy of a short text on the stack (longer ones spill to the heap), so that
// look-ups build no string.
template <char (*Convert)(char)> class Converted {
public:
    explicit Converted(std::string_view source) {
        char* out = m_aBuffer.data();
        if (source.size() > m_aBuffer.size()) {
            m_sLong.resize(source.size());
            out = m_sLong.data();
        }
        for (std::size_t i = 0; i < source.size(); ++i) {
            out[i] = Convert(source[i]);
        }
        m_view = std::string_view(out, source.size());
    }
    Converted(const Converted&) = delete;
    Converted& operator=(const Converted&) = delete;

    std::string_view view() const { return m_view; }

private:
    std::array<char, 128> m_aBuffer;
    std::string m_sLong;
    std::string_view m_view;
};

void scramble(std::string& content) {
    for (char& ch : content) {
        ch = scrambledOf(ch);
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
// The unscrambled content, names folded in place, and every table live in one arena sized
// from the file: a load takes one block and frees it at once, whatever the heap's settings.
struct CPVMDataFile::Sections {
    struct Hash {
        using is_transparent = void;
        // Deliberately not noexcept: libstdc++ then keeps each node's hash code, which spares
        // rehashing and most key comparisons.
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    using KeyTable =
        std::pmr::unordered_map<std::string_view, std::string_view, Hash, std::equal_to<>>;

    explicit Sections(std::size_t arenaBytes = 0) : arena(std::max(arenaBytes, std::size_t{64})) {}

    std::pmr::monotonic_buffer_resource arena;
    std::pmr::unordered_map<std::string_view, KeyTable, Hash, std::equal_to<>> tables{&arena};

    const KeyTable* find(const CString& section) const {
        const Converted<upperAscii> name(section.view());
        const auto it = tables.find(name.view());
        return it == tables.end() ? nullptr : &it->second;
    }
    KeyTable& insert(std::string_view section) {
        const auto it = tables.find(section);
        return it != tables.end() ? it->second : tables.try_emplace(section).first->second;
    }
};

CPVMDataFile::CPVMDataFile() : m_pSections(std::make_unique<Sections>()) {}

CPVMDataFile::~CPVMDataFile() = default;

void CPVMDataFile::cleanData() {
    m_pSections = std::make_unique<Sections>();
}

void CPVMDataFile::SetFileName(const CString& fileName) {
    m_sFileName = fileName + ".vmd";
    cleanData();
    // The read buffer is kept per thread: a fresh 100 KB block per load costs page faults
    // that outweigh the parse.
    thread_local std::string content;
    if (ReadWholeFile(m_sFileName.str(), kMaxFileBytes, content) != ReadFileResult::Ok) {
        reportUnreadable(m_sFileName);
        return;
    }
    parse(content.data(), content.size());
}

void CPVMDataFile::LoadScrambled(const CString& fullName, const char* data, int length) {
    m_sFileName = fullName;
    cleanData();
    if (length > kMaxFileBytes) {
        reportUnreadable(m_sFileName);
        return;
    }
    parse(data, length > 0 ? static_cast<std::size_t>(length) : 0);
}

namespace {

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
}

std::string_view trimLeft(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && isBlank(text[first])) {
        ++first;
    }
    return text.substr(first);
}

std::string_view trimRight(std::string_view text) {
    std::size_t size = text.size();
    while (size > 0 && isBlank(text[size - 1])) {
        --size;
    }
    return text.substr(0, size);
}

// Folds a name where it lies in the arena's copy of the content.
std::string_view foldInPlace(char* begin, std::string_view name) {
    char* out = begin + (name.data() - begin);
    for (std::size_t i = 0; i < name.size(); ++i) {
        out[i] = upperAscii(out[i]);
    }
    return name;
}

} // namespace

void CPVMDataFile::parse(const char* data, std::size_t length) {
    // Typical proportions of validation files: the arena takes the content and, per entry
    // (one zero byte each), a table node and its share of buckets.
    constexpr std::size_t kBytesPerEntry = 80;
    constexpr std::size_t kBytesPerSection = 256;
    constexpr std::size_t kKeysPerSection = 8;
    const auto entries =
        static_cast<std::size_t>(std::count(data, data + length, scrambledOf('\0')));
    m_pSections = std::make_unique<Sections>(length + entries * kBytesPerEntry + 1024);
    auto* text = static_cast<char*>(m_pSections->arena.allocate(length + 1, 1));
    for (std::size_t i = 0; i < length; ++i) {
        text[i] = scrambledOf(data[i]);
    }
    const std::string_view content(text, length);
    Sections::KeyTable* current = nullptr; // the current section's table, made lazily
    std::string_view currentName;
    m_pSections->tables.reserve(length / kBytesPerSection);
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
            currentName = foldInPlace(text, entry.substr(1, entry.size() - 2));
            current = nullptr;
            continue;
        }
        const auto eq = entry.find('=');
        if (eq == std::string_view::npos || eq == 0 || currentName.empty()) {
            continue;
        }
        if (!current) {
            current = &m_pSections->insert(currentName);
            current->reserve(kKeysPerSection);
        }
        const std::string_view key = foldInPlace(text, trimRight(entry.substr(0, eq)));
        (*current)[key] = trimLeft(entry.substr(eq + 1));
    }
}

bool CPVMDataFile::GetString(const CString& section, const CString& key, CString* value) const {
    if (!m_sFileName.IsEmpty()) {
        if (const Sections::KeyTable* table = m_pSections->find(section)) {
            const Converted<upperAscii> keyName(key.view());
            const auto entry = table->find(keyName.view());
            if (entry != table->end()) {
                if (value) {
                    *value = CString(std::string_view(entry->second));
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
