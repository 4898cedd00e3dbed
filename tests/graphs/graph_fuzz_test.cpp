// The graph engine under address and undefined-behaviour checking: garbled
// day files, and read-out, zoom, plot, views and CSV at wild positions.
#include "graphs/GraphCore.h"
#include "graphs/GraphExport.h"
#include "graphs/windmill/WindmillGraph.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

using namespace gv;

namespace {

std::string garbledDay(std::mt19937& rng, int lines)
{
    static const char* pieces[] = {"<T>", "</T>", "<L>", "</L>", "<V1>", "</V1>", "<A1>", "</A1>", "<V>", "</V>",
                                   "<I>", "</I>", "<S>", "</S>", "<R>", "</R>", "<WS>", "</WS>", "12:34", "23:59",
                                   "00:00", "9:5", "24:00", ":", "-", ".", "1e400", "-7.5", "abc", "\r", "\n",
                                   "\r\n", " ", "99999999999999999999", "0.000001", "<>", "</>", "nan"};
    std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(pieces)) - 1);
    std::uniform_int_distribution<int> len(0, 30);
    std::uniform_int_distribution<int> minute(0, 1439);
    std::string out;
    for (int i = 0; i < lines; ++i) {
        if (i % 3 == 0) {
            char t[32];
            const int m = minute(rng);
            std::snprintf(t, sizeof t, "<T>%02d:%02d</T>", m / 60, m % 60);
            out += t;
        }
        const int n = len(rng);
        for (int j = 0; j < n; ++j)
            out += pieces[pick(rng)];
        out += "\r\n";
    }
    return out;
}

} // namespace

TEST(GraphFuzz, GarbledFilesAndWildPositionsStayInBounds)
{
    std::mt19937 rng(20261209);
    Global_Declarations g;
    for (int ch = 1; ch <= 24; ++ch) {
        g.XMLsoftware[static_cast<size_t>(ch)] = ch % 2 ? "V1" : "A1";
        g.ChannelMaxReading[static_cast<size_t>(ch)] = static_cast<std::int16_t>(ch % 5 == 0 ? 0 : ch * 40);
    }
    const double wild[] = {0,    -0.5, 0.5,  1,    2.5,   1e5,   -1e5, 1e9, -1e9, 1e300,
                           -1e300, std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN(), 9999.5, 10000.5, 3.7};
    long kept = 0;
    for (int round = 0; round < 6; ++round) {
        const std::string text = garbledDay(rng, 200);
        for (WindmillFamily f : {WindmillFamily::GV, WindmillFamily::WD}) {
            GraphRecordSet set;
            const TimeLimits limits{0.0, 0.99};
            readRecords(text, limits, windmillReaderLayout(f, g), set);
            kept += set.RecordCount;
            std::vector<int> flags(static_cast<size_t>(seriesCount(f)), 1);
            PlotModel model;
            RecordingSurface surface;
            ZoomState zoom;
            MaxMinToggleState toggle;
            for (double a : wild) {
                for (double b : {wild[round % std::size(wild)], 3.0, 1e4, -2.0}) {
                    set.FirstShown = a;
                    set.LastShown = b;
                    plotByTime(set, windmillPlotLayout(f, g, flags), round % 2, model, surface);
                    for (const auto& l : surface.lines)
                        ASSERT_TRUE(std::isfinite(l.fx1) && std::isfinite(l.fy1) && std::isfinite(l.fx2) &&
                                    std::isfinite(l.fy2));
                    (void)csvContent(set, windmillCsvHeader(), windmillCsvColumns(f));
                    const double scales[] = {0, 9, 1000, -5, 32767};
                    const double s1 = scales[static_cast<size_t>(round) % 5];
                    const double s2 = scales[static_cast<size_t>(round + 2) % 5];
                    plotPowerVsRpm(set, wattsSeries(f), rpmSeries(f), s1, s2, surface);
                    plotPowerVsWind(set, wattsSeries(f), windSeries(f), s2, s1, a, surface);
                    const PowerDistribution d = powerDistribution(set, wattsSeries(f), s1);
                    plotPowerDistribution(d, surface);
                    const ReadoutIndices r = readoutIndices(a, b);
                    (void)set.time(r.timeRecord);
                    (void)set.value(0, r.valueRecord);
                    (void)readoutText(set.value(1, r.valueRecord), windmillReadoutFormat(f, 1, "m/s"));
                    (void)maxMinLabelText(toggle, a, b, windmillExtremeFormat(f, 0));
                    if (zoomPress(set, zoom, a)) {
                        ASSERT_TRUE(set.FirstShown >= 0 && set.FirstShown <= set.RecordCount);
                    }
                    if (zoomRelease(set, zoom, b)) {
                        ASSERT_TRUE(set.LastShown > set.FirstShown && set.LastShown <= set.RecordCount);
                        zoomDone(set);
                    }
                }
            }
        }
    }
    EXPECT_GT(kept, 100); // the garbled days do hold records
}

TEST(GraphFuzz, HugeScalesAreBounded)
{
    GraphRecordSet none;
    RecordingSurface surface;
    plotPowerVsRpm(none, 0, 1, 1e300, 1e300, surface);
    EXPECT_LE(surface.lines.size(), 10u + 100000u + 1u); // grid, curve, the mark of slot 0
    const PowerDistribution d = powerDistribution(none, 0, 1e300);
    EXPECT_EQ(d.BinCount, 10000);
}
