// The string item: length limits and result codes, default texts through the language
// provider, panel changes, find-and-replace, and the encrypted stored form.
#include "ItemsFixture.h"

#include <vel/DataNumber.h>

#include <string>
#include <utility>
#include <vector>

namespace VelTest {
namespace {

using Vel::CAssertReport;
using Vel::CDataString;
using Vel::CString;

using StringTest = ItemsFixture;

TEST_F(StringTest, LimitsGiveResultCodesAndRefusalsChangeNothing) {
    CDataString name(&screen, "S.Name");
    ASSERT_TRUE(ChangeTo(kVersion, "[S.Name]\nMinChars=2\nMaxChars=4\n"));
    const std::vector<std::pair<std::string, int>> cases = {{"ab", CDataString::Accepted},
                                                            {"abcd", CDataString::Accepted},
                                                            {"a", CDataString::TooShort},
                                                            {"", CDataString::TooShort},
                                                            {"abcde", CDataString::TooLong}};
    for (const auto& [text, code] : cases) {
        EXPECT_EQ(name.SetValue(text), code) << '"' << text << '"';
    }
    name.ClearModified();
    EXPECT_EQ(name.SetValue("abcd"), CDataString::Accepted);
    EXPECT_EQ(static_cast<CString>(name), "abcd");
    EXPECT_FALSE(name.IsModified());
}

TEST_F(StringTest, PanelChangesKeepCutOrReplaceTheText) {
    texts.LoadText("LMS_S__NAME=Front door\nLMS_S__KEPT=Spare\nLMS_S__SHORT=Spare\n");
    CDataString name(&screen, "S.Name"), kept(&screen, "S.Kept"), shorter(&screen, "S.Short");
    root.ClearModified();
    ASSERT_TRUE(ChangeTo(610, "[S.Name]\nMaxChars=20\n[S.Kept]\nMaxChars=20\n"
                              "[S.Short]\nMaxChars=20\n"));
    EXPECT_EQ(State(name), "Front door"); // a default is no change
    EXPECT_EQ(State(kept), "Spare");

    name.SetValue("Back door");
    kept.SetValue("Side");
    shorter.SetValue("x");
    screen.ClearModified();
    ASSERT_TRUE(ChangeTo(615, "[S.Name]\nMaxChars=4\n[S.Kept]\nMaxChars=20\n"
                              "[S.Short]\nMinChars=3\nMaxChars=20\n"));
    EXPECT_EQ(State(name), "Back modified");
    EXPECT_EQ(State(kept), "Side");
    EXPECT_EQ(State(shorter), "Spare modified");
}

TEST_F(StringTest, DefaultTextsFollowParentKeysAndElementNumbers) {
    texts.LoadText("LMS_REC__NAME=Zone %d\nLMS_S__BASE=Base text\nLMS_S__DEFAULT_NAME=Spaced\n");
    CDataString child(&screen, "S.Child"), spaced(&screen, "S.Default Name");
    CDataString none(&screen, "S.None");
    ASSERT_TRUE(ChangeTo(kVersion, "[Rec.Name]\nMaxChars=20\n[S.Child]\nParent=S.Base\n"
                                   "MaxChars=20\n[S.Default Name]\nMaxChars=20\n"
                                   "[S.None]\nMaxChars=20\n"));
    EXPECT_EQ(Record(3).m_Name.GetValue(), "Zone 4");
    EXPECT_EQ(child.GetValue(), "Base text");
    EXPECT_EQ(spaced.GetValue(), "Spaced");
    EXPECT_EQ(none.GetDefaultText(), ""); // no marker for a missing default text
    EXPECT_EQ(none.GetCaptionText(), "LM==>S.None");
    EXPECT_EQ(sink.Count(), 0u) << sink.Describe();
}

TEST_F(StringTest, MissingLengthElementsAllowOnlyTheEmptyText) {
    texts.LoadText("LMS_S__BARE=Long\n");
    CDataString bare(&screen, "S.Bare"), unknown(&screen, "S.Unknown");
    root.ClearModified();
    ASSERT_TRUE(ChangeTo(kVersion, "[S.Bare]\nAllowedChars=0123\n"));
    EXPECT_EQ(State(bare), " modified"); // the default is cut to nothing
    EXPECT_FALSE(bare.IsDisabled());
    EXPECT_TRUE(unknown.IsDisabled()); // a key without a section of its own
    EXPECT_EQ(bare.SetValue("0"), CDataString::TooLong);
}

TEST_F(StringTest, FindAndReplaceMatchesPatternsAndKeepsLimits) {
    CDataString a(&screen, "S.A"), b(&screen, "S.B"), c(&screen, "S.C");
    ASSERT_TRUE(ChangeTo(kVersion, "[S.A]\nMaxChars=10\n[S.B]\nMaxChars=10\n[S.C]\nMaxChars=10\n"));
    a.SetValue("Door 1");
    b.SetValue("door 2");
    c.SetValue("Front Door");
    EXPECT_TRUE(root.FindAndReplaceData("Door{+}", "Gate"));
    EXPECT_EQ(a.GetValue() + "|" + b.GetValue() + "|" + c.GetValue(), "Gate|door 2|Front Door");
    // A match whose replacement the limits refuse still counts; the text stays.
    EXPECT_TRUE(b.FindAndReplaceData("{+}", "A much longer text"));
    EXPECT_EQ(b.GetValue(), "door 2");
    EXPECT_FALSE(a.FindAndReplaceData("ate", "x"));
}

TEST_F(StringTest, EncryptedTextRoundTripsUnderItsParentsElementNumber) {
    ASSERT_TRUE(ChangeTo(kVersion, "[Rec.Name]\nMaxChars=200\n"));
    CDataString& third = Record(3).m_Name;
    CDataString& second = Record(2).m_Name;
    third.SetCrypted();
    second.SetCrypted();
    ASSERT_EQ(third.SetValue("Pin 4711"), CDataString::Accepted);
    second.SetValue("Pin 4711");

    const CString stored = third.GetValueCrypted();
    EXPECT_EQ(stored.GetLength(), 16);
    EXPECT_NE(stored, "50696E2034373131"); // not the plain hexadecimal form
    EXPECT_NE(second.GetValueCrypted(), stored);
    EXPECT_EQ(third.GetValueString(), "<?\?\?>");
    EXPECT_FALSE(third.FindAndReplaceData("{+}", "x"));

    third.SetValue("other");
    EXPECT_EQ(third.SetValueCrypted(stored), CDataString::Accepted);
    EXPECT_EQ(third.GetValue(), "Pin 4711");
    second.SetValueCrypted(stored); // another element number: another text
    EXPECT_NE(second.GetValue(), "Pin 4711");

    CDataString& plain = Record(1).m_Name;
    EXPECT_EQ(plain.SetValueCrypted("Shut"), CDataString::Accepted);
    EXPECT_EQ(plain.GetValueCrypted() + "|" + plain.GetValueString(), "Shut|Shut");
    EXPECT_EQ(plain.SetValueCrypted(std::string(201, 'x')), CDataString::TooLong);
}

TEST_F(StringTest, EncryptedTextsMustFitTheColumnWhenEncoded) {
    CDataString secret(&screen, "S.Secret"), plain(&screen, "S.Plain");
    ASSERT_TRUE(ChangeTo(kVersion, "[S.Secret]\nMaxChars=200\n[S.Plain]\nMaxChars=200\n"));
    secret.SetCrypted();
    const std::string longest(CDataString::kMaxCryptedLength, 'a');
    ASSERT_EQ(secret.SetValue(longest), CDataString::Accepted);
    EXPECT_LE(secret.GetValueCrypted().GetLength(), 255);
    secret.ClearModified();
    const std::vector<std::pair<std::string, int>> refused = {
        {"SetValue 128 characters", secret.SetValue(std::string(128, 'b'))},
        {"SetValue with a zero byte", secret.SetValue(CString(std::string("a\0b", 3)))},
        {"stored form of 128 bytes", secret.SetValueCrypted(std::string(256, '4'))},
        {"stored form of 256 bytes", secret.SetValueCrypted(std::string(512, '4'))},
        {"odd length", secret.SetValueCrypted("ABC")},
        {"no hexadecimal digit", secret.SetValueCrypted("ZZ")},
        {"zero byte", secret.SetValueCrypted("00")}};
    for (const auto& [what, code] : refused) {
        EXPECT_EQ(code, CDataString::TooLong) << what;
    }
    EXPECT_EQ(State(secret), "<?\?\?>");
    EXPECT_EQ(secret.GetValue(), longest);

    // A text too long to be encoded is cut when the item becomes encrypted.
    ASSERT_EQ(plain.SetValue(std::string(200, 'c')), CDataString::Accepted);
    plain.ClearModified();
    plain.SetCrypted();
    EXPECT_EQ(plain.GetValue(), std::string(CDataString::kMaxCryptedLength, 'c'));
    EXPECT_TRUE(plain.IsModified());
}

TEST_F(StringTest, StandaloneItemsCopyAndCompare) {
    CDataString alone;
    EXPECT_EQ(alone.SetValue(std::string(300, 'z')), CDataString::Accepted); // no record
    EXPECT_EQ(alone.GetDefaultText(), "");
    EXPECT_TRUE(HasReports(sink, {{CAssertReport::Error,
                                   "pDMB",
                                   "DataStringVel",
                                   133,
                                   "GetDefaultText() can't be called for standalone data items",
                                   {}}}));

    CDataString name(&screen, "S.Name");
    ASSERT_TRUE(ChangeTo(kVersion, "[S.Name]\nMaxChars=4\n"));
    TestScreen detached(nullptr, "Detached");
    CDataString source(&detached, "S.Name");
    Vel::CDataNumber number(&detached, "S.Name");
    source.SetValue("toolong");
    name.CopyValues(source, "");
    EXPECT_FALSE(name.Compare(&source));
    source.SetValue("abc");
    name.CopyValues(source, "");
    name.CopyValues(number, ""); // another item type: nothing to take
    EXPECT_EQ(name.GetValue(), "abc");
    EXPECT_TRUE(name.Compare(&source));
    source.SetValue("ABC");
    EXPECT_FALSE(name.Compare(&source));
    EXPECT_FALSE(name.Compare(&number));
}

} // namespace
} // namespace VelTest
