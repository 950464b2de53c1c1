#include "XmlEscape.h"

#include "XmlLine.h"

#include <vel/XmlExport.h>

#include <array>
#include <cstdint>
#include <cstring>

namespace Vel {

namespace {

// Bytes copied as they are: printable ASCII but the five special characters, and tab, line
// feed and carriage return.
constexpr std::array<bool, 256> plainBytes() {
    std::array<bool, 256> plain{};
    for (int byte = 0x20; byte < 0x80; ++byte) {
        plain[static_cast<std::size_t>(byte)] = true;
    }
    for (const char special : {'&', '<', '>', '"', '\''}) {
        plain[static_cast<unsigned char>(special)] = false;
    }
    for (const char space : {'\t', '\n', '\r'}) {
        plain[static_cast<unsigned char>(space)] = true;
    }
    return plain;
}

constexpr std::array<bool, 256> kPlain = plainBytes();

// Windows-1252 at 0x80 to 0x9F; its five unassigned bytes keep their Latin-1 code points.
constexpr std::uint16_t kWindows1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The length of the well-formed UTF-8 sequence of an XML character at `pos`, or 0.
std::size_t utf8Length(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || pos + length > text.size()) {
        return 0;
    }
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(i) & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    const bool nonCharacter = code == 0xFFFE || code == 0xFFFF;
    const bool valid = code >= kSmallest[length] && code <= 0x10FFFF && !surrogate && !nonCharacter;
    return valid ? length : 0;
}

// Writes the byte at `pos` that is not plain; answers how many bytes it took.
std::size_t appendSpecial(std::string& out, std::string_view text, std::size_t pos) {
    const unsigned char byte = static_cast<unsigned char>(text[pos]);
    switch (byte) {
    case '&':
        out += "&amp;";
        return 1;
    case '<':
        out += "&lt;";
        return 1;
    case '>':
        out += "&gt;";
        return 1;
    case '"':
        out += "&quot;";
        return 1;
    case '\'':
        out += "&apos;";
        return 1;
    default:
        break;
    }
    if (byte < 0x20) {
        appendUtf8(out, 0xFFFD);
        return 1;
    }
    if (const std::size_t length = utf8Length(text, pos)) {
        out.append(text.data() + pos, length);
        return length;
    }
    appendUtf8(out, byte < 0xA0 ? kWindows1252[byte - 0x80] : byte);
    return 1;
}

} // namespace

namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighs = 0x8080808080808080ULL;

// A high bit in each byte of `word` that is zero; exact for the lowest such byte only.
constexpr std::uint64_t zeroBytes(std::uint64_t word) {
    return (word - kOnes) & ~word & kHighs;
}

// Whether any byte of the eight may need escaping: a control byte, an 8-bit byte or one of
// the five special characters (tab, line feed and carriage return are sorted out by the
// table later).
constexpr bool mayNeedEscaping(std::uint64_t word) {
    const std::uint64_t control = (word - kOnes * 0x20) & ~word & kHighs;
    std::uint64_t special = 0;
    for (const char character : {'&', '<', '>', '"', '\''}) {
        special |= zeroBytes(word ^ (kOnes * static_cast<unsigned char>(character)));
    }
    return (control | (word & kHighs) | special) != 0;
}

} // namespace

std::size_t PlainXmlPrefix(std::string_view text) {
    std::size_t end = 0;
    // Eight bytes at a time while none of them needs a look.
    while (end + 8 <= text.size()) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + end, sizeof word);
        if (mayNeedEscaping(word)) {
            break;
        }
        end += 8;
    }
    while (end < text.size() && kPlain[static_cast<unsigned char>(text[end])]) {
        ++end;
    }
    return end;
}

void AppendXmlEscaped(std::string& out, std::string_view text) {
    while (!text.empty()) {
        const std::size_t plain = PlainXmlPrefix(text);
        out.append(text.data(), plain);
        text.remove_prefix(plain);
        if (!text.empty()) {
            text.remove_prefix(appendSpecial(out, text, 0));
        }
    }
}

CString CXmlExport::EscapeXMLString(const CString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.GetLength()));
    AppendXmlEscaped(out, text.view());
    return CString(std::move(out));
}

CXmlLine& CXmlLine::Escaped(std::string_view text) {
    // Most texts need nothing: they go straight in.
    const std::size_t plain = PlainXmlPrefix(text);
    Text(text.substr(0, plain));
    if (plain < text.size()) {
        std::string& scratch = m_xml.m_sScratch;
        scratch.clear();
        AppendXmlEscaped(scratch, text.substr(plain));
        Text(std::string_view(scratch));
    }
    return *this;
}

} // namespace Vel
