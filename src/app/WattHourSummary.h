#pragma once
// The daily watt-hour summary: one line per day in logs/Whours.txt with the
// eight watt-hour totals of the day that has just ended, written when the
// date changes, after which the new day's totals start from zero and its
// highs and lows from their start values.

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

// The summary lines of <logsFolder>/Whours.txt that bear the date of `day`,
// added up per power (index 1..8).  None when no line bears that date (or
// there is no file); a line holds a value for each of its "WhN, value"
// pairs, others count 0.  A total reads back as whoursLine wrote it,
// however large (a 25-hour day at the autumn clock change, energy carried
// past a re-lived midnight); a value that is not a number, not finite or
// negative counts 0.
std::optional<std::array<double, 11>> summaryOfDate(const std::string& logsFolder, const LocalTime& day);

// Watches the clock for the change of date.  Both the logging tick and the
// 5 s timer ask it; whichever sees the new date first closes the day that
// ended, so a night is never missed (no firing near midnight) nor written
// twice (two firings).
//
// Whours.txt itself says which dates have their line: it is read whenever
// a line is due (one short line a day).  At a midnight whose date has no
// line yet, the line is written and the totals and the highs and lows start
// again; at one whose date already has a line (the clock was set back and
// lives that midnight again), nothing is written and the energy and the
// highs and lows carry on into the next date that gets a line.  A clock set back to an earlier date is no
// midnight: it writes nothing.  So no date gets a second line and a line
// dated ahead by a wrong clock holds nothing back.
//
// Energy carried past a re-lived midnight lives only in memory, in
// WattHours, until the next line is written: the day restore rebuilds the
// new date from that date's own log files, so a restart before the next
// line drops the carried energy.
class DaySummary {
public:
    // Takes today as the day whose totals WattHours holds from now on (at
    // start-up, before the day restore).  Without it, the first observation
    // takes its own date.
    void startDay(const LocalTime& today) { day_ = today; }

    // When `now` falls on a later date than the last one seen and that date
    // has no line in <logsFolder>/Whours.txt: append the summary line, clear
    // WattHours(1..8), start MaxMin again (seedHighsAndLows) and return true.
    // A failed write goes to `writes`, and to standard error every time, with
    // the whole line to add by hand; the totals are cleared all the same, so
    // the new day starts from zero.
    bool observe(Global_Declarations& g, WriteWatch& writes, const std::string& logsFolder,
                 const LocalTime& now);

private:
    std::optional<LocalTime> day_; // the date last seen
};

} // namespace gv
