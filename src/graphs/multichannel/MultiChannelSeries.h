#pragma once
// The four multi-channel graph windows and what sets them apart: the series
// each one reads from its day files, the check box and the value label of
// every series, the scales of the time plot, the read-out and MAX/MIN label
// texts, the CSV columns and the watt-hour collation file.
//
// Series are kept in the order the time plot draws them; the other orders
// (check boxes, read-out, CSV) are lists of indices into that order.
//
//   GraphRE     Watts1..Watts8, Volts                (RE day files, house)
//   GraphML     Volts1..Volts3, Pulse2, Pulse3       (ML day files, type 8)
//   GraphCC     Temp1, Temp2, Watts1..Watts6         (CC day files)
//   GraphCC_QF  Temp1, Temp2, Watts1..Watts12        (CC day files; Watts7..12
//                                                     derived per record)

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "graphs/GraphController.h"
#include "graphs/GraphCore.h"
#include "graphs/GraphExport.h"
#include "shared/Global_Declarations.h"

namespace gv::multichannel {

enum class WindowKind { RE, ML, CC, QF };

// How the top and bottom of a series' scale are found in the time plot.
enum class ScaleKind {
    Channel,      // 0 .. ChannelMaxReading(channel)
    Temperature,  // 0 .. 50 degrees, fixed
    Derived,      // 0 .. a full scale built from the meter channels (see derivedFullScale)
};

struct SeriesDef {
    const char* array;       // name of the series array, e.g. "Watts1"
    const char* checkBox;    // its check box, e.g. "CheckW1"
    int channel;             // channel of the series (caption, colour, flag, scale); 0: none
    const char* fixedTag;    // element name in the record when it is fixed ("W1", "C1"); "" when
                             // the channel table's XMLsoftware name is used; "" for derived series
    bool derived;            // computed from the meter powers of the same record
    // Boxes without a channel keep these:
    const char* caption;
    std::int32_t colour;     // 0x00BBGGRR, background of the box
    int startFlag;           // initial tick
    // Time plot:
    ScaleKind scale;
    int lineColourChannel;   // LineColour element of the drawn line; 0: fixed green (temperatures)
    const char* whLabel;     // watt-hour label, "" when the series has none
    // Value label (read-out, MAX/MIN):
    const char* valueLabel;
    ExtremeFormat extremes;  // MAX/MIN texts; an empty picture writes the plain number
    ReadoutFormat readout;   // mouse read-out
};

struct WindowDef {
    WindowKind kind;
    const char* className;       // "GraphRE"
    const char* familyPrefix;    // "RE_" (today's file name)
    const char* filePattern;     // pattern of the file list
    bool fileListFixedToLogs;    // GraphRE: the file list always shows logs
    bool hasCollate;             // Collate box and PrintButton
    bool setsTitleOnPlot;        // the time plot writes "Time" into Label7
    bool readsOnOpenWithoutTest; // GraphCC_QF reads at once on opening
    bool needsSystemType;        // the opening does nothing for SystemType 0
    bool hasTodayFlag;           // GraphRE's "No data for today" / "No data for this date"
    double missingIntervalSeconds;  // RecordInterval when "<L>" is missing
    const char* overLimitMessage;
    const char* missingFileMessage; // "" when a missing file is handled as "no data"
    std::vector<SeriesDef> series;  // drawing order
    std::vector<int> checkBoxOrder; // order the boxes are laid out in
    std::vector<int> readoutOrder;  // order the read-out writes the labels
    std::vector<CsvColumn> csvColumns;
    std::vector<std::string> csvHeader;
    bool csvTouchesSideFile;     // GraphML never writes the side file
    const char* collationFile;   // "" when the window does not collate
    const char* collationTitle;
    int loopStartOffset;         // first record of the drawing loop: FirstShown + offset
};

const WindowDef& windowDef(WindowKind kind);

// Element name that carries a series in a record line of this window, as the
// channel table stands now ("" for a derived series).
std::string elementName(const SeriesDef& s, const Global_Declarations& g);

// The six series of the site variant, derived from the six meter powers of a
// record (w[1]..w[6]; w[0] unused).  Returns Watts7..Watts12 in d[0]..d[5]:
//   Watts7  = Watts1 - Watts3          imported M power
//   Watts8  = Watts1 - Watts4          net import or export
//   Watts9  = Watts3 + Watts5          solar power only
//   Watts10 = Watts2 - Watts6          hot water only
//   Watts11 = Watts1 - Watts2, at least 0   total house consumption
//   Watts12 = Watts2 - Watts1, at least 0   total M power consumed
std::array<double, 6> derivedSeries(const std::array<double, 7>& w);

// Full scale of a derived series in the "Scaled" mode: the largest value its
// rule can give from meter readings within their own full scales
// (ChannelMaxReading of channels 19..24 for Watts1..Watts6).
double derivedFullScale(int derivedIndex /* 7..12 */, const Global_Declarations& g);

// Top of a series' scale in the "Scaled" mode (the bottom is always 0), which
// is also where the "Unscaled" search starts its bottom value.
double fullScale(const SeriesDef& s, const Global_Declarations& g);

// Line colour of a series (0x00BBGGRR).
std::int32_t lineColour(const SeriesDef& s, const Global_Declarations& g);

// Index of the series whose array is named so; -1 when the window has none.
int seriesIndex(const WindowDef& w, const std::string& array);

// Element names (as the channel table stands now), the interval of a record
// without "<L>" and, for the site variant, the derived-series rule.
ReaderLayout readerLayoutFor(const WindowDef& w, const Global_Declarations& g);

// The time plot's description for the given series flags.
TimePlotLayout plotLayoutFor(const WindowDef& w, const Global_Declarations& g, const std::vector<int>& flags);

// Whether a day without a file is read as a day without data (every window
// but GraphML, which reports "unknown file error" and keeps its records).
bool missingDayIsNoData(const WindowDef& w);

// Everything the graph controller needs of the window of that kind.
GraphRules multiChannelRules(WindowKind kind);

} // namespace gv::multichannel
