// CDatabase: one ODBC connection. Opens by connection text, runs statements, and keeps
// transactions honest: once a statement of a transaction has failed, its commit rolls back
// and answers false, whatever the driver would have said.
//
// SQLite texts ("Driver=SQLite3;Database=FILE") get a busy timeout and a clear error for a
// missing folder; PostgreSQL connections see bracketed names as lower-case quoted ones.
#pragma once

#include <vel/Export.h>
#include <vel/String.h>

#include <memory>
#include <vector>

namespace Vel {

class CStatementCache;

class VEL_API CDatabase {
public:
    enum class Dialect { Generic, SQLite, PostgreSQL };

    CDatabase();
    CDatabase(const CDatabase&) = delete;
    CDatabase& operator=(const CDatabase&) = delete;
    virtual ~CDatabase();

    // Connects; a failure throws CDbException. An open connection is closed first. The
    // empty text opens the connection this one is configured for (the text it was last
    // opened with) unless it is open already, which it leaves as it is.
    virtual bool Open(const CString& connect);
    virtual void Close();
    bool IsOpen() const;
    Dialect GetDialect() const;
    const CString& GetConnect() const;

    // Runs one statement; a failure throws CDbException.
    void ExecuteDirect(const CString& sql);

    bool BeginTrans();
    // False (after rolling back) when any statement of the transaction failed.
    bool CommitTrans();
    bool Rollback();
    bool InTransaction() const;
    // Whether a statement failed since the transaction began.
    bool TransactionFailed() const;

    // The statement text as this connection's server reads it (bracketed names rewritten).
    CString Rewrite(const CString& sql) const;
    // Runs a statement whose failure is an answer, not an error: false when it fails, and
    // an open transaction stays usable (the failure is undone to a savepoint).
    bool Probe(const CString& sql);
    // Whether the table exists (any case on servers that fold names).
    bool TableExists(const CString& table);
    // The table's column names as the server reports them.
    std::vector<CString> GetColumnNames(const CString& table);

    // For the recordsets of this library: the raw connection handle and the failure mark.
    void* GetConnectionHandle() const;
    void MarkFailed();
    // Prepared reading statements kept for this connection while it stays open.
    CStatementCache& Statements();

private:
    bool OpenConfigured();

    struct Impl;
    std::unique_ptr<Impl> m_pImpl;
};

} // namespace Vel
