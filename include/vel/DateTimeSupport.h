// Date and time helpers for hosts: a compact integer count of calendar fields and a
// plausibility check of calendar fields.
#pragma once

#include <vel/Export.h>
#include <vel/Time.h>

namespace Vel {

// ((((year * 12 + month) * 31 + day) * 24 + hour) * 60 + minute) * 60 + second, wrapping
// around in 32 bits. Every month counts 31 days, so this is a key, not a count of seconds,
// and the wrap-around means it does not keep the order of dates across the whole calendar.
// No field is range-checked.
VEL_API int DateTimeToSec(unsigned short year, unsigned short month, unsigned short day,
                          unsigned short hour, unsigned short minute, unsigned short second);

// The same count of the local calendar fields of `time`; a time without a local calendar
// form counts as year, month and day 0 and hour, minute and second -1, giving -3661.
VEL_API int DateTimeToSec(const CTime& time);

// Year 100 to 9999, month 1 to 12, day 1 to 31, hour 0 to 23, minute and second 0 to 59.
// The day is not compared with the length of the month.
VEL_API bool IsCorrectCOleDateTime(unsigned short year, unsigned short month, unsigned short day,
                                   unsigned short hour, unsigned short minute,
                                   unsigned short second);

} // namespace Vel
