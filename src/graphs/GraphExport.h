#pragma once
// The two files every graph window writes: the CSV export of the displayed
// records (in the Excel folder) and the daily watt-hour collation file (in
// the logs folder).  Plain 8-bit text, CR LF line ends, no byte-order mark.
//
// CSV export file "<day file base>_<Time1h><Time1m>_<Time2h><Time2m>.csv":
//   line 1  the header words joined by ","
//   then    one line per displayed record FirstShown..LastShown: the time
//           "HH:mm", then one field per column with its number picture,
//           joined by "," with no blanks and no quoting.
// Side file: each export that writes also appends one empty line to the file
// in Excel named like the day file itself (the multi-channel ML window does
// without it).
//
// Collation file ("GVWattHours.txt" and the like):
//   line 1  the title
//   line 2  empty
//   then    "<day file name>  ,  <watt-hours as 00000>" per collated day,
//           each day at most once (names compared without regard to case).

#include "graphs/GraphCore.h"

#include <string>
#include <vector>

namespace gv {

// One CSV field after the time: a series of the record set (series index
// from 0) or, with series = IntervalColumn, the record's interval.
struct CsvColumn {
    static constexpr int IntervalColumn = -1;
    int series = 0;
    std::string picture;
};

// CSV file name from the FileName caption (its part before the first ".")
// and the four time boxes as they stand.  nullopt when the caption has no
// "." or no base, or a box does not hold a valid hour or minute.
std::optional<std::string> csvFileName(const std::string& fileNameCaption, const std::string& h1,
                                       const std::string& m1, const std::string& h2,
                                       const std::string& m2);

// The whole CSV text: header and the lines of records FirstShown..LastShown
// (positions rounded half to even, kept within 1..RecordCount).
std::string csvContent(const GraphRecordSet& set, const std::vector<std::string>& header,
                       const std::vector<CsvColumn>& columns);

enum class CsvStatus {
    Done,        // CSV written (and side file grown)
    NoRecords,   // nothing written: report NoDataMessage
    BadName,     // nothing written: FileName or time boxes unusable
    WriteFailed, // the CSV could not be written; an existing file is untouched
};

struct CsvRequest {
    std::string excelFolder;
    std::string fileNameCaption;
    std::string h1, m1, h2, m2; // the four time boxes
    std::vector<std::string> header;
    std::vector<CsvColumn> columns;
    bool sideFile = true;
};

// Writes the export atomically (an existing file of that name is replaced
// only by a complete new one).  *written gets the CSV path, *error a reason.
CsvStatus exportCsv(const GraphRecordSet& set, const CsvRequest& request, std::string* written = nullptr,
                    std::string* error = nullptr);

// "<name>  ,  <00000>" followed by CR LF.
std::string collationLine(const std::string& dayFileName, double wattHours);

// True when a line of the collation text names that day file (case ignored).
bool collationListsDay(const std::string& collationText, const std::string& dayFileName);

enum class CollateStatus {
    NotOnDisplay,  // the named day is not the one plotted: nothing written
                   // (a missing collation file is still created with its title)
    AlreadyListed, // the day stands in the file already
    Appended,      // the day's line was added (after the title when the file was new)
    WriteFailed,
};

struct CollateRequest {
    std::string logsFolder;
    std::string collationFile; // e.g. "GVWattHours.txt"
    std::string title;
    std::string dayFileName;   // the FileName caption
    bool dayOnDisplay = false; // the day's records were read and plotted
    double dayWattHours = 0;
};

// Adds the displayed day to the collation file.  A missing file is created
// with the title and an empty line and, when a day is on display, its line
// in the same run.
CollateStatus appendDailyWattHours(const CollateRequest& request, std::string* error = nullptr);

// Whether the plot on display shows the records of the named day file.
bool dayOnDisplay(const GraphRecordSet& set, const PlotModel& model, const std::string& fileNameCaption);

// Message for a failed write, e.g. "Could not write GV_2026_12_08_0000_2359.csv".
std::string writeFailedMessage(const std::string& fileName);

} // namespace gv
