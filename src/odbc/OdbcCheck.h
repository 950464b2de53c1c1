// The one checking function every ODBC call goes through, the handle owners, and the fault
// hook the tests use to fail the Nth checked call.
#pragma once

#include "StatementCache.h"

#include <vel/String.h>

#include <sql.h>
#include <sqlext.h>

namespace Vel {

class CDatabase;

// Throws CDbException for a failed call (and marks the connection's transaction failed);
// answers the call's result otherwise, SQL_NO_DATA included.
SQLRETURN OdbcCheck(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle,
                    const CString& statement, CDatabase* owner);

// Fault hook: the `n`th checked call from now fails once as if the driver had refused it
// (0 turns it off). Answers how many calls were checked since the last arming.
void OdbcFailCallAt(long n);
long OdbcCheckedCalls();

// The process-wide ODBC environment.
SQLHENV OdbcEnvironment();

// Owns one statement handle.
class COdbcStatement {
public:
    COdbcStatement() = default;
    COdbcStatement(const COdbcStatement&) = delete;
    COdbcStatement& operator=(const COdbcStatement&) = delete;
    ~COdbcStatement() { Reset(); }

    // Allocates on `db`'s connection; the text is kept for error reports.
    void Allocate(CDatabase* db);
    void Reset();
    bool IsAllocated() const { return m_hStmt != SQL_NULL_HSTMT; }
    SQLHSTMT Get() const { return m_hStmt; }

    void Prepare(const CString& sql);
    // Allocates and prepares, or takes the statement `db` keeps prepared for `sql`; answers
    // the buffers a taken statement is still bound to (none for a fresh one).
    std::unique_ptr<CKeptBindings> PrepareKept(CDatabase* db, const CString& sql);
    // Gives a statement of PrepareKept back to its connection's keeping, unless a call on it
    // failed; frees it then. With `bindings`, the statement stays bound to them.
    void Keep(std::unique_ptr<CKeptBindings> bindings = nullptr);
    // Executes the prepared statement; answers false for SQL_NO_DATA.
    bool Execute();
    void ExecDirect(const CString& sql);
    // Answers false at the end.
    bool Fetch();
    void CloseCursor();
    SQLRETURN Check(SQLRETURN rc) const;
    const CString& GetText() const { return m_strSql; }

private:
    CDatabase* m_pDb = nullptr;
    void* m_hDbc = nullptr; // the connection the statement was made on
    SQLHSTMT m_hStmt = SQL_NULL_HSTMT;
    CString m_strSql;
    mutable bool m_bFailed = false; // a call failed: the statement's state is unknown
};

} // namespace Vel
