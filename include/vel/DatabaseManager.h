// CDatabaseManager: the process-wide holder of the shared connection, and the helpers that
// build connection texts and SQL literals.
#pragma once

#include <vel/DatabaseEx.h>
#include <vel/Export.h>
#include <vel/String.h>

namespace Vel {

class VEL_API CDatabaseManager {
public:
    static CDatabaseManager& Instance();
    CDatabaseEx* GetDatabase() { return &m_database; }

    // Escapes a text for use inside a single-quoted SQL literal.
    static CString StringEsc(const CString& text);
    // The embedded default: one SQLite file per database.
    static CString SqliteConnect(const CString& file, int timeoutMs = 10000);

private:
    CDatabaseManager() = default;
    CDatabaseEx m_database;
};

} // namespace Vel
