#include "StoreLoad.h"

#include "Commands.h"
#include "LanguageTexts.h"

#include "PanelCatalogue.h"
#include "SampleStore.h"

#include <vel/DatabaseEx.h>
#include <vel/DbException.h>

#include <chrono>
#include <cstdio>

namespace Vel::Velcfg {

namespace {

std::vector<Sample::SPanelEntry> chosenPanels(const COptions& options) {
    std::vector<Sample::SPanelEntry> panels;
    for (const Sample::SPanelEntry& entry : Sample::CPanelCatalogue::Supported()) {
        const bool wanted = options.m_nType < 0 ||
                            (entry.nType == options.m_nType &&
                             (options.m_nVersion < 0 || entry.nVersion == options.m_nVersion));
        if (wanted) {
            panels.push_back(entry);
        }
    }
    return panels;
}

} // namespace

int RunStoreLoad(const COptions& options, CLanguageTexts& texts) {
    const std::vector<Sample::SPanelEntry> panels = chosenPanels(options);
    if (panels.empty()) {
        fail("no supported panel matches the type and version");
        return UsageError;
    }
    CDatabaseEx db;
    try {
        db.Open(ConnectText(options.m_sDatabase.empty() ? "velcfg.db" : options.m_sDatabase));
    } catch (const CDbException& e) {
        fail(e.what());
        return UsageError;
    }
    int status = Done;
    long site = 1;
    for (const Sample::SPanelEntry& panel : panels) {
        const auto start = std::chrono::steady_clock::now();
        Sample::SRoundTrip trip;
        try {
            trip = Sample::CSampleStore::RoundTrip(db, panel.nType, panel.nVersion, site++,
                                                   &texts.Provider());
        } catch (const CDbException& e) {
            trip.vecDifferent.push_back(e.what());
        }
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        std::printf("%s %d/%d: %d items, %d varied, %.1f ms: %s\n", panel.sFamily.c_str(),
                    panel.nType, panel.nVersion, trip.nItems, trip.nChanged, ms,
                    trip.vecDifferent.empty() ? "every value came back" : "DIFFERENT");
        for (const CString& key : trip.vecDifferent) {
            std::printf("  %s\n", key.c_str());
        }
        status = trip.vecDifferent.empty() ? status : Refused;
    }
    return status;
}

} // namespace Vel::Velcfg
