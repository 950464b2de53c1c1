// CTime: a point in time as 64-bit seconds since 1970 (UTC), read back as local calendar
// fields. Only what the date helpers and their callers need.
#pragma once

#include <vel/Export.h>

#include <cstdint>
#include <ctime>

namespace Vel {

class VEL_API CTime {
public:
    CTime() = default;
    explicit CTime(std::int64_t seconds) : m_nTime(seconds) {}
    // Local calendar fields, month 1 to 12; the time is -1 when they name no local time.
    CTime(int year, int month, int day, int hour, int minute, int second);

    static CTime GetCurrentTime();
    std::int64_t GetTime() const { return m_nTime; }

    // False when the time has no local calendar form (far outside the calendar's range).
    bool GetLocalTm(std::tm& fields) const;

    // Without a local calendar form the date getters answer 0 and the time getters -1.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;

private:
    std::int64_t m_nTime = 0;
};

} // namespace Vel
