// SiteDetails_T: the site record of the site database library, exchanged in its byte layout.
// The library reads or writes only the named fields; every other byte belongs to whoever
// fills the record and is kept unchanged through a store and a load.
#pragma once

#include <cstddef>
#include <cstdint>

namespace Vel {

struct SiteDetails_T {
    static constexpr std::size_t kTextSize = 294;

    unsigned char reserved0[1154];
    std::uint16_t panelVersion;
    std::uint8_t panelType;
    unsigned char reserved1[1];
    // Zero-terminated; the text of the audit entries of a panel change.
    char siteText[kTextSize];
    // AM_Site_ID; given by the database when the record is inserted.
    std::uint32_t siteId;
    unsigned char reserved2[160];
    // 1 in the site record of a rollback copy.
    std::uint8_t rollbackCopy;
    unsigned char reserved3[655];
};

static_assert(sizeof(SiteDetails_T) == 2272);
static_assert(offsetof(SiteDetails_T, panelVersion) == 1154);
static_assert(offsetof(SiteDetails_T, panelType) == 1156);
static_assert(offsetof(SiteDetails_T, siteText) == 1158);
static_assert(offsetof(SiteDetails_T, siteId) == 1452);
static_assert(offsetof(SiteDetails_T, rollbackCopy) == 1616);

} // namespace Vel
