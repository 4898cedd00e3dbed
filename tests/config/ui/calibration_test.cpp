#include <gtest/gtest.h>

#include "config_dialog_fixture.h"

#include "config/ui/CALIBRATION.h"
#include "platform/ClickLabel.h"
#include "platform/Twips.h"
#include "shared/ConfigFiles.h"

#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <unistd.h>

namespace {

using gvtest::readAll;
using gvtest::writeAll;

std::string calibrationFile(const std::string& divider, const std::string& offset, const std::string& kind)
{
    std::string s = "Calibration Settings\r\n\r\n";
    for (int n = 1; n <= 16; ++n) {
        const std::string i = "(" + std::to_string(n) + ")>";
        s += "<ADCDivider" + i + divider + "</ADCDivider" + i + "\r\n";
        s += "<ADCOffset" + i + offset + "</ADCOffset" + i + "\r\n";
        s += "<ChannelSelection" + i + kind + "</ChannelSelection" + i + "\r\n\r\n";
    }
    return s;
}

class Calibration : public gvtest::ConfigDialogTest {
protected:
    QString cal() const { return dir.filePath("calibrations.cfg"); }
    void setSystemType(int t)
    {
        writeAll(dir.filePath("hardware.cfg"), "<SystemType>" + std::to_string(t) + "</SystemType>\r\n");
    }
};

} // namespace

TEST_F(Calibration, SaveOnDefaultsWritesThePictures)
{
    CALIBRATION c(g, dir.path());
    EXPECT_EQ(c.windowTitle(), " Current Channels Calibration");
    EXPECT_EQ(c.Text1[1]->text(), "0.10000");
    EXPECT_EQ(c.AUTOZEROBUTTON[1]->text(), "0000");
    EXPECT_TRUE(c.Volts[1]->isChecked());
    EXPECT_FALSE(c.AUTOZEROBUTTON[1]->isEnabled()) << "a volts input starts with auto-zero disabled";
    EXPECT_FALSE(c.Amps[12]->isChecked() || c.Pulse[12]->isChecked()) << "input 12 has no volts option";
    EXPECT_EQ(c.Channel[1]->title(), "WINDMILL AMPS");
    c.SAVEcalibration->trigger();
    EXPECT_EQ(c.result(), QDialog::Accepted);
    EXPECT_EQ(readAll(cal()), calibrationFile("0.10000", "00000", "V"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Calibration, SystemTypeDecidesFramesAndHeight)
{
    setSystemType(0);
    g.SystemType = 5;
    CALIBRATION c(g, dir.path());
    EXPECT_EQ(g.SystemType, 0) << "taken from hardware.cfg";
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(c.Channel[n]->isVisibleTo(&c), n == 1 || n == 9 || n == 12 || n == 13) << n;
    EXPECT_EQ(c.height(), gv::twips(4850));
}

TEST_F(Calibration, CurrentCostNeedsNoCalibration)
{
    setSystemType(3);
    CALIBRATION c(g, dir.path());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "no calibration required for Current Cost.  press EXIT on next screen");
    EXPECT_FALSE(c.SAVEcalibration->isEnabled());
    for (int n = 1; n <= 16; ++n)
        EXPECT_FALSE(c.Channel[n]->isVisibleTo(&c));
    const std::string before = readAll(cal());
    c.SAVEcalibration_Click();
    EXPECT_EQ(readAll(cal()), before);
    c.CalibrationExit->trigger();
    EXPECT_EQ(c.result(), QDialog::Rejected);
}

TEST_F(Calibration, AutoZeroTakesTheLiveRawReading)
{
    writeAll(cal(), calibrationFile("0.10", "0", "A"));
    CALIBRATION c(g, dir.path());
    c.show();
    EXPECT_TRUE(c.AUTOZEROBUTTON[1]->isEnabled());

    g.RawValue[1] = 512;  // the last message's reading
    c.Timer1_Timer();
    EXPECT_EQ(c.Label1[1]->text(), "512");
    EXPECT_EQ(c.Label2[1]->text(), "51.20");

    QTest::mouseClick(c.AUTOZEROBUTTON[1], Qt::LeftButton);
    EXPECT_EQ(g.ADCOffset[1], 512) << "the running calculation uses it at once";
    EXPECT_EQ(c.AUTOZEROBUTTON[1]->text(), "512");
    EXPECT_EQ(c.windowTitle(), "calibration edit form  & INDEX = 1");
    c.Timer1_Timer();
    EXPECT_EQ(c.Label1[1]->text(), "512");
    EXPECT_EQ(c.Label2[1]->text(), "0.00");

    // The preview follows the factor as typed, before any save.
    g.RawValue[1] = 532;
    c.Text1[1]->setText("0.5");
    c.Timer1_Timer();
    EXPECT_EQ(c.Label2[1]->text(), "10.00");
    c.Text1[1]->setText("abc");
    g.RawValue[1] = 600;
    c.Timer1_Timer();
    EXPECT_EQ(c.Label2[1]->text(), "10.00") << "a factor that is not a number freezes the preview";

    // EXIT keeps the new offset in memory only.
    c.CalibrationExit->trigger();
    EXPECT_EQ(g.ADCOffset[1], 512);
    EXPECT_EQ(readAll(cal()), calibrationFile("0.10", "0", "A"));
    gv::loadConfiguration(g, dir.path().toStdString());
    EXPECT_EQ(g.ADCOffset[1], 0);
}

TEST_F(Calibration, KindsOfInput)
{
    setSystemType(8);
    writeAll(cal(), calibrationFile("0.10", "0", "A"));
    CALIBRATION c(g, dir.path());
    c.show();
    g.RawValue[12] = 40;
    c.AUTOZEROBUTTON_Click(12);
    EXPECT_EQ(g.ADCOffset[12], 40);

    QTest::mouseClick(c.Pulse[12], Qt::LeftButton);
    EXPECT_EQ(g.ChannelSelection[12], "P");
    EXPECT_EQ(g.ADCOffset[12], 0);
    EXPECT_EQ(c.AUTOZEROBUTTON[12]->text(), "0");
    EXPECT_FALSE(c.AUTOZEROBUTTON[12]->isEnabled());
    QTest::mouseClick(c.Amps[12], Qt::LeftButton);
    EXPECT_EQ(g.ChannelSelection[12], "A");
    EXPECT_TRUE(c.AUTOZEROBUTTON[12]->isEnabled());
    EXPECT_EQ(g.ADCOffset[12], 0);

    QTest::mouseClick(c.Volts[3], Qt::LeftButton);
    EXPECT_EQ(g.ChannelSelection[3], "V");
    EXPECT_TRUE(c.AUTOZEROBUTTON[3]->isEnabled()) << "choosing Volts enables auto-zero";
    g.RawValue[3] = 0;
    c.AUTOZEROBUTTON_Click(3);
    EXPECT_EQ(c.AUTOZEROBUTTON[3]->text(), "") << "an offset of 0 shows an empty caption";
    g.ADCOffset[3] = 17;
    QTest::mouseClick(c.ZeroReset[3], Qt::LeftButton);
    EXPECT_EQ(g.ADCOffset[3], 0);
    EXPECT_EQ(c.AUTOZEROBUTTON[3]->text(), "0");
    EXPECT_EQ(c.ZeroReset[12], nullptr);
    EXPECT_EQ(c.Volts[12], nullptr);
    EXPECT_EQ(c.Pulse[3], nullptr);

    g.RawValue[5] = 300;
    c.AUTOZEROBUTTON_Click(5);
    c.Text1[5]->setText("0.5");
    c.Text1[6]->setText("0.1234567");
    c.SAVEcalibration_Click();
    const std::string saved = readAll(cal());
    EXPECT_NE(saved.find("<ADCDivider(5)>0.50000</ADCDivider(5)>\r\n<ADCOffset(5)>00300</ADCOffset(5)>\r\n"
                         "<ChannelSelection(5)>A</ChannelSelection(5)>\r\n"),
              std::string::npos);
    EXPECT_NE(saved.find("<ChannelSelection(12)>A</ChannelSelection(12)>"), std::string::npos);
    EXPECT_NE(saved.find("<ChannelSelection(3)>V</ChannelSelection(3)>"), std::string::npos);
    EXPECT_DOUBLE_EQ(g.ADCDivider[5], 0.5) << "the saved factors are in use at once";
    EXPECT_DOUBLE_EQ(g.ADCDivider[6], 0.12346) << "as the next load reads the file";
}

TEST_F(Calibration, NonNumericFactorIsRefusedNamingTheChannel)
{
    const std::string before = readAll(cal());
    CALIBRATION c(g, dir.path());
    c.show();
    c.Text1[9]->setText("0,1");
    c.SAVEcalibration->trigger();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "The calibration factor of channel 9 (SYSTEM VOLTS) is not a number\r\n"
                           "correct it and SAVE again");
    EXPECT_TRUE(c.isVisible());
    EXPECT_EQ(readAll(cal()), before);
    c.Text1[9]->setText("0.1");
    c.SAVEcalibration->trigger();
    EXPECT_FALSE(c.isVisible());
}

TEST_F(Calibration, FailedSaveIsReportedAndTheOldFileStays)
{
    const std::string before = readAll(cal());
    QDir(dir.path()).mkdir(QStringLiteral("calibrations.cfg.tmp%1").arg(::getpid()));
    CALIBRATION c(g, dir.path());
    c.show();
    c.Text1[1]->setText("0.5");
    c.Text1[9]->setText("0.2");
    c.SAVEcalibration->trigger();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "The calibrations could not be saved; calibrations.cfg is unchanged.\r\n" + cal() +
                               ": Is a directory");
    EXPECT_TRUE(c.isVisible());
    EXPECT_EQ(readAll(cal()), before);
    // Factors that were not saved are not put into use either.
    EXPECT_EQ(g.ADCDivider[1], 0.1);
    EXPECT_EQ(g.ADCDivider[9], 0.1);
}

TEST_F(Calibration, DamagedOffsetKeepsMemoryAndMissingItemsTakeFirstRunValues)
{
    writeAll(cal(), "Calibration Settings\r\n<ADCOffset(1)>5x</ADCOffset(1)>\r\n");
    g.ADCOffset[1] = 33;
    g.ADCDivider[1] = 0.2;
    g.ChannelSelection[1] = "A";
    g.ADCOffset[2] = 44;
    CALIBRATION c(g, dir.path());
    EXPECT_EQ(g.ADCOffset[1], 33) << "an offset that is not a number keeps the one in memory";
    EXPECT_EQ(c.AUTOZEROBUTTON[1]->text(), "0033");
    EXPECT_EQ(g.ADCOffset[2], 0);
    EXPECT_EQ(c.Text1[1]->text(), "0.10000") << "a missing factor is the first-run 0.1, never 0";
    EXPECT_EQ(g.ChannelSelection[1], "V");
    EXPECT_TRUE(c.Volts[1]->isChecked());
}
