#pragma once
// The daily watt-hour summary: one line per day in logs/Whours.txt with the
// eight watt-hour totals of the day that has just ended, written when the
// date changes, after which the new day's totals start from zero.

#include "app/EngineStatus.h"
#include "shared/Global_Declarations.h"
#include "shared/LocalTime.h"

#include <array>
#include <optional>
#include <string>

namespace gv {

constexpr const char* WhoursFileName = "Whours.txt";

// One line of Whours.txt, CR LF included:
// "2010_07_05,00:00, Wh1, 1234.5, Wh2, 88.0 ,Wh3, .0 ,Wh4, ... ,Wh8, .0 Wh"
// The date is that of `now` (the day that has just begun).
std::string whoursLine(const std::array<double, 11>& wattHours, const LocalTime& now);

// The date the last line of <logsFolder>/Whours.txt begins with: the date
// of the midnight that ended the day it sums up.  None without the file or
// when its last line does not begin with a date.
std::optional<LocalTime> lastSummaryDate(const std::string& logsFolder);

// Watches the clock for the change of date.  Both the logging tick and the
// 5 s timer ask it; whichever sees the new date first writes the one summary
// line for the day that ended and clears the day's totals, so a night is
// never missed (no firing near midnight) nor written twice (two firings).
// Only a date later than the current day counts: a clock set back across
// midnight writes nothing and the totals keep growing until the date moves
// past the current day again.  Across a restart the same holds through the
// last line of Whours.txt.
class DaySummary {
public:
    // Takes the day whose totals WattHours holds from now on (at start-up,
    // before the day restore): today, unless the last line of Whours.txt
    // bears a later date.  That line closed every day before its date, so
    // that date becomes the current day and gets no second line.  Returns
    // true when today is such a closed day, whose energy Whours.txt already
    // holds.  Without it, the first observation takes the day the same way.
    bool startDay(const std::string& logsFolder, const LocalTime& today);

    // When `now` falls on a later date than the current day: append the
    // summary line to <logsFolder>/Whours.txt, clear WattHours(1..8) and take
    // the new date as the current day.  An earlier date changes nothing.  A failed write is recorded in
    // `status` (the line text goes with it); the totals are cleared all the
    // same, so the new day starts from zero.  Returns true when the date changed.
    bool observe(Global_Declarations& g, EngineStatus& status, const std::string& logsFolder,
                 const LocalTime& now);

private:
    std::optional<LocalTime> day_;
};

} // namespace gv
