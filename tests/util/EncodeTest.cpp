#include <vel/Encode.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <random>
#include <string>

using Vel::CEncode;

namespace {

const int kKeys[] = {0, 1, -1, 7, 4096, INT_MAX, INT_MIN};

// The stored round trip: plain text -> scrambled -> hexadecimal -> scrambled -> plain text,
// each step in its own buffer of the standard size.
struct RoundTrip {
    std::string hex;
    std::string back;
    int hexLength = 0;
    int byteCount = 0;
};

RoundTrip roundTrip(const std::string& text, int key) {
    char work[CEncode::kBufferSize] = {};
    char hex[CEncode::kBufferSize] = {};
    char bytes[CEncode::kBufferSize] = {};
    std::memcpy(work, text.c_str(), text.size() + 1);
    CEncode::EncodeStr(work, key);
    RoundTrip result;
    result.hexLength = CEncode::ConvertToHex(work, hex);
    result.byteCount = CEncode::ConvertFromHex(hex, bytes);
    CEncode::EncodeStr(bytes, key);
    result.hex = hex;
    result.back = bytes;
    return result;
}

void expectRoundTrip(const std::string& text, int key) {
    const RoundTrip trip = roundTrip(text, key);
    const int length = static_cast<int>(text.size());
    EXPECT_EQ(trip.hexLength, CEncode::GetHexLength(length)) << "key " << key;
    EXPECT_EQ(static_cast<int>(trip.hex.size()), CEncode::GetHexLength(length)) << "key " << key;
    EXPECT_EQ(trip.byteCount, length) << "key " << key;
    EXPECT_EQ(trip.back, text) << "key " << key;
}

// Byte values 1 to 255 in turn, starting at `first`.
std::string byteRun(int first, int length) {
    std::string text;
    for (int i = 0; i < length; ++i) {
        text += static_cast<char>(1 + (first + i) % 255);
    }
    return text;
}

TEST(EncodeRoundTrip, EveryByteValueAtEveryPositionUnderSeveralKeys) {
    for (const int key : kKeys) {
        for (int first = 0; first < 255; ++first) {
            expectRoundTrip(byteRun(first, CEncode::kMaxTextLength), key);
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

TEST(EncodeStr, IsAnInvolutionThatKeepsTheLengthOfAFullBuffer) {
    const std::string text = byteRun(0, CEncode::kBufferSize - 1);
    for (const int key : kKeys) {
        char buffer[CEncode::kBufferSize];
        std::memcpy(buffer, text.c_str(), sizeof buffer);
        CEncode::EncodeStr(buffer, key);
        EXPECT_EQ(std::strlen(buffer), text.size()) << "key " << key;
        EXPECT_NE(std::string(buffer), text) << "key " << key;
        CEncode::EncodeStr(buffer, key);
        EXPECT_EQ(std::string(buffer), text) << "key " << key;
    }
    char empty[1] = {};
    CEncode::EncodeStr(empty, 5);
    EXPECT_EQ(empty[0], '\0');
}

TEST(EncodeStr, DependsOnTheKeyAndStaysStableForStoredValues) {
    EXPECT_NE(roundTrip("Secret", 1).hex, roundTrip("Secret", 2).hex);
    EXPECT_NE(roundTrip("Secret", 1).hex, roundTrip("Secret", 0).hex);
    // Values already stored in databases must stay readable.
    EXPECT_EQ(roundTrip("Secret", 1).hex, "D759402CDB5F");
    EXPECT_EQ(roundTrip("1234", -7).hex, "E7BD50C0");
}

TEST(ConvertToHex, WritesUpperCaseDigitsAndRefusesWhatDoesNotFit) {
    char hex[CEncode::kBufferSize];
    EXPECT_EQ(CEncode::ConvertToHex("\x01\x7f\x80\xff", hex), 8);
    EXPECT_STREQ(hex, "017F80FF");
    EXPECT_EQ(CEncode::ConvertToHex("", hex), 0);
    EXPECT_STREQ(hex, "");

    const std::string longest(CEncode::kMaxTextLength, 'a');
    EXPECT_EQ(CEncode::ConvertToHex(longest.c_str(), hex), 254);
    const std::string tooLong(CEncode::kMaxTextLength + 1, 'a');
    EXPECT_EQ(CEncode::ConvertToHex(tooLong.c_str(), hex), -1);
    EXPECT_STREQ(hex, "");

    char small[5];
    EXPECT_EQ(CEncode::ConvertToHex("ab", small, sizeof small), 4);
    EXPECT_EQ(CEncode::ConvertToHex("abc", small, sizeof small), -1);
    EXPECT_STREQ(small, "");
}

TEST(ConvertFromHex, AcceptsEitherCaseAndRefusesMalformedText) {
    char bytes[CEncode::kBufferSize];
    EXPECT_EQ(CEncode::ConvertFromHex("41626a", bytes), 3);
    EXPECT_STREQ(bytes, "Abj");
    EXPECT_EQ(CEncode::ConvertFromHex("7F80fF", bytes), 3);
    EXPECT_STREQ(bytes, "\x7f\x80\xff");

    const std::string longest(2 * CEncode::kMaxTextLength, 'A');
    EXPECT_EQ(CEncode::ConvertFromHex(longest.c_str(), bytes), CEncode::kMaxTextLength);

    const std::string refused[] = {
        "4", "414", "4G", "G4", " 41", "41 ", "00", "4100", "0041", "-1", "0x41",
    };
    for (const auto& hex : refused) {
        std::memset(bytes, 'z', sizeof bytes);
        EXPECT_EQ(CEncode::ConvertFromHex(hex.c_str(), bytes), -1) << "hex: " << hex;
        EXPECT_STREQ(bytes, "") << "hex: " << hex;
    }

    char small[3];
    EXPECT_EQ(CEncode::ConvertFromHex("4142", small, sizeof small), 2);
    EXPECT_EQ(CEncode::ConvertFromHex("414243", small, sizeof small), -1);
    EXPECT_STREQ(small, "");
}

} // namespace
