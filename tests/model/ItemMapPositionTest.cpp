// Positions in the key map: an entry found by key, the step to the next live entry, and the
// count of changes that tells a reader its positions are stale.
#include <vel/DataValidationClient.h>
#include <vel/ItemMap.h>

#include <gtest/gtest.h>

namespace {

// The map only keeps node addresses, so any node will do.
class Node : public Vel::CDataValidationClient {
public:
    Node() : CDataValidationClient(nullptr, "Node") {}
    int GetType() const override { return 0; }
};

class ItemMapPositionTest : public ::testing::Test {
protected:
    ItemMapPositionTest() {
        map.set("A", &node);
        map.set("B", &node);
        map.set("C", &node);
    }

    Node node;
    Vel::CItemMap map;
};

TEST_F(ItemMapPositionTest, AnEntryFoundByKeyIsThatKeys) {
    EXPECT_EQ((*map.find_entry("B")).first, "B");
}

TEST_F(ItemMapPositionTest, AKeyNotHeldHasNoEntry) {
    EXPECT_EQ(map.find_entry("D"), map.end());
}

TEST_F(ItemMapPositionTest, AStepPassesOverErasedEntries) {
    map.erase("B");
    Vel::CItemMap::const_iterator at = map.begin();
    EXPECT_EQ(at.advance().first, "C");
}

TEST_F(ItemMapPositionTest, AStepFromTheLastEntryAnswersNoNode) {
    Vel::CItemMap::const_iterator at = map.find_entry("C");
    EXPECT_EQ(at.advance().second, nullptr);
}

// A node replaced in place moves no entry, but what a reader read there is stale.
TEST_F(ItemMapPositionTest, ReplacingANodeCountsAsAChange) {
    Node other;
    const auto before = map.generation();
    map.set("A", &other);
    EXPECT_NE(map.generation(), before);
}

} // namespace
