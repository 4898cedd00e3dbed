#include "app/WattHourSummary.h"

#include "shared/FileIO.h"
#include "shared/NumberPicture.h"

#include <string_view>

namespace gv {

std::string whoursLine(const std::array<double, 11>& wattHours, const LocalTime& now)
{
    std::string s = dayName(now);
    s += ',';
    s += hourMinute(now);
    for (int k = 1; k <= 8; ++k) {
        // The first two labels have their blank after the comma, the others
        // before it: stored summaries look like this.
        if (k <= 2)
            s += ", Wh" + std::to_string(k) + ", ";
        else
            s += " ,Wh" + std::to_string(k) + ", ";
        s += formatPicture(wattHours[k], "#####.0");
    }
    s += " Wh";
    s += CRLF;
    return s;
}

namespace {

bool laterDate(const LocalTime& a, const LocalTime& b)
{
    if (a.year != b.year)
        return a.year > b.year;
    if (a.month != b.month)
        return a.month > b.month;
    return a.day > b.day;
}

// The date at the start of a line, "YYYY_MM_DD".
std::optional<LocalTime> leadingDate(std::string_view line)
{
    if (line.size() < 10 || line[4] != '_' || line[7] != '_')
        return std::nullopt;
    auto number = [line](size_t from, size_t length) {
        int v = 0;
        for (size_t i = from; i < from + length; ++i) {
            if (line[i] < '0' || line[i] > '9')
                return -1;
            v = v * 10 + (line[i] - '0');
        }
        return v;
    };
    const LocalTime date{number(0, 4), number(5, 2), number(8, 2), 0, 0, 0};
    if (date.year < 0 || date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31)
        return std::nullopt;
    return date;
}

} // namespace

std::optional<LocalTime> lastSummaryDate(const std::string& logsFolder)
{
    const auto text = readTextFile(joinPath(logsFolder, WhoursFileName));
    if (!text)
        return std::nullopt;
    auto blank = [](std::string_view s) { return s.find_first_not_of(" \t") == std::string_view::npos; };
    std::string_view rest = *text, line, last;
    while (takeLine(rest, line))
        if (!blank(line))
            last = line;
    if (!blank(rest))
        last = rest;
    return leadingDate(last);
}

bool DaySummary::startDay(const std::string& logsFolder, const LocalTime& today)
{
    day_ = today;
    const auto closedBefore = lastSummaryDate(logsFolder);
    if (!closedBefore || !laterDate(*closedBefore, today))
        return false;
    day_ = closedBefore;
    return true;
}

bool DaySummary::observe(Global_Declarations& g, EngineStatus& status, const std::string& logsFolder,
                         const LocalTime& now)
{
    if (!day_) {
        startDay(logsFolder, now);
        return false;
    }
    // Only a date past the current day closes it.  A clock set back to an
    // earlier date writes nothing: the energy measured meanwhile stays in the
    // running totals and goes into the current day's line when its date is
    // passed, so no date gets a line holding another day's energy nor a
    // second line.
    if (!laterDate(now, *day_))
        return false;

    const std::string line = whoursLine(g.WattHours, now);
    const std::string path = joinPath(logsFolder, WhoursFileName);
    std::string why;
    if (!appendTextToFile(path, line, &why))
        status.recordError("Daily watt-hour summary not written: " + why + " (" +
                           line.substr(0, line.size() - 2) + ")");
    for (int k = 1; k <= 8; ++k)
        g.WattHours[k] = 0;
    day_ = now;
    return true;
}

} // namespace gv
