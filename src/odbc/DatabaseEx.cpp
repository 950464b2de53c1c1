#include <vel/DatabaseEx.h>

namespace Vel {

CDatabaseEx::CDatabaseEx() = default;
CDatabaseEx::~CDatabaseEx() = default;

bool CDatabaseEx::ExecuteSQL(const CString& sql) {
    try {
        ExecuteDirect(sql);
    } catch (const CDbException& e) {
        m_lastError = e;
        return false;
    }
    m_lastError.reset();
    return true;
}

} // namespace Vel
