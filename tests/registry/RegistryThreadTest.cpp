#include <vel/ValidationManagerList.h>

#include <gtest/gtest.h>

#include <latch>
#include <thread>
#include <vector>

namespace Vel {
namespace {

TEST(RegistryThreads, ConcurrentRequestsForOnePairGetOneManager) {
    constexpr int kThreads = 8;
    CValidationManagerList& registry = CValidationManagerList::Instance(); // first call alone
    std::vector<CValidationManager*> results(kThreads, nullptr);
    std::latch start(kThreads);
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([&, i] {
            start.arrive_and_wait();
            results[i] = registry.AccessValidationManager(i % 2 ? 99 : 66, i % 2 ? 340 : 650);
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    ASSERT_NE(results[0], nullptr);
    ASSERT_NE(results[1], nullptr);
    for (int i = 0; i < kThreads; ++i) {
        EXPECT_EQ(results[i], results[i % 2]) << i;
    }
    EXPECT_NE(results[0], results[1]);
    CValidationManagerList::CleanUp();
}

} // namespace
} // namespace Vel
