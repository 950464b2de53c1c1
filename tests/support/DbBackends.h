// The database backends every database suite runs on, and a fresh empty database per test:
// an SQLite file in a temporary folder, or a new database in the throwaway PostgreSQL server
// that CTest starts (fixture vel_pg, connection text in build/pg/connection.txt).
#pragma once

#include <vel/String.h>

#include <gtest/gtest.h>

#include <filesystem>
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

private:
    std::filesystem::path m_folder;
    Vel::CString m_connect;
    Vel::CString m_adminConnect;
    std::string m_dbName;
    std::string m_skip;
};

// Every table of the database with every row, sorted, as text: equal dumps mean equal data.
std::string DumpDatabase(const Vel::CString& connect);

} // namespace VelTest
