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

void raise(Global_Declarations& g, int slot, double value)
{
    if (value > g.MaxMin[slot])
        g.MaxMin[slot] = value;
}

// Records of a single windmill: amps and volts give power 1.  A record
// with its amps raises the amps and power highs, as the other windmill
// types' records do, so a restart keeps the day's highs.
void restoreSingleWindmill(Global_Declarations& g, std::string_view line, double interval)
{
    const auto amps = item(line, "I");
    if (amps)
        g.ChannelValue[1] = *amps;
    if (auto v = item(line, "V"))
        g.ChannelValue[9] = *v;
    g.ChannelPower[1] = g.ChannelValue[9] * g.ChannelValue[1];
    if (amps) {
        raise(g, 0, g.ChannelValue[1]);
        raise(g, 16, g.ChannelPower[1]);
    }
    g.WattHours[1] += interval * g.ChannelPower[1] / 3600;
}

// Windmill records: amps of channels 1..8 times battery volts.
void restoreFromAmps(Global_Declarations& g, std::string_view line, double interval)
{
    for (int k = 1; k <= 8; ++k) {
        if (auto v = item(line, g.XMLsoftware[k])) {
            g.ChannelValue[k] = *v;
            raise(g, k - 1, g.ChannelValue[k]);
            g.ChannelPower[k] = g.ChannelValue[k] * g.ChannelValue[9];
            raise(g, 15 + k, g.ChannelPower[k]);
        }
        g.WattHours[k] += interval * g.ChannelPower[k] / 3600;
    }
}

// House records carry the eight powers themselves under the names of
// channels 17..24.
void restoreFromPowers(Global_Declarations& g, std::string_view line, double interval)
{
    for (int k = 1; k <= 8; ++k) {
        if (auto v = item(line, g.XMLsoftware[16 + k])) {
            g.ChannelPower[k] = *v;
            raise(g, 15 + k, g.ChannelPower[k]);
        }
        g.WattHours[k] += interval * g.ChannelPower[k] / 3600;
    }
}

// Current Cost records: W1..W3 are powers 2..4, W4..W6 powers 6..8.
void restoreCurrentCost(Global_Declarations& g, std::string_view line, double interval)
{
    static const int powers[] = {2, 3, 4, 6, 7, 8};
    for (int j = 1; j <= 6; ++j) {
        const int k = powers[j - 1];
        if (auto v = item(line, "W" + std::to_string(j))) {
            g.ChannelPower[k] = *v;
            raise(g, 15 + k, g.ChannelPower[k]);
        }
        g.WattHours[k] += interval * g.ChannelPower[k] / 3600;
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

        switch (g.SystemType) {
        case 0: restoreSingleWindmill(g, line, interval); break;
        case 1:
        case 2: restoreFromAmps(g, line, interval); break;
        case 3:
        case 4: restoreCurrentCost(g, line, interval); break;
        default: restoreFromPowers(g, line, interval); break;
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
