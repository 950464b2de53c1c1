// CDatabaseEx: the shared connection the library's services work on. Adds a statement run
// that answers success as bool and keeps the error for the caller to read.
#pragma once

#include <vel/Database.h>
#include <vel/DbException.h>
#include <vel/Export.h>
#include <vel/String.h>

#include <optional>

namespace Vel {

class VEL_API CDatabaseEx : public CDatabase {
public:
    CDatabaseEx();
    ~CDatabaseEx() override;

    // True when the statement ran; otherwise false, with the error in GetLastError().
    bool ExecuteSQL(const CString& sql);
    // The error of the last failed ExecuteSQL, if any since the last success.
    const std::optional<CDbException>& GetLastError() const { return m_lastError; }

private:
    std::optional<CDbException> m_lastError;
};

} // namespace Vel
