#pragma once
// Rebuilds today's watt-hour totals and the channel and power highs from
// today's daily log file at program start, as nothing of them is saved at
// shutdown.

#include "shared/Global_Declarations.h"
#include "shared/LocalTime.h"

#include <string>

namespace gv {

// The two lines of the notice shown when some record had no interval item.
constexpr const char* DefaultIntervalNotice = "10 second logging interval was used to\r\ncalculate Whours";

struct DayRestoreResult {
    std::string file;              // the day file looked for (full path); empty when none applies
    bool restored = false;         // the file was found and read
    int records = 0;               // records taken into account
    bool defaultIntervalUsed = false; // show DefaultIntervalNotice once
    bool readFailed = false;       // the file exists but could not be read
};

// The log family file a system type is restored from: "WD_" for 0, "GV_"
// for 1 and 2, "CC_" for 3 and 4, "RE_" for 5 to 8; empty for other types.
std::string restorePrefix(int systemType);

// Reads <logsFolder>/<prefix>YYYY_MM_DD.txt of `today` and adds its records
// to WattHours(1..8), raises MaxMin slots 0..23 and leaves the last record's
// values in ChannelValue and ChannelPower.  Does nothing for logging
// intervals of 5 s or less (their files are hourly) or when the file is missing.
DayRestoreResult restoreDayTotals(Global_Declarations& g, const std::string& logsFolder,
                                  const LocalTime& today);

} // namespace gv
