#include "OdbcCheck.h"

#include "StatementCache.h"

#include <vel/Database.h>
#include <vel/DbException.h>

#include <atomic>
#include <mutex>

namespace Vel {

namespace {

std::atomic<long> g_nFailAt{0};
std::atomic<long> g_nChecked{0};

CDbException diagnose(SQLSMALLINT handleType, SQLHANDLE handle, const CString& statement) {
    SQLCHAR state[6] = {0};
    SQLINTEGER native = 0;
    SQLCHAR text[1024] = {0};
    SQLSMALLINT length = 0;
    CString message;
    CString firstState;
    long firstNative = 0;
    for (SQLSMALLINT rec = 1; handle != SQL_NULL_HANDLE; ++rec) {
        const SQLRETURN rc =
            SQLGetDiagRec(handleType, handle, rec, state, &native, text, sizeof text, &length);
        if (!SQL_SUCCEEDED(rc)) {
            break;
        }
        if (firstState.IsEmpty()) {
            firstState = reinterpret_cast<const char*>(state);
            firstNative = native;
        } else {
            message += "; ";
        }
        message += reinterpret_cast<const char*>(text);
    }
    if (firstState.IsEmpty()) {
        return CDbException("HY000", 0, "the driver gave no diagnostics", statement);
    }
    return CDbException(firstState, firstNative, message, statement);
}

} // namespace

void OdbcFailCallAt(long n) {
    g_nChecked = 0;
    g_nFailAt = n;
}

long OdbcCheckedCalls() {
    return g_nChecked;
}

SQLRETURN OdbcCheck(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle,
                    const CString& statement, CDatabase* owner) {
    const long n = g_nChecked.fetch_add(1, std::memory_order_relaxed) + 1;
    // Unarmed, as outside the fault tests, a call costs one counter increment.
    long armed = n;
    const bool injected = g_nFailAt.load(std::memory_order_relaxed) != 0 &&
                          g_nFailAt.compare_exchange_strong(armed, 0);
    if (!injected && (SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA)) {
        return rc;
    }
    if (owner) {
        owner->MarkFailed();
    }
    if (injected) {
        throw CDbException("HY000", 0, CString::Formatted("injected failure of call %ld", n),
                           statement);
    }
    throw diagnose(handleType, handle, statement);
}

SQLHENV OdbcEnvironment() {
    static SQLHENV env = [] {
        SQLHENV h = SQL_NULL_HENV;
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &h))) {
            throw CDbException("HY001", 0, "cannot allocate the ODBC environment", "");
        }
        SQLSetEnvAttr(h, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        return h;
    }();
    return env;
}

void COdbcStatement::Allocate(CDatabase* db) {
    Reset();
    m_pDb = db;
    m_hDbc = db->GetConnectionHandle();
    auto hdbc = static_cast<SQLHDBC>(m_hDbc);
    OdbcCheck(SQLAllocHandle(SQL_HANDLE_STMT, hdbc, &m_hStmt), SQL_HANDLE_DBC, hdbc, "", db);
}

void COdbcStatement::Reset() {
    if (m_hStmt != SQL_NULL_HSTMT) {
        SQLFreeHandle(SQL_HANDLE_STMT, m_hStmt);
        m_hStmt = SQL_NULL_HSTMT;
    }
    m_strSql.Empty();
    m_bFailed = false;
}

SQLRETURN COdbcStatement::Check(SQLRETURN rc) const {
    try {
        return OdbcCheck(rc, SQL_HANDLE_STMT, m_hStmt, m_strSql, m_pDb);
    } catch (...) {
        m_bFailed = true;
        throw;
    }
}

std::unique_ptr<CKeptBindings> COdbcStatement::PrepareKept(CDatabase* db, const CString& sql) {
    Reset();
    SKeptStatement kept = db->Statements().Take(sql);
    if (kept.stmt == SQL_NULL_HSTMT) {
        Allocate(db);
        Prepare(sql);
        return nullptr;
    }
    m_hStmt = kept.stmt;
    m_pDb = db;
    m_hDbc = db->GetConnectionHandle();
    m_strSql = sql;
    return std::move(kept.bindings);
}

void COdbcStatement::Keep(std::unique_ptr<CKeptBindings> bindings) {
    // A connection opened again since is another one: the statement is not its to keep.
    // Freed here, the handle goes before the buffers it was bound to.
    if (m_hStmt == SQL_NULL_HSTMT || m_bFailed || !m_pDb || !m_pDb->IsOpen() ||
        m_pDb->GetConnectionHandle() != m_hDbc) {
        Reset();
        return;
    }
    CloseCursor();
    m_pDb->Statements().Give(m_strSql, {m_hStmt, std::move(bindings)});
    m_hStmt = SQL_NULL_HSTMT;
    Reset();
}

void COdbcStatement::Prepare(const CString& sql) {
    m_strSql = sql;
    Check(SQLPrepare(m_hStmt, reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.c_str())), SQL_NTS));
}

bool COdbcStatement::Execute() {
    return Check(SQLExecute(m_hStmt)) != SQL_NO_DATA;
}

void COdbcStatement::ExecDirect(const CString& sql) {
    m_strSql = sql;
    Check(SQLExecDirect(m_hStmt, reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.c_str())),
                        SQL_NTS));
}

bool COdbcStatement::Fetch() {
    return Check(SQLFetch(m_hStmt)) != SQL_NO_DATA;
}

void COdbcStatement::CloseCursor() {
    if (m_hStmt != SQL_NULL_HSTMT) {
        SQLFreeStmt(m_hStmt, SQL_CLOSE);
    }
}

} // namespace Vel
