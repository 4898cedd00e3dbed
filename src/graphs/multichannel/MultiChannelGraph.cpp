#include "graphs/multichannel/MultiChannelGraph.h"

#include "shared/NumberPicture.h"

namespace gv::multichannel {

ReaderLayout readerLayoutFor(const WindowDef& w, const Global_Declarations& g)
{
    ReaderLayout layout;
    for (const SeriesDef& s : w.series)
        layout.elements.push_back(s.derived ? ElementTags::derived() : ElementTags::named(elementName(s, g)));
    layout.missingInterval = w.missingIntervalSeconds;
    if (w.kind == WindowKind::QF) {
        // Series 2..7 are Watts1..Watts6, 8..13 the derived Watts7..Watts12.
        layout.derive = [](std::vector<double>& v) {
            std::array<double, 7> m{};
            for (int k = 1; k <= 6; ++k)
                m[static_cast<size_t>(k)] = v[static_cast<size_t>(1 + k)];
            const auto d = derivedSeries(m);
            for (int k = 0; k < 6; ++k)
                v[static_cast<size_t>(8 + k)] = d[static_cast<size_t>(k)];
        };
    }
    return layout;
}

TimePlotLayout plotLayoutFor(const WindowDef& w, const Global_Declarations& g, const std::vector<int>& flags)
{
    TimePlotLayout layout;
    layout.firstOffset = w.loopStartOffset;
    for (size_t s = 0; s < w.series.size(); ++s) {
        const SeriesDef& sd = w.series[s];
        PlotSeries ps;
        ps.colour = lineColour(sd, g);
        ps.show = s < flags.size() && flags[s] == 1;
        ps.fullScale = fullScale(sd, g);
        if (sd.shownMinimumStart >= 0)
            ps.minimumStart = sd.shownMinimumStart;
        ps.wattHours = sd.whLabel[0] != '\0';
        // The collation's day total: the measured powers, not the derived ones.
        ps.dayTotal = ps.wattHours && !sd.derived;
        layout.series.push_back(ps);
    }
    return layout;
}

bool missingDayIsNoData(const WindowDef& w) { return w.missingFileMessage[0] == '\0'; }

void markNoData(GraphRecordSet& set, const ReaderLayout& layout)
{
    readRecords(std::string_view(), TimeLimits{}, layout, set);
}

std::string noDataText(const WindowDef& w, int& todayFlag)
{
    if (!w.hasTodayFlag)
        return NoDataMessage;
    if (todayFlag == 1) {
        todayFlag = 0;
        return "No data for today";
    }
    return "No data for this date";
}

MultiChannelGraph::MultiChannelGraph(WindowKind kind) : def_(&windowDef(kind)) {}

void MultiChannelGraph::open(const Global_Declarations& g)
{
    records = GraphRecordSet{};
    records.Series.assign(def_->series.size(), std::vector<double>{0.0});
    records.FirstShown = 0;
    records.LastShown = 0;
    zoom = ZoomState{};
    options.ScaledMode = 1;
    options.SeriesFlags.assign(def_->series.size(), 0);
    for (size_t s = 0; s < def_->series.size(); ++s) {
        const SeriesDef& sd = def_->series[s];
        if (sd.channel >= 1 && sd.channel <= 24)
            options.SeriesFlags[s] = flagSet(g.enableGRAPHING[static_cast<size_t>(sd.channel)]) ? 1 : 0;
        else
            options.SeriesFlags[s] = sd.startFlag;
    }
    TodayFlag = def_->hasTodayFlag ? 1 : 0;
}

ReaderLayout MultiChannelGraph::readerLayout(const Global_Declarations& g) const
{
    return readerLayoutFor(*def_, g);
}

ReadOutcome MultiChannelGraph::read(const std::string& logsFolder, const std::string& fileName,
                                    const TimeLimits& limits, const Global_Declarations& g)
{
    ReadOutcome out;
    const DayFileRead r = readDayFile(logsFolder, fileName, limits, readerLayout(g), records);
    options.DayFileExists = r.file != DayFileStatus::Missing;
    options.TimeWindow = limits;

    if (r.file == DayFileStatus::Unreadable || (r.file == DayFileStatus::Missing && !missingDayIsNoData(*def_))) {
        // The record set and the picture stay as they are.
        out.message = r.file == DayFileStatus::Unreadable ? UnknownFileMessage : def_->missingFileMessage;
        return out;
    }
    ReadStatus status = r.read;
    if (r.file == DayFileStatus::Missing) {
        // A day without a file is a day without data: nothing from another
        // day stays on offer for export under this day's name.
        markNoData(records, readerLayout(g));
        status = ReadStatus::NoData;
    }
    switch (status) {
    case ReadStatus::OverLimit:
        out.message = def_->overLimitMessage;
        return out;
    case ReadStatus::NoData:
        out.message = noDataText(*def_, TodayFlag);
        return out;
    case ReadStatus::Ok:
        break;
    }
    out.plot = true;
    return out;
}

TimePlotLayout MultiChannelGraph::plotLayout(const Global_Declarations& g) const
{
    return plotLayoutFor(*def_, g, options.SeriesFlags);
}

TimePlotResult MultiChannelGraph::plot(const Global_Declarations& g, PlotSurface& surface)
{
    return plotByTime(records, plotLayout(g), options.ScaledMode, model, surface);
}

std::string MultiChannelGraph::wattHourCaption(int s) const
{
    const double wh = s >= 0 && static_cast<size_t>(s) < model.WattHours.size()
                          ? model.WattHours[static_cast<size_t>(s)]
                          : 0.0;
    return formatPicture(wh, "###0") + " Wh";
}

OutputOutcome MultiChannelGraph::exportCsv(const std::string& excelFolder,
                                           const std::string& fileNameCaption, const std::string& h1,
                                           const std::string& m1, const std::string& h2,
                                           const std::string& m2) const
{
    CsvRequest rq;
    rq.excelFolder = excelFolder;
    rq.fileNameCaption = fileNameCaption;
    rq.h1 = h1;
    rq.m1 = m1;
    rq.h2 = h2;
    rq.m2 = m2;
    rq.header = def_->csvHeader;
    rq.columns = def_->csvColumns;
    rq.sideFile = def_->csvTouchesSideFile;
    std::string written, error;
    OutputOutcome out;
    switch (gv::exportCsv(records, rq, &written, &error)) {
    case CsvStatus::Done:
        out.message = DoneMessage;
        break;
    case CsvStatus::NoRecords:
        out.message = NoDataMessage;
        break;
    case CsvStatus::BadName:
        // Nothing has been read yet, or a time box does not hold a time.
        out.message = records.RecordCount < 1 ? NoDataMessage : InvalidTimeMessage;
        break;
    case CsvStatus::WriteFailed: {
        const auto slash = written.find_last_of('/');
        out.message = writeFailedMessage(slash == std::string::npos ? written : written.substr(slash + 1));
        break;
    }
    }
    return out;
}

OutputOutcome MultiChannelGraph::collate(const std::string& logsFolder,
                                         const std::string& fileNameCaption) const
{
    OutputOutcome out;
    if (def_->collationFile[0] == '\0')
        return out;
    CollateRequest rq;
    rq.logsFolder = logsFolder;
    rq.collationFile = def_->collationFile;
    rq.title = def_->collationTitle;
    rq.dayFileName = fileNameCaption;
    rq.dayOnDisplay = dayOnDisplay(records, model, fileNameCaption);
    rq.dayWattHours = model.DayWattHours;
    std::string error;
    if (appendDailyWattHours(rq, &error) == CollateStatus::WriteFailed)
        out.message = writeFailedMessage(def_->collationFile);
    return out;
}

std::string MultiChannelGraph::labelClick(int s)
{
    if (s < 0 || static_cast<size_t>(s) >= def_->series.size())
        return std::string();
    const auto at = [s](const std::vector<double>& v) {
        return static_cast<size_t>(s) < v.size() ? v[static_cast<size_t>(s)] : 0.0;
    };
    return maxMinLabelText(toggle, at(model.ShownMaximum), at(model.ShownMinimum),
                           def_->series[static_cast<size_t>(s)].extremes);
}

std::string MultiChannelGraph::readout(int s, long i) const
{
    if (s < 0 || static_cast<size_t>(s) >= def_->series.size())
        return std::string();
    return readoutText(records.value(s, i), def_->series[static_cast<size_t>(s)].readout);
}

} // namespace gv::multichannel
