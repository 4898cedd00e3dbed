#include "graphs/windmill/ui/WindmillGraphWindow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/ClickLabel.h"

gv::GraphWindowSetup WindmillGraphWindow::setupFor(gv::WindmillFamily family)
{
    gv::GraphWindowSetup s;
    s.objectName = family == gv::WindmillFamily::GV ? "GraphGV" : "GraphDEMO";
    s.filePattern = gv::windmillFilePattern(family);
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
    : GraphWindowBase(g, programFolder, setupFor(family), gv::windmillRules(family), parent)
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
    graph.plotPowerVsRpm(surface());
}

void WindmillGraphWindow::XAxisWind_Click()
{
    if (!CheckScaling->isChecked())
        CheckScaling->setChecked(true); // runs the box's own handling
    graph.setScaledMode(CheckScaling->isChecked());
    CheckScaling->setText(gv::scalingCaption(graph.Options.ScaledMode));
    if (graph.plotPowerVsWind(surface()))
        Label7->setText("Power vs WindSpeed");
}

void WindmillGraphWindow::Distribution_Click()
{
    showTimeControls(false);
    surface().cls();
    Label7->setText("Frequency vs Power");
    graph.plotPowerDistribution(surface());
}

void WindmillGraphWindow::plotgridlines() { gv::plotGridLines(surface()); }
