#include "StoreLoad.h"

#include "Commands.h"
#include "LanguageTexts.h"

#include "PanelCatalogue.h"
#include "SampleStore.h"

#include <vel/DatabaseEx.h>
#include <vel/DatabaseManager.h>
#include <vel/DbException.h>

#include <chrono>
#include <cstdio>

namespace Vel::Velcfg {

namespace {

// A text with "=" is an ODBC connection text; anything else names an SQLite file.
CString connectText(const std::string& database) {
    const std::string given = database.empty() ? "velcfg.db" : database;
    return given.find('=') != std::string::npos ? CString(given)
                                                : CDatabaseManager::SqliteConnect(CString(given));
}

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

int RunStoreLoad(const COptions& options) {
    const std::vector<Sample::SPanelEntry> panels = chosenPanels(options);
    if (panels.empty()) {
        std::fprintf(stderr, "velcfg: no supported panel matches the type and version\n");
        return UsageError;
    }
    CDatabaseEx db;
    try {
        db.Open(connectText(options.m_sDatabase));
    } catch (const CDbException& e) {
        std::fprintf(stderr, "velcfg: %s\n", e.what());
        return UsageError;
    }
    CLanguageTexts texts;
    std::string error;
    if (!texts.Load(error)) {
        std::fprintf(stderr, "velcfg: %s; default texts stay empty\n", error.c_str());
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
