#include "graphs/GraphController.h"

#include "graphs/windmill/WindmillGraph.h"
#include "shared/NumberPicture.h"

namespace gv {

void markNoData(GraphRecordSet& set, const ReaderLayout& layout)
{
    readRecords(std::string_view(), TimeLimits{}, layout, set);
}

std::string noDataText(bool hasTodayFlag, int& todayFlag)
{
    if (!hasTodayFlag)
        return NoDataMessage;
    if (todayFlag == 1) {
        todayFlag = 0;
        return "No data for today";
    }
    return "No data for this date";
}

GraphController::GraphController(const Global_Declarations& g, GraphRules rules) : g_(g), rules_(std::move(rules))
{
    readoutOrder_ = rules_.readoutOrder;
    if (readoutOrder_.size() != rules_.series.size()) {
        readoutOrder_.clear();
        for (int s = 0; s < seriesCount(); ++s)
            readoutOrder_.push_back(s);
    }
}

double GraphController::maxReading(int channel) const
{
    if (channel < 1 || channel > 24)
        return 0.0;
    return static_cast<double>(g_.ChannelMaxReading[static_cast<size_t>(channel)]);
}

// ---------------------------------------------------------------------------
// Opening and boxes
// ---------------------------------------------------------------------------

bool GraphController::opens() const { return !(rules_.needsSystemType && g_.SystemType == 0); }

void GraphController::open()
{
    Zoom = ZoomState{};
    GraphRecordSet.FirstShown = 0;
    GraphRecordSet.LastShown = 0;
    Options.ScaledMode = 1;
    Options.SeriesFlags.assign(rules_.series.size(), 0);
    for (size_t s = 0; s < rules_.series.size(); ++s) {
        const GraphRules::SeriesStart& start = rules_.series[s];
        Options.SeriesFlags[s] = start.channel >= 1 && start.channel <= 24
                                     ? (flagSet(g_.enableGRAPHING[static_cast<size_t>(start.channel)]) ? 1 : 0)
                                     : start.flag;
    }
    TodayFlag = rules_.hasTodayFlag ? 1 : 0;
}

std::string GraphController::todayFile(const LocalTime& now) const
{
    return todayFileName(rules_.todayPrefix, now.year, now.month, now.day);
}

bool GraphController::readsOnOpening(const std::string& logsFolder, const std::string& fileName)
{
    Options.DayFileExists = findFileNoCase(logsFolder, fileName).has_value();
    return Options.DayFileExists || !rules_.readTodayOnlyWhenPresent;
}

bool GraphController::setScaledMode(bool scaled)
{
    Options.ScaledMode = scaled ? 1 : 0;
    return GraphRecordSet.RecordCount > 1;
}

bool GraphController::setSeriesFlag(int s, bool shown)
{
    if (s < 0 || s >= seriesCount())
        return false;
    Options.SeriesFlags.resize(rules_.series.size(), 0);
    Options.SeriesFlags[static_cast<size_t>(s)] = shown ? 1 : 0;
    return GraphRecordSet.RecordCount > 1;
}

// ---------------------------------------------------------------------------
// Reader and time plot
// ---------------------------------------------------------------------------

GraphController::ReadOutcome GraphController::read(const std::string& logsFolder, const std::string& fileName,
                                                   const std::string& h1, const std::string& m1,
                                                   const std::string& h2, const std::string& m2)
{
    const auto limits = timeLimitsFromBoxes(h1, m1, h2, m2);
    if (!limits) {
        // Refused: the record set and the picture stay as they are.
        GraphRecordSet.ZoomBusy = 0;
        return {false, InvalidTimeMessage};
    }
    Options.TimeWindow = limits;
    const ReaderLayout layout = rules_.readerLayout(g_);
    const DayFileRead r = readDayFile(logsFolder, fileName, *limits, layout, GraphRecordSet);
    Options.DayFileExists = r.file != DayFileStatus::Missing;
    if (r.file == DayFileStatus::Unreadable)
        return {false, UnknownFileMessage};
    ReadStatus status = r.read;
    if (r.file == DayFileStatus::Missing) {
        if (!rules_.missingDayIsNoData)
            return {false, rules_.missingFileMessage};
        // A day without a file is a day without data: nothing of another
        // day stays on offer for export under this day's name.
        markNoData(GraphRecordSet, layout);
        status = ReadStatus::NoData;
    }
    switch (status) {
    case ReadStatus::OverLimit: return {false, rules_.overLimitMessage};
    // The plot clears the picture and the figures of the span before.
    case ReadStatus::NoData: return {true, noDataText(rules_.hasTodayFlag, TodayFlag)};
    case ReadStatus::Ok: break;
    }
    // One record makes no line: the span has no data to draw, in the
    // window's own words.  A window that refuses short spans says so itself
    // when it plots.
    if (GraphRecordSet.RecordCount < 2 && !(rules_.plotLayout(g_, Options.SeriesFlags).minimumSpan > 0))
        return {true, noDataText(rules_.hasTodayFlag, TodayFlag)};
    return {true, {}};
}

GraphController::PlotOutcome GraphController::plotByTime(PlotSurface& surface)
{
    const TimePlotResult r =
        gv::plotByTime(GraphRecordSet, rules_.plotLayout(g_, Options.SeriesFlags), Options.ScaledMode, Model, surface);
    PlotOutcome out{r.status, r.startTime, r.finishTime, {}};
    if (r.status == PlotStatus::NotEnoughData)
        out.message = rules_.notEnoughDataMessage;
    return out;
}

std::string GraphController::wattHourCaption(int s) const
{
    const double wh =
        s >= 0 && static_cast<size_t>(s) < Model.WattHours.size() ? Model.WattHours[static_cast<size_t>(s)] : 0.0;
    return formatPicture(wh, "###0") + " Wh";
}

// ---------------------------------------------------------------------------
// Views
// ---------------------------------------------------------------------------

void GraphController::plotPowerVsRpm(PlotSurface& surface)
{
    gv::plotPowerVsRpm(GraphRecordSet, rules_.wattsSeries, rules_.rpmSeries, maxReading(PowerChannel),
                       maxReading(RpmChannel), surface);
}

bool GraphController::plotPowerVsWind(PlotSurface& surface)
{
    if (GraphRecordSet.RecordCount <= 1)
        return false;
    const size_t ws = static_cast<size_t>(rules_.windSeries);
    const double top = ws < Model.PlotHigh.size() ? Model.PlotHigh[ws] : 0.0;
    gv::plotPowerVsWind(GraphRecordSet, rules_.wattsSeries, rules_.windSeries, maxReading(PowerChannel),
                        maxReading(WindChannel), top, surface);
    return true;
}

void GraphController::plotPowerDistribution(PlotSurface& surface)
{
    PowerBins = powerDistribution(GraphRecordSet, rules_.wattsSeries, maxReading(PowerChannel));
    gv::plotPowerDistribution(PowerBins, surface);
}

// ---------------------------------------------------------------------------
// Read-out, labels, zoom
// ---------------------------------------------------------------------------

GraphController::Readout GraphController::readoutAt(double x) const
{
    Readout out;
    if (GraphRecordSet.RecordCount <= 1)
        return out;
    const ReadoutIndices idx = readoutIndices(x, GraphRecordSet.FirstShown);
    if (!GraphRecordSet.has(idx.timeRecord))
        return out;
    out.time = shortTime(GraphRecordSet.time(idx.timeRecord));
    if (GraphRecordSet.has(idx.valueRecord))
        for (int s = 0; s < seriesCount(); ++s)
            out.values.push_back(readoutText(GraphRecordSet.value(s, idx.valueRecord), rules_.readoutFormat(s, g_)));
    return out;
}

std::string GraphController::labelClick(int s)
{
    if (s < 0 || static_cast<size_t>(s) >= rules_.extremes.size())
        return std::string();
    const auto at = [s](const std::vector<double>& v) {
        return static_cast<size_t>(s) < v.size() ? v[static_cast<size_t>(s)] : 0.0;
    };
    return maxMinLabelText(MaxMin, at(Model.ShownMaximum), at(Model.ShownMinimum),
                           rules_.extremes[static_cast<size_t>(s)]);
}

bool GraphController::press(double x) { return zoomPress(GraphRecordSet, Zoom, x); }

bool GraphController::dragMarker(double x, PlotSurface& surface)
{
    if (GraphRecordSet.RecordCount <= 1 || !zoomMarker(GraphRecordSet, Zoom))
        return false;
    surface.line(GraphRecordSet.FirstShown, 0, x, 0, RecordMarkColour);
    return true;
}

bool GraphController::release(double x) { return zoomRelease(GraphRecordSet, Zoom, x); }

// ---------------------------------------------------------------------------
// Outputs
// ---------------------------------------------------------------------------

std::string GraphController::exportCsv(const std::string& excelFolder, const std::string& fileNameCaption,
                                       const std::string& h1, const std::string& m1, const std::string& h2,
                                       const std::string& m2) const
{
    // Only the day the records came from is exported.  A read that did not
    // show the picked day (too many records, a missing or unreadable file)
    // leaves the day before in the set; under the picked day's name that
    // day has no records to offer, as for a day without data.
    if (GraphRecordSet.RecordCount < 1 || !sameNameNoCase(GraphRecordSet.SourceFile, fileNameCaption))
        return NoDataMessage;
    const CsvRequest rq{excelFolder, fileNameCaption, h1, m1, h2, m2, rules_.csvHeader, rules_.csvColumns,
                        rules_.csvSideFile};
    std::string path, error;
    switch (gv::exportCsv(GraphRecordSet, rq, &path, &error)) {
    case CsvStatus::Done: return DoneMessage;
    case CsvStatus::NoRecords: return NoDataMessage;
    case CsvStatus::BadName: return InvalidTimeMessage;
    case CsvStatus::WriteFailed: break;
    }
    return writeFailedMessage(path);
}

std::string GraphController::collate(const std::string& logsFolder, const std::string& fileNameCaption) const
{
    if (rules_.collationFile.empty())
        return std::string();
    const CollateRequest rq{logsFolder,      rules_.collationFile,
                            rules_.collationTitle, fileNameCaption,
                            dayOnDisplay(GraphRecordSet, Model, fileNameCaption), Model.DayWattHours};
    std::string error;
    if (appendDailyWattHours(rq, &error) == CollateStatus::WriteFailed)
        return writeFailedMessage(joinPath(logsFolder, rules_.collationFile));
    return std::string();
}

} // namespace gv
