#pragma once
// One graph window's steps and state, without the window: opening, the read
// of a day file into the record set, the time plot, the XY views and the
// power distribution, the read-out and MAX/MIN texts, the drag zoom, the CSV
// export and the watt-hour collation, each with the message it reports.
//
// A graph window (graphs/ui) owns one, hands it the texts of its boxes and
// shows what comes back in its labels, boxes and message boxes; the tests
// drive it the same way without a window.  What sets one window apart from
// another is its GraphRules, built by windmillRules() (GraphGV, GraphDEMO)
// and multiChannelRules() (GraphRE, GraphML, GraphCC, GraphCC_QF).

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "graphs/GraphCore.h"
#include "graphs/GraphExport.h"
#include "shared/Global_Declarations.h"
#include "shared/LocalTime.h"

namespace gv {

// How the 10 W classes of windmill 1's power fall; see powerDistribution().
struct PowerDistribution {
    int BinCount = 0;
    std::vector<double> PowerBins;
    double MaxBinCount = 0;
};

struct GraphRules {
    // ---- Opening ----
    std::string todayPrefix;              // "GV_": today's file is GV_yyyy_mm_dd.txt
    bool readTodayOnlyWhenPresent = true; // false: opening reads at once, the reader handles a missing day
    bool needsSystemType = false;         // the opening does nothing for system type 0
    // Per series: the channel whose graphing flag ticks it on opening (0:
    // none) and the tick of a series without a channel.
    struct SeriesStart {
        int channel = 0;
        int flag = 0;
    };
    std::vector<SeriesStart> series;

    // ---- Reader ----
    // Element names as the channel table stands at the read.
    std::function<ReaderLayout(const Global_Declarations&)> readerLayout;
    bool missingDayIsNoData = false; // a day without a file reads as a day without data
    std::string missingFileMessage;  // otherwise reported so (empty: silently), records kept
    bool hasTodayFlag = false;       // "No data for today" once, then "No data for this date"
    std::string overLimitMessage = OverLimitMessage;

    // ---- Time plot ----
    std::function<TimePlotLayout(const Global_Declarations&, const std::vector<int>& flags)> plotLayout;
    std::string notEnoughDataMessage; // a range the plot refuses (empty: silently)

    // ---- Read-out and MAX/MIN labels ----
    std::function<ReadoutFormat(int series, const Global_Declarations&)> readoutFormat;
    std::vector<ExtremeFormat> extremes; // per series
    std::vector<int> readoutOrder;       // series in the order the read-out writes them; empty: series order

    // ---- CSV export and collation ----
    std::vector<std::string> csvHeader;
    std::vector<CsvColumn> csvColumns;
    bool csvSideFile = true;
    std::string collationFile; // in logs; empty: the window does not collate
    std::string collationTitle;

    // ---- Views of the windmill windows: series of windmill 1's power,
    // RPM and wind speed (-1: no views) ----
    int wattsSeries = -1;
    int rpmSeries = -1;
    int windSeries = -1;
};

// Empties the record set the way a read without data does.
void markNoData(GraphRecordSet& set, const ReaderLayout& layout);

// Message of a read that kept no record.  A window with a TodayFlag says
// "No data for today" while the flag is 1 (and clears it), then "No data for
// this date"; the others "No data for that date".
std::string noDataText(bool hasTodayFlag, int& todayFlag);

class GraphController {
public:
    GraphController(const Global_Declarations& g, GraphRules rules);

    int seriesCount() const { return static_cast<int>(rules_.series.size()); }

    // ---- Window state, under the names the windows use ----
    gv::GraphRecordSet GraphRecordSet;
    GraphOptions Options; // TimeWindow, ScaledMode, SeriesFlags, DayFileExists
    PlotModel Model;      // PlotHigh ... ShownMinimum, WattHours, DayWattHours
    ZoomState Zoom;       // MouseHeld
    MaxMinToggleState MaxMin;
    int TodayFlag = 0;              // 1 from opening until a read keeps no record (GraphRE)
    PowerDistribution PowerBins;    // the last distribution drawn

    // ---- Opening ----
    // False where the window opens to nothing (Current Cost, system type 0).
    bool opens() const;
    // The state starts afresh: no drag, range 0..0, Scaled, each series
    // flag from its channel's graphing flag or its own start, TodayFlag.
    void open();
    // Today's day-file name, e.g. "GV_2025_03_05.txt".
    std::string todayFile(const LocalTime& now) const;
    // Whether opening reads that day file: when it exists in logsFolder
    // (kept in DayFileExists), or always where the reader reports a
    // missing day itself.
    bool readsOnOpening(const std::string& logsFolder, const std::string& fileName);

    // ---- Scaling and series boxes: each returns whether the time plot is
    // drawn again (more than one record held) ----
    bool setScaledMode(bool scaled);
    bool setSeriesFlag(int series, bool shown);

    // ---- Reader ----
    struct ReadOutcome {
        // The record set was replaced: draw the time plot, which also clears
        // the picture and the figures of a span it cannot draw.
        bool plot = false;
        std::string message; // message box text, shown after the plot; empty: none
    };
    // One read of fileName in logsFolder between the times of the four
    // boxes.  Boxes that form no times, an unreadable file, a missing day,
    // too many records, none or one (a span without data to draw, except
    // where the plot refuses short spans itself) are each reported; see
    // GraphRules.
    ReadOutcome read(const std::string& logsFolder, const std::string& fileName, const std::string& h1,
                     const std::string& m1, const std::string& h2, const std::string& m2);

    // ---- Time plot ----
    struct PlotOutcome {
        PlotStatus status = PlotStatus::Empty;
        std::string startTime, finishTime; // for stime, ftime and the time boxes
        std::string message;               // a refused range; empty: none
    };
    PlotOutcome plotByTime(PlotSurface& surface);
    // "###0 Wh" caption of series s's watt-hours as the last plot left them.
    std::string wattHourCaption(int series) const;

    // ---- Views of the windmill windows ----
    void plotPowerVsRpm(PlotSurface& surface);
    // False, nothing drawn, while one record or none is held.
    bool plotPowerVsWind(PlotSurface& surface);
    void plotPowerDistribution(PlotSurface& surface);

    // ---- Read-out, MAX/MIN labels, drag zoom ----
    struct Readout {
        std::optional<std::string> time; // vt's caption; none off the records
        std::vector<std::string> values;  // per series; empty off the records
    };
    // The texts under a pointer at user x; nothing while one record or
    // none is held.
    Readout readoutAt(double x) const;
    // Series in the order the read-out writes their labels.
    const std::vector<int>& readoutOrder() const { return readoutOrder_; }
    // Caption of a clicked value label of series s (flips MaxMinToggle).
    std::string labelClick(int series);
    // Press at x; true when it moved the start of the range (the window
    // copies vt into Time1h and Time1m).
    bool press(double x);
    // A move at x while a button is held draws the red marker; true when drawn.
    bool dragMarker(double x, PlotSurface& surface);
    // Release at x; true when it zooms (the window copies vt into Time2h
    // and Time2m, draws the time plot, reads again, then zoomDone()).
    bool release(double x);
    void zoomDone() { gv::zoomDone(GraphRecordSet); }

    // ---- Outputs: the message to show (empty: none) ----
    // Exports the displayed records when they are those of the named day
    // file; otherwise, as without records, "No data for that date".
    std::string exportCsv(const std::string& excelFolder, const std::string& fileNameCaption,
                          const std::string& h1, const std::string& m1, const std::string& h2,
                          const std::string& m2) const;
    // Adds the day on display to the window's collation file in logsFolder.
    std::string collate(const std::string& logsFolder, const std::string& fileNameCaption) const;

private:
    double maxReading(int channel) const;

    const Global_Declarations& g_;
    GraphRules rules_;
    std::vector<int> readoutOrder_;
};

} // namespace gv
