// The main window headless: start-up, layouts, live readings, logging start
// and stop, menus and shutdown.  Message boxes and modal dialogs are answered
// through the platform hooks.
#include "app/ui/Gyrovane.h"

#include "config/FirstRun.h"
#include "config/ui/CALIBRATION.h"
#include "live/ui/dailyMaximums.h"
#include "live/ui/plotDiagnostics.h"
#include "platform/ClickLabel.h"
#include "platform/CommPort.h"
#include "platform/FolderLock.h"
#include "platform/FormTimer.h"
#include "platform/FrameBox.h"
#include "platform/MessageBoxes.h"
#include "platform/Twips.h"
#include "shared/ConfigFiles.h"
#include "shared/FileIO.h"
#include "shared/LocalTime.h"
#include "shared/NumberPicture.h"
#include "support/current_cost_messages.h"
#include "support/pty_pair.h"
#include "support/test_paths.h"

#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QDialog>
#include <QDirIterator>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

#include <sys/stat.h>

using gv::MainFrame;
using gv::Reading;

namespace {

std::string readText(const QString& path) { return gv::readWholeFile(path.toStdString()).value_or(""); }

void setItem(const QString& folder, const QString& file, const QString& key, const QString& value)
{
    const QString path = folder + "/" + file;
    QString text = QString::fromStdString(readText(path));
    const QRegularExpression re("<" + key + ">.*</" + key + ">");
    ASSERT_TRUE(text.contains(re)) << key.toStdString();
    text.replace(re, "<" + key + ">" + value + "</" + key + ">");
    ASSERT_TRUE(gv::writeFileAtomic(path.toStdString(), text.toStdString()));
}

// A program folder with the first-run files, every channel present and
// displayed, a port number that cannot exist on this machine.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path();
        gv::createMissingFiles(folder.toStdString());
        gv::Global_Declarations all;
        gv::loadChannelsCfg(all, gv::defaultChannelsText());
        for (int c = 1; c <= 24; ++c) {
            all.enableDISPLAY[c] = 1;
            all.HARDWAREenabled[c] = 1;
        }
        ASSERT_TRUE(gv::writeChannelsCfg(all, folder.toStdString()));
        // Port 3 is a pseudo-terminal that the test can feed.
        pty = std::make_unique<gvtest::LocalPty>(folder + "/COM3");
        ASSERT_TRUE(pty->ok());
        gv::setMessageHook([this](const gv::ShownMessage& m) { messages.push_back(m.text); });
        gv::setDialogHook([this](QDialog* d) {
            dialogs.push_back(d->objectName().isEmpty() ? QString::fromLatin1(d->metaObject()->className())
                                                        : d->objectName());
            return 0;
        });
    }
    void TearDown() override
    {
        w.reset();
        gv::setMessageHook({});
        gv::setDialogHook({});
    }

    Gyrovane& start()
    {
        w = std::make_unique<Gyrovane>(g, status, nullptr, folder);
        w->Form_Load();
        return *w;
    }

    bool shown(MainFrame f) const { return w->frame(f)->isVisibleTo(w.get()); }
    bool shown(Reading r) const { return w->reading(r)->isVisibleTo(w.get()); }
    QString text(Reading r) const { return w->reading(r)->text(); }

    QTemporaryDir dir;
    QString folder;
    gv::Global_Declarations g;
    gv::EngineStatus status;
    std::unique_ptr<gvtest::LocalPty> pty;
    std::unique_ptr<Gyrovane> w;
    QStringList messages;
    QStringList dialogs;
};

} // namespace

TEST_F(MainWindowTest, StartsWithATypeAboveEightAsTypeZeroAndRewritesTheSettings)
{
    setItem(folder, "hardware.cfg", "SystemType", "12");
    Gyrovane& win = start();
    EXPECT_EQ(dialogs.value(0), "frmSplash");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(win.MSComm1->portOpen());
    EXPECT_EQ(g.SystemType, 0);
    EXPECT_EQ(win.Label15->text(), "Systemtype 0");
    EXPECT_TRUE(win.setsystem[0]->isChecked());
    EXPECT_FALSE(win.setsystem[4]->isChecked());
    const std::string cfg = readText(folder + "/hardware.cfg");
    EXPECT_NE(cfg.find("<SystemType>0</SystemType>"), std::string::npos);
    EXPECT_NE(cfg.find("<M>10</M>\r\n<J>10</J>\r\n<Z>10</Z>"), std::string::npos) << cfg;
    EXPECT_EQ(win.windowTitle(), "Waiting for Data");
    EXPECT_EQ(g.MaxMin[24], 1000);
    EXPECT_EQ(g.MaxMin[28], 100);
    EXPECT_EQ(g.MaxMin[30], 100);
    EXPECT_EQ(g.MaxMin[27], 0);
}

TEST_F(MainWindowTest, AHardwareFileCutShortIsWrittenBackWholeAndItsGapsRecordedOnce)
{
    const std::string path = folder.toStdString() + "/hardware.cfg";
    std::string text = gvtest::readFile(path);
    text.resize(text.find("<WSUnits>m/s") + 12);
    gvtest::writeFile(path, text);
    testing::internal::CaptureStderr();
    start();
    const std::string err = testing::internal::GetCapturedStderr();
    const std::string back = gvtest::readFile(path);
    EXPECT_NE(back.find("<BaudRate>4800</BaudRate>"), std::string::npos) << back;
    EXPECT_NE(back.find("<WSUnits>m/s</WSUnits>"), std::string::npos) << back;
    EXPECT_NE(back.find("<PersonalString>Personal Program NAME</PersonalString>"), std::string::npos) << back;
    const auto named = std::count_if(status.errors.begin(), status.errors.end(), [](const std::string& e) {
        return e.find("hardware.cfg") != std::string::npos && e.find("BaudRate") != std::string::npos;
    });
    EXPECT_EQ(named, 1) << "the start-up loads three times but records the gap once";
    EXPECT_NE(err.find("BaudRate"), std::string::npos) << err;
}

TEST_F(MainWindowTest, APortThatDoesNotExistGivesOneMessageAndNoLoggingButRestoresTheDay)
{
    setItem(folder, "hardware.cfg", "Port", "77");
    setItem(folder, "hardware.cfg", "SystemType", "1");
    // Today's totals come from today's log file, not from the device: they
    // are rebuilt though the port fails, so the day's line misses nothing.
    const std::string day = gv::dayName(gv::localNow());
    gv::appendToFile(folder.toStdString() + "/logs/GV_" + day + ".txt",
                     "<T>10:00</T><L>600</L><V1>13.00</V1><A1>10.0</A1>\r\n");
    testing::internal::CaptureStderr();
    Gyrovane& win = start();
    const std::string err = testing::internal::GetCapturedStderr();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], Gyrovane::portProblemText());
    EXPECT_EQ(messages[0], "There is a possible Port Number problem. Check available PORTS\r\n\r\nRUN SETUP HARDWARE MENU");
    EXPECT_EQ(g.LoggingOn, 0);
    EXPECT_FALSE(win.MSComm1->portOpen());
    EXPECT_NEAR(g.WattHours[1], 600 * 130.0 / 3600, 1e-9);
    EXPECT_EQ(win.windowTitle(), "Waiting for Data");
    EXPECT_TRUE(win.Timer1->Enabled());
    EXPECT_EQ(win.Label1->text(), "Port Number  77");

    // The message box names no cause; the error record and standard error
    // carry the device and the system's reason.
    const std::string why = "start-up stopped: serial port 77 (/dev/ttyS76) did not open: No such file or directory";
    ASSERT_FALSE(status.errors.empty());
    EXPECT_EQ(status.errors.back(), why);
    EXPECT_NE(err.find("Gyrovane: " + why + "\n"), std::string::npos) << err;

    // The settings dialog's reopen fails silently but says why, naming the
    // device a COMn link stands for.
    const QString device = folder + "/no-such-device";
    ASSERT_TRUE(QFile::link(device, folder + "/COM5"));
    g.Port = 5;
    setItem(folder, "hardware.cfg", "Port", "5");
    messages.clear();
    testing::internal::CaptureStderr();
    win.SetupHardware_Click();
    const std::string err2 = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_FALSE(win.MSComm1->portOpen());
    const std::string why2 = "serial port 5 (" + (folder + "/COM5 -> " + device).toStdString() +
                             ") did not open: No such file or directory";
    EXPECT_EQ(status.errors.back(), why2);
    EXPECT_NE(err2.find(why2), std::string::npos) << err2;
}

TEST_F(MainWindowTest, AnAutomaticStartWaitsForAPortThatAppearsLate)
{
    setItem(folder, "hardware.cfg", "Port", "4");
    setItem(folder, "hardware.cfg", "LogOn", "1");
    setItem(folder, "hardware.cfg", "LogDelay", "20");
    setItem(folder, "hardware.cfg", "SystemType", "1");
    const QString log = folder + "/logs/GV_" + QString::fromStdString(gv::dayName(gv::localNow())) + ".txt";
    // No COM4 link at start-up and nothing behind the fallback: the link of
    // a USB adapter plugged in late appears while the message waits.
    std::unique_ptr<gvtest::LocalPty> late;
    auto startWith = [&](bool linkAppears) {
        w = std::make_unique<Gyrovane>(g, status, nullptr, folder);
        w->MSComm1->setFallbackPrefix(folder + "/ttyS");
        w->MSComm1->setReopenInterval(100);
        gv::setMessageHook([&, linkAppears](const gv::ShownMessage& m) {
            messages.push_back(m.text);
            if (!linkAppears)
                return;
            late = std::make_unique<gvtest::LocalPty>(folder + "/COM4");
            ASSERT_TRUE(late->ok());
            EXPECT_TRUE(QTest::qWaitFor([&] { return w->MSComm1->portOpen(); }, 20000));
        });
        testing::internal::CaptureStderr();
        w->Form_Load();
        return testing::internal::GetCapturedStderr();
    };
    const std::string err = startWith(true);
    ASSERT_EQ(messages, QStringList{Gyrovane::portProblemText()});
    EXPECT_TRUE(w->MSComm1->portOpen());
    EXPECT_EQ(w->MSComm1->devicePath(), folder + "/COM4");
    EXPECT_NE(err.find("serial port 4 (" + folder.toStdString() + "/ttyS3) did not open"), std::string::npos) << err;
    // The rest of the start-up ran: logging on, the timer at the interval,
    // the box locked.
    EXPECT_EQ(g.LoggingOn, 1);
    EXPECT_EQ(w->Timer1->Interval(), 20000);
    EXPECT_FALSE(w->delay->isEnabled());
    EXPECT_FALSE(w->startMENU->isEnabled());
    // Nothing is written before the device's first message.
    w->Timer1_Timer();
    EXPECT_FALSE(QFile::exists(log));
    EXPECT_EQ(g.LoggingOn, 1);
    ASSERT_TRUE(late->send("<A1>50</A1><V1>132</V1>]"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->dataSeen(); }, 20000));
    w->Timer1_Timer();
    EXPECT_NE(readText(log).find("<L>20</L><V1>13.20</V1><A1>5.0</A1>"), std::string::npos) << readText(log);
    // A device that came late is no failure: the error lamp shows green.
    EXPECT_FALSE(w->LogOK->isHidden());
    EXPECT_FALSE(w->LogOK->property("red").toBool());

    // After Stop, Setup > setup Hardware with the adapter unplugged: the
    // port waits for the device there too.
    w->stopMENU_Click();
    late.reset();
    testing::internal::CaptureStderr();
    w->SetupHardware_Click();
    const std::string errSetup = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(w->MSComm1->portOpen());
    EXPECT_NE(errSetup.find("did not open: No such file or directory; trying again until it opens"),
              std::string::npos) << errSetup;
    late = std::make_unique<gvtest::LocalPty>(folder + "/COM4");
    ASSERT_TRUE(late->ok());
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->MSComm1->portOpen(); }, 20000));
    ASSERT_TRUE(late->send("<A1>60</A1><V1>128</V1>]"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return g.LastMessage.find("<V1>128</V1>") != std::string::npos; }, 20000))
        << g.LastMessage;
    EXPECT_EQ(messages, QStringList{Gyrovane::portProblemText()}) << "no message box from the setup";

    // Without the automatic start the start-up stops at the message, as
    // ever, and the port is not tried again.
    w.reset();
    late.reset();
    messages.clear();
    g = gv::Global_Declarations{};
    setItem(folder, "hardware.cfg", "LogOn", "0");
    startWith(false);
    ASSERT_EQ(messages, QStringList{Gyrovane::portProblemText()});
    late = std::make_unique<gvtest::LocalPty>(folder + "/COM4");
    QTest::qWait(400);
    EXPECT_FALSE(w->MSComm1->portOpen());
    EXPECT_EQ(g.LoggingOn, 0);
    // Nor after Setup > setup Hardware.
    late.reset();
    w->SetupHardware_Click();
    late = std::make_unique<gvtest::LocalPty>(folder + "/COM4");
    QTest::qWait(400);
    EXPECT_FALSE(w->MSComm1->portOpen());
}

TEST_F(MainWindowTest, AnUnreadableSettingsFileIsNamedWithTheSystemsReason)
{
    // Folders where the channel table and the calibrations should be.
    for (const char* name : {"/channels.cfg", "/calibrations.cfg"}) {
        ASSERT_TRUE(QFile::remove(folder + name));
        ASSERT_TRUE(QDir().mkdir(folder + name));
    }
    testing::internal::CaptureStderr();
    Gyrovane& win = start();
    const std::string err = testing::internal::GetCapturedStderr();
    // The message box is the port-problem message as always.
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], Gyrovane::portProblemText());
    EXPECT_FALSE(win.MSComm1->portOpen());
    // The error record and standard error name each file and the reason.
    const std::string f = folder.toStdString();
    const std::string why = "configuration could not be read: " + f + "/channels.cfg: Is a directory; " + f +
                            "/calibrations.cfg: Is a directory";
    ASSERT_GE(status.errors.size(), 2u);
    EXPECT_EQ(status.errors[status.errors.size() - 2], why);
    EXPECT_EQ(status.errors.back(), "start-up stopped: " + why);
    EXPECT_NE(err.find("Gyrovane: start-up stopped: " + why + "\n"), std::string::npos) << err;
}

TEST_F(MainWindowTest, LayoutsOfTheNineTypes)
{
    Gyrovane& win = start();
    struct Row {
        int type;
        std::vector<std::pair<MainFrame, QString>> frames; // shown, with caption
        QString title;
    };
    const std::vector<Row> rows = {
        {0, {{MainFrame::Frame1_0, "Windmill measurements and Battery volts"}}, "Gyrovane"},
        {1, {{MainFrame::Frame1_0, "Windmill 1 System measurements and Battery Voltage"}, {MainFrame::Frame1_1, "Windmill 2"}}, "2 Windmills"},
        {2, {{MainFrame::Frame1_0, "Windmill 1 System measurements and Battery Voltage"}, {MainFrame::Frame1_1, "Windmill 2"}, {MainFrame::Frame1_2, "AUX DC"}}, "2 Windmills + Aux"},
        {3, {{MainFrame::Frame4_0, "Current Cost Meter System UP TO 3 Channels"}}, "3 Ch Current Cost"},
        {4, {{MainFrame::Frame4_0, "Current Cost Meter System 1 Channels"}, {MainFrame::Frame4_1, "Current Cost Meter System 2 Channels"}}, "6 Ch Current Cost"},
        {5, {{MainFrame::Frame1_0, "Battery System Voltage"}, {MainFrame::Frame4_0, "DC power measurement Channels"}}, "4Ch House A + Batt V"},
        {6, {{MainFrame::Frame1_0, "Battery System Voltage"}, {MainFrame::Frame4_0, "DC power measurement Channels"}, {MainFrame::Frame4_1, "DC power measurement Channels"}}, "8Ch House A + Batt V"},
        {7, {{MainFrame::Frame1_0, "Battery System Voltage"}, {MainFrame::Frame4_0, "DC battery power measurement Channels"}, {MainFrame::Frame4_1, "240VAC inverter power measurement Channels"}}, "BATV,4xDCA,4x240VACA"},
        {8, {{MainFrame::Frame1_0, "Windmill 1 measurements"}, {MainFrame::Frame1_1, "Windmill 2 measurements"}, {MainFrame::Frame4_0, "DC battery power measurement Channels"}, {MainFrame::Frame4_1, "240VAC inverter power measurement Channels"}, {MainFrame::Frame2, "Misc measurements"}}, "2 MILLS, 240VACA + MISC"},
    };
    const MainFrame outer[] = {MainFrame::Frame1_0, MainFrame::Frame1_1, MainFrame::Frame1_2,
                               MainFrame::Frame4_0, MainFrame::Frame4_1, MainFrame::Frame2};
    win.show();
    const int heights[9] = {2200, 2800, 3400, 3400, 5100, 3900, 5600, 5600, 6900};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.type);
        win.setsystem_Click(row.type);
        EXPECT_EQ(g.SystemType, row.type);
        EXPECT_EQ(win.Label15->text(), QString("Systemtype %1").arg(row.type));
        EXPECT_EQ(win.Label11->text(), row.title);
        for (int i = 0; i < 9; ++i) {
            EXPECT_EQ(win.setsystem[i]->isChecked(), i == row.type);
            EXPECT_EQ(win.display[i]->isEnabled(), i == row.type);
            EXPECT_EQ(win.logging[i]->isEnabled(), i == row.type);
        }
        for (MainFrame f : outer) {
            bool want = false;
            for (const auto& [sf, caption] : row.frames)
                if (sf == f) {
                    want = true;
                    EXPECT_EQ(w->frame(f)->caption(), caption);
                }
            EXPECT_EQ(shown(f), want) << static_cast<int>(f);
        }
        // The window follows the type's height; every shown frame lies
        // inside it and below the title.
        EXPECT_EQ(win.height(), (heights[row.type] - 510 + 7) / 15);
        QCoreApplication::processEvents();
        for (const auto& [f, caption] : row.frames) {
            const QRect r = w->frame(f)->geometry();
            EXPECT_GE(r.top(), 35);
            EXPECT_LE(r.bottom(), win.centralWidget()->height()) << static_cast<int>(f);
        }
        const std::string cfg = readText(folder + "/hardware.cfg");
        EXPECT_NE(cfg.find("<SystemType>" + std::to_string(row.type) + "</SystemType>"), std::string::npos);
    }
    // Cells of type 8: DC cells 2 and 3, AC cells 4..7.
    EXPECT_FALSE(shown(MainFrame::Frame5_0));
    EXPECT_TRUE(shown(MainFrame::Frame5_2));
    EXPECT_EQ(w->frame(MainFrame::Frame5_2)->caption(), "DC power 1");
    EXPECT_EQ(w->frame(MainFrame::Frame5_7)->caption(), "240VAC power 4");
    EXPECT_TRUE(shown(Reading::Label6));
    EXPECT_FALSE(shown(Reading::Label8));
    // Type 1 after type 8 keeps the second windmill frame's caption.
    win.setsystem_Click(1);
    EXPECT_EQ(w->frame(MainFrame::Frame1_1)->caption(), "Windmill 2 measurements");
    // The tool menus of a Current Cost type are disabled, the plot of type 0 only in part.
    win.setsystem_Click(3);
    EXPECT_FALSE(win.plotwindmill1->isEnabled());
    EXPECT_FALSE(win.batteryMonitor->isEnabled());
    win.setsystem_Click(0);
    EXPECT_TRUE(win.plotwindmill1->isEnabled());
    EXPECT_FALSE(win.plotwindmill2->isEnabled());
    EXPECT_TRUE(win.VUmeters->isEnabled());
    // Index 9 lays out type 0.
    win.setsystem_Click(9);
    EXPECT_EQ(g.SystemType, 0);
    EXPECT_TRUE(shown(MainFrame::Frame1_0));
}

TEST_F(MainWindowTest, ShowsTheReadingsOfATypeZeroMessage)
{
    Gyrovane& win = start();
    // Default calibrations: raw reading times 0.1.
    win.receiveText("<V>253</V><I>42.6");
    EXPECT_EQ(text(Reading::Volts0), "Volts 1"); // not complete yet
    win.receiveText("</I><S>52.5</S><R>15004</R>]");
    EXPECT_EQ(text(Reading::Volts0), "25.30 V");
    EXPECT_EQ(text(Reading::Amps0), "4.26 A");
    EXPECT_EQ(text(Reading::Wind0), "5.3m/s");
    EXPECT_EQ(text(Reading::RPM0), "1500 rpm");
    EXPECT_EQ(text(Reading::Watts0), "108 W");
    EXPECT_EQ(text(Reading::Whours0), "0 Wh");
    EXPECT_EQ(win.windowTitle(), "25.30V 4.3A 108W Personal Program NAME");
    EXPECT_EQ(win.Label2->text(), "<V>253</V><I>42.6</I><S>52.5</S><R>15004</R>]");
    EXPECT_EQ(win.goodDATAcounter->text(), "1");
    EXPECT_TRUE(win.DataOK->isVisibleTo(&win));
    EXPECT_TRUE(win.dataSeen());
    EXPECT_TRUE(win.Timer3->Enabled());
    // The lamp goes out with the 250 ms timer.
    win.Timer2_Timer();
    EXPECT_FALSE(win.DataOK->isVisibleTo(&win));
    EXPECT_FALSE(win.Timer2->Enabled());

    // A click shows the maximum until the next message.
    win.readingClicked(Reading::Volts0);
    EXPECT_EQ(text(Reading::Volts0), "25.30");
    win.readingClicked(Reading::RPM0);
    EXPECT_EQ(text(Reading::RPM0), "1500");
    EXPECT_EQ(text(Reading::RPM1), "00");
    win.receiveText("<V>120</V><I>0</I><S>0</S><R>0</R>]");
    EXPECT_EQ(text(Reading::Volts0), "12.00 V");
    EXPECT_EQ(win.Label2->text(), "[<V>120</V><I>0</I><S>0</S><R>0</R>]");
    EXPECT_EQ(text(Reading::RPM0), "0 rpm");
    win.readingClicked(Reading::Volts0);
    EXPECT_EQ(text(Reading::Volts0), "25.30");

    // The highs and lows are the day's: the midnight summary starts them
    // again as at start-up, so the new day shows its own, as a restart on
    // that day would rebuild them from that day's log.
    win.receiveText("<V>120</V><I>80</I><S>0</S><R>0</R>]");
    win.maxMINS->trigger();
    auto* maxima = win.findChild<dailyMaximums*>();
    ASSERT_NE(maxima, nullptr);
    maxima->Timer1_Timer();
    EXPECT_EQ(maxima->value[0]->text(), "8.0 A");
    gv::LocalTime midnight = gv::addSeconds(gv::localNow(), 24 * 3600);
    midnight.hour = midnight.minute = 0;
    midnight.second = 3;
    win.Timer3_Timer(midnight);
    ASSERT_NE(readText(folder + "/logs/Whours.txt").find(gv::dayName(midnight) + ",00:00, Wh1, "), std::string::npos);
    std::array<double, gv::MaxMinSlot::Count> fresh{};
    fresh[24] = fresh[25] = fresh[26] = 1000;
    fresh[28] = fresh[30] = 100;
    EXPECT_EQ(g.MaxMin, fresh);
    win.receiveText("<V>140</V><I>10</I><S>0</S><R>0</R>]");
    win.readingClicked(Reading::Amps0);
    EXPECT_EQ(text(Reading::Amps0), "1.0");
    win.readingClicked(Reading::Volts0);
    EXPECT_EQ(text(Reading::Volts0), "14.00");
    maxima->Timer1_Timer();
    EXPECT_EQ(maxima->value[0]->text(), "1.0 A");
    EXPECT_EQ(maxima->value[24]->text(), "14.00 V") << "the day's lowest volts";
    // A midnight lived again (the clock set back across it) has its line
    // already: nothing is written and the day's highs stay.
    win.Timer3_Timer(gv::addSeconds(midnight, -60));
    win.Timer3_Timer(midnight);
    EXPECT_EQ(g.MaxMin[0], 1.0);
}

TEST_F(MainWindowTest, CalibrationSavedFromTheMenuActsOnTheNextMessage)
{
    Gyrovane& win = start();
    win.receiveText("<V>140</V><I>10</I><S>0</S><R>0</R>]");
    gv::setDialogHook([](QDialog* d) {
        auto* c = qobject_cast<CALIBRATION*>(d);
        if (!c)
            return 0;
        c->Amps[1]->click();
        c->AUTOZEROBUTTON[1]->click(); // zero 10
        c->Text1[1]->setText("0.2");
        c->Text1[9]->setText("0.105");
        c->SAVEcalibration->trigger();
        return c->result();
    });
    win.CALIBRATIONmenu->trigger();
    const double summed = g.AccumulatedWatts[1];
    win.receiveText("<V>140</V><I>60</I><S>0</S><R>0</R>]");
    EXPECT_EQ(text(Reading::Volts0), "14.70 V");
    EXPECT_EQ(text(Reading::Amps0), "10.00 A");
    EXPECT_EQ(text(Reading::Watts0), "147 W");
    EXPECT_EQ(win.windowTitle(), "14.70V 10.0A 147W Personal Program NAME");
    EXPECT_NEAR(g.AccumulatedWatts[1] - summed, 147, 1e-9) << "the interval sum of the log records";
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(MainWindowTest, ShowsTheReadingsOfTheCurrentCostMonitors)
{
    setItem(folder, "hardware.cfg", "SystemType", "4");
    Gyrovane& win = start();
    EXPECT_EQ(text(Reading::Label3_0), "00.0C");
    // The port's reads are timed by the window's steady clock, here the test's.
    double now = 0;
    win.steadySeconds = [&now] { return now; };
    // The whole-house sensor's message shows the display unit's temperature.
    win.receiveText(QByteArray::fromStdString(gvtest::cc128Message(0, {0, 0, 0}, "21.5")));
    EXPECT_EQ(text(Reading::Label3_0), "21.5 C");
    now = 1;
    win.receiveText(QByteArray::fromStdString(gvtest::cc128Message(9, {345, 2151, 0}, "18.7")));
    EXPECT_EQ(text(Reading::Label3_0), "18.7 C");
    EXPECT_EQ(text(Reading::Label3_4), "18.7 C");
    EXPECT_EQ(text(Reading::Label5_1), "345 W");
    EXPECT_EQ(text(Reading::Label5_2), "2151 W");
    EXPECT_EQ(text(Reading::Label5_3), "0 W");
    EXPECT_EQ(text(Reading::Label13_1), "0 Wh");
    EXPECT_EQ(win.windowTitle(), "345W 2151W 0W 0W 0W 0W  Personal Program NAME");
    EXPECT_EQ(win.Label2->text(), "raw data string"); // Current Cost messages leave it
    EXPECT_TRUE(shown(MainFrame::Frame5_1));
    EXPECT_FALSE(shown(MainFrame::Frame5_4));
    EXPECT_TRUE(shown(Reading::Label5_1));
    EXPECT_FALSE(shown(Reading::Label3_1));

    // Sensor 9 falls silent while sensor 0 goes on every 6 s: a minute after
    // its last message its watts read 0.
    for (now = 7; now < 61; now += 6)
        win.receiveText(QByteArray::fromStdString(gvtest::cc128Message(0, {0, 0, 0})));
    EXPECT_EQ(text(Reading::Label5_2), "2151 W");
    now = 61;
    win.receiveText(QByteArray::fromStdString(gvtest::cc128Message(0, {0, 0, 0})));
    EXPECT_EQ(text(Reading::Label5_1), "0 W");
    EXPECT_EQ(text(Reading::Label5_2), "0 W");

    // Temperature clicks alternate the maximum and the minimum.
    win.readingClicked(Reading::Label3_0);
    EXPECT_EQ(text(Reading::Label3_0), "Max 21.5 C");
    win.readingClicked(Reading::Label3_0);
    EXPECT_EQ(text(Reading::Label3_0), "Min 18.7 C");
    EXPECT_EQ(win.TempMaxShown, 0);

    // A Classic sends its stored totals after the readings of every
    // message; the readings are shown all the same.
    win.setsystem_Click(3);
    win.loadConfiguration();
    const QByteArray classic = QByteArray::fromStdString(gvtest::classicMessage() + "\r\n");
    win.receiveText(classic.left(300));
    win.receiveText(classic.mid(300));
    EXPECT_EQ(text(Reading::Label3_0), "25.6 C");
    EXPECT_EQ(text(Reading::Label5_1), "168 W");
    EXPECT_EQ(text(Reading::Label5_2), "0 W");
    EXPECT_EQ(win.windowTitle(), "168W 0W 0W Personal Program NAME");
    EXPECT_EQ(win.goodDATAcounter->text(), "13");
    EXPECT_FALSE(win.LogOK->property("red").toBool());

    // The logging tick shows the watt-hours it has just booked: an
    // interval of 9000 W adds 25 Wh to the first clamp's count.
    win.Timer1_Timer();
    const QString before = text(Reading::Label13_1);
    const double booked = g.WattHours[2];
    for (int i = 0; i < 3; ++i)
        win.receiveText(QByteArray::fromStdString(gvtest::classicMessage({9000, 0, 0}) + "\r\n"));
    EXPECT_EQ(text(Reading::Label13_1), before);
    win.Timer1_Timer();
    EXPECT_NEAR(g.WattHours[2], booked + 25, 1e-9);
    EXPECT_EQ(text(Reading::Label13_1), QString::fromStdString(gv::formatPicture(g.WattHours[2], "####0 Wh")));
}

TEST_F(MainWindowTest, TextFromBeforeThePortOpenedIsNoMessage)
{
    // A Classic already sending when the program starts: the first read
    // begins inside a message.  That tail is not the monitor's damage.
    setItem(folder, "hardware.cfg", "SystemType", "3");
    Gyrovane& win = start();
    ASSERT_TRUE(win.MSComm1->portOpen());
    const std::string classic = gvtest::classicMessage();
    ASSERT_TRUE(pty->send(QByteArray::fromStdString(classic.substr(classic.find("<ch2>")) + "\r\n" + classic + "\r\n")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return text(Reading::Label5_1) == "168 W"; }, 20000));
    EXPECT_FALSE(win.LogOK->property("red").toBool());

    // The logger's cable pulled in the middle of a message, then plugged
    // back: the fragment held when the port closed must not join the first
    // message after it.
    win.setsystem_Click(0);
    win.loadConfiguration();
    win.MSComm1->setReopenInterval(100);
    QSignalSpy comm(win.MSComm1, &gv::CommPort::OnComm);
    ASSERT_TRUE(pty->send("<V>999</V><I>999"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return comm.count() > 0; }, 20000));
    pty.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return win.MSComm1->deviceMissing(); }, 20000));
    pty = std::make_unique<gvtest::LocalPty>(folder + "/COM3");
    ASSERT_TRUE(pty->ok());
    ASSERT_TRUE(QTest::qWaitFor([&] { return win.MSComm1->portOpen(); }, 20000));
    ASSERT_TRUE(pty->send("<V>130</V><I>50</I><S>30</S><R>2500</R>]"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return text(Reading::Volts0) == "13.00 V"; }, 20000))
        << text(Reading::Volts0).toStdString();
    EXPECT_EQ(text(Reading::Amps0), "5.00 A");
}

TEST_F(MainWindowTest, StartAndStopLogging)
{
    Gyrovane& win = start();
    EXPECT_EQ(g.LoggingOn, 0);
    EXPECT_EQ(win.delay->text(), "10");
    EXPECT_FALSE(win.delay->isEnabled());
    EXPECT_EQ(win.Timer1->Interval(), 10000);
    EXPECT_TRUE(win.startMENU->isEnabled());
    EXPECT_FALSE(win.stopMENU->isEnabled());

    win.delay->setText("0.5");
    win.startMENU_Click();
    EXPECT_EQ(win.delay->text(), "1");
    EXPECT_EQ(win.Timer1->Interval(), 1000);
    EXPECT_EQ(g.LoggingOn, 1);
    EXPECT_FALSE(win.delay->isEnabled());
    EXPECT_FALSE(win.setup->isEnabled());
    EXPECT_FALSE(win.startMENU->isEnabled());
    EXPECT_TRUE(win.stopMENU->isEnabled());
    EXPECT_TRUE(messages.isEmpty());

    win.stopMENU_Click();
    EXPECT_EQ(g.LoggingOn, 0);
    EXPECT_TRUE(win.delay->isEnabled());
    EXPECT_TRUE(win.setup->isEnabled());
    EXPECT_TRUE(win.startMENU->isEnabled());
    EXPECT_FALSE(win.stopMENU->isEnabled());

    win.delay->setText("1.5");
    win.startMENU_Click();
    EXPECT_EQ(win.delay->text(), "1.5");
    EXPECT_EQ(win.Timer1->Interval(), 1500);
    win.stopMENU_Click();

    win.delay->setText("abc");
    win.startMENU_Click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "Invalid delay period, needs to be a number between 1 and 600");
    EXPECT_EQ(g.LoggingOn, 0);
    EXPECT_TRUE(win.startMENU->isEnabled());

    // A change of type enables the Setup menu again without stopping logging.
    win.delay->setText("601");
    win.startMENU_Click();
    EXPECT_EQ(win.delay->text(), "600");
    EXPECT_EQ(win.Timer1->Interval(), 600000);
    win.setsystem_Click(1);
    EXPECT_TRUE(win.setup->isEnabled());
    EXPECT_EQ(g.LoggingOn, 1);
}

TEST_F(MainWindowTest, LoggingWithoutDataStopsWithOneNoticeUnlessStartedAutomatically)
{
    Gyrovane& win = start();
    win.delay->setText("5");
    win.startMENU_Click();
    ASSERT_EQ(g.LoggingOn, 1);
    win.Timer1_Timer();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "NO DATA AVAILABLE YET");
    EXPECT_EQ(g.LoggingOn, 0);
    EXPECT_TRUE(win.startMENU->isEnabled());
    EXPECT_FALSE(win.stopMENU->isEnabled());
    win.Timer1_Timer();
    EXPECT_EQ(messages.size(), 1);
    EXPECT_TRUE(win.Timer1->Enabled());
    // Nothing was written.
    EXPECT_TRUE(QDir(folder + "/logs").entryList(QDir::Files).isEmpty());

    // Started automatically (a restart after a power cut, nobody at the
    // screen), logging waits for a device that comes late, without a box.
    messages.clear();
    setItem(folder, "hardware.cfg", "LogOn", "1");
    Gyrovane& again = start();
    ASSERT_EQ(g.LoggingOn, 1);
    again.Timer1_Timer();
    again.Timer1_Timer();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(g.LoggingOn, 1);
    EXPECT_TRUE(QDir(folder + "/logs").entryList(QDir::Files).isEmpty());
    again.receiveText("<V>253</V><I>42.6</I><S>52.5</S><R>15004</R>]");
    again.Timer1_Timer();
    EXPECT_EQ(QDir(folder + "/logs").entryList(QDir::Files).size(), 1);
}

TEST_F(MainWindowTest, LogsAfterData)
{
    setItem(folder, "hardware.cfg", "LogDelay", "20");
    Gyrovane& win = start();
    win.receiveText("<V>253</V><I>42.6</I><S>52.5</S><R>15004</R>]");
    win.startMENU_Click();
    EXPECT_EQ(text(Reading::Whours0), "0 Wh");
    win.Timer1_Timer();
    EXPECT_TRUE(messages.isEmpty());
    // The tick shows the energy it booked, with no message after it; the
    // readings stay the last message's.
    EXPECT_EQ(text(Reading::Whours0), "1 Wh");
    EXPECT_EQ(text(Reading::Amps0), "4.26 A");
    const std::string day = gv::dayName(gv::localNow());
    const std::string log = readText(folder + "/logs/WD_" + QString::fromStdString(day) + ".txt");
    ASSERT_FALSE(log.empty());
    EXPECT_NE(log.find("</T><L>20</L><V>25.30</V><I>4.3</I><R>1500</R><S>5</S>  0.000Wh\r\n"), std::string::npos) << log;
    EXPECT_NEAR(g.WattHours[1], 25.3 * 4.26 * 20 / 3600, 1e-9);
    EXPECT_TRUE(win.LogOK->isVisibleTo(&win));

    // An interval typed before Start is the logging interval, fractions of
    // a second and all: the timer, the records' <L>, the watt-hours and the
    // hourly files agree, and Exit keeps it.
    win.stopMENU_Click();
    win.delay->setText("2.5");
    win.startMENU_Click();
    EXPECT_EQ(win.Timer1->Interval(), 2500);
    EXPECT_EQ(g.LogDelay, 2.5);
    win.receiveText("<V>253</V><I>42.6</I><S>52.5</S><R>15004</R>]");
    const gv::LocalTime now = gv::localNow();
    win.Timer1_Timer(now);
    const QString hourly = folder + "/logs/WD_" + QString::fromStdString(gv::dayName(now)) + "_" +
                           QString::fromStdString(gv::hourMinute(now).substr(0, 2)) + ".txt";
    EXPECT_NE(readText(hourly).find("</T><L>2.5</L><V>25.30</V>"), std::string::npos) << hourly.toStdString();
    EXPECT_NEAR(g.WattHours[1], 25.3 * 4.26 * 22.5 / 3600, 1e-9);
    win.exitmenu_Click();
    EXPECT_NE(readText(folder + "/hardware.cfg").find("<LogDelay>2.5</LogDelay>"), std::string::npos);
}

TEST_F(MainWindowTest, ExitWritesTheSettingsAndTheCloseBoxDoesNot)
{
    {
        Gyrovane& win = start();
        win.show();
        g.PersonalString = "changed by hand";
        win.close();
        EXPECT_FALSE(win.Timer1->Enabled());
        EXPECT_EQ(readText(folder + "/hardware.cfg").find("changed by hand"), std::string::npos);
    }
    {
        // The power costs saved in the settings dialog stay through the
        // start-up's rewrite, a channel editor's close and Exit.
        const QString costs = "\r\n<M>25</M>\r\n<J>18</J>\r\n<Z>7</Z>\r\n\r\n";
        QString cfg = QString::fromStdString(readText(folder + "/hardware.cfg"));
        cfg.truncate(cfg.indexOf("</SystemType>\r\n") + 15);
        ASSERT_TRUE(gv::writeFileAtomic((folder + "/hardware.cfg").toStdString(), (cfg + costs).toStdString()));
        const auto keeps = [&](const char* when) {
            const std::string now = readText(folder + "/hardware.cfg");
            EXPECT_EQ(now.substr(now.find("</SystemType>") + 15), costs.toStdString()) << when;
        };
        Gyrovane& win = start();
        win.show();
        keeps("start-up");
        win.display_Click(2);
        keeps("editor");
        g.PersonalString = "changed by hand";
        win.exitmenu_Click();
        EXPECT_FALSE(win.isVisible());
        keeps("Exit");
        EXPECT_NE(readText(folder + "/hardware.cfg").find("<PersonalString>changed by hand</PersonalString>"),
                  std::string::npos);
    }
}

TEST_F(MainWindowTest, OneProgramPerFolderAndALockLeftByACrashIsTakenOver)
{
    // A real program runs on a per-user folder of its own (it waits in its
    // splash window); a second start there is refused.
    QTemporaryDir data;
    const QString shared = data.path() + "/Gyrovane/Gyrovane";
    const QString lockFile = shared + "/" + gv::FolderLockName;
    // Its first-run files are there already, so it writes none while the
    // test looks.
    ASSERT_TRUE(QDir().mkpath(shared));
    ASSERT_TRUE(gv::createMissingFiles(shared.toStdString()).failed.empty());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", data.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    // Runs the program and waits until its lock names it.
    auto run = [&](QProcess& p) {
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral(GV_BINARY_DIR "/gyrovane"), {});
        if (!p.waitForStarted(30000))
            return false;
        return QTest::qWaitFor(
            [&] {
                qint64 pid = 0;
                QLockFile probe(lockFile);
                return probe.getLockInfo(&pid, nullptr, nullptr) && pid == p.processId();
            },
            30000);
    };
    QProcess first;
    ASSERT_TRUE(run(first));

    // Every file of the folder as it stands: a rewrite (write then rename)
    // changes the inode, an append the size.
    auto snapshot = [&shared] {
        QStringList files;
        QDirIterator it(shared, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString f = it.next();
            struct stat st {};
            ::stat(QFile::encodeName(f).constData(), &st);
            files << QStringLiteral("%1 %2 %3 %4").arg(f).arg(st.st_ino).arg(st.st_size).arg(st.st_mtim.tv_nsec);
        }
        files.sort();
        return files.join("\n").toStdString();
    };
    const std::string inUse = ("Gyrovane is already running with the program folder\r\n" + shared +
                          "\r\n\r\nThis copy closes without changing anything there.").toStdString();
    // A start the lock refuses: one message, nothing written in the folder.
    auto refused = [&](const QString& why) {
        SCOPED_TRACE(why.toStdString());
        const std::string before = snapshot();
        messages.clear();
        gv::FolderLock second(shared);
        EXPECT_FALSE(gv::takeProgramFolder(second, QDateTime::currentDateTime()));
        EXPECT_EQ(messages.size(), 1);
        EXPECT_EQ(snapshot(), before);
        return messages.value(0).toStdString();
    };
    EXPECT_EQ(refused("running here"), inUse);

    // The first program is killed: its lock stays behind and stops nobody.
    first.kill();
    ASSERT_TRUE(first.waitForFinished(30000));
    ASSERT_TRUE(QFile::exists(lockFile));
    messages.clear();
    {
        gv::FolderLock next(shared);
        EXPECT_TRUE(gv::takeProgramFolder(next, QDateTime::currentDateTime()));
        EXPECT_TRUE(messages.isEmpty());
        EXPECT_EQ(gv::FolderLock(shared).acquire(QDateTime::currentDateTime()).state, gv::FolderLock::State::InUse);
    }
    EXPECT_FALSE(QFile::exists(lockFile)) << "the lock goes with its program";

    // A power cut just after a start leaves its lock empty.  While young it
    // may be a start writing it just now; an old one is taken over, by the
    // real program.
    auto writeLock = [&](const QByteArray& content, int ageSeconds) {
        QFile f(lockFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        f.close();
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime));
    };
    writeLock({}, 0);
    EXPECT_EQ(refused("fresh empty lock"), inUse);
    writeLock({}, 60);
    QProcess afterPowerCut;
    EXPECT_TRUE(run(afterPowerCut)) << afterPowerCut.readAll().toStdString();
    afterPowerCut.kill();
    afterPowerCut.waitForFinished(5000);

    // A lock written on another computer (a program folder on a USB stick)
    // is not taken over, however old: the message names the computer and
    // the file to delete once no Gyrovane runs there.
    writeLock("4242\ngyrovane\nfaraway-pc\n0123456789abcdef\nfedcba9876543210\n", 3600);
    EXPECT_EQ(refused("another computer"),
              ("Gyrovane on the computer faraway-pc holds the program folder\r\n" + shared +
                  "\r\nand may still be running there.\r\n\r\nThis copy closes without changing anything "
                  "there. Once no Gyrovane runs on faraway-pc, deleting its lock file\r\n" +
                  lockFile + "\r\nlets this start go ahead.")
                  .toStdString());
    ASSERT_TRUE(QFile::remove(lockFile));
    gv::FolderLock again(shared);
    EXPECT_EQ(again.acquire(QDateTime::currentDateTime()).state, gv::FolderLock::State::Held);
}

TEST_F(MainWindowTest, MenuCaptionsAndGuards)
{
    Gyrovane& win = start();
    QStringList top;
    for (QAction* a : win.menuBar()->actions())
        top << a->text();
    EXPECT_EQ(top, QStringList({"Configure", "Setup", "Now", "history", "Help", "Start", "Stop", "About", "Exit"}));
    EXPECT_EQ(win.setsystem[6]->text(), "RE house, 8 DC  loads");
    EXPECT_EQ(win.logging[3]->text(), "CurrentCost 3ch");
    EXPECT_EQ(win.logTOfile[1]->text(), "2 Windmill");
    EXPECT_EQ(win.graphing[1]->text(), "2 Windmill");
    EXPECT_EQ(win.display[1]->text(), "2 Windmills");
    EXPECT_EQ(win.setuplogging->title(), "Setup for Logger HARDWARE");
    EXPECT_EQ(win.channels2log->title(), "Setup Channels to LOG");
    EXPECT_EQ(win.setupGraphMENU->title(), "SetupGRAPHING channels");
    EXPECT_EQ(win.setdisplaychannels->title(), "setup Display channels");

    // With type 0 the history graphs other than the demo do nothing.
    dialogs.clear();
    win.PlotGraphGV_Click(0);
    win.PlotGraphCC_Click(2);
    win.graphingCC_QF_Click();
    win.PlotGraphRE_Click(3);
    win.PlotGraphML_Click(4);
    EXPECT_TRUE(dialogs.isEmpty());
    win.graphingDEMO_Click();
    EXPECT_EQ(dialogs, QStringList({"GraphDEMO"}));

    // A channel editor closed without saving still lays out and reloads.
    dialogs.clear();
    win.setsystem_Click(2);
    win.display_Click(2);
    EXPECT_EQ(dialogs.size(), 1);
    EXPECT_EQ(g.SystemType, 2);
    EXPECT_TRUE(shown(MainFrame::Frame1_2));

    // The hardware setup wrapper closes the port around the dialog and
    // reopens it; a port that cannot open stays closed, silently.
    messages.clear();
    dialogs.clear();
    ASSERT_TRUE(win.MSComm1->portOpen());
    win.SetupHardware_Click();
    EXPECT_EQ(dialogs, QStringList({"ProgramSetup"}));
    EXPECT_TRUE(win.MSComm1->portOpen());
    g.Port = 77;
    setItem(folder, "hardware.cfg", "Port", "77");
    win.SetupHardware_Click();
    EXPECT_FALSE(win.MSComm1->portOpen());
    EXPECT_TRUE(messages.isEmpty());
}

namespace {

// The menu item of each live window and the class of the window it opens.
struct LiveItem {
    QAction* Gyrovane::*item;
    const char* window;
};
const LiveItem liveItems[] = {
    {&Gyrovane::plotwindmill1, "plotDiagnostics"}, {&Gyrovane::VUmeters, "BarGraphs"},
    {&Gyrovane::batteryMonitor, "BATTMonitor"},    {&Gyrovane::batteryMonitor2, "BATTMonitor2"},
    {&Gyrovane::maxMINS, "dailyMaximums"},         {&Gyrovane::rawCOMMdatamenu, "rawCOMMS"},
};

// The windows of a class that the main window owns.
QList<QWidget*> ownedWindows(const Gyrovane& w, const char* className)
{
    QList<QWidget*> found;
    for (QWidget* c : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (c->isWindow() && QLatin1String(c->metaObject()->className()) == QLatin1String(className))
            found << c;
    return found;
}

} // namespace

// Each live window's menu item loads one instance, owned by the main window;
// choosing it again only brings that instance forward as it stands, restored
// if it was minimised (the open guards are 0 between clicks); once the window
// is closed the next choice loads it afresh.
TEST_F(MainWindowTest, LiveWindowMenusOpenOneInstanceEach)
{
    Gyrovane& win = start();
    win.show();
    for (const LiveItem& it : liveItems) {
        SCOPED_TRACE(it.window);
        (win.*it.item)->trigger();
        const QList<QWidget*> first = ownedWindows(win, it.window);
        ASSERT_EQ(first.size(), 1);
        EXPECT_TRUE(first[0]->isVisible());
        first[0]->showMinimized();
        ASSERT_TRUE(first[0]->isMinimized());
        (win.*it.item)->trigger();
        EXPECT_EQ(ownedWindows(win, it.window), first);
        EXPECT_FALSE(first[0]->isMinimized());
        EXPECT_TRUE(first[0]->isVisible());
        EXPECT_TRUE(g.PlotMode == 0 && g.BattMonitorOpen == 0 && g.RawCommsOpen == 0)
            << "the guards are 0 between clicks";
        first[0]->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(ownedWindows(win, it.window).isEmpty());
        (win.*it.item)->trigger();
        ASSERT_EQ(ownedWindows(win, it.window).size(), 1);
    }
    // "raw DATA" brings the window of "view Raw data" forward.
    QWidget* raw = ownedWindows(win, "rawCOMMS").value(0);
    win.rawdatamenu->trigger();
    EXPECT_EQ(ownedWindows(win, "rawCOMMS"), QList<QWidget*>({raw}));

    // The plot keeps the mode it was opened with; "EXIT" stops its timer and
    // unloads it, and the next choice opens it in the new mode.
    auto* plot = qobject_cast<plotDiagnostics*>(ownedWindows(win, "plotDiagnostics").value(0));
    ASSERT_NE(plot, nullptr);
    win.plotwindmill_Click(2);
    EXPECT_EQ(ownedWindows(win, "plotDiagnostics"), QList<QWidget*>({plot}));
    EXPECT_EQ(plot->WindmillSelection(), 1);
    plot->exitplot->trigger();
    EXPECT_FALSE(plot->Timer1->isActive());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    win.plotwindmill_Click(2);
    plot = qobject_cast<plotDiagnostics*>(ownedWindows(win, "plotDiagnostics").value(0));
    ASSERT_NE(plot, nullptr);
    EXPECT_EQ(plot->WindmillSelection(), 2) << "reopening starts afresh";
}

TEST_F(MainWindowTest, AmpersandsInCaptionsShowAsWritten)
{
    setItem(folder, "channels.cfg", "C1", "Solar & wind");
    setItem(folder, "channels.cfg", "C19", "Solar & wind");
    setItem(folder, "hardware.cfg", "SystemType", "3");
    Gyrovane& win = start();
    // iconText() is the caption as a menu shows it, with the marks resolved.
    EXPECT_EQ(win.setsystem[5]->text(), "RE house && 4 DC loads");
    EXPECT_EQ(win.setsystem[2]->iconText(), "2 Windmills & solar & loads");
    for (const auto* items : {&win.logging, &win.logTOfile, &win.graphing, &win.display}) {
        EXPECT_EQ((*items)[2]->iconText(), "2 Windmills & solar & loads");
        EXPECT_EQ((*items)[5]->text(), "RE house && 4 DC loads");
        EXPECT_EQ((*items)[6]->iconText(), "RE house & 8 DC loads");
    }

    // The main window's meter cell and the maxima window's frame of the same
    // reading show the name as it stands: they do not read "&" as a mark.
    EXPECT_EQ(win.frame(MainFrame::Frame5_1)->caption(), "Solar & wind");
    win.maxMINS->trigger();
    auto* maxima = win.findChild<dailyMaximums*>();
    ASSERT_NE(maxima, nullptr);
    EXPECT_EQ(maxima->Channel[17]->caption(), "MAX Solar & wind");
    // The calibration window's frame titles do.
    QString calibrationTitle;
    gv::setDialogHook([&](QDialog* d) {
        if (auto* c = qobject_cast<CALIBRATION*>(d))
            calibrationTitle = c->Channel[1]->title();
        return 0;
    });
    win.CALIBRATIONmenu_Click();
    EXPECT_EQ(calibrationTitle, "Solar && wind");
}

TEST_F(MainWindowTest, CheckBoxAndErrorTrap)
{
    Gyrovane& win = start();
    win.Check1->setChecked(true);
    win.Check1_Click();
    EXPECT_EQ(win.Check1->text(), "Alt Volts2");
    win.Check1->setChecked(false);
    win.Check1_Click();
    EXPECT_EQ(win.Check1->text(), "System V1");

    win.ErrorContext = "calculations error";
    win.trapError("Overflow");
    EXPECT_TRUE(win.ErrorString->text().startsWith("  Last Error trapped  "));
    EXPECT_TRUE(win.ErrorString->text().endsWith("  ---  calculations error  Overflow"));
    EXPECT_TRUE(win.Timer2->Enabled());
    EXPECT_FALSE(QFile::exists(folder + "/errorlog.txt"));

    win.warnCommsProblem();
    EXPECT_EQ(win.Label2->text(), "     possible COMMS problem");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], Gyrovane::portProblemText());
}

// Every layout with live readings: no two visible labels of a frame overlap,
// no shown frame overlaps another, and every reading fits its label.  With
// GV_GRAB_DIR set, each layout is also saved as a picture to look at.
TEST_F(MainWindowTest, LayoutsWithReadingsDoNotOverlap)
{
    Gyrovane& win = start();
    win.show();
    const QByteArray logger = "<A1>1234</A1><A2>567</A2><A3>89</A3><A4>1000</A4><A5>55</A5><A6>66</A6>"
                              "<A7>77</A7><A8>88</A8><V1>253</V1><V2>241</V2><V3>122</V3><WS>123</WS>"
                              "<R1>4567</R1><R2>3210</R2><P1>45</P1><P2>67</P2>]";
    const QByteArray classic = QByteArray::fromStdString(gvtest::classicMessage({1234, 456, 78}, "21.5") + "\r\n");
    const QByteArray cc128 = "<msg><src>CC128-v0.11</src><dsb>00089</dsb><time>13:02:39</time><tmpr>21.5</tmpr>"
                             "<sensor>9</sensor><id>01234</id><type>1</type><ch1><watts>01234</watts></ch1>"
                             "<ch2><watts>00456</watts></ch2><ch3><watts>00078</watts></ch3></msg>\r\n"
                             "<msg><src>CC128-v0.11</src><dsb>00089</dsb><time>13:02:45</time><tmpr>19.0</tmpr>"
                             "<sensor>0</sensor><id>00077</id><type>1</type><ch1><watts>00321</watts></ch1>"
                             "<ch2><watts>00654</watts></ch2><ch3><watts>00987</watts></ch3></msg>\r\n";
    const QString grab = qEnvironmentVariable("GV_GRAB_DIR");
    for (int type = 0; type <= 8; ++type) {
        SCOPED_TRACE(type);
        win.setsystem_Click(type);
        win.loadConfiguration();
        if (type == 3)
            win.receiveText(classic);
        else if (type == 4)
            win.receiveText(cc128);
        else if (type == 0)
            win.receiveText("<V>253</V><I>1234</I><S>123</S><R>4567</R>]");
        else
            win.receiveText(logger);
        QCoreApplication::processEvents();

        std::vector<QWidget*> shownFrames;
        for (auto* f : win.frames)
            if (f->isVisibleTo(&win) && f->parentWidget() == win.centralWidget())
                shownFrames.push_back(f);
        for (size_t i = 0; i < shownFrames.size(); ++i)
            for (size_t j = i + 1; j < shownFrames.size(); ++j)
                EXPECT_FALSE(shownFrames[i]->geometry().intersects(shownFrames[j]->geometry()))
                    << shownFrames[i]->objectName().toStdString() << " "
                    << shownFrames[j]->objectName().toStdString();

        for (auto* r : win.readings) {
            if (!r->isVisibleTo(&win))
                continue;
            const QFontMetrics fm(r->font());
            EXPECT_LE(fm.horizontalAdvance(r->text()) + r->indent(), r->width())
                << r->text().toStdString();
            for (auto* other : win.readings)
                if (other != r && other->isVisibleTo(&win) && other->parentWidget() == r->parentWidget()) {
                    EXPECT_FALSE(r->geometry().intersects(other->geometry()))
                        << r->text().toStdString() << " / " << other->text().toStdString();
                }
        }
        if (!grab.isEmpty())
            win.grab().save(QString("%1/gyrovane_type%2.png").arg(grab).arg(type));
    }
}

// Every control where the layout table places it, in every system type:
// Left, Top, Width and Height in twips, turned into pixels as the window
// does, and every shown control whole inside its parent.  The one
// deliberate trim: frames and reading labels stand edge to edge in the
// table, so each is one pixel narrower and one pixel lower than its twips.
// No frame is cut shorter than that: the two cell frames are both as deep
// as their cells, and each frame stacked under another starts below it.
TEST_F(MainWindowTest, ControlsStandWhereTheLayoutTablePlacesThem)
{
    Gyrovane& win = start();
    win.show();
    using gv::twips;
    constexpr int Free = -1; // a size the table leaves to the toolkit
    enum class Trim { None, Tiled };
    struct Place {
        std::string name;
        QWidget* widget;
        int left, top, width, height;
        Trim trim;
    };
    auto check = [&](const Place& p) {
        SCOPED_TRACE(p.name);
        ASSERT_NE(p.widget, nullptr);
        const QRect r = p.widget->geometry();
        const int trim = p.trim == Trim::Tiled ? 1 : 0;
        EXPECT_EQ(r.x(), twips(p.left));
        EXPECT_EQ(r.y(), twips(p.top));
        if (p.width != Free) {
            EXPECT_EQ(r.width(), twips(p.width) - trim);
        }
        if (p.height != Free) {
            EXPECT_EQ(r.height(), twips(p.height) - trim);
        }
    };

    // Controls that no layout moves: labels outside the frames, the check
    // box, the cells and every reading label (positions inside their frame).
    auto rd = [&](Reading r, const char* name, int left, int top, int width) {
        return Place{name, win.reading(r), left, top, width, 375, Trim::Tiled};
    };
    std::vector<Place> fixed = {
        {"Label11", win.Label11, 360, 0, 4785, 495, Trim::None},
        {"Label14", win.Label14, 5520, 80, Free, Free, Trim::None},
        {"delay", win.delay, 7080, 0, 375, 315, Trim::None},
        {"Label10", win.Label10, 7440, 80, Free, Free, Trim::None},
        {"goodDATAcounter", win.goodDATAcounter, 6720, 60, Free, Free, Trim::None},
        {"Label1", win.Label1, 5520, 360, Free, Free, Trim::None},
        {"Label15", win.Label15, 6840, 360, 1335, 255, Trim::None},
        {"Label16", win.Label16, 840, 420, Free, Free, Trim::None},
        {"DataOK", win.DataOK, 120, 120, 135, 135, Trim::None},
        {"LogOK", win.LogOK, 120, 480, 135, 135, Trim::None},
        {"Label2", win.Label2, 240, 5400, 7575, 255, Trim::None},
        {"ErrorString", win.ErrorString, 240, 5640, 7575, 255, Trim::None},
        {"filename", win.filename, 240, 5880, 7575, 255, Trim::None},
        {"Check1", win.Check1, 120, 240, 1095, 255, Trim::None},
        rd(Reading::Volts0, "Volts(0)", 120, 240, 1215),
        rd(Reading::Amps0, "Amps(0)", 1320, 240, 1215),
        rd(Reading::Watts0, "Watts(0)", 2760, 240, 1335),
        rd(Reading::Whours0, "Whours(0)", 4080, 240, 1455),
        rd(Reading::RPM0, "RPM(0)", 5640, 240, 1215),
        rd(Reading::Wind0, "Wind(0)", 6840, 240, 1095),
        rd(Reading::Amps1, "Amps(1)", 1320, 240, 1215),
        rd(Reading::Watts1, "Watts(1)", 2760, 240, 1335),
        rd(Reading::Whours1, "Whours(1)", 4080, 240, 1455),
        rd(Reading::RPM1, "RPM(1)", 5640, 240, 1215),
        rd(Reading::Amps2, "Amps(2)", 120, 240, 1215),
        rd(Reading::Watts2, "Watts(2)", 1320, 240, 1335),
        rd(Reading::Whours2, "Whours(2)", 2640, 240, 1455),
        rd(Reading::Amps3, "Amps(3)", 4080, 240, 1215),
        rd(Reading::Watts3, "Watts(3)", 5280, 240, 1335),
        rd(Reading::Whours3, "Whours(3)", 6600, 240, 1335),
        rd(Reading::Label6, "Label6", 240, 240, 1575),
        rd(Reading::Label7, "Label7", 2160, 240, 1575),
        rd(Reading::Label8, "Label8", 4320, 240, 1215),
        rd(Reading::Label9, "Label9", 5640, 240, 1215),
        rd(Reading::Label12, "Label12", 6840, 240, 1095),
    };
    const int cellLeft[4] = {240, 2160, 4080, 6000};
    for (int i = 0; i < 8; ++i) {
        const std::string n = "(" + std::to_string(i) + ")";
        fixed.push_back({"Frame5" + n, w->frame(gv::frame5(i)), cellLeft[i % 4], 240, 1815, 1455, Trim::Tiled});
        fixed.push_back(rd(gv::label3(i), ("Label3" + n).c_str(), 120, 240, 1575));
        fixed.push_back(rd(gv::label5(i), ("Label5" + n).c_str(), 120, 600, 1575));
        fixed.push_back(rd(gv::label13(i), ("Label13" + n).c_str(), 120, 960, 1575));
    }
    // The reading labels and the check box sit in their frames.
    EXPECT_EQ(win.Check1->parentWidget(), w->frame(MainFrame::Frame1_1));
    EXPECT_EQ(win.reading(Reading::Amps2)->parentWidget(), w->frame(MainFrame::Frame1_2));
    EXPECT_EQ(win.reading(Reading::Label12)->parentWidget(), w->frame(MainFrame::Frame2));
    EXPECT_EQ(w->frame(gv::frame5(3))->parentWidget(), w->frame(MainFrame::Frame4_0));
    EXPECT_EQ(w->frame(gv::frame5(4))->parentWidget(), w->frame(MainFrame::Frame4_1));

    // Outer frames: design Left, Width and Height; the Top each type gives.
    struct Outer {
        MainFrame f;
        const char* name;
        int height;
        std::array<int, 9> top; // 0 = not shown in that type
    };
    const Outer outer[] = {
        {MainFrame::Frame1_0, "Frame1(0)", 615, {600, 600, 600, 0, 0, 600, 600, 600, 600}},
        {MainFrame::Frame1_1, "Frame1(1)", 615, {0, 1200, 1200, 0, 0, 0, 0, 0, 1200}},
        {MainFrame::Frame1_2, "Frame1(2)", 735, {0, 0, 1800, 0, 0, 0, 0, 0, 0}},
        {MainFrame::Frame4_0, "Frame4(0)", 1695, {0, 0, 0, 600, 600, 1200, 1200, 1200, 1800}},
        {MainFrame::Frame4_1, "Frame4(1)", 1695, {0, 0, 0, 0, 2400, 0, 2895, 2895, 3500}},
        {MainFrame::Frame2, "Frame2", 735, {0, 0, 0, 0, 0, 0, 0, 0, 5195}},
    };

    for (int type = 0; type <= 8; ++type) {
        SCOPED_TRACE("type " + std::to_string(type));
        win.setsystem_Click(type);
        QCoreApplication::processEvents();
        for (const Place& p : fixed)
            check(p);
        for (const Outer& o : outer) {
            const int top = o.top[static_cast<std::size_t>(type)];
            EXPECT_EQ(shown(o.f), top != 0) << o.name;
            if (top == 0)
                continue;
            check({o.name, w->frame(o.f), 120, top, 8055, o.height, Trim::Tiled});
        }
        // Every shown control lies whole inside its parent.  Only the lower
        // status labels lie beneath the frames and below the window's edge.
        for (QWidget* c : win.centralWidget()->findChildren<QWidget*>()) {
            if (!c->isVisibleTo(&win) || c == win.Label2 || c == win.ErrorString || c == win.filename)
                continue;
            EXPECT_TRUE(c->parentWidget()->rect().contains(c->geometry()))
                << c->objectName().toStdString() << " in " << c->parentWidget()->objectName().toStdString();
        }
    }

    // The check box's captions fit its width.
    for (const bool ticked : {false, true}) {
        win.Check1->setChecked(ticked);
        win.Check1_Click();
        EXPECT_LE(win.Check1->sizeHint().width(), win.Check1->width()) << win.Check1->text().toStdString();
    }
}
