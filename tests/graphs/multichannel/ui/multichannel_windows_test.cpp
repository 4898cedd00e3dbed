// The four multi-channel graph windows headless: opening, picker, reader
// messages, boxes, read-out and MAX/MIN labels, drag zoom, CSV, collation
// and printing, on realistic generated days.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <filesystem>

#include "graphs/graph_window_fixture.h"
#include "graphs/multichannel/fixture_logs.h"
#include "graphs/multichannel/ui/GraphCC.h"
#include "graphs/multichannel/ui/GraphCC_QF.h"
#include "graphs/multichannel/ui/GraphML.h"
#include "graphs/multichannel/ui/GraphRE.h"
#include "platform/ClickLabel.h"
#include "platform/MessageBoxes.h"
#include "platform/PictureBox.h"
#include "platform/Printing.h"
#include "shared/FileIO.h"
#include "shared/TaggedText.h"
#include "support/message_recorder.h"

using gvtest::crlf;
using gvtest::Messages;
using gvtest::readFile;
using gvtest::savePng;
using gvtest::todayName;
using gvtest::writeFile;

namespace {

// The first-run channel table named and coloured for a house with Current
// Cost meters.
struct Site : gvtest::GraphSite {
    Site()
    {
        g.PersonalString = "Quorra Flats";
        g.SystemType = 8;
        const char* names[] = {"FRIDGE", "LIGHTS", "Solar & wind", "NETWORK", "WASHER", "TV", "DUMP LOAD", "CLOCK"};
        const qint32 colours[] = {0x0000FF, 0x00FFFF, 0xFF8000, 0x00C000, 0x0080FF, 0x80FF80, 0x8080FF, 0xC0C0C0};
        for (int k = 1; k <= 8; ++k) {
            const auto ch = static_cast<size_t>(16 + k);
            g.ChannelName[ch] = names[k - 1];
            g.LineColour[ch] = colours[k - 1];
            g.enableGRAPHING[ch] = 1;
            g.ChannelMaxReading[ch] = 2000;
        }
        g.ChannelMaxReading[19] = 3500;
        g.ChannelMaxReading[20] = 4000;
        g.ChannelMaxReading[21] = 2000;
        g.ChannelMaxReading[22] = 3000;
        g.ChannelMaxReading[23] = 1000;
        g.ChannelMaxReading[24] = 500;
        g.ChannelName[10] = "START BATT";
        g.ChannelName[11] = "48V BANK";
        g.ChannelName[15] = "GAS PULSES";
        g.ChannelName[16] = "WATER PULSES";
        g.LineColour[10] = 0x8080FF;
        g.LineColour[11] = 0x80FFFF;
        g.ChannelMaxReading[10] = 16;
        g.ChannelMaxReading[11] = 60;
        for (int ch : {10, 11, 15, 16})
            g.enableGRAPHING[static_cast<size_t>(ch)] = 1;
        g.ChannelMaxReading[15] = 250;
        g.ChannelMaxReading[16] = 10;
        g.enableGRAPHING[24] = 0; // CLOCK off
    }
};

std::vector<std::string> listed(const QListWidget* list)
{
    std::vector<std::string> out;
    for (int i = 0; i < list->count(); ++i)
        out.push_back(list->item(i)->text().toStdString());
    return out;
}

std::string ccRecord(const std::string& t, const std::vector<double>& w, double c1 = 20, double c2 = 21)
{
    std::string line = "<T>" + t + "</T><L>60</L>";
    for (size_t k = 0; k < 6; ++k)
        line += gvfixture::el("W" + std::to_string(k + 1), w[k], "###0");
    return line + "<C1>" + gv::numberText(c1) + "</C1><C2>" + gv::numberText(c2) + "</C2>";
}

using MultiChannelWindowTest = gvtest::GraphWindowTest<Site>;
using MultiChannelWindowsLook = MultiChannelWindowTest;
using MultiChannelWindowOpening = MultiChannelWindowTest;
using MultiChannelWindowReading = MultiChannelWindowTest;
using MultiChannelWindowBoxes = MultiChannelWindowTest;
using MultiChannelWindowInteraction = MultiChannelWindowTest;
using MultiChannelWindowOutputs = MultiChannelWindowTest;

} // namespace

TEST_F(MultiChannelWindowsLook, RendersEachWindowToPng)
{
    writeFile(site.logs("RE_2026_06_14.txt"), gvfixture::reDay());
    writeFile(site.logs("ML_2026_06_14.txt"), gvfixture::mlDay());
    writeFile(site.logs("CC_2026_06_14.txt"), gvfixture::ccDay());

    // A house site: every load on a 2 kW scale.
    const auto meters = site.g;
    for (int ch = 17; ch <= 24; ++ch)
        site.g.ChannelMaxReading[static_cast<size_t>(ch)] = 2000;
    GraphRE re(site.g, site.folder());
    ASSERT_TRUE(re.pickFile("RE_2026_06_14.txt"));
    re.Plot_MouseMove(380);
    savePng(re, "GraphRE_time.png");
    re.CheckScaling->setChecked(false);
    savePng(re, "GraphRE_unscaled.png");

    GraphML ml(site.g, site.folder());
    ASSERT_TRUE(ml.pickFile("ML_2026_06_14.txt"));
    ml.Plot_MouseMove(150);
    savePng(ml, "GraphML_time.png");

    // The Current Cost meters of the site.
    site.g = meters;
    const char* meterNames[] = {"GRID METER", "HOUSE", "SOLAR 1", "EXPORT", "SOLAR 2", "LIGHTS"};
    for (int k = 0; k < 6; ++k)
        site.g.ChannelName[static_cast<size_t>(19 + k)] = meterNames[k];
    GraphCC cc(site.g, site.folder());
    ASSERT_TRUE(cc.pickFile("CC_2026_06_14.txt"));
    cc.Plot_MouseMove(420);
    savePng(cc, "GraphCC_time.png");

    GraphCC_QF qf(site.g, site.folder());
    EXPECT_EQ(msgs.last(), "No data for that date") << "the site window reads today's file at once";
    msgs.texts.clear();
    ASSERT_TRUE(qf.pickFile("CC_2026_06_14.txt"));
    for (const char* box : {"CheckW7", "CheckW8", "CheckW9", "CheckW11"})
        qf.seriesBox(box)->setChecked(true);
    for (const char* box : {"CheckW1", "CheckW2", "CheckW4", "CheckW5", "CheckW6"})
        qf.seriesBox(box)->setChecked(false);
    qf.Plot_MouseMove(300);
    savePng(qf, "GraphCC_QF_time.png");
    EXPECT_TRUE(msgs.texts.empty()) << msgs.last().toStdString();

    // The boxes stand in the windows' own order, each with its value label
    // below it: the volts first in GraphRE, the meters before the
    // temperatures in the Current Cost windows, the derived series last.
    const auto before = [](QWidget* a, QWidget* b) {
        return a->y() < b->y() || (a->y() == b->y() && a->x() < b->x());
    };
    EXPECT_TRUE(before(re.seriesBox("CheckV"), re.seriesBox("CheckW1")));
    EXPECT_EQ(re.valueLabel("vv")->x(), re.seriesBox("CheckV")->x());
    EXPECT_TRUE(before(cc.seriesBox("CheckW6"), cc.seriesBox("Check1")));
    EXPECT_TRUE(before(cc.seriesBox("Check1"), cc.seriesBox("Check2")));
    EXPECT_EQ(cc.valueLabel("Cel1")->x(), cc.seriesBox("Check1")->x());
    EXPECT_TRUE(before(qf.seriesBox("CheckW6"), qf.seriesBox("temperature1")));
    EXPECT_TRUE(before(qf.seriesBox("temperature2"), qf.seriesBox("CheckW7")));
    EXPECT_EQ(qf.wattHourLabel("wH7")->x(), qf.seriesBox("CheckW7")->x());
}

TEST_F(MultiChannelWindowOpening, CurrentCostWindowsOnADayWithoutAFile)
{
    GraphCC cc(site.g, site.folder());
    EXPECT_TRUE(msgs.texts.empty()) << "GraphCC opens silently";
    EXPECT_EQ(cc.FileName->text().toStdString(), todayName("CC_"));
    EXPECT_EQ(cc.Plot->shapeCount(), 0);
    EXPECT_EQ(cc.windowTitle(), "Quorra Flats");

    GraphCC_QF qf(site.g, site.folder());
    ASSERT_EQ(msgs.texts.size(), 1u) << "GraphCC_QF reads at once";
    EXPECT_EQ(msgs.last(), "No data for that date");
    EXPECT_FALSE(gv::fileExists(site.logs(todayName("CC_")))) << "the day file is not created";
    EXPECT_TRUE(std::filesystem::is_empty(site.dir.file("logs")));

    // Its boxes: Temp 1 and the channel-backed meters marked for graphing.
    EXPECT_TRUE(qf.seriesBox("temperature1")->isChecked());
    EXPECT_FALSE(qf.seriesBox("temperature2")->isChecked());
    EXPECT_EQ(qf.seriesBox("temperature1")->text(), "Temp 1");
    EXPECT_EQ(qf.seriesBox("CheckW1")->text(), "Solar && wind") << "the & is no shortcut mark";
    EXPECT_TRUE(qf.seriesBox("CheckW5")->isChecked());
    EXPECT_FALSE(qf.seriesBox("CheckW6")->isChecked()) << "channel 24 is not graphed";
    for (const char* box : {"CheckW7", "CheckW8", "CheckW9", "CheckW10", "CheckW11", "CheckW12"})
        EXPECT_FALSE(qf.seriesBox(box)->isChecked()) << box;
    EXPECT_EQ(qf.seriesBox("CheckW12")->text(), "Total M Power Consumed ");
    EXPECT_EQ(qf.graph.Options.SeriesFlags, (std::vector<int>{1, 0, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(cc.seriesBox("Check1")->text(), "Temp 1");
    EXPECT_EQ(cc.seriesBox("Check2")->text(), "Temp 2");

    // System type 0: the opening does nothing.
    site.g.SystemType = 0;
    msgs.texts.clear();
    GraphCC_QF off(site.g, site.folder());
    EXPECT_TRUE(msgs.texts.empty());
    EXPECT_EQ(off.FileName->text(), "FileName");
    EXPECT_EQ(off.File1->count(), 0);
    EXPECT_EQ(off.windowTitle(), "");
}

TEST_F(MultiChannelWindowOpening, FileListsPerWindow)
{
    for (const char* name : {"RE_2026_06_14.txt", "RE_2026_06_15_09.txt", "REWattHours.txt", "CC_2026_06_14.txt",
                             "CCWattHours.txt", "QFWattHours.txt", "ML_2026_06_14.txt", "GV_2026_06_14.txt"})
        writeFile(site.logs(name), "");
    gv::makeFolder(site.dir.file("other"));
    writeFile(site.dir.file("other/RE_2020_01_01.txt"), "");
    writeFile(site.dir.file("other/CC_2020_01_01.txt"), "");
    writeFile(site.dir.file("other/ML_2020_01_01.txt"), "");

    GraphRE re(site.g, site.folder());
    EXPECT_EQ(listed(re.File1),
              (std::vector<std::string>{"RE_2026_06_14.txt", "RE_2026_06_15_09.txt", "REWattHours.txt"}));
    // Moving Dir1 leaves GraphRE's file list on logs.
    re.setDir1Path(QString::fromStdString(site.dir.file("other")));
    EXPECT_EQ(re.dir1Path().toStdString(), site.dir.file("other"));
    EXPECT_EQ(listed(re.File1).size(), 3u);

    GraphCC cc(site.g, site.folder());
    EXPECT_EQ(listed(cc.File1), (std::vector<std::string>{"CC_2026_06_14.txt", "CCWattHours.txt"}));
    cc.setDir1Path(QString::fromStdString(site.dir.file("other")));
    EXPECT_EQ(listed(cc.File1), (std::vector<std::string>{"CC_2020_01_01.txt"}));

    GraphCC_QF qf(site.g, site.folder());
    EXPECT_EQ(listed(qf.File1), (std::vector<std::string>{"CC_2026_06_14.txt", "CCWattHours.txt"}))
        << "the site window lists the CC files, not its own collation file";

    GraphML ml(site.g, site.folder());
    EXPECT_EQ(listed(ml.File1), (std::vector<std::string>{"ML_2026_06_14.txt"}));
    ml.setDir1Path(QString::fromStdString(site.dir.file("other")));
    EXPECT_EQ(listed(ml.File1), (std::vector<std::string>{"ML_2020_01_01.txt"}));
    EXPECT_EQ(ml.Collate, nullptr);
    EXPECT_EQ(ml.PrintButton, nullptr);
    EXPECT_NE(re.Collate, nullptr);
    EXPECT_NE(qf.PrintButton, nullptr);
}

TEST_F(MultiChannelWindowReading, HouseNoDataMessagesAndTodaysFile)
{
    GraphRE re(site.g, site.folder());
    EXPECT_TRUE(msgs.texts.empty()) << "no file today: opens silently";
    EXPECT_EQ(re.graph.TodayFlag, 1);
    re.DisplayButton->click();
    EXPECT_EQ(msgs.last(), "No data for today");
    re.DisplayButton->click();
    EXPECT_EQ(msgs.last(), "No data for this date");

    // Today's file with records is read at once; another day without records
    // in the limits then still says "today" once.
    writeFile(site.logs(todayName("RE_")), gvfixture::reDay(30));
    writeFile(site.logs("RE_2026_06_13.txt"), crlf({"<T>24:00</T><L>60</L><V1>25</V1>"}));
    msgs.texts.clear();
    GraphRE again(site.g, site.folder());
    EXPECT_TRUE(msgs.texts.empty());
    EXPECT_EQ(again.graph.GraphRecordSet.RecordCount, 48);
    EXPECT_GT(again.Plot->shapeCount(), 0);
    EXPECT_EQ(again.stime->text(), "00:01");
    EXPECT_EQ(again.ftime->text(), "23:31");
    ASSERT_TRUE(again.pickFile("RE_2026_06_13.txt"));
    EXPECT_EQ(msgs.last(), "No data for today");
    // Today's picture and figures do not stay over the other day.
    EXPECT_EQ(again.Plot->shapeCount(), 0);
    EXPECT_EQ(again.stime->text() + " " + again.ftime->text(), "Start Finish");
    EXPECT_EQ(again.wattHourLabel("wh1")->text(), "Wh");
    ASSERT_TRUE(again.pickFile("RE_2026_06_13.txt"));
    EXPECT_EQ(msgs.last(), "No data for this date");
    // A span of one record cannot be drawn either and says so alike.
    ASSERT_TRUE(again.pickFile(QString::fromStdString(todayName("RE_"))));
    ASSERT_GT(again.Plot->shapeCount(), 0);
    again.Time2h->setText("00");
    again.Time2m->setText("01");
    msgs.texts.clear();
    again.DisplayButton->click();
    EXPECT_EQ(again.graph.GraphRecordSet.RecordCount, 1);
    EXPECT_EQ(msgs.last(), "No data for this date");
    EXPECT_EQ(again.Plot->shapeCount(), 0);
    EXPECT_EQ(again.wattHourLabel("wh1")->text(), "Wh");
}

TEST_F(MultiChannelWindowReading, MissingFilesPerWindow)
{
    writeFile(site.logs("ML_2026_06_14.txt"), gvfixture::mlDay());
    writeFile(site.logs("CC_2026_06_14.txt"), gvfixture::ccDay());

    // GraphML: "unknown file error", records and picture stay.
    GraphML ml(site.g, site.folder());
    ASSERT_TRUE(ml.pickFile("ML_2026_06_14.txt"));
    const int shapes = ml.Plot->shapeCount();
    ml.FileName->setText("ML_2026_06_15.txt");
    ml.DisplayButton->click();
    EXPECT_EQ(msgs.last(), "unknown file error");
    EXPECT_EQ(ml.graph.GraphRecordSet.RecordCount, 288);
    EXPECT_EQ(ml.Plot->shapeCount(), shapes);

    // GraphCC: the same day read twice leaves its file as it was.
    const std::string before = readFile(site.logs("CC_2026_06_14.txt"));
    GraphCC cc(site.g, site.folder());
    ASSERT_TRUE(cc.pickFile("CC_2026_06_14.txt"));
    cc.DisplayButton->click();
    EXPECT_EQ(readFile(site.logs("CC_2026_06_14.txt")), before);
    // The second read keeps the records on the plotted span's limits.
    EXPECT_EQ(cc.graph.GraphRecordSet.RecordCount, 720);
}

TEST_F(MultiChannelWindowBoxes, SeriesAndScalingRedraw)
{
    writeFile(site.logs("CC_2026_06_14.txt"), gvfixture::ccDay());
    GraphCC_QF qf(site.g, site.folder());
    msgs.texts.clear();
    ASSERT_TRUE(qf.pickFile("CC_2026_06_14.txt"));
    const int shapes = qf.Plot->shapeCount();
    qf.seriesBox("CheckW8")->setChecked(true);
    EXPECT_EQ(qf.graph.Options.SeriesFlags[static_cast<size_t>(qf.series("Watts8"))], 1);
    EXPECT_GT(qf.Plot->shapeCount(), shapes);
    qf.CheckScaling->setChecked(false);
    EXPECT_EQ(qf.CheckScaling->text(), "Unscaled");
    EXPECT_EQ(qf.graph.Options.ScaledMode, 0);
    // Unscaled: a derived series takes the range of its own records.
    const size_t w8 = static_cast<size_t>(qf.series("Watts8"));
    EXPECT_LT(qf.graph.Model.PlotLow[w8], 0);
    qf.CheckScaling->setChecked(true);
    EXPECT_EQ(qf.CheckScaling->text(), "Scaled");
    EXPECT_EQ(qf.graph.Model.PlotHigh[w8], 3500) << "Watts1 - Watts4 on the first meter's full scale";
    // Every watt-hour label is written, ticked or not.
    EXPECT_NE(qf.wattHourLabel("wH12")->text(), "Wh");
    EXPECT_NE(qf.wattHourLabel("wh6")->text(), "Wh");
    EXPECT_TRUE(msgs.texts.empty());
}

TEST_F(MultiChannelWindowInteraction, LabelsAndReadout)
{
    // Site variant: Watts7 = Watts1 - Watts3 goes negative on record 3.
    writeFile(site.logs("CC_2026_06_14.txt"),
              crlf({ccRecord("10:00", {500, 200, 100, 50, 30, 20}), ccRecord("10:01", {400, 300, 100, 50, 30, 20}),
                    ccRecord("10:02", {100, 300, 700, 50, 30, 20}, 21.46), ccRecord("10:03", {300, 250, 50, 50, 30, 20}),
                    ccRecord("10:04", {300, 250, 50, 50, 30, 20})}));
    GraphCC_QF qf(site.g, site.folder());
    ASSERT_TRUE(qf.pickFile("CC_2026_06_14.txt"));
    qf.valueLabel("wW7")->clicked();
    EXPECT_EQ(qf.valueLabel("wW7")->text(), " Min = 0 W");
    qf.valueLabel("wW1")->clicked();
    EXPECT_EQ(qf.valueLabel("wW1")->text(), "MAX 500 W");
    qf.valueLabel("wW1")->clicked();
    EXPECT_EQ(qf.valueLabel("wW1")->text(), "MIN 100 W");
    qf.Plot_MouseMove(1.2); // record 2 (x 1 from FirstShown 1) ... time of record 2
    EXPECT_EQ(qf.vt->text(), "10:01");
    EXPECT_EQ(qf.valueLabel("wW7")->text(), "300 W");
    EXPECT_EQ(qf.valueLabel("Cel1")->text(), "20.0");
    qf.Plot_MouseMove(2.0);
    EXPECT_EQ(qf.valueLabel("wW7")->text(), "-600 W");
    EXPECT_EQ(qf.valueLabel("Cel1")->text(), "21.5");

    // GraphCC: the first click on a watts label writes "Min " and the plain number.
    GraphCC cc(site.g, site.folder());
    ASSERT_TRUE(cc.pickFile("CC_2026_06_14.txt"));
    cc.valueLabel("wW3")->clicked();
    EXPECT_EQ(cc.valueLabel("wW3")->text(), "Min 50 W");
    cc.valueLabel("Cel1")->clicked();
    EXPECT_EQ(cc.valueLabel("Cel1")->text(), "MAX 21.46 C");

    // GraphML: pulse maximum 5 as "05" without unit; the read-out rounds to 2 decimals.
    writeFile(site.logs("ML_2026_06_14.txt"),
              crlf({"<T>06:00</T><L>60</L><V1>0</V1><V2>12.00</V2><V3>48</V3><P1>1</P1>",
                    "<T>06:01</T><L>60</L><V1>0</V1><V2>12.00</V2><V3>48</V3><P1>5.004</P1>",
                    "<T>06:02</T><L>60</L><V1>0</V1><V2>12.00</V2><V3>48</V3><P1>2</P1>",
                    "<T>06:03</T><L>60</L><V1>0</V1><V2>12.00</V2><V3>48</V3><P1>3</P1>"}));
    GraphML ml(site.g, site.folder());
    ASSERT_TRUE(ml.pickFile("ML_2026_06_14.txt"));
    ml.valueLabel("p2v")->clicked();
    ml.valueLabel("p2v")->clicked();
    EXPECT_EQ(ml.valueLabel("p2v")->text(), "MAX 05");
    ml.valueLabel("v1v")->clicked();
    EXPECT_EQ(ml.valueLabel("v1v")->text(), "MIN 0.00 V");
    ml.Plot_MouseMove(1);
    EXPECT_EQ(ml.valueLabel("p2v")->text(), "5");
    EXPECT_EQ(ml.valueLabel("v2v")->text(), "12 V");

    // GraphRE: a volts minimum of exactly 0 gives the zero text.
    writeFile(site.logs("RE_2026_06_14.txt"),
              crlf({"<T>06:00</T><L>60</L><V1>25.00</V1>", "<T>06:01</T><L>60</L><V1>0.00</V1>",
                    "<T>06:02</T><L>60</L><V1>24.50</V1>", "<T>06:03</T><L>60</L><V1>25.00</V1>"}));
    GraphRE re(site.g, site.folder());
    ASSERT_TRUE(re.pickFile("RE_2026_06_14.txt"));
    re.valueLabel("vv")->clicked();
    EXPECT_EQ(re.valueLabel("vv")->text(), " Min = 0 V");
    re.Plot_MouseMove(2);
    EXPECT_EQ(re.valueLabel("vv")->text(), "24.50 V");
    EXPECT_EQ(re.valueLabel("wW1")->text(), "00 W");

    // A minimum is the smallest plotted value, also above the full scale:
    // AC loads of 1200 W and 1440 W all day on scales of 1000 W, a grid
    // meter at 6 to 7 kW.  A maximum is the largest, also below 0: more
    // exported than imported all along (Net Import or Export).
    site.g.ChannelMaxReading[23] = 1000;
    site.g.ChannelMaxReading[24] = 1000;
    writeFile(site.logs("RE_2026_06_15.txt"),
              crlf({"<T>06:00</T><L>60</L><V1>25.00</V1><W7>1200</W7><W8>1440</W8>",
                    "<T>06:01</T><L>60</L><V1>25.00</V1><W7>1200</W7><W8>1440</W8>",
                    "<T>06:02</T><L>60</L><V1>25.00</V1><W7>1200</W7><W8>1440</W8>"}));
    GraphRE ac(site.g, site.folder());
    ASSERT_TRUE(ac.pickFile("RE_2026_06_15.txt"));
    ac.valueLabel("wW8")->clicked();
    EXPECT_EQ(ac.valueLabel("wW8")->text(), "MIN 1440 W");
    ac.valueLabel("wW7")->clicked();
    ac.valueLabel("wW7")->clicked();
    EXPECT_EQ(ac.valueLabel("wW7")->text(), "MIN 1200 W");
    writeFile(site.logs("CC_2026_06_15.txt"),
              crlf({ccRecord("10:00", {6500, 300, 0, 7500, 0, 20}), ccRecord("10:01", {7000, 300, 0, 7500, 0, 20}),
                    ccRecord("10:02", {6000, 300, 0, 7500, 0, 20})}));
    GraphCC grid(site.g, site.folder());
    ASSERT_TRUE(grid.pickFile("CC_2026_06_15.txt"));
    grid.valueLabel("wW1")->clicked();
    EXPECT_EQ(grid.valueLabel("wW1")->text(), "Min 6000 W");
    GraphCC_QF gridQF(site.g, site.folder());
    ASSERT_TRUE(gridQF.pickFile("CC_2026_06_15.txt"));
    gridQF.valueLabel("wW1")->clicked();
    EXPECT_EQ(gridQF.valueLabel("wW1")->text(), "MIN 6000 W");
    gridQF.valueLabel("wW8")->clicked();
    EXPECT_EQ(gridQF.valueLabel("wW8")->text(), "MAX -500 W");
}

TEST_F(MultiChannelWindowInteraction, DragZoomRereadsTheSpan)
{
    writeFile(site.logs("CC_2026_06_14.txt"), gvfixture::ccDay());
    GraphCC cc(site.g, site.folder());
    ASSERT_TRUE(cc.pickFile("CC_2026_06_14.txt"));
    auto& rs = cc.graph.GraphRecordSet;
    ASSERT_EQ(rs.RecordCount, 720);
    cc.Plot_MouseMove(99.4);
    cc.Plot_MouseDown(100.4);
    cc.Plot_MouseMove(250.7);
    cc.Plot_MouseUp(250.7);
    // From the time of record 100 to that of record 251, both kept.
    EXPECT_EQ(rs.RecordCount, 152);
    EXPECT_EQ(rs.FirstShown, 1);
    EXPECT_EQ(cc.stime->text().toStdString(), gv::shortTime(rs.time(1)));
    EXPECT_EQ(cc.Time2h->text().toStdString() + ":" + cc.Time2m->text().toStdString(),
              gv::shortTime(rs.time(152)));
    EXPECT_TRUE(msgs.texts.empty());
}

TEST_F(MultiChannelWindowOutputs, CsvExports)
{
    writeFile(site.logs("RE_2026_12_08.txt"),
              crlf({"<T>13:05</T><L>60</L><V1>24.60</V1><W1>120</W1><W2>95</W2><W3>0</W3><W4>33</W4>"
                    "<W5>7</W5><W6>0</W6><W7>1500</W7><W8>12</W8>"}));
    GraphRE re(site.g, site.folder());
    ASSERT_TRUE(re.pickFile("RE_2026_12_08.txt"));
    re.CSV->click();
    EXPECT_EQ(msgs.last(), "Done");
    // One record plots nothing, so the time boxes still hold 00:00 to 23:59.
    EXPECT_EQ(readFile(site.excel("RE_2026_12_08_0000_2359.csv")),
              crlf({"TIME,VOLTS,watts1,watts2,watts3,watts4,watts5,watts6,watts7,watts8",
                    "13:05,24.60,120.00,95.00,,33.0,7.00,.00,1500,12.0"}));
    EXPECT_EQ(readFile(site.excel("RE_2026_12_08.txt")), "\r\n");

    // GraphML without records writes nothing at all.
    GraphML ml(site.g, site.folder());
    ml.FileName->setText("ML_2026_12_08.txt");
    ml.CSV->click();
    EXPECT_EQ(msgs.last(), "No data for that date");
    EXPECT_FALSE(gv::fileExists(site.excel("ML_2026_12_08_0000_2359.csv")));
    EXPECT_FALSE(gv::fileExists(site.excel("ML_2026_12_08.txt")));

    // GraphCC: six meters as 00000.
    writeFile(site.logs("CC_2026_12_08.txt"),
              crlf({ccRecord("07:00", {0, 1234.4, 5, 6, 7, 8}), ccRecord("07:01", {1, 2, 3, 4, 5, 6})}));
    GraphCC cc(site.g, site.folder());
    ASSERT_TRUE(cc.pickFile("CC_2026_12_08.txt"));
    cc.CSV->click();
    EXPECT_EQ(msgs.last(), "Done");
    EXPECT_EQ(readFile(site.excel("CC_2026_12_08_0700_0701.csv")),
              crlf({"TIME,watts1,watts2,watts3,watts4,watts5,watts6", "07:00,00000,01234,00005,00006,00007,00008",
                    "07:01,00001,00002,00003,00004,00005,00006"}));
}

TEST_F(MultiChannelWindowOutputs, CollationOnPickingTheNextDay)
{
    std::string hour;
    for (int m = 0; m <= 60; ++m)
        hour += ccRecord(gv::shortTime(gv::dayFraction(9, m)), {600, 120, 60, 0, 0, 0}) + "\r\n";
    writeFile(site.logs("CC_2026_12_07.txt"), hour);
    writeFile(site.logs("CC_2026_12_08.txt"), crlf({ccRecord("09:00", {1, 1, 1, 1, 1, 1})}));
    GraphCC cc(site.g, site.folder());
    cc.Collate->setChecked(true);
    // Today's name is not on display: the first collation only starts the file.
    ASSERT_TRUE(cc.pickFile("CC_2026_12_07.txt"));
    EXPECT_EQ(readFile(site.logs("CCWattHours.txt")), crlf({"daily Current Cost watthours for these dates", ""}));
    EXPECT_EQ(cc.wattHourLabel("wh1")->text(), "610 Wh");
    ASSERT_TRUE(cc.pickFile("CC_2026_12_08.txt"));
    ASSERT_TRUE(cc.pickFile("CC_2026_12_07.txt"));
    EXPECT_EQ(readFile(site.logs("CCWattHours.txt")),
              crlf({"daily Current Cost watthours for these dates", "", "CC_2026_12_07.txt  ,  00793"}))
        << "12_08 held one record: nothing plotted, nothing collated";
    ASSERT_EQ(msgs.texts.size(), 1u);
    EXPECT_EQ(msgs.last(), "No data for that date") << "a span of one record";

    GraphCC_QF qf(site.g, site.folder());
    msgs.texts.clear();
    ASSERT_TRUE(qf.pickFile("CC_2026_12_07.txt"));
    qf.Collate->setChecked(true);
    ASSERT_TRUE(qf.pickFile("CC_2026_12_08.txt"));
    EXPECT_EQ(readFile(site.logs("QFWattHours.txt")),
              crlf({"daily Quorra Flats watthours for these dates", "", "CC_2026_12_07.txt  ,  00793"}));
}

TEST_F(MultiChannelWindowOutputs, PrintGoesToPdfAndRedrawsOnGrey)
{
    writeFile(site.logs("RE_2026_06_14.txt"), gvfixture::reDay());
    GraphRE re(site.g, site.folder());
    ASSERT_TRUE(re.pickFile("RE_2026_06_14.txt"));
    const int shapes = re.Plot->shapeCount();
    const std::string pdf = site.dir.file("print.pdf");
    gv::setPrintToPdfOverride(QString::fromStdString(pdf));
    re.PrintButton->click();
    gv::setPrintToPdfOverride(QString());
    EXPECT_TRUE(msgs.texts.empty()) << msgs.last().toStdString();
    EXPECT_EQ(readFile(pdf).substr(0, 5), "%PDF-");
    EXPECT_EQ(re.Plot->shapeCount(), shapes);
    EXPECT_EQ(re.Plot->backColour(), gv::colourFromBGR(0x404040));

    gv::setPrintToPdfOverride(QString::fromStdString(site.dir.file("no/such/folder/print.pdf")));
    re.PrintButton->click();
    gv::setPrintToPdfOverride(QString());
    EXPECT_EQ(msgs.last(), "The form could not be printed");
}
