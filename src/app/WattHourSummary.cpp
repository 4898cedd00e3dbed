#include "app/WattHourSummary.h"

#include "shared/FileIO.h"
#include "shared/NumberPicture.h"

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

} // namespace

bool DaySummary::observe(Global_Declarations& g, EngineStatus& status, const std::string& logsFolder,
                         const LocalTime& now)
{
    if (!day_) {
        day_ = now;
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
