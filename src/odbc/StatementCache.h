// Prepared reading statements kept per connection, so that a tree loaded again does not pay
// for preparing (and on a server, parsing and planning) every table's query anew.
#pragma once

#include <vel/String.h>

#include <sql.h>

#include <unordered_map>

namespace Vel {

class CStatementCache {
public:
    CStatementCache() = default;
    CStatementCache(const CStatementCache&) = delete;
    CStatementCache& operator=(const CStatementCache&) = delete;
    ~CStatementCache() { Clear(); }

    // The statement prepared for `sql`, with no cursor, bindings or parameters, taken out of
    // the cache; SQL_NULL_HSTMT when none is kept.
    SQLHSTMT Take(const CString& sql);
    // Keeps a statement prepared for `sql` whose cursor is closed; frees it when one is
    // kept for that text already or the cache is full.
    void Give(const CString& sql, SQLHSTMT stmt);
    // Frees every kept statement; needed before the connection goes.
    void Clear();

private:
    std::unordered_map<CString, SQLHSTMT> m_mapStatements;
};

} // namespace Vel
