#pragma once
// The main window: start-up and shutdown, the layout of the nine system
// types, the serial port and its receive event, the live readings and their
// maxima, the logging timers, Start and Stop, and the menus that open every
// other window.  The engine (acquisition, calculation, logging) does the work;
// this window shows its results.

#include "app/EngineStatus.h"
#include "app/MainLayout.h"
#include "shared/Global_Declarations.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <set>
#include <string>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;

namespace gv {
class ClickLabel;
class CommPort;
class FormTimer;
class FrameBox;
class Acquisition;
class LoggingEngine;
struct LocalTime;
} // namespace gv

class Gyrovane : public QMainWindow {
    Q_OBJECT
public:
    // `g` and `status` belong to the caller and outlive the window.  The
    // program folder defaults to gv::programFolder().
    Gyrovane(gv::Global_Declarations& g, gv::EngineStatus& status, QWidget* parent = nullptr,
             const QString& programFolder = QString());
    ~Gyrovane() override;

    QString programFolder() const { return folder_; }

    // ---- start-up, configuration, shutdown ----
    // Starts the program; main() has taken the program folder (FolderLock)
    // before the window was made.
    void Form_Load();
    // Fills the shared state from the three files and shows the interval,
    // the port and the logging timer's period; false when a file could not be
    // read, with the files and the system's reasons in *failure.
    bool loadConfiguration(QString* failure = nullptr);
    void exitmenu_Click();

    // ---- system types ----
    void setsystem_Click(int Index);

    // ---- serial port ----
    void MSComm1_OnComm();
    void Timer2_Timer();
    // Handles one piece of received text as if the port had delivered it,
    // at steadySeconds().
    void receiveText(const QByteArray& bytes);

    // ---- logging ----
    // The timers' handlers run at the local time now, or at `now`.
    void Timer1_Timer();
    void Timer1_Timer(const gv::LocalTime& now);
    void Timer3_Timer();
    void Timer3_Timer(const gv::LocalTime& now);
    void startMENU_Click();
    void stopMENU_Click();

    // ---- maxima clicks ----
    void readingClicked(gv::Reading r);
    void Check1_Click();

    // ---- menus ----
    void SetupHardware_Click();
    void logging_Click(int Index);
    void logTOfile_Click(int Index);
    void graphing_Click(int Index);
    void display_Click(int Index);
    void CALIBRATIONmenu_Click();
    void rawdatamenu_Click();
    void plotwindmill_Click(int mode); // 1, 2 or 3
    void VUmeters_Click();
    void batteryMonitor_Click();
    void batteryMonitor2_Click();
    void maxMINS_Click();
    void graphingDEMO_Click();
    void PlotGraphGV_Click(int Index);
    void PlotGraphCC_Click(int Index);
    void graphingCC_QF_Click();
    void PlotGraphRE_Click(int Index);
    void PlotGraphML_Click(int Index);
    void Helpmenu_Click();
    void about_Click();

    // ---- error trap and comms notice ----
    void trapError(const QString& errorText);
    void warnCommsProblem();

    // ---- controls (named as the program's other windows and tests know them) ----
    QLabel* Label11 = nullptr;  // title
    QLabel* Label14 = nullptr;  // "Logging Interval"
    QLineEdit* delay = nullptr;
    QLabel* Label10 = nullptr;  // "Secs"
    QLabel* goodDATAcounter = nullptr;
    QLabel* Label1 = nullptr;   // port
    QLabel* Label15 = nullptr;  // system type
    QLabel* Label16 = nullptr;  // "Click data cells for Maximums"
    QLabel* DataOK = nullptr;
    QLabel* LogOK = nullptr;
    QLabel* Label2 = nullptr;   // raw data string
    QLabel* ErrorString = nullptr;
    QLabel* filename = nullptr;
    QCheckBox* Check1 = nullptr;

    std::array<gv::FrameBox*, gv::MainFrameCount> frames{};
    std::array<gv::ClickLabel*, gv::ReadingCount> readings{};
    gv::FrameBox* frame(gv::MainFrame f) const { return frames[static_cast<int>(f)]; }
    gv::ClickLabel* reading(gv::Reading r) const { return readings[static_cast<int>(r)]; }

    // Menus.
    QMenu* Configuration = nullptr;
    QMenu* setup = nullptr;
    QMenu* setuplogging = nullptr;
    QMenu* channels2log = nullptr;
    QMenu* setupGraphMENU = nullptr;
    QMenu* setdisplaychannels = nullptr;
    QMenu* NOW = nullptr;
    QMenu* plot = nullptr;
    QMenu* history = nullptr;
    QMenu* Help = nullptr;
    std::array<QAction*, 9> setsystem{};
    std::array<QAction*, 9> logging{};
    std::array<QAction*, 9> logTOfile{};
    std::array<QAction*, 9> graphing{};
    std::array<QAction*, 9> display{};
    QAction* SetupHardware = nullptr;
    QAction* CALIBRATIONmenu = nullptr;
    QAction* rawdatamenu = nullptr;
    QAction* plotwindmill1 = nullptr;
    QAction* plotwindmill2 = nullptr;
    QAction* plot2windmills = nullptr;
    QAction* VUmeters = nullptr;
    QAction* batteryMonitor = nullptr;
    QAction* batteryMonitor2 = nullptr;
    QAction* maxMINS = nullptr;
    QAction* rawCOMMdatamenu = nullptr;
    QAction* graphingDEMO = nullptr;
    QAction* PlotGraphGV = nullptr;
    QAction* PlotGraphCC = nullptr;
    QAction* graphingCC_QF = nullptr;
    QAction* PlotGraphRE = nullptr;
    QAction* PlotGraphML = nullptr;
    QAction* Helpmenu = nullptr;
    QAction* commInfohelp = nullptr;
    QAction* channelHelp = nullptr;
    QAction* startMENU = nullptr;
    QAction* stopMENU = nullptr;
    QAction* about = nullptr;
    QAction* exitMENU = nullptr;

    gv::FormTimer* Timer1 = nullptr; // logging tick
    gv::FormTimer* Timer2 = nullptr; // lamp-off
    gv::FormTimer* Timer3 = nullptr; // daily summary
    gv::CommPort* MSComm1 = nullptr;

    // The window's own state.
    int TempMaxShown = 0;
    int ErrorLogEnabled = 0;     // nothing switches the error log file on
    QString ErrorContext;
    QString MessageText;         // the last framed logger message
    bool dataSeen() const { return dataSeen_; }
    // The time of each read on a steady clock (any origin, never set back),
    // for the 128's silent sensors: seconds since the window was made.
    std::function<double()> steadySeconds;

    // The port-problem message of the start-up.
    static QString portProblemText();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void buildWidgets();
    void buildMenus();
    void applyLayout(const gv::SystemLayout& l);
    void writeReadings(const gv::LabelTexts& texts);
    bool openPort();
    void writeSettings(); // hardware.cfg from the shared settings
    QString portFailureText() const;
    void reportProblem(const QString& line);
    void setLamp(QLabel* lamp, bool red);
    void engineInit();
    void showEngineStatus();
    void onDeviceLost();
    void onDeviceBack();

    gv::Global_Declarations& g_;
    gv::EngineStatus& status_;
    QString folder_;
    std::unique_ptr<gv::Acquisition> acquisition_;
    std::unique_ptr<gv::LoggingEngine> logging_;
    QElapsedTimer clock_;          // steadySeconds() unless replaced
    bool dataSeen_ = false;        // a message has been calculated since start-up
    bool autoStarted_ = false;     // logging was started by the start-up, not from the menu
    bool logOKRed_ = false;        // once red, the error lamp stays red
    std::set<std::string> missingItemsReported_; // told once per run
    QString captionBeforeLoss_;
    QString label2BeforeLoss_;

    // Modeless windows, kept so a second click only brings them to the front.
    QPointer<QWidget> plotDiagnostics_;
    QPointer<QWidget> barGraphs_;
    QPointer<QWidget> battMonitor_;
    QPointer<QWidget> battMonitor2_;
    QPointer<QWidget> dailyMaximums_;
    QPointer<QWidget> rawCOMMS_;
};
