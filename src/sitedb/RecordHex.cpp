#include "RecordHex.h"

#include <vector>

namespace Vel {

namespace {

int nibble(char ch) {
    if (ch >= '0' && ch <= '9') {
        return ch - '0';
    }
    if (ch >= 'a' && ch <= 'f') {
        return ch - 'a' + 10;
    }
    if (ch >= 'A' && ch <= 'F') {
        return ch - 'A' + 10;
    }
    return -1;
}

} // namespace

std::string RecordToHex(const void* record, std::size_t size) {
    static const char digits[] = "0123456789abcdef";
    const auto* bytes = static_cast<const unsigned char*>(record);
    std::string text;
    text.reserve(size * 2);
    for (std::size_t i = 0; i < size; ++i) {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 0x0f];
    }
    return text;
}

bool HexToRecord(const std::string& text, void* record, std::size_t size) {
    if (text.size() != size * 2) {
        return false;
    }
    std::vector<unsigned char> bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        const int high = nibble(text[2 * i]);
        const int low = nibble(text[2 * i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        bytes[i] = static_cast<unsigned char>(high << 4 | low);
    }
    std::copy(bytes.begin(), bytes.end(), static_cast<unsigned char*>(record));
    return true;
}

} // namespace Vel
