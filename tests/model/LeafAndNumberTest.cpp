// The leaf base and the number item: records shared through the manager, initialising,
// copying with exclusion lists, masks, limits, defaults and result codes.
#include "support/ItemsFixture.h"

#include <vel/ValidationData.h>

#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace VelTest {
namespace {

using Vel::CDataNumber;

// A leaf that counts how often it fills a record and copies, and exposes the masks.
class CountingLeaf : public Vel::CData {
public:
    using Vel::CData::CData;
    void OnPanelChanged() override {}
    int GetType() const override { return Vel::PanelDataTypes::SET; }
    bool Compare(Vel::CData*) override { return true; }
    bool FillValidationData(Vel::CValidationData& record) const override {
        ++m_nFills;
        const bool disabled = Vel::CData::FillValidationData(record);
        record.SetMaxNumber(GetRootItem()->GetValidationManager()->GetMaxNumber(m_sDataKey));
        return disabled;
    }
    unsigned short Masked(unsigned short value) {
        MaskValueByMaximum(value);
        return value;
    }
    static unsigned short Mask(long maximum) { return GetMaskRoundedFromMaxValue(maximum); }
    void copyDataValue(Vel::CDataValidationClient&) override { ++m_nCopies; }
    mutable int m_nFills = 0;
    int m_nCopies = 0;
};

// A root brought up with numbers and leaves of every kind of record.
class LeafTest : public ModelFixture {
protected:
    void SetUp() override {
        Panel(kVersion, "[N]\nMinNumber=1\nMaxNumber=10\nDefault=5\n[Bare]\nReadOnly=false\n"
                        "[Inverted]\nMinNumber=10\nMaxNumber=5\nDefault=7\n"
                        "[High]\nMinNumber=1\nMaxNumber=10\nDefault=12\n"
                        "[Flags]\nDisabled=true\nReadOnly=TRUE\nCheckImport=True\n"
                        "[Mask]\nMaxNumber=100\n[NoMask]\nMaxNumber=0\n");
        root.ClearModified();
        ASSERT_TRUE(root.ChangePanelVersion(kType, kVersion));
    }
    TestRoot root{&managers};
    CDataNumber number{&root, "N"}, bare{&root, "Bare"}, inverted{&root, "Inverted"},
        high{&root, "High"}, unknown{&root, "Unknown"};
};

TEST_F(LeafTest, RecordsFilledOncePerKeyAcrossTrees) {
    TestRoot first(&managers), second(&managers);
    CountingLeaf a(&first, "Flags"), b(&second, "Flags");
    EXPECT_EQ(a.GetValidationData(), nullptr);        // no manager yet
    EXPECT_EQ(CountingLeaf().Masked(0x01FF), 0x01FF); // standalone: no mask

    ASSERT_TRUE(first.ChangePanelVersion(kType, kVersion));
    ASSERT_TRUE(second.ChangePanelVersion(kType, kVersion));
    Vel::CValidationData* record = a.GetValidationData();
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(b.GetValidationData(), record);
    EXPECT_EQ(a.m_nFills, 1);
    EXPECT_EQ(b.m_nFills, 0);
    EXPECT_TRUE(record->GetReadOnly());
}

// An item keeps the record it found; a record stored anew under its key must still win.
TEST_F(LeafTest, ReplacedRecordReachesAnItemThatFoundTheOldOne) {
    CountingLeaf leaf(&root, "Flags");
    ASSERT_NE(leaf.GetValidationData(), nullptr);
    auto replacement = std::make_unique<Vel::CValidationData>();
    Vel::CValidationData* stored = replacement.get();
    root.GetValidationManager()->SetValidationData("Flags", *replacement.release());
    EXPECT_EQ(leaf.GetValidationData(), stored);
}

TEST_F(LeafTest, CopyValuesHonoursTheExclusionList) {
    TestRoot target, source;
    CountingLeaf ab(&target, "A.B"), abc(&target, "A.BC"), xab(&target, "X.A.B");
    CountingLeaf sab(&source, "A.B"), sabc(&source, "A.BC"), sxab(&source, "X.A.B");
    target.CopyValues(source, ",A.B,");
    EXPECT_EQ(ab.m_nCopies, 0);
    EXPECT_EQ(abc.m_nCopies, 1); // whole keys only
    EXPECT_EQ(xab.m_nCopies, 1);
}

TEST_F(LeafTest, MasksRoundUpToAllOnes) {
    const std::vector<std::pair<long, unsigned short>> cases = {
        {1, 0x0001}, {2, 0x0003}, {255, 0x00FF}, {256, 0x01FF}, {65536, 0xFFFF}, {0, 0x0001}};
    for (const auto& [maximum, mask] : cases) {
        EXPECT_EQ(CountingLeaf::Mask(maximum), mask) << "maximum " << maximum;
    }
    CountingLeaf masked(&root, "Mask"), unmasked(&root, "NoMask");
    EXPECT_EQ(masked.Masked(0x01FF), 0x007F);
    EXPECT_EQ(unmasked.Masked(0x01FF), 0x01FF);
}

TEST_F(LeafTest, DefaultsOutOfRangeAndTheirReport) {
    EXPECT_EQ(inverted.GetValue(), 5); // a minimum above the maximum: the maximum wins
    EXPECT_EQ(high.GetValue(), 10);    // clamped after the report
    EXPECT_TRUE(high.IsModified());
    EXPECT_TRUE(unknown.IsDisabled()); // a key without a section of its own
    EXPECT_EQ(sink.Count(), 2u);       // the two defaults out of range
}

TEST_F(LeafTest, SetValueResultCodes) {
    // item, value, result code; refused values leave the item as it was
    const std::vector<std::tuple<CDataNumber*, long, int>> cases = {
        {&number, 0, CDataNumber::BelowMinimum},   {&number, 11, CDataNumber::AboveMaximum},
        {&bare, 1, CDataNumber::AboveMaximum},     {&bare, 0, CDataNumber::Accepted},
        {&inverted, 7, CDataNumber::BelowMinimum}, {&inverted, 12, CDataNumber::AboveMaximum}};
    for (const auto& [item, value, code] : cases) {
        root.ClearModified();
        const long before = item->GetValue();
        EXPECT_EQ(item->SetValue(value), code) << item->GetDataKey().str() << " " << value;
        EXPECT_EQ(item->GetValue(), code ? before : value)
            << item->GetDataKey().str() << " " << value;
        EXPECT_FALSE(item->IsModified()) << item->GetDataKey().str() << " " << value;
    }
    EXPECT_EQ(number.SetValue(10), CDataNumber::Accepted);
    EXPECT_TRUE(number.IsModified());
}

TEST_F(LeafTest, CopyTakesOnlyValuesWithinRangeAndStandaloneTakesAll) {
    TestScreen detached(nullptr, "Detached");
    CDataNumber source(&detached, "N");
    EXPECT_EQ(source.SetValue(65537), CDataNumber::Accepted); // no record: every value
    source.OnPanelChanged();                                  // no record: nothing happens
    EXPECT_EQ(source.GetValueLong(), 65537);
    number.CopyValues(source, "");
    EXPECT_EQ(number.GetValue(), 5);
    EXPECT_FALSE(number.Compare(&source));
    source.SetValue(8);
    number.CopyValues(source, "");
    EXPECT_TRUE(number.Compare(&source));
}

} // namespace
} // namespace VelTest
