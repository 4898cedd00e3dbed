#include "graphs/multichannel/ui/MultiChannelGraphWindow.h"

using namespace gv::multichannel;

namespace {
QString qs(const char* s) { return QString::fromLatin1(s); }
} // namespace

gv::GraphWindowSetup MultiChannelGraphWindow::setupFor(WindowKind kind)
{
    const WindowDef& w = windowDef(kind);
    gv::GraphWindowSetup setup;
    setup.objectName = qs(w.className);
    setup.filePattern = w.filePattern;
    setup.todayPrefix = w.familyPrefix;
    setup.hasCollate = w.hasCollate;
    setup.hasPrint = w.hasCollate; // GraphML has neither
    setup.readTodayOnlyWhenPresent = !w.readsOnOpenWithoutTest;
    setup.fileListFollowsDir = !w.fileListFixedToLogs;
    for (const SeriesDef& s : w.series) {
        gv::GraphSeriesBox b;
        b.checkBox = qs(s.checkBox);
        b.channel = s.channel;
        b.caption = qs(s.caption);
        b.colour = s.colour;
        b.startFlag = s.startFlag;
        b.valueLabel = qs(s.valueLabel);
        b.wattHourLabel = qs(s.whLabel);
        setup.series.push_back(b);
    }
    setup.boxOrder = w.checkBoxOrder;
    setup.readoutOrder = w.readoutOrder;
    // Rows narrow enough for a laptop screen: the volts and four loads, then
    // four; the six meters, then the temperatures (and derived series).
    switch (kind) {
    case WindowKind::RE: setup.seriesPerRow = 5; break;
    case WindowKind::ML: setup.seriesPerRow = 5; break;
    case WindowKind::CC: setup.seriesPerRow = 6; break;
    case WindowKind::QF: setup.seriesPerRow = 6; break;
    }
    return setup;
}

MultiChannelGraphWindow::MultiChannelGraphWindow(gv::Global_Declarations& g, const QString& programFolder,
                                                 WindowKind kind, QWidget* parent)
    : GraphWindowBase(g, programFolder, setupFor(kind), parent), def_(windowDef(kind))
{
    buildFrame();
}

void MultiChannelGraphWindow::Form_Load() { Form_Load(gv::localNow()); }

void MultiChannelGraphWindow::Form_Load(const gv::LocalTime& now)
{
    if (def_.needsSystemType && g_.SystemType == 0)
        return;
    TodayFlag = def_.hasTodayFlag ? 1 : 0;
    GraphWindowBase::Form_Load(now);
}

gv::ReaderLayout MultiChannelGraphWindow::readerLayout() const { return readerLayoutFor(def_, g_); }

gv::TimePlotLayout MultiChannelGraphWindow::plotLayout() const
{
    return plotLayoutFor(def_, g_, Options.SeriesFlags);
}

gv::ReadoutFormat MultiChannelGraphWindow::readoutFormat(int s) const
{
    if (s < 0 || static_cast<size_t>(s) >= def_.series.size())
        return {};
    return def_.series[static_cast<size_t>(s)].readout;
}

gv::ExtremeFormat MultiChannelGraphWindow::extremeFormat(int s) const
{
    if (s < 0 || static_cast<size_t>(s) >= def_.series.size())
        return {};
    return def_.series[static_cast<size_t>(s)].extremes;
}

std::vector<std::string> MultiChannelGraphWindow::csvHeader() const { return def_.csvHeader; }
std::vector<gv::CsvColumn> MultiChannelGraphWindow::csvColumns() const { return def_.csvColumns; }
bool MultiChannelGraphWindow::csvSideFile() const { return def_.csvTouchesSideFile; }
std::string MultiChannelGraphWindow::collationFile() const { return def_.collationFile; }
std::string MultiChannelGraphWindow::collationTitle() const { return def_.collationTitle; }

void MultiChannelGraphWindow::onDayFileMissing()
{
    if (!missingDayIsNoData(def_)) {
        message(qs(def_.missingFileMessage));
        return;
    }
    // A day without a file is a day without data; the day file is not
    // created and nothing of an earlier day stays on offer.
    markNoData(GraphRecordSet, readerLayout());
    onNoData();
}

void MultiChannelGraphWindow::onNoData()
{
    message(QString::fromStdString(noDataText(def_, TodayFlag)));
}

QString MultiChannelGraphWindow::overLimitMessage() const { return qs(def_.overLimitMessage); }
