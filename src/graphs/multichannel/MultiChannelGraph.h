#pragma once
// The window-free part of one multi-channel graph window (GraphRE, GraphML,
// GraphCC, GraphCC_QF): its record set, options, plot model, MAX/MIN toggle
// and drag state, and the rules by which its reader, time plot, CSV export
// and watt-hour collation differ from the windmill windows.  The window
// object owns one of these, feeds it the texts of its boxes and shows what
// comes back.

#include <string>

#include "graphs/GraphCore.h"
#include "graphs/GraphExport.h"
#include "graphs/multichannel/MultiChannelSeries.h"
#include "shared/Global_Declarations.h"

namespace gv::multichannel {

// Outcome of one DISPLAY read.
struct ReadOutcome {
    bool plot = false;      // records were kept: draw the time plot
    std::string message;    // message box text; empty: none
};

// Outcome of a CSV export or a collation, for the window to report.
struct OutputOutcome {
    std::string message;    // message box text; empty: none
};

// ---- The rules, shared by the engine below and the windows ----

// Element names (as the channel table stands now), the interval of a record
// without "<L>" and, for the site variant, the derived-series rule.
ReaderLayout readerLayoutFor(const WindowDef& w, const Global_Declarations& g);

// The time plot's description for the given series flags.
TimePlotLayout plotLayoutFor(const WindowDef& w, const Global_Declarations& g, const std::vector<int>& flags);

// Whether a day without a file is read as a day without data (every window
// but GraphML, which reports "unknown file error" and keeps its records).
bool missingDayIsNoData(const WindowDef& w);

// Empties the record set the way a read without data does.
void markNoData(GraphRecordSet& set, const ReaderLayout& layout);

// Message of a read that kept no record; GraphRE says "No data for today"
// once (while its TodayFlag is 1, which it then clears).
std::string noDataText(const WindowDef& w, int& todayFlag);

// The engine of one window, without any window: used by the tests of the
// rules and by tools.
class MultiChannelGraph {
public:
    explicit MultiChannelGraph(WindowKind kind);

    const WindowDef& def() const { return *def_; }
    WindowKind kind() const { return def_->kind; }

    // Opening: range 0..0, Scaled, every flag as the channel table or the
    // box's own start value says; GraphRE's TodayFlag set.
    void open(const Global_Declarations& g);

    // The element names and the derived-series rule, as the channel table
    // stands now.
    ReaderLayout readerLayout(const Global_Declarations& g) const;

    // One read of a day file in `logsFolder` between the limits.
    //  GraphRE: a missing file counts as a day without data; no data gives
    //           "No data for today" once (TodayFlag), then "No data for this date".
    //  GraphML: a missing file gives "unknown file error", nothing changes.
    //  GraphCC, GraphCC_QF: a missing file gives "No data for that date"; the
    //           day file is never written to.
    ReadOutcome read(const std::string& logsFolder, const std::string& fileName,
                     const TimeLimits& limits, const Global_Declarations& g);

    // The time plot's description for the present flags and channel table.
    TimePlotLayout plotLayout(const Global_Declarations& g) const;

    // Draws the displayed range onto the surface and keeps the extremes and
    // watt-hours in the model.
    TimePlotResult plot(const Global_Declarations& g, PlotSurface& surface);

    // "###0 Wh" caption of series s's watt-hours as the last plot left them.
    std::string wattHourCaption(int s) const;

    // CSV export of the displayed records into `excelFolder`.
    OutputOutcome exportCsv(const std::string& excelFolder, const std::string& fileNameCaption,
                            const std::string& h1, const std::string& m1, const std::string& h2,
                            const std::string& m2) const;

    // Adds the day on display to the window's collation file in `logsFolder`
    // (the day's total is the sum of the watt-hours of the measured power
    // series over the plotted records).
    OutputOutcome collate(const std::string& logsFolder, const std::string& fileNameCaption) const;

    // Text of a clicked value label of series s.
    std::string labelClick(int s);

    // Read-out caption of series s at record i.
    std::string readout(int s, long i) const;

    GraphRecordSet records;
    GraphOptions options;
    PlotModel model;
    MaxMinToggleState toggle;
    ZoomState zoom;
    int TodayFlag = 0;

private:
    const WindowDef* def_;
};

} // namespace gv::multichannel
