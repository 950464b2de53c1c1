// The database backends every database suite runs on, and a fresh empty database per test:
// an SQLite file in a temporary folder, or a new database in the throwaway PostgreSQL server
// that CTest starts (fixture vel_pg, connection text in build/pg/connection.txt).
#pragma once

#include "support/ModelTrees.h"

#include <vel/String.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace VelTest {

enum class DbBackend { SQLite, PostgreSQL };

inline const auto kAllBackends = testing::Values(DbBackend::SQLite, DbBackend::PostgreSQL);
std::string BackendName(const testing::TestParamInfo<DbBackend>& info);

class ScratchDatabase {
public:
    explicit ScratchDatabase(DbBackend backend);
    ~ScratchDatabase();
    ScratchDatabase(const ScratchDatabase&) = delete;
    ScratchDatabase& operator=(const ScratchDatabase&) = delete;

    // Empty when the backend is absent; SkipReason() says why.
    const Vel::CString& Connect() const { return m_connect; }
    const std::string& SkipReason() const { return m_skip; }
    const std::filesystem::path& Folder() const { return m_folder; }
    // Every table of the database with every row, sorted, as text: equal dumps mean equal
    // data. The connection it reads through is kept for the next dump.
    std::string Dump();

private:
    struct Reader;
    std::unique_ptr<Reader> m_reader;
    std::filesystem::path m_folder;
    Vel::CString m_connect;
    Vel::CString m_adminConnect;
    std::string m_dbName;
    std::string m_skip;
};

// A test on a fresh database of the backend it is given; skipped when the backend is absent
// (a derived SetUp checks IsSkipped()).
class ScratchDbTest : public testing::TestWithParam<DbBackend> {
protected:
    void SetUp() override;
    const Vel::CString& Connect() const { return m_scratch->Connect(); }
    const std::filesystem::path& Folder() const { return m_scratch->Folder(); }
    std::string Dump() { return m_scratch->Dump(); }

    std::unique_ptr<ScratchDatabase> m_scratch;
};

// A small site tree: a system screen (two numbers) and a zone collection, both straight below
// the root.
struct SiteTree {
    SiteTree(TestManagers* managers, long site, int zoneCount)
        : root(managers), system(&root, "SystemScreen"), exitTime(&system, "System.ExitTime"),
          entryTime(&system, "System.EntryTime"), zones(&root, "Zones", "Zones", zoneCount) {
        root.SetSiteID(site);
    }
    TestRoot root;
    TestScreen system;
    Vel::CDataNumber exitTime;
    Vel::CDataNumber entryTime;
    TestZones zones;
    TestZone& Zone(int index) { return *zones.GetElement(index); }
};

} // namespace VelTest
