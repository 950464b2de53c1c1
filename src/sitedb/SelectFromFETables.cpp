#include <vel/SelectFromFETables.h>

#include "RecordHex.h"
#include "SiteStatement.h"

namespace Vel {

namespace {

SiteRollback_T rollbackFromRow(CSiteStatement& row) {
    SiteRollback_T rollback{};
    rollback.rollbackSiteId = static_cast<std::uint32_t>(row.GetLong(1));
    rollback.siteId = static_cast<std::uint32_t>(row.GetLong(2));
    rollback.created = row.GetLong(3);
    rollback.kind = static_cast<std::uint32_t>(row.GetLong(4));
    return rollback;
}

constexpr const char* kRollbackColumns =
    "SELECT Rollback_Site_ID, Site_ID, Created, Kind FROM Site_Rollback ";

} // namespace

int CSelectFromFETables::SelectSiteDetailsFromSiteID(SiteDetails_T* details, unsigned long siteId) {
    CSiteStatement select(SiteDatabase(), "SELECT AM_Site_ID, Panel_Type, Panel_Version, "
                                          "Details FROM Site_Details WHERE AM_Site_ID = ?");
    select.Bind(static_cast<long long>(siteId));
    select.Execute();
    if (!select.Fetch()) {
        return 0;
    }
    const long long id = select.GetLong(1);
    const long long type = select.GetLong(2);
    const long long version = select.GetLong(3);
    SiteDetails_T record{};
    if (!HexToRecord(select.GetText(4), &record, sizeof record)) {
        return 0;
    }
    // The columns are what the database keeps up to date; the bytes carry the rest.
    record.siteId = static_cast<std::uint32_t>(id);
    record.panelType = static_cast<std::uint8_t>(type);
    record.panelVersion = static_cast<std::uint16_t>(version);
    *details = record;
    return 1;
}

int CSelectFromFETables::SelectSiteRollbackFromID(SiteRollback_T* rollback,
                                                  unsigned long rollbackSiteId) {
    CSiteStatement select(SiteDatabase(), CString(kRollbackColumns) + "WHERE Rollback_Site_ID = ?");
    select.Bind(static_cast<long long>(rollbackSiteId));
    select.Execute();
    if (!select.Fetch()) {
        return 0;
    }
    *rollback = rollbackFromRow(select);
    return 1;
}

int CSelectFromFETables::SelectRollbacksForSiteID(long siteId, CSiteRollbackList& rollbacks) {
    CSiteStatement select(SiteDatabase(), CString(kRollbackColumns) +
                                              "WHERE Site_ID = ? ORDER BY Rollback_Site_ID");
    select.Bind(static_cast<long long>(siteId));
    select.Execute();
    while (select.Fetch()) {
        rollbacks.push_back(rollbackFromRow(select));
    }
    return 1;
}

} // namespace Vel
