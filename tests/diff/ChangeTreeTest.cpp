// The change tree on its own: replacement of entries, merged bits and sorted iteration.
#include <vel/VelDataChange.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Vel::CVelDataChange;

CVelDataChange* Leaf(const char* name, int bits) {
    auto* change = new CVelDataChange(name);
    change->m_nChangeType = bits;
    return change;
}

// A top node that frees its tree like a host does.
class ChangeTreeTest : public ::testing::Test {
protected:
    ~ChangeTreeTest() override { top.DeleteRecursive(); }

    // Names in the order GetNextSorted(mask) returns them.
    std::vector<std::string> SortedNames(CVelDataChange& node, int mask = 7) {
        std::vector<std::string> names;
        while (CVelDataChange* next = node.GetNextSorted(mask)) {
            names.push_back(next->m_sName.str());
        }
        return names;
    }

    CVelDataChange top{"top"};
};

TEST_F(ChangeTreeTest, AnEntryUnderTheSameKeyReplacesAndFreesTheOldSubtree) {
    auto* old = Leaf("old", 1);
    old->SetAt("inner", Leaf("inner", 1));
    old->GetAt(0)->SetAt("deeper", Leaf("deeper", 1));
    top.SetAt("key", old);
    top.SetAt("key", Leaf("new", 4));
    ASSERT_EQ(top.GetCount(), 1);
    CVelDataChange* found = nullptr;
    ASSERT_TRUE(top.Lookup("key", found));
    EXPECT_EQ(found->m_sName, "new");
    // Bits are merged, never taken back.
    EXPECT_EQ(top.m_nChangeType, 5);
}

TEST_F(ChangeTreeTest, LeavesComeBeforeNodesWithEntriesAndElementNumbersCompareAsNumbers) {
    auto* area = Leaf("Area", 1);
    area->SetAt("x", Leaf("x", 1));
    top.SetAt("area", area);
    top.SetAt("z12", Leaf("Zone[12]", 1));
    top.SetAt("z7", Leaf("Zone[7]", 1));
    EXPECT_EQ(SortedNames(top), (std::vector<std::string>{"Zone[7]", "Zone[12]", "Area"}));
    EXPECT_EQ(top.GetNextSorted(7), nullptr);
}

TEST_F(ChangeTreeTest, NamesCompareByteByByteAsUnsigned) {
    top.SetAt("e", Leaf("\xC3\xA9t\xC3\xA9", 1));
    top.SetAt("z", Leaf("zone", 1));
    top.SetAt("Z", Leaf("Zone", 1));
    EXPECT_EQ(SortedNames(top), (std::vector<std::string>{"Zone", "zone", "\xC3\xA9t\xC3\xA9"}));
}

TEST_F(ChangeTreeTest, TheMaskSelectsEntriesByTheirBits) {
    top.SetAt("c", Leaf("changed", CVelDataChange::CHANGED));
    top.SetAt("l", Leaf("left", CVelDataChange::LEFT_ONLY));
    top.SetAt("r", Leaf("right", CVelDataChange::RIGHT_ONLY));
    top.SetAt("lr", Leaf("both sides", CVelDataChange::LEFT_ONLY | CVelDataChange::RIGHT_ONLY));
    EXPECT_EQ(SortedNames(top, CVelDataChange::LEFT_ONLY),
              (std::vector<std::string>{"both sides", "left"}));
    // Entries the first mask passed over are still there for another.
    EXPECT_EQ(SortedNames(top, CVelDataChange::ALL_CHANGES),
              (std::vector<std::string>{"changed", "right"}));
}

} // namespace
