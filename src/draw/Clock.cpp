#include "draw/Clock.h"

#include <chrono>
#include <ctime>

namespace lotavo {

namespace {

LocalTime fromTm(const std::tm& tm, int millisecond)
{
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, millisecond};
}

}  // namespace

LocalTime SystemClock::localNow() const
{
    auto now = std::chrono::system_clock::now();
    std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    int ms = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
    std::tm tm {};
    localtime_r(&seconds, &tm);
    return fromTm(tm, ms);
}

uint32_t SystemClock::utcMillisecondsOfDay() const
{
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch()).count();
    return static_cast<uint32_t>(ms % (24LL * 3600 * 1000));
}

// A fixed clock treats its time as UTC too, so a rehearsal repeats on any machine.
uint32_t FixedClock::utcMillisecondsOfDay() const
{
    return static_cast<uint32_t>(((m_time.hour * 60 + m_time.minute) * 60 + m_time.second) * 1000 + m_time.millisecond);
}

void FixedClock::advanceSeconds(int seconds)
{
    std::tm tm {};
    tm.tm_year = m_time.year - 1900;
    tm.tm_mon = m_time.month - 1;
    tm.tm_mday = m_time.day;
    tm.tm_hour = m_time.hour;
    tm.tm_min = m_time.minute;
    tm.tm_sec = m_time.second + seconds;
    std::time_t t = timegm(&tm);
    std::tm normalised {};
    gmtime_r(&t, &normalised);
    m_time = fromTm(normalised, m_time.millisecond);
}

}  // namespace lotavo
