#include "DbBackends.h"

#include <vel/DatabaseEx.h>

#include <sql.h>
#include <sqlext.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace VelTest {

namespace {

std::string readFirstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

std::string uniqueName() {
    static std::atomic<int> counter{0};
    return "t" + std::to_string(getpid()) + "_" + std::to_string(counter++);
}

} // namespace

std::string BackendName(const testing::TestParamInfo<DbBackend>& info) {
    return info.param == DbBackend::SQLite ? "SQLite" : "PostgreSQL";
}

ScratchDatabase::ScratchDatabase(DbBackend backend) {
    m_folder = fs::temp_directory_path() / ("veldb_" + uniqueName());
    fs::create_directories(m_folder);
    if (backend == DbBackend::SQLite) {
        m_connect = Vel::CString("Driver=SQLite3;Database=" + (m_folder / "site.db").string() +
                                 ";Timeout=10000");
        return;
    }
    const fs::path pgDir = VEL_PG_DIR;
    if (fs::exists(pgDir / "connection.txt")) {
        m_adminConnect = readFirstLine(pgDir / "connection.txt");
    } else if (fs::exists(pgDir / "absent.txt")) {
        m_skip = "PostgreSQL binaries are not installed: " + readFirstLine(pgDir / "absent.txt");
        return;
    } else {
        ADD_FAILURE() << "the PostgreSQL test server is not running; run the suite through "
                         "ctest, which starts it (or: scripts/pg-test-server.sh start "
                      << pgDir.string() << ")";
        m_skip = "no PostgreSQL test server";
        return;
    }
    m_dbName = uniqueName();
    Vel::CDatabaseEx admin;
    admin.Open(m_adminConnect);
    admin.ExecuteDirect(Vel::CString("CREATE DATABASE " + m_dbName + " STRATEGY FILE_COPY"));
    m_connect = m_adminConnect;
    const int at = m_connect.Find("Database=");
    const int end = m_connect.Find(';', at);
    m_connect = m_connect.Left(at) + "Database=" + Vel::CString(m_dbName) + m_connect.Mid(end);
}

ScratchDatabase::~ScratchDatabase() {
    m_reader.reset(); // a database in use cannot be dropped
    if (!m_dbName.empty()) {
        try {
            Vel::CDatabaseEx admin;
            admin.Open(m_adminConnect);
            admin.ExecuteSQL(Vel::CString("DROP DATABASE IF EXISTS " + m_dbName));
        } catch (const std::exception&) {
            // The server goes away with its folder at the end of the run.
        }
    }
    std::error_code ignored;
    fs::remove_all(m_folder, ignored);
}

// An ODBC connection of its own, so that a dump sees only what was committed.
struct ScratchDatabase::Reader {
    SQLHENV env = SQL_NULL_HENV;
    SQLHDBC dbc = SQL_NULL_HDBC;
    ~Reader() {
        if (dbc) {
            SQLDisconnect(dbc);
            SQLFreeHandle(SQL_HANDLE_DBC, dbc);
        }
        if (env) {
            SQLFreeHandle(SQL_HANDLE_ENV, env);
        }
    }
};

namespace {

std::vector<std::vector<std::string>> fetchAll(SQLHSTMT stmt) {
    SQLSMALLINT columns = 0;
    SQLNumResultCols(stmt, &columns);
    std::vector<std::vector<std::string>> rows;
    while (SQL_SUCCEEDED(SQLFetch(stmt))) {
        std::vector<std::string> row;
        for (SQLUSMALLINT c = 1; c <= columns; ++c) {
            char buffer[4096];
            SQLLEN length = 0;
            SQLGetData(stmt, c, SQL_C_CHAR, buffer, sizeof buffer, &length);
            row.push_back(length == SQL_NULL_DATA ? "NULL" : std::string(buffer));
        }
        rows.push_back(row);
    }
    SQLFreeStmt(stmt, SQL_CLOSE);
    return rows;
}

} // namespace

std::string ScratchDatabase::Dump() {
    if (!m_reader) {
        m_reader = std::make_unique<Reader>();
        SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &m_reader->env);
        SQLSetEnvAttr(m_reader->env, SQL_ATTR_ODBC_VERSION,
                      reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        SQLAllocHandle(SQL_HANDLE_DBC, m_reader->env, &m_reader->dbc);
        SQLCHAR out[1024];
        SQLSMALLINT outLength = 0;
        if (!SQL_SUCCEEDED(
                SQLDriverConnect(m_reader->dbc, nullptr,
                                 reinterpret_cast<SQLCHAR*>(const_cast<char*>(m_connect.c_str())),
                                 SQL_NTS, out, sizeof out, &outLength, SQL_DRIVER_NOPROMPT))) {
            m_reader.reset();
            return "cannot connect";
        }
    }
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    SQLAllocHandle(SQL_HANDLE_STMT, m_reader->dbc, &stmt);
    SQLCHAR tableType[] = "TABLE";
    SQLTables(stmt, nullptr, 0, nullptr, 0, nullptr, 0, tableType, SQL_NTS);
    std::vector<std::string> tables;
    for (const auto& row : fetchAll(stmt)) {
        tables.push_back(row.at(2));
    }
    std::sort(tables.begin(), tables.end());
    std::ostringstream dump;
    for (const std::string& table : tables) {
        std::string sql = "SELECT * FROM \"" + table + "\"";
        SQLExecDirect(stmt, reinterpret_cast<SQLCHAR*>(sql.data()), SQL_NTS);
        auto rows = fetchAll(stmt);
        std::sort(rows.begin(), rows.end());
        dump << table << "\n";
        for (const auto& row : rows) {
            for (const std::string& value : row) {
                dump << value << "|";
            }
            dump << "\n";
        }
    }
    SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    return dump.str();
}

void ScratchDbTest::SetUp() {
    m_scratch = std::make_unique<ScratchDatabase>(GetParam());
    if (m_scratch->Connect().IsEmpty()) {
        GTEST_SKIP() << m_scratch->SkipReason();
    }
}

} // namespace VelTest
