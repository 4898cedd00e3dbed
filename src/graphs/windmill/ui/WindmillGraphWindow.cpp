#include "graphs/windmill/ui/WindmillGraphWindow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/ClickLabel.h"
#include "platform/MessageBoxes.h"

gv::GraphWindowSetup WindmillGraphWindow::setupFor(gv::WindmillFamily family)
{
    gv::GraphWindowSetup s;
    s.objectName = family == gv::WindmillFamily::GV ? "GraphGV" : "GraphDEMO";
    s.filePattern = gv::windmillFilePattern(family);
    s.todayPrefix = gv::windmillTodayPrefix(family);
    for (const gv::WindmillSeriesInfo& info : gv::windmillSeries(family)) {
        gv::GraphSeriesBox b;
        b.checkBox = info.checkBox;
        b.channel = info.channel;
        b.valueLabel = info.valueLabel;
        b.wattHourLabel = info.wattHourLabel ? info.wattHourLabel : "";
        s.series.push_back(b);
    }
    s.seriesPerRow = 6;
    return s;
}

WindmillGraphWindow::WindmillGraphWindow(gv::Global_Declarations& g, const QString& programFolder,
                                         gv::WindmillFamily family, QWidget* parent)
    : GraphWindowBase(g, programFolder, setupFor(family), parent), family_(family)
{
    buildFrame();
    Frame1 = new QGroupBox("x axis parameter", this);
    Frame1->setObjectName("Frame1");
    auto* v = new QVBoxLayout(Frame1);
    const auto option = [this, v](const char* name, const char* text) {
        auto* r = new QRadioButton(text, Frame1);
        r->setObjectName(name);
        v->addWidget(r);
        return r;
    };
    XAxisTime = option("XAxisTime", "time");
    XAxisRPM = option("XAxisRPM", "rpm");
    XAxisWind = option("XAxisWind", "wind speed");
    Distribution = option("Distribution", "Distribution");
    XAxisTime->setChecked(true);
    // Built unavailable: the wind-speed view is not offered.
    XAxisWind->setEnabled(false);
    connect(XAxisTime, &QRadioButton::toggled, this, [this](bool on) { if (on) XAxisTime_Click(); });
    connect(XAxisRPM, &QRadioButton::toggled, this, [this](bool on) { if (on) XAxisRPM_Click(); });
    connect(XAxisWind, &QRadioButton::toggled, this, [this](bool on) { if (on) XAxisWind_Click(); });
    connect(Distribution, &QRadioButton::toggled, this, [this](bool on) { if (on) Distribution_Click(); });
    extraControls()->addWidget(Frame1);
    // The views hide some controls; the others keep their places.
    for (QWidget* w : findChildren<QWidget*>()) {
        QSizePolicy p = w->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        w->setSizePolicy(p);
    }
}

gv::ReaderLayout WindmillGraphWindow::readerLayout() const { return gv::windmillReaderLayout(family_, g_); }

gv::TimePlotLayout WindmillGraphWindow::plotLayout() const
{
    return gv::windmillPlotLayout(family_, g_, Options.SeriesFlags);
}

gv::ReadoutFormat WindmillGraphWindow::readoutFormat(int s) const
{
    return gv::windmillReadoutFormat(family_, s, g_.WSUnits);
}

gv::ExtremeFormat WindmillGraphWindow::extremeFormat(int s) const { return gv::windmillExtremeFormat(family_, s); }
std::vector<std::string> WindmillGraphWindow::csvHeader() const { return gv::windmillCsvHeader(); }
std::vector<gv::CsvColumn> WindmillGraphWindow::csvColumns() const { return gv::windmillCsvColumns(family_); }
std::string WindmillGraphWindow::collationFile() const { return gv::windmillCollationFile(family_); }
std::string WindmillGraphWindow::collationTitle() const { return gv::windmillCollationTitle(family_); }

void WindmillGraphWindow::onDayFileMissing()
{
    // The single-windmill window ends the read without a word.
    if (family_ == gv::WindmillFamily::GV)
        GraphWindowBase::onDayFileMissing();
}

void WindmillGraphWindow::onNotEnoughData() { message(gv::NotEnoughDataMessage); }

bool WindmillGraphWindow::beforeTimePlot()
{
    if (XAxisTime->isChecked())
        return true;
    // Selecting the time option runs its handler, which draws the time plot.
    XAxisTime->setChecked(true);
    return false;
}

void WindmillGraphWindow::redrawCurrentView()
{
    if (XAxisTime->isChecked())
        XAxisTime_Click();
    if (XAxisRPM->isChecked())
        XAxisRPM_Click();
    if (XAxisWind->isChecked())
        XAxisWind_Click();
    if (Distribution->isChecked())
        Distribution_Click();
}

void WindmillGraphWindow::showTimeControls(bool visible)
{
    for (const char* name : {"CheckVolts", "CheckWatts", "CheckAmps", "CheckWS", "CheckRPM"})
        if (QCheckBox* b = seriesBox(name))
            b->setVisible(visible);
    for (const char* name : {"vv", "av", "wv", "rv", "sv"})
        if (gv::ClickLabel* l = valueLabel(name))
            l->setVisible(visible);
    for (QWidget* w : std::initializer_list<QWidget*>{Collate, CSV, DisplayButton, CheckScaling, stime, ftime, vt})
        if (w)
            w->setVisible(visible);
}

double WindmillGraphWindow::maxReading(int channel) const
{
    return static_cast<double>(g_.ChannelMaxReading[static_cast<size_t>(channel)]);
}

void WindmillGraphWindow::XAxisTime_Click()
{
    showTimeControls(true);
    surface().cls();
    PlotByTime();
}

void WindmillGraphWindow::XAxisRPM_Click()
{
    showTimeControls(false);
    Label7->setText("Power vs RPM");
    gv::plotPowerVsRpm(GraphRecordSet, gv::wattsSeries(family_), gv::rpmSeries(family_), maxReading(gv::PowerChannel),
                       maxReading(gv::RpmChannel), surface());
}

void WindmillGraphWindow::XAxisWind_Click()
{
    if (!CheckScaling->isChecked())
        CheckScaling->setChecked(true); // runs the box's own handling
    Options.ScaledMode = CheckScaling->isChecked() ? 1 : 0;
    CheckScaling->setText(gv::scalingCaption(Options.ScaledMode));
    if (GraphRecordSet.RecordCount <= 1)
        return;
    Label7->setText("Power vs WindSpeed");
    const int ws = gv::windSeries(family_);
    const double top = static_cast<size_t>(ws) < Model.PlotHigh.size() ? Model.PlotHigh[static_cast<size_t>(ws)] : 0.0;
    gv::plotPowerVsWind(GraphRecordSet, gv::wattsSeries(family_), ws, maxReading(gv::PowerChannel),
                        maxReading(gv::WindChannel), top, surface());
}

void WindmillGraphWindow::Distribution_Click()
{
    showTimeControls(false);
    surface().cls();
    Label7->setText("Frequency vs Power");
    PowerBins = gv::powerDistribution(GraphRecordSet, gv::wattsSeries(family_), maxReading(gv::PowerChannel));
    gv::plotPowerDistribution(PowerBins, surface());
}

void WindmillGraphWindow::plotgridlines() { gv::plotGridLines(surface()); }
