// Set items: every bitmap form, the two write families with their member order and
// modification, single-unit writes, AddByObject, copying, comparing and panel changes.
#include "support/ItemsFixture.h"

#include <vel/DataNumber.h>
#include <vel/DataSet.h>

#include <tuple>
#include <utility>
#include <vector>

namespace VelTest {
namespace {

using namespace Vel;
using Ints = std::vector<int>;

// A host set that keeps its own possible members and has no defaults.
template <typename T> struct HostSet : CDataSet<T> {
    HostSet(CDataValidationClient* parent, std::vector<T> all)
        : CDataSet<T>(parent, "Set"), m_All(std::move(all)) {}
    const std::vector<T>* GetAllData() const override { return &m_All; }
    void SetToDefault() override {}
    std::vector<T> m_All;
};
using IntSet = HostSet<int>;

// Sets bind their possible members at a panel change.
struct SetTest : ItemsFixture {
    SetTest() { Panel(610, "[Set]\n"); }
};

TEST_F(SetTest, OneWordWriteChangesOnlyThatUnit) {
    IntSet set(&screen, Series(10, 10, 20));
    Change(610);
    set.SetValue(0x00090005); // 10, 30, 170, 200
    EXPECT_EQ(set.GetBitmapInWord(1), 0x0009);
    set.ClearModified();
    set.SetBitmapInWord(0x0002, 0); // only the first unit changes; 20 goes behind the others
    EXPECT_EQ(set.GetDataList(), (Ints{170, 200, 20}));
    EXPECT_EQ(set.GetBitmapInWord(), (CWordList{0x0002, 0x0009}));
    EXPECT_TRUE(set.IsModified());
    set.ClearModified();
    set.SetBitmapInWord(0xFFFF, 2); // beyond the list
    set.SetBitmapInWord(0xFFFF, -1);
    EXPECT_FALSE(set.IsModified());
}

TEST_F(SetTest, UnitCountsFollowTheNumberOfPossibleMembers) {
    const std::tuple<int, CByteList, CWordList, CDWordList> cases[] = {
        {0, {}, {}, {}},
        {9, {0xFF, 0x01}, {0x01FF}, {0x1FF}},
        {32, CByteList(4, 0xFF), CWordList(2, 0xFFFF), {0xFFFFFFFF}},
        {33, {0xFF, 0xFF, 0xFF, 0xFF, 0x01}, {0xFFFF, 0xFFFF, 0x0001}, {0xFFFFFFFF, 0x1}},
    };
    for (const auto& [members, bytes, words, dwords] : cases) {
        IntSet set(&screen, Series(1, 1, members));
        Change(610);
        set.SetBitmapInBite(CBitList(static_cast<std::size_t>(members), true));
        EXPECT_EQ(set.GetBitmapInByte(), bytes) << members;
        EXPECT_EQ(set.GetBitmapInWord(), words) << members;
        EXPECT_EQ(set.GetBitmapInDWord(), dwords) << members;
        EXPECT_EQ(set.GetValue(), dwords.empty() ? 0U : dwords[0]) << members;
        screen.ClearChildren();
    }
}

TEST_F(SetTest, WriteFamiliesDifferInMemberOrderAndModification) {
    IntSet set(&screen, Series(1, 1, 5));
    Change(610);
    const auto chooseThreeThenOne = [&set] {
        set.SetValue(0);
        set.AddByObject(3);
        set.AddByObject(1);
        set.ClearModified();
    };
    chooseThreeThenOne();
    set.SetBitmapInBite({true, false, true, false, false}); // same flags: nothing at all
    EXPECT_EQ(set.GetDataList(), (Ints{3, 1}));
    EXPECT_FALSE(set.IsModified());
    set.SetBitmapInBite({true, true, true, false, false, true}); // no sixth member
    EXPECT_EQ(set.GetDataList(), (Ints{1, 2, 3}));
    EXPECT_TRUE(set.IsModified());

    chooseThreeThenOne();
    set.SetValue(0x5); // the members it holds, chosen out of order: rebuilt in list order
    EXPECT_EQ(set.GetDataList(), (Ints{1, 3}));
    EXPECT_FALSE(set.IsModified());
    set.SetValue(0xFFFFFFE4); // bits beyond the five members are ignored
    EXPECT_EQ(set.GetDataList(), (Ints{3}));
    EXPECT_TRUE(set.IsModified());
    set.SetBitmapInByte({0x03, 0xFF});
    EXPECT_EQ(set.GetDataList(), (Ints{1, 2}));
    set.SetBitmapInWord(CWordList{}); // missing units read as clear
    EXPECT_EQ(set.GetDataList(), Ints{});
}

TEST_F(SetTest, AddByObjectRefusesDuplicatesAndReportsStrangers) {
    IntSet set(&screen, Series(1, 1, 5));
    Change(610);
    EXPECT_TRUE(set.AddByObject(2));
    set.ClearModified();
    EXPECT_FALSE(set.AddByObject(2));
    EXPECT_FALSE(set.IsModified());
    EXPECT_TRUE(set.AddByObject(99));
    EXPECT_TRUE(set.IsModified());
    EXPECT_EQ(set.GetDataList(), (Ints{2, 99}));
    EXPECT_EQ(set.GetValue(), 0x2U); // the stranger has no bit
    EXPECT_EQ(sink.Count(), 1u);
}

TEST_F(SetTest, CompareSeesOnlyTheFirst32MembersAndCopyGoesByPosition) {
    IntSet left(&screen, Series(1, 1, 40)), right(&screen, Series(1, 1, 40));
    IntSet tens(&screen, Series(10, 10, 40));
    Change(610);
    right.AddByObject(35);
    EXPECT_TRUE(left.Compare(&right));
    right.AddByObject(3);
    EXPECT_FALSE(left.Compare(&right));
    tens.CopyValues(right, "");
    EXPECT_EQ(tens.GetDataList(), (Ints{30, 350}));
    EXPECT_TRUE(tens.Compare(&right));
    CDataNumber number(&screen, "Set");
    EXPECT_FALSE(tens.Compare(&number));
}

TEST_F(SetTest, WithoutPossibleMembersNothingIsShownOrWritten) {
    IntSet set(&screen, Series(1, 1, 5)); // no panel change: no list bound
    set.SetValue(0x3);
    set.SetBitmapInWord(0x3, 0);
    EXPECT_EQ(set.GetValue(), 0U);
    EXPECT_EQ(set.GetDataList(), Ints{});
}

} // namespace
} // namespace VelTest
