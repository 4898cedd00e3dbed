// Readers, time plots, read-out, CSV exports and watt-hour collation of the
// house (RE), mixed (ML) and Current Cost (CC, site variant QF) graph
// windows, driven through the graph controller the windows own; the check
// that no export names a day it did not read runs the two windmill windows'
// rules too.

#include <gtest/gtest.h>

#include <filesystem>

#include "graphs/multichannel/MultiChannelSeries.h"
#include "graphs/multichannel/fixture_logs.h"
#include "graphs/windmill/WindmillGraph.h"
#include "shared/FileIO.h"
#include "support/test_paths.h"

using namespace gv;
using namespace gv::multichannel;
using gvtest::crlf;
using gvtest::readFile;
using gvtest::TempDir;
using gvtest::writeFile;

namespace {

// The channel table as the first run writes it, as far as these windows use it.
Global_Declarations table()
{
    Global_Declarations g;
    gvtest::defaultNames(g);
    for (int n = 1; n <= 24; ++n) {
        g.ChannelMaxReading[static_cast<size_t>(n)] = 3000;
        g.LineColour[static_cast<size_t>(n)] = 100 + n;
        g.enableGRAPHING[static_cast<size_t>(n)] = 1;
    }
    g.ChannelMaxReading[9] = 30;
    return g;
}

struct Folders {
    TempDir dir;
    std::string logs = dir.file("logs");
    std::string excel = dir.file("Excel");
    Folders()
    {
        makeFolder(logs);
        makeFolder(excel);
    }
};

std::string ccLine(const std::string& t, double w1, double w2, double w3, double w4, double w5,
                   double w6, double c1 = 20, double c2 = 21)
{
    using gvfixture::el;
    return "<T>" + t + "</T><L>10</L>" + el("W1", w1, "###0") + el("W2", w2, "###0") +
           el("W3", w3, "###0") + el("W4", w4, "###0") + el("W5", w5, "###0") +
           el("W6", w6, "###0") + el("C1", c1, "#0.0") + el("C2", c2, "#0.0");
}

// n records one minute apart from 00:01 with the given line builder.
template <typename F>
std::string minutes(int n, F line)
{
    std::string out;
    for (int i = 0; i < n; ++i) {
        char t[8];
        std::snprintf(t, sizeof t, "%02d:%02d", (i + 1) / 60, (i + 1) % 60);
        out += line(i, std::string(t)) + "\r\n";
    }
    return out;
}

// 10,000 records stamped inside the day (seconds make them distinct): one
// more than a read keeps.
std::string tenThousandRecords()
{
    std::string big;
    big.reserve(10000 * 40);
    for (int i = 0; i < 10000; ++i) {
        char t[16];
        std::snprintf(t, sizeof t, "%02d:%02d:%02d", 1 + i / 3600, (i / 60) % 60, i % 60);
        big += std::string("<T>") + t + "</T><L>1</L><W1>5</W1><V1>24</V1>\r\n";
    }
    return big;
}

// Every test has its logs and Excel folders and its channel table.
struct MultiChannelTest : ::testing::Test {
    Folders f;
    Global_Declarations g = table();
    // The graph of a window of that kind, opened on the channel table as it stands.
    GraphController opened(WindowKind kind) const
    {
        GraphController w(g, multiChannelRules(kind));
        w.open();
        return w;
    }
    // A read with the time boxes at 00:00 and 23:59.
    auto readDay(GraphController& w, const std::string& file) const { return w.read(f.logs, file, "00", "00", "23", "59"); }
};
using MultiChannelReader = MultiChannelTest;
using MultiChannelPlot = MultiChannelTest;
using MultiChannelCsv = MultiChannelTest;
using MultiChannelCollation = MultiChannelTest;
using MultiChannelFixtures = MultiChannelTest;

} // namespace

// ---------------------------------------------------------------------------
// Readers
// ---------------------------------------------------------------------------

TEST_F(MultiChannelReader, HouseRecordsByChannelNamesAndIntervalDefault)
{
    writeFile(f.logs + "/RE_2026_12_08.txt",
              crlf({"<T>13:05</T><L>60</L><V1>24.60</V1><W1>120</W1><W2>95</W2><W3>0</W3><W4>33</W4>"
                    "<W5>7</W5><W6>0</W6><W7>1500</W7><W8>12</W8>",
                    "<T>13:06</T><V1>24.55</V1><W3>250</W3>", "", "no time here",
                    "<T>23:59</T><L>60</L><V1>1</V1>"}));
    GraphController re = opened(WindowKind::RE);
    const auto out = readDay(re, "RE_2026_12_08.txt");
    EXPECT_TRUE(out.plot);
    EXPECT_EQ(out.message, "");
    ASSERT_EQ(re.GraphRecordSet.RecordCount, 3); // 23:59 on the limit is kept
    EXPECT_EQ(re.GraphRecordSet.FirstShown, 1);
    EXPECT_EQ(re.GraphRecordSet.LastShown, 3);
    const int volts = seriesIndex(windowDef(WindowKind::RE), "Volts");
    EXPECT_DOUBLE_EQ(re.GraphRecordSet.value(volts, 1), 24.6);
    EXPECT_DOUBLE_EQ(re.GraphRecordSet.value(6, 1), 1500); // Watts7
    EXPECT_EQ(re.GraphRecordSet.interval(1), 60);
    EXPECT_EQ(re.GraphRecordSet.interval(2), 10) << "an RE record without <L> counts 10 seconds";
    EXPECT_EQ(re.GraphRecordSet.value(0, 2), 0) << "missing element reads 0";
    EXPECT_EQ(re.GraphRecordSet.value(2, 2), 250);

    // Element names come from the channel table at the time of the read.
    g.XMLsoftware[9] = "BATT";
    readDay(re, "RE_2026_12_08.txt");
    EXPECT_EQ(re.GraphRecordSet.value(volts, 1), 0);
}

TEST_F(MultiChannelReader, HouseNoDataMessagesFollowTodayFlag)
{
    GraphController re = opened(WindowKind::RE);
    EXPECT_EQ(re.TodayFlag, 1);
    // Opened on a day without a file: the first DISPLAY says today, then this date.
    auto out = readDay(re, "RE_2026_12_08.txt");
    EXPECT_TRUE(out.plot) << "the plot clears the picture";
    EXPECT_EQ(out.message, "No data for today");
    EXPECT_EQ(re.TodayFlag, 0);
    out = readDay(re, "RE_2026_12_08.txt");
    EXPECT_EQ(out.message, "No data for this date");

    // Today's file with records, then another date without records in the limits.
    writeFile(f.logs + "/RE_2026_12_08.txt",
              crlf({"<T>10:00</T><L>60</L><V1>25</V1>", "<T>10:01</T><L>60</L><V1>25</V1>"}));
    writeFile(f.logs + "/RE_2026_12_07.txt", crlf({"<L>60</L><V1>25</V1>", "<T>24:00</T><V1>25</V1>"}));
    re.open();
    EXPECT_TRUE(readDay(re, "RE_2026_12_08.txt").plot);
    EXPECT_EQ(readDay(re, "RE_2026_12_07.txt").message, "No data for today");
    EXPECT_EQ(readDay(re, "RE_2026_12_07.txt").message, "No data for this date");
}

TEST_F(MultiChannelReader, HouseMissingFileDoesNotShowAnotherDay)
{
    writeFile(f.logs + "/RE_2026_12_08.txt",
              crlf({"<T>10:00</T><L>60</L><V1>25</V1>", "<T>10:01</T><L>60</L><V1>25</V1>"}));
    GraphController re = opened(WindowKind::RE);
    ASSERT_TRUE(readDay(re, "RE_2026_12_08.txt").plot);
    const auto out = readDay(re, "RE_2026_11_30.txt");
    EXPECT_TRUE(out.plot) << "the plot clears the previous day's picture";
    EXPECT_EQ(out.message, "No data for today");
    EXPECT_EQ(re.GraphRecordSet.RecordCount, 0);
    // So an export under the missing day's name writes nothing.
    EXPECT_EQ(re.exportCsv(f.excel, "RE_2026_11_30.txt", "00", "00", "23", "59"),
              "No data for that date");
    EXPECT_TRUE(std::filesystem::is_empty(f.excel));
}

TEST_F(MultiChannelReader, MixedLogMissingFileKeepsRecords)
{
    writeFile(f.logs + "/ML_2026_12_08.txt",
              crlf({"<T>08:00</T><V1>24.10</V1><V2>12.50</V2><V3>48.00</V3><P1>5.004</P1><P2>3</P2>",
                    "<T>08:05</T><L>300</L><V1>24.20</V1><V2>12.60</V2><V3>48.10</V3><P1>7</P1><P2>4</P2>"}));
    GraphController ml = opened(WindowKind::ML);
    ASSERT_TRUE(readDay(ml, "ML_2026_12_08.txt").plot);
    EXPECT_EQ(ml.GraphRecordSet.interval(1), 0) << "an ML record without <L> counts 0";
    EXPECT_DOUBLE_EQ(ml.GraphRecordSet.value(3, 1), 5.004);
    EXPECT_EQ(ml.readoutAt(0).values[3], "5");
    EXPECT_EQ(ml.readoutAt(1).values[0], "24.2 V");

    const auto out = readDay(ml, "ML_2026_12_09.txt");
    EXPECT_EQ(out.message, "unknown file error");
    EXPECT_FALSE(out.plot);
    EXPECT_EQ(ml.GraphRecordSet.RecordCount, 2) << "record set unchanged";
    EXPECT_FALSE(ml.Options.DayFileExists);

    // An empty file has no data.
    writeFile(f.logs + "/ML_2026_12_10.txt", "");
    EXPECT_EQ(readDay(ml, "ML_2026_12_10.txt").message, "No data for that date");
}

TEST_F(MultiChannelReader, CurrentCostNeverWritesTheDayFile)
{
    for (auto kind : {WindowKind::CC, WindowKind::QF}) {
        GraphController cc = opened(kind);
        // A day without a file: reported, and no file is created.
        const auto out = readDay(cc, "CC_2026_12_08.txt");
        EXPECT_TRUE(out.plot) << "the plot clears the picture";
        EXPECT_EQ(out.message, "No data for that date");
        EXPECT_FALSE(fileExists(f.logs + "/CC_2026_12_08.txt"));
    }

    const std::string day = crlf({ccLine("09:00", 500, 200, 100, 50, 30, 20),
                                  ccLine("09:01", 510, 210, 110, 60, 40, 30)});
    writeFile(f.logs + "/CC_2026_12_09.txt", day);
    GraphController cc = opened(WindowKind::CC);
    ASSERT_TRUE(readDay(cc, "CC_2026_12_09.txt").plot);
    ASSERT_TRUE(readDay(cc, "CC_2026_12_09.txt").plot);
    EXPECT_EQ(readFile(f.logs + "/CC_2026_12_09.txt"), day) << "reads leave the day file as it was";
    EXPECT_EQ(cc.GraphRecordSet.RecordCount, 2);
    EXPECT_DOUBLE_EQ(cc.GraphRecordSet.value(0, 1), 20);  // Temp1
    EXPECT_DOUBLE_EQ(cc.GraphRecordSet.value(7, 2), 30);  // Watts6
}

TEST_F(MultiChannelReader, SiteVariantDerivesSixSeriesPerRecord)
{
    writeFile(f.logs + "/CC_2026_12_08.txt",
              crlf({ccLine("12:00", 500, 200, 100, 50, 30, 20),
                    "<T>12:01</T><L>10</L><W1>700</W1><W2>900</W2><W4>1000</W4><W5>80</W5><W6>50</W6>"}));
    GraphController qf = opened(WindowKind::QF);
    ASSERT_TRUE(readDay(qf, "CC_2026_12_08.txt").plot);
    std::vector<double> d1, d2;
    for (int s = 8; s < 14; ++s) {
        d1.push_back(qf.GraphRecordSet.value(s, 1));
        d2.push_back(qf.GraphRecordSet.value(s, 2));
    }
    EXPECT_EQ(d1, (std::vector<double>{400, 450, 130, 180, 300, 0}));
    // No <W3>: Watts7 = Watts1 and Watts9 = Watts5.
    EXPECT_EQ(d2, (std::vector<double>{700, -300, 80, 850, 0, 200}));

    // GraphCC reads the same file without derived series.
    GraphController cc = opened(WindowKind::CC);
    ASSERT_TRUE(readDay(cc, "CC_2026_12_08.txt").plot);
    EXPECT_EQ(cc.GraphRecordSet.seriesCount(), 8);
}

TEST_F(MultiChannelReader, OverLimitMessagesPerWindow)
{
    const std::string big = tenThousandRecords();
    writeFile(f.logs + "/RE_2026_12_08.txt", big);
    writeFile(f.logs + "/ML_2026_12_08.txt", big);
    writeFile(f.logs + "/CC_2026_12_08.txt", big);
    const std::string longText =
        "Over 10,000 records, too many to display. Please use a smaller time range. If you set you "
        "logging interval to 10 seconds or more, you wont have this problem in the future. ";
    struct Case {
        WindowKind kind;
        const char* file;
        std::string message;
    };
    for (const Case& c : {Case{WindowKind::RE, "RE_2026_12_08.txt", longText},
                          Case{WindowKind::ML, "ML_2026_12_08.txt", "Over 10,000 records, too many to display."},
                          Case{WindowKind::CC, "CC_2026_12_08.txt", longText},
                          Case{WindowKind::QF, "CC_2026_12_08.txt", longText}}) {
        GraphController w = opened(c.kind);
        const auto out = readDay(w, c.file);
        EXPECT_FALSE(out.plot);
        EXPECT_EQ(out.message, c.message);
    }
    // 9,999 are all kept.
    writeFile(f.logs + "/RE_2026_12_08.txt", big.substr(0, big.size() - big.size() / 10000));
    GraphController re = opened(WindowKind::RE);
    EXPECT_TRUE(readDay(re, "RE_2026_12_08.txt").plot);
    EXPECT_EQ(re.GraphRecordSet.RecordCount, 9999);
}

// ---------------------------------------------------------------------------
// Time plots
// ---------------------------------------------------------------------------

TEST_F(MultiChannelPlot, CurrentCostWattHoursCoverEveryRecordInBothWindows)
{
    std::string day;
    for (int i = 0; i < 361; ++i) {
        const int sec = 3600 + i * 10;
        char t[16];
        std::snprintf(t, sizeof t, "%02d:%02d:%02d", sec / 3600, (sec / 60) % 60, sec % 60);
        day += "<T>" + std::string(t) + "</T><L>10</L><W1>360</W1>\r\n";
    }
    writeFile(f.logs + "/CC_2026_12_08.txt", day);
    GraphController cc = opened(WindowKind::CC), qf = opened(WindowKind::QF);
    for (GraphController* w : {&cc, &qf}) {
        ASSERT_TRUE(readDay(*w, "CC_2026_12_08.txt").plot);
        RecordingSurface surface;
        EXPECT_EQ(w->plotByTime(surface).status, PlotStatus::Drawn);
    }
    // 361 records of 360 W for 10 s each, as the day's summary counts them.
    EXPECT_EQ(cc.wattHourCaption(2), "361 Wh");
    EXPECT_EQ(qf.wattHourCaption(2), "361 Wh");
    EXPECT_EQ(qf.wattHourCaption(8), "361 Wh") << "Watts7 = Watts1 - Watts3";
    EXPECT_EQ(qf.wattHourCaption(13), "0 Wh");
    // The day total of the collation sums the measured powers only.
    EXPECT_DOUBLE_EQ(cc.Model.DayWattHours, 361);
    EXPECT_DOUBLE_EQ(qf.Model.DayWattHours, 361);
}

TEST_F(MultiChannelPlot, CurrentCostTemperatureScalesAndExtremes)
{
    for (int s = 1; s <= 24; ++s)
        g.enableGRAPHING[static_cast<size_t>(s)] = 0;
    // Scaled: 25 degrees at y = (50 - 25) + 1.25 on a height of 52.5.
    writeFile(f.logs + "/CC_2026_12_08.txt", minutes(6, [](int, const std::string& t) {
                  return ccLine(t, 100, 0, 0, 0, 0, 40000, 25, 70);
              }));
    GraphController cc = opened(WindowKind::CC);
    ASSERT_TRUE(readDay(cc, "CC_2026_12_08.txt").plot);
    RecordingSurface surface;
    cc.plotByTime(surface);
    ASSERT_FALSE(surface.lines.empty());
    for (const auto& l : surface.lines) {
        EXPECT_EQ(l.colour, 65280) << "only Temp 1 is ticked, drawn green";
        EXPECT_DOUBLE_EQ(l.y2, 26.25);
        EXPECT_DOUBLE_EQ(l.fy2, 0.5);
    }
    // The CC loop starts one record left of the picture.
    EXPECT_DOUBLE_EQ(surface.lines.front().x1, -1);
    EXPECT_EQ(cc.Model.PlotHeight[0], 52.5);
    // Extremes of the sixth meter are full numbers, no 16-bit wrap.
    EXPECT_EQ(cc.Model.ShownMaximum[7], 40000);
    cc.MaxMin.MaxMinToggle = 1;
    EXPECT_EQ(cc.labelClick(7), "MAX 40000 W");
    EXPECT_EQ(cc.labelClick(7), "Min 40000 W");
    EXPECT_EQ(cc.Model.ShownMinimum[1], 70);
    GraphController qf = opened(WindowKind::QF);
    ASSERT_TRUE(readDay(qf, "CC_2026_12_08.txt").plot);
    qf.plotByTime(surface);
    EXPECT_EQ(qf.Model.ShownMinimum[1], 70);
    EXPECT_DOUBLE_EQ(surface.lines.front().x1, 0) << "the QF loop starts at FirstShown + 1";

    // Unscaled, temperatures 10..30, the extremes on the first and the last
    // record: high 30, low 10, height 21.
    writeFile(f.logs + "/CC_2026_12_09.txt", minutes(5, [](int i, const std::string& t) {
                  const double temps[] = {30, 18, 21, 24, 10};
                  return ccLine(t, 0, 0, 0, 0, 0, 0, temps[i], 20);
              }));
    cc.Options.ScaledMode = 0;
    ASSERT_TRUE(readDay(cc, "CC_2026_12_09.txt").plot);
    cc.plotByTime(surface);
    EXPECT_EQ(cc.Model.PlotHigh[0], 30);
    EXPECT_EQ(cc.Model.PlotLow[0], 10);
    EXPECT_DOUBLE_EQ(cc.Model.PlotHeight[0], 21);
}

TEST_F(MultiChannelPlot, SiteVariantDerivedSeriesHaveARealScale)
{
    g.ChannelMaxReading[19] = 4000;
    writeFile(f.logs + "/CC_2026_12_08.txt", minutes(6, [](int i, const std::string& t) {
                  return ccLine(t, 1000 + 100 * i, 0, 0, 0, 0, 0);
              }));
    GraphController qf = opened(WindowKind::QF);
    EXPECT_EQ(qf.Options.SeriesFlags[8], 0) << "derived boxes start unticked";
    for (int s = 0; s < 14; ++s)
        qf.Options.SeriesFlags[static_cast<size_t>(s)] = s == 8 ? 1 : 0; // Watts7 only
    ASSERT_TRUE(readDay(qf, "CC_2026_12_08.txt").plot);
    RecordingSurface surface;
    qf.plotByTime(surface);
    // Scaled: Watts7 = Watts1 - Watts3 drawn on Watts1's full scale, in LineColour(3).
    EXPECT_EQ(qf.Model.PlotHigh[8], 4000);
    ASSERT_FALSE(surface.lines.empty());
    EXPECT_EQ(surface.lines.front().colour, 103);
    EXPECT_DOUBLE_EQ(surface.lines.front().y2, 4000 - 1100 + 100);

    qf.Options.ScaledMode = 0;
    qf.plotByTime(surface);
    EXPECT_EQ(qf.Model.PlotHigh[8], 1500);
    EXPECT_EQ(qf.Model.PlotLow[8], 1000);
}

TEST_F(MultiChannelPlot, HouseWattHoursAndFlatSeries)
{
    g.ChannelMaxReading[19] = 1000;
    g.enableGRAPHING[21] = 0; // Watts5 unticked
    writeFile(f.logs + "/RE_2026_12_08.txt", minutes(31, [](int, const std::string& t) {
                  return "<T>" + t + "</T><L>60</L><V1>25.00</V1><W1>600</W1><W3>250</W3><W5>60</W5>";
              }));
    GraphController re = opened(WindowKind::RE);
    EXPECT_EQ(re.Options.SeriesFlags[4], 0);
    ASSERT_TRUE(readDay(re, "RE_2026_12_08.txt").plot);
    re.Options.ScaledMode = 0;
    RecordingSurface surface;
    const auto r = re.plotByTime(surface);
    EXPECT_EQ(r.startTime, "00:01");
    EXPECT_EQ(r.finishTime, "00:31");
    EXPECT_EQ(re.wattHourCaption(0), "310 Wh");
    EXPECT_EQ(re.wattHourCaption(4), "31 Wh") << "an unticked series still sums its watt-hours";
    for (const auto& l : surface.lines)
        EXPECT_NE(l.colour, 100 + 21) << "Watts5 is not drawn";
    // Watts3 constant at 250 in Unscaled mode: flat line in the middle.
    bool flat = false;
    for (const auto& l : surface.lines)
        if (l.colour == 100 + 19) {
            flat = true;
            EXPECT_DOUBLE_EQ(l.y1, 1.0);
            EXPECT_DOUBLE_EQ(l.fy1, 0.5);
        }
    EXPECT_TRUE(flat);
    EXPECT_EQ(re.Model.ShownMaximum[2], 250);
    EXPECT_EQ(re.Model.ShownMinimum[2], 250);
    // Sum of the eight powers, 31 records x 60 s.
    EXPECT_NEAR(re.Model.DayWattHours, 310 + 31 * 250 / 60.0 + 31, 1e-9);
    // Volts minimum exactly 0 gives the zero text in GraphRE.
    EXPECT_EQ(re.labelClick(8), "MIN 25.00 V");
    re.Model.ShownMinimum[8] = 0;
    re.MaxMin.MaxMinToggle = -1;
    EXPECT_EQ(re.labelClick(8), " Min = 0 V");
}

// ---------------------------------------------------------------------------
// CSV exports
// ---------------------------------------------------------------------------

TEST_F(MultiChannelCsv, HouseColumnsAndPictures)
{
    writeFile(f.logs + "/RE_2026_12_08.txt",
              crlf({"<T>13:05</T><L>60</L><V1>24.6</V1><W1>120</W1><W2>95</W2><W3>0</W3><W4>33</W4>"
                    "<W5>7</W5><W6>0</W6><W7>1500</W7><W8>12</W8>",
                    "<T>13:06</T><L>60</L><V1>0.5</V1><W1>0.5</W1><W2>1234.567</W2><W3>12345</W3>"
                    "<W4>0.04</W4><W5>-3</W5><W6>5</W6><W7>0</W7><W8>99.95</W8>"}));
    GraphController re = opened(WindowKind::RE);
    ASSERT_TRUE(readDay(re, "RE_2026_12_08.txt").plot);
    EXPECT_EQ(re.exportCsv(f.excel, "RE_2026_12_08.txt", "00", "00", "23", "59"), "Done");
    EXPECT_EQ(readFile(f.excel + "/RE_2026_12_08_0000_2359.csv"),
              crlf({"TIME,VOLTS,watts1,watts2,watts3,watts4,watts5,watts6,watts7,watts8",
                    "13:05,24.60,120.00,95.00,,33.0,7.00,.00,1500,12.0",
                    "13:06,.50,.50,1234.57,12345,.0,-3.00,5.00,,100.0"}));
    EXPECT_EQ(readFile(f.excel + "/RE_2026_12_08.txt"), "\r\n") << "side file grows by one empty line";
    re.exportCsv(f.excel, "RE_2026_12_08.txt", "00", "00", "23", "59");
    EXPECT_EQ(readFile(f.excel + "/RE_2026_12_08.txt"), "\r\n\r\n");
}

TEST_F(MultiChannelCsv, MixedLogColumnsAndNoSideFile)
{
    GraphController ml = opened(WindowKind::ML);
    EXPECT_EQ(ml.exportCsv(f.excel, "ML_2026_12_08.txt", "00", "00", "23", "59"),
              "No data for that date");
    EXPECT_TRUE(std::filesystem::is_empty(f.excel)) << "no file at all";

    writeFile(f.logs + "/ML_2026_12_08.txt",
              crlf({"<T>06:30</T><L>300</L><V1>24.10</V1><V2>12.50</V2><V3>48.00</V3><P1>5</P1><P2>0</P2>"}));
    ASSERT_TRUE(readDay(ml, "ML_2026_12_08.txt").plot);
    EXPECT_EQ(ml.exportCsv(f.excel, "ML_2026_12_08.txt", "6", "5", "18", "00"), "Done");
    EXPECT_EQ(readFile(f.excel + "/ML_2026_12_08_65_1800.csv"),
              crlf({"TIME,Interval,volts1,volts2,volts3,pulse2,pulse3", "06:30,300,24.10,12.50,48.00,5,0"}));
    EXPECT_FALSE(fileExists(f.excel + "/ML_2026_12_08.txt"));
}

TEST_F(MultiChannelCsv, CurrentCostSixMetersOnly)
{
    writeFile(f.logs + "/CC_2026_12_08.txt",
              crlf({"<T>07:00</T><L>6</L><W1>0</W1><W2>1234.4</W2><W3>99999</W3><W4>5</W4><W5>12.5</W5>"
                    "<W6>-7</W6><C1>21.5</C1><C2>19.0</C2>"}));
    const std::string expected =
        crlf({"TIME,watts1,watts2,watts3,watts4,watts5,watts6", "07:00,00000,01234,99999,00005,00013,-00007"});
    for (auto kind : {WindowKind::CC, WindowKind::QF}) {
        GraphController cc = opened(kind);
        ASSERT_TRUE(readDay(cc, "CC_2026_12_08.txt").plot);
        EXPECT_EQ(cc.exportCsv(f.excel, "CC_2026_12_08.txt", "00", "00", "23", "59"), "Done");
        EXPECT_EQ(readFile(f.excel + "/CC_2026_12_08_0000_2359.csv"), expected);
    }
    EXPECT_EQ(readFile(f.excel + "/CC_2026_12_08.txt"), "\r\n\r\n");
}

TEST_F(MultiChannelCsv, EmptyExportKeepsEarlierFileAndFailuresAreReported)
{
    writeFile(f.logs + "/CC_2026_12_08.txt", crlf({ccLine("07:00", 1, 2, 3, 4, 5, 6)}));
    GraphController cc = opened(WindowKind::CC);
    ASSERT_TRUE(readDay(cc, "CC_2026_12_08.txt").plot);
    ASSERT_EQ(cc.exportCsv(f.excel, "CC_2026_12_08.txt", "00", "00", "23", "59"), "Done");
    const std::string good = readFile(f.excel + "/CC_2026_12_08_0000_2359.csv");

    // A later read of the same range that keeps nothing, then an export.
    cc.read(f.logs, "CC_2026_12_08.txt", "08", "00", "09", "00");
    EXPECT_EQ(cc.exportCsv(f.excel, "CC_2026_12_08.txt", "00", "00", "23", "59"),
              "No data for that date");
    EXPECT_EQ(readFile(f.excel + "/CC_2026_12_08_0000_2359.csv"), good) << "not cut to an empty line";

    // The Excel folder gone: the export names the file it could not write.
    ASSERT_TRUE(readDay(cc, "CC_2026_12_08.txt").plot);
    std::filesystem::remove_all(f.excel);
    EXPECT_EQ(cc.exportCsv(f.excel, "CC_2026_12_08.txt", "00", "00", "23", "59"),
              "Could not write " + f.excel + "/CC_2026_12_08_0000_2359.csv");
}

// A read that does not show the picked day (too many records, or no file
// where the window keeps what it held) leaves the records of the day before:
// none of the six windows exports them, or collates them, under the picked
// day's name.
TEST_F(MultiChannelCsv, NoWindowWritesOneDayUnderAnotherDaysName)
{
    struct Case {
        const char* window;
        GraphRules rules;
        std::string prefix;
    };
    const std::vector<Case> cases = {{"GraphGV", windmillRules(WindmillFamily::GV), "GV_"},
                                     {"GraphDEMO", windmillRules(WindmillFamily::WD), "WD_"},
                                     {"GraphRE", multiChannelRules(WindowKind::RE), "RE_"},
                                     {"GraphML", multiChannelRules(WindowKind::ML), "ML_"},
                                     {"GraphCC", multiChannelRules(WindowKind::CC), "CC_"},
                                     {"GraphCC_QF", multiChannelRules(WindowKind::QF), "CC_"}};
    const std::string big = tenThousandRecords();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        const std::string shown = c.prefix + "2026_12_07.txt";
        const std::string tooBig = c.prefix + "2026_12_08.txt";
        const std::string missing = c.prefix + "2026_12_09.txt";
        writeFile(f.logs + "/" + shown, minutes(50, [](int, const std::string& t) {
                      return "<T>" + t + "</T><L>60</L><V1>25.00</V1><W1>100</W1>";
                  }));
        writeFile(f.logs + "/" + tooBig, big);
        GraphController w(g, c.rules);
        w.open();
        ASSERT_TRUE(readDay(w, shown).plot);
        RecordingSurface surface;
        w.plotByTime(surface);
        ASSERT_EQ(w.exportCsv(f.excel, shown, "00", "00", "23", "59"), "Done");

        for (const std::string& picked : {tooBig, missing}) {
            if (readDay(w, picked).plot) // a missing day without data
                w.plotByTime(surface);
            EXPECT_EQ(w.exportCsv(f.excel, picked, "00", "00", "23", "59"), "No data for that date") << picked;
            const std::string base = picked.substr(0, picked.find('.'));
            EXPECT_FALSE(fileExists(f.excel + "/" + base + "_0000_2359.csv")) << picked;
            w.collate(f.logs, picked);
        }
        if (!c.rules.collationFile.empty()) {
            const std::string collated = readFile(f.logs + "/" + c.rules.collationFile);
            EXPECT_EQ(collated.find(tooBig), std::string::npos);
            EXPECT_EQ(collated.find(missing), std::string::npos);
        }
    }
}

// ---------------------------------------------------------------------------
// Watt-hour collation
// ---------------------------------------------------------------------------

TEST_F(MultiChannelCollation, FilesTitlesAndRealTotals)
{
    writeFile(f.logs + "/CC_2026_12_08.txt", minutes(61, [](int, const std::string& t) {
                  return "<T>" + t + "</T><L>60</L><W1>600</W1><W2>120</W2><W3>60</W3>";
              }));
    struct Case {
        WindowKind kind;
        const char* file;
        const char* title;
        const char* number;
    };
    // Both windows sum every record: 600 + 120 + 60 W for 61 minutes.
    for (const Case& c :
         {Case{WindowKind::CC, "CCWattHours.txt", "daily Current Cost watthours for these dates", "00793"},
          Case{WindowKind::QF, "QFWattHours.txt", "daily Quorra Flats watthours for these dates", "00793"}}) {
        GraphController w = opened(c.kind);
        ASSERT_TRUE(readDay(w, "CC_2026_12_08.txt").plot);
        RecordingSurface surface;
        w.plotByTime(surface);
        EXPECT_EQ(w.collate(f.logs, "CC_2026_12_08.txt"), "");
        const std::string expected =
            crlf({c.title, "", std::string("CC_2026_12_08.txt  ,  ") + c.number});
        EXPECT_EQ(readFile(f.logs + "/" + c.file), expected);
        // The same day again: unchanged.
        w.collate(f.logs, "CC_2026_12_08.txt");
        EXPECT_EQ(readFile(f.logs + "/" + c.file), expected);
    }

    // GraphRE: today's name before anything was read adds only the title.
    GraphController re = opened(WindowKind::RE);
    re.collate(f.logs, "RE_2026_12_09.txt");
    EXPECT_EQ(readFile(f.logs + "/REWattHours.txt"), crlf({"daily watthours for these dates", ""}));

    // GraphRE: the eight loads' watt-hours over the plotted records.
    writeFile(f.logs + "/RE_2026_12_08.txt", minutes(61, [](int, const std::string& t) {
                  return "<T>" + t + "</T><L>60</L><V1>25.00</V1><W1>300</W1><W2>60</W2><W8>6</W8>";
              }));
    ASSERT_TRUE(readDay(re, "RE_2026_12_08.txt").plot);
    RecordingSurface surface;
    re.plotByTime(surface);
    re.collate(f.logs, "RE_2026_12_08.txt");
    EXPECT_EQ(readFile(f.logs + "/REWattHours.txt"),
              crlf({"daily watthours for these dates", "", "RE_2026_12_08.txt  ,  00372"}))
        << "61 minutes of 366 W: 372.1 Wh";

    // GraphML does not collate.
    GraphController ml = opened(WindowKind::ML);
    ml.collate(f.logs, "ML_2026_12_09.txt");
    EXPECT_FALSE(fileExists(f.logs + "/WattHours.txt"));

    // A collation file that cannot be written is reported.
    std::filesystem::remove_all(f.logs);
    EXPECT_EQ(re.collate(f.logs, "RE_2026_12_09.txt"), "Could not write " + f.logs + "/REWattHours.txt");
}

// ---------------------------------------------------------------------------
// A realistic day of each family, read whole
// ---------------------------------------------------------------------------

TEST_F(MultiChannelFixtures, RealisticDaysReadAndPlot)
{
    writeFile(f.logs + "/RE_2026_12_08.txt", gvfixture::reDay());
    writeFile(f.logs + "/ML_2026_12_08.txt", gvfixture::mlDay());
    writeFile(f.logs + "/CC_2026_12_08.txt", gvfixture::ccDay());
    struct Case {
        WindowKind kind;
        const char* file;
        int records;
    };
    for (const Case& c : {Case{WindowKind::RE, "RE_2026_12_08.txt", 720}, Case{WindowKind::ML, "ML_2026_12_08.txt", 288},
                          Case{WindowKind::CC, "CC_2026_12_08.txt", 720}, Case{WindowKind::QF, "CC_2026_12_08.txt", 720}}) {
        GraphController w = opened(c.kind);
        ASSERT_TRUE(readDay(w, c.file).plot) << c.file;
        EXPECT_EQ(w.GraphRecordSet.RecordCount, c.records) << c.file;
        RecordingSurface surface;
        EXPECT_EQ(w.plotByTime(surface).status, PlotStatus::Drawn);
        EXPECT_GT(surface.lines.size(), 100u);
    }
}
