#include <vel/String.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace Vel {

namespace {

constexpr const char* kWhiteSpace = " \t\r\n\v\f";

char asciiUpper(char ch) {
    return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}
char asciiLower(char ch) {
    return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
}

void appendV(std::string& out, const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed <= 0) {
        return;
    }
    const std::size_t old = out.size();
    out.resize(old + static_cast<std::size_t>(needed) + 1);
    std::vsnprintf(out.data() + old, static_cast<std::size_t>(needed) + 1, format, args);
    out.resize(old + static_cast<std::size_t>(needed));
}

std::size_t clampPos(int pos, std::size_t size) {
    if (pos < 0) {
        return 0;
    }
    return std::min(static_cast<std::size_t>(pos), size);
}

int toInt(std::size_t pos) {
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

} // namespace

CString::CString(const char* text, int length) {
    if (text && length > 0) {
        m_sText.assign(text, static_cast<std::size_t>(length));
    }
}

CString::CString(char ch, int count) {
    if (count > 0) {
        m_sText.assign(static_cast<std::size_t>(count), ch);
    }
}

void CString::Format(const char* format, ...) {
    std::string result;
    va_list args;
    va_start(args, format);
    appendV(result, format, args);
    va_end(args);
    m_sText = std::move(result);
}

void CString::AppendFormat(const char* format, ...) {
    // Formatted aside first: an argument may point into this very text.
    std::string added;
    va_list args;
    va_start(args, format);
    appendV(added, format, args);
    va_end(args);
    m_sText += added;
}

CString CString::Formatted(const char* format, ...) {
    std::string result;
    va_list args;
    va_start(args, format);
    appendV(result, format, args);
    va_end(args);
    return CString(std::move(result));
}

char CString::GetAt(int index) const {
    if (index < 0 || index >= GetLength()) {
        return '\0';
    }
    return m_sText[static_cast<std::size_t>(index)];
}

void CString::SetAt(int index, char ch) {
    if (index >= 0 && index < GetLength()) {
        m_sText[static_cast<std::size_t>(index)] = ch;
    }
}

int CString::Find(char ch, int start) const {
    if (start < 0 || start >= GetLength()) {
        return -1;
    }
    return toInt(m_sText.find(ch, static_cast<std::size_t>(start)));
}

int CString::Find(const CString& sub, int start) const {
    if (start < 0 || start > GetLength()) {
        return -1;
    }
    return toInt(m_sText.find(sub.m_sText, static_cast<std::size_t>(start)));
}

int CString::ReverseFind(char ch) const {
    return toInt(m_sText.rfind(ch));
}

int CString::FindOneOf(const CString& chars) const {
    if (chars.IsEmpty()) {
        return -1;
    }
    return toInt(m_sText.find_first_of(chars.m_sText));
}

int CString::Replace(const CString& from, const CString& to) {
    if (from.IsEmpty()) {
        return 0;
    }
    int count = 0;
    std::string result;
    std::size_t pos = 0;
    for (std::size_t hit; (hit = m_sText.find(from.m_sText, pos)) != std::string::npos;) {
        result.append(m_sText, pos, hit - pos).append(to.m_sText);
        pos = hit + from.m_sText.size();
        ++count;
    }
    if (count > 0) {
        result.append(m_sText, pos, std::string::npos);
        m_sText = std::move(result);
    }
    return count;
}

int CString::Replace(char from, char to) {
    int count = 0;
    for (char& ch : m_sText) {
        if (ch == from) {
            ch = to;
            ++count;
        }
    }
    return count;
}

int CString::Remove(char ch) {
    const auto old = m_sText.size();
    std::erase(m_sText, ch);
    return static_cast<int>(old - m_sText.size());
}

int CString::Insert(int index, const CString& text) {
    m_sText.insert(clampPos(index, m_sText.size()), text.m_sText);
    return GetLength();
}

int CString::Delete(int index, int count) {
    if (count > 0 && index >= 0 && index < GetLength()) {
        m_sText.erase(static_cast<std::size_t>(index), static_cast<std::size_t>(count));
    }
    return GetLength();
}

CString& CString::MakeUpper() {
    std::transform(m_sText.begin(), m_sText.end(), m_sText.begin(), asciiUpper);
    return *this;
}

CString& CString::MakeLower() {
    std::transform(m_sText.begin(), m_sText.end(), m_sText.begin(), asciiLower);
    return *this;
}

CString& CString::MakeReverse() {
    std::reverse(m_sText.begin(), m_sText.end());
    return *this;
}

CString& CString::Trim() {
    return TrimRight().TrimLeft();
}
CString& CString::TrimLeft() {
    return TrimLeft(CString(kWhiteSpace));
}
CString& CString::TrimRight() {
    return TrimRight(CString(kWhiteSpace));
}
CString& CString::Trim(const CString& chars) {
    return TrimRight(chars).TrimLeft(chars);
}

CString& CString::TrimLeft(const CString& chars) {
    m_sText.erase(0, std::min(m_sText.find_first_not_of(chars.m_sText), m_sText.size()));
    return *this;
}

CString& CString::TrimRight(const CString& chars) {
    const auto last = m_sText.find_last_not_of(chars.m_sText);
    m_sText.erase(last == std::string::npos ? 0 : last + 1);
    return *this;
}

CString& CString::TrimLeft(char ch) {
    return TrimLeft(CString(ch));
}
CString& CString::TrimRight(char ch) {
    return TrimRight(CString(ch));
}

CString CString::Left(int count) const {
    return CString(m_sText.substr(0, clampPos(count, m_sText.size())));
}

CString CString::Right(int count) const {
    const auto n = clampPos(count, m_sText.size());
    return CString(m_sText.substr(m_sText.size() - n));
}

CString CString::Mid(int first) const {
    return CString(m_sText.substr(clampPos(first, m_sText.size())));
}

CString CString::Mid(int first, int count) const {
    const auto start = clampPos(first, m_sText.size());
    return CString(m_sText.substr(start, clampPos(count, m_sText.size() - start)));
}

CString CString::SpanIncluding(const CString& chars) const {
    return Left(toInt(std::min(m_sText.find_first_not_of(chars.m_sText), m_sText.size())));
}

CString CString::SpanExcluding(const CString& chars) const {
    return Left(toInt(std::min(m_sText.find_first_of(chars.m_sText), m_sText.size())));
}

int CString::Compare(const CString& other) const {
    const int result = m_sText.compare(other.m_sText);
    return (result > 0) - (result < 0);
}

int CString::CompareNoCase(const CString& other) const {
    const std::size_t n = std::min(m_sText.size(), other.m_sText.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto a = static_cast<unsigned char>(asciiLower(m_sText[i]));
        const auto b = static_cast<unsigned char>(asciiLower(other.m_sText[i]));
        if (a != b) {
            return a < b ? -1 : 1;
        }
    }
    return (m_sText.size() > n) - (other.m_sText.size() > n);
}

CString& CString::operator+=(const CString& other) {
    m_sText += other.m_sText;
    return *this;
}

CString& CString::operator+=(const char* other) {
    if (other) {
        m_sText += other;
    }
    return *this;
}

CString& CString::operator+=(char ch) {
    m_sText += ch;
    return *this;
}

CString operator+(const CString& a, const CString& b) {
    return CString(a.m_sText + b.m_sText);
}
CString operator+(const CString& a, const char* b) {
    CString result(a);
    result += b;
    return result;
}
CString operator+(const char* a, const CString& b) {
    return CString(a) + b;
}
CString operator+(const CString& a, char b) {
    CString result(a);
    result += b;
    return result;
}

} // namespace Vel
