#include <gtest/gtest.h>

#include "config/FirstRun.h"
#include "config/ui/ProgramSetup.h"
#include "platform/ClickLabel.h"
#include "platform/MessageBoxes.h"
#include "shared/Global_Declarations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

class SettingsDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        // No real serial device of the test machine takes part.
        for (int n = 1; n <= 16; ++n)
            QFile::link(dir.filePath("nothing-here"), dir.filePath(QStringLiteral("COM%1").arg(n)));
        gv::setMessageHook([this](const gv::ShownMessage& m) { messages.push_back(m.text); });
    }
    void TearDown() override { gv::setMessageHook({}); }

    QString hw() const { return dir.filePath("hardware.cfg"); }
    void writeDefaults() { gv::createMissingFiles(dir.path().toStdString()); }

    QTemporaryDir dir;
    gv::Global_Declarations g;
    QStringList messages;
};

const QByteArray kSavedDefaults =
    "Program Config File\r\n\r\n<Port>3</Port>\r\n<SaveExcel>0</SaveExcel>\r\n<LogDelay>10</LogDelay>\r\n"
    "<LogOn>0</LogOn>\r\n<WSUnits>m/s</WSUnits>\r\n<BaudRate>4800</BaudRate>\r\n"
    "<DispMessages>0</DispMessages>\r\n<PersonalString>Personal Program NAME</PersonalString>\r\n"
    "<LastFile></LastFile>\r\n\r\n<SystemType>0</SystemType>\r\n\r\n<M>10</M>\r\n<J>10</J>\r\n<Z>10</Z>\r\n\r\n";

} // namespace

TEST_F(SettingsDialog, LoadFillsBoxesAndSavingUnchangedRewritesTheFile)
{
    writeDefaults();
    ProgramSetup dlg(g, dir.path());
    EXPECT_EQ(dlg.windowTitle(), "Personal Program NAME");
    EXPECT_EQ(dlg.PortNumber->currentText(), "3");
    EXPECT_EQ(dlg.BaudSelect->currentText(), "4800");
    EXPECT_EQ(dlg.BaudSelect->count(), 14);
    EXPECT_EQ(dlg.LogDelay->currentText(), "10");
    EXPECT_EQ(dlg.LogDelay->count(), 10);
    EXPECT_EQ(dlg.Personalization->text(), "Personal Program NAME");
    EXPECT_EQ(dlg.Cents[2]->count(), 28);
    EXPECT_EQ(dlg.Cents[0]->currentText(), "10");
    EXPECT_EQ(dlg.PortNumber->count(), 0) << "no port can be opened";
    EXPECT_EQ(g.Port, 3);
    EXPECT_EQ(g.LogDelay, 10);
    EXPECT_EQ(g.WSUnits, "m/s");

    dlg.SaveSettingsButton_Click();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(readAll(hw()), kSavedDefaults);
}

TEST_F(SettingsDialog, StoredTariffsAndErrorRecordingOpenAsStoredAndASaveKeepsThem)
{
    const QByteArray stored = QByteArray(kSavedDefaults)
                                  .replace("<M>10</M>\r\n<J>10</J>\r\n<Z>10</Z>", "<M>25</M>\r\n<J>18</J>\r\n<Z>7</Z>")
                                  .replace("<DispMessages>0", "<DispMessages>1");
    writeAll(hw(), stored);
    ProgramSetup dlg(g, dir.path());
    EXPECT_EQ(dlg.Cents[0]->currentText(), "25");
    EXPECT_EQ(dlg.Cents[1]->currentText(), "18");
    EXPECT_EQ(dlg.Cents[2]->currentText(), "7");
    EXPECT_TRUE(dlg.DisplayMessages->isChecked());
    // Another setting changed: these two are saved as they stood.
    dlg.LogDelay->setEditText("20");
    dlg.SaveSettingsButton_Click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(readAll(hw()), QByteArray(stored).replace("<LogDelay>10<", "<LogDelay>20<"));
}

TEST_F(SettingsDialog, EditedBoxesAreSavedAndCopiedToTheSharedSettings)
{
    writeDefaults();
    ProgramSetup dlg(g, dir.path());
    dlg.PortNumber->setEditText("12");
    dlg.BaudSelect->setEditText("9600");
    // Typed keys: a box keeps what was typed, not the first entry of its
    // list that begins with it (6 is a Current Cost's interval, not 60).
    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    const auto type = [](QComboBox* box, const char* keys) {
        box->setFocus();
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), keys);
    };
    type(dlg.LogDelay, "6");
    dlg.Personalization->setText(" Hill farm ");
    dlg.WSUnits->setText("km/h");
    dlg.SaveExcel->setChecked(true);
    dlg.LogOn->setChecked(true);
    dlg.DisplayMessages->setChecked(true);
    type(dlg.Cents[0], "5");
    type(dlg.Cents[1], "1");
    type(dlg.Cents[2], "4");
    g.SystemType = 4;
    dlg.SaveSettingsButton_Click();

    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "Keep total logging time short, under an hour\r\nGood for graphing transients\r\n"
                           "and for short duration logging");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(readAll(hw()),
              "Program Config File\r\n\r\n<Port>12</Port>\r\n<SaveExcel>1</SaveExcel>\r\n<LogDelay>6</LogDelay>\r\n"
              "<LogOn>1</LogOn>\r\n<WSUnits>km/h</WSUnits>\r\n<BaudRate>9600</BaudRate>\r\n"
              "<DispMessages>1</DispMessages>\r\n<PersonalString> Hill farm </PersonalString>\r\n"
              "<LastFile></LastFile>\r\n\r\n<SystemType>4</SystemType>\r\n\r\n<M>5</M>\r\n<J>1</J>\r\n"
              "<Z>4</Z>\r\n\r\n");
    EXPECT_EQ(g.Port, 12);
    EXPECT_EQ(g.BaudRate, 9600);
    EXPECT_EQ(g.SaveExcel, 1);
    EXPECT_EQ(g.WSUnits, "km/h");
    EXPECT_EQ(g.TariffJ, 1);
    EXPECT_EQ(g.LogDelay, 10) << "the interval reaches the program through the configuration load";
}

TEST_F(SettingsDialog, RefusedBoxesSaveNothingAndKeepTheDialogOpen)
{
    writeDefaults();
    const QByteArray before = readAll(hw());
    const struct {
        const char* delay;
        const char* port;
        const char* baud;
        const char* name;
        const char* expected;
    } cases[] = {
        {"abc", "3", "4800", "x", "Invalid delay period, needs to be a number between 1 and 600"},
        {"0", "3", "4800", "x", "Invalid delay period, needs to be a number between 1 and 600"},
        {"601", "3", "4800", "x", "Invalid delay period, needs to be a number between 1 and 600"},
        {"-5", "3", "4800", "x", "Invalid delay period, needs to be a number between 1 and 600"},
        {"", "3", "4800", "x", "Invalid delay period, needs to be a number between 1 and 600"},
        {"10", "3.5", "4800", "x", "The port number must be a whole number from 1 to 255 (1 for COM1)"},
        {"10", "COM3", "4800", "x", "The port number must be a whole number from 1 to 255 (1 for COM1)"},
        {"10", "0", "4800", "x", "The port number must be a whole number from 1 to 255 (1 for COM1)"},
        {"10", "3", "48OO", "x", "The baud rate must be a whole number"},
        {"10", "3", "4800", "my <b>mill</b>", "The OWN name may not contain \"<\", \">\" or a line break"},
        {"10", "3", "4800", "Mill \xE2\x82\xBD", "The OWN name may not contain \"\xE2\x82\xBD\""},
    };
    for (const auto& c : cases) {
        messages.clear();
        ProgramSetup dlg(g, dir.path());
        dlg.show();
        dlg.LogDelay->setEditText(c.delay);
        dlg.PortNumber->setEditText(c.port);
        dlg.BaudSelect->setEditText(c.baud);
        dlg.Personalization->setText(c.name);
        dlg.SaveSettingsButton_Click();
        ASSERT_EQ(messages.size(), 1) << c.delay << " " << c.port;
        EXPECT_TRUE(messages[0].startsWith(c.expected)) << messages[0].toStdString();
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(readAll(hw()), before);
    }
}

TEST_F(SettingsDialog, FileCutShortOpensWithFirstRunValues)
{
    writeAll(hw(), kSavedDefaults.left(kSavedDefaults.indexOf("m/s") + 3));
    g.WSUnits = "knots";
    ProgramSetup dlg(g, dir.path());
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(dlg.BaudSelect->currentText(), "4800");
    EXPECT_EQ(dlg.WSUnits->text(), "m/s");
    EXPECT_EQ(dlg.Personalization->text(), "Personal Program NAME");
    EXPECT_EQ(g.SystemType, 0);
    dlg.SaveSettingsButton_Click();
    EXPECT_EQ(readAll(hw()), kSavedDefaults);
}

TEST_F(SettingsDialog, FailedWriteIsReportedAndTheOldFileStays)
{
    writeDefaults();
    const QByteArray before = readAll(hw());
    // The temporary file beside hardware.cfg cannot be created.
    QDir(dir.path()).mkdir(QStringLiteral("hardware.cfg.tmp%1").arg(::getpid()));
    ProgramSetup dlg(g, dir.path());
    dlg.show();
    dlg.WSUnits->setText("mph");
    dlg.SaveSettingsButton_Click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("The settings could not be saved")) << messages[0].toStdString();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(readAll(hw()), before);
    EXPECT_EQ(g.WSUnits, "m/s") << "nothing is taken over from a save that failed";
}

TEST_F(SettingsDialog, MissingFileLeavesTheInitialBoxes)
{
    g.Port = 6;
    ProgramSetup dlg(g, dir.path());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "hardware configuration file is missing");
    EXPECT_EQ(dlg.windowTitle(), "Basic Logger Setup");
    EXPECT_EQ(dlg.PortNumber->currentText(), "3");
    EXPECT_EQ(dlg.Personalization->text(), "DeZu Windmill 1");
    EXPECT_EQ(dlg.Cents[0]->currentText(), "Combo1");
    EXPECT_EQ(dlg.BaudSelect->count(), 0);
    EXPECT_EQ(g.Port, 6);

    // Closing by the window's frame is an abort as well.
    dlg.show();
    dlg.close();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_FALSE(QFile::exists(hw()));
}
