#pragma once
// Rebuilds today's watt-hour totals and the channel and power highs from
// today's log files at program start, as nothing of them is saved at
// shutdown.

#include "shared/Global_Declarations.h"
#include "shared/LocalTime.h"

#include <string>
#include <vector>

namespace gv {

// The two lines of the notice shown when some record had no interval item.
constexpr const char* DefaultIntervalNotice = "10 second logging interval was used to\r\ncalculate Whours";

struct DayRestoreResult {
    std::vector<std::string> files; // today's log files read (full paths), in reading order
    bool restored = false;         // at least one file was found and read
    int records = 0;               // records taken into account
    bool defaultIntervalUsed = false; // show DefaultIntervalNotice once
    bool readFailed = false;       // a file exists but could not be read
    std::string failedFile;        // that file (full path)
};

// The log family file a system type is restored from: "WD_" for 0, "GV_"
// for 1 and 2, "CC_" for 3 and 4, "RE_" for 5 to 8; empty for other types.
std::string restorePrefix(int systemType);

// Reads today's log files of the system type's family from `logsFolder`:
// the daily file <prefix>YYYY_MM_DD.txt, then the hourly files
// <prefix>YYYY_MM_DD_hh.txt in hour order.  Their records are added to
// WattHours(1..8) by their <L> interval and raise MaxMin slots 0..23 (a
// record with <L>0</L> covers no measured time: it adds nothing and raises
// no high), and leave the
// last record's values in ChannelValue and ChannelPower.  Missing files are
// no error; a file that exists but cannot be read sets readFailed.
DayRestoreResult restoreDayTotals(Global_Declarations& g, const std::string& logsFolder,
                                  const LocalTime& today);

} // namespace gv
