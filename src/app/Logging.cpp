#include "app/Logging.h"

#include "app/LogRecords.h"
#include "shared/ConfigFiles.h"
#include "shared/FileIO.h"
#include "shared/TaggedText.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

namespace gv {

namespace {
// The Excel day table's kind of file for the failure notices; the record
// families go by their codes.
const std::string ExcelKind = "Excel";
} // namespace

StartLogging checkLoggingInterval(const std::string& delayText)
{
    StartLogging s;
    if (!isNumeric(delayText))
        return s;
    s.accepted = true;
    const double seconds = leadingNumber(delayText);
    s.delayText = seconds > LogDelayMax ? "600" : seconds < LogDelayMin ? "1" : delayText;
    s.timerIntervalMs = loggingIntervalMs(seconds);
    return s;
}

LoggingEngine::LoggingEngine(Global_Declarations& g, EngineStatus& status, std::string programFolder)
    : g_(g), status_(status), folder_(std::move(programFolder))
{
}

std::string LoggingEngine::logsFolder() const { return joinPath(folder_, "logs"); }
std::string LoggingEngine::excelFolder() const { return joinPath(folder_, "Excel"); }

void LoggingEngine::append(const std::string& path, const std::string& text, const std::string& kind,
                           const char* what, TickResult& result)
{
    // Records and rows start on a line of their own, so one cut short before
    // (a crash, a full disk) never swallows the next.
    std::string why;
    if (appendTextToFile(path, text, &why, true)) {
        result.filesWritten.push_back(path);
        writes_.wrote(kind, std::string(what) + " written again: " + path);
    } else {
        writes_.failed(kind, std::string(what) + " not written: " + why);
    }
}

TickResult LoggingEngine::tick(const TickInput& in)
{
    TickResult result;
    Global_Declarations& g = g_;

    // A new date closes the previous day's totals before this interval's
    // share is counted into the new day.
    result.daySummaryWritten = summary_.observe(g, writes_, logsFolder(), in.now);

    const std::string day = logDayName(in.now, g.LogDelay);

    // Interval averages; an interval without a good message repeats the
    // previous averages.  Its records say they cover no measured time
    // (<L>0</L>): the engine adds no watt-hours for it, and neither does any
    // reader that rebuilds the day's energy from the log.
    const double recordInterval = g.goodDATAcount != 0 ? g.LogDelay : 0.0;
    if (g.goodDATAcount != 0) {
        for (int n = 1; n <= 16; ++n) {
            g.AccumulatedValue[n] = g.AccumulatedValue[n] / g.goodDATAcount;
            g.LoggedValue[n] = g.AccumulatedValue[n];
        }
        for (int k = 1; k <= 8; ++k) {
            g.AccumulatedWatts[k] = g.AccumulatedWatts[k] / g.goodDATAcount;
            g.LoggedWatts[k] = g.AccumulatedWatts[k];
        }
    } else {
        for (int n = 1; n <= 16; ++n)
            g.AccumulatedValue[n] = g.LoggedValue[n];
        for (int k = 1; k <= 8; ++k)
            g.AccumulatedWatts[k] = g.LoggedWatts[k];
        status_.ErrorContext = NoValidDataContext;
    }

    // Nothing to log before the first message.  Started from the Start item,
    // logging stops and the sums stay as they are; started automatically, it
    // stays on and writes nothing until the device speaks.
    if (g.LoggingOn == 1 && !in.dataSeen && !in.waitForDevice) {
        stopLogging(g);
        result.noDataYet = true;
        return result;
    }
    if (g.LoggingOn == 1 && in.dataSeen) {
        for (LogFamily f : familiesForSystemType(g.SystemType))
            append(joinPath(logsFolder(), logFileName(f, day)), buildRecord(f, g, in.now, recordInterval),
                   familyCode(f), "Log record", result);
        if (g.SaveExcel == 1) {
            const std::string path = joinPath(excelFolder(), excelFileName(day));
            bool ready = true;
            // A table that is missing, or that a failed first write left
            // empty, still needs its header.
            std::error_code ec;
            const auto size = std::filesystem::file_size(path, ec);
            if (ec || size == 0) {
                std::string why;
                ready = appendTextToFile(path, excelHeader(g.WSUnits), &why);
                if (!ready)
                    writes_.failed(ExcelKind, "Excel day table not written: " + why);
            }
            if (ready)
                append(path, excelRow(g, in.now), ExcelKind, "Excel row", result);
        }
    }

    if (leadingNumber(in.delayText) < 10)
        status_.ErrorString = ShortIntervalCaution;

    if (g.goodDATAcount > 0) {
        result.goodDATAcounterText = numberText(g.goodDATAcount);
        for (int k = 1; k <= 8; ++k)
            g.WattHours[k] = g.WattHours[k] + g.AccumulatedWatts[k] * g.LogDelay / 3600;
    }

    for (int n = 1; n <= 16; ++n)
        g.AccumulatedValue[n] = 0;
    for (int k = 1; k <= 8; ++k)
        g.AccumulatedWatts[k] = 0;
    g.goodDATAcount = 0;
    return result;
}

bool LoggingEngine::summaryTimer(const LocalTime& now)
{
    return summary_.observe(g_, writes_, logsFolder(), now);
}

DayRestoreResult LoggingEngine::restoreDay(const LocalTime& today)
{
    summary_.startDay(today);
    DayRestoreResult r = restoreDayTotals(g_, logsFolder(), today);
    // The line that closed today, dated tomorrow, exists when the clock was
    // set back into a day already summarised: that line holds the day's
    // energy up to then, so only what was measured since counts again,
    // however often the program restarts on the re-lived day.
    if (const auto closed = summaryOfDate(logsFolder(), addSeconds(today, 24 * 3600)))
        for (int k = 1; k <= 8; ++k)
            g_.WattHours[k] = std::max(0.0, g_.WattHours[k] - (*closed)[k]);
    return r;
}

} // namespace gv
