// The port finder and the settings dialog's port list against two
// pseudo-terminals linked into the program folder as COM3 and COM5.
#include <gtest/gtest.h>

#include "config/ui/FindComms.h"
#include "config/ui/ProgramSetup.h"
#include "platform/ClickLabel.h"
#include "platform/MessageBoxes.h"
#include "platform/PortProbe.h"
#include "shared/Global_Declarations.h"
#include "support/pty_pair.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>

namespace {

class TwoPorts : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!gvtest::socatAvailable())
            GTEST_SKIP() << "socat is not installed";
        // Every other port number points nowhere, so real serial devices of
        // the test machine do not show up.
        for (int n = 1; n <= 16; ++n)
            if (n != 3 && n != 5)
                QFile::link(dir.filePath("nothing-here"), dir.filePath(QStringLiteral("COM%1").arg(n)));
        ASSERT_TRUE(ports.start()) << "socat made no pseudo-terminals";
        gv::setMessageHook([this](const gv::ShownMessage& m) { messages.push_back(m.text); });
    }
    void TearDown() override
    {
        gv::setMessageHook({});
        gv::setDialogHook({});
    }

    QTemporaryDir dir;
    gvtest::PtyPair ports{dir.filePath("COM3"), dir.filePath("COM5")};
    gv::Global_Declarations g;
    QStringList messages;
};

} // namespace

TEST_F(TwoPorts, ProbeReportsOnlyOpenablePorts)
{
    EXPECT_TRUE(gv::commAvailable(3, dir.path()));
    EXPECT_TRUE(gv::commAvailable(5, dir.path()));
    EXPECT_FALSE(gv::commAvailable(4, dir.path()));
    EXPECT_FALSE(gv::commAvailable(17, dir.path()));
    EXPECT_EQ(gv::GetAlias(0, dir.path()), QString());
    EXPECT_EQ(gv::GetAlias(12, dir.path()), dir.filePath("COM12"));
    EXPECT_FALSE(gv::probePortDevice(dir.filePath("hardware.cfg"))) << "a plain file is no port";
}

TEST_F(TwoPorts, FinderListsPortsAndPicksTheLowest)
{
    g.Port = 9;
    FindComms f(g, dir.path());
    EXPECT_EQ(f.ExitFindCOMM->text(), "Exit");
    f.FindPORTS_Click();
    EXPECT_EQ(f.availablePortsText(), "\r\n3\r\n5");
    EXPECT_EQ(f.AvailablePORTS->toPlainText(), "\n3\n5");
    ASSERT_EQ(f.cbocomm->count(), 2);
    EXPECT_EQ(f.cbocomm->itemText(0), "3");
    EXPECT_EQ(f.cbocomm->itemText(1), "5");
    EXPECT_EQ(f.SelectedPort->text(), "3");
    EXPECT_EQ(g.Port, 3);
    EXPECT_EQ(f.ExitFindCOMM->text(), "Save");
    EXPECT_TRUE(f.FindPORTS->isEnabled());

    f.cbocomm_Click(1);
    EXPECT_EQ(f.SelectedPort->text(), "5");
    EXPECT_EQ(g.Port, 5);

    // A second search starts from an empty list and box.
    f.FindPORTS_Click();
    EXPECT_EQ(f.cbocomm->count(), 2);
    EXPECT_EQ(f.availablePortsText(), "\r\n3\r\n5");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(TwoPorts, PortHeldByAnotherProgramIsNotListedAndNotDisturbed)
{
    QSerialPort held;
    held.setPortName(dir.filePath("COM5"));
    held.setBaudRate(9600);
    ASSERT_TRUE(held.open(QIODevice::ReadWrite)) << held.errorString().toStdString();
    EXPECT_FALSE(gv::commAvailable(5, dir.path()));
    EXPECT_TRUE(gv::commAvailable(3, dir.path()));

    FindComms f(g, dir.path());
    f.FindPORTS_Click();
    EXPECT_EQ(f.availablePortsText(), "\r\n3");

    // The holder's settings and connection are untouched by the probes.
    EXPECT_TRUE(held.isOpen());
    EXPECT_EQ(held.baudRate(), 9600);
    held.close();
    EXPECT_TRUE(gv::commAvailable(5, dir.path()));
}

TEST_F(TwoPorts, FinderWithNothingFoundReturnsToItsOpeningState)
{
    QFile::remove(dir.filePath("COM3"));
    QFile::remove(dir.filePath("COM5"));
    g.Port = 7;
    FindComms f(g, dir.path());
    f.FindPORTS_Click();
    EXPECT_EQ(f.cbocomm->count(), 0);
    EXPECT_EQ(f.availablePortsText(), "");
    EXPECT_EQ(f.ExitFindCOMM->text(), "Exit") << "must not stay on the waiting caption";
    EXPECT_TRUE(f.FindPORTS->isEnabled());
    EXPECT_EQ(g.Port, 7);
    EXPECT_EQ(f.SelectedPort->text(), "");
}

TEST_F(TwoPorts, SettingsDialogListsFreePortsAndTakesTheFindersPick)
{
    QFile hw(dir.filePath("hardware.cfg"));
    ASSERT_TRUE(hw.open(QIODevice::WriteOnly));
    hw.write("Program Config File\r\n\r\n<Port>8</Port>\r\n<BaudRate>9600</BaudRate>\r\n<LogDelay>10</LogDelay>\r\n");
    hw.close();
    g.Port = 8;
    ProgramSetup dlg(g, dir.path());
    ASSERT_EQ(dlg.PortNumber->count(), 2);
    EXPECT_EQ(dlg.PortNumber->itemText(0), "3");
    EXPECT_EQ(dlg.PortNumber->itemText(1), "5");
    EXPECT_EQ(dlg.PortNumber->currentText(), "8");

    // The finder, run from the dialog's label, picks port 3.
    gv::setDialogHook([](QDialog* d) {
        auto* f = qobject_cast<FindComms*>(d);
        EXPECT_NE(f, nullptr);
        f->FindPORTS_Click();
        f->ExitFindCOMM_Click();
        return int(QDialog::Accepted);
    });
    QTest::mouseClick(dlg.Label7, Qt::LeftButton);
    EXPECT_EQ(g.Port, 3);
    EXPECT_EQ(dlg.PortNumber->currentText(), "3");

    // ABORT gives the program its port back and leaves the file alone.
    const QByteArray before = [&] { QFile f(dir.filePath("hardware.cfg")); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    QTest::mouseClick(dlg.Exit_no_save, Qt::LeftButton);
    EXPECT_EQ(g.Port, 8);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    QFile after(dir.filePath("hardware.cfg"));
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
}
