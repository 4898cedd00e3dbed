// Windmill specifics of the graph engine: reading GV and WD day files, the
// two time plots, the XY views and the power distribution, label texts, CSV
// columns and collation files.
#include "config/FirstRun.h"
#include "graphs/windmill/WindmillGraph.h"
#include "graphs/windmill/windmill_day_fixture.h"
#include "shared/ConfigFiles.h"
#include "shared/FileIO.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace gv;
using gvtest::crlf;
using gvtest::readFile;
using gvtest::TempDir;
using gvtest::writeFile;

namespace {

Global_Declarations defaultTable()
{
    Global_Declarations g;
    loadChannelsCfg(g, defaultChannelsText());
    return g;
}

TimeLimits wholeDay() { return *timeLimitsFromBoxes("00", "00", "23", "59"); }

std::vector<int> allOn(WindmillFamily f) { return std::vector<int>(static_cast<size_t>(seriesCount(f)), 1); }

// Every test has the default channel table, a record set, a plot model and
// a surface of its own.
struct WindmillTest : ::testing::Test {
    Global_Declarations g = defaultTable();
    GraphRecordSet set;
    PlotModel model;
    RecordingSurface surface;
    // Reads a day's text whole with the family's elements from the table.
    ReadStatus read(WindmillFamily f, const std::string& text)
    {
        return readRecords(text, wholeDay(), windmillReaderLayout(f, g), set);
    }
};
using WindmillReader = WindmillTest;
using WindmillTimePlot = WindmillTest;
using WindmillViews = WindmillTest;
using WindmillLabels = WindmillTest;
using WindmillOutputs = WindmillTest;

} // namespace

// A GV fixture day as the logging tick writes it, with the awkward lines a
// real file can hold.
TEST_F(WindmillReader, GvFixtureDayGolden)
{
    const std::string text =
        crlf({
            "<T>00:00</T><L>10</L><V1>24.00</V1><A1>1.0</A1><A2>0.0</A2><A3>0.0</A3><A4>0.0</A4><R2>0</R2><R1>50</R1><WS>3</WS>",
            "<T>00:01</T><L>10</L><V1>24.10</V1><A1>3.5</A1><A2>1.0</A2><A3>0.5</A3><A4>2.0</A4><R2>100</R2><R1>412</R1><WS>5</WS>",
            "<T>09:30</T><L>10</L><V1>25.00</V1><A2>2.0</A2><R1>300</R1>",                    // no A1, A3, A4, R2, WS
            "<T>09:31</T><L>10</L></V1>25.00<V1><A1>4.0</A1><WS>x</WS>",                     // reversed V1, bad WS
            "<L>10</L><V1>25.00</V1>",                                                        // no time
            "<T>12:00</T><WS>7</WS><R1>450</R1><V1>26.50</V1><A1>10.0</A1>",                  // any order, no L
            "<T>23:59</T><L>10</L><V1>24.00</V1><A1>1.0</A1>",                                // on the limit
        }) +
        "<T>23:58</T><L>10</L><V1>24.20</V1><A1>2"; // cut short by a power failure
    ASSERT_EQ(read(WindmillFamily::GV, text), ReadStatus::Ok);
    ASSERT_EQ(set.RecordCount, 7);
    using S = std::vector<double>;
    const auto row = [&](long r) {
        S v;
        for (int s = 0; s < GVSeries::Count; ++s)
            v.push_back(set.value(s, r));
        return v;
    };
    // Volts, Amps1..4, Watts1..4, RPM1, RPM2, WindSpeed.
    EXPECT_EQ(row(2), (S{24.1, 3.5, 1.0, 0.5, 2.0, 24.1 * 3.5, 24.1, 24.1 * 0.5, 48.2, 412, 100, 5}));
    EXPECT_EQ(row(3), (S{25, 0, 2, 0, 0, 0, 50, 0, 0, 300, 0, 0}));
    EXPECT_EQ(row(4), (S{0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(row(5), (S{26.5, 10, 0, 0, 0, 265, 0, 0, 0, 450, 0, 7}));
    EXPECT_EQ(row(7), (S{24.2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})); // "<A1>2" never closed
    EXPECT_EQ(set.interval(2), 10);
    EXPECT_EQ(set.interval(5), 0); // no <L>
    EXPECT_EQ(shortTime(set.time(1)), "00:00");
    EXPECT_EQ(shortTime(set.time(6)), "23:59");
    EXPECT_EQ(shortTime(set.time(7)), "23:58");

    // Element names are those of the table at the time of the read.
    Global_Declarations renamed = g;
    renamed.XMLsoftware[1] = "AMPS1";
    ASSERT_EQ(readRecords(text, wholeDay(), windmillReaderLayout(WindmillFamily::GV, renamed), set), ReadStatus::Ok);
    EXPECT_EQ(set.value(GVSeries::Amps1, 2), 0);
    EXPECT_EQ(set.value(GVSeries::Watts1, 2), 0);
    EXPECT_EQ(set.value(GVSeries::Volts, 2), 24.1);
}

TEST_F(WindmillReader, WdRecordsAndOtherFamiliesInTheDemoWindow)
{
    const std::string wd = crlf({"<T>13:05</T><L>10</L><V>24.10</V><I>3.5</I><R>412</R><S>5</S>  12.345Wh"});
    ASSERT_EQ(read(WindmillFamily::WD, wd), ReadStatus::Ok);
    EXPECT_EQ(set.value(WDSeries::Volts, 1), 24.1);
    EXPECT_EQ(set.value(WDSeries::Amps, 1), 3.5);
    EXPECT_DOUBLE_EQ(set.value(WDSeries::Watts, 1), 84.35);
    EXPECT_EQ(set.value(WDSeries::RPM, 1), 412);
    EXPECT_EQ(set.value(WDSeries::WindSpeed, 1), 5);

    // A GV file read by the fixed WD elements: everything absent reads 0.
    const std::string gvText = gvtest::dayLog(gvtest::DayFamily::GV, 600);
    ASSERT_EQ(read(WindmillFamily::WD, gvText), ReadStatus::Ok);
    for (long r = 1; r <= set.RecordCount; ++r)
        for (int s = 0; s < WDSeries::Count; ++s)
            ASSERT_EQ(set.value(s, r), 0.0);
}

TEST_F(WindmillTimePlot, WattHoursAndDayTotals)
{
    // 361 records every 10 s of 360 W (36 V x 10 A).
    std::string wd, gvText;
    for (int i = 0; i < 361; ++i) {
        const std::string t = gvtest::hhmm(3600 + 60 * i);
        wd += "<T>" + t + "</T><L>10</L><V>36.00</V><I>10.0</I><R>300</R><S>6</S>  0.000Wh\r\n";
        gvText += "<T>" + t + "</T><L>10</L><V1>36.00</V1><A1>10.0</A1><A2>5.0</A2><A3>0.0</A3><A4>1.0</A4>"
                              "<R2>0</R2><R1>300</R1><WS>6</WS>\r\n";
    }
    ASSERT_EQ(read(WindmillFamily::WD, wd), ReadStatus::Ok);
    auto r = plotByTime(set, windmillPlotLayout(WindmillFamily::WD, g, allOn(WindmillFamily::WD)), 1, model, surface);
    EXPECT_EQ(r.status, PlotStatus::Drawn);
    EXPECT_NEAR(model.DayWattHours, 361, 1e-9);
    EXPECT_NEAR(model.WattHours[WDSeries::Watts], 361, 1e-9);

    ASSERT_EQ(read(WindmillFamily::GV, gvText), ReadStatus::Ok);
    std::vector<int> noneShown(GVSeries::Count, 0);
    plotByTime(set, windmillPlotLayout(WindmillFamily::GV, g, noneShown), 1, model, surface);
    EXPECT_NEAR(model.WattHours[GVSeries::Watts1], 361, 1e-9);
    EXPECT_NEAR(model.WattHours[GVSeries::Watts2], 180.5, 1e-9);
    EXPECT_NEAR(model.WattHours[GVSeries::Watts3], 0, 1e-9);
    EXPECT_NEAR(model.WattHours[GVSeries::Watts4], 36.1, 1e-9);
    // The collation's day total of GraphGV: the four windmills together.
    EXPECT_NEAR(model.DayWattHours, 361 + 180.5 + 36.1, 1e-9);
    // Only the zero lines could be drawn with every series off; the amps and
    // watts never go below 0 here.
    EXPECT_TRUE(surface.lines.empty());
}

TEST_F(WindmillTimePlot, OutageRepeatsBookNoEnergy)
{
    // 11 data records, 10 records repeated by the logging tick through an
    // outage (<L>0</L>), 10 data records; one a minute, 240 W on windmill 1
    // and 120 W on windmill 2 throughout.
    std::string gvText, wd;
    for (int i = 0; i < 31; ++i) {
        const std::string t = gvtest::hhmm(10 * 3600 + 60 * i);
        const std::string l = (i >= 11 && i < 21) ? "0" : "60";
        gvText += "<T>" + t + "</T><L>" + l + "</L><V1>24.00</V1><A1>10.0</A1><A2>5.0</A2><A3>0.0</A3>"
                  "<A4>0.0</A4><R2>0</R2><R1>300</R1><WS>6</WS>\r\n";
        wd += "<T>" + t + "</T><L>" + l + "</L><V>24.00</V><I>10.0</I><R>300</R><S>6</S>  1.000Wh\r\n";
    }
    // The plot sums every record, as the day's summary does: 21 of them
    // are data records.
    const double wh1 = 21 * 240.0 * 60 / 3600, wh2 = 21 * 120.0 * 60 / 3600;
    TempDir dir;
    ASSERT_EQ(read(WindmillFamily::GV, gvText), ReadStatus::Ok);
    set.SourceFile = "GV_2026_06_14.txt";
    std::vector<int> flags(GVSeries::Count, 0);
    flags[GVSeries::Watts1] = 1;
    plotByTime(set, windmillPlotLayout(WindmillFamily::GV, g, flags), 1, model, surface);
    EXPECT_EQ(surface.lines.size(), 30u); // the repeated records are drawn
    EXPECT_NEAR(model.WattHours[GVSeries::Watts1], wh1, 1e-9);
    EXPECT_NEAR(model.WattHours[GVSeries::Watts2], wh2, 1e-9);
    EXPECT_NEAR(model.DayWattHours, wh1 + wh2, 1e-9);
    CollateRequest rq{dir.path(), windmillCollationFile(WindmillFamily::GV),
                      windmillCollationTitle(WindmillFamily::GV), "GV_2026_06_14.txt",
                      dayOnDisplay(set, model, "GV_2026_06_14.txt"), model.DayWattHours};
    appendDailyWattHours(rq);
    ASSERT_EQ(appendDailyWattHours(rq), CollateStatus::AlreadyListed);
    EXPECT_EQ(readFile(dir.file("GVWattHours.txt")),
              crlf({"daily watthours for these dates", "", "GV_2026_06_14.txt  ,  00126"}));

    ASSERT_EQ(read(WindmillFamily::WD, wd), ReadStatus::Ok);
    plotByTime(set, windmillPlotLayout(WindmillFamily::WD, g, allOn(WindmillFamily::WD)), 1, model, surface);
    EXPECT_NEAR(model.DayWattHours, wh1, 1e-9);
}

TEST_F(WindmillTimePlot, DemoRefusesFewerThanSevenRecords)
{
    std::string wd;
    for (const char* t : {"10:00", "10:05", "10:10"})
        wd += std::string("<T>") + t + "</T><L>300</L><V>24.00</V><I>1.0</I><R>1</R><S>1</S>\r\n";
    ASSERT_EQ(read(WindmillFamily::WD, wd), ReadStatus::Ok);
    const auto layout = windmillPlotLayout(WindmillFamily::WD, g, allOn(WindmillFamily::WD));
    auto r = plotByTime(set, layout, 1, model, surface);
    EXPECT_EQ(r.status, PlotStatus::NotEnoughData);
    EXPECT_EQ(r.startTime, "10:00");
    EXPECT_EQ(r.finishTime, "10:10");
    EXPECT_TRUE(surface.lines.empty());

    // The GV plot draws the same three records.
    std::string gvText;
    for (const char* t : {"10:00", "10:05", "10:10"})
        gvText += std::string("<T>") + t + "</T><L>300</L><V1>24.00</V1><A1>1.0</A1>\r\n";
    ASSERT_EQ(read(WindmillFamily::GV, gvText), ReadStatus::Ok);
    r = plotByTime(set, windmillPlotLayout(WindmillFamily::GV, g, allOn(WindmillFamily::GV)), 1, model, surface);
    EXPECT_EQ(r.status, PlotStatus::Drawn);
    EXPECT_EQ(surface.scaleWidth(), 2);
}

TEST_F(WindmillTimePlot, ExtremesAreThoseOfThePlottedRecords)
{
    std::string gvText;
    for (int i = 0; i < 10; ++i)
        gvText += "<T>" + gvtest::hhmm(3600 + 60 * i) +
                  "</T><L>10</L><V1>200.00</V1><A1>60.0</A1><A2>60.0</A2><R2>900</R2><R1>900</R1><WS>150</WS>\r\n";
    ASSERT_EQ(read(WindmillFamily::GV, gvText), ReadStatus::Ok);
    plotByTime(set, windmillPlotLayout(WindmillFamily::GV, g, allOn(WindmillFamily::GV)), 1, model, surface);
    // Every value lies above the full scales: the minima are the records' own.
    EXPECT_EQ(model.ShownMinimum[GVSeries::Volts], 200);
    EXPECT_EQ(model.ShownMinimum[GVSeries::Amps1], 60);
    EXPECT_EQ(model.ShownMinimum[GVSeries::Amps2], 60);
    EXPECT_EQ(model.ShownMinimum[GVSeries::Watts1], 12000);
    EXPECT_EQ(model.ShownMinimum[GVSeries::Watts2], 12000);
    EXPECT_EQ(model.ShownMinimum[GVSeries::RPM1], 900);
    EXPECT_EQ(model.ShownMinimum[GVSeries::RPM2], 900);
    EXPECT_EQ(model.ShownMinimum[GVSeries::WindSpeed], 150);
    EXPECT_EQ(model.ShownMaximum[GVSeries::Watts1], 12000);
    // Amps3 reads 0 throughout: its minimum is 0, not an earlier plot's.
    EXPECT_EQ(model.ShownMinimum[GVSeries::Amps3], 0);

    // The one-windmill window likewise, above the volts' full scale of 60.
    g.ChannelMaxReading[9] = 60;
    std::string wd;
    for (int i = 0; i < 10; ++i)
        wd += "<T>" + gvtest::hhmm(3600 + 60 * i) + "</T><L>10</L><V>70.00</V><I>1.0</I><R>1</R><S>1</S>\r\n";
    ASSERT_EQ(read(WindmillFamily::WD, wd), ReadStatus::Ok);
    plotByTime(set, windmillPlotLayout(WindmillFamily::WD, g, allOn(WindmillFamily::WD)), 1, model, surface);
    EXPECT_EQ(model.ShownMinimum[WDSeries::Volts], 70);
    EXPECT_EQ(model.ShownMaximum[WDSeries::Volts], 70);
}

TEST_F(WindmillViews, PowerAgainstRpmCurveAndMarks)
{
    GraphRecordSet none;
    plotPowerVsRpm(none, GVSeries::Watts1, GVSeries::RPM1, 1000, 1000, surface);
    // 10 grid lines, then 1000 curve strokes; before a read the range 0..0
    // is the empty slot 0: one mark at 0 W and 0 RPM, the bottom left corner.
    ASSERT_EQ(surface.lines.size(), 1011u);
    EXPECT_EQ(surface.lines.back().colour, RecordMarkColour);
    EXPECT_EQ(surface.lines.back().x1, 0);
    EXPECT_NEAR(surface.lines.back().y1, 1050, 1e-9);
    EXPECT_EQ(surface.scaleWidth(), 1050);
    EXPECT_EQ(surface.scaleHeight(), 1050);
    const SurfaceLine& stroke = surface.lines[10];
    EXPECT_EQ(stroke.x1, 1);
    EXPECT_EQ(stroke.x2, 0);
    EXPECT_EQ(stroke.colour, ReferenceCurveColour);
    EXPECT_NEAR(stroke.y1 - stroke.y2, 1, 1e-12);
    EXPECT_NEAR(1000.0 / surface.scaleWidth(), 0.952, 0.001);

    read(WindmillFamily::GV,
         crlf({"<T>10:00</T><V1>24</V1><A1>10</A1><R1>400</R1>", "<T>10:01</T><V1>24</V1><A1>5</A1><R1>300</R1>"}));
    plotPowerVsRpm(set, GVSeries::Watts1, GVSeries::RPM1, 1000, 500, surface);
    const SurfaceLine& mark = surface.lines.back();
    EXPECT_EQ(mark.colour, RecordMarkColour);
    EXPECT_EQ(mark.width, 3);
    EXPECT_EQ(mark.x1, 300);
    EXPECT_NEAR(mark.y1, 1.05 * (1000 - 120), 1e-9);
    EXPECT_EQ(surface.drawWidth(), 1);

    // Zero scales draw nothing and never divide by zero.
    plotPowerVsRpm(set, GVSeries::Watts1, GVSeries::RPM1, 0, 0, surface);
    for (const auto& l : surface.lines)
        EXPECT_TRUE(std::isfinite(l.fx1) && std::isfinite(l.fy1));
}

TEST_F(WindmillViews, PowerAgainstWindSpeed)
{
    read(WindmillFamily::WD, crlf({"<T>10:00</T><V>24</V><I>10</I><S>7</S>", "<T>10:01</T><V>24</V><I>5</I><S>4</S>"}));
    plotPowerVsWind(set, WDSeries::Watts, WDSeries::WindSpeed, 1000, 50, 50, surface);
    EXPECT_EQ(surface.lines.size(), 10u + 50 + 2);
    EXPECT_EQ(surface.scaleWidth(), 52.5);
    const SurfaceLine& first = surface.lines[10];
    EXPECT_EQ(first.x1, 2);
    EXPECT_EQ(first.x2, 1);
    const SurfaceLine& mark = surface.lines.back();
    EXPECT_EQ(mark.width, 4);
    EXPECT_EQ(mark.x1, 5);
    EXPECT_EQ(mark.x2, 4);
}

TEST_F(WindmillViews, DistributionCountsEachRecordOnce)
{
    std::string text;
    const double watts[] = {995, 1000, 9.5, 10, 0, -0.5, -1, 1500, 5};
    for (size_t i = 0; i < std::size(watts); ++i)
        text += "<T>" + gvtest::hhmm(3600 + 60 * static_cast<int>(i)) + "</T><V>1</V><I>" +
                std::to_string(watts[i]) + "</I>\r\n";
    ASSERT_EQ(read(WindmillFamily::WD, text), ReadStatus::Ok);
    const PowerDistribution d = powerDistribution(set, WDSeries::Watts, 1000);
    EXPECT_EQ(d.BinCount, 100);
    ASSERT_EQ(d.PowerBins.size(), 101u);
    EXPECT_EQ(d.PowerBins[99], 1);  // 995
    EXPECT_EQ(d.PowerBins[0], 4);   // 9.5, 0, -0.5, 5
    EXPECT_EQ(d.PowerBins[1], 1);   // 10
    EXPECT_EQ(d.PowerBins[100], 0); // 1000 and more: no class
    double total = 0;
    for (double c : d.PowerBins)
        total += c;
    EXPECT_EQ(total, 6); // -1, 1000 and 1500 are in no class
    EXPECT_EQ(d.MaxBinCount, 4);

    plotPowerDistribution(d, surface);
    ASSERT_EQ(surface.lines.size(), 10u + 3);
    const SurfaceLine& bar0 = surface.lines[10];
    EXPECT_EQ(bar0.x1, 1);
    EXPECT_NEAR(bar0.y2, 4.2, 1e-12);
    EXPECT_NEAR(bar0.y1, 0.2, 1e-12);
    EXPECT_EQ(bar0.width, 5);
    EXPECT_EQ(surface.drawWidth(), 1);

    // Full scales far beyond a small fixed table, or below one class.
    const PowerDistribution big = powerDistribution(set, WDSeries::Watts, 32767);
    EXPECT_EQ(big.BinCount, 3276);
    EXPECT_EQ(big.PowerBins.size(), 3277u);
    EXPECT_EQ(big.PowerBins[150], 1);
    const PowerDistribution tiny = powerDistribution(set, WDSeries::Watts, 9);
    EXPECT_EQ(tiny.BinCount, 0);
    EXPECT_EQ(tiny.MaxBinCount, 0);
    plotPowerDistribution(tiny, surface);
    EXPECT_EQ(surface.lines.size(), 10u); // the grid only

    // Before any read the range 0..0 is the empty slot 0: one 0 W value in
    // bin 0, drawn as one bar at x = 1 reaching 1/1.05 of the height.
    GraphRecordSet none;
    const PowerDistribution before = powerDistribution(none, WDSeries::Watts, 1000);
    EXPECT_EQ(before.PowerBins[0], 1);
    EXPECT_EQ(before.MaxBinCount, 1);
    RecordingSurface fresh;
    plotPowerDistribution(before, fresh);
    ASSERT_EQ(fresh.lines.size(), 11u);
    EXPECT_EQ(fresh.lines.back().x1, 1);
    EXPECT_NEAR(fresh.lines.back().y1, 0.05, 1e-12);
}

TEST_F(WindmillLabels, ReadoutAndExtremeTexts)
{
    const auto gvR = [](int s, double v) { return readoutText(v, windmillReadoutFormat(WindmillFamily::GV, s, "m/s")); };
    EXPECT_EQ(gvR(GVSeries::Amps1, 0.25), "0.2 A");
    EXPECT_EQ(gvR(GVSeries::Amps2, 0.75), "0.8 A");
    EXPECT_EQ(gvR(GVSeries::Watts1, 2.5), "2 W");
    EXPECT_EQ(gvR(GVSeries::Watts4, 3.5), "4 W");
    EXPECT_EQ(gvR(GVSeries::Volts, 12.5), "12.5 V");
    EXPECT_EQ(gvR(GVSeries::RPM2, 412.4), "412 RPM");
    EXPECT_EQ(gvR(GVSeries::WindSpeed, 7.46), "7.5 m/s");
    EXPECT_EQ(readoutText(7.46, windmillReadoutFormat(WindmillFamily::GV, GVSeries::WindSpeed, "")), "7.5 ");

    const auto wdR = [](int s, double v) { return readoutText(v, windmillReadoutFormat(WindmillFamily::WD, s, "m/s")); };
    EXPECT_EQ(wdR(WDSeries::Volts, 24.1), "24.10 V");
    EXPECT_EQ(wdR(WDSeries::Amps, 0), "0.0 A");
    EXPECT_EQ(wdR(WDSeries::Watts, 7), "07 W");
    EXPECT_EQ(wdR(WDSeries::RPM, 0), "0 RPM");
    EXPECT_EQ(wdR(WDSeries::WindSpeed, 6), "6 m/s");

    MaxMinToggleState t;
    const auto gvX = [&](int s, double mx, double mn) {
        return maxMinLabelText(t, mx, mn, windmillExtremeFormat(WindmillFamily::GV, s));
    };
    EXPECT_EQ(gvX(GVSeries::Volts, 28.4, 24.05), "MIN 24.05 V");
    EXPECT_EQ(gvX(GVSeries::Watts1, 412.3, 0), "MAX 412 W");
    EXPECT_EQ(gvX(GVSeries::Watts1, 412.3, 0), " Min = 0 W");
    EXPECT_EQ(gvX(GVSeries::WindSpeed, 7.46, 0), "MAX 7.5");
    EXPECT_EQ(gvX(GVSeries::WindSpeed, 7.46, 0), " Min = 0 ");
    EXPECT_EQ(gvX(GVSeries::Amps1, 3, 0), "MAX 3.0 A");
    EXPECT_EQ(gvX(GVSeries::Amps1, 3, 0), " Min = 0 A");
    EXPECT_EQ(gvX(GVSeries::RPM1, 5, 0), "MAX 5 rpm");

    MaxMinToggleState d;
    const auto wdX = [&](int s, double mx, double mn) {
        return maxMinLabelText(d, mx, mn, windmillExtremeFormat(WindmillFamily::WD, s));
    };
    EXPECT_EQ(wdX(WDSeries::Amps, 3.25, 0), "MIN 0 A");
    EXPECT_EQ(wdX(WDSeries::Volts, 28.4, 0), "MAX 28 V");
    EXPECT_EQ(wdX(WDSeries::RPM, 450, 0), "MIN 00 RPM");
    EXPECT_EQ(wdX(WDSeries::WindSpeed, 9, 0), "MAX 09 ");
}

TEST_F(WindmillOutputs, CsvLinesAndCollationTitles)
{
    read(WindmillFamily::WD, crlf({"<T>13:05</T><L>10</L><V>24.10</V><I>3.5</I><R>412</R><S>5.2</S>",
                                   "<T>13:06</T><L>10</L><V>24.10</V><I>0</I><R>0</R><S>0</S>"}));
    EXPECT_EQ(csvContent(set, windmillCsvHeader(), windmillCsvColumns(WindmillFamily::WD)),
              crlf({"TIME,VOLTS,AMPS,WATTS,RPM,SPEED", "13:05,24.10,3.50,84.35,412,5.2", "13:06,24.10,.00,.00,,.0"}));

    read(WindmillFamily::GV,
         crlf({"<T>13:05</T><L>10</L><V1>24.10</V1><A1>3.5</A1><A2>9</A2><R1>412</R1><R2>7</R2><WS>5.2</WS>"}));
    EXPECT_EQ(csvContent(set, windmillCsvHeader(), windmillCsvColumns(WindmillFamily::GV)),
              crlf({"TIME,VOLTS,AMPS,WATTS,RPM,SPEED", "13:05,24.10,3.50,84.35,412,5.2"}));

    EXPECT_STREQ(windmillCollationFile(WindmillFamily::GV), "GVWattHours.txt");
    EXPECT_STREQ(windmillCollationFile(WindmillFamily::WD), "WDWattHours.txt");
    EXPECT_STREQ(windmillCollationTitle(WindmillFamily::GV), "daily watthours for these dates");
    EXPECT_STREQ(windmillCollationTitle(WindmillFamily::WD), "daily windmill DEMO watthours for these dates");
    EXPECT_STREQ(windmillFilePattern(WindmillFamily::GV), "GV*.txt");
    EXPECT_STREQ(windmillFilePattern(WindmillFamily::WD), "*.txt");
}
