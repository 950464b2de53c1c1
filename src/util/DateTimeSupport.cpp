#include <vel/DateTimeSupport.h>

#include <cstdint>

namespace Vel {

namespace {

// Unsigned arithmetic wraps by definition; the final conversion keeps the low 32 bits.
int calendarCount(int year, int month, int day, int hour, int minute, int second) {
    std::uint32_t count = static_cast<std::uint32_t>(year);
    count = count * 12u + static_cast<std::uint32_t>(month);
    count = count * 31u + static_cast<std::uint32_t>(day);
    count = count * 24u + static_cast<std::uint32_t>(hour);
    count = count * 60u + static_cast<std::uint32_t>(minute);
    count = count * 60u + static_cast<std::uint32_t>(second);
    return static_cast<std::int32_t>(count);
}

bool inRange(unsigned short value, unsigned short low, unsigned short high) {
    return value >= low && value <= high;
}

} // namespace

int DateTimeToSec(unsigned short year, unsigned short month, unsigned short day,
                  unsigned short hour, unsigned short minute, unsigned short second) {
    return calendarCount(year, month, day, hour, minute, second);
}

int DateTimeToSec(const CTime& time) {
    return calendarCount(time.GetYear(), time.GetMonth(), time.GetDay(), time.GetHour(),
                         time.GetMinute(), time.GetSecond());
}

bool IsCorrectCOleDateTime(unsigned short year, unsigned short month, unsigned short day,
                           unsigned short hour, unsigned short minute, unsigned short second) {
    return inRange(year, 100, 9999) && inRange(month, 1, 12) && inRange(day, 1, 31) &&
           inRange(hour, 0, 23) && inRange(minute, 0, 59) && inRange(second, 0, 59);
}

} // namespace Vel
