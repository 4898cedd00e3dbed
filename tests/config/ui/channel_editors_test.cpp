// The hardware editor, the three flag editors and their pickers, driven
// headless: rows per system type, load and save of channels.cfg, picker
// save and cancel, refusals.
#include <gtest/gtest.h>

#include "config_dialog_fixture.h"

#include "config/ChannelRows.h"
#include "config/FirstRun.h"
#include "config/ui/ChannelFlagEditors.h"
#include "config/ui/ColourLabel.h"
#include "config/ui/Pickers.h"
#include "config/ui/ProgramSetup.h"
#include "config/ui/setupHARDWAREchannels.h"
#include "platform/ClickLabel.h"
#include "platform/MessageBoxes.h"
#include "shared/ConfigFiles.h"
#include "shared/Global_Declarations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>
#include <unistd.h>

namespace {

using gvtest::readAll;
using gvtest::writeAll;

// The channel table as the editors write it: the first-run file without
// its two extra empty lines.
std::string editorDefaults()
{
    const std::string d = gv::defaultChannelsText();
    return d.substr(0, d.size() - 4);
}

std::string replaced(std::string s, const std::string& from, const std::string& to)
{
    const auto p = s.find(from);
    EXPECT_NE(p, std::string::npos) << from;
    if (p != std::string::npos)
        s.replace(p, from.size(), to);
    return s;
}

class Editors : public gvtest::ConfigDialogTest {
protected:
    QString channels() const { return dir.filePath("channels.cfg"); }

    // Answers the next modal picker with the given action.
    template <typename Picker>
    void answerPicker(std::function<void(Picker*)> act)
    {
        gv::setDialogHook([act](QDialog* d) {
            auto* p = qobject_cast<Picker*>(d);
            EXPECT_NE(p, nullptr);
            if (!p)
                return int(QDialog::Rejected);
            p->show();
            act(p);
            return p->result();
        });
    }
};

template <typename Editor>
void expectRowsOfEverySystemType(gv::Global_Declarations& g, const QString& folder,
                                 std::function<QGroupBox*(Editor&, int)> frame)
{
    for (int type = 0; type <= 8; ++type) {
        g.SystemType = static_cast<std::int16_t>(type);
        Editor e(g, folder);
        for (int n = 1; n <= 24; ++n)
            EXPECT_EQ(frame(e, n)->isVisibleTo(&e), gv::channelRowShown(type, n))
                << "type " << type << " row " << n;
    }
}

} // namespace

// ------------------------------------------------------------ rows per type

TEST_F(Editors, EveryEditorShowsTheRowsOfTheSystemType)
{
    expectRowsOfEverySystemType<setupHARDWAREchannels>(
        g, dir.path(), [](setupHARDWAREchannels& e, int n) { return e.Frame1[n]; });
    expectRowsOfEverySystemType<setupDISPLAYchannels>(
        g, dir.path(), [](setupDISPLAYchannels& e, int n) { return e.rowFrame[n]; });
    expectRowsOfEverySystemType<setupGRAPHINGchannels>(
        g, dir.path(), [](setupGRAPHINGchannels& e, int n) { return e.rowFrame[n]; });
    expectRowsOfEverySystemType<setupLOGGINGchannels>(
        g, dir.path(), [](setupLOGGINGchannels& e, int n) { return e.rowFrame[n]; });
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Editors, CurrentCostRowsHaveNoHardwareTagAndOddTypesShowAllRows)
{
    g.SystemType = 4;
    setupHARDWAREchannels h(g, dir.path());
    for (int n = 19; n <= 24; ++n) {
        EXPECT_TRUE(h.Frame1[n]->isVisibleTo(&h));
        EXPECT_FALSE(h.XMLcode[n]->isVisibleTo(&h));
    }
    EXPECT_FALSE(h.Frame1[1]->isVisibleTo(&h));

    g.SystemType = 11;
    setupDISPLAYchannels d(g, dir.path());
    for (int n = 1; n <= 24; ++n)
        EXPECT_TRUE(d.rowFrame[n]->isVisibleTo(&d));
}

// ---------------------------------------------------------- round trips

TEST_F(Editors, EachEditorRoundTripsTheDefaultTable)
{
    {
        setupHARDWAREchannels e(g, dir.path());
        e.SaveSettings_Click();
        EXPECT_EQ(e.result(), QDialog::Accepted);
        EXPECT_EQ(readAll(channels()), editorDefaults());
    }
    for (int which = 0; which < 3; ++which) {
        writeAll(channels(), gv::defaultChannelsText());
        std::unique_ptr<ChannelFlagEditor> e;
        if (which == 0)
            e = std::make_unique<setupDISPLAYchannels>(g, dir.path());
        else if (which == 1)
            e = std::make_unique<setupGRAPHINGchannels>(g, dir.path());
        else
            e = std::make_unique<setupLOGGINGchannels>(g, dir.path());
        e->SaveSettings_Click();
        EXPECT_EQ(e->result(), QDialog::Accepted);
        EXPECT_EQ(readAll(channels()), editorDefaults()) << "editor " << which;
    }
    EXPECT_TRUE(messages.isEmpty());
}

// ------------------------------------------------------- hardware editor

TEST_F(Editors, HardwareEditorLoadsRowsFromTheFile)
{
    std::string t = gv::defaultChannelsText();
    t = replaced(t, "<M12>50</M12>", "<M12>0</M12>");
    t = replaced(t, "<XMLhardware9>V1</XMLhardware9>", "<XMLhardware9></XMLhardware9>");
    t = replaced(t, "<C13>WINDMILL RPM</C13>", "<C13> rotor rpm </C13>");
    // Items missing from the file take their first-run values.
    t = replaced(t, "<L13>33023</L13>", "");
    t = replaced(t, "<M9>60</M9>", "");
    writeAll(channels(), t);
    g.ChannelMaxReading[12] = 70;
    g.ChannelMaxReading[9] = 15;
    g.ChannelName[13] = "old";

    setupHARDWAREchannels e(g, dir.path());
    EXPECT_EQ(e.MAXLimit[12]->currentText(), "70") << "a zero maximum takes the one held in memory";
    EXPECT_EQ(g.ChannelMaxReading[12], 70);
    EXPECT_EQ(e.XMLcode[9]->text(), "V");
    EXPECT_EQ(g.XMLhardware[9], "V") << "an empty tag takes the row's default";
    EXPECT_EQ(e.dataCHANNEL[13]->text(), " rotor rpm ");
    EXPECT_EQ(g.ChannelName[13], " rotor rpm ");
    EXPECT_EQ(gv::labelColour(e.dataCHANNEL[13]), 33023);
    EXPECT_EQ(e.MAXLimit[9]->currentText(), "60");
    EXPECT_EQ(e.MAXLimit[9]->count(), 5);
    EXPECT_TRUE(e.CheckEnable[1]->isChecked());
    EXPECT_TRUE(e.MAXLimit[1]->isEnabled());
    EXPECT_FALSE(e.CheckEnable[2]->isChecked());
    EXPECT_FALSE(e.dataCHANNEL[2]->isEnabled());

    e.SaveSettings_Click();
    const std::string saved = readAll(channels());
    EXPECT_NE(saved.find("<M12>70</M12>"), std::string::npos);
    EXPECT_NE(saved.find("<XMLhardware9>V</XMLhardware9>"), std::string::npos);
    EXPECT_NE(saved.find("<C13> rotor rpm </C13>\r\n<L13>33023</L13>"), std::string::npos);
    EXPECT_NE(saved.find("<M9>60</M9>"), std::string::npos);
}

TEST_F(Editors, UntickingARowDisablesItAndClearsTheFlagAtOnce)
{
    setupHARDWAREchannels e(g, dir.path());
    e.show();
    QTest::mouseClick(e.CheckEnable[9], Qt::LeftButton);
    EXPECT_EQ(g.HARDWAREenabled[9], 0);
    EXPECT_FALSE(e.dataCHANNEL[9]->isEnabled());
    EXPECT_FALSE(e.ChannelColour[9]->isEnabled());
    EXPECT_FALSE(e.MAXLimit[9]->isEnabled());
    EXPECT_FALSE(e.XMLcode[9]->isEnabled());
    QTest::mouseClick(e.CheckEnable[9], Qt::LeftButton);
    EXPECT_EQ(g.HARDWAREenabled[9], 1);
    EXPECT_TRUE(e.MAXLimit[9]->isEnabled());
}

TEST_F(Editors, PickersSaveOrCancelThroughTheSharedBuffers)
{
    setupHARDWAREchannels e(g, dir.path());
    e.show();

    answerPicker<TextInput>([](TextInput* p) {
        EXPECT_EQ(p->Text1->text(), "WINDMILL AMPS");
        p->Text1->setText("North mill");
        QTest::mouseClick(p->Label1, Qt::LeftButton);
    });
    QTest::mouseClick(e.dataCHANNEL[1], Qt::LeftButton);
    EXPECT_EQ(e.dataCHANNEL[1]->text(), "North mill");
    EXPECT_EQ(g.ChannelName[1], "North mill");

    answerPicker<TextInput>([](TextInput* p) {
        p->Text1->setText("typed but cancelled");
        QTest::mouseClick(p->Label2, Qt::LeftButton);
    });
    e.dataCHANNEL_Click(1);
    EXPECT_EQ(g.ChannelName[1], "North mill");
    EXPECT_EQ(e.dataCHANNEL[1]->text(), "North mill");

    answerPicker<ColourCHART>([](ColourCHART* p) { QTest::mouseClick(p->Swatch[14], Qt::LeftButton); });
    QTest::mouseClick(e.ChannelColour[1], Qt::LeftButton);
    EXPECT_EQ(g.LineColour[1], 16777152) << "swatch F";
    EXPECT_EQ(gv::labelColour(e.dataCHANNEL[1]), 16777152);

    answerPicker<ColourCHART>([](ColourCHART* p) { QTest::mouseClick(p->Label17, Qt::LeftButton); });
    e.ChannelColour_Click(1);
    EXPECT_EQ(g.LineColour[1], 16777152);

    answerPicker<XMLcodeINPUT>([](XMLcodeINPUT* p) {
        EXPECT_EQ(p->Text1->text(), "A1");
        p->Text1->setText("");
        p->Label1_Click();
    });
    e.XMLcode_Click(1);
    EXPECT_EQ(g.XMLhardware[1], "") << "an empty tag is handed back as typed";

    e.SaveSettings_Click();
    const std::string saved = readAll(channels());
    EXPECT_NE(saved.find("<C1>North mill</C1>\r\n<L1>16777152</L1>\r\n<M1>20</M1>\r\n"
                         "<XMLsoftware1>A1</XMLsoftware1>\r\n<XMLhardware1></XMLhardware1>\r\n"),
              std::string::npos);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Editors, PickersRefuseTextsThatWouldBreakTheFile)
{
    setupHARDWAREchannels e(g, dir.path());
    bool stayedOpen = false;
    answerPicker<TextInput>([&](TextInput* p) {
        p->Text1->setText("amps </C1> <C2>");
        p->Label1_Click();
        stayedOpen = p->isVisible();
        p->Label2_Click();  // the user gives up
    });
    e.dataCHANNEL_Click(1);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("The channel name may not contain")) << messages[0].toStdString();
    EXPECT_EQ(g.ChannelName[1], "WINDMILL AMPS");

    // A character that channels.cfg's code page cannot hold would come back as "?".
    messages.clear();
    answerPicker<TextInput>([&](TextInput* p) {
        p->Text1->setText(QString::fromUtf8("mill \xE2\x82\xBD"));
        p->Label1_Click();
        stayedOpen = p->isVisible();
        p->Text1->setText(QString::fromUtf8("mill \xE2\x82\xAC"));  // the euro sign fits
        p->Label1_Click();
    });
    e.dataCHANNEL_Click(1);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QString::fromUtf8("The channel name may not contain \"\xE2\x82\xBD\"")))
        << messages[0].toStdString();
    EXPECT_EQ(g.ChannelName[1], "mill \xE2\x82\xAC");

    messages.clear();
    answerPicker<XMLcodeINPUT>([&](XMLcodeINPUT* p) {
        p->Text1->setText("A>1");
        p->Label1_Click();
        EXPECT_TRUE(p->isVisible());
        p->Text1->setText("A1x");
        p->Label1_Click();
    });
    e.XMLcode_Click(1);
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(g.XMLhardware[1], "A1x");
}

TEST_F(Editors, ZeroMaximumAnywhereRefusesTheSave)
{
    const std::string before = readAll(channels());
    setupHARDWAREchannels e(g, dir.path());
    e.show();
    e.MAXLimit[20]->setEditText("none");  // a hidden row counts too, and is named
    e.SaveSettings_Click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "there is an error with a maximum limit of zero\r\nchannel 20 (channel name)\r\n"
                           "correct the problem and try again");
    EXPECT_TRUE(e.isVisible());
    EXPECT_EQ(readAll(channels()), before);

    // 0.4 would be stored and read back as 0.
    messages.clear();
    e.MAXLimit[20]->setEditText("1000");
    e.MAXLimit[9]->setEditText("0.4");
    e.SaveSettings_Click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("channel 9 (SYSTEM VOLTS)")) << messages[0].toStdString();
    EXPECT_EQ(readAll(channels()), before);
    e.MAXLimit[9]->setEditText("60");

    // Typed keys are kept as typed: 8 A, not the list's 80.
    e.MAXLimit[20]->setEditText("750");
    e.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&e));
    e.MAXLimit[1]->setFocus();
    e.MAXLimit[1]->lineEdit()->selectAll();
    QTest::keyClicks(e.MAXLimit[1]->lineEdit(), "8");
    e.SaveSettings_Click();
    EXPECT_FALSE(e.isVisible());
    EXPECT_NE(readAll(channels()).find("<M20>750</M20>"), std::string::npos);
    EXPECT_NE(readAll(channels()).find("<M1>8</M1>"), std::string::npos);
}

TEST_F(Editors, AbortWritesNothingButEditsStayInMemory)
{
    const std::string before = readAll(channels());
    setupHARDWAREchannels e(g, dir.path());
    e.show();
    answerPicker<TextInput>([](TextInput* p) {
        p->Text1->setText("changed");
        p->Label1_Click();
    });
    e.dataCHANNEL_Click(9);
    QTest::mouseClick(e.Label1, Qt::LeftButton);
    EXPECT_EQ(e.result(), QDialog::Rejected);
    EXPECT_EQ(readAll(channels()), before);
    EXPECT_EQ(g.ChannelName[9], "changed");
    gv::loadConfiguration(g, dir.path().toStdString());
    EXPECT_EQ(g.ChannelName[9], "SYSTEM VOLTS");
}

TEST_F(Editors, MissingFileIsReportedAndSavingWritesAWholeTable)
{
    QFile::remove(channels());
    setupHARDWAREchannels e(g, dir.path());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "channel configuration file is missing");
    EXPECT_EQ(e.dataCHANNEL[1]->text(), "ADC Amps channnel");
    EXPECT_EQ(e.XMLcode[9]->text(), "V");
    EXPECT_EQ(e.MAXLimit[9]->currentText(), "60") << "the maximum held in memory";
    e.SaveSettings_Click();
    const std::string saved = readAll(channels());
    size_t lines = 0;
    for (size_t p = saved.find("\r\n"); p != std::string::npos; p = saved.find("\r\n", p + 2))
        ++lines;
    EXPECT_EQ(lines, 240u) << "a complete table";
    // Grey name labels stand in for the colours the file would have given.
    EXPECT_NE(saved.find("<C1>WINDMILL AMPS</C1>\r\n<L1>12632256</L1>"), std::string::npos);
    EXPECT_NE(saved.find("<XMLhardware24>W8</XMLhardware24>\r\n\r\n"), std::string::npos);
}

TEST_F(Editors, FailedSaveIsReportedAndTheDialogStaysOpen)
{
    const std::string before = readAll(channels());
    QDir(dir.path()).mkdir(QStringLiteral("channels.cfg.tmp%1").arg(::getpid()));

    setupHARDWAREchannels h(g, dir.path());
    h.show();
    h.SaveSettings_Click();
    setupGRAPHINGchannels gr(g, dir.path());
    gr.show();
    gr.SaveSettings_Click();
    ASSERT_EQ(messages.size(), 2);
    for (const QString& m : messages)
        EXPECT_TRUE(m.startsWith("The channel settings could not be saved")) << m.toStdString();
    EXPECT_TRUE(h.isVisible());
    EXPECT_TRUE(gr.isVisible());
    EXPECT_EQ(readAll(channels()), before);
}

// ----------------------------------------------------------- flag editors

TEST_F(Editors, DisplayBoxesChangeOnlyWhereTheHardwareExists)
{
    writeAll(channels(), replaced(gv::defaultChannelsText(), "<enableDISPLAY2>0</enableDISPLAY2>",
                                  "<enableDISPLAY2>1</enableDISPLAY2>"));
    g.SystemType = 1;
    setupDISPLAYchannels d(g, dir.path());
    d.show();
    EXPECT_TRUE(d.CheckEnable[1]->isEnabled());
    EXPECT_FALSE(d.CheckEnable[2]->isEnabled()) << "channel 2 is not in the hardware";
    EXPECT_TRUE(d.CheckEnable[2]->isChecked()) << "but its box still shows the file's flag";
    QTest::mouseClick(d.CheckEnable[1], Qt::LeftButton);
    EXPECT_EQ(g.enableDISPLAY[1], 0);
    QTest::mouseClick(d.CheckEnable[2], Qt::LeftButton);
    EXPECT_EQ(g.enableDISPLAY[2], 1) << "a disabled box cannot be clicked";
    d.SaveSettings_Click();
    EXPECT_NE(readAll(channels()).find("<enableDISPLAY1>0</enableDISPLAY1>"), std::string::npos);
}

TEST_F(Editors, GraphingBoxesChangeEverywhereAndAbortKeepsTheFile)
{
    const std::string before = readAll(channels());
    g.SystemType = 1;
    setupGRAPHINGchannels gr(g, dir.path());
    gr.show();
    EXPECT_TRUE(gr.CheckEnable[2]->isEnabled());
    QTest::mouseClick(gr.CheckEnable[2], Qt::LeftButton);
    EXPECT_EQ(g.enableGRAPHING[2], 1);
    QTest::mouseClick(gr.Label1, Qt::LeftButton);
    EXPECT_EQ(readAll(channels()), before);
    EXPECT_EQ(g.enableGRAPHING[2], 1) << "the tick stays in memory until the next load";
}

TEST_F(Editors, OddFlagValuesShowEmptyBoxesAndAreWrittenBackUnchanged)
{
    const std::string odd = replaced(gv::defaultChannelsText(), "<enableGRAPHING1>1</enableGRAPHING1>",
                                     "<enableGRAPHING1>2</enableGRAPHING1>");
    writeAll(channels(), odd);
    setupGRAPHINGchannels gr(g, dir.path());
    EXPECT_FALSE(gr.CheckEnable[1]->isChecked());
    gr.SaveSettings_Click();
    EXPECT_EQ(readAll(channels()), odd.substr(0, odd.size() - 4));
}

TEST_F(Editors, LoggingEditorEditsElementNamesOnly)
{
    writeAll(channels(), replaced(gv::defaultChannelsText(), "<XMLsoftware12>WS</XMLsoftware12>",
                                  "<XMLsoftware12></XMLsoftware12>"));
    g.SystemType = 0;
    setupLOGGINGchannels l(g, dir.path());
    l.show();
    EXPECT_EQ(l.XMLcode[12]->text(), "S");
    EXPECT_EQ(g.XMLsoftware[12], "S") << "an empty element name takes the built-in one";
    EXPECT_EQ(l.XMLcode[1]->text(), "A1");
    for (int n = 1; n <= 24; ++n) {
        EXPECT_FALSE(l.CheckEnable[n]->isEnabled());
        EXPECT_EQ(l.CheckEnable[n]->isChecked(), g.HARDWAREenabled[n] == 1);
    }
    EXPECT_EQ(l.rowFrame[1]->title(), "Windmill 1 Amps or Aux Amps1");

    answerPicker<XMLcodeINPUT>([](XMLcodeINPUT* p) {
        EXPECT_EQ(p->Text1->text(), "A1");
        p->Text1->setText("Amill");
        p->Label1_Click();
    });
    QTest::mouseClick(l.XMLcode[1], Qt::LeftButton);
    EXPECT_EQ(g.XMLsoftware[1], "Amill");
    EXPECT_EQ(g.XMLhardware[1], "A1");
    l.SaveSettings_Click();
    const std::string saved = readAll(channels());
    EXPECT_NE(saved.find("<XMLsoftware1>Amill</XMLsoftware1>\r\n<XMLhardware1>A1</XMLhardware1>"),
              std::string::npos);
    EXPECT_NE(saved.find("<XMLsoftware12>S</XMLsoftware12>"), std::string::npos);
    EXPECT_NE(saved.find("<enableLOGGING1>1</enableLOGGING1>"), std::string::npos);
}

TEST_F(Editors, FlagEditorsWithoutTheFileKeepTheTableAndCanSave)
{
    QFile::remove(channels());
    g.ChannelName[1] = "held in memory";
    setupDISPLAYchannels d(g, dir.path());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "channel configuration file is missing");
    EXPECT_EQ(d.dataCHANNEL[1]->text(), "ADC Amps channnel");
    EXPECT_EQ(g.ChannelName[1], "held in memory");
    d.SaveSettings_Click();
    EXPECT_NE(readAll(channels()).find("<C1>held in memory</C1>"), std::string::npos);

    // The logging editor sets and disables no box without the file.
    QFile::remove(channels());
    messages.clear();
    setupLOGGINGchannels l(g, dir.path());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "channel configuration file is missing");
    for (int n = 1; n <= 24; ++n) {
        EXPECT_TRUE(l.CheckEnable[n]->isEnabled()) << n;
        EXPECT_FALSE(l.CheckEnable[n]->isChecked()) << n;
        EXPECT_TRUE(l.rowFrame[n]->isVisibleTo(&l)) << n;
    }
}

TEST_F(Editors, CodePageLettersSurviveOpeningAndSavingEveryDialog)
{
    // "\xE9" is e acute and "\x80" the euro sign in the files' code page.
    std::string table = replaced(gv::defaultChannelsText(), "<C1>WINDMILL AMPS</C1>", "<C1>\xE9olienne \x80</C1>");
    table = replaced(table, "<C9>SYSTEM VOLTS</C9>", "<C9>batterie \x80\xE9</C9>");
    writeAll(channels(), table);
    const std::string hardware = replaced(replaced(gv::defaultHardwareText(), "<WSUnits>m/s", "<WSUnits>\x80/s \xE9"),
                                          "Personal Program NAME", "Moulin \xE9olien \x80");
    writeAll(dir.filePath("hardware.cfg"), hardware);
    for (int n = 1; n <= 16; ++n)
        QFile::link(dir.filePath("nothing-here"), dir.filePath(QStringLiteral("COM%1").arg(n)));

    {
        ProgramSetup s(g, dir.path());
        s.SaveExcel->setChecked(true);
        s.SaveSettingsButton_Click();
        const std::string saved = readAll(dir.filePath("hardware.cfg"));
        EXPECT_NE(saved.find("<WSUnits>\x80/s \xE9</WSUnits>"), std::string::npos);
        EXPECT_NE(saved.find("<PersonalString>Moulin \xE9olien \x80</PersonalString>"), std::string::npos);
    }
    auto namesKept = [&](const char* which) {
        const std::string saved = readAll(channels());
        EXPECT_NE(saved.find("<C1>\xE9olienne \x80</C1>"), std::string::npos) << which;
        EXPECT_NE(saved.find("<C9>batterie \x80\xE9</C9>"), std::string::npos) << which;
    };
    {
        setupHARDWAREchannels h(g, dir.path());
        h.show();
        // The name picker opened and confirmed unchanged hands back every character.
        answerPicker<TextInput>([](TextInput* p) { p->Label1_Click(); });
        h.dataCHANNEL_Click(1);
        QTest::mouseClick(h.CheckEnable[12], Qt::LeftButton);
        h.SaveSettings_Click();
        namesKept("hardware");
    }
    {
        setupDISPLAYchannels d(g, dir.path());
        d.show();
        QTest::mouseClick(d.CheckEnable[1], Qt::LeftButton);
        d.SaveSettings_Click();
        namesKept("display");
    }
    {
        setupGRAPHINGchannels gr(g, dir.path());
        gr.show();
        QTest::mouseClick(gr.CheckEnable[13], Qt::LeftButton);
        gr.SaveSettings_Click();
        namesKept("graphing");
    }
    {
        setupLOGGINGchannels l(g, dir.path());  // its boxes cannot change
        l.SaveSettings_Click();
        namesKept("logging");
    }
    EXPECT_TRUE(messages.isEmpty()) << messages.join(" | ").toStdString();
}
