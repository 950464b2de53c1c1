#include <vel/Database.h>

#include <vel/DbException.h>

#include "ConnectText.h"
#include "Dialect.h"
#include "OdbcCheck.h"
#include "SqliteSetup.h"
#include "StatementCache.h"

#include <sys/stat.h>

namespace Vel {

struct CDatabase::Impl {
    SQLHDBC hdbc = SQL_NULL_HDBC;
    bool open = false;
    bool inTrans = false;
    bool transFailed = false;
    Dialect dialect = Dialect::Generic;
    CString connect;
    CStatementCache statements;

    // SQLite runs its transactions as statements: BEGIN IMMEDIATE takes the write lock at
    // once, so a second writer waits for the busy timeout instead of failing when its first
    // write would have to upgrade a read lock. Other servers use the driver's autocommit.
    bool ExplicitTransactions() const { return dialect == Dialect::SQLite; }
    void Begin(CDatabase& db);
    // Commits or rolls back; a failure throws with the transaction possibly still open.
    void End(CDatabase& db, bool commit);
    // After a failure: rolls back whatever is open and returns to autocommit, quietly.
    void Abandon(CDatabase& db);
    // Runs a transaction step; when it fails it may have taken effect, so nothing is left open.
    template <class Step> void OrAbandon(CDatabase& db, Step&& step) {
        try {
            step();
        } catch (const CDbException&) {
            Abandon(db);
            throw;
        }
    }
    SQLRETURN SetAutocommit(bool on);
};

namespace {

bool isSqlite(const CString& connect) {
    return ConnectValue(connect, "Driver").CompareNoCase("SQLite3") == 0;
}

// The folder of an SQLite file must exist: the driver would only say "connect failed".
void checkSqliteFolder(const CString& connect) {
    const CString file = ConnectValue(connect, "Database");
    const int slash = file.ReverseFind('/');
    if (slash <= 0) {
        return;
    }
    const CString folder = file.Left(slash);
    struct stat st {};
    if (stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        throw CDbException("08001", 0, "the folder of the database does not exist: " + folder, "");
    }
}

CDatabase::Dialect dialectOf(SQLHDBC hdbc) {
    SQLCHAR name[64] = {0};
    SQLSMALLINT length = 0;
    SQLGetInfo(hdbc, SQL_DBMS_NAME, name, sizeof name, &length);
    const CString dbms(reinterpret_cast<const char*>(name));
    if (dbms.Find("SQLite") >= 0) {
        return CDatabase::Dialect::SQLite;
    }
    if (dbms.Find("PostgreSQL") >= 0) {
        return CDatabase::Dialect::PostgreSQL;
    }
    return CDatabase::Dialect::Generic;
}

} // namespace

CDatabase::CDatabase() : m_pImpl(std::make_unique<Impl>()) {}

CDatabase::~CDatabase() {
    Close();
}

namespace {

SQLRETURN connectOnce(SQLHDBC hdbc, const CString& text) {
    SQLCHAR out[1024];
    SQLSMALLINT outLength = 0;
    return SQLDriverConnect(hdbc, nullptr,
                            reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.c_str())), SQL_NTS,
                            out, sizeof out, &outLength, SQL_DRIVER_NOPROMPT);
}

} // namespace

bool CDatabase::Open(const CString& connect) {
    if (connect.IsEmpty()) {
        return IsOpen() || OpenConfigured();
    }
    Close();
    CString text = connect;
    if (isSqlite(text)) {
        checkSqliteFolder(text);
        PrepareSqliteOnce();
        if (ConnectValue(text, "Timeout").IsEmpty()) {
            text = ConnectWith(text, "Timeout", "10000");
        }
    }
    SQLHENV env = OdbcEnvironment();
    SQLHDBC hdbc = SQL_NULL_HDBC;
    OdbcCheck(SQLAllocHandle(SQL_HANDLE_DBC, env, &hdbc), SQL_HANDLE_ENV, env, "", nullptr);
    SQLRETURN rc = connectOnce(hdbc, text);
    if (!SQL_SUCCEEDED(rc)) {
        // A machine without the driver's registration: name its library directly.
        const CString library = KnownDriverLibrary(ConnectValue(text, "Driver"));
        if (!library.IsEmpty()) {
            rc = connectOnce(hdbc, ConnectWith(text, "Driver", library));
        }
    }
    try {
        OdbcCheck(rc, SQL_HANDLE_DBC, hdbc, "", nullptr);
    } catch (...) {
        SQLFreeHandle(SQL_HANDLE_DBC, hdbc);
        throw;
    }
    m_pImpl->hdbc = hdbc;
    m_pImpl->open = true;
    m_pImpl->connect = connect;
    m_pImpl->dialect = dialectOf(hdbc);
    if (m_pImpl->dialect == Dialect::PostgreSQL) {
        // Texts are bytes: no conversion on the way, so 8-bit bytes round-trip exactly (a
        // UTF8 server still refuses bytes that are not UTF-8, with a clear error).
        ExecuteDirect("SET client_encoding TO 'SQL_ASCII'");
    }
    return true;
}

bool CDatabase::OpenConfigured() {
    if (m_pImpl->connect.IsEmpty()) {
        throw CDbException("08001", 0, "no connection is configured: open it once with its text",
                           "");
    }
    const CString connect = m_pImpl->connect;
    return Open(connect);
}

void CDatabase::Close() {
    if (!m_pImpl->open) {
        return;
    }
    if (m_pImpl->inTrans) {
        try {
            Rollback();
        } catch (const CDbException&) {
            // Disconnecting rolls back all the same.
        }
    }
    m_pImpl->statements.Clear();
    SQLDisconnect(m_pImpl->hdbc);
    SQLFreeHandle(SQL_HANDLE_DBC, m_pImpl->hdbc);
    m_pImpl->hdbc = SQL_NULL_HDBC;
    m_pImpl->open = false;
}

bool CDatabase::IsOpen() const {
    return m_pImpl->open;
}

CDatabase::Dialect CDatabase::GetDialect() const {
    return m_pImpl->dialect;
}

const CString& CDatabase::GetConnect() const {
    return m_pImpl->connect;
}

void* CDatabase::GetConnectionHandle() const {
    return m_pImpl->hdbc;
}

CStatementCache& CDatabase::Statements() {
    return m_pImpl->statements;
}

void CDatabase::MarkFailed() {
    if (m_pImpl->inTrans) {
        m_pImpl->transFailed = true;
    }
}

CString CDatabase::Rewrite(const CString& sql) const {
    return m_pImpl->dialect == Dialect::PostgreSQL ? RewriteBracketsForPostgres(sql) : sql;
}

void CDatabase::ExecuteDirect(const CString& sql) {
    if (!IsOpen()) {
        throw CDbException("08003", 0, "the connection is not open", sql);
    }
    COdbcStatement stmt;
    stmt.Allocate(this);
    stmt.ExecDirect(Rewrite(sql));
}

SQLRETURN CDatabase::Impl::SetAutocommit(bool on) {
    const SQLULEN mode = on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF;
    return SQLSetConnectAttr(hdbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(mode), 0);
}

void CDatabase::Impl::Begin(CDatabase& db) {
    if (ExplicitTransactions()) {
        db.ExecuteDirect("BEGIN IMMEDIATE");
        return;
    }
    OdbcCheck(SetAutocommit(false), SQL_HANDLE_DBC, hdbc, "BEGIN", &db);
}

void CDatabase::Impl::End(CDatabase& db, bool commit) {
    if (ExplicitTransactions()) {
        db.ExecuteDirect(commit ? "COMMIT" : "ROLLBACK");
        return;
    }
    OdbcCheck(SQLEndTran(SQL_HANDLE_DBC, hdbc, commit ? SQL_COMMIT : SQL_ROLLBACK), SQL_HANDLE_DBC,
              hdbc, commit ? "COMMIT" : "ROLLBACK", &db);
    if (!SQL_SUCCEEDED(SetAutocommit(true))) {
        // The transaction has ended, yet the connection no longer does what it is told: later
        // statements would wait for a commit that never comes. Drop it; the next Open("")
        // connects afresh.
        db.Close();
    }
}

void CDatabase::Impl::Abandon(CDatabase& db) {
    if (!open) {
        return;
    }
    if (ExplicitTransactions()) {
        try {
            db.ExecuteDirect("ROLLBACK");
        } catch (const CDbException&) {
            // Nothing was open.
        }
        return;
    }
    SQLEndTran(SQL_HANDLE_DBC, hdbc, SQL_ROLLBACK);
    SetAutocommit(true);
}

bool CDatabase::BeginTrans() {
    if (!IsOpen() || m_pImpl->inTrans) {
        return false;
    }
    m_pImpl->OrAbandon(*this, [&] { m_pImpl->Begin(*this); });
    m_pImpl->inTrans = true;
    m_pImpl->transFailed = false;
    return true;
}

bool CDatabase::CommitTrans() {
    if (!m_pImpl->inTrans) {
        return false;
    }
    if (m_pImpl->transFailed) {
        // Some drivers report a commit of an aborted transaction as success; never trust it.
        Rollback();
        return false;
    }
    m_pImpl->inTrans = false;
    m_pImpl->OrAbandon(*this, [&] { m_pImpl->End(*this, true); });
    return true;
}

bool CDatabase::Rollback() {
    if (!m_pImpl->inTrans) {
        return false;
    }
    m_pImpl->inTrans = false;
    m_pImpl->transFailed = false;
    m_pImpl->OrAbandon(*this, [&] { m_pImpl->End(*this, false); });
    return true;
}

bool CDatabase::InTransaction() const {
    return m_pImpl->inTrans;
}

bool CDatabase::TransactionFailed() const {
    return m_pImpl->transFailed;
}

bool CDatabase::Probe(const CString& sql) {
    if (!IsOpen()) {
        return false;
    }
    const bool inTrans = m_pImpl->inTrans;
    const bool failedBefore = m_pImpl->transFailed;
    if (inTrans) {
        ExecuteDirect("SAVEPOINT vel_probe");
    }
    bool ok = true;
    try {
        COdbcStatement stmt;
        stmt.Allocate(this);
        stmt.ExecDirect(Rewrite(sql));
    } catch (const CDbException&) {
        ok = false;
    }
    if (inTrans) {
        if (!ok) {
            ExecuteDirect("ROLLBACK TO SAVEPOINT vel_probe");
            m_pImpl->transFailed = failedBefore;
        }
        ExecuteDirect("RELEASE SAVEPOINT vel_probe");
    }
    return ok;
}

namespace {

// Catalog names as the server stores them: PostgreSQL folds bracketed names to lower case.
CString catalogName(CDatabase::Dialect dialect, const CString& name) {
    CString folded = name;
    folded.Remove('[');
    folded.Remove(']');
    return dialect == CDatabase::Dialect::PostgreSQL ? folded.MakeLower() : folded;
}

SQLCHAR* sqlText(const CString& text) {
    return reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.c_str()));
}

} // namespace

bool CDatabase::TableExists(const CString& table) {
    if (!IsOpen()) {
        return false;
    }
    const CString name = catalogName(m_pImpl->dialect, table);
    COdbcStatement stmt;
    stmt.Allocate(this);
    stmt.Check(SQLTables(stmt.Get(), nullptr, 0, nullptr, 0, sqlText(name), SQL_NTS, nullptr, 0));
    return stmt.Fetch();
}

std::vector<CString> CDatabase::GetColumnNames(const CString& table) {
    std::vector<CString> names;
    if (!IsOpen()) {
        return names;
    }
    const CString name = catalogName(m_pImpl->dialect, table);
    COdbcStatement stmt;
    stmt.Allocate(this);
    stmt.Check(SQLColumns(stmt.Get(), nullptr, 0, nullptr, 0, sqlText(name), SQL_NTS, nullptr, 0));
    constexpr SQLUSMALLINT kColumnName = 4;
    while (stmt.Fetch()) {
        char column[256] = {0};
        SQLLEN length = 0;
        stmt.Check(SQLGetData(stmt.Get(), kColumnName, SQL_C_CHAR, column, sizeof column, &length));
        names.emplace_back(column);
    }
    return names;
}

} // namespace Vel
