#include "app/WattHourSummary.h"

#include "app/Calculation.h"
#include "shared/FileIO.h"
#include "shared/NumberPicture.h"
#include "shared/TaggedText.h"

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

bool sameDate(const LocalTime& a, const LocalTime& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

// The numbers that follow "WhN," on a summary line, for N = 1..8.
void addLineValues(std::string_view line, std::array<double, 11>& totals)
{
    // "date,time, Wh1, v1, Wh2, v2 ,Wh3, v3 ,... ,Wh8, v8 Wh": a label, a
    // comma, then its value up to the next comma or the end.
    size_t from = 0;
    for (;;) {
        const size_t comma = line.find(',', from);
        if (comma == std::string_view::npos)
            return;
        std::string_view label = line.substr(from, comma - from);
        from = comma + 1;
        while (!label.empty() && label.front() == ' ')
            label.remove_prefix(1);
        while (!label.empty() && label.back() == ' ')
            label.remove_suffix(1);
        if (label.size() == 3 && label[0] == 'W' && label[1] == 'h' && label[2] >= '1' && label[2] <= '8') {
            const size_t end = line.find(',', from);
            const double v =
                leadingNumber(line.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from));
            // No number, and one beyond the doubles, reads as 0 already; a
            // negative one counts 0 too.
            if (v > 0)
                totals[label[2] - '0'] += v;
        }
    }
}

} // namespace

std::optional<std::array<double, 11>> summaryOfDate(const std::string& logsFolder, const LocalTime& day)
{
    const auto text = readTextFile(joinPath(logsFolder, WhoursFileName));
    if (!text)
        return std::nullopt;
    std::optional<std::array<double, 11>> totals;
    auto take = [&](std::string_view line) {
        const auto date = leadingDate(line);
        if (!date || !sameDate(*date, day))
            return;
        if (!totals)
            totals.emplace();
        addLineValues(line, *totals);
    };
    std::string_view rest = *text, line;
    while (takeLine(rest, line))
        take(line);
    take(rest);
    return totals;
}

bool DaySummary::observe(Global_Declarations& g, WriteWatch& writes, const std::string& logsFolder,
                         const LocalTime& now)
{
    if (!day_) {
        day_ = now;
        return false;
    }
    const bool midnight = laterDate(now, *day_);
    if (!sameDate(now, *day_))
        day_ = now; // a clock set back takes its date too, so its next midnight counts
    if (!midnight)
        return false;
    // The date has its line already: its energy so far is in that line, and
    // what was measured since carries on into the next line.
    if (summaryOfDate(logsFolder, now))
        return false;

    const std::string line = whoursLine(g.WattHours, now);
    const std::string path = joinPath(logsFolder, WhoursFileName);
    std::string why;
    if (appendTextToFile(path, line, &why, true))
        writes.wrote(WhoursFileName, "Daily watt-hour summary written again: " + path);
    else
        // The line exists nowhere else once the totals are cleared: standard
        // error gets it whole every time, last on its line, ready to paste.
        writes.failed(WhoursFileName,
                      "Daily watt-hour summary not written: " + why + "; the line to add to " + WhoursFileName +
                          " by hand: " + line.substr(0, line.size() - 2),
                      true);
    for (int k = 1; k <= 8; ++k)
        g.WattHours[k] = 0;
    // The highs and lows are the day's too: they start again as at start-up,
    // so the new day shows its own peaks, as a restart on that day rebuilds
    // them from that day's log alone.
    seedHighsAndLows(g);
    return true;
}

} // namespace gv
