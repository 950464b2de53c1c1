#include <vel/DatabaseManager.h>

namespace Vel {

CDatabaseManager& CDatabaseManager::Instance() {
    static CDatabaseManager instance;
    return instance;
}

CString CDatabaseManager::StringEsc(const CString& text) {
    // Both dialects read backslashes literally; only the quote is special.
    CString escaped = text;
    escaped.Replace("'", "''");
    return escaped;
}

CString CDatabaseManager::SqliteConnect(const CString& file, int timeoutMs) {
    return CString::Formatted("Driver=SQLite3;Database=%s;Timeout=%d", file.c_str(), timeoutMs);
}

} // namespace Vel
