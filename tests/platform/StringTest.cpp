#include <vel/String.h>

#include <gtest/gtest.h>

#include <string>

namespace Vel {
namespace {

TEST(String, FormatsLikePrintfAlsoFromItsOwnText) {
    EXPECT_EQ(CString::Formatted("%s.%d:%04X %d%%", "Zone", -7, 0xBEEFu, 50), "Zone.-7:BEEF 50%");
    const std::string longText(1000, 'a');
    EXPECT_EQ(CString::Formatted("%s!", longText.c_str()).GetLength(), 1001);

    CString text = "abcdefghijklmnopqrstuvwxyz";
    text.AppendFormat("%s", text.GetString()); // the append may move the text it reads
    EXPECT_EQ(text, "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz");
    text.Format("<%s>", text.GetString());
    EXPECT_EQ(text.GetLength(), 54);
}

TEST(String, KeepsBytesAndIgnoresPositionsOutsideTheText) {
    const CString bytes("a\0b", 3);
    EXPECT_EQ(bytes.GetLength(), 3);
    EXPECT_EQ(CString("abc", -1), "");
    EXPECT_EQ(CString(nullptr), "");
    EXPECT_EQ(CString('-', -1), "");

    CString text("abc");
    EXPECT_EQ(text.GetAt(3), '\0');
    text.SetAt(3, 'x');
    text.SetAt(-1, 'x');
    EXPECT_EQ(text, "abc");
}

TEST(String, FindsOnlyWithinTheText) {
    const CString text("a.b.c");
    const std::pair<int, int> found[] = {{text.Find('.', 2), 3},   {text.Find('.', 99), -1},
                                         {text.Find('.', -1), -1}, {text.Find("", 5), 5},
                                         {text.Find("", 6), -1},   {text.FindOneOf(""), -1}};
    for (std::size_t i = 0; i < std::size(found); ++i) {
        EXPECT_EQ(found[i].first, found[i].second) << "case " << i;
    }
}

TEST(String, ReplacesWithoutOverlapAndInsertsWithinTheText) {
    CString text("aaa");
    EXPECT_EQ(text.Replace("aa", "b"), 1); // left to right, without overlap
    EXPECT_EQ(text.Replace("", "x"), 0);
    EXPECT_EQ(text.Replace("a", "aa"), 1); // the replacement is not searched again
    EXPECT_EQ(text, "baa");
    EXPECT_EQ(text.Insert(99, ">"), 4);
    EXPECT_EQ(text.Insert(-5, "<"), 5);
    EXPECT_EQ(text, "<baa>");
    EXPECT_EQ(text.Delete(1, 99), 1);
}

TEST(String, TrimsAndCutsWithinTheText) {
    const std::pair<CString, const char*> results[] = {
        {CString(" \t\r\n\v\fx y\f\v\n\r\t ").Trim(), "x y"},
        {CString(" \t ").Trim(), ""},
        {CString("--x-+").Trim("-+"), "x"},
        {CString("abcdef").Left(-1), ""},
        {CString("abcdef").Mid(-3), "abcdef"},
        {CString("abcdef").Mid(4, 99), "ef"},
        {CString("aZ09_\xc3\xa9").MakeUpper(), "AZ09_\xc3\xa9"}, // ASCII letters only
    };
    for (std::size_t i = 0; i < std::size(results); ++i) {
        EXPECT_EQ(results[i].first, results[i].second) << "case " << i;
    }
}

TEST(String, ComparesExactlyOrIgnoringCase) {
    EXPECT_EQ(CString("zone").CompareNoCase("ZONES"), -1);
    // Compared in lower case, as the C library does: '[' sorts before 'a', not after 'A'.
    EXPECT_EQ(CString("[").CompareNoCase("a"), -1);
    EXPECT_LT(CString("A"), CString("a"));
}

} // namespace
} // namespace Vel
