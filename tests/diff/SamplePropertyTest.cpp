// Over the largest sample panel: k random value changes spread over two trees are exactly
// what the change tree names, each with both values.
#include "sample/SampleFixture.h"

#include <vel/DataNumber.h>
#include <vel/VelDataChange.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace VelTest {
namespace {

using Vel::CVelDataChange;

constexpr int kType = 101;
constexpr int kVersion = 340;

// A reported value: its group's name, its own key, both values.
using Reported = std::tuple<std::string, std::string, std::string, std::string>;

// The name of the group an item's change stands in: its container's caption, with the
// element number behind it inside a collection.
std::string GroupName(const Vel::CDataValidationClient& item) {
    const Vel::CDataValidationClient* parent = item.GetParent();
    std::string name = parent->GetCaptionText().str();
    const Vel::CDataValidationClient* above = parent->GetParent();
    if (above && above->GetType() == Vel::PanelDataTypes::COLLECTION) {
        name += "[" + std::to_string(static_cast<const Vel::CDataContainerBase*>(parent)->GetId()) +
                "]";
    }
    return name;
}

// Every leaf below `node` reached through sorted iteration, with the key it is held under in
// its group.
void CollectLeaves(CVelDataChange& node, std::multiset<Reported>& leaves) {
    while (CVelDataChange* entry = node.GetNextSorted(CVelDataChange::ALL_CHANGES)) {
        if (!entry->IsEmpty()) {
            CollectLeaves(*entry, leaves);
            continue;
        }
        std::string key;
        for (int i = 0; i < node.GetCount(); ++i) {
            if (node.GetAt(i) == entry) {
                key = node.GetKeyAt(i).str();
            }
        }
        leaves.emplace(node.m_sName.str(), key, entry->m_sLeftValue.str(),
                       entry->m_sRightValue.str());
        EXPECT_EQ(entry->m_nChangeType, CVelDataChange::CHANGED) << key;
    }
}

class SamplePropertyTest : public ::testing::TestWithParam<int> {
protected:
    SampleTexts texts;
};

TEST_P(SamplePropertyTest, TheChangeTreeNamesExactlyTheChangedItems) {
    const int k = GetParam();
    auto left = SamplePanel(kType, texts);
    auto right = SamplePanel(kType, texts);
    ASSERT_TRUE(left->Open(kType, kVersion));
    ASSERT_TRUE(right->Open(kType, kVersion));
    std::vector<std::pair<Vel::CDataNumber*, Vel::CDataNumber*>> candidates;
    std::vector<Vel::CData*> rightItems;
    right->ForEachItem([&](Vel::CData& item) { rightItems.push_back(&item); });
    std::size_t index = 0;
    left->ForEachItem([&](Vel::CData& item) {
        auto* l = dynamic_cast<Vel::CDataNumber*>(&item);
        auto* r = dynamic_cast<Vel::CDataNumber*>(rightItems[index++]);
        if (l && r && !l->IsDisabled() && !l->GetDataKey4Cmp().IsEmpty() &&
            !l->GetParent()->GetDataKey4Cmp().IsEmpty()) {
            candidates.emplace_back(l, r);
        }
    });
    std::mt19937 random(static_cast<unsigned>(k) * 7919u);
    std::shuffle(candidates.begin(), candidates.end(), random);

    std::multiset<Reported> expected;
    for (const auto& [l, r] : candidates) {
        if (static_cast<int>(expected.size()) == k) {
            break;
        }
        Vel::CDataNumber* changed = random() % 2 ? l : r;
        const long value = changed->GetValue();
        if (changed->SetValue(value + 1) != 0 && changed->SetValue(value - 1) != 0) {
            continue;
        }
        expected.emplace(GroupName(*l), l->GetDataKey4Cmp().str(), l->GetValueString().str(),
                         r->GetValueString().str());
    }
    ASSERT_EQ(static_cast<int>(expected.size()), k);

    CVelDataChange changes("top");
    bool goOn = true;
    EXPECT_EQ(left->Root().FindDifferencies(&right->Root(), &changes, &goOn, nullptr, true),
              k > 0 ? 1 : 0);
    std::multiset<Reported> reported;
    CollectLeaves(changes, reported);
    changes.DeleteRecursive();
    EXPECT_EQ(reported, expected);
}

INSTANTIATE_TEST_SUITE_P(Changes, SamplePropertyTest, ::testing::Values(0, 1, 7, 60, 400));

} // namespace
} // namespace VelTest
