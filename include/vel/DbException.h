// CDbException: the one error type of the database layer. Carries the driver's SQLSTATE,
// native error code and message, the statement that failed and, when known, the column.
#pragma once

#include <vel/Export.h>
#include <vel/String.h>

#include <stdexcept>

namespace Vel {

class VEL_API CDbException : public std::runtime_error {
public:
    CDbException(const CString& state, long native, const CString& message,
                 const CString& statement, const CString& column = CString());

    const CString& GetSqlState() const { return m_strState; }
    long GetNativeError() const { return m_nNative; }
    const CString& GetMessage() const { return m_strMessage; }
    const CString& GetStatement() const { return m_strStatement; }
    // The bracketed column the failure concerns, empty when the driver did not say.
    const CString& GetColumn() const { return m_strColumn; }

    // A copy whose message ends with `context` (such as the item a column belongs to).
    CDbException WithContext(const CString& context) const;

private:
    static std::string describe(const CString& state, long native, const CString& message,
                                const CString& statement);

    CString m_strState;
    long m_nNative;
    CString m_strMessage;
    CString m_strStatement;
    CString m_strColumn;
};

} // namespace Vel
