// Timings of the graph engine on full days of logs: a day of 1-second logs
// (24 hourly files of 3,600 records, 86,400 in all) and a day of 10-second
// logs (one file of 8,640 records).  The suite checks what is read; the
// times depend on the machine and are printed only when GV_BENCHMARK is set,
// for a developer who runs this program by hand.
#include "config/FirstRun.h"
#include "graphs/windmill/WindmillGraph.h"
#include "graphs/windmill/windmill_day_fixture.h"
#include "shared/ConfigFiles.h"
#include "shared/FileIO.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

using namespace gv;

namespace {

double msSince(std::chrono::steady_clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

struct Timed {
    double readMs = 0, plotMs = 0;
    DayFileRead result;
    int records = 0;
    size_t lines = 0;
};

Timed readAndPlot(const std::string& folder, const std::string& name, const Global_Declarations& g)
{
    Timed t;
    GraphRecordSet set;
    const auto limits = *timeLimitsFromBoxes("00", "00", "23", "59");
    auto t0 = std::chrono::steady_clock::now();
    t.result = readDayFile(folder, name, limits, windmillReaderLayout(WindmillFamily::GV, g), set);
    t.readMs = msSince(t0);
    t.records = set.RecordCount;
    if (t.result.read == ReadStatus::Ok) {
        PlotModel model;
        RecordingSurface surface;
        t0 = std::chrono::steady_clock::now();
        plotByTime(set, windmillPlotLayout(WindmillFamily::GV, g, std::vector<int>(GVSeries::Count, 1)), 1, model,
                   surface);
        t.plotMs = msSince(t0);
        t.lines = surface.lines.size();
    }
    return t;
}

} // namespace

TEST(WindmillBenchmark, DayOfOneSecondAndTenSecondLogs)
{
    Global_Declarations g;
    loadChannelsCfg(g, defaultChannelsText());
    gvtest::TempDir dir;

    // 1-second logs: one file per hour, as the logger writes them.
    auto t0 = std::chrono::steady_clock::now();
    std::string wholeDay;
    for (int h = 0; h < 24; ++h) {
        char name[40];
        std::snprintf(name, sizeof name, "GV_2026_06_14_%02d.txt", h);
        const std::string hour = gvtest::dayLog(gvtest::DayFamily::GV, 1, h * 3600, (h + 1) * 3600);
        gvtest::writeFile(dir.file(name), hour);
        wholeDay += hour;
    }
    gvtest::writeFile(dir.file("GV_2026_06_14_all.txt"), wholeDay);
    const double makeMs = msSince(t0);

    double readTotal = 0, plotTotal = 0, slowest = 0;
    int records = 0;
    for (int h = 0; h < 24; ++h) {
        char name[40];
        std::snprintf(name, sizeof name, "GV_2026_06_14_%02d.txt", h);
        const Timed t = readAndPlot(dir.path(), name, g);
        ASSERT_EQ(t.result.read, ReadStatus::Ok) << name;
        // The first and last minutes of the day lie on the limits and are kept.
        EXPECT_EQ(t.records, 3600) << name;
        records += t.records;
        readTotal += t.readMs;
        plotTotal += t.plotMs;
        slowest = std::max(slowest, t.readMs + t.plotMs);
    }
    EXPECT_EQ(records, 86400);

    // The same day in one file stops at the record limit.
    const Timed all = readAndPlot(dir.path(), "GV_2026_06_14_all.txt", g);
    EXPECT_EQ(all.result.read, ReadStatus::OverLimit);

    // 10-second logs: one daily file.
    gvtest::writeFile(dir.file("GV_2026_06_15.txt"), gvtest::dayLog(gvtest::DayFamily::GV, 10));
    const Timed ten = readAndPlot(dir.path(), "GV_2026_06_15.txt", g);
    ASSERT_EQ(ten.result.read, ReadStatus::Ok);
    EXPECT_EQ(ten.records, 8640);

    if (!std::getenv("GV_BENCHMARK"))
        return;
    std::printf("\n[timing] generating 24 hourly 1-s files + whole-day file: %.0f ms\n", makeMs);
    std::printf("[timing] 1-s logs, 24 hourly files (%d records): read %.1f ms, plot %.1f ms in all; "
                "slowest hour %.1f ms\n",
                records, readTotal, plotTotal, slowest);
    std::printf("[timing] 1-s logs, whole day in one file (86,400 lines): over the limit after %.1f ms\n",
                all.readMs);
    std::printf("[timing] 10-s logs, daily file (%d records): read %.1f ms, plot %.1f ms (%zu segments)\n",
                ten.records, ten.readMs, ten.plotMs, ten.lines);
}
