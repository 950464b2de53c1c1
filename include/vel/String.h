// CString: the library's narrow text. A value class over bytes (not characters) with the
// operations the data model needs: printf-style formatting, search, replace, ASCII case
// conversion, trimming, sub-strings and comparison. Hashable, so it keys unordered maps.
#pragma once

#include <vel/Export.h>

#include <compare>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace Vel {

class VEL_API CString {
public:
    CString() = default;
    CString(const char* text) : m_sText(text ? text : "") {}
    CString(const char* text, int length);
    CString(std::string text) : m_sText(std::move(text)) {}
    CString(std::string_view text) : m_sText(text) {}
    explicit CString(char ch, int count = 1);

    // Formatting replaces the content; AppendFormat adds to it.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));
    static CString Formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));

    int GetLength() const { return static_cast<int>(m_sText.size()); }
    bool IsEmpty() const { return m_sText.empty(); }
    void Empty() { m_sText.clear(); }
    const char* GetString() const { return m_sText.c_str(); }
    const char* c_str() const { return m_sText.c_str(); }
    const std::string& str() const { return m_sText; }
    std::string_view view() const { return m_sText; }
    // Out-of-range positions answer the zero byte rather than reading past the text.
    char GetAt(int index) const;
    char operator[](int index) const { return GetAt(index); }
    void SetAt(int index, char ch);

    // Positions are byte offsets; -1 means not found.
    int Find(char ch, int start = 0) const;
    int Find(const CString& sub, int start = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const CString& chars) const;

    // Returns the number of replacements; an empty `from` replaces nothing.
    int Replace(const CString& from, const CString& to);
    int Replace(char from, char to);
    int Remove(char ch);
    int Insert(int index, const CString& text);
    int Delete(int index, int count = 1);

    // ASCII letters only; other bytes are kept as they are.
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    // Without an argument these remove space, tab, CR, LF, vertical tab and form feed.
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();
    CString& Trim(const CString& chars);
    CString& TrimLeft(const CString& chars);
    CString& TrimRight(const CString& chars);
    CString& TrimLeft(char ch);
    CString& TrimRight(char ch);

    // Sub-strings clamp their arguments to the text.
    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString SpanIncluding(const CString& chars) const;
    CString SpanExcluding(const CString& chars) const;

    int Compare(const CString& other) const;
    int CompareNoCase(const CString& other) const;

    CString& operator+=(const CString& other);
    CString& operator+=(const char* other);
    CString& operator+=(char ch);

    friend bool operator==(const CString& a, const CString& b) { return a.m_sText == b.m_sText; }
    friend bool operator==(const CString& a, const char* b) { return a.m_sText == (b ? b : ""); }
    friend std::strong_ordering operator<=>(const CString& a, const CString& b) {
        return a.m_sText <=> b.m_sText;
    }
    friend VEL_API CString operator+(const CString& a, const CString& b);
    friend VEL_API CString operator+(const CString& a, const char* b);
    friend VEL_API CString operator+(const char* a, const CString& b);
    friend VEL_API CString operator+(const CString& a, char b);

private:
    std::string m_sText;
};

} // namespace Vel

template <> struct std::hash<Vel::CString> {
    std::size_t operator()(const Vel::CString& text) const noexcept {
        return std::hash<std::string>{}(text.str());
    }
};
