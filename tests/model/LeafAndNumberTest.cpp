// The leaf base and the number item: records shared through the manager, initialising,
// copying with exclusion lists, masks, limits, defaults and result codes.
#include "ModelFixture.h"

#include <vel/Data.h>
#include <vel/DataManagerBase.h>
#include <vel/DataNumber.h>
#include <vel/ValidationData.h>
#include <vel/ValidationManager.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace VelTest {
namespace {

using Vel::CAssertReport;
using Vel::CDataNumber;

// A leaf that counts how often it fills a record and exposes the mask operations.
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
    mutable int m_nFills = 0;

protected:
    void copyDataValue(Vel::CDataValidationClient&) override { ++m_nCopies; }

public:
    int m_nCopies = 0;
};

class LeafTest : public ModelFixture {
protected:
    void SetUp() override {
        Panel(kVersion, StandardValidation() +
                            "[Flags]\nDisabled=true\nReadOnly=TRUE\nCheckImport=True\n"
                            "[Mask]\nMaxNumber=100\n[NoMask]\nMaxNumber=0\n");
    }
};

TEST_F(LeafTest, NewItemUnderRootIsModifiedEnabledAndInitializing) {
    TestRoot root(&managers);
    CountingLeaf leaf(&root, "Flags");
    EXPECT_TRUE(leaf.IsModified());
    EXPECT_FALSE(leaf.IsDisabled());
    EXPECT_TRUE(leaf.IsInitializing());
    EXPECT_EQ(leaf.GetValidationData(), nullptr); // no manager yet

    CountingLeaf standalone;
    EXPECT_EQ(standalone.GetDataKey(), "");
    EXPECT_TRUE(standalone.IsInitializing());
    standalone.Initialized();
    EXPECT_FALSE(standalone.IsInitializing());
    EXPECT_EQ(standalone.Masked(0x01FF), 0x01FF);
}

TEST_F(LeafTest, RecordIsFilledOncePerKeyAndSharedAcrossTrees) {
    TestRoot first(&managers), second(&managers);
    CountingLeaf a(&first, "Flags"), b(&second, "Flags");
    ASSERT_TRUE(first.ChangePanelVersion(kType, kVersion));
    ASSERT_TRUE(second.ChangePanelVersion(kType, kVersion));
    Vel::CValidationData* record = a.GetValidationData();
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(a.GetValidationData(), record);
    EXPECT_EQ(b.GetValidationData(), record);
    EXPECT_EQ(a.m_nFills + b.m_nFills, 1);
    EXPECT_TRUE(record->GetDisabled());
    EXPECT_TRUE(record->GetReadOnly());
    EXPECT_TRUE(record->GetCheckForImport());
    EXPECT_EQ(managers.Access(kType, kVersion)->GetValidationData("Flags"), record);
}

TEST_F(LeafTest, CopyValuesHonoursTheExclusionList) {
    TestRoot target, source;
    CountingLeaf ab(&target, "A.B"), abc(&target, "A.BC"), xab(&target, "X.A.B");
    CountingLeaf sab(&source, "A.B"), sabc(&source, "A.BC"), sxab(&source, "X.A.B");
    target.CopyValues(source, ",A.B,");
    EXPECT_EQ(ab.m_nCopies, 0);
    EXPECT_EQ(abc.m_nCopies, 1);
    EXPECT_EQ(xab.m_nCopies, 1);
    target.CopyValues(source, "");
    EXPECT_EQ(ab.m_nCopies, 1);
}

TEST_F(LeafTest, MasksRoundUpToAllOnes) {
    const std::vector<std::pair<long, unsigned short>> cases = {
        {1, 0x0001},   {2, 0x0003},     {4, 0x0007},     {8, 0x000F}, {255, 0x00FF},
        {256, 0x01FF}, {65535, 0xFFFF}, {65536, 0xFFFF}, {0, 0x0001}, {-5, 0x0001}};
    for (const auto& [maximum, mask] : cases) {
        EXPECT_EQ(CountingLeaf::Mask(maximum), mask) << "maximum " << maximum;
    }
    TestRoot root(&managers);
    CountingLeaf masked(&root, "Mask"), unmasked(&root, "NoMask");
    ASSERT_TRUE(root.ChangePanelVersion(kType, kVersion));
    EXPECT_EQ(masked.Masked(0x01FF), 0x007F);
    EXPECT_EQ(unmasked.Masked(0x01FF), 0x01FF);
}

class NumberTest : public ModelFixture {
protected:
    // One number item under a root, brought up with `validation` for the key "N".
    CDataNumber& Number(const std::string& validation) {
        Panel(kVersion, validation);
        m_number = std::make_unique<CDataNumber>(&m_root, "N");
        m_number->ClearModified();
        m_root.ChangePanelVersion(kType, kVersion);
        return *m_number;
    }
    TestRoot m_root{&managers};
    std::unique_ptr<CDataNumber> m_number;
};

TEST_F(NumberTest, DefaultWithinLimitsIsTakenUnmodified) {
    CDataNumber& number = Number("[N]\nMinNumber=1\nMaxNumber=10\nDefault=5\n");
    EXPECT_EQ(number.GetValue(), 5);
    EXPECT_FALSE(number.IsDisabled());
    EXPECT_FALSE(number.IsModified());
    EXPECT_EQ(number.SetValue(5), CDataNumber::Accepted);
    EXPECT_FALSE(number.IsModified());
    EXPECT_EQ(number.SetValue(0), CDataNumber::BelowMinimum);
    EXPECT_EQ(number.SetValue(11), CDataNumber::AboveMaximum);
    EXPECT_EQ(number.GetValue(), 5);
    EXPECT_FALSE(number.IsModified());
    EXPECT_EQ(number.SetValue(10), CDataNumber::Accepted);
    EXPECT_TRUE(number.IsModified());
    EXPECT_EQ(number.GetValueString(), "10");
    EXPECT_EQ(sink.Count(), 0u) << sink.Describe();
}

TEST_F(NumberTest, DefaultOutOfRangeIsReportedAndClamped) {
    CDataNumber& number = Number("[N]\nMinNumber=1\nMaxNumber=10\nDefault=12\n");
    EXPECT_EQ(number.GetValue(), 10);
    EXPECT_TRUE(number.IsModified());
    EXPECT_TRUE(HasReports(
        sink, {{CAssertReport::Error,
                "m_nCurrentNumber>=pvd->GetMinNumber() && m_nCurrentNumber<= pvd->GetMaxNumber()",
                "DataNumberVel",
                156,
                "Default number out of range",
                {"m_nCurrentNumber=12", "GetDataKey()=\"N\""}}}));
}

TEST_F(NumberTest, LimitsOfOddRecords) {
    // No number elements: limits and default 0, only 0 is accepted.
    CDataNumber& bare =
        Number("[N]\nReadOnly=false\n[Inverted]\nMinNumber=10\nMaxNumber=5\nDefault=7\n");
    EXPECT_FALSE(bare.IsDisabled());
    EXPECT_EQ(bare.SetValue(1), CDataNumber::AboveMaximum);
    EXPECT_EQ(bare.SetValue(-1), CDataNumber::BelowMinimum);
    EXPECT_EQ(bare.SetValue(0), CDataNumber::Accepted);
    // A minimum above the maximum: the maximum wins, every value is refused.
    CDataNumber inverted(&m_root, "Inverted"), unknown(&m_root, "Unknown");
    m_root.ChangePanelVersion(kType, kVersion); // later change: new items take defaults
    EXPECT_EQ(inverted.GetValue(), 5);
    EXPECT_EQ(inverted.SetValue(7), CDataNumber::BelowMinimum);
    EXPECT_EQ(inverted.SetValue(12), CDataNumber::AboveMaximum);
    EXPECT_TRUE(unknown.IsDisabled()); // a key without a section of its own
}

TEST_F(NumberTest, StandaloneAcceptsEveryValueAndConverts) {
    TestScreen detached(nullptr, "Detached");
    CDataNumber number(&detached, "N");
    EXPECT_EQ(number.SetValue(65537), CDataNumber::Accepted);
    EXPECT_EQ(static_cast<short>(number), 1);
    EXPECT_EQ(static_cast<unsigned short>(number), 1);
    EXPECT_EQ(static_cast<unsigned char>(number), 1);
    EXPECT_EQ(number.GetValueByte(), 1);
    number.OnPanelChanged(); // no record: nothing happens
    EXPECT_EQ(number.GetValueLong(), 65537);
    EXPECT_EQ(number.GetValueString(), "65537");
}

TEST_F(NumberTest, CopyTakesOnlyValuesWithinRangeAndComparesValues) {
    CDataNumber& number = Number("[N]\nMinNumber=1\nMaxNumber=10\nDefault=5\n");
    TestScreen detached(nullptr, "Detached");
    CDataNumber source(&detached, "N");
    source.SetValue(50);
    number.CopyValues(source, "");
    EXPECT_EQ(number.GetValue(), 5);
    EXPECT_FALSE(number.Compare(&source));
    source.SetValue(8);
    number.CopyValues(source, "");
    EXPECT_EQ(number.GetValue(), 8);
    EXPECT_TRUE(number.Compare(&source));
}

} // namespace
} // namespace VelTest
