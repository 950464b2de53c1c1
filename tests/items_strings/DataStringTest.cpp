// The string item: length limits and result codes, default texts through the language
// provider, panel changes, find-and-replace, and the encrypted stored form.
#include "support/ItemsFixture.h"

#include <vel/DataCollection.h>
#include <vel/DataNumber.h>
#include <vel/DataString.h>

#include <string>
#include <utility>
#include <vector>

namespace VelTest {
namespace {

using namespace Vel;

// A record holding the item "Rec.Name".
struct NameRecord : CDataContainerBase {
    explicit NameRecord(CDataValidationClient* parent)
        : CDataContainerBase(parent, "Rec"), m_Name(this, "Rec.Name") {}
    CDataString m_Name;
};

class StringTest : public ItemsFixture {
protected:
    // The name of element number `id` (1 to 3).
    CDataString& Name(int id) { return records.GetElement(id - 1)->m_Name; }
    CDataCollection<NameRecord> records{&root, "Records", "Records", 3};
};

TEST_F(StringTest, LimitsGiveResultCodesAndRefusalsChangeNothing) {
    CDataString name(&screen, "S.Name");
    Change(610, "[S.Name]\nMinChars=2\nMaxChars=4\n");
    // 0 accepted, 3 too long, 4 too short
    const std::vector<std::pair<std::string, int>> cases = {
        {"ab", 0}, {"abcd", 0}, {"a", 4}, {"", 4}, {"abcde", 3}};
    for (const auto& [text, code] : cases) {
        EXPECT_EQ(name.SetValue(text), code) << '"' << text << '"';
    }
    EXPECT_EQ(name.GetValue(), "abcd");
}

TEST_F(StringTest, PanelChangesKeepCutOrReplaceTheText) {
    texts.LoadText("LMS_S__NAME=Front door\nLMS_S__KEPT=Spare\nLMS_S__SHORT=Spare\n"
                   "LMS_S__BARE=Long\n");
    CDataString name(&screen, "S.Name"), kept(&screen, "S.Kept"), shorter(&screen, "S.Short");
    CDataString bare(&screen, "S.Bare");
    root.ClearModified();
    Change(610, "[S.Name]\nMaxChars=20\n[S.Kept]\nMaxChars=20\n[S.Short]\nMaxChars=20\n"
                "[S.Bare]\nAllowedChars=0123\n");
    EXPECT_EQ(State(name), "Front door"); // a default is no change
    EXPECT_EQ(State(bare), " modified");  // no MaxChars: the default is cut to nothing

    name.SetValue("Back door");
    kept.SetValue("Side");
    shorter.SetValue("x");
    screen.ClearModified();
    Change(615, "[S.Name]\nMaxChars=4\n[S.Kept]\nMaxChars=20\n"
                "[S.Short]\nMinChars=3\nMaxChars=20\n");
    EXPECT_EQ(State(name), "Back modified");
    EXPECT_EQ(State(kept), "Side");
    EXPECT_EQ(State(shorter), "Spare modified");
}

TEST_F(StringTest, DefaultTextsFollowParentKeysAndElementNumbers) {
    texts.LoadText("LMS_REC__NAME=Zone %d\nLMS_S__BASE=Base text\nLMS_S__DEFAULT_NAME=Spaced\n");
    CDataString child(&screen, "S.Child"), spaced(&screen, "S.Default Name");
    CDataString none(&screen, "S.None");
    Change(610, "[Rec.Name]\nMaxChars=20\n[S.Child]\nParent=S.Base\nMaxChars=20\n"
                "[S.Default Name]\nMaxChars=20\n[S.None]\nMaxChars=20\n");
    EXPECT_EQ(Name(3).GetValue(), "Zone 4");
    EXPECT_EQ(child.GetValue(), "Base text");
    EXPECT_EQ(spaced.GetValue(), "Spaced");
    EXPECT_EQ(none.GetDefaultText(), ""); // no marker for a missing default text
    EXPECT_EQ(sink.Count(), 0u) << sink.Describe();
}

TEST_F(StringTest, ADefaultTextFoundMissingInOneChangeIsSoughtAgainInTheNext) {
    CDataString first(&screen, "S.Pin"), second(&screen, "S.Pin");
    Change(610, "[S.Pin]\nMinChars=1\nMaxChars=8\n");
    EXPECT_EQ(second.GetValue(), "");
    texts.LoadText("LMS_S__PIN=0000\n");
    Change(615, "[S.Pin]\nMinChars=1\nMaxChars=8\n");
    EXPECT_EQ(first.GetValue(), "0000");
    EXPECT_EQ(second.GetValue(), "0000");
}

TEST_F(StringTest, EncryptedTextRoundTripsUnderItsParentsElementNumber) {
    Change(610, "[Rec.Name]\nMaxChars=200\n");
    CDataString &third = Name(3), &second = Name(2), &plain = Name(1);
    for (CDataString* item : {&third, &second}) {
        item->SetCrypted();
        ASSERT_EQ(item->SetValue("Pin 4711"), CDataString::Accepted);
    }
    const CString stored = third.GetValueCrypted();
    EXPECT_EQ(stored.GetLength(), 16);
    EXPECT_NE(second.GetValueCrypted(), stored);
    EXPECT_EQ(third.GetValueString(), "<?\?\?>");
    EXPECT_FALSE(third.FindAndReplaceData("{+}", "x"));
    third.SetValue("other");
    EXPECT_EQ(third.SetValueCrypted(stored), CDataString::Accepted);
    EXPECT_EQ(third.GetValue(), "Pin 4711");
    EXPECT_EQ(plain.SetValueCrypted("Shut"), CDataString::Accepted);
    EXPECT_EQ(plain.GetValueCrypted(), "Shut");

    // Encoded, a text must fit one column: longer ones are refused, or cut when the item
    // becomes encrypted.
    const std::string longest(CDataString::kMaxCryptedLength, 'a');
    ASSERT_EQ(third.SetValue(longest), CDataString::Accepted);
    EXPECT_LE(third.GetValueCrypted().GetLength(), 255);
    const std::vector<std::pair<std::string, int>> refused = {
        {"SetValue 128 characters", third.SetValue(std::string(128, 'b'))},
        {"SetValue with a zero byte", third.SetValue(CString(std::string("a\0b", 3)))},
        {"stored form of 128 bytes", third.SetValueCrypted(std::string(256, '4'))},
        {"stored form that does not decode", third.SetValueCrypted("ABC")}};
    for (const auto& [what, code] : refused) {
        EXPECT_EQ(code, CDataString::TooLong) << what;
    }
    EXPECT_EQ(third.GetValue(), longest);
    ASSERT_EQ(plain.SetValue(std::string(200, 'c')), CDataString::Accepted);
    plain.ClearModified();
    plain.SetCrypted();
    EXPECT_EQ(plain.GetValue(), std::string(CDataString::kMaxCryptedLength, 'c'));
    EXPECT_TRUE(plain.IsModified());
}

TEST_F(StringTest, FindReplaceCopyAndCompare) {
    CDataString name(&screen, "S.Name"), other(&screen, "S.Other");
    Change(610, "[S.Name]\nMaxChars=4\n[S.Other]\nMaxChars=10\n");
    name.SetValue("Door");
    other.SetValue("door 2");
    // Find and replace matches patterns; a replacement the limits refuse still counts.
    EXPECT_TRUE(root.FindAndReplaceData("Do{+}", "Gate"));
    EXPECT_TRUE(other.FindAndReplaceData("{+}", "A much longer text"));
    EXPECT_EQ(name.GetValue(), "Gate");
    EXPECT_EQ(other.GetValue(), "door 2");

    TestScreen detached(nullptr, "Detached");
    CDataString source(&detached, "S.Name");
    CDataNumber number(&detached, "S.Name");
    source.SetValue("toolong");
    name.CopyValues(source, ""); // outside the limits: not taken
    EXPECT_FALSE(name.Compare(&source));
    source.SetValue("abc");
    name.CopyValues(source, "");
    name.CopyValues(number, ""); // another item type: nothing to take
    EXPECT_TRUE(name.Compare(&source));
    EXPECT_FALSE(name.Compare(&number));
}

} // namespace
} // namespace VelTest
