#include <vel/DataValidationClient.h>
#include <vel/ItemMap.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

// The map only keeps node addresses, so any node will do.
class Node : public Vel::CDataValidationClient {
public:
    Node() : CDataValidationClient(nullptr, "Node") {}
    int GetType() const override { return 0; }
};

std::string KeyNumber(int number) {
    return "Screen.Zones." + std::to_string(number) + ".Delay";
}

TEST(ItemMapTest, AnEmptyMapFindsNothing) {
    const Vel::CItemMap map;
    EXPECT_EQ(map.find("Screen.Zone"), nullptr);
}

TEST(ItemMapTest, EveryKeyStaysFindableThroughGrowthAndErasure) {
    constexpr int kCount = 5000;
    std::vector<Node> nodes(kCount);
    Vel::CItemMap map;
    for (int i = 0; i < kCount; ++i) {
        map.set(KeyNumber(i), &nodes[i]);
    }
    // Erasing three keys in four moves entries, shifts index runs back and repacks the texts.
    for (int i = 0; i < kCount; ++i) {
        if (i % 4 != 0) {
            map.erase(KeyNumber(i));
        }
    }
    std::vector<int> wrong;
    for (int i = 0; i < kCount; ++i) {
        const Node* expected = i % 4 == 0 ? &nodes[i] : nullptr;
        if (map.find(KeyNumber(i)) != expected) {
            wrong.push_back(i);
        }
    }
    EXPECT_EQ(wrong, std::vector<int>{});
    EXPECT_EQ(map.size(), 1250u);
    EXPECT_TRUE(map.erase(KeyNumber(0)));
    EXPECT_FALSE(map.erase(KeyNumber(1))); // erased before
}

TEST(ItemMapTest, KeysCompareByteForByte) {
    Node plain;
    Node high;
    Node embedded;
    Vel::CItemMap map;
    map.set("Zone\x41", &plain);
    map.set("Zone\xC1", &high);
    map.set(std::string_view("Zone\0A", 6), &embedded);
    EXPECT_EQ(map.find("Zone\x41"), &plain);
    EXPECT_EQ(map.find("Zone\xC1"), &high);
    EXPECT_EQ(map.find(std::string_view("Zone\0A", 6)), &embedded);
    EXPECT_EQ(map.find("zoneA"), nullptr);
}

TEST(ItemMapTest, WalksLiveEntriesInTheOrderFirstSet) {
    Node node;
    Vel::CItemMap map;
    map.set("C", &node);
    map.set("B", &node);
    map.set("A", &node);
    map.set("C", &node);
    map.erase("B");
    std::vector<std::string_view> keys;
    for (const auto& [key, held] : map) {
        keys.push_back(key);
    }
    EXPECT_EQ(keys, (std::vector<std::string_view>{"C", "A"}));
}

TEST(ItemMapTest, KeysLongerThanABlockAreKept) {
    Node shortKey;
    Node longKey;
    const std::string longText(40000, 'k');
    Vel::CItemMap map;
    map.set("Short", &shortKey);
    map.set(longText, &longKey);
    map.set("After", &shortKey);
    EXPECT_EQ(map.find(longText), &longKey);
    EXPECT_EQ(map.find("After"), &shortKey);
}

TEST(ItemMapTest, EqualMapsHoldTheSameKeysWithTheSameNodes) {
    Node zone;
    Node delay;
    Vel::CItemMap map;
    map.set("Zone", &zone);
    map.set("Delay", &delay);
    Vel::CItemMap reversed;
    reversed.set("Delay", &delay);
    reversed.set("Zone", &zone);
    EXPECT_EQ(map, reversed);
    reversed.set("Zone", &delay);
    EXPECT_NE(map, reversed);
}

// Positions: an entry found by key, the step to the next live entry, and the count of
// changes that tells a reader its positions are stale.
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
