#include "SiteStatement.h"

#include <vel/DatabaseManager.h>
#include <vel/DbException.h>

namespace Vel {

CSiteStatement::CSiteStatement(CDatabase* db, const CString& sql) {
    m_stmt.Allocate(db);
    m_stmt.Prepare(db->Rewrite(sql));
}

CSiteStatement& CSiteStatement::Bind(long long value) {
    long long& number = m_numbers.emplace_back(value);
    SQLLEN& length = m_lengths.emplace_back(0);
    m_stmt.Check(SQLBindParameter(m_stmt.Get(), ++m_nParams, SQL_PARAM_INPUT, SQL_C_SBIGINT,
                                  SQL_BIGINT, 0, 0, &number, 0, &length));
    return *this;
}

CSiteStatement& CSiteStatement::Bind(const std::string& text) {
    std::string& buffer = m_texts.emplace_back(text);
    SQLLEN& length = m_lengths.emplace_back(static_cast<SQLLEN>(buffer.size()));
    // Long texts (the site record) go as long text: a VARCHAR parameter has a size limit.
    const SQLSMALLINT type = buffer.size() > 255 ? SQL_LONGVARCHAR : SQL_VARCHAR;
    const SQLULEN size = buffer.empty() ? 1 : buffer.size();
    m_stmt.Check(SQLBindParameter(m_stmt.Get(), ++m_nParams, SQL_PARAM_INPUT, SQL_C_CHAR, type,
                                  size, 0, buffer.data(), static_cast<SQLLEN>(buffer.size()),
                                  &length));
    return *this;
}

bool CSiteStatement::Execute() {
    return m_stmt.Execute();
}

bool CSiteStatement::Fetch() {
    return m_stmt.Fetch();
}

long long CSiteStatement::GetLong(int column) {
    SQLBIGINT value = 0;
    SQLLEN indicator = 0;
    m_stmt.Check(SQLGetData(m_stmt.Get(), static_cast<SQLUSMALLINT>(column), SQL_C_SBIGINT, &value,
                            0, &indicator));
    return indicator == SQL_NULL_DATA ? 0 : value;
}

std::string CSiteStatement::GetText(int column) {
    std::string text;
    char chunk[1024];
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc =
            m_stmt.Check(SQLGetData(m_stmt.Get(), static_cast<SQLUSMALLINT>(column), SQL_C_CHAR,
                                    chunk, sizeof chunk, &indicator));
        if (rc == SQL_NO_DATA || indicator == SQL_NULL_DATA) {
            break;
        }
        // A truncated part fills the buffer but for its terminating zero.
        const bool more = indicator == SQL_NO_TOTAL || indicator >= SQLLEN(sizeof chunk);
        text.append(chunk, more ? sizeof chunk - 1 : static_cast<std::size_t>(indicator));
        if (!more) {
            break;
        }
    }
    return text;
}

long CSiteStatement::RowCount() {
    SQLLEN rows = 0;
    m_stmt.Check(SQLRowCount(m_stmt.Get(), &rows));
    return static_cast<long>(rows);
}

CDatabase* SiteDatabase() {
    CDatabaseEx* db = CDatabaseManager::Instance().GetDatabase();
    if (!db->IsOpen()) {
        throw CDbException("08003", 0, "the site database connection is not open", "");
    }
    return db;
}

} // namespace Vel
