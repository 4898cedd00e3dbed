#include "shared/LocalTime.h"

#include <cstdio>
#include <ctime>

namespace gv {

LocalTime localNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::string dayName(const LocalTime& t)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d_%02d_%02d", t.year, t.month, t.day);
    return buf;
}

std::string hourMinute(const LocalTime& t)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d", t.hour, t.minute);
    return buf;
}

LocalTime addSeconds(const LocalTime& t, long long seconds)
{
    // Calendar arithmetic in UTC terms so no time zone shifts the result.
    std::tm tm{};
    tm.tm_year = t.year - 1900;
    tm.tm_mon = t.month - 1;
    tm.tm_mday = t.day;
    tm.tm_hour = t.hour;
    tm.tm_min = t.minute;
    tm.tm_sec = t.second;
    std::time_t base = timegm(&tm);
    base += static_cast<std::time_t>(seconds);
    std::tm out{};
    gmtime_r(&base, &out);
    return LocalTime{out.tm_year + 1900, out.tm_mon + 1, out.tm_mday, out.tm_hour, out.tm_min, out.tm_sec};
}

} // namespace gv
