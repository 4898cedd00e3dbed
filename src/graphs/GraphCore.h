#pragma once
// Engine shared by every log graph window (windmill, house, mixed and Current
// Cost).  Plain C++, no window code: a window's graph controller
// (GraphController.h) keeps one of each state object below, fills the
// per-plot descriptions from the shared channel table and turns the results
// into captions and messages that the window shows.
//
// How the controller uses it:
//
//   1. limits = timeLimitsFromBoxes(Time1h, Time1m, Time2h, Time2m)
//               nullopt -> show InvalidTimeMessage, keep records and picture
//   2. r = readDayFile(logsFolder, FileName, *limits, readerLayout, records)
//      r.file   Missing / Unreadable -> records untouched; report
//               Read -> r.read:
//      r.read   Ok        records replaced, FirstShown 1, LastShown count,
//                         SourceFile = FileName -> plot
//               NoData    records emptied (RecordCount 0), range kept -> plot
//                         (which clears the picture) and NoDataMessage
//               OverLimit records left exactly as they were -> OverLimitMessage
//      (readRecords() does the same on a text already in memory.)
//   3. res = plotByTime(records, plotLayout, ScaledMode, model, surface)
//      Empty         fewer than two records: picture and model empty; the
//                    window shows no figure (start, finish, watt-hours)
//      NotEnoughData times written, picture and model empty (minimumSpan
//                    windows, fewer records than they draw)
//      Drawn         res.startTime / finishTime -> stime, ftime and the four
//                    time boxes (hourPart / minutePart); model.WattHours[s]
//                    -> watt-hour labels with "###0" and " Wh"
//   4. Mouse: readoutIndices() for the read-out (check records.has()),
//      readoutText(); zoomPress / zoomMarker / zoomRelease / zoomDone for the
//      drag zoom; maxMinLabelText() for a clicked value label.
//   5. Outputs (GraphExport.h): exportCsv(), appendDailyWattHours() with
//      dayOnDisplay(records, model, FileName).
//
// Records are numbered from 1.  Every accessor of GraphRecordSet checks its
// index: a record outside 1..RecordCount reads as 0 (time 00:00, interval 0,
// values 0) and has() tells whether it exists, so no read-out, zoom or view
// can touch memory outside the record arrays.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shared/FileIO.h"
#include "shared/TaggedText.h"

namespace gv {

// ---------------------------------------------------------------------------
// Limits and messages
// ---------------------------------------------------------------------------

// At most this many records are kept by one read; one more stops the read.
constexpr int MaxGraphRecords = 9999;

// Message texts the readers and outputs report with (OK-only boxes).
inline constexpr const char* NoDataMessage = "No data for that date";
inline constexpr const char* OverLimitMessage = "Over 10,000 records, too many to display.";
inline constexpr const char* UnknownFileMessage = "unknown file error";
inline constexpr const char* DoneMessage = "Done";
inline constexpr const char* PrintFailedMessage = "The form could not be printed";
// Shown when the four time boxes do not form two times of day; the read is
// refused and the record set and the plot stay as they are.
inline constexpr const char* InvalidTimeMessage =
    "The From and To boxes need hours 0 to 23 and minutes 0 to 59";

// ---------------------------------------------------------------------------
// Times of day, as fractions of a day (00:00 = 0, 12:00 = 0.5)
// ---------------------------------------------------------------------------

// A record's time text: "H:MM", "HH:MM" or "HH:MM:SS" (blanks around it
// allowed), hours 0..23, minutes and seconds 0..59.  nullopt when not a time.
std::optional<double> parseTimeOfDay(std::string_view text);

// "HH:mm" of a day fraction (rounded to the nearest minute is NOT done: the
// minute is the whole minutes of the fraction, as a clock shows it).
std::string shortTime(double dayFraction);

// Fraction of a day of hour:minute.
double dayFraction(int hour, int minute, int second = 0);

// The start and end limits of a read.  A record is kept when
// start <= time <= end, so records on the limits are kept.
struct TimeLimits {
    double start = 0;
    double end = 0;
};

// One time box: 1 or 2 digits (surrounding blanks ignored) in 0..max.
std::optional<int> timeBoxValue(std::string_view text, int max);

// The four boxes Time1h, Time1m, Time2h, Time2m; nullopt when any box does
// not hold a valid hour (0..23) or minute (0..59).  The end is the last
// second of the end box's minute.  Equal boxes give the one minute.
std::optional<TimeLimits> timeLimitsFromBoxes(std::string_view h1, std::string_view m1,
                                              std::string_view h2, std::string_view m2);

// The two characters that go into an hour box and a minute box for an
// "HH:mm" caption: its first two and its last two characters.
std::string hourPart(const std::string& hhmm);
std::string minutePart(const std::string& hhmm);

// ---------------------------------------------------------------------------
// Record set
// ---------------------------------------------------------------------------

struct GraphRecordSet {
    int RecordCount = 0;
    // Index 0 is unused; vectors hold RecordCount + 1 slots.
    std::vector<double> RecordTime{0.0};
    std::vector<double> RecordInterval{0.0};
    std::vector<std::vector<double>> Series; // Series[s][i], s from 0
    double FirstShown = 0;                   // displayed range, may be fractional
    double LastShown = 0;
    int ZoomBusy = 0;
    std::string SourceFile; // bare name of the day file the records came from

    bool has(long i) const { return i >= 1 && i <= RecordCount; }
    double time(long i) const { return has(i) ? RecordTime[i] : 0.0; }
    double interval(long i) const { return has(i) ? RecordInterval[i] : 0.0; }
    double value(int series, long i) const;
    int seriesCount() const { return static_cast<int>(Series.size()); }
};

// Record number of a fractional position: nearest whole number, a half to
// the even neighbour (2.5 -> 2, 3.5 -> 4).
long recordIndex(double position);

// The displayed range as whole record numbers: FirstShown and LastShown
// each rounded once (a half to the even neighbour).  Every loop over the
// shown records steps through these whole numbers, so each record is
// visited exactly once whatever fractions a zoom left in the bounds.
struct ShownRange {
    long first = 0;
    long last = 0;
};
ShownRange shownRange(const GraphRecordSet& set);

// Calls fn(i) for each slot from `lowest` on that the displayed range covers
// and a read filled (or slot 0), in order, once each.
template <class Fn>
void forEachShownFrom(long lowest, const GraphRecordSet& set, Fn fn)
{
    const ShownRange r = shownRange(set);
    const long last = r.last < set.RecordCount ? r.last : set.RecordCount;
    for (long i = r.first < lowest ? lowest : r.first; i <= last; ++i)
        fn(i);
}

// Calls fn(record) for each existing record of the displayed range, in
// order, once each.
template <class Fn>
void forEachShownRecord(const GraphRecordSet& set, Fn fn)
{
    forEachShownFrom(1, set, fn);
}

// As forEachShownRecord, but slot 0 (the empty slot before record 1, all
// values 0) counts too when the range starts there: the XY views and the
// distribution draw it, so before any read they show one mark at 0.
template <class Fn>
void forEachShownSlot(const GraphRecordSet& set, Fn fn)
{
    forEachShownFrom(0, set, fn);
}

// ---------------------------------------------------------------------------
// Day-log reader
// ---------------------------------------------------------------------------

// Element of a log record: "<name>" ... "</name>".  An element with an empty
// open tag is not read from the file (a derived series, 0 until derive runs).
struct ElementTags {
    std::string open;
    std::string close;
    static ElementTags named(const std::string& name) { return {"<" + name + ">", "</" + name + ">"}; }
    static ElementTags derived() { return {}; }
    bool isDerived() const { return open.empty(); }
};

struct ReaderLayout {
    // One entry per series of the window, in the window's series order.
    std::vector<ElementTags> elements;
    // RecordInterval of a record without "<L>".
    double missingInterval = 0;
    // Called for every kept record after its elements are read, with one
    // value per series (derived ones 0); fills the derived series in place.
    std::function<void(std::vector<double>&)> derive;
};

enum class ReadStatus {
    Ok,        // records kept: set replaced, FirstShown = 1, LastShown = RecordCount
    NoData,    // no line inside the limits: set emptied, FirstShown/LastShown kept
    OverLimit, // a 10,000th record would be kept: set left exactly as it was
};

// Reads the records of one day file's text.  Lines end at CR LF, LF or CR
// (the piece after the last line end is a line too).  A line's time is the
// text between its first "<T>" and the first "</T>" after it; a line without
// both, or whose time text is not a time, is skipped.  Each element's value
// is recordNumber() of its text and the interval recordInterval() of its
// <L>, 0 when the element is missing, reversed or garbled.  ZoomBusy is set
// to 0 whatever the outcome.
ReadStatus readRecords(std::string_view fileText, const TimeLimits& limits, const ReaderLayout& layout,
                       GraphRecordSet& set);

enum class DayFileStatus {
    Missing, // no such file in the folder (letter case ignored)
    Unreadable,
    Read, // readStatus tells the outcome
};
struct DayFileRead {
    DayFileStatus file = DayFileStatus::Missing;
    ReadStatus read = ReadStatus::NoData;
};
// Looks fileName up in folder without regard to letter case, reads it whole
// and runs readRecords; on Ok sets set.SourceFile = fileName.  A missing or
// unreadable file leaves the set untouched (ZoomBusy aside).
DayFileRead readDayFile(const std::string& folder, const std::string& fileName,
                        const TimeLimits& limits, const ReaderLayout& layout, GraphRecordSet& set);

// ---------------------------------------------------------------------------
// Day files: listing and letter-case-free matching
// ---------------------------------------------------------------------------

// "*" any run, "?" one character; letter case ignored ("ML*.TXT" matches
// "ml_2026_01_02.txt").
bool matchesPattern(std::string_view name, std::string_view pattern);

// Regular files of the folder that match the pattern, sorted without regard
// to case.  A missing folder gives an empty list.
std::vector<std::string> listDayFiles(const std::string& folder, const std::string& pattern);

// "GV_2025_03_05.txt" for prefix "GV_" and 5 March 2025.
std::string todayFileName(const std::string& prefix, int year, int month, int day);

// ---------------------------------------------------------------------------
// Per-window options
// ---------------------------------------------------------------------------

struct GraphOptions {
    std::optional<TimeLimits> TimeWindow; // limits of the last read (boxes at that moment)
    int ScaledMode = 1;                   // 1 "Scaled", 0 "Unscaled"
    std::vector<int> SeriesFlags;         // 1: the series is drawn
    bool DayFileExists = false;
};

inline const char* scalingCaption(int scaledMode) { return scaledMode == 1 ? "Scaled" : "Unscaled"; }

// ---------------------------------------------------------------------------
// Drawing surface
// ---------------------------------------------------------------------------

// A picture in user units: left edge x = 0, top edge y = 0, right edge x =
// scale width, bottom edge y = scale height, y growing downward.  Setting the
// scale only changes how later lines map; what was drawn stays.  Lines are
// handed to the implementation as fractions of the picture (0..1 inside);
// a line drawn while a scale is 0 or not finite is dropped, so no plot can
// divide by zero.
// One segment as handed to a surface: in user units of the moment it was
// drawn and as fractions of the picture (0..1 inside it).
struct SurfaceLine {
    double x1, y1, x2, y2;
    double fx1, fy1, fx2, fy2;
    std::int32_t colour; // 0x00BBGGRR
    int width;           // pixels
};

class PlotSurface {
public:
    virtual ~PlotSurface() = default;

    void setScaleWidth(double w) { scaleWidth_ = w; }
    void setScaleHeight(double h) { scaleHeight_ = h; }
    double scaleWidth() const { return scaleWidth_; }
    double scaleHeight() const { return scaleHeight_; }
    void setDrawWidth(int px) { drawWidth_ = px < 1 ? 1 : px; }
    int drawWidth() const { return drawWidth_; }

    void cls() { clearPicture(); }
    // A straight segment in the current scale, current width, colour 0x00BBGGRR.
    void line(double x1, double y1, double x2, double y2, std::int32_t bgr);

protected:
    virtual void clearPicture() = 0;
    virtual void drawLine(const SurfaceLine& l) = 0;

private:
    double scaleWidth_ = 1;
    double scaleHeight_ = 1;
    int drawWidth_ = 1;
};

// A surface that only records what was drawn; for tests and for counting.
class RecordingSurface : public PlotSurface {
public:
    std::vector<SurfaceLine> lines;
    int clears = 0;

protected:
    void clearPicture() override
    {
        lines.clear();
        ++clears;
    }
    void drawLine(const SurfaceLine& l) override { lines.push_back(l); }
};

// ---------------------------------------------------------------------------
// Time plot
// ---------------------------------------------------------------------------

// One series of a time plot, described afresh for every plot (the channel
// table is read at every plot).
struct PlotSeries {
    std::int32_t colour = 0; // 0x00BBGGRR
    bool show = false;       // drawn when true (the series flag)
    // "Scaled": drawn from 0 to fullScale.  "Unscaled": PlotHigh starts at 0
    // and PlotLow at fullScale, then widen to the span's extremes.
    double fullScale = 0;
    bool zeroLine = false;  // a line at value 0 when the scale spans it
    bool wattHours = false; // sum interval x watts / 3600 into WattHours
    bool dayTotal = false;  // also add that sum into DayWattHours
};

struct TimePlotLayout {
    std::vector<PlotSeries> series;
    // The segment loop starts at FirstShown + firstOffset (1 for most
    // windows; 0 draws one segment more, from the record before FirstShown,
    // left of the picture).
    int firstOffset = 1;
    // When > 0: a range with LastShown - FirstShown not above this is
    // refused after the time labels are written (status NotEnoughData).
    double minimumSpan = 0;
    std::int32_t zeroLineColour = 0xC0C0C0;
};

// Window state written by each time plot and kept until the next one.
struct PlotModel {
    std::vector<double> PlotHigh, PlotLow, PlotHeight;
    std::vector<double> ShownMaximum, ShownMinimum;
    std::vector<double> WattHours; // per series (0 for series without sums)
    double DayWattHours = 0;
    // Name of the day file whose records the last plot drew (empty when the
    // last plot drew nothing); the collation only records a day that is on
    // display.  A plot that draws nothing leaves the whole model empty.
    std::string PlottedFile;
};

enum class PlotStatus {
    Empty,         // fewer than two records in the range: picture and model cleared
    NotEnoughData, // minimumSpan not reached: picture and model cleared, times written
    Drawn,
};

struct TimePlotResult {
    PlotStatus status = PlotStatus::Empty;
    std::string startTime;  // "HH:mm" of the first record of the range
    std::string finishTime; // "HH:mm" of the last record of the range
};

// Draws the displayed range of the record set against time.  The bounds are
// first rounded to whole records (shownRange), so with F and L those records:
// record i at x = i - F, the scale width L - F (record F on the left edge,
// record L on the right edge; at least 1), each shown series on its own
// vertical scale with (range)/40 margins, a flat series at the middle, zero
// lines across the picture where the series draws 0, segments joining
// records F .. L.  The "Unscaled"
// scaling, the extremes for the MAX/MIN labels and the watt-hours (each
// record adding its own interval x watts / 3600, as the day's summary counts
// them) all cover every record F .. L.  The start time is that of record F
// (at least record 1), the finish time that of record L (at most the last
// record).  A range of one record or none is Empty; a minimumSpan window
// refuses a range of one record too (NotEnoughData, times written).
TimePlotResult plotByTime(const GraphRecordSet& set, const TimePlotLayout& layout, int scaledMode,
                          PlotModel& model, PlotSurface& surface);

// The yellow 4 x 4 grid over the whole picture at its current scale.
void plotGridLines(PlotSurface& surface);

// ---------------------------------------------------------------------------
// Read-out, MAX/MIN labels and drag zoom
// ---------------------------------------------------------------------------

// Record numbers under a pointer at user x: the time label shows
// floor(x + FirstShown), the value labels recordIndex(floor(x) + FirstShown).
struct ReadoutIndices {
    long timeRecord;
    long valueRecord;
};
ReadoutIndices readoutIndices(double x, double firstShown);

// How a read-out value is written: with a picture when one is given, else
// rounded to `decimals` (a half to the even neighbour) as a plain number;
// then the suffix.
struct ReadoutFormat {
    std::string picture;
    int decimals = 0;
    std::string suffix;
};
std::string readoutText(double value, const ReadoutFormat& format);

// Rounds to a number of decimals, a half to the even neighbour, judged on
// the decimal text (0.25 -> 0.2, 0.75 -> 0.8, 2.5 -> 2).
double roundHalfEvenTo(double value, int decimals);

// How a clicked value label writes an extreme.
struct ExtremeFormat {
    std::string picture;     // empty: the plain number in its shortest form
    std::string unit;        // after the number
    std::string minZeroText; // whole caption for a minimum not above 0; empty: none
    std::string minWord = "MIN ";
    std::string maxWord = "MAX ";
};

// The window's MaxMinToggle: -1 unset, then 0 or 1.
struct MaxMinToggleState {
    int MaxMinToggle = -1;
};

// Text of a clicked value label; flips the toggle (first click: minimum).
std::string maxMinLabelText(MaxMinToggleState& toggle, double shownMaximum, double shownMinimum,
                            const ExtremeFormat& format);

struct ZoomState {
    int MouseHeld = 0;
    // Set by a press that moved FirstShown, with the value it had before;
    // a release that does not zoom puts it back.
    bool pressMoved = false;
    double firstBeforePress = 0;
};

// Press at user x.  MouseHeld = 1.  When no zoom runs and more than one
// record is held, FirstShown = x kept within 1..RecordCount (a press at the
// left edge starts at record 1) and true is returned: the window then
// copies the time label into Time1h/Time1m.
bool zoomPress(GraphRecordSet& set, ZoomState& zoom, double x);

// Whether a move while a button is held draws the red marker.
bool zoomMarker(const GraphRecordSet& set, const ZoomState& zoom);

// Release at user x.  MouseHeld = 0.  A release beyond the last record is
// taken at the last record.  When the release lies right of FirstShown (at
// least two records further; a shorter span is too short to plot), more than
// one record is held and no zoom runs: LastShown = that position,
// ZoomBusy = 1 and true is returned; the window then writes Time2h/Time2m,
// plots, reads the day file again and finally calls zoomDone().  Otherwise
// FirstShown goes back to its value before the press and false is returned
// (the window puts back its time boxes and picture too).
bool zoomRelease(GraphRecordSet& set, ZoomState& zoom, double x);
inline void zoomDone(GraphRecordSet& set) { set.ZoomBusy = 0; }

} // namespace gv
