#include "app/DayRestore.h"

#include "shared/FileIO.h"
#include "shared/TaggedText.h"

#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

namespace gv {

namespace {

// The number of an item of one record; absent when either tag is missing.
// A value beyond what the logger can write counts like a garbled one (0),
// so one damaged record neither blows up the day's totals nor leaves a high
// that no later calculation pass can get past.
std::optional<double> item(std::string_view line, std::string_view name)
{
    const auto text = findTag(line, name);
    if (!text)
        return std::nullopt;
    return recordNumber(*text);
}

// One record on its way into the day's totals.  A record of an interval
// without a message (<L>0</L>: a quiet link, a device stopped before
// midnight) repeats the values from before it: it books no energy and
// raises no high, or yesterday's last values would come back as today's.
struct Record {
    Global_Declarations& g;
    std::string_view line;
    double interval;

    void raise(int slot, double value) const
    {
        if (interval > 0 && value > g.MaxMin[slot])
            g.MaxMin[slot] = value;
    }
    void book(int power) const { g.WattHours[power] += interval * g.ChannelPower[power] / 3600; }
};

// Records of a single windmill: amps and volts give power 1.  A record
// with its amps raises the amps and power highs, as the other windmill
// types' records do, so a restart keeps the day's highs.
void restoreSingleWindmill(const Record& r)
{
    Global_Declarations& g = r.g;
    const auto amps = item(r.line, "I");
    if (amps)
        g.ChannelValue[1] = *amps;
    if (auto v = item(r.line, "V"))
        g.ChannelValue[9] = *v;
    g.ChannelPower[1] = g.ChannelValue[9] * g.ChannelValue[1];
    if (amps) {
        r.raise(0, g.ChannelValue[1]);
        r.raise(16, g.ChannelPower[1]);
    }
    r.book(1);
}

// Windmill records: amps of channels 1..8 times battery volts.
void restoreFromAmps(const Record& r)
{
    Global_Declarations& g = r.g;
    for (int k = 1; k <= 8; ++k) {
        if (auto v = item(r.line, g.XMLsoftware[k])) {
            g.ChannelValue[k] = *v;
            r.raise(k - 1, g.ChannelValue[k]);
            g.ChannelPower[k] = g.ChannelValue[k] * g.ChannelValue[9];
            r.raise(15 + k, g.ChannelPower[k]);
        }
        r.book(k);
    }
}

// House records carry the eight powers themselves under the names of
// channels 17..24.
void restoreFromPowers(const Record& r)
{
    Global_Declarations& g = r.g;
    for (int k = 1; k <= 8; ++k) {
        if (auto v = item(r.line, g.XMLsoftware[16 + k])) {
            g.ChannelPower[k] = *v;
            r.raise(15 + k, g.ChannelPower[k]);
        }
        r.book(k);
    }
}

// Current Cost records: W1..W3 are powers 2..4, W4..W6 powers 6..8.
void restoreCurrentCost(const Record& r)
{
    static const int powers[] = {2, 3, 4, 6, 7, 8};
    for (int j = 1; j <= 6; ++j) {
        const int k = powers[j - 1];
        if (auto v = item(r.line, "W" + std::to_string(j))) {
            r.g.ChannelPower[k] = *v;
            r.raise(15 + k, r.g.ChannelPower[k]);
        }
        r.book(k);
    }
}

} // namespace

std::string restorePrefix(int systemType)
{
    switch (systemType) {
    case 0: return "WD_";
    case 1:
    case 2: return "GV_";
    case 3:
    case 4: return "CC_";
    case 5:
    case 6:
    case 7:
    case 8: return "RE_";
    default: return "";
    }
}

namespace {

// Adds the records of one day file's text.  A line ends at CR LF, at a lone
// LF or at a lone CR, so a file that went through other tools reads the same;
// the text after the last line end (empty in a file the logger wrote, a
// record cut short otherwise) is not a record, nor is an empty line.
void restoreRecords(Global_Declarations& g, std::string_view rest, DayRestoreResult& result)
{
    std::string_view line;
    while (takeLine(rest, line)) {
        if (line.find_first_not_of(" \t") == std::string_view::npos)
            continue;
        ++result.records;

        double interval = 10;
        if (auto v = findTag(line, "L"))
            interval = recordInterval(*v);
        else
            result.defaultIntervalUsed = true;

        if (auto v = item(line, g.XMLsoftware[9]))
            g.ChannelValue[9] = *v;

        const Record record{g, line, interval};
        switch (g.SystemType) {
        case 0: restoreSingleWindmill(record); break;
        case 1:
        case 2: restoreFromAmps(record); break;
        case 3:
        case 4: restoreCurrentCost(record); break;
        default: restoreFromPowers(record); break;
        }
    }
}

} // namespace

DayRestoreResult restoreDayTotals(Global_Declarations& g, const std::string& logsFolder,
                                  const LocalTime& today)
{
    DayRestoreResult result;
    const std::string prefix = restorePrefix(g.SystemType);
    if (prefix.empty())
        return result;
    // Today's records lie in the daily file (intervals above 5 s) and in the
    // hourly files (5 s or less); both kinds are read, the hourly ones in
    // hour order, so the day's totals are whole whatever the interval was.
    std::vector<std::string> names{prefix + dayName(today) + ".txt"};
    for (int h = 0; h < 24; ++h) {
        char hour[8];
        std::snprintf(hour, sizeof hour, "_%02d", h);
        names.push_back(prefix + dayName(today) + hour + ".txt");
    }
    for (const std::string& name : names) {
        const std::string path = joinPath(logsFolder, name);
        if (!fileExists(path))
            continue;
        const auto text = readTextFile(path);
        if (!text) {
            result.readFailed = true;
            result.failedFile = path;
            return result;
        }
        result.files.push_back(path);
        result.restored = true;
        restoreRecords(g, *text, result);
    }
    return result;
}

} // namespace gv
