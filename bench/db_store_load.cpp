// Store and load of the largest sample tree (Tarvo type 101 at 3.40) for one site, on SQLite
// and on PostgreSQL, in rows/s and items/s, next to the anchor: the same rows written with raw
// prepared ODBC inserts and read with raw prepared, column-bound fetches on the same driver,
// element rows in element order as the tree's load reads them; both keep their prepared reading
// statements across iterations. Every iteration writes a new site
// inside a transaction that it rolls back, so the tables do not grow. BM_LoadBesideRawFetch
// runs the load and the raw fetch by turns, so that a busy machine slows both alike; its
// "load/raw" counter is the load's rate as a share of the raw rate. PostgreSQL runs when
// VEL_BENCH_PG_CONNECT names a server or the test server of the build tree is up
// (scripts/pg-test-server.sh start build/pg).
#include "LargestPanel.h"
#include "SampleStore.h"

#include <vel/Assert.h>
#include <vel/DatabaseEx.h>
#include <vel/DatabaseManager.h>
#include <vel/DbSchema.h>

#include <benchmark/benchmark.h>
#include <sql.h>
#include <sqlext.h>
#include <strings.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

// Varying values meets refusals the library reports; they are expected here.
class QuietSink : public Vel::CAssertSink {
public:
    void Report(const Vel::CAssertReport&) override {}
};

std::unique_ptr<Vel::Sample::CSamplePanel> OpenedSite(long site) {
    static QuietSink quiet;
    Vel::SetAssertSink(&quiet);
    auto panel = BenchPanel::OpenedPanel();
    panel->Root().SetSiteID(site);
    return panel;
}

std::size_t CountItems(Vel::Sample::CSamplePanel& panel) {
    std::size_t items = 0;
    panel.ForEachItem([&items](Vel::CData&) { ++items; });
    return items;
}

void Rates(benchmark::State& state, std::size_t rows, std::size_t items) {
    const auto n = static_cast<double>(state.iterations());
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(rows) * n, benchmark::Counter::kIsRate);
    state.counters["items/s"] =
        benchmark::Counter(static_cast<double>(items) * n, benchmark::Counter::kIsRate);
    state.counters["rows"] = static_cast<double>(rows);
}

// One table's stored rows of a site, as raw ODBC sees them.
struct Table {
    std::string name;
    std::vector<std::string> columns;
    std::vector<bool> isText;
    std::vector<std::vector<std::string>> rows; // every value as text, integers in decimal
};

// Rows per fetch call: the load fetches blocks of this many rows into column arrays.
constexpr std::size_t kFetchRows = 64;
constexpr std::size_t kTextBytes = 1024;

// One table's prepared, column-bound fetch, kept across iterations as the library keeps its
// reading statements per connection.
struct KeptFetch {
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    SQLINTEGER site = 1;
    SQLLEN siteLength = 0;
    SQLULEN fetched = 0;
    std::vector<SQLINTEGER> numbers;
    std::vector<char> buffers;
    std::vector<SQLLEN> lengths;

    KeptFetch() = default;
    KeptFetch(const KeptFetch&) = delete;
    KeptFetch& operator=(const KeptFetch&) = delete;
    ~KeptFetch() { SQLFreeHandle(SQL_HANDLE_STMT, stmt); }
};

struct Backend {
    std::string connect;
    std::unique_ptr<Vel::CDatabaseEx> db;
    std::vector<Table> tables;
    std::size_t rows = 0;
    std::size_t items = 0;
    // Declared after the connection, so freed before it closes.
    std::vector<std::unique_ptr<KeptFetch>> fetches;
};

SQLCHAR* Sql(const std::string& text) {
    return reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.c_str()));
}

std::string Quote(const Vel::CDatabase& db, const std::string& name) {
    return db.Rewrite(Vel::CString("[" + name + "]")).str();
}

bool IsCollectionTable(const Table& t) {
    return std::any_of(t.columns.begin(), t.columns.end(), [](const std::string& column) {
        return strcasecmp(column.c_str(), "Collection_ID") == 0;
    });
}

// The rows of site 1 of every table, read once with raw ODBC.
std::vector<Table> ReadTables(Vel::CDatabase& db) {
    auto hdbc = static_cast<SQLHDBC>(db.GetConnectionHandle());
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    SQLAllocHandle(SQL_HANDLE_STMT, hdbc, &stmt);
    SQLCHAR tableType[] = "TABLE";
    SQLTables(stmt, nullptr, 0, nullptr, 0, nullptr, 0, tableType, SQL_NTS);
    std::vector<std::string> names;
    char name[256];
    SQLLEN length = 0;
    while (SQL_SUCCEEDED(SQLFetch(stmt))) {
        SQLGetData(stmt, 3, SQL_C_CHAR, name, sizeof name, &length);
        names.emplace_back(name);
    }
    SQLFreeStmt(stmt, SQL_CLOSE);
    std::vector<Table> tables;
    for (const std::string& table : names) {
        Table t{table, {}, {}, {}};
        const std::string sql = "SELECT * FROM " + Quote(db, table) + " WHERE AM_Site_ID = 1";
        SQLExecDirect(stmt, Sql(sql), SQL_NTS);
        SQLSMALLINT count = 0;
        SQLNumResultCols(stmt, &count);
        for (SQLUSMALLINT c = 1; c <= count; ++c) {
            SQLSMALLINT nameLength = 0, type = 0, digits = 0, nullable = 0;
            SQLULEN size = 0;
            SQLDescribeCol(stmt, c, reinterpret_cast<SQLCHAR*>(name), sizeof name, &nameLength,
                           &type, &size, &digits, &nullable);
            t.columns.emplace_back(name);
            t.isText.push_back(type != SQL_INTEGER && type != SQL_SMALLINT && type != SQL_BIGINT);
        }
        while (SQL_SUCCEEDED(SQLFetch(stmt))) {
            std::vector<std::string> row;
            for (SQLUSMALLINT c = 1; c <= count; ++c) {
                char value[1024] = {0};
                SQLGetData(stmt, c, SQL_C_CHAR, value, sizeof value, &length);
                row.emplace_back(length == SQL_NULL_DATA ? "" : value);
            }
            t.rows.push_back(row);
        }
        SQLFreeStmt(stmt, SQL_CLOSE);
        if (!t.rows.empty()) {
            tables.push_back(t);
        }
    }
    SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    return tables;
}

std::unique_ptr<Backend> MakeBackend(const std::string& connect) {
    auto backend = std::make_unique<Backend>();
    backend->connect = connect;
    backend->db = std::make_unique<Vel::CDatabaseEx>();
    backend->db->Open(Vel::CString(connect));
    auto panel = OpenedSite(1);
    Vel::Sample::CSampleStore::VaryValues(*panel);
    if (!Vel::Sample::CSampleStore::Store(*backend->db, *panel)) {
        return nullptr;
    }
    backend->tables = ReadTables(*backend->db);
    for (const Table& t : backend->tables) {
        backend->rows += t.rows.size();
    }
    backend->items = CountItems(*panel);
    return backend;
}

std::string PostgresConnect() {
    if (const char* env = std::getenv("VEL_BENCH_PG_CONNECT")) {
        return env;
    }
    std::ifstream in("../pg/connection.txt");
    std::string line;
    std::getline(in, line);
    return line;
}

Backend* Get(int which) {
    static std::unique_ptr<Backend> backends[2];
    static bool made[2] = {false, false};
    if (!made[which]) {
        made[which] = true;
        const std::string folder =
            (std::filesystem::temp_directory_path() / "vel_bench_db").string();
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        const std::string connect =
            which == 0 ? Vel::CDatabaseManager::SqliteConnect(Vel::CString(folder + "/b.db")).str()
                       : PostgresConnect();
        if (!connect.empty()) {
            backends[which] = MakeBackend(connect);
        }
    }
    return backends[which].get();
}

bool Ready(benchmark::State& state, Backend* backend) {
    if (!backend) {
        state.SkipWithError("backend not available");
        return false;
    }
    return true;
}

void BM_TreeStore(benchmark::State& state) {
    Backend* b = Get(static_cast<int>(state.range(0)));
    if (!Ready(state, b)) {
        return;
    }
    auto panel = OpenedSite(2);
    Vel::Sample::CSampleStore::VaryValues(*panel);
    for (auto _ : state) {
        b->db->BeginTrans();
        panel->Root().StoreDataVel2Db(b->db.get(), false);
        b->db->Rollback();
    }
    Rates(state, b->rows, b->items);
}

// Raw prepared inserts of the same rows, one statement per table, bound once.
void BM_RawInsert(benchmark::State& state) {
    Backend* b = Get(static_cast<int>(state.range(0)));
    if (!Ready(state, b)) {
        return;
    }
    auto hdbc = static_cast<SQLHDBC>(b->db->GetConnectionHandle());
    for (auto _ : state) {
        b->db->BeginTrans();
        for (const Table& t : b->tables) {
            std::string sql = "INSERT INTO " + Quote(*b->db, t.name) + " (";
            std::string marks;
            for (std::size_t c = 0; c < t.columns.size(); ++c) {
                sql += (c ? ", " : "") + Quote(*b->db, t.columns[c]);
                marks += c ? ", ?" : "?";
            }
            sql += ") VALUES (" + marks + ")";
            SQLHSTMT stmt = SQL_NULL_HSTMT;
            SQLAllocHandle(SQL_HANDLE_STMT, hdbc, &stmt);
            SQLPrepare(stmt, Sql(sql), SQL_NTS);
            std::vector<SQLINTEGER> numbers(t.columns.size());
            std::vector<std::string> texts(t.columns.size());
            std::vector<char> buffers(t.columns.size() * 1024);
            std::vector<SQLLEN> lengths(t.columns.size());
            for (std::size_t c = 0; c < t.columns.size(); ++c) {
                const auto n = static_cast<SQLUSMALLINT>(c + 1);
                if (t.isText[c]) {
                    SQLBindParameter(stmt, n, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 255, 0,
                                     &buffers[c * 1024], 1024, &lengths[c]);
                } else {
                    SQLBindParameter(stmt, n, SQL_PARAM_INPUT, SQL_C_SLONG, SQL_INTEGER, 0, 0,
                                     &numbers[c], 0, &lengths[c]);
                }
            }
            for (const auto& row : t.rows) {
                for (std::size_t c = 0; c < row.size(); ++c) {
                    if (t.isText[c]) {
                        row[c].copy(&buffers[c * 1024], row[c].size());
                        lengths[c] = static_cast<SQLLEN>(row[c].size());
                    } else {
                        numbers[c] = t.columns[c] == "AM_Site_ID" || t.columns[c] == "am_site_id"
                                         ? 2
                                         : std::atoi(row[c].c_str());
                        lengths[c] = 0;
                    }
                }
                SQLExecute(stmt);
            }
            SQLFreeHandle(SQL_HANDLE_STMT, stmt);
        }
        b->db->Rollback();
    }
    Rates(state, b->rows, b->items);
}

void BM_TreeLoad(benchmark::State& state) {
    Backend* b = Get(static_cast<int>(state.range(0)));
    if (!Ready(state, b)) {
        return;
    }
    auto panel = OpenedSite(1);
    for (auto _ : state) {
        bool notInDb = false;
        panel->Root().LoadDataDb2Vel(b->db.get(), notInDb, false);
    }
    Rates(state, b->rows, b->items);
}

// Raw prepared, column-bound fetches of the same rows, a block of rows per call as the load
// fetches them.
std::unique_ptr<KeptFetch> PreparedFetch(Backend* b, const Table& t) {
    auto hdbc = static_cast<SQLHDBC>(b->db->GetConnectionHandle());
    std::string sql = "SELECT ";
    for (std::size_t c = 0; c < t.columns.size(); ++c) {
        sql += (c ? ", " : "") + Quote(*b->db, t.columns[c]);
    }
    sql += " FROM " + Quote(*b->db, t.name) + " WHERE AM_Site_ID = ?";
    // Element rows in element order, as the tree's load reads them.
    if (IsCollectionTable(t)) {
        sql += " ORDER BY " + Quote(*b->db, "Collection_ID");
    }
    auto f = std::make_unique<KeptFetch>();
    SQLAllocHandle(SQL_HANDLE_STMT, hdbc, &f->stmt);
    SQLPrepare(f->stmt, Sql(sql), SQL_NTS);
    SQLBindParameter(f->stmt, 1, SQL_PARAM_INPUT, SQL_C_SLONG, SQL_INTEGER, 0, 0, &f->site, 0,
                     &f->siteLength);
    SQLSetStmtAttr(f->stmt, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(kFetchRows), 0);
    SQLSetStmtAttr(f->stmt, SQL_ATTR_ROWS_FETCHED_PTR, &f->fetched, 0);
    f->numbers.resize(t.columns.size() * kFetchRows);
    f->buffers.resize(t.columns.size() * kFetchRows * kTextBytes);
    f->lengths.resize(t.columns.size() * kFetchRows);
    for (std::size_t c = 0; c < t.columns.size(); ++c) {
        const auto n = static_cast<SQLUSMALLINT>(c + 1);
        SQLLEN* lengths = &f->lengths[c * kFetchRows];
        if (t.isText[c]) {
            SQLBindCol(f->stmt, n, SQL_C_CHAR, &f->buffers[c * kFetchRows * kTextBytes], kTextBytes,
                       lengths);
        } else {
            SQLBindCol(f->stmt, n, SQL_C_SLONG, &f->numbers[c * kFetchRows], 0, lengths);
        }
    }
    return f;
}

// Every table's rows of site 1; statements are prepared on first use and kept. Answers how
// many rows came, so that a driver that ignored the block size shows.
std::size_t RawFetchOnce(Backend* b) {
    if (b->fetches.empty()) {
        for (const Table& t : b->tables) {
            b->fetches.push_back(PreparedFetch(b, t));
        }
    }
    std::size_t rows = 0;
    for (const auto& f : b->fetches) {
        SQLExecute(f->stmt);
        while (SQL_SUCCEEDED(SQLFetch(f->stmt))) {
            benchmark::DoNotOptimize(f->numbers.data());
            rows += f->fetched;
        }
        SQLFreeStmt(f->stmt, SQL_CLOSE);
    }
    return rows;
}

// An anchor that read fewer rows than the load would flatter it.
void CheckRawRows(benchmark::State& state, const Backend* b, std::size_t rows) {
    if (rows != b->rows) {
        state.SkipWithError(
            ("raw fetch read " + std::to_string(rows) + " rows of " + std::to_string(b->rows))
                .c_str());
    }
}

void BM_RawFetch(benchmark::State& state) {
    Backend* b = Get(static_cast<int>(state.range(0)));
    if (!Ready(state, b)) {
        return;
    }
    std::size_t rows = 0;
    for (auto _ : state) {
        rows = RawFetchOnce(b);
    }
    CheckRawRows(state, b, rows);
    Rates(state, b->rows, b->items);
}

// The load and the anchor taking turns, so that both meet the same load of a shared machine:
// "load/raw" is the load's rate as a share of the anchor's, over the same stretch of time.
void BM_LoadBesideRawFetch(benchmark::State& state) {
    Backend* b = Get(static_cast<int>(state.range(0)));
    if (!Ready(state, b)) {
        return;
    }
    auto panel = OpenedSite(1);
    using Clock = std::chrono::steady_clock;
    Clock::duration load{};
    Clock::duration raw{};
    std::size_t rows = 0;
    for (auto _ : state) {
        bool notInDb = false;
        const auto start = Clock::now();
        panel->Root().LoadDataDb2Vel(b->db.get(), notInDb, false);
        const auto loaded = Clock::now();
        rows = RawFetchOnce(b);
        const auto fetched = Clock::now();
        load += loaded - start;
        raw += fetched - loaded;
    }
    const auto ms = [](Clock::duration d) {
        return std::chrono::duration<double, std::milli>(d).count();
    };
    CheckRawRows(state, b, rows);
    const auto n = static_cast<double>(state.iterations());
    state.counters["load ms"] = ms(load) / n;
    state.counters["raw ms"] = ms(raw) / n;
    state.counters["load/raw"] = ms(raw) / ms(load);
}

// Argument 0 is SQLite, 1 PostgreSQL.
BENCHMARK(BM_TreeStore)->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawInsert)->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreeLoad)->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawFetch)->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBesideRawFetch)->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
