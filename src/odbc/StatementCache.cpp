#include "StatementCache.h"

#include <sqlext.h>

namespace Vel {

namespace {

// Far more than the tables of one tree; a bound on handles a long-running host keeps open.
constexpr std::size_t kMaxStatements = 512;

} // namespace

SQLHSTMT CStatementCache::Take(const CString& sql) {
    const auto it = m_mapStatements.find(sql);
    if (it == m_mapStatements.end()) {
        return SQL_NULL_HSTMT;
    }
    const SQLHSTMT stmt = it->second;
    m_mapStatements.erase(it);
    return stmt;
}

void CStatementCache::Give(const CString& sql, SQLHSTMT stmt) {
    // The buffers bound belong to the recordset that is closing.
    SQLFreeStmt(stmt, SQL_UNBIND);
    SQLFreeStmt(stmt, SQL_RESET_PARAMS);
    if (m_mapStatements.size() >= kMaxStatements || !m_mapStatements.emplace(sql, stmt).second) {
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    }
}

void CStatementCache::Clear() {
    for (const auto& [sql, stmt] : m_mapStatements) {
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    }
    m_mapStatements.clear();
}

} // namespace Vel
