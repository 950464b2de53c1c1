#include <vel/FileLangText.h>

#include "platform/FileReader.h"

#include <string_view>
#include <unordered_map>

namespace Vel {

namespace {
// Language files are small; the cap only protects against being pointed at something huge.
constexpr std::size_t kMaxLangFileBytes = 64u << 20;
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
} // namespace

struct CFileLangText::Table {
    std::unordered_map<CString, CString> texts;
};

CFileLangText::CFileLangText() : m_pTable(std::make_unique<Table>()) {}

CFileLangText::~CFileLangText() = default;

bool CFileLangText::Load(const CString& fileName, std::string* error) {
    std::string content;
    const ReadFileResult result = ReadWholeFile(fileName.str(), kMaxLangFileBytes, content);
    if (result != ReadFileResult::Ok) {
        if (error) {
            *error = "language file '" + fileName.str() + "' " + DescribeReadFileResult(result);
        }
        return false;
    }
    LoadText(content);
    return true;
}

int CFileLangText::LoadText(const std::string& text) {
    int count = 0;
    // Editors on other systems like to start UTF-8 files with a byte order mark.
    std::size_t pos = text.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) {
            end = text.size();
        }
        CString line(std::string_view(text).substr(pos, end - pos));
        pos = end + 1;
        line.TrimRight("\r");
        if (line.IsEmpty() || line[0] == '#') {
            continue;
        }
        const int eq = line.Find('=');
        if (eq <= 0) {
            continue;
        }
        m_pTable->texts[line.Left(eq)] = line.Mid(eq + 1);
        ++count;
    }
    return count;
}

int CFileLangText::GetCount() const {
    return static_cast<int>(m_pTable->texts.size());
}

CString CFileLangText::GetText(const CString& key) const {
    const auto it = m_pTable->texts.find(key);
    return it == m_pTable->texts.end() ? CString() : it->second;
}

CString CFileLangText::GetTranslation(const CString& key) const {
    return GetText(key);
}

} // namespace Vel
