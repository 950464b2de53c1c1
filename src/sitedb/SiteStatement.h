// One statement of the site database library on the shared connection: parameters bound in
// order, rows read column by column. Every call goes through the connection's checking
// function, so failures surface as CDbException and mark the caller's transaction.
#pragma once

#include "OdbcCheck.h"

#include <vel/String.h>

#include <deque>
#include <string>

namespace Vel {

class CDatabase;

class CSiteStatement {
public:
    CSiteStatement(CDatabase* db, const CString& sql);

    CSiteStatement& Bind(long long value);
    CSiteStatement& Bind(const std::string& text);
    // False when an UPDATE or DELETE matched nothing.
    bool Execute();
    bool Fetch();
    long long GetLong(int column);
    // Empty for NULL.
    std::string GetText(int column);
    // Rows touched by the last Execute.
    long RowCount();

private:
    COdbcStatement m_stmt;
    // Bound buffers must stay where they are until the statement has run.
    std::deque<long long> m_numbers;
    std::deque<std::string> m_texts;
    std::deque<SQLLEN> m_lengths;
    SQLUSMALLINT m_nParams = 0;
};

// The shared connection; throws CDbException when it is not open.
CDatabase* SiteDatabase();

} // namespace Vel
