// SiteRollback_T: the record of one rollback snapshot of a site, exchanged in its byte layout
// (20 bytes, the creation time at offset 8 without padding before or after it).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Vel {

#pragma pack(push, 4)
struct SiteRollback_T {
    // The site id of the copy; identifies the rollback.
    std::uint32_t rollbackSiteId;
    // The site the snapshot was taken of.
    std::uint32_t siteId;
    // Seconds since 1970-01-01 UTC.
    std::int64_t created;
    // Given by the creator: 3 before a rollback is put back, 4 before a panel change.
    std::uint32_t kind;
};
#pragma pack(pop)

static_assert(sizeof(SiteRollback_T) == 20);
static_assert(offsetof(SiteRollback_T, created) == 8);
static_assert(offsetof(SiteRollback_T, kind) == 16);

// The rollbacks of one site, as the site database library lists them.
using CSiteRollbackList = std::vector<SiteRollback_T>;

} // namespace Vel
