#include <vel/String.h>

#include <gtest/gtest.h>

#include <string>
#include <unordered_map>

namespace Vel {
namespace {

TEST(String, FormatsLikePrintf) {
    CString text;
    text.Format("%s.%d:%04X", "Zone", -7, 0xBEEFu);
    EXPECT_EQ(text, "Zone.-7:BEEF");
    text.Format("%s", "");
    EXPECT_TRUE(text.IsEmpty());
    text.AppendFormat("[%c]", 'x');
    text.AppendFormat("%.2f", 1.5);
    EXPECT_EQ(text, "[x]1.50");
    EXPECT_EQ(CString::Formatted("%d%%", 50), "50%");

    const std::string longText(1000, 'a');
    EXPECT_EQ(CString::Formatted("%s!", longText.c_str()).GetLength(), 1001);
}

TEST(String, FormatMayUseItsOwnTextAsArgument) {
    CString text("abcdefghijklmnopqrstuvwxyz");
    text.AppendFormat("%s", text.GetString()); // the append may move the text it reads
    EXPECT_EQ(text, "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz");
    text.Format("<%s>", text.GetString());
    EXPECT_EQ(text.GetLength(), 54);
}

TEST(String, KeepsBytesIncludingZeroBytes) {
    const CString text("a\0b", 3);
    EXPECT_EQ(text.GetLength(), 3);
    EXPECT_EQ(text[1], '\0');
    EXPECT_EQ(CString("abc", -1), "");
    EXPECT_EQ(CString(nullptr), "");
    EXPECT_EQ(CString('-', 3), "---");
    EXPECT_EQ(CString('-', -1), "");
}

TEST(String, PositionsOutsideTheTextAreHarmless) {
    CString text("abc");
    EXPECT_EQ(text.GetAt(-1), '\0');
    EXPECT_EQ(text.GetAt(3), '\0');
    text.SetAt(3, 'x');
    text.SetAt(-1, 'x');
    text.SetAt(1, 'B');
    EXPECT_EQ(text, "aBc");
}

TEST(String, FindsCharactersAndTexts) {
    const CString text("a.b.c");
    EXPECT_EQ(text.Find('.'), 1);
    EXPECT_EQ(text.Find('.', 2), 3);
    EXPECT_EQ(text.Find('.', 4), -1);
    EXPECT_EQ(text.Find('.', 99), -1);
    EXPECT_EQ(text.Find('.', -1), -1);
    EXPECT_EQ(text.Find("b.c"), 2);
    EXPECT_EQ(text.Find("", 5), 5);
    EXPECT_EQ(text.Find("", 6), -1);
    EXPECT_EQ(text.Find("x"), -1);
    EXPECT_EQ(text.ReverseFind('.'), 3);
    EXPECT_EQ(text.ReverseFind('x'), -1);
    EXPECT_EQ(text.FindOneOf("cb"), 2);
    EXPECT_EQ(text.FindOneOf(""), -1);
}

TEST(String, ReplacesRemovesInsertsAndDeletes) {
    CString text("aaa");
    EXPECT_EQ(text.Replace("aa", "b"), 1); // left to right, without overlap
    EXPECT_EQ(text, "ba");
    EXPECT_EQ(text.Replace("", "x"), 0);
    EXPECT_EQ(text.Replace("a", "aa"), 1); // the replacement is not searched again
    EXPECT_EQ(text, "baa");
    EXPECT_EQ(text.Replace("zz", "y"), 0);
    EXPECT_EQ(text.Replace('a', 'c'), 2);
    EXPECT_EQ(text.Remove('c'), 2);
    EXPECT_EQ(text, "b");
    EXPECT_EQ(text.Insert(0, "<"), 2);
    EXPECT_EQ(text.Insert(99, ">"), 3);
    EXPECT_EQ(text.Insert(-5, "["), 4);
    EXPECT_EQ(text, "[<b>");
    EXPECT_EQ(text.Delete(1, 99), 1);
    EXPECT_EQ(text.Delete(5), 1);
    EXPECT_EQ(text, "[");
}

TEST(String, TrimsWhiteSpaceOrGivenCharacters) {
    EXPECT_EQ(CString(" \t\r\n\v\fx y\f\v\n\r\t ").Trim(), "x y");
    EXPECT_EQ(CString("  x  ").TrimLeft(), "x  ");
    EXPECT_EQ(CString("  x  ").TrimRight(), "  x");
    EXPECT_EQ(CString(" \t ").Trim(), "");
    EXPECT_EQ(CString("").Trim(), "");
    EXPECT_EQ(CString("--x-+").Trim("-+"), "x");
    EXPECT_EQ(CString("xx").Trim(""), "xx");
    EXPECT_EQ(CString("00100").TrimLeft('0'), "100");
    EXPECT_EQ(CString("1.500").TrimRight('0'), "1.5");
}

TEST(String, SubStringsClampTheirArguments) {
    const CString text("abcdef");
    EXPECT_EQ(text.Left(2), "ab");
    EXPECT_EQ(text.Left(99), "abcdef");
    EXPECT_EQ(text.Left(-1), "");
    EXPECT_EQ(text.Right(2), "ef");
    EXPECT_EQ(text.Right(99), "abcdef");
    EXPECT_EQ(text.Right(-1), "");
    EXPECT_EQ(text.Mid(4), "ef");
    EXPECT_EQ(text.Mid(99), "");
    EXPECT_EQ(text.Mid(-3), "abcdef");
    EXPECT_EQ(text.Mid(1, 2), "bc");
    EXPECT_EQ(text.Mid(4, 99), "ef");
    EXPECT_EQ(text.Mid(2, -1), "");
    EXPECT_EQ(text.Mid(6, 1), "");
    EXPECT_EQ(text.SpanIncluding("cba"), "abc");
    EXPECT_EQ(text.SpanIncluding("x"), "");
    EXPECT_EQ(text.SpanExcluding("dx"), "abc");
    EXPECT_EQ(text.SpanExcluding("x"), "abcdef");
}

TEST(String, ChangesCaseOfAsciiLettersOnly) {
    CString text("aZ09_\xc3\xa9");
    EXPECT_EQ(CString(text).MakeUpper(), "AZ09_\xc3\xa9");
    EXPECT_EQ(CString(text).MakeLower(), "az09_\xc3\xa9");
    EXPECT_EQ(CString("abc").MakeReverse(), "cba");
}

TEST(String, ComparesExactlyOrIgnoringCase) {
    EXPECT_EQ(CString("a").Compare("b"), -1);
    EXPECT_EQ(CString("b").Compare("a"), 1);
    EXPECT_EQ(CString("a").Compare("a"), 0);
    EXPECT_EQ(CString("Zone").CompareNoCase("zONE"), 0);
    EXPECT_EQ(CString("zone").CompareNoCase("ZONES"), -1);
    EXPECT_EQ(CString("zones").CompareNoCase("ZONE"), 1);
    // Compared in lower case, as the C library does: '[' sorts before 'a', not after 'A'.
    EXPECT_EQ(CString("[").CompareNoCase("a"), -1);
    EXPECT_LT(CString("A"), CString("a"));
    EXPECT_TRUE(CString("x") == "x");
    EXPECT_TRUE(CString("x") != CString("X"));
}

TEST(String, ConcatenatesAndKeysUnorderedMaps) {
    CString text = CString("a") + "b" + 'c';
    text += CString("d");
    text += static_cast<const char*>(nullptr);
    EXPECT_EQ("<" + text + ">", "<abcd>");

    std::unordered_map<CString, int> map;
    map[CString("Zone")] = 1;
    map[CString("zone")] = 2; // keys are exact
    EXPECT_EQ(map.size(), 2u);
    EXPECT_EQ(map.at(CString("Zo") + "ne"), 1);
    EXPECT_EQ(std::hash<CString>{}(CString("k")), std::hash<CString>{}(CString(std::string("k"))));
}

} // namespace
} // namespace Vel
