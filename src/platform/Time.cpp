#include <vel/Time.h>

namespace Vel {

namespace {

// Calendar field of the local form of `time`, or `fallback` when it has none.
template <typename Field> int localField(const CTime& time, Field field, int fallback) {
    std::tm fields{};
    return time.GetLocalTm(fields) ? field(fields) : fallback;
}

} // namespace

CTime::CTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = -1;
    m_nTime = static_cast<std::int64_t>(std::mktime(&fields));
}

CTime CTime::GetCurrentTime() {
    return CTime(static_cast<std::int64_t>(std::time(nullptr)));
}

bool CTime::GetLocalTm(std::tm& fields) const {
    const auto time = static_cast<std::time_t>(m_nTime);
    return localtime_r(&time, &fields) != nullptr;
}

int CTime::GetYear() const {
    return localField(
        *this, [](const std::tm& f) { return f.tm_year + 1900; }, 0);
}

int CTime::GetMonth() const {
    return localField(
        *this, [](const std::tm& f) { return f.tm_mon + 1; }, 0);
}

int CTime::GetDay() const {
    return localField(
        *this, [](const std::tm& f) { return f.tm_mday; }, 0);
}

int CTime::GetHour() const {
    return localField(
        *this, [](const std::tm& f) { return f.tm_hour; }, -1);
}

int CTime::GetMinute() const {
    return localField(
        *this, [](const std::tm& f) { return f.tm_min; }, -1);
}

int CTime::GetSecond() const {
    return localField(
        *this, [](const std::tm& f) { return f.tm_sec; }, -1);
}

} // namespace Vel
