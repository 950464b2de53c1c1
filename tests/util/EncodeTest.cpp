#include <vel/Encode.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <random>
#include <string>

using Vel::CEncode;

namespace {

const int kKeys[] = {0, 1, -1, 7, 4096, INT_MAX, INT_MIN};

// The way a stored value travels, each step in its own standard buffer: scramble, write as
// hexadecimal, read back, scramble again. Returns the hexadecimal form; `back` gets the text.
std::string roundTrip(const std::string& text, int key, std::string* back = nullptr) {
    char work[CEncode::kBufferSize] = {};
    char hex[CEncode::kBufferSize] = {};
    char bytes[CEncode::kBufferSize] = {};
    std::memcpy(work, text.c_str(), text.size() + 1);
    CEncode::EncodeStr(work, key);
    const int hexLength = CEncode::ConvertToHex(work, hex);
    const int count = CEncode::ConvertFromHex(hex, bytes);
    CEncode::EncodeStr(bytes, key);
    EXPECT_EQ(hexLength, CEncode::GetHexLength(static_cast<int>(text.size())));
    EXPECT_EQ(count, static_cast<int>(text.size()));
    if (back != nullptr) {
        *back = bytes;
    }
    return hex;
}

void expectRoundTrip(const std::string& text, int key) {
    std::string back;
    roundTrip(text, key, &back);
    EXPECT_EQ(back, text) << "key " << key;
}

TEST(EncodeRoundTrip, EveryByteValueAtEveryPositionUnderSeveralKeys) {
    for (const int key : kKeys) {
        for (int first = 0; first < 255; ++first) {
            std::string text;
            for (int i = 0; i < CEncode::kMaxTextLength; ++i) {
                text += static_cast<char>(1 + (first + i) % 255);
            }
            expectRoundTrip(text, key);
        }
    }
}

TEST(EncodeRoundTrip, RandomTextsUnderSeveralKeys) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> length(0, CEncode::kMaxTextLength);
    std::uniform_int_distribution<int> byte(1, 255);
    for (const int key : kKeys) {
        for (int n = 0; n < 300; ++n) {
            std::string text(static_cast<std::size_t>(length(random)), ' ');
            for (char& ch : text) {
                ch = static_cast<char>(byte(random));
            }
            expectRoundTrip(text, key);
        }
    }
}

TEST(EncodeStr, DependsOnTheKeyAndStaysStableForStoredValues) {
    EXPECT_NE(roundTrip("Secret", 1), roundTrip("Secret", 2));
    EXPECT_NE(roundTrip("Secret", 1), roundTrip("Secret", 0));
    // Values already stored in databases must stay readable.
    EXPECT_EQ(roundTrip("Secret", 1), "D759402CDB5F");
    EXPECT_EQ(roundTrip("1234", -7), "E7BD50C0");
}

TEST(HexForm, UpperCaseOutEitherCaseInMalformedOrOversizedRefused) {
    char hex[CEncode::kBufferSize];
    EXPECT_EQ(CEncode::ConvertToHex("\x01\x7f\x80\xff", hex), 8);
    EXPECT_STREQ(hex, "017F80FF");
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
