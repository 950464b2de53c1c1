#include <vel/Encode.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace Vel {

namespace {

// splitmix64: cheap, well mixed, and fixed forever, because stored texts depend on it.
class KeyStream {
public:
    explicit KeyStream(int key)
        : m_nState(0x6A09E667F3BCC909ULL ^ static_cast<std::uint32_t>(key)) {}

    std::uint64_t Next() {
        std::uint64_t z = (m_nState += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

private:
    std::uint64_t m_nState;
};

// A reflection b -> s - b on the 255 non-zero byte values (taken as 0..254 modulo 255) is its
// own inverse and never yields the zero byte, so the text keeps its terminator.
unsigned char reflect(unsigned char byte, unsigned offset) {
    const unsigned x = byte - 1u;
    return static_cast<unsigned char>((offset + 255u - x) % 255u + 1u);
}

int hexDigitValue(char ch) {
    if (ch >= '0' && ch <= '9') {
        return ch - '0';
    }
    if (ch >= 'A' && ch <= 'F') {
        return ch - 'A' + 10;
    }
    if (ch >= 'a' && ch <= 'f') {
        return ch - 'a' + 10;
    }
    return -1;
}

int refuse(char* out, int outSize) {
    if (outSize > 0) {
        out[0] = '\0';
    }
    return -1;
}

} // namespace

void CEncode::EncodeStr(char* text, int key) {
    KeyStream stream(key);
    for (char* at = text; *at != '\0'; ++at) {
        const auto offset = static_cast<unsigned>(stream.Next() % 255u);
        *at = static_cast<char>(reflect(static_cast<unsigned char>(*at), offset));
    }
}

int CEncode::ConvertToHex(const char* text, char* hex, int hexSize) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const std::size_t length = std::strlen(text);
    if (hexSize <= 0 || length > static_cast<std::size_t>(hexSize - 1) / 2) {
        return refuse(hex, hexSize);
    }
    for (std::size_t i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        hex[2 * i] = kDigits[byte >> 4];
        hex[2 * i + 1] = kDigits[byte & 0x0F];
    }
    hex[2 * length] = '\0';
    return GetHexLength(static_cast<int>(length));
}

int CEncode::ConvertFromHex(const char* hex, char* text, int textSize) {
    const std::size_t length = std::strlen(hex);
    if (textSize <= 0 || length % 2 != 0 || length / 2 > static_cast<std::size_t>(textSize - 1)) {
        return refuse(text, textSize);
    }
    for (std::size_t i = 0; i < length / 2; ++i) {
        const int high = hexDigitValue(hex[2 * i]);
        const int low = hexDigitValue(hex[2 * i + 1]);
        if (high < 0 || low < 0 || (high | low) == 0) {
            return refuse(text, textSize);
        }
        text[i] = static_cast<char>(high << 4 | low);
    }
    text[length / 2] = '\0';
    return static_cast<int>(length / 2);
}

} // namespace Vel
