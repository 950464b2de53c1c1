// Prepared reading statements kept per connection, so that a tree loaded again does not pay
// for preparing (and on a server, parsing and planning) every table's query anew.
#pragma once

#include <vel/String.h>

#include <sql.h>

#include <memory>
#include <unordered_map>

namespace Vel {

// The buffers a kept statement stays bound to. The driver holds their addresses, so they
// live exactly as long as the binding: the next user takes them over instead of binding anew.
class CKeptBindings {
public:
    virtual ~CKeptBindings() = default;
};

// A prepared statement with no open cursor, and the buffers it is bound to (none when its
// bindings and parameters were reset).
struct SKeptStatement {
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    std::unique_ptr<CKeptBindings> bindings;
};

class CStatementCache {
public:
    CStatementCache() = default;
    CStatementCache(const CStatementCache&) = delete;
    CStatementCache& operator=(const CStatementCache&) = delete;
    ~CStatementCache() { Clear(); }

    // The statement prepared for `sql`, taken out of the cache; a null handle when none is
    // kept.
    SKeptStatement Take(const CString& sql);
    // Keeps a statement prepared for `sql` whose cursor is closed; frees it when one is
    // kept for that text already or the cache is full.
    void Give(const CString& sql, SKeptStatement kept);
    // Frees every kept statement; needed before the connection goes.
    void Clear();

private:
    std::unordered_map<CString, SKeptStatement> m_mapStatements;
};

} // namespace Vel
