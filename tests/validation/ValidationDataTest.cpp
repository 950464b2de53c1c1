#include <vel/TriggerOtherValidationData.h>
#include <vel/ValidationData.h>

#include <gtest/gtest.h>

#include <memory>

namespace Vel {
namespace {

// Counts its own destructions, so double frees and leaks show as wrong counts (and under
// AddressSanitizer as errors).
class CountedOtherData : public CValidationDataOtherData {
public:
    explicit CountedOtherData(int* destroyed) : m_pDestroyed(destroyed) {}
    ~CountedOtherData() override { ++*m_pDestroyed; }

private:
    int* m_pDestroyed;
};

TEST(ValidationData, ExtensionIsDestroyedOnceWhenReplacedOrWithTheRecord) {
    int first = 0;
    int second = 0;
    {
        CValidationData record;
        auto* data = new CountedOtherData(&first);
        record.SetOtherData(data);
        record.SetOtherData(data); // the same one again: kept
        EXPECT_EQ(record.GetOtherData(), data);
        EXPECT_EQ(first, 0);
        record.SetOtherData(new CountedOtherData(&second));
        EXPECT_EQ(first, 1);
        record.SetOtherData(nullptr);
        EXPECT_EQ(second, 1);
        record.SetOtherData(new CountedOtherData(&first));
    }
    EXPECT_EQ(first, 2);
    EXPECT_EQ(second, 1);
}

// Decision: copies share the extension record; the last holder destroys it.
TEST(ValidationData, CopiesShareTheExtensionAndFreeItOnce) {
    int destroyed = 0;
    auto original = std::make_unique<CValidationData>();
    original->SetOtherData(new CountedOtherData(&destroyed));

    CValidationData copy(*original);
    CValidationData assigned;
    assigned = *original;
    EXPECT_EQ(copy.GetOtherData(), original->GetOtherData());
    EXPECT_EQ(assigned.GetOtherData(), original->GetOtherData());

    original.reset();
    assigned.SetOtherData(nullptr);
    EXPECT_EQ(destroyed, 0);
    EXPECT_NE(copy.GetOtherData(), nullptr);
    copy = CValidationData();
    EXPECT_EQ(destroyed, 1);
}

// The record frees the trigger record with its lists (the leak checker sees a lost one).
TEST(TriggerOtherValidationData, RecordOwnsItAndCopiesShareTheTriggerNumbers) {
    auto* trigger = new CTriggerOtherValidationData;
    EXPECT_EQ(trigger->GetTriggerNumbers(), nullptr);
    trigger->SetTriggerNumbers({1, 2});
    trigger->SetDefaultTriggers({1});
    auto record = std::make_unique<CValidationData>();
    record->SetOtherData(trigger);
    CTriggerOtherValidationData copy(*trigger);
    EXPECT_EQ(copy.GetTriggerNumbers(), trigger->GetTriggerNumbers());
    trigger->GetDefaultTriggers().push_back(2); // the defaults are copied by value
    EXPECT_EQ(copy.GetDefaultTriggers(), (std::vector<int>{1}));

    record.reset(); // the shared list outlives the first holder
    ASSERT_NE(copy.GetTriggerNumbers(), nullptr);
    EXPECT_EQ(*copy.GetTriggerNumbers(), (std::vector<int>{1, 2}));
}

} // namespace
} // namespace Vel
