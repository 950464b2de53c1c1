// Every shipped panel of the sample host, with every item type varied, stored and loaded back
// on every backend.
#include "support/CaptureSink.h"
#include "support/DbBackends.h"

#include "PanelCatalogue.h"
#include "SampleStore.h"

#include <vel/DatabaseEx.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace VelTest {
namespace {

using SampleStoreLoadTest = ScratchDbTest;

TEST_P(SampleStoreLoadTest, EveryShippedPanelComesBackWithEveryValue) {
    CaptureSink sink;
    Vel::CDatabaseEx db;
    db.Open(Connect());
    long site = 1;
    for (const Vel::Sample::SPanelEntry& panel : Vel::Sample::CPanelCatalogue::Supported()) {
        SCOPED_TRACE(testing::Message() << panel.nType << "/" << panel.nVersion);
        const Vel::Sample::SRoundTrip trip =
            Vel::Sample::CSampleStore::RoundTrip(db, panel.nType, panel.nVersion, site++);
        EXPECT_GT(trip.nChanged, 0);
        std::vector<std::string> different;
        for (const Vel::CString& key : trip.vecDifferent) {
            different.push_back(key.str());
        }
        EXPECT_THAT(different, testing::IsEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, SampleStoreLoadTest, kAllBackends, BackendName);

} // namespace
} // namespace VelTest
