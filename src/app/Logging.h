#pragma once
// The logging engine: the logging tick (interval averages, the day's
// watt-hours, log records and the Excel day table), the daily watt-hour
// summary and the checks behind the Start and Stop menu items.  It holds no
// window: the main window owns one, calls it from its timers and menus with
// the current local time, and does the showing (message boxes, labels, lamps)
// the results ask for.

#include "app/DayRestore.h"
#include "app/EngineStatus.h"
#include "app/WattHourSummary.h"
#include "shared/Global_Declarations.h"
#include "shared/LocalTime.h"

#include <string>
#include <vector>

namespace gv {

constexpr const char* NoDataYetMessage = "NO DATA AVAILABLE YET";
constexpr const char* NoValidDataContext = " No valid data recieved : Logged previous data";
constexpr const char* ShortIntervalCaution = "Caution Logging interval 2 short, Data Overflow may occur";
constexpr const char* InvalidDelayMessage = "Invalid delay period, needs to be a number between 1 and 600";

// What the main window knows and hands to a tick.
struct TickInput {
    LocalTime now;
    // False while the caption still reads "Waiting for Data", that is before
    // the first message has been calculated since start-up.
    bool dataSeen = true;
    // The text of the interval box `delay`; its numeric value below 10 sets
    // the caution text.
    std::string delayText;
    // Logging was started automatically at start-up ("Start Logger
    // Automatically?"), not from the Start item: before the first message a
    // tick writes nothing and logging stays on, waiting for the device.
    bool waitForDevice = false;
};

// What the main window has to do after a tick.
struct TickResult {
    // Logging was started from the Start item before any message arrived
    // (not waiting for the device): the tick has switched
    // LoggingOn off and done nothing else.  The window shows NoDataYetMessage
    // and then runs its Stop handler (menus and box back to the stopped state).
    bool noDataYet = false;
    // The count of good messages of this interval as the `goodDATAcounter`
    // label shows it; empty when the interval had none (label unchanged).
    std::string goodDATAcounterText;
    // A daily watt-hour summary line was written (the date moved forward).
    bool daySummaryWritten = false;
    // Full paths of the files appended to by this tick, in writing order.
    std::vector<std::string> filesWritten;
};

// The start of logging as the interval box asks for it.
struct StartLogging {
    bool accepted = false;   // false: show InvalidDelayMessage, change nothing
    std::string delayText;   // what the box shows afterwards (clamped to 1..600)
    int timerIntervalMs = 0; // the logging timer's period
};

// Checks the interval box text: not numeric is refused; above 600 becomes
// "600", below 1 becomes "1"; other values stay as typed.  The timer period
// is the value times 1000, rounded to whole milliseconds.
StartLogging checkLoggingInterval(const std::string& delayText);

// The state changes of the Start and Stop items that need no window.
inline void startLogging(Global_Declarations& g) { g.LoggingOn = 1; }
inline void stopLogging(Global_Declarations& g) { g.LoggingOn = 0; }

class LoggingEngine {
public:
    // `programFolder` holds the `logs` and `Excel` folders.
    LoggingEngine(Global_Declarations& g, EngineStatus& status, std::string programFolder);

    std::string logsFolder() const;
    std::string excelFolder() const;

    // One logging tick.
    TickResult tick(const TickInput& in);

    // The 5 s timer: writes the daily watt-hour summary when the date has
    // moved past the day the totals belong to.  Returns true when it wrote.
    bool summaryTimer(const LocalTime& now);

    // Start of the day at program start: take today as the day the totals
    // belong to and rebuild today's watt-hours and highs from today's log
    // files (see DayRestore.h).  When Whours.txt already holds the line that
    // closed today (the clock was set back into it), that line's values are
    // taken off the rebuilt totals, power by power and never below zero.
    DayRestoreResult restoreDay(const LocalTime& today);

private:
    // Appends a record or row to `path`; `kind` names the kind of file for
    // the failure notices (see WriteWatch).
    void append(const std::string& path, const std::string& text, const std::string& kind, const char* what,
                TickResult& result);

    Global_Declarations& g_;
    EngineStatus& status_;
    std::string folder_;
    DaySummary summary_;
    WriteWatch writes_{status_};
};

} // namespace gv
