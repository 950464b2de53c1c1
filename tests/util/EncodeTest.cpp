#include <vel/Encode.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

using Vel::CEncode;

namespace {

// The two ways of a stored value, each step in its own standard buffer, as the string item
// takes them: scramble and write as hexadecimal; read back and scramble again.
std::string hexOf(const std::string& text, int key) {
    char work[CEncode::kBufferSize] = {};
    char hex[CEncode::kBufferSize] = {};
    std::memcpy(work, text.c_str(), text.size() + 1);
    CEncode::EncodeStr(work, key);
    EXPECT_EQ(CEncode::ConvertToHex(work, hex), CEncode::GetHexLength(int(text.size())));
    return hex;
}

std::string textOf(const std::string& hex, int key) {
    char bytes[CEncode::kBufferSize] = {};
    EXPECT_EQ(CEncode::ConvertFromHex(hex.c_str(), bytes), int(hex.size() / 2));
    CEncode::EncodeStr(bytes, key);
    return bytes;
}

TEST(EncodeRoundTrip, EveryByteValueAtEveryPositionUnderSeveralKeys) {
    for (const int key : {0, 1, -1, 4096, INT_MAX, INT_MIN}) {
        EXPECT_EQ(textOf(hexOf("", key), key), "");
        for (int first = 0; first < 255; ++first) {
            std::string text;
            for (int i = 0; i < CEncode::kMaxTextLength; ++i) {
                text += static_cast<char>(1 + (first + i) % 255);
            }
            EXPECT_EQ(textOf(hexOf(text, key), key), text) << "key " << key << ", first " << first;
        }
    }
}

// Values already stored in databases must stay readable.
TEST(EncodeStr, DependsOnTheKeyAndStaysStableForStoredValues) {
    EXPECT_EQ(hexOf("Secret", 1), "D759402CDB5F");
    EXPECT_EQ(hexOf("1234", -7), "E7BD50C0");
}

TEST(HexForm, UpperCaseOutEitherCaseInMalformedOrOversizedRefused) {
    char hex[CEncode::kBufferSize];
    const std::string tooLong(CEncode::kMaxTextLength + 1, 'a');
    EXPECT_EQ(CEncode::ConvertToHex(tooLong.c_str(), hex), -1);
    EXPECT_STREQ(hex, "");

    char bytes[4];
    EXPECT_EQ(CEncode::ConvertFromHex("7F80fF", bytes, sizeof bytes), 3);
    EXPECT_STREQ(bytes, "\x7f\x80\xff");
    for (const char* bad : {"4", "4G", " 41", "00", "4100", "0x41", "41424344"}) {
        std::memset(bytes, 'z', sizeof bytes);
        EXPECT_EQ(CEncode::ConvertFromHex(bad, bytes, sizeof bytes), -1) << "hex: " << bad;
        EXPECT_STREQ(bytes, "") << "hex: " << bad;
    }
}

} // namespace
