#include "StatementCache.h"

#include <sqlext.h>

namespace Vel {

namespace {

// Far more than the tables of one tree; a bound on handles a long-running host keeps open.
constexpr std::size_t kMaxStatements = 512;

// The handle goes before its buffers, so the driver never holds a freed address.
void freeKept(SKeptStatement& kept) {
    SQLFreeHandle(SQL_HANDLE_STMT, kept.stmt);
    kept.stmt = SQL_NULL_HSTMT;
    kept.bindings.reset();
}

} // namespace

SKeptStatement CStatementCache::Take(const CString& sql) {
    const auto it = m_mapStatements.find(sql);
    if (it == m_mapStatements.end()) {
        return {};
    }
    SKeptStatement kept = std::move(it->second);
    m_mapStatements.erase(it);
    return kept;
}

void CStatementCache::Give(const CString& sql, SKeptStatement kept) {
    if (!kept.bindings) {
        // The buffers bound belong to whoever is closing it.
        SQLFreeStmt(kept.stmt, SQL_UNBIND);
        SQLFreeStmt(kept.stmt, SQL_RESET_PARAMS);
    }
    if (m_mapStatements.size() >= kMaxStatements || m_mapStatements.contains(sql)) {
        freeKept(kept);
        return;
    }
    m_mapStatements.emplace(sql, std::move(kept));
}

void CStatementCache::Clear() {
    for (auto& [sql, kept] : m_mapStatements) {
        freeKept(kept);
    }
    m_mapStatements.clear();
}

} // namespace Vel
