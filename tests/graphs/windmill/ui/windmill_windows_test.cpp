// The two windmill graph windows headless: opening, picking, reading,
// scaling, views, read-out, MAX/MIN labels, drag zoom, CSV, collation and
// printing, on realistic generated days.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QGroupBox>
#include <QElapsedTimer>
#include <QTest>

#include <filesystem>
#include <tuple>

#include "graphs/graph_window_fixture.h"
#include "graphs/windmill/ui/GraphDEMO.h"
#include "graphs/windmill/ui/GraphGV.h"
#include "graphs/windmill/windmill_day_fixture.h"
#include "platform/ClickLabel.h"
#include "platform/MessageBoxes.h"
#include "platform/PictureBox.h"
#include "platform/Printing.h"
#include "shared/FileIO.h"
#include "support/message_recorder.h"

using gvtest::crlf;
using gvtest::DayFamily;
using gvtest::Messages;
using gvtest::readFile;
using gvtest::savePng;
using gvtest::todayName;
using gvtest::writeFile;

namespace {

// The default channel table with windmill 2, solar (channel 3) and the
// loads (channel 4) switched on.
struct Site : gvtest::GraphSite {
    Site()
    {
        g.PersonalString = "Hilltop turbines";
        g.WSUnits = "m/s";
        g.ChannelName[2] = "WINDMILL 2 AMPS";
        g.ChannelName[3] = "SOLAR AMPS";
        g.ChannelName[4] = "LOAD AMPS";
        g.ChannelName[14] = "WINDMILL 2 RPM";
        g.ChannelName[18] = "WINDMILL 2 POWER";
        g.ChannelName[19] = "SOLAR POWER";
        g.ChannelName[20] = "LOAD POWER";
        for (int ch : {2, 3, 14, 18, 19})
            g.enableGRAPHING[static_cast<size_t>(ch)] = 1;
        g.LineColour[20] = 0x8080FF;
        g.LineColour[4] = 0x8080FF;
    }
};

using WindmillWindowTest = gvtest::GraphWindowTest<Site>;
using WindmillWindowsLook = WindmillWindowTest;
using WindmillWindowOpening = WindmillWindowTest;
using WindmillWindowReading = WindmillWindowTest;
using WindmillWindowBoxes = WindmillWindowTest;
using WindmillWindowInteraction = WindmillWindowTest;
using WindmillWindowViews = WindmillWindowTest;
using WindmillWindowOutputs = WindmillWindowTest;
using WindmillWindowTiming = WindmillWindowTest;
using WindmillWindowPicker = WindmillWindowTest;

} // namespace

TEST_F(WindmillWindowsLook, RendersEachViewToPng)
{
    writeFile(site.logs("GV_2026_06_14.txt"), gvtest::dayLog(DayFamily::GV, 60));
    writeFile(site.logs("WD_2026_06_14.txt"), gvtest::dayLog(DayFamily::WD, 60));

    GraphGV gvw(site.g, site.folder());
    ASSERT_TRUE(gvw.pickFile("GV_2026_06_14.txt"));
    EXPECT_EQ(gvw.graph.GraphRecordSet.RecordCount, 1440);
    gvw.Plot_MouseMove(800);
    savePng(gvw, "GraphGV_time.png");
    gvw.XAxisRPM->setChecked(true);
    savePng(gvw, "GraphGV_rpm.png");
    gvw.Distribution->setChecked(true);
    savePng(gvw, "GraphGV_distribution.png");
    gvw.XAxisTime->setChecked(true);
    gvw.CheckScaling->setChecked(false);
    savePng(gvw, "GraphGV_unscaled.png");
    // What the print puts on paper: the window with the plot on white.
    const std::string pdf = site.dir.file("look.pdf");
    gv::setPrintToPdfOverride(QString::fromStdString(pdf));
    QImage printed;
    gvw.Plot->setBackColour(Qt::white);
    gvw.XAxisTime_Click();
    printed = gvw.grab().toImage();
    printed.save(GV_BINARY_DIR "/screens/GraphGV_print.png");
    gvw.PrintButton->click();
    gv::setPrintToPdfOverride(QString());
    EXPECT_TRUE(gv::fileExists(pdf));

    GraphDEMO demo(site.g, site.folder());
    ASSERT_TRUE(demo.pickFile("WD_2026_06_14.txt"));
    demo.Plot_MouseMove(600);
    savePng(demo, "GraphDEMO_time.png");
    demo.XAxisWind_Click();
    savePng(demo, "GraphDEMO_wind.png");
    demo.XAxisRPM->setChecked(true);
    savePng(demo, "GraphDEMO_rpm.png");
    demo.Distribution->setChecked(true);
    savePng(demo, "GraphDEMO_distribution.png");
    EXPECT_TRUE(msgs.texts.empty()) << msgs.last().toStdString();
}

namespace {

// Records every minute from 01:00, n of them, WD or GV with fixed values.
std::string minuteRecords(DayFamily f, int n, double volts = 24, double amps = 10, int interval = 60)
{
    std::string out;
    for (int i = 0; i < n; ++i) {
        const std::string t = gvtest::hhmm(3600 + 60 * (i % 1378));
        if (f == DayFamily::WD)
            out += "<T>" + t + "</T><L>" + std::to_string(interval) + "</L><V>" + gv::formatPicture(volts, "##.00") +
                   "</V><I>" + gv::formatPicture(amps, "##0.0") + "</I><R>300</R><S>6</S>  1.000Wh\r\n";
        else
            out += "<T>" + t + "</T><L>" + std::to_string(interval) + "</L><V1>" + gv::formatPicture(volts, "##.00") +
                   "</V1><A1>" + gv::formatPicture(amps, "##0.0") +
                   "</A1><A2>1.0</A2><A3>0.0</A3><A4>0.0</A4><R2>0</R2><R1>300</R1><WS>6</WS>\r\n";
    }
    return out;
}

} // namespace

TEST_F(WindmillWindowOpening, WithoutTodaysFileOpensEmptyAndSilent)
{
    writeFile(site.logs("GV_2026_06_14.txt"), minuteRecords(DayFamily::GV, 10));
    writeFile(site.logs("gv_2026_06_15.TXT"), minuteRecords(DayFamily::GV, 10));
    writeFile(site.logs("GVWattHours.txt"), "x\r\n");
    writeFile(site.logs("WD_2026_06_14.txt"), minuteRecords(DayFamily::WD, 10));
    GraphGV w(site.g, site.folder());
    EXPECT_TRUE(msgs.texts.empty());
    EXPECT_EQ(w.windowTitle(), "Hilltop turbines");
    EXPECT_EQ(w.FileName->text().toStdString(), todayName("GV_"));
    EXPECT_FALSE(w.graph.Options.DayFileExists);
    EXPECT_EQ(w.graph.GraphRecordSet.RecordCount, 0);
    EXPECT_EQ(w.Plot->shapeCount(), 0);
    EXPECT_EQ(w.CheckScaling->text(), "Scaled");
    EXPECT_TRUE(w.CheckScaling->isChecked());
    EXPECT_EQ(w.graph.Options.ScaledMode, 1);
    EXPECT_EQ(w.Time1h->text(), "00");
    EXPECT_EQ(w.Time2m->text(), "59");
    ASSERT_EQ(w.File1->count(), 3);
    EXPECT_EQ(w.File1->item(0)->text(), "GV_2026_06_14.txt");
    EXPECT_EQ(w.File1->item(1)->text(), "gv_2026_06_15.TXT");
    EXPECT_EQ(w.File1->item(2)->text(), "GVWattHours.txt");
    // Boxes: captions, colours and ticks from the channel table.
    EXPECT_EQ(w.seriesBox("CheckVolts")->text(), "SYSTEM VOLTS");
    EXPECT_TRUE(w.seriesBox("CheckAmps2")->isChecked());
    EXPECT_FALSE(w.seriesBox("Checkamps4")->isChecked());
    EXPECT_EQ(w.graph.Options.SeriesFlags, (std::vector<int>{1, 1, 1, 1, 0, 1, 1, 1, 0, 1, 1, 1}));
    EXPECT_TRUE(w.XAxisTime->isChecked());
    EXPECT_FALSE(w.XAxisWind->isEnabled());

    // A DISPLAY click on the missing file reports it.
    w.DisplayButton->click();
    EXPECT_EQ(msgs.last(), "unknown file error");

    GraphDEMO d(site.g, site.folder());
    EXPECT_EQ(d.FileName->text().toStdString(), todayName("WD_"));
    EXPECT_EQ(d.File1->count(), 4); // every .txt of the folder
    msgs.texts.clear();
    d.DisplayButton->click();
    EXPECT_TRUE(msgs.texts.empty()); // the one-windmill window says nothing
    EXPECT_EQ(d.wattHourLabels.size(), 5u);
    EXPECT_NE(d.wattHourLabel("wh1"), nullptr);
    EXPECT_EQ(d.wattHourLabel("wh2"), nullptr);
}

TEST_F(WindmillWindowOpening, TodaysFileShowsEveryMinuteAndDisplayKeepsTheSpan)
{
    // A record every minute, 00:00 and 23:59 included, 100 W on windmill 1
    // but 900 W at 00:00, 40 W at 12:00 and 800 W at 12:30; lines without a
    // valid time come first and are no 00:00 records.
    std::string text = "<T>24:00</T><L>60</L><V1>25.00</V1><A1>40.0</A1>\r\n<L>60</L><V1>25.00</V1>\r\n";
    for (int m = 0; m < 24 * 60; ++m) {
        const char* amps = m == 0 ? "36.0" : m == 12 * 60 ? "1.6" : m == 12 * 60 + 30 ? "32.0" : "4.0";
        text += "<T>" + gvtest::hhmm(60 * m) + "</T><L>60</L><V1>25.00</V1><A1>" + amps + "</A1>\r\n";
    }
    // Stored in another letter case than the window asks for.
    std::string lower = todayName("GV_");
    for (auto& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    writeFile(site.logs(lower), text);
    GraphGV w(site.g, site.folder());
    const auto& rs = w.graph.GraphRecordSet;
    const auto span = [&w] {
        return (w.Time1h->text() + ":" + w.Time1m->text() + "-" + w.Time2h->text() + ":" + w.Time2m->text())
            .toStdString();
    };
    EXPECT_EQ(rs.RecordCount, 1440);
    EXPECT_EQ(span(), "00:00-23:59");
    EXPECT_EQ(w.stime->text(), "00:00");
    EXPECT_EQ(w.ftime->text(), "23:59");
    // The day's total, as the day's summary counts it: (1437 x 100 W + 900 W
    // + 40 W + 800 W) for a minute each.
    EXPECT_EQ(w.wattHourLabel("wh1")->text(), "2424 Wh");
    // The extremes, the scaling and the line cover the same records as the
    // watt-hours: the first and the last of the span too.  The line runs
    // from record 1 on the left edge to record 1440 on the right edge.
    const auto minThenMax = [&w] {
        w.valueLabel("wv")->clicked();
        const std::string min = w.valueLabel("wv")->text().toStdString();
        w.valueLabel("wv")->clicked();
        return min + " / " + w.valueLabel("wv")->text().toStdString();
    };
    EXPECT_EQ(minThenMax(), "MIN 40 W / MAX 900 W");
    EXPECT_EQ(w.surface().scaleWidth(), 1439);
    int shown = 0;
    for (int flag : w.graph.Options.SeriesFlags)
        shown += flag;
    EXPECT_EQ(w.Plot->shapeCount(), 1439 * shown);
    // DISPLAY again reads the same span and records.
    w.DisplayButton->click();
    EXPECT_EQ(rs.RecordCount, 1440);
    EXPECT_EQ(span(), "00:00-23:59");
    // 12:00 to 12:30: 31 records, 40 W on the first and 800 W on the last.
    w.Time1h->setText("12");
    w.Time2h->setText("12");
    w.Time2m->setText("30");
    w.DisplayButton->click();
    EXPECT_EQ(rs.RecordCount, 31);
    EXPECT_EQ(w.stime->text() + "-" + w.ftime->text(), "12:00-12:30");
    EXPECT_EQ(minThenMax(), "MIN 40 W / MAX 800 W");
    EXPECT_EQ(w.surface().scaleWidth(), 30);
    EXPECT_EQ(w.Plot->shapeCount(), 30 * shown);
    EXPECT_EQ(w.wattHourLabel("wh1")->text(), "62 Wh"); // (40 + 29 x 100 + 800) W for a minute each
    w.CheckScaling->setChecked(false);
    EXPECT_EQ(w.graph.Model.PlotHigh[gv::GVSeries::Watts1], 800);
    EXPECT_EQ(w.graph.Model.PlotLow[gv::GVSeries::Watts1], 40);
    w.CheckScaling->setChecked(true);
    // Two minutes with a record at each end; one minute.
    for (const auto& [from, to, count] : {std::tuple{"12", "01", 2}, std::tuple{"00", "00", 1}}) {
        w.Time1h->setText(from);
        w.Time1m->setText("00");
        w.Time2h->setText(from);
        w.Time2m->setText(to);
        w.DisplayButton->click();
        EXPECT_EQ(rs.RecordCount, count) << from;
        EXPECT_EQ(span(), std::string(from) + ":00-" + from + ":" + to);
    }
    // The one record of the one minute makes no line, and the window says so.
    ASSERT_EQ(msgs.texts.size(), 1u);
    EXPECT_EQ(msgs.last(), "No data for that date");
}

TEST_F(WindmillWindowReading, LimitsBadBoxesMissingFilesAndTheRecordLimit)
{
    writeFile(site.logs("GV_2026_06_14.txt"), gvtest::dayLog(DayFamily::GV, 60));
    GraphGV w(site.g, site.folder());
    ASSERT_TRUE(w.pickFile("GV_2026_06_14.txt"));
    ASSERT_EQ(w.graph.GraphRecordSet.RecordCount, 1440);

    // 06:30 to 18:00, both kept.
    w.Time1h->setText("6");
    w.Time1m->setText("30");
    w.Time2h->setText("18");
    w.Time2m->setText("0");
    w.DisplayButton->click();
    EXPECT_EQ(w.graph.GraphRecordSet.RecordCount, 18 * 60 - 6 * 60 - 30 + 1);
    EXPECT_EQ(w.stime->text(), "06:30");
    EXPECT_EQ(w.ftime->text(), "18:00");
    const int shapes = w.Plot->shapeCount();
    const int count = w.graph.GraphRecordSet.RecordCount;

    // Boxes that are no time: refused, nothing changes.
    w.Time1m->setText("7x");
    w.DisplayButton->click();
    EXPECT_EQ(msgs.last().toStdString(), gv::InvalidTimeMessage);
    EXPECT_EQ(w.graph.GraphRecordSet.RecordCount, count);
    EXPECT_EQ(w.Plot->shapeCount(), shapes);

    // A file holding 10,000 records inside the limits: refused, the previous
    // records and picture stay.
    writeFile(site.logs("GV_2026_06_15.txt"), minuteRecords(DayFamily::GV, 10000));
    ASSERT_TRUE(w.pickFile("GV_2026_06_15.txt"));
    EXPECT_EQ(msgs.last(), "Over 10,000 records, too many to display.");
    EXPECT_EQ(w.graph.GraphRecordSet.RecordCount, count);
    EXPECT_EQ(w.graph.GraphRecordSet.SourceFile, "GV_2026_06_14.txt");
    EXPECT_EQ(w.Plot->shapeCount(), shapes);

    // A span that cannot be drawn says so and leaves none of the previous
    // span's figures: 12:34 to 12:34 holds one record.  The picture is
    // cleared, the labels are as the window opens, the boxes keep what was
    // typed, and nothing of 06:30-18:00 is left to click, collate or export.
    const auto figuresGone = [&w] {
        EXPECT_EQ(w.Plot->shapeCount(), 0);
        EXPECT_EQ(w.stime->text() + " " + w.ftime->text(), "Start Finish");
        EXPECT_EQ(w.wattHourLabel("wh1")->text(), "Wh");
        EXPECT_EQ(w.valueLabel("wv")->text(), "0");
        EXPECT_TRUE(w.graph.Model.ShownMaximum.empty());
        EXPECT_EQ(w.graph.Model.DayWattHours, 0);
        EXPECT_TRUE(w.graph.Model.PlottedFile.empty());
    };
    w.valueLabel("wv")->clicked();
    ASSERT_NE(w.valueLabel("wv")->text(), "0");
    ASSERT_NE(w.wattHourLabel("wh1")->text(), "Wh");
    msgs.texts.clear();
    w.FileName->setText("GV_2026_06_14.txt");
    for (QLineEdit* box : {w.Time1h, w.Time2h})
        box->setText("12");
    for (QLineEdit* box : {w.Time1m, w.Time2m})
        box->setText("34");
    w.DisplayButton->click();
    EXPECT_EQ(w.graph.GraphRecordSet.RecordCount, 1);
    ASSERT_EQ(msgs.texts.size(), 1u);
    EXPECT_EQ(msgs.last(), "No data for that date");
    figuresGone();
    EXPECT_EQ((w.Time1h->text() + w.Time1m->text() + w.Time2h->text() + w.Time2m->text()).toStdString(),
              "12341234");

    // 9,999 are all kept and plotted.
    writeFile(site.logs("GV_2026_06_16.txt"), minuteRecords(DayFamily::GV, 9999));
    msgs.texts.clear();
    ASSERT_TRUE(w.pickFile("GV_2026_06_16.txt"));
    EXPECT_TRUE(msgs.texts.empty());
    EXPECT_EQ(w.graph.GraphRecordSet.RecordCount, 9999);

    // No record inside the limits: the set empties and the previous day's
    // picture and figures go with it.
    writeFile(site.logs("GV_2026_06_17.txt"), "\r\n");
    ASSERT_GT(w.Plot->shapeCount(), 0);
    ASSERT_TRUE(w.pickFile("GV_2026_06_17.txt"));
    EXPECT_EQ(msgs.last(), "No data for that date");
    EXPECT_EQ(w.graph.GraphRecordSet.RecordCount, 0);
    figuresGone();
    w.CSV->click();
    EXPECT_EQ(msgs.last(), "No data for that date");

    // The collation file picked as a day: no data.
    writeFile(site.logs("GVWattHours.txt"), "daily watthours for these dates\r\n\r\n");
    ASSERT_TRUE(w.pickFile("GVWattHours.txt"));
    EXPECT_EQ(msgs.last(), "No data for that date");
}

TEST_F(WindmillWindowBoxes, SeriesAndScalingRedraw)
{
    writeFile(site.logs("GV_2026_06_14.txt"), gvtest::dayLog(DayFamily::GV, 300));
    GraphGV w(site.g, site.folder());
    ASSERT_TRUE(w.pickFile("GV_2026_06_14.txt"));
    const int all = w.Plot->shapeCount();
    for (QCheckBox* b : w.seriesBoxes)
        b->setChecked(false);
    EXPECT_EQ(w.graph.Options.SeriesFlags, std::vector<int>(12, 0));
    EXPECT_EQ(w.Plot->shapeCount(), 0);
    EXPECT_EQ(w.stime->text(), "00:00");
    w.seriesBox("CheckVolts")->setChecked(true);
    EXPECT_EQ(w.Plot->shapeCount(), w.graph.GraphRecordSet.RecordCount - 1);
    EXPECT_LT(w.Plot->shapeCount(), all);

    w.CheckScaling->setChecked(false);
    EXPECT_EQ(w.CheckScaling->text(), "Unscaled");
    EXPECT_EQ(w.graph.Options.ScaledMode, 0);
    EXPECT_GT(w.graph.Model.PlotLow[gv::GVSeries::Volts], 0);
    w.CheckScaling->setChecked(true);
    EXPECT_EQ(w.CheckScaling->text(), "Scaled");
    EXPECT_EQ(w.graph.Model.PlotLow[gv::GVSeries::Volts], 0);

    // With fewer than two records a box changes its flag only.
    writeFile(site.logs("GV_2026_06_15.txt"), minuteRecords(DayFamily::GV, 1));
    ASSERT_TRUE(w.pickFile("GV_2026_06_15.txt"));
    EXPECT_EQ(w.graph.GraphRecordSet.RecordCount, 1);
    EXPECT_EQ(msgs.last(), "No data for that date");
    msgs.texts.clear();
    w.seriesBox("CheckRPM")->setChecked(true);
    EXPECT_EQ(w.graph.Options.SeriesFlags[9], 1);
    EXPECT_TRUE(msgs.texts.empty());
}

TEST_F(WindmillWindowInteraction, ReadoutAndMaxMinLabels)
{
    // Amps 0.25 at record 1, 0.75 at record 2, 0 at record 3, then 5 A.
    std::string text;
    const double amps[] = {0.25, 0.75, 0, 5, 5, 5, 5, 5};
    for (int i = 0; i < 8; ++i)
        text += "<T>" + gvtest::hhmm(7 * 3600 + 5 * 60 + 60 * i) + "</T><L>60</L><V1>12.50</V1><A1>" +
                std::to_string(amps[i]) + "</A1><WS>7.46</WS><R1>412</R1>\r\n";
    writeFile(site.logs("GV_2026_06_14.txt"), text);
    GraphGV w(site.g, site.folder());
    ASSERT_TRUE(w.pickFile("GV_2026_06_14.txt"));
    ASSERT_EQ(w.graph.GraphRecordSet.RecordCount, 8);

    w.Plot_MouseMove(0);
    EXPECT_EQ(w.vt->text(), "07:05");
    EXPECT_EQ(w.valueLabel("av")->text(), "0.2 A");
    EXPECT_EQ(w.valueLabel("vv")->text(), "12.5 V");
    EXPECT_EQ(w.valueLabel("sv")->text(), "7.5 m/s");
    EXPECT_EQ(w.valueLabel("rv")->text(), "412 RPM");
    w.Plot_MouseMove(1.7);
    EXPECT_EQ(w.vt->text(), "07:06");
    EXPECT_EQ(w.valueLabel("av")->text(), "0.8 A");
    // Beyond the records nothing is written.
    w.Plot_MouseMove(40);
    EXPECT_EQ(w.vt->text(), "07:06");
    EXPECT_EQ(w.valueLabel("av")->text(), "0.8 A");
    w.Plot_MouseMove(-5);
    EXPECT_EQ(w.vt->text(), "07:06");

    // First click a minimum, then alternate across labels.
    w.valueLabel("vv")->clicked();
    EXPECT_EQ(w.valueLabel("vv")->text(), "MIN 12.50 V");
    w.valueLabel("wv")->clicked();
    EXPECT_EQ(w.valueLabel("wv")->text(), "MAX 63 W"); // 62.5 W
    w.valueLabel("av")->clicked();
    EXPECT_EQ(w.valueLabel("av")->text(), " Min = 0 A"); // record 3 is 0 A
    w.valueLabel("sv")->clicked();
    EXPECT_EQ(w.valueLabel("sv")->text(), "MAX 7.5");
    w.valueLabel("sv")->clicked();
    EXPECT_EQ(w.valueLabel("sv")->text(), "MIN 7.5");

    // The one-windmill window writes its minimum even at 0.
    std::string wd;
    for (int i = 0; i < 8; ++i)
        wd += "<T>" + gvtest::hhmm(7 * 3600 + 60 * i) + "</T><L>60</L><V>24.00</V><I>" + std::to_string(amps[i]) +
              "</I><R>300</R><S>6</S>\r\n";
    writeFile(site.logs("WD_2026_06_14.txt"), wd);
    GraphDEMO d(site.g, site.folder());
    ASSERT_TRUE(d.pickFile("WD_2026_06_14.txt"));
    d.valueLabel("av")->clicked();
    EXPECT_EQ(d.valueLabel("av")->text(), "MIN 0 A");
    d.Plot_MouseMove(3);
    EXPECT_EQ(d.valueLabel("vv")->text(), "24.00 V");
    EXPECT_EQ(d.valueLabel("wv")->text(), "120 W");
    EXPECT_EQ(d.valueLabel("sv")->text(), "6 m/s");

    // A minimum is the smallest plotted value, however high: windmill 1 at
    // 52 to 59 A on 48 V (2496 W and up) and 620 rpm and up all day.
    std::string strong;
    for (int i = 0; i < 8; ++i)
        strong += "<T>" + gvtest::hhmm(9 * 3600 + 60 * i) + "</T><L>60</L><V1>48.00</V1><A1>" +
                  std::to_string(52 + i) + "</A1><WS>12</WS><R1>" + std::to_string(620 + 5 * i) + "</R1>\r\n";
    writeFile(site.logs("GV_2026_06_15.txt"), strong);
    GraphGV s(site.g, site.folder());
    ASSERT_TRUE(s.pickFile("GV_2026_06_15.txt"));
    s.valueLabel("wv")->clicked();
    EXPECT_EQ(s.valueLabel("wv")->text(), "MIN 2496 W");
    s.valueLabel("rv")->clicked();
    s.valueLabel("rv")->clicked();
    EXPECT_EQ(s.valueLabel("rv")->text(), "MIN 620 rpm");
    s.valueLabel("av")->clicked();
    s.valueLabel("av")->clicked();
    EXPECT_EQ(s.valueLabel("av")->text(), "MIN 52.0 A");
    // The one-windmill window: 25 A and 520 rpm, above their full scales.
    std::string wdStrong;
    for (int i = 0; i < 8; ++i)
        wdStrong += "<T>" + gvtest::hhmm(9 * 3600 + 60 * i) + "</T><L>60</L><V>24.00</V><I>25.0</I><R>" +
                    std::to_string(520 + i) + "</R><S>9</S>\r\n";
    writeFile(site.logs("WD_2026_06_15.txt"), wdStrong);
    ASSERT_TRUE(d.pickFile("WD_2026_06_15.txt"));
    d.valueLabel("rv")->clicked();
    d.valueLabel("rv")->clicked();
    EXPECT_EQ(d.valueLabel("rv")->text(), "MIN 520 RPM");
    d.valueLabel("av")->clicked();
    d.valueLabel("av")->clicked();
    EXPECT_EQ(d.valueLabel("av")->text(), "MIN 25 A");
    EXPECT_TRUE(msgs.texts.empty());
}

TEST_F(WindmillWindowInteraction, DragZoomNarrowsTheWindowAndRereads)
{
    writeFile(site.logs("GV_2026_06_14.txt"), gvtest::dayLog(DayFamily::GV, 60));
    GraphGV w(site.g, site.folder());
    ASSERT_TRUE(w.pickFile("GV_2026_06_14.txt"));
    auto& rs = w.graph.GraphRecordSet;
    ASSERT_EQ(rs.RecordCount, 1440);
    const std::string t100 = gv::shortTime(rs.time(100)), t251 = gv::shortTime(rs.time(251));

    w.Plot_MouseMove(99.4);
    w.Plot_MouseDown(100.4);
    EXPECT_EQ(w.graph.Zoom.MouseHeld, 1);
    EXPECT_EQ(rs.FirstShown, 100.4);
    const int before = w.Plot->shapeCount();
    w.Plot_MouseMove(180);
    EXPECT_EQ(w.Plot->shapeCount(), before + 1); // the red marker
    w.Plot_MouseMove(250.7);
    w.Plot_MouseUp(250.7);
    EXPECT_EQ(w.graph.Zoom.MouseHeld, 0);
    EXPECT_EQ(rs.ZoomBusy, 0);
    EXPECT_EQ(rs.FirstShown, 1);
    EXPECT_EQ(w.Time1h->text().toStdString() + ":" + w.Time1m->text().toStdString(),
              gv::shortTime(rs.time(1))); // re-plotted after the re-read
    // From the time of record 100 to that of record 251, both kept.
    EXPECT_EQ(rs.RecordCount, 152);
    EXPECT_EQ(gv::shortTime(rs.time(1)), t100);
    EXPECT_EQ(gv::shortTime(rs.time(rs.RecordCount)), t251);
    EXPECT_TRUE(msgs.texts.empty());
    // Every new plot (a zoom, a day file picked, DISPLAY) leaves no figure
    // of the plot before on the value labels: they show their caption.
    EXPECT_EQ(w.valueLabel("wv")->text(), "0") << "the read-out at the release";

    // A press whose release does not zoom (left of the press, or within a
    // record of it) leaves the boxes, the range and the picture as they
    // were before the press, so the next DISPLAY reads what the boxes show.
    const auto boxes = [&w] {
        return (w.Time1h->text() + w.Time1m->text() + w.Time2h->text() + w.Time2m->text()).toStdString();
    };
    const std::string shownBoxes = boxes();
    const int shownShapes = w.Plot->shapeCount();
    for (double release : {20.0, 50.8}) {
        w.Plot_MouseMove(50);
        w.Plot_MouseDown(50);
        EXPECT_EQ(rs.FirstShown, 50);
        EXPECT_NE(boxes(), shownBoxes);
        w.Plot_MouseMove(35);
        w.Plot_MouseMove(release);
        EXPECT_GT(w.Plot->shapeCount(), shownShapes); // drag markers
        w.Plot_MouseUp(release);
        EXPECT_EQ(rs.RecordCount, 152) << release;
        EXPECT_EQ(rs.FirstShown, 1) << release;
        EXPECT_EQ(rs.LastShown, 152) << release;
        EXPECT_EQ(boxes(), shownBoxes) << release;
        EXPECT_EQ(w.Plot->shapeCount(), shownShapes) << release;
    }
    // A release far beyond the picture zooms to the last record: records
    // 10 to 152.
    w.Plot_MouseMove(10);
    w.Plot_MouseDown(10);
    w.Plot_MouseUp(1e7);
    EXPECT_EQ(rs.RecordCount, 143);
    EXPECT_TRUE(msgs.texts.empty());

    // A drag from the left edge starts at the first record shown: on a day
    // of one record a minute shown from 00:10, press at 0.3 (over 00:10)
    // and release at 50.2 keep 00:10..00:59.
    std::string minutes;
    for (int m = 0; m <= 100; ++m)
        minutes += "<T>" + gvtest::hhmm(60 * m) + "</T><L>60</L><V1>24.00</V1><A1>1.0</A1>\r\n";
    writeFile(site.logs("GV_2026_06_16.txt"), minutes);
    w.valueLabel("wv")->clicked();
    ASSERT_NE(w.valueLabel("wv")->text(), "0");
    ASSERT_TRUE(w.pickFile("GV_2026_06_16.txt"));
    EXPECT_EQ(w.valueLabel("wv")->text(), "0");
    w.Time1m->setText("10");
    w.valueLabel("vv")->clicked();
    ASSERT_NE(w.valueLabel("vv")->text(), "0");
    w.DisplayButton->click();
    EXPECT_EQ(w.valueLabel("vv")->text(), "0");
    ASSERT_EQ(gv::shortTime(rs.time(1)), "00:10");
    w.Plot_MouseMove(0.3);
    w.Plot_MouseDown(0.3);
    w.Plot_MouseMove(50.2);
    w.Plot_MouseUp(50.2);
    ASSERT_EQ(rs.RecordCount, 50);
    EXPECT_EQ(gv::shortTime(rs.time(1)), "00:10");
    EXPECT_EQ(gv::shortTime(rs.time(50)), "00:59");
    EXPECT_TRUE(msgs.texts.empty());

    // One record only: a press sets MouseHeld and nothing else.
    writeFile(site.logs("GV_2026_06_15.txt"), minuteRecords(DayFamily::GV, 1));
    ASSERT_TRUE(w.pickFile("GV_2026_06_15.txt"));
    w.Plot_MouseDown(0.5);
    EXPECT_EQ(w.graph.Zoom.MouseHeld, 1);
    EXPECT_EQ(rs.FirstShown, 1);
    w.Plot_MouseUp(3);
    EXPECT_EQ(rs.RecordCount, 1);
}

TEST_F(WindmillWindowViews, OptionsHideAndRestoreControls)
{
    writeFile(site.logs("WD_2026_06_14.txt"), gvtest::dayLog(DayFamily::WD, 120));
    GraphDEMO d(site.g, site.folder());
    d.show();
    ASSERT_TRUE(d.pickFile("WD_2026_06_14.txt"));
    d.Collate->setChecked(true);
    d.XAxisRPM->setChecked(true);
    EXPECT_EQ(d.Label7->text(), "Power vs RPM");
    for (QWidget* w : std::initializer_list<QWidget*>{d.seriesBox("CheckVolts"), d.Collate, d.CSV, d.DisplayButton,
                                                      d.CheckScaling, d.stime, d.ftime, d.vt, d.valueLabel("sv")})
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_TRUE(d.PrintButton->isVisible());
    EXPECT_TRUE(d.wattHourLabel("wh1")->isVisible());

    d.Distribution->setChecked(true);
    EXPECT_EQ(d.Label7->text(), "Frequency vs Power");
    EXPECT_EQ(d.graph.PowerBins.BinCount, 100);
    EXPECT_GT(d.graph.PowerBins.MaxBinCount, 0);

    d.XAxisTime->setChecked(true);
    EXPECT_EQ(d.Label7->text(), "Time");
    for (QWidget* w : std::initializer_list<QWidget*>{d.seriesBox("CheckVolts"), d.Collate, d.CSV, d.DisplayButton,
                                                      d.CheckScaling, d.stime, d.ftime, d.vt, d.valueLabel("sv")})
        EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();

    // A redraw of the time plot from another view brings the time view back.
    d.XAxisRPM->setChecked(true);
    d.seriesBox("CheckWS")->setChecked(false);
    EXPECT_TRUE(d.XAxisTime->isChecked());
    EXPECT_TRUE(d.CSV->isVisible());
    EXPECT_EQ(d.Label7->text(), "Time");

    // The wind view (not offered in the window) ticks the scaling first.
    d.CheckScaling->setChecked(false);
    d.XAxisWind_Click();
    EXPECT_TRUE(d.CheckScaling->isChecked());
    EXPECT_EQ(d.CheckScaling->text(), "Scaled");
    EXPECT_EQ(d.Label7->text(), "Power vs WindSpeed");
    EXPECT_TRUE(msgs.texts.empty());
}

TEST_F(WindmillWindowViews, DemoNeedsSevenRecords)
{
    writeFile(site.logs("WD_2026_06_14.txt"), crlf({"<T>10:00</T><L>300</L><V>24.00</V><I>1.0</I>",
                                                     "<T>10:05</T><L>300</L><V>24.00</V><I>1.0</I>",
                                                     "<T>10:10</T><L>300</L><V>24.00</V><I>1.0</I>"}));
    GraphDEMO d(site.g, site.folder());
    ASSERT_TRUE(d.pickFile("WD_2026_06_14.txt"));
    EXPECT_EQ(msgs.last(), "Not enough data to plot");
    EXPECT_EQ(d.stime->text(), "10:00");
    EXPECT_EQ(d.ftime->text(), "10:10");
    EXPECT_EQ(d.Time1h->text(), "10");
    EXPECT_EQ(d.Time1m->text(), "00");
    EXPECT_EQ(d.Time2h->text(), "10");
    EXPECT_EQ(d.Time2m->text(), "10");
    EXPECT_EQ(d.Plot->shapeCount(), 0);
    // One record is fewer than seven too.
    d.Time1m->setText("05");
    d.Time2m->setText("05");
    msgs.texts.clear();
    d.DisplayButton->click();
    EXPECT_EQ(d.graph.GraphRecordSet.RecordCount, 1);
    EXPECT_EQ(msgs.last(), "Not enough data to plot");
    EXPECT_EQ(d.stime->text() + "-" + d.ftime->text(), "10:05-10:05");
}

TEST_F(WindmillWindowOutputs, CsvExport)
{
    writeFile(site.logs("WD_2026_12_08.txt"),
              crlf({"<T>13:05</T><L>10</L><V>24.10</V><I>3.5</I><R>412</R><S>5.2</S>  1.000Wh",
                    "<T>13:06</T><L>10</L><V>24.10</V><I>0.0</I><R>0</R><S>0</S>  1.000Wh"}));
    GraphDEMO d(site.g, site.folder());
    // Nothing read yet: no file at all.
    d.CSV->click();
    EXPECT_EQ(msgs.last(), "No data for that date");
    EXPECT_TRUE(QDir(QString::fromStdString(site.dir.file("Excel"))).isEmpty());

    ASSERT_TRUE(d.pickFile("WD_2026_12_08.txt"));
    d.CSV->click();
    EXPECT_EQ(msgs.last(), "Done");
    const std::string csv = site.excel("WD_2026_12_08_1305_1306.csv");
    EXPECT_EQ(readFile(csv), crlf({"TIME,VOLTS,AMPS,WATTS,RPM,SPEED", "13:05,24.10,3.50,84.35,412,5.2",
                                   "13:06,24.10,.00,.00,,.0"}));
    EXPECT_EQ(readFile(site.excel("WD_2026_12_08.txt")), "\r\n");

    // Boxes that form no time: nothing written, the export stays whole.
    d.Time2m->setText("99");
    d.CSV->click();
    EXPECT_EQ(msgs.last().toStdString(), gv::InvalidTimeMessage);
    EXPECT_EQ(readFile(site.excel("WD_2026_12_08.txt")), "\r\n");

    // Excel folder gone: reported, never "Done".
    d.Time2m->setText("06");
    std::filesystem::remove_all(site.dir.file("Excel"));
    d.CSV->click();
    EXPECT_TRUE(msgs.last().startsWith("Could not write")) << msgs.last().toStdString();
}

TEST_F(WindmillWindowOutputs, CollationOnPickingTheNextDay)
{
    writeFile(site.logs("WD_2026_12_07.txt"), minuteRecords(DayFamily::WD, 361, 36, 10, 10));
    writeFile(site.logs("WD_2026_12_08.txt"), minuteRecords(DayFamily::WD, 20, 24, 5, 60));
    GraphDEMO d(site.g, site.folder());
    d.Collate->setChecked(true);
    // Today's file does not exist: the first collation only starts the file.
    ASSERT_TRUE(d.pickFile("WD_2026_12_07.txt"));
    EXPECT_EQ(readFile(site.logs("WDWattHours.txt")), crlf({"daily windmill DEMO watthours for these dates", ""}));
    EXPECT_EQ(d.wattHourLabel("wh1")->text(), "361 Wh");
    ASSERT_TRUE(d.pickFile("WD_2026_12_08.txt"));
    ASSERT_TRUE(d.pickFile("WD_2026_12_07.txt"));
    ASSERT_TRUE(d.pickFile("WD_2026_12_08.txt")); // 12_07 already listed
    EXPECT_EQ(readFile(site.logs("WDWattHours.txt")),
              crlf({"daily windmill DEMO watthours for these dates", "", "WD_2026_12_07.txt  ,  00361",
                    "WD_2026_12_08.txt  ,  00040"}));

    // GraphGV writes the day's total over its windmills, first run included.
    writeFile(site.logs("GV_2026_12_07.txt"), minuteRecords(DayFamily::GV, 361, 36, 10, 10));
    writeFile(site.logs("GV_2026_12_08.txt"), minuteRecords(DayFamily::GV, 5));
    GraphGV w(site.g, site.folder());
    w.Collate->setChecked(true);
    w.Collate->setChecked(false);
    ASSERT_TRUE(w.pickFile("GV_2026_12_07.txt"));
    w.Collate->setChecked(true);
    ASSERT_TRUE(w.pickFile("GV_2026_12_08.txt"));
    // 361 Wh of windmill 1 and 36.1 Wh of windmill 2 (36 V x 1 A).
    EXPECT_EQ(readFile(site.logs("GVWattHours.txt")),
              crlf({"daily watthours for these dates", "", "GV_2026_12_07.txt  ,  00397"}));
    EXPECT_TRUE(msgs.texts.empty()) << msgs.last().toStdString();

    // A collation file that cannot be written (a folder holds its name): the
    // pick says so, then reads and shows the picked day all the same.
    std::filesystem::remove(site.logs("GVWattHours.txt"));
    std::filesystem::create_directory(site.logs("GVWattHours.txt"));
    ASSERT_TRUE(w.pickFile("GV_2026_12_07.txt"));
    ASSERT_EQ(msgs.texts.size(), 1u);
    EXPECT_EQ(msgs.last().toStdString(), "Could not write " + site.logs("GVWattHours.txt"));
    EXPECT_EQ(w.FileName->text(), "GV_2026_12_07.txt");
    EXPECT_EQ(w.graph.Model.PlottedFile, "GV_2026_12_07.txt");
}

TEST_F(WindmillWindowOutputs, PrintGoesToPdfAndRedrawsOnGrey)
{
    writeFile(site.logs("GV_2026_06_14.txt"), gvtest::dayLog(DayFamily::GV, 120));
    GraphGV w(site.g, site.folder());
    ASSERT_TRUE(w.pickFile("GV_2026_06_14.txt"));
    w.Distribution->setChecked(true);
    const int shapes = w.Plot->shapeCount();
    const std::string pdf = site.dir.file("print.pdf");
    gv::setPrintToPdfOverride(QString::fromStdString(pdf));
    w.PrintButton->click();
    gv::setPrintToPdfOverride(QString());
    EXPECT_TRUE(msgs.texts.empty()) << msgs.last().toStdString();
    EXPECT_TRUE(gv::fileExists(pdf));
    EXPECT_EQ(readFile(pdf).substr(0, 5), "%PDF-");
    EXPECT_TRUE(w.Distribution->isChecked());
    EXPECT_EQ(w.Plot->shapeCount(), shapes);
    EXPECT_EQ(w.Plot->backColour(), gv::colourFromBGR(0x404040));

    // A printer that cannot be reached: reported, the window goes on.
    gv::setPrintToPdfOverride(QString::fromStdString(site.dir.file("no/such/folder/print.pdf")));
    w.PrintButton->click();
    gv::setPrintToPdfOverride(QString());
    EXPECT_EQ(msgs.last(), "The form could not be printed");
    EXPECT_EQ(w.Plot->shapeCount(), shapes);
}

TEST_F(WindmillWindowTiming, OpeningOnADayOfTenSecondLogsAndAnHourOfOneSecondLogs)
{
    writeFile(site.logs(todayName("GV_")), gvtest::dayLog(DayFamily::GV, 10));
    writeFile(site.logs("GV_2026_06_14_15.txt"), gvtest::dayLog(DayFamily::GV, 1, 15 * 3600, 16 * 3600));
    QElapsedTimer timer;
    timer.start();
    GraphGV w(site.g, site.folder());
    const qint64 openMs = timer.elapsed();
    ASSERT_EQ(w.graph.GraphRecordSet.RecordCount, 8640);
    w.resize(1180, 760);
    timer.restart();
    const QImage shown = w.grab().toImage();
    const qint64 paintMs = timer.elapsed();
    timer.restart();
    ASSERT_TRUE(w.pickFile("GV_2026_06_14_15.txt"));
    const qint64 hourMs = timer.elapsed();
    ASSERT_EQ(w.graph.GraphRecordSet.RecordCount, 3600);
    timer.restart();
    (void)w.grab();
    const qint64 hourPaintMs = timer.elapsed();
    std::printf("\n[timing] GraphGV opening on today's 10-s log (8,640 records): %lld ms, first paint %lld ms\n",
                static_cast<long long>(openMs), static_cast<long long>(paintMs));
    std::printf("[timing] GraphGV picking an hourly 1-s log (3,600 records): %lld ms, paint %lld ms\n",
                static_cast<long long>(hourMs), static_cast<long long>(hourPaintMs));
    EXPECT_FALSE(shown.isNull());
    EXPECT_TRUE(msgs.texts.empty());
}

TEST_F(WindmillWindowPicker, FolderListDrivesTheFileListButTheReaderUsesLogs)
{
    gv::makeFolder(site.dir.file("logs/old"));
    writeFile(site.logs("old/GV_2020_01_01.txt"), minuteRecords(DayFamily::GV, 10));
    writeFile(site.logs("GV_2026_06_14.txt"), minuteRecords(DayFamily::GV, 10));
    GraphGV w(site.g, site.folder());
    ASSERT_EQ(w.Dir1->count(), 2); // [..] and [old]
    EXPECT_EQ(w.Dir1->item(1)->text(), "[old]");
    w.setDir1Path(QString::fromStdString(site.logs("old")));
    ASSERT_EQ(w.File1->count(), 1);
    EXPECT_EQ(w.File1->item(0)->text(), "GV_2020_01_01.txt");
    w.File1->setCurrentRow(0);
    w.File1_Click();
    EXPECT_EQ(msgs.last(), "unknown file error");
    EXPECT_EQ(w.graph.GraphRecordSet.RecordCount, 0);
    w.setDir1Path(QString::fromStdString(site.dir.file("logs")));
    EXPECT_EQ(w.File1->count(), 1);

    // A logs folder that went missing: the window still opens, lists nothing.
    Site bare;
    std::filesystem::remove_all(bare.dir.file("logs"));
    GraphDEMO d(bare.g, bare.folder());
    EXPECT_EQ(d.File1->count(), 0);
}

TEST_F(WindmillWindowOpening, ShownModallyOverItsOwnerAndClosedByExit)
{
    writeFile(site.logs(todayName("WD_")), minuteRecords(DayFamily::WD, 30));
    gv::setProgramFolderOverride(site.folder());
    QWidget owner;
    int shown = 0;
    gv::setDialogHook([&](QDialog* d) {
        ++shown;
        auto* w = qobject_cast<GraphDEMO*>(d);
        EXPECT_NE(w, nullptr);
        EXPECT_EQ(d->parentWidget(), &owner);
        EXPECT_EQ(w->graph.GraphRecordSet.RecordCount, 30); // today's file, read on opening
        d->show();
        w->ExitGraphsButton->click();
        EXPECT_FALSE(d->isVisible());
        return d->result();
    });
    {
        GraphDEMO w(site.g, &owner); // as the menu opens it
        EXPECT_EQ(gv::execDialog(&w), QDialog::Rejected);
    }
    gv::setDialogHook({});
    gv::setProgramFolderOverride(QString());
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(msgs.texts.empty());
}

TEST_F(WindmillWindowInteraction, RealMouseOnThePicture)
{
    writeFile(site.logs("GV_2026_06_14.txt"), gvtest::dayLog(DayFamily::GV, 60));
    GraphGV w(site.g, site.folder());
    w.resize(1180, 760);
    w.show();
    ASSERT_TRUE(w.pickFile("GV_2026_06_14.txt"));
    ASSERT_EQ(w.graph.GraphRecordSet.RecordCount, 1440);
    const int width = w.Plot->width();
    const int y = w.Plot->height() / 2;
    // A quarter of the way across the picture lies a quarter of the day.
    double seen = -1;
    QObject::connect(w.Plot, &gv::PictureBox::mouseMoved, [&](double fx, double, Qt::MouseButtons) { seen = fx; });
    QTest::mouseMove(w.Plot, QPoint(width / 4, y));
    // The picture is LastShown - FirstShown = 1439 records wide.
    ASSERT_EQ(w.surface().scaleWidth(), 1439);
    const double x = static_cast<double>(width / 4) / width * 1439;
    EXPECT_NEAR(seen * 1439, x, 1e-9) << width;
    EXPECT_EQ(w.vt->text().toStdString(), gv::shortTime(w.graph.GraphRecordSet.time(static_cast<long>(std::floor(x + 1)))));
    // Right-button drag from a quarter to a half: about a quarter of the day.
    QTest::mousePress(w.Plot, Qt::RightButton, {}, QPoint(width / 4, y));
    QTest::mouseMove(w.Plot, QPoint(width * 3 / 8, y));
    QTest::mouseRelease(w.Plot, Qt::RightButton, {}, QPoint(width / 2, y));
    EXPECT_NEAR(w.graph.GraphRecordSet.RecordCount, 1439 / 4, 4);
    EXPECT_EQ(w.graph.GraphRecordSet.FirstShown, 1);
    EXPECT_EQ(w.graph.Zoom.MouseHeld, 0);
    // Clicking a value label.
    QTest::mouseClick(w.valueLabel("rv"), Qt::LeftButton);
    EXPECT_TRUE(w.valueLabel("rv")->text().startsWith("MIN ") || w.valueLabel("rv")->text() == " Min = 0 rpm");
    EXPECT_TRUE(msgs.texts.empty());
}
