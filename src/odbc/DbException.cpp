#include <vel/DbException.h>

namespace Vel {

CDbException::CDbException(const CString& state, long native, const CString& message,
                           const CString& statement, const CString& column)
    : std::runtime_error(describe(state, native, message, statement)), m_strState(state),
      m_nNative(native), m_strMessage(message), m_strStatement(statement), m_strColumn(column) {}

std::string CDbException::describe(const CString& state, long native, const CString& message,
                                   const CString& statement) {
    CString text =
        CString::Formatted("database error %s (%ld): %s", state.c_str(), native, message.c_str());
    if (!statement.IsEmpty()) {
        text += " [statement: " + statement + "]";
    }
    return text.str();
}

CDbException CDbException::WithContext(const CString& context) const {
    return CDbException(m_strState, m_nNative, m_strMessage + " " + context, m_strStatement,
                        m_strColumn);
}

} // namespace Vel
