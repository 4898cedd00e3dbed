#include "app/ui/Gyrovane.h"

#include "app/Acquisition.h"
#include "app/Calculation.h"
#include "app/ErrorTrap.h"
#include "app/Logging.h"

#include "config/ui/CALIBRATION.h"
#include "config/ui/ChannelFlagEditors.h"
#include "config/ui/ProgramSetup.h"
#include "config/ui/setupHARDWAREchannels.h"
#include "config/ui/frmSplash.h"
#include "graphs/multichannel/ui/GraphCC.h"
#include "graphs/multichannel/ui/GraphCC_QF.h"
#include "graphs/multichannel/ui/GraphML.h"
#include "graphs/multichannel/ui/GraphRE.h"
#include "graphs/windmill/ui/GraphDEMO.h"
#include "graphs/windmill/ui/GraphGV.h"
#include "help/ui/frmAbout.h"
#include "help/ui/info.h"
#include "live/ui/BATTMonitor.h"
#include "live/ui/BarGraphs.h"
#include "live/ui/dailyMaximums.h"
#include "live/ui/plotDiagnostics.h"
#include "live/ui/rawCOMMS.h"
#include "platform/Captions.h"
#include "platform/ClickLabel.h"
#include "platform/CommPort.h"
#include "platform/FormTimer.h"
#include "platform/FrameBox.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramFolder.h"
#include "platform/Twips.h"
#include "platform/WidgetColours.h"
#include "shared/ConfigFiles.h"
#include "shared/LocalTime.h"
#include "shared/TaggedText.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QEventLoop>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTime>

#include <algorithm>
#include <cstdio>

using gv::MainFrame;
using gv::Reading;
using gv::twips;

namespace {

// Windows colour values are 0x00BBGGRR.
QColor winColour(unsigned v) { return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF); }

const QColor FormBack = winColour(0x404040);
const QColor CellBack = QColor(0, 0, 0); // the system's button-text colour
const QColor LampGreen = winColour(0x00FF00);
const QColor LampRed = winColour(0x0000FF);

constexpr unsigned VoltsColour = 0x00FF00FF;
constexpr unsigned AmpsColour = 0x0000FFFF;
constexpr unsigned WattsColour = 0x000000FF;
constexpr unsigned WhColour = 0x00FFFFFF;
constexpr unsigned RpmColour = 0x0000FF00;
constexpr unsigned WindColour = 0x00FFFF00;
constexpr unsigned Frame1Colour = 0x0080FFFF;
constexpr unsigned Frame4Colour = 0x0000FFFF;

// Height of the window's title bar and borders, which a layout height includes.
constexpr int NonClientTwips = 510;
constexpr int FormWidthTwips = 8295;

void place(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

// Frames and reading labels stand edge to edge in the layout; one pixel less
// on the right and at the bottom keeps neighbours from covering each other.
void placeTiled(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(twips(left), twips(top), twips(width) - 1, twips(height) - 1);
}

QString qs(const std::string& s) { return QString::fromStdString(s); }
std::string ss(const QString& s) { return s.toStdString(); }

const char* const WaitingForData = "Waiting for Data";

} // namespace

QString Gyrovane::portProblemText() { return qs(gv::commsProblemMessage()); }

Gyrovane::Gyrovane(gv::Global_Declarations& g, gv::EngineStatus& status, QWidget* parent,
                   const QString& programFolder)
    : QMainWindow(parent), g_(g), status_(status),
      folder_(programFolder.isEmpty() ? gv::programFolder() : programFolder)
{
    setObjectName(QStringLiteral("Gyrovane"));
    clock_.start();
    steadySeconds = [this] { return static_cast<double>(clock_.elapsed()) / 1000.0; };
    buildWidgets();
    buildMenus();

    // The timers' design state: they tick from the window's creation on,
    // also while the splash window is shown at start-up.
    Timer1 = new gv::FormTimer(1000, true, this);
    Timer2 = new gv::FormTimer(250, false, this);
    Timer3 = new gv::FormTimer(5000, true, this);
    connect(Timer1, &gv::FormTimer::Timer, this, qOverload<>(&Gyrovane::Timer1_Timer));
    connect(Timer2, &gv::FormTimer::Timer, this, &Gyrovane::Timer2_Timer);
    connect(Timer3, &gv::FormTimer::Timer, this, qOverload<>(&Gyrovane::Timer3_Timer));

    MSComm1 = new gv::CommPort(this);
    MSComm1->setProgramFolder(folder_);
    connect(MSComm1, &gv::CommPort::OnComm, this, &Gyrovane::MSComm1_OnComm);
    connect(MSComm1, &gv::CommPort::deviceLost, this, &Gyrovane::onDeviceLost);
    connect(MSComm1, &gv::CommPort::deviceBack, this, &Gyrovane::onDeviceBack);

    engineInit();
    setWindowTitle(QStringLiteral("Gyrovane"));
}

Gyrovane::~Gyrovane()
{
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    Timer3->setEnabled(false);
    MSComm1->setPortOpen(false);
}

// ---------------------------------------------------------------- widgets

void Gyrovane::buildWidgets()
{
    auto* form = new QWidget(this);
    form->setObjectName(QStringLiteral("form"));
    form->setAutoFillBackground(true);
    QPalette fp = form->palette();
    fp.setColor(QPalette::Window, FormBack);
    fp.setColor(QPalette::WindowText, QColor(224, 224, 224));
    form->setPalette(fp);
    setCentralWidget(form);

    QFont small = font();
    small.setPixelSize(10);
    QFont frameFont = small;
    frameFont.setBold(true);
    QFont readingFont = font();
    readingFont.setPixelSize(15);
    readingFont.setBold(true);

    auto plainLabel = [&](const QString& text, QWidget* parent, const char* name) {
        auto* l = new QLabel(text, parent);
        l->setObjectName(QLatin1String(name));
        l->setFont(small);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return l;
    };

    // The lower status labels lie beneath the frames; the layout height of
    // most types leaves them out of sight.
    Label2 = plainLabel(QStringLiteral("raw data string"), form, "Label2");
    place(Label2, 240, 5400, 7575, 255);
    ErrorString = plainLabel(QStringLiteral("error message string"), form, "ErrorString");
    place(ErrorString, 240, 5640, 7575, 255);
    filename = plainLabel(QString(), form, "filename");
    place(filename, 240, 5880, 7575, 255);

    Label11 = new QLabel(QStringLiteral("Gyrovane"), form);
    Label11->setObjectName(QStringLiteral("Label11"));
    QFont titleFont(QStringLiteral("Palatino Linotype"));
    titleFont.setStyleHint(QFont::Serif);
    titleFont.setPixelSize(22);
    titleFont.setBold(true);
    Label11->setFont(titleFont);
    gv::setTextColour(Label11, winColour(Frame1Colour));
    Label11->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(Label11, 360, 0, 4785, 495);

    Label14 = plainLabel(QStringLiteral("Logging Interval"), form, "Label14");
    place(Label14, 5520, 80, 1200, 255);
    goodDATAcounter = plainLabel(QString(), form, "goodDATAcounter");
    goodDATAcounter->setAlignment(Qt::AlignRight | Qt::AlignTop);
    place(goodDATAcounter, 6720, 60, 345, 255);
    delay = new QLineEdit(QStringLiteral("60"), form);
    delay->setObjectName(QStringLiteral("delay"));
    delay->setFont(small);
    delay->setTextMargins(0, 0, 0, 0);
    place(delay, 7080, 0, 375, 315);
    Label10 = plainLabel(QStringLiteral("Secs"), form, "Label10");
    place(Label10, 7440, 80, 600, 255);
    // The label starts on the interval box's last pixel; its text keeps clear.
    Label10->setContentsMargins(3, 0, 0, 0);
    Label1 = plainLabel(QStringLiteral("Logging Port   "), form, "Label1");
    place(Label1, 5520, 360, 1320, 255);
    Label15 = plainLabel(QStringLiteral("SystemType "), form, "Label15");
    gv::setTextColour(Label15, winColour(0x0000FFFF));
    place(Label15, 6840, 360, 1335, 255);
    Label16 = plainLabel(QStringLiteral("Click data cells for Maximums"), form, "Label16");
    place(Label16, 840, 420, 3600, 255);

    auto lamp = [&](int top, const char* name) {
        auto* l = new QLabel(form);
        l->setObjectName(QLatin1String(name));
        l->setAutoFillBackground(true);
        place(l, 120, top, 135, 135);
        setLamp(l, false);
        l->hide();
        return l;
    };
    DataOK = lamp(120, "DataOK");
    LogOK = lamp(480, "LogOK");

    auto makeFrame = [&](MainFrame f, QWidget* parent, const QString& caption, int left, int top,
                         int width, int height, unsigned colour) {
        auto* fr = new gv::FrameBox(caption, parent);
        fr->setObjectName(QStringLiteral("Frame%1").arg(static_cast<int>(f)));
        fr->setFont(frameFont);
        fr->setColours(winColour(colour), CellBack);
        placeTiled(fr, left, top, width, height);
        frames[static_cast<int>(f)] = fr;
        return fr;
    };
    auto makeReading = [&](Reading r, QWidget* parent, const QString& caption, int left, int top,
                           int width, unsigned colour) {
        auto* l = new gv::ClickLabel(caption, parent);
        l->setObjectName(QStringLiteral("reading%1").arg(static_cast<int>(r)));
        l->setFont(readingFont);
        // The label has its frame's background colour and leaves it to the
        // frame to paint, so the frame's border shows where a label reaches
        // the frame's bottom edge.
        gv::setTextColour(l, winColour(colour));
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        l->setIndent(2);
        placeTiled(l, left, top, width, 375);
        readings[static_cast<int>(r)] = l;
        connect(l, &gv::ClickLabel::clicked, this, [this, r] { readingClicked(r); });
        return l;
    };

    // Windmill frames and the AUX DC frame.
    auto* f10 = makeFrame(MainFrame::Frame1_0, form, QStringLiteral("Windmill 1"), 120, 600, 8055, 615, Frame1Colour);
    makeReading(Reading::Volts0, f10, QStringLiteral("Volts 1"), 120, 240, 1215, VoltsColour);
    makeReading(Reading::Amps0, f10, QStringLiteral("Amps"), 1320, 240, 1215, AmpsColour);
    makeReading(Reading::Watts0, f10, QStringLiteral("Watts"), 2760, 240, 1335, WattsColour);
    makeReading(Reading::Whours0, f10, QStringLiteral("Wh"), 4080, 240, 1455, WhColour);
    makeReading(Reading::RPM0, f10, QStringLiteral("RPM"), 5640, 240, 1215, RpmColour);
    makeReading(Reading::Wind0, f10, QStringLiteral("Wspeed"), 6840, 240, 1095, WindColour);

    auto* f11 = makeFrame(MainFrame::Frame1_1, form, QStringLiteral("Windmill 2"), 120, 1200, 8055, 615, Frame1Colour);
    Check1 = new QCheckBox(QStringLiteral("System V1"), f11);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setFont(small);
    Check1->setAutoFillBackground(true);
    {
        QPalette p = Check1->palette();
        p.setColor(QPalette::Window, CellBack);
        p.setColor(QPalette::Button, CellBack);
        p.setColor(QPalette::WindowText, winColour(VoltsColour));
        p.setColor(QPalette::ButtonText, winColour(VoltsColour));
        Check1->setPalette(p);
    }
    // A small box and a narrow gap keep "System V1" and "Alt Volts2" whole
    // in the check box's width.
    Check1->setStyleSheet(QStringLiteral("QCheckBox { spacing: 3px; } "
                                         "QCheckBox::indicator { width: 9px; height: 9px; }"));
    place(Check1, 120, 240, 1095, 255);
    connect(Check1, &QCheckBox::clicked, this, [this] { Check1_Click(); });
    makeReading(Reading::Amps1, f11, QStringLiteral("Amps"), 1320, 240, 1215, AmpsColour);
    makeReading(Reading::Watts1, f11, QStringLiteral("Watts"), 2760, 240, 1335, WattsColour);
    makeReading(Reading::Whours1, f11, QStringLiteral("Wh"), 4080, 240, 1455, WhColour);
    makeReading(Reading::RPM1, f11, QStringLiteral("RPM"), 5640, 240, 1215, RpmColour);

    auto* f12 = makeFrame(MainFrame::Frame1_2, form, QStringLiteral("AUX DC"), 120, 1800, 8055, 735, Frame1Colour);
    makeReading(Reading::Amps2, f12, QStringLiteral("Amps"), 120, 240, 1215, AmpsColour);
    makeReading(Reading::Watts2, f12, QStringLiteral("Watts"), 1320, 240, 1335, WattsColour);
    makeReading(Reading::Whours2, f12, QStringLiteral("Wh"), 2640, 240, 1455, WhColour);
    makeReading(Reading::Amps3, f12, QStringLiteral("Amps"), 4080, 240, 1215, AmpsColour);
    makeReading(Reading::Watts3, f12, QStringLiteral("Watts"), 5280, 240, 1335, WattsColour);
    makeReading(Reading::Whours3, f12, QStringLiteral("Wh"), 6600, 240, 1335, WhColour);

    // The two cell frames, four cells each, both as deep as their cells.
    auto* f40 = makeFrame(MainFrame::Frame4_0, form, QStringLiteral("System 4"), 120, 2520, 8055, 1695, Frame4Colour);
    auto* f41 = makeFrame(MainFrame::Frame4_1, form, QStringLiteral("System 5"), 120, 4080, 8055, 1695, Frame4Colour);
    static constexpr int cellLeft[4] = {240, 2160, 4080, 6000};
    for (int i = 0; i < 8; ++i) {
        auto* host = i < 4 ? f40 : f41;
        auto* cell = makeFrame(gv::frame5(i), host, QStringLiteral("240VAC power %1").arg(i % 4 + 1),
                               cellLeft[i % 4], 240, 1815, 1455, Frame4Colour);
        makeReading(gv::label3(i), cell, QStringLiteral("Amps"), 120, 240, 1575, AmpsColour);
        makeReading(gv::label5(i), cell, QStringLiteral("Watts"), 120, 600, 1575, WattsColour);
        makeReading(gv::label13(i), cell, QStringLiteral("kWh"), 120, 960, 1575, WhColour);
    }

    auto* f2 = makeFrame(MainFrame::Frame2, form, QStringLiteral("Misc readings"), 120, 5640, 8055, 735, Frame4Colour);
    makeReading(Reading::Label6, f2, QStringLiteral("Volts 2"), 240, 240, 1575, VoltsColour);
    makeReading(Reading::Label7, f2, QStringLiteral("Volts 3"), 2160, 240, 1575, VoltsColour);
    makeReading(Reading::Label8, f2, QStringLiteral("Pulse 3"), 4320, 240, 1215, WindColour);
    makeReading(Reading::Label9, f2, QStringLiteral("Pulse 4"), 5640, 240, 1215, WindColour);
    makeReading(Reading::Label12, f2, QStringLiteral("Pulse 5"), 6840, 240, 1095, WindColour);

    // Watt-hour labels and "Pulse 3" have no click action.
    for (int i = 0; i < 4; ++i)
        reading(gv::whoursLabel(i))->setCursor(Qt::ArrowCursor);
    for (int i = 0; i < 8; ++i)
        reading(gv::label13(i))->setCursor(Qt::ArrowCursor);
    reading(Reading::Label8)->setCursor(Qt::ArrowCursor);

    setFixedSize(twips(FormWidthTwips), twips(6800 - NonClientTwips));
}

void Gyrovane::setLamp(QLabel* lamp, bool red)
{
    QPalette p = lamp->palette();
    p.setColor(QPalette::Window, red ? LampRed : LampGreen);
    lamp->setPalette(p);
    lamp->setProperty("red", red);
}

// ---------------------------------------------------------------- menus

void Gyrovane::buildMenus()
{
    QMenuBar* bar = menuBar();
    // Menu captions are meant literally: an "&" in them shows as written.
    auto item = [this](auto* m, const QString& caption, const char* name, auto handler) {
        QAction* a = m->addAction(gv::literalCaption(caption));
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };

    Configuration = bar->addMenu(QStringLiteral("Configure"));
    Configuration->setObjectName(QStringLiteral("Configuration"));
    for (int i = 0; i < 9; ++i) {
        setsystem[i] = Configuration->addAction(gv::literalCaption(qs(gv::systemMenuCaption(i))));
        setsystem[i]->setObjectName(QStringLiteral("setsystem%1").arg(i));
        setsystem[i]->setCheckable(true);
        connect(setsystem[i], &QAction::triggered, this, [this, i] { setsystem_Click(i); });
    }

    setup = bar->addMenu(QStringLiteral("Setup"));
    setup->setObjectName(QStringLiteral("setup"));
    SetupHardware = item(setup, QStringLiteral("setup Hardware"), "SetupHardware", &Gyrovane::SetupHardware_Click);

    // The four channel-setup submenus: one entry per system type.
    auto channelMenu = [&](const QString& caption, const char* name, std::array<QAction*, 9>& items,
                           const char* type1Caption, const char* itemName,
                           void (Gyrovane::*handler)(int)) {
        QMenu* m = setup->addMenu(caption);
        m->setObjectName(QLatin1String(name));
        const QString captions[9] = {QStringLiteral("1 Windmill"),
                                     QLatin1String(type1Caption),
                                     QStringLiteral("2 Windmills & solar & loads"),
                                     QStringLiteral("CurrentCost 3ch"),
                                     QStringLiteral("CurrentCost 6ch"),
                                     QStringLiteral("RE house & 4 DC loads"),
                                     QStringLiteral("RE house & 8 DC loads"),
                                     QStringLiteral("RE house, 4 DC, 4 AC loads"),
                                     QStringLiteral("ALL Channels")};
        for (int i = 0; i < 9; ++i) {
            items[i] = m->addAction(gv::literalCaption(captions[i]));
            items[i]->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(itemName)).arg(i));
            connect(items[i], &QAction::triggered, this, [this, handler, i] { (this->*handler)(i); });
        }
        return m;
    };
    setuplogging = channelMenu(QStringLiteral("Setup for Logger HARDWARE"), "setuplogging", logging,
                               "2 Windmills", "logging", &Gyrovane::logging_Click);
    channels2log = channelMenu(QStringLiteral("Setup Channels to LOG"), "channels2log", logTOfile,
                               "2 Windmill", "logTOfile", &Gyrovane::logTOfile_Click);
    setupGraphMENU = channelMenu(QStringLiteral("SetupGRAPHING channels"), "setupGraphMENU", graphing,
                                 "2 Windmill", "graphing", &Gyrovane::graphing_Click);
    setdisplaychannels = channelMenu(QStringLiteral("setup Display channels"), "setdisplaychannels",
                                     display, "2 Windmills", "display", &Gyrovane::display_Click);
    CALIBRATIONmenu = item(setup, QStringLiteral("Channel Calibration"), "CALIBRATIONmenu", &Gyrovane::CALIBRATIONmenu_Click);
    rawdatamenu = item(setup, QStringLiteral("raw DATA"), "rawdatamenu", &Gyrovane::rawdatamenu_Click);

    NOW = bar->addMenu(QStringLiteral("Now"));
    NOW->setObjectName(QStringLiteral("NOW"));
    plot = NOW->addMenu(QStringLiteral("Plot"));
    plot->setObjectName(QStringLiteral("plot"));
    plotwindmill1 = item(plot, QStringLiteral("1 Windmill #1"), "plotwindmill1", [this] { plotwindmill_Click(1); });
    plotwindmill2 = item(plot, QStringLiteral("1 Windmill #2"), "plotwindmill2", [this] { plotwindmill_Click(2); });
    plot2windmills = item(plot, QStringLiteral("2 Windmills"), "plot2windmills", [this] { plotwindmill_Click(3); });
    VUmeters = item(NOW, QStringLiteral("BarMeters"), "VUmeters", &Gyrovane::VUmeters_Click);
    batteryMonitor = item(NOW, QStringLiteral("Battery Monitor 1"), "batteryMonitor", &Gyrovane::batteryMonitor_Click);
    batteryMonitor2 = item(NOW, QStringLiteral("Battery Monitor 2"), "batteryMonitor2", &Gyrovane::batteryMonitor2_Click);
    maxMINS = item(NOW, QStringLiteral("Daily Max-Mins"), "maxMINS", &Gyrovane::maxMINS_Click);
    rawCOMMdatamenu = item(NOW, QStringLiteral("view Raw data"), "rawCOMMdatamenu", &Gyrovane::rawdatamenu_Click);

    history = bar->addMenu(QStringLiteral("history"));
    history->setObjectName(QStringLiteral("history"));
    graphingDEMO = item(history, QStringLiteral("graph DEMO"), "graphingDEMO", &Gyrovane::graphingDEMO_Click);
    PlotGraphGV = item(history, QStringLiteral("Windmills + DC"), "PlotGraphGV0", [this] { PlotGraphGV_Click(0); });
    PlotGraphCC = item(history, QStringLiteral("CurrentCost"), "PlotGraphCC2", [this] { PlotGraphCC_Click(2); });
    graphingCC_QF = item(history, QStringLiteral("CurrentCostQF"), "graphingCC_QF", &Gyrovane::graphingCC_QF_Click);
    PlotGraphRE = item(history, QStringLiteral("RE house"), "PlotGraphRE3", [this] { PlotGraphRE_Click(3); });
    PlotGraphML = item(history, QStringLiteral("PULSE and MISC logs"), "PlotGraphML4", [this] { PlotGraphML_Click(4); });

    Help = bar->addMenu(QStringLiteral("Help"));
    Help->setObjectName(QStringLiteral("Help"));
    Helpmenu = item(Help, QStringLiteral("General help"), "Helpmenu", &Gyrovane::Helpmenu_Click);
    // "COMM info" and "channel Groups" have no action.
    commInfohelp = Help->addAction(QStringLiteral("COMM info"));
    commInfohelp->setObjectName(QStringLiteral("commInfohelp"));
    channelHelp = Help->addAction(QStringLiteral("channel Groups"));
    channelHelp->setObjectName(QStringLiteral("channelHelp"));

    startMENU = item(bar, QStringLiteral("Start"), "startMENU", &Gyrovane::startMENU_Click);
    stopMENU = item(bar, QStringLiteral("Stop"), "stopMENU", &Gyrovane::stopMENU_Click);
    about = item(bar, QStringLiteral("About"), "about", &Gyrovane::about_Click);
    exitMENU = item(bar, QStringLiteral("Exit"), "exitMENU", &Gyrovane::exitmenu_Click);
}

// ---------------------------------------------------------------- engine

void Gyrovane::engineInit()
{
    acquisition_ = std::make_unique<gv::Acquisition>(g_, status_);
    acquisition_->afterPass = [this] { writeReadings(gv::showReadings(g_)); };
    logging_ = std::make_unique<gv::LoggingEngine>(g_, status_, ss(folder_));
}

// Shows what the engine reported through the shared status: a new failure
// turns the error lamp red (it stays red from then on) and shows it for one
// lamp-timer period; the status line shows the engine's text.
void Gyrovane::showEngineStatus()
{
    if (status_.errorLamp) {
        status_.errorLamp = false;
        logOKRed_ = true;
        setLamp(LogOK, true);
        LogOK->show();
        Timer2->setEnabled(true);
    }
    if (!status_.ErrorString.empty() && ErrorString->text() != qs(status_.ErrorString))
        ErrorString->setText(qs(status_.ErrorString));
    if (!status_.ErrorContext.empty())
        ErrorContext = qs(status_.ErrorContext);
}

// ---------------------------------------------------------------- start-up

void Gyrovane::Form_Load()
{
    // First-run work in the splash window, shown modally.
    frmSplash::showAtStartup(g_, folder_, this);
    // The logging timer ticks from here on.
    Timer1->setEnabled(true);
    // First configuration load.  A file that cannot be read here is reported
    // at once; the protected part below reports it again as a port problem.
    QString unread;
    if (!loadConfiguration(&unread))
        reportProblem(unread);
    // The caption waits for the first message; no summary timer, no lamps.
    setWindowTitle(QLatin1String(WaitingForData));
    Timer3->setEnabled(false);
    LogOK->hide();
    DataOK->hide();
    // Seed the minima and the temperature slots.
    gv::seedHighsAndLows(g_);
    // Clear the interval sums and the day's totals.
    for (int n = 1; n <= 16; ++n)
        g_.AccumulatedValue[n] = 0;
    for (int k = 1; k <= 8; ++k) {
        g_.AccumulatedWatts[k] = 0;
        g_.WattHours[k] = 0;
    }
    // A type above 8 (or below 0, which no layout knows) starts as type 0.
    if (g_.SystemType > 8 || g_.SystemType < 0)
        g_.SystemType = 0;
    // The type's caption, menu tick and layout.
    setsystem_Click(g_.SystemType);

    // From here on any failure ends the start-up with the port-problem
    // message.  The one message covers several causes, so the cause itself
    // goes to the error record and standard error.
    auto portProblem = [this](const QString& cause) {
        reportProblem(QStringLiteral("start-up stopped: ") + cause);
        gv::showMessage(this, qs(gv::commsProblemMessage()));
    };
    // Second configuration load.
    if (!loadConfiguration(&unread)) {
        portProblem(unread);
        return;
    }
    // The serial port opens.
    const bool portOpened = openPort();
    const QString portCause = portOpened ? QString() : portFailureText();
    // Today's totals and highs from today's log files.  They come from the
    // log, not the device, so they are rebuilt whether the port opened or
    // not: a port set right later under Setup, or one that opens late, must
    // not close the day with the morning missing.
    const gv::DayRestoreResult restored = logging_->restoreDay(gv::localNow());
    if (restored.readFailed) {
        portProblem(QStringLiteral("today's log file could not be read: ") + qs(restored.failedFile));
        return;
    }
    if (restored.defaultIntervalUsed)
        gv::showMessage(this, QLatin1String(gv::DefaultIntervalNotice));
    // Without its port the start-up ends here, unless logging starts by
    // itself: then nobody may be at the screen (a restart after a power
    // cut) and the device may come late (a USB adapter plugged in after
    // start-up), so the start-up goes on and the port is tried again until
    // it opens.  The message still tells of the problem, at the end.
    const bool waitForPort = !portOpened && g_.LogOn == 1;
    if (!portOpened && !waitForPort) {
        portProblem(portCause);
        return;
    }
    if (waitForPort) {
        // A device that comes late is no failure: standard error hears of
        // it, the error lamp stays for failures that last.
        gv::EngineStatus::notify(ss(portCause + QStringLiteral("; trying again until it opens")));
        MSComm1->keepTryingToOpen();
    }
    // The automatic start of logging: an interval that is a number is
    // brought into 1..600, then the Start item runs; one that is not a
    // number starts nothing and shows no message.
    if (g_.LogOn == 1) {
        if (gv::isNumeric(ss(delay->text()))) {
            const double v = gv::leadingNumber(ss(delay->text()));
            if (v > 600)
                delay->setText(QStringLiteral("600"));
            else if (v < 1)
                delay->setText(QStringLiteral("1"));
            startMENU_Click();
            // Nobody may be at the screen (a restart after a power cut):
            // logging waits for the device's first message.
            autoStarted_ = true;
        }
    } else {
        stopMENU_Click();
    }
    // Third configuration load: the timer runs at LogDelay and the interval
    // box is locked.
    if (!loadConfiguration(&unread)) {
        portProblem(unread);
        return;
    }
    // The retries go on while the message waits for its OK.
    if (waitForPort)
        gv::showMessage(this, qs(gv::commsProblemMessage()));
}

// Why the port did not open, with the device it stands for and the system's
// reason: "Permission denied" (the user may not use serial devices),
// "No such file or directory" (nothing plugged in there, or a wrong link).
QString Gyrovane::portFailureText() const
{
    QString device = MSComm1->devicePath();
    const QFileInfo entry(device);
    if (entry.isSymLink())
        device += QStringLiteral(" -> ") + entry.symLinkTarget();
    return QStringLiteral("serial port %1 (%2) did not open: %3")
        .arg(MSComm1->commPort())
        .arg(device, MSComm1->errorString());
}

// Trouble the user cannot see in the window: kept in the error record and
// written to standard error, where a user who started the program from a
// terminal reads it.
void Gyrovane::reportProblem(const QString& line)
{
    status_.recordError(ss(line));
    gv::EngineStatus::notify(ss(line));
}

bool Gyrovane::openPort()
{
    MSComm1->setPortOpen(false);
    const int port = static_cast<int>(gv::roundHalfEven(g_.Port));
    if (!MSComm1->setCommPort(port))
        return false;
    if (!MSComm1->setSettings(qs(gv::numberText(g_.BaudRate)) + QStringLiteral(",N,8,1")))
        return false;
    MSComm1->setInputLen(0);
    if (!MSComm1->setPortOpen(true))
        return false;
    acquisition_->portOpened();
    return true;
}

bool Gyrovane::loadConfiguration(QString* failure)
{
    const gv::ConfigLoadResult r = gv::loadConfiguration(g_, ss(folder_));
    if (failure)
        *failure = qs(r.failureText());
    // Items missing from a damaged file, once per run (the start-up loads three times).
    for (const std::string& m : r.missingItems)
        if (missingItemsReported_.insert(m).second)
            reportProblem(qs(m));
    delay->setEnabled(true);
    delay->setText(qs(r.delayText));
    Label1->setText(qs(r.portCaption));
    Timer1->setInterval(r.loggingIntervalMs);
    delay->setEnabled(false);
    ErrorString->setVisible(ErrorLogEnabled == 1);
    return r.allRead();
}

// A failure is recorded and shown, and the caller goes on: Exit still closes
// and a new type is still laid out; only the file could not keep the settings.
void Gyrovane::writeSettings()
{
    std::string error;
    if (!gv::writeHardwareCfg(g_, ss(folder_), &error)) {
        status_.recordError("hardware.cfg not written: " + error);
        gv::showMessage(this, QStringLiteral("hardware.cfg could not be written\r\n\r\n") + qs(error));
    }
}

void Gyrovane::exitmenu_Click()
{
    writeSettings();
    close();
}

void Gyrovane::closeEvent(QCloseEvent* e)
{
    // Unloading: the timers stop, the port closes and the owned windows close.
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    Timer3->setEnabled(false);
    MSComm1->setPortOpen(false);
    const auto children = findChildren<QWidget*>();
    for (QWidget* w : children)
        if (w->isWindow() && w->isVisible())
            w->close();
    e->accept();
}

// ---------------------------------------------------------------- system types

void Gyrovane::setsystem_Click(int Index)
{
    g_.SystemType = static_cast<std::int16_t>(Index);
    Label15->setText(QStringLiteral("Systemtype %1").arg(g_.SystemType));
    writeSettings();
    const gv::SystemLayout l = gv::systemLayout(g_, Index);
    if (!l.applied)
        return;
    if (Index == 9)
        g_.SystemType = 0;
    applyLayout(l);
}

void Gyrovane::applyLayout(const gv::SystemLayout& l)
{
    Label11->setText(l.title.empty() ? QStringLiteral("Gyrovane") : qs(l.title));
    // The longest titles take a smaller size of the title font to fit.
    QFont tf = Label11->font();
    for (int px = 22; px >= 12; --px) {
        tf.setPixelSize(px);
        if (QFontMetrics(tf).horizontalAdvance(Label11->text()) <= Label11->width())
            break;
    }
    Label11->setFont(tf);
    QAction* tools[gv::ToolMenuCount] = {plotwindmill1, plotwindmill2, plot2windmills, VUmeters, batteryMonitor};
    for (int m = 0; m < gv::ToolMenuCount; ++m)
        tools[m]->setEnabled(l.toolMenus[m]);
    for (int i = 0; i < 9; ++i) {
        setsystem[i]->setChecked(false);
        logging[i]->setEnabled(false);
        logTOfile[i]->setEnabled(false);
        graphing[i]->setEnabled(false);
        display[i]->setEnabled(false);
    }
    setsystem[l.type]->setChecked(true);
    logging[l.type]->setEnabled(true);
    logTOfile[l.type]->setEnabled(true);
    graphing[l.type]->setEnabled(true);
    display[l.type]->setEnabled(true);
    NOW->setEnabled(true);
    NOW->menuAction()->setEnabled(true);
    setup->setEnabled(true);
    setup->menuAction()->setEnabled(true);
    setFixedSize(twips(FormWidthTwips), twips(l.heightTwips - NonClientTwips));

    for (int f = 0; f < gv::MainFrameCount; ++f) {
        const gv::FrameChange& c = l.frames[f];
        gv::FrameBox* fr = frames[f];
        if (c.caption)
            fr->setCaption(qs(*c.caption));
        if (c.topTwips)
            fr->move(fr->x(), twips(*c.topTwips));
        if (c.visible)
            fr->setVisible(*c.visible);
    }
    for (int r = 0; r < gv::ReadingCount; ++r) {
        if (l.captions[r])
            readings[r]->setText(qs(*l.captions[r]));
        if (l.visible[r])
            readings[r]->setVisible(*l.visible[r]);
    }
}

void Gyrovane::writeReadings(const gv::LabelTexts& texts)
{
    for (const auto& [r, text] : texts)
        reading(r)->setText(qs(text));
}

// ---------------------------------------------------------------- serial port

void Gyrovane::MSComm1_OnComm()
{
    const QByteArray bytes = MSComm1->Input();
    MSComm1->setInBufferCount(0);
    receiveText(bytes);
}

void Gyrovane::receiveText(const QByteArray& bytes)
{
    acquisition_->check1 = Check1->isChecked();
    const gv::Acquisition::Received r = acquisition_->onReceive(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), steadySeconds());
    if (r.framed > 0) {
        const int type = g_.SystemType;
        const bool logger = type != 3 && type != 4;
        if (logger) {
            MessageText = qs(acquisition_->messageText());
            Label2->setText(MessageText);
        }
        Timer2->setEnabled(true);
        setLamp(DataOK, false);
        DataOK->show();
        Timer3->setEnabled(true);
    }
    if (r.calculated > 0) {
        ErrorContext = QStringLiteral("calculations error");
        dataSeen_ = true;
        goodDATAcounter->setText(qs(gv::numberText(g_.goodDATAcount)));
        if (!acquisition_->caption().empty())
            setWindowTitle(qs(acquisition_->caption()));
    }
    showEngineStatus();
}

void Gyrovane::Timer2_Timer()
{
    LogOK->hide();
    DataOK->hide();
    acquisition_->lampTimerTick();
    Timer2->setEnabled(false);
}

void Gyrovane::onDeviceLost()
{
    // The device went away: keep running, say so where it shows, and let the
    // port look for the device again.  The logging tick carries on with the
    // previous values, so nothing logged so far is lost.
    label2BeforeLoss_ = Label2->text();
    captionBeforeLoss_ = windowTitle();
    reportProblem(QStringLiteral("serial device lost: ") + MSComm1->errorString());
    Label2->setText(QLatin1String(gv::CommsProblemLabel));
    setWindowTitle(QLatin1String(gv::CommsProblemLabel));
    showEngineStatus();
}

void Gyrovane::onDeviceBack()
{
    acquisition_->portOpened();
    gv::EngineStatus::notify(
        ss(QStringLiteral("serial port %1 (%2) is open").arg(MSComm1->commPort()).arg(MSComm1->devicePath())));
    if (Label2->text() == QLatin1String(gv::CommsProblemLabel))
        Label2->setText(label2BeforeLoss_);
    if (windowTitle() == QLatin1String(gv::CommsProblemLabel))
        setWindowTitle(captionBeforeLoss_);
}

// ---------------------------------------------------------------- logging

void Gyrovane::Timer1_Timer() { Timer1_Timer(gv::localNow()); }

void Gyrovane::Timer1_Timer(const gv::LocalTime& now)
{
    Timer2->setEnabled(true);
    Timer3->setEnabled(false);
    setLamp(LogOK, logOKRed_);
    LogOK->show();

    gv::TickInput in;
    in.now = now;
    in.dataSeen = dataSeen_;
    in.waitForDevice = autoStarted_;
    in.delayText = ss(delay->text());
    const gv::TickResult r = logging_->tick(in);
    if (r.noDataYet) {
        gv::showMessage(this, QLatin1String(gv::NoDataYetMessage));
        stopMENU_Click();
        return;
    }
    if (!r.goodDATAcounterText.empty())
        goodDATAcounter->setText(qs(r.goodDATAcounterText));
    // The tick books the interval's energy: show it now, not at the next
    // message, which may be long in coming when the device has stopped.
    writeReadings(gv::showWattHours(g_));
    showEngineStatus();
    Timer1->setEnabled(true);
}

void Gyrovane::Timer3_Timer() { Timer3_Timer(gv::localNow()); }

void Gyrovane::Timer3_Timer(const gv::LocalTime& now)
{
    logging_->summaryTimer(now);
    showEngineStatus();
}

void Gyrovane::startMENU_Click()
{
    const gv::StartLogging s = gv::checkLoggingInterval(ss(delay->text()));
    if (!s.accepted) {
        gv::showMessage(this, QLatin1String(gv::InvalidDelayMessage));
        return;
    }
    autoStarted_ = false;
    delay->setText(qs(s.delayText));
    // The typed interval becomes the logging interval, as the settings
    // dialog would set it: the records' <L>, the watt-hours and the hourly
    // files then agree with the timer, and Exit keeps it.
    g_.LogDelay = gv::leadingNumber(s.delayText);
    Timer1->setInterval(s.timerIntervalMs);
    delay->setEnabled(false);
    setup->setEnabled(false);
    setup->menuAction()->setEnabled(false);
    startMENU->setEnabled(false);
    stopMENU->setEnabled(true);
    gv::startLogging(g_);
}

void Gyrovane::stopMENU_Click()
{
    autoStarted_ = false;
    startMENU->setEnabled(true);
    setup->setEnabled(true);
    setup->menuAction()->setEnabled(true);
    delay->setEnabled(true);
    stopMENU->setEnabled(false);
    gv::stopLogging(g_);
}

// ---------------------------------------------------------------- maxima

void Gyrovane::readingClicked(Reading r)
{
    writeReadings(gv::maximumClick(g_, r, TempMaxShown));
}

void Gyrovane::Check1_Click()
{
    Check1->setText(qs(gv::check1Caption(Check1->isChecked())));
}

// ---------------------------------------------------------------- menus

namespace {

// Shows a window modally with the main window as owner and returns when it
// has been closed.  Dialogs go through the platform's modal-dialog layer.
void showModal(QWidget* w)
{
    if (auto* d = qobject_cast<QDialog*>(w)) {
        gv::execDialog(d);
        return;
    }
    w->setWindowFlag(Qt::Window, true);
    w->setWindowModality(Qt::ApplicationModal);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    QEventLoop loop;
    QObject::connect(w, &QObject::destroyed, &loop, &QEventLoop::quit);
    struct Closer : QObject {
        QEventLoop* loop;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Hide || e->type() == QEvent::Close)
                loop->quit();
            return false;
        }
    } closer;
    closer.loop = &loop;
    w->installEventFilter(&closer);
    w->show();
    loop.exec();
    w->removeEventFilter(&closer);
}

} // namespace

template <typename Window, typename... Args>
static void openModal(Gyrovane* owner, Args&&... args)
{
    Window w(std::forward<Args>(args)..., owner);
    showModal(&w);
}

// Opens a live window: one instance, owned by the main window and shown
// modelessly.  Choosing it again while it is open brings that instance to the
// front as it stands (a minimised one is restored first, or the menu would
// seem to do nothing).  The window deletes itself when closed, so the slot
// empties and the next choice loads it afresh.
template <typename Window, typename... Args>
static void openModeless(QPointer<QWidget>& slot, Gyrovane* owner, Args&&... args)
{
    if (!slot) {
        auto* w = new Window(std::forward<Args>(args)..., owner);
        w->setWindowFlag(Qt::Window, true);
        w->setAttribute(Qt::WA_DeleteOnClose, true);
        slot = w;
    }
    slot->setWindowState(slot->windowState() & ~Qt::WindowMinimized);
    slot->show();
    slot->raise();
    slot->activateWindow();
}

void Gyrovane::SetupHardware_Click()
{
    MSComm1->setPortOpen(false);
    openModal<ProgramSetup>(this, g_, folder_);
    if (openPort()) {
        loadConfiguration();
        return;
    }
    // With the automatic start the port waits for its device, as at start-up
    // (a USB adapter plugged in after the setup): it is tried again until it
    // opens, and the settings just saved, the tick among them, apply
    // meanwhile.
    loadConfiguration();
    if (g_.LogOn == 1) {
        gv::EngineStatus::notify(ss(portFailureText() + QStringLiteral("; trying again until it opens")));
        MSComm1->keepTryingToOpen();
        return;
    }
    // Otherwise the handler ends here without a message box; the reason goes
    // to the error record.
    reportProblem(portFailureText());
}

template <typename Editor>
static void runChannelEditor(Gyrovane* w, gv::Global_Declarations& g, int Index, QLabel* label15)
{
    g.SystemType = static_cast<std::int16_t>(Index);
    label15->setText(QStringLiteral("Systemtype %1").arg(g.SystemType));
    openModal<Editor>(w, g, w->programFolder());
    w->setsystem_Click(g.SystemType);
    w->loadConfiguration();
}

void Gyrovane::logging_Click(int Index) { runChannelEditor<setupHARDWAREchannels>(this, g_, Index, Label15); }
void Gyrovane::logTOfile_Click(int Index) { runChannelEditor<setupLOGGINGchannels>(this, g_, Index, Label15); }
void Gyrovane::graphing_Click(int Index) { runChannelEditor<setupGRAPHINGchannels>(this, g_, Index, Label15); }
void Gyrovane::display_Click(int Index) { runChannelEditor<setupDISPLAYchannels>(this, g_, Index, Label15); }

void Gyrovane::CALIBRATIONmenu_Click() { openModal<CALIBRATION>(this, g_, folder_); }

void Gyrovane::rawdatamenu_Click()
{
    if (g_.RawCommsOpen == 0) {
        g_.RawCommsOpen = 1;
        openModeless<rawCOMMS>(rawCOMMS_, this, g_);
        g_.RawCommsOpen = 0;
    }
}

void Gyrovane::plotwindmill_Click(int mode)
{
    if (g_.PlotMode < 1) {
        g_.PlotMode = mode;
        openModeless<plotDiagnostics>(plotDiagnostics_, this, g_);
        g_.PlotMode = 0;
    }
}

void Gyrovane::VUmeters_Click() { openModeless<BarGraphs>(barGraphs_, this, g_); }

void Gyrovane::batteryMonitor_Click()
{
    if (g_.BattMonitorOpen == 0) {
        g_.BattMonitorOpen = 1;
        openModeless<BATTMonitor>(battMonitor_, this, g_);
    }
    g_.BattMonitorOpen = 0;
}

void Gyrovane::batteryMonitor2_Click()
{
    openModeless<BATTMonitor2>(battMonitor2_, this, g_);
    g_.BattMonitorOpen = 0;
}

void Gyrovane::maxMINS_Click() { openModeless<dailyMaximums>(dailyMaximums_, this, g_); }

void Gyrovane::graphingDEMO_Click() { openModal<GraphDEMO>(this, g_, folder_); }

void Gyrovane::PlotGraphGV_Click(int)
{
    if (g_.SystemType > 0)
        openModal<GraphGV>(this, g_, folder_);
}

void Gyrovane::PlotGraphCC_Click(int)
{
    if (g_.SystemType > 0)
        openModal<GraphCC>(this, g_, folder_);
}

void Gyrovane::graphingCC_QF_Click()
{
    if (g_.SystemType != 0)
        openModal<GraphCC_QF>(this, g_, folder_);
}

void Gyrovane::PlotGraphRE_Click(int)
{
    if (g_.SystemType > 0)
        openModal<GraphRE>(this, g_, folder_);
}

void Gyrovane::PlotGraphML_Click(int)
{
    if (g_.SystemType > 0)
        openModal<GraphML>(this, g_, folder_);
}

void Gyrovane::Helpmenu_Click() { openModal<info>(this, folder_); }
void Gyrovane::about_Click() { openModal<frmAbout>(this); }

// ---------------------------------------------------------------- error trap

void Gyrovane::trapError(const QString& errorText)
{
    status_.ErrorContext = ss(ErrorContext);
    gv::trapError(status_, ss(folder_), gv::localNow(), ss(errorText), ss(MessageText), ErrorLogEnabled == 1);
    ErrorString->setText(qs(status_.ErrorString));
    gv::setTextColour(ErrorString, LampRed);
    status_.errorLamp = false;
    logOKRed_ = true;
    setLamp(LogOK, true);
    Timer2->setEnabled(true);
}

void Gyrovane::warnCommsProblem()
{
    Label2->setText(QLatin1String(gv::CommsProblemLabel));
    gv::showMessage(this, qs(gv::commsProblemMessage()));
}
