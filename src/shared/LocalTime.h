#pragma once
// The local date and time as a plain value.  Every decision that depends on
// the clock (logging tick, hourly file, midnight summary, today's day file)
// takes one of these as an argument, so tests can drive a whole day quickly.

#include <string>

namespace gv {

struct LocalTime {
    int year = 2000;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;   // 0..23
    int minute = 0;
    int second = 0;

    friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

// The machine's local time now.
LocalTime localNow();

// "YYYY_MM_DD"
std::string dayName(const LocalTime& t);

// "HH:mm"
std::string hourMinute(const LocalTime& t);

// Adds seconds (may be negative), normalising the calendar.
LocalTime addSeconds(const LocalTime& t, long long seconds);

} // namespace gv
