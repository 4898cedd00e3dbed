// The generic graph engine: times of day, the day-log reader, file matching,
// the time plot, read-out and zoom index rules, MAX/MIN labels and the two
// output files.
#include "graphs/GraphCore.h"
#include "graphs/GraphExport.h"
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

// Volts "<V1>", amps "<A1>", derived watts = volts x amps.
ReaderLayout testLayout()
{
    ReaderLayout s;
    s.elements = {ElementTags::named("V1"), ElementTags::named("A1"), ElementTags::derived()};
    s.derive = [](std::vector<double>& v) { v[2] = v[0] * v[1]; };
    return s;
}

TimeLimits wholeDay() { return *timeLimitsFromBoxes("00", "00", "23", "59"); }

std::string rec(const std::string& t, double v, double a, int l = 10)
{
    char buf[160];
    std::snprintf(buf, sizeof buf, "<T>%s</T><L>%d</L><V1>%.2f</V1><A1>%.1f</A1>", t.c_str(), l, v, a);
    return buf;
}

} // namespace

TEST(GraphTimes, ParsesRecordTimesAndBoxes)
{
    EXPECT_DOUBLE_EQ(*parseTimeOfDay("12:00"), 0.5);
    EXPECT_DOUBLE_EQ(*parseTimeOfDay(" 7:05 "), dayFraction(7, 5));
    EXPECT_DOUBLE_EQ(*parseTimeOfDay("23:59:30"), dayFraction(23, 59, 30));
    for (const char* bad : {"", "24:00", "12:60", "1200", "ab:cd", "12:", ":30", "123:00", "12:00:61"})
        EXPECT_FALSE(parseTimeOfDay(bad)) << bad;

    auto lim = timeLimitsFromBoxes("6", "30", "18", "0");
    ASSERT_TRUE(lim);
    EXPECT_DOUBLE_EQ(lim->start, dayFraction(6, 30));
    EXPECT_DOUBLE_EQ(lim->end, dayFraction(18, 0, 59)); // the whole end minute
    EXPECT_FALSE(timeLimitsFromBoxes("24", "00", "23", "59"));
    EXPECT_FALSE(timeLimitsFromBoxes("00", "", "23", "59"));
    EXPECT_FALSE(timeLimitsFromBoxes("00", "00", "23", "5x"));
    EXPECT_FALSE(timeLimitsFromBoxes("ti", "me", "23", "59"));

    EXPECT_EQ(shortTime(dayFraction(7, 5)), "07:05");
    EXPECT_EQ(shortTime(dayFraction(23, 59, 59)), "23:59");
    EXPECT_EQ(shortTime(0), "00:00");
    EXPECT_EQ(hourPart("13:05"), "13");
    EXPECT_EQ(minutePart("13:05"), "05");
}

TEST(GraphReader, KeepsRecordsInsideTheLimitsWithTheirElements)
{
    const std::string text = crlf({
                                 rec("00:00", 12.0, 1.0),                                    // 1: on the limit
                                 rec("00:01", 12.5, 2.0, 10),                                // 2
                                 "<T>06:00</T><V1>13.00</V1>",                               // 3: no <L>, no <A1>
                                 "<T>06:01</T><L>10</L></V1>13.00<V1><A1>x</A1>",             // 4: reversed V1, bad A1
                                 "</T>06:02<T><L>10</L><V1>13</V1>",                         // reversed time: skipped
                                 "<L>10</L><V1>13</V1>",                                     // no time: skipped
                                 "<T>25:00</T><V1>13</V1>",                                  // bad time: skipped
                                 "",                                                         // empty
                                 "<A1>3.5</A1>junk<T>12:00</T><V1>24.1</V1><L>5</L>",        // 5: any order
                                 rec("12:00", 24.1, 3.5),                                    // 6: same time twice
                                 rec("23:59", 12.0, 1.0),                                    // 7: on the limit
                             }) +
                             "<T>23:58</T><L>10</L><V1>12.6"; // partial last line, no CR LF: 8
    GraphRecordSet set;
    ASSERT_EQ(readRecords(text, wholeDay(), testLayout(), set), ReadStatus::Ok);
    ASSERT_EQ(set.RecordCount, 8);
    EXPECT_EQ(set.FirstShown, 1);
    EXPECT_EQ(set.LastShown, 8);
    EXPECT_EQ(shortTime(set.time(1)), "00:00");
    EXPECT_EQ(shortTime(set.time(7)), "23:59");
    EXPECT_DOUBLE_EQ(set.value(2, 2), 25.0);
    EXPECT_DOUBLE_EQ(set.interval(3), 0.0); // no <L>
    EXPECT_DOUBLE_EQ(set.value(0, 3), 13.0);
    EXPECT_DOUBLE_EQ(set.value(1, 3), 0.0);
    EXPECT_DOUBLE_EQ(set.value(2, 3), 0.0);
    EXPECT_DOUBLE_EQ(set.value(0, 4), 0.0); // reversed element reads 0
    EXPECT_DOUBLE_EQ(set.value(1, 4), 0.0); // not numeric reads 0
    EXPECT_DOUBLE_EQ(set.value(1, 5), 3.5);
    EXPECT_DOUBLE_EQ(set.interval(5), 5.0);
    EXPECT_DOUBLE_EQ(set.value(2, 5), 24.1 * 3.5);
    EXPECT_EQ(set.time(5), set.time(6));
    EXPECT_EQ(shortTime(set.time(8)), "23:58");
    EXPECT_DOUBLE_EQ(set.value(0, 8), 0.0); // the element was cut off

    // Limits that fall exactly on record times keep both records on them.
    GraphRecordSet span;
    ASSERT_EQ(readRecords(text, TimeLimits{dayFraction(0, 1), dayFraction(12, 0)}, testLayout(), span),
              ReadStatus::Ok);
    ASSERT_EQ(span.RecordCount, 5);
    EXPECT_EQ(shortTime(span.time(1)), "00:01");
    EXPECT_EQ(shortTime(span.time(5)), "12:00");

    // Outside 1..RecordCount nothing is read.
    EXPECT_FALSE(set.has(0));
    EXPECT_FALSE(set.has(9));
    EXPECT_EQ(set.value(0, 9), 0.0);
    EXPECT_EQ(set.value(0, -5), 0.0);
    EXPECT_EQ(set.value(9, 1), 0.0);
    EXPECT_EQ(set.time(100000), 0.0);
}

TEST(GraphReader, MissingIntervalDefaultAndTrailingEmptyPiece)
{
    ReaderLayout s = testLayout();
    s.missingInterval = 10;
    GraphRecordSet set;
    ASSERT_EQ(readRecords(crlf({"<T>10:00</T><V1>1</V1>", "<T>10:01</T><L>60</L>"}), wholeDay(), s, set),
              ReadStatus::Ok);
    EXPECT_EQ(set.RecordCount, 2);
    EXPECT_EQ(set.interval(1), 10.0);
    EXPECT_EQ(set.interval(2), 60.0);
}

TEST(GraphReader, LineEndsCrLfLfOrCrAndAbsurdNumbersReadAsGarbled)
{
    // The same day with CR LF, LF only (passed through Unix tools), CR only
    // and a mixture of them: every record is read, the last one without any
    // line end too.
    const std::vector<std::string> lines = {rec("10:00", 12.5, 2), rec("10:01", 13, 3), "", rec("10:02", 14, 4)};
    for (const char* end : {"\r\n", "\n", "\r"}) {
        std::string text;
        for (const auto& l : lines)
            text += l + end;
        GraphRecordSet set;
        ASSERT_EQ(readRecords(text, wholeDay(), testLayout(), set), ReadStatus::Ok);
        ASSERT_EQ(set.RecordCount, 3) << int(end[0]) << int(end[1]);
        EXPECT_EQ(set.value(2, 1), 25.0);
        EXPECT_EQ(set.value(2, 3), 56.0);
        EXPECT_EQ(shortTime(set.time(3)), "10:02");
        EXPECT_EQ(set.interval(3), 10.0);
    }
    GraphRecordSet mixed;
    readRecords(rec("10:00", 1, 1) + "\n" + rec("10:01", 1, 1) + "\r\n\r\n" + rec("10:02", 1, 1) + "\r" +
                    rec("10:03", 1, 1),
                wholeDay(), testLayout(), mixed);
    EXPECT_EQ(mixed.RecordCount, 4);

    // A value beyond 1e9 in magnitude or not finite is garbled: 0, like a
    // value that is not a number; the watts derived from it stay finite.
    const std::string absurd = crlf({
        "<T>11:00</T><L>10</L><V1>1e300</V1><A1>2</A1>",
        "<T>11:01</T><L>1e300</L><V1>-1e300</V1><A1>1e10</A1>",
        "<T>11:02</T><L>10</L><V1>1e400</V1><A1>-2e9</A1>",
        "<T>11:03</T><L>10</L><V1>1e9</V1><A1>-1e9</A1>",
        "<T>11:04</T><L>999999999</L><V1>14</V1><A1>10</A1>",
        "<T>11:05</T><L>-10</L><V1>14</V1><A1>10</A1>",
        "<T>11:06</T><L>600</L><V1>14</V1><A1>10</A1>",
    });
    GraphRecordSet set;
    ASSERT_EQ(readRecords(absurd, wholeDay(), testLayout(), set), ReadStatus::Ok);
    ASSERT_EQ(set.RecordCount, 7);
    // An interval outside the logger's 0..600 s is garbled too.
    EXPECT_EQ(set.interval(5), 0.0);
    EXPECT_EQ(set.interval(6), 0.0);
    EXPECT_EQ(set.interval(7), 600.0);
    for (long i = 1; i <= 3; ++i) {
        EXPECT_EQ(set.value(0, i), 0.0) << i;
        EXPECT_EQ(set.value(2, i), 0.0) << i;
    }
    EXPECT_EQ(set.value(1, 1), 2.0);
    EXPECT_EQ(set.value(1, 2), 0.0);
    EXPECT_EQ(set.interval(2), 0.0);
    EXPECT_EQ(set.value(0, 4), 1e9); // the largest accepted magnitude
    EXPECT_EQ(set.value(1, 4), -1e9);
    EXPECT_EQ(recordNumber("12.5abc"), 12.5);
    EXPECT_EQ(recordNumber("nan"), 0.0);
    EXPECT_EQ(recordNumber("-inf"), 0.0);

    // The record with 1e300 volts exports like a 0 V record.
    const std::vector<CsvColumn> cols = {{0, "##.00"}, {1, "###.00"}, {2, "####.00"}};
    set.FirstShown = 1;
    set.LastShown = 1;
    EXPECT_EQ(csvContent(set, {"TIME", "VOLTS", "AMPS", "WATTS"}, cols),
              crlf({"TIME,VOLTS,AMPS,WATTS", "11:00,.00,2.00,.00"}));
}

TEST(GraphReader, NoDataEmptiesTheSetButKeepsTheRange)
{
    GraphRecordSet set;
    ASSERT_EQ(readRecords(crlf({rec("10:00", 1, 1), rec("10:01", 1, 1), rec("10:02", 1, 1)}), wholeDay(),
                          testLayout(), set),
              ReadStatus::Ok);
    set.FirstShown = 1.5;
    set.ZoomBusy = 1;
    EXPECT_EQ(readRecords("", wholeDay(), testLayout(), set), ReadStatus::NoData);
    EXPECT_EQ(set.RecordCount, 0);
    EXPECT_EQ(set.FirstShown, 1.5);
    EXPECT_EQ(set.LastShown, 3);
    EXPECT_EQ(set.ZoomBusy, 0);
    EXPECT_EQ(set.value(0, 1), 0.0);

    // A start after the end keeps nothing.
    ASSERT_EQ(readRecords(crlf({rec("10:00", 1, 1)}), TimeLimits{0.5, 0.4}, testLayout(), set),
              ReadStatus::NoData);
}

TEST(GraphReader, OverTheLimitLeavesThePreviousRecordsIntact)
{
    GraphRecordSet set;
    ASSERT_EQ(readRecords(crlf({rec("10:00", 11, 1), rec("10:01", 12, 2)}), wholeDay(), testLayout(), set),
              ReadStatus::Ok);
    set.SourceFile = "GV_2026_01_01.txt";

    std::string big;
    for (int i = 0; i < MaxGraphRecords; ++i)
        big += rec("10:30", 13, 3) + CRLF;
    GraphRecordSet full;
    ASSERT_EQ(readRecords(big, wholeDay(), testLayout(), full), ReadStatus::Ok);
    EXPECT_EQ(full.RecordCount, MaxGraphRecords);

    big += rec("10:31", 13, 3) + CRLF;
    EXPECT_EQ(readRecords(big, wholeDay(), testLayout(), set), ReadStatus::OverLimit);
    EXPECT_EQ(set.RecordCount, 2);
    EXPECT_EQ(set.value(0, 2), 12.0);
    EXPECT_EQ(set.LastShown, 2);
    EXPECT_EQ(set.SourceFile, "GV_2026_01_01.txt");
}

TEST(GraphFiles, MatchesNamesWithoutRegardToCase)
{
    EXPECT_TRUE(matchesPattern("GV_2026_01_02.txt", "GV*.txt"));
    EXPECT_TRUE(matchesPattern("gv_2026_01_02.TXT", "GV*.txt"));
    EXPECT_TRUE(matchesPattern("ml_2026.txt", "ML*.TXT"));
    EXPECT_TRUE(matchesPattern("GVWattHours.txt", "GV*.txt"));
    EXPECT_FALSE(matchesPattern("WD_2026_01_02.txt", "GV*.txt"));
    EXPECT_FALSE(matchesPattern("GV_2026.csv", "GV*.txt"));
    EXPECT_TRUE(matchesPattern("a.txt", "*.txt"));
    EXPECT_TRUE(matchesPattern("abc", "a?c"));
    EXPECT_FALSE(matchesPattern("abcd", "a?c"));

    TempDir dir;
    writeFile(dir.file("gv_2026_01_02.TXT"), "x");
    writeFile(dir.file("GV_2026_01_01.txt"), "x");
    writeFile(dir.file("WD_2026_01_01.txt"), "x");
    writeFile(dir.file("notes.csv"), "x");
    makeFolder(dir.file("GV_folder.txt"));
    EXPECT_EQ(listDayFiles(dir.path(), "GV*.txt"),
              (std::vector<std::string>{"GV_2026_01_01.txt", "gv_2026_01_02.TXT"}));
    EXPECT_EQ(listDayFiles(dir.path(), "*.txt").size(), 3u);
    EXPECT_TRUE(listDayFiles(dir.file("missing"), "*.txt").empty());

    EXPECT_EQ(findFileNoCase(dir.path(), "GV_2026_01_02.txt"), dir.file("gv_2026_01_02.TXT"));
    EXPECT_EQ(findFileNoCase(dir.path(), "GV_2026_01_01.txt"), dir.file("GV_2026_01_01.txt"));
    EXPECT_FALSE(findFileNoCase(dir.path(), "GV_2026_01_03.txt"));
    EXPECT_FALSE(findFileNoCase(dir.path(), "../x.txt"));
    EXPECT_FALSE(findFileNoCase(dir.path(), ""));

    EXPECT_EQ(todayFileName("GV_", 2025, 3, 5), "GV_2025_03_05.txt");
}

TEST(GraphFiles, ReadDayFileFindsTheFileInAnyCase)
{
    TempDir dir;
    writeFile(dir.file("gv_2026_01_02.txt"), crlf({rec("10:00", 11, 1), rec("10:01", 12, 2)}));
    GraphRecordSet set;
    auto r = readDayFile(dir.path(), "GV_2026_01_02.txt", wholeDay(), testLayout(), set);
    EXPECT_EQ(r.file, DayFileStatus::Read);
    EXPECT_EQ(r.read, ReadStatus::Ok);
    EXPECT_EQ(set.SourceFile, "GV_2026_01_02.txt");
    r = readDayFile(dir.path(), "GV_2026_01_09.txt", wholeDay(), testLayout(), set);
    EXPECT_EQ(r.file, DayFileStatus::Missing);
    EXPECT_EQ(set.RecordCount, 2);
}

namespace {

GraphRecordSet constantSet(int n, double volts, double amps, int interval)
{
    std::string text;
    for (int i = 0; i < n; ++i) {
        char t[8];
        std::snprintf(t, sizeof t, "%02d:%02d", 1 + i / 60, i % 60);
        text += rec(t, volts, amps, interval) + CRLF;
    }
    GraphRecordSet set;
    readRecords(text, wholeDay(), testLayout(), set);
    return set;
}

TimePlotLayout threeSeriesLayout(bool showAll = true)
{
    TimePlotLayout s;
    s.series.resize(3);
    s.series[0] = {.colour = 255, .show = showAll, .fullScale = 30};
    s.series[1] = {.colour = 65280, .show = showAll, .fullScale = 50};
    s.series[2] = {.colour = 16711680, .show = showAll, .fullScale = 1000,
                   .wattHours = true, .dayTotal = true};
    return s;
}

} // namespace

TEST(GraphTimePlot, WattHoursCoverEveryRecordOfTheSpan)
{
    // 361 records of 360 W every 10 s: each adds 1 Wh, as in the day's
    // summary and the restart.
    GraphRecordSet set = constantSet(361, 36, 10, 10);
    ASSERT_EQ(set.RecordCount, 361);
    PlotModel model;
    RecordingSurface surface;
    const auto r = plotByTime(set, threeSeriesLayout(), 1, model, surface);
    EXPECT_EQ(r.status, PlotStatus::Drawn);
    EXPECT_NEAR(model.WattHours[2], 361.0, 1e-9);
    EXPECT_NEAR(model.DayWattHours, 361.0, 1e-9);
    EXPECT_EQ(model.WattHours[0], 0.0);
    EXPECT_EQ(r.startTime, "01:00");
    EXPECT_EQ(r.finishTime, "07:00");
    EXPECT_EQ(surface.scaleWidth(), 360); // record 361 on the right edge
    EXPECT_EQ(surface.lines.size(), 360u * 3); // records 1..361 joined

    // A loop that starts one record earlier draws more, counts the same.
    TimePlotLayout early = threeSeriesLayout();
    early.firstOffset = 0;
    plotByTime(set, early, 1, model, surface);
    EXPECT_NEAR(model.WattHours[2], 361.0, 1e-9);

    // An unticked series is not drawn, its watt-hours still count.
    TimePlotLayout hidden = threeSeriesLayout(false);
    plotByTime(set, hidden, 1, model, surface);
    EXPECT_TRUE(surface.lines.empty());
    EXPECT_NEAR(model.WattHours[2], 361.0, 1e-9);
}

TEST(GraphTimePlot, ScalesFlatSeriesAndZeroLine)
{
    std::string text;
    const double amps[] = {9, -3, 5, 0, 2, -9};
    for (int i = 0; i < 6; ++i)
        text += rec("10:0" + std::to_string(i), 12, amps[i]) + CRLF;
    GraphRecordSet set;
    readRecords(text, wholeDay(), testLayout(), set);
    TimePlotLayout s = threeSeriesLayout();
    s.series[1].zeroLine = true;
    PlotModel model;
    RecordingSurface surface;
    plotByTime(set, s, 0, model, surface);
    // Amps: every record, the first (9) and the last (-9) too.
    EXPECT_EQ(model.PlotHigh[1], 9);
    EXPECT_EQ(model.PlotLow[1], -9);
    EXPECT_NEAR(model.PlotHeight[1], 18.9, 1e-12);
    EXPECT_EQ(model.ShownMaximum[1], 9);
    EXPECT_EQ(model.ShownMinimum[1], -9);
    // Volts constant 12 inside 0..30: flat series at the middle.
    EXPECT_EQ(model.PlotHigh[0], 12);
    EXPECT_EQ(model.PlotLow[0], 12);
    EXPECT_EQ(model.PlotHeight[0], 2);
    ASSERT_FALSE(surface.lines.empty());
    // The zero line runs across the picture (records 1..6: x 0..5) where
    // the amps series draws 0: (9 - 0) + 18/40.
    const SurfaceLine zero = surface.lines.front();
    EXPECT_NEAR(zero.y1, 9.45, 1e-12);
    EXPECT_EQ(zero.y2, zero.y1);
    EXPECT_EQ(zero.x1, 0);
    EXPECT_EQ(zero.x2, 5);
    EXPECT_EQ(zero.colour, s.zeroLineColour);
    const SurfaceLine volts = surface.lines[1];
    EXPECT_EQ(volts.y1, 1.0);
    EXPECT_DOUBLE_EQ(volts.fy1, 0.5);
    // First amps segment: record 1 (9 A) to record 2 (-3 A).
    const SurfaceLine a = surface.lines[2];
    EXPECT_EQ(a.x1, 0);
    EXPECT_EQ(a.x2, 1);
    EXPECT_NEAR(a.y1, (9 - 9) + 0.45, 1e-12);
    EXPECT_NEAR(a.y2, (9 + 3) + 0.45, 1e-12);

    // Zoomed to records 3..6 (5, 0, 2, -9 A): the zero line still spans the
    // picture, x 0..3, at the height where 0 is drawn.
    set.FirstShown = 3;
    plotByTime(set, s, 0, model, surface);
    ASSERT_FALSE(surface.lines.empty());
    const SurfaceLine zoomed = surface.lines.front();
    EXPECT_EQ(zoomed.x1, 0);
    EXPECT_EQ(zoomed.x2, 3);
    EXPECT_DOUBLE_EQ(zoomed.fx2, 1.0);
    EXPECT_NEAR(zoomed.y1, 5 + 14.0 / 40, 1e-12);
    set.FirstShown = 1;

    // "Scaled": value at full scale lies range/40 below the top.
    plotByTime(set, s, 1, model, surface);
    EXPECT_EQ(model.PlotHigh[0], 30);
    EXPECT_EQ(model.PlotLow[0], 0);
    EXPECT_NEAR(model.PlotHeight[0], 31.5, 1e-12);
}

TEST(GraphTimePlot, ShortAndEmptyRangesDrawSafely)
{
    PlotModel model;
    RecordingSurface surface;
    GraphRecordSet none;
    EXPECT_EQ(plotByTime(none, threeSeriesLayout(), 1, model, surface).status, PlotStatus::Empty);
    EXPECT_EQ(surface.clears, 1);

    for (int n = 1; n <= 4; ++n) {
        GraphRecordSet set = constantSet(n, 12, 1, 10);
        const auto r = plotByTime(set, threeSeriesLayout(), 1, model, surface);
        EXPECT_EQ(r.status, n == 1 ? PlotStatus::Empty : PlotStatus::Drawn) << n;
        EXPECT_GE(surface.scaleWidth(), 1) << n;
        for (const auto& l : surface.lines) {
            EXPECT_TRUE(std::isfinite(l.fx1) && std::isfinite(l.fy2));
        }
    }

    // A minimum span refuses short ranges after writing the times.
    TimePlotLayout s = threeSeriesLayout();
    s.minimumSpan = 5;
    GraphRecordSet three = constantSet(3, 12, 1, 10);
    const auto r = plotByTime(three, s, 1, model, surface);
    EXPECT_EQ(r.status, PlotStatus::NotEnoughData);
    EXPECT_EQ(r.startTime, "01:00");
    EXPECT_EQ(r.finishTime, "01:02");
    EXPECT_TRUE(surface.lines.empty());
    EXPECT_TRUE(model.PlottedFile.empty());

    // A full scale of 0 gives a flat line, never a division by zero.
    TimePlotLayout zero = threeSeriesLayout();
    for (auto& ps : zero.series)
        ps.fullScale = 0;
    GraphRecordSet set = constantSet(10, 12, 1, 10);
    plotByTime(set, zero, 1, model, surface);
    for (const auto& l : surface.lines)
        EXPECT_DOUBLE_EQ(l.fy1, 0.5);
}

TEST(GraphTimePlot, FractionalBoundsRoundHalfToEven)
{
    GraphRecordSet set = constantSet(1000, 12, 1, 10);
    set.FirstShown = 100.4;
    set.LastShown = 250.7;
    PlotModel model;
    RecordingSurface surface;
    const auto r = plotByTime(set, threeSeriesLayout(), 1, model, surface);
    EXPECT_EQ(r.startTime, shortTime(set.time(100)));
    EXPECT_EQ(r.finishTime, shortTime(set.time(251)));
    // x stays whole: first segment from 0 to 1.
    EXPECT_EQ(surface.lines.front().x1, 0);
    EXPECT_EQ(surface.lines.front().x2, 1);
    // Bounds beyond the records only read existing records for the labels.
    set.FirstShown = 990;
    set.LastShown = 5e5;
    const auto far = plotByTime(set, threeSeriesLayout(), 1, model, surface);
    EXPECT_EQ(far.finishTime, shortTime(set.time(1000)));
}

TEST(GraphTimePlot, FractionalBoundsVisitEachRecordOnce)
{
    // 20 records of 360 W (36 V x 10 A) every 10 s: 1 Wh each.  A range
    // starting at 10.5 (a click left there by a zoom whose re-read failed)
    // is the records 10..20, each visited once: no record twice in the CSV,
    // none skipped, no watt-hours counted twice.
    GraphRecordSet set = constantSet(20, 36, 10, 10);
    for (int i = 1; i <= 20; ++i)
        set.Series[0][static_cast<size_t>(i)] = i; // volts = record number
    set.FirstShown = 10.5;
    set.LastShown = 20;
    std::vector<long> seen;
    forEachShownRecord(set, [&](long r) { seen.push_back(r); });
    EXPECT_EQ(seen, (std::vector<long>{10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
    const std::string csv = csvContent(set, {"TIME", "VOLTS"}, {{0, "#0"}});
    EXPECT_EQ(csv, crlf({"TIME,VOLTS", "01:09,10", "01:10,11", "01:11,12", "01:12,13", "01:13,14", "01:14,15",
                         "01:15,16", "01:16,17", "01:17,18", "01:18,19", "01:19,20"}));

    PlotModel model;
    RecordingSurface surface;
    const auto r = plotByTime(set, threeSeriesLayout(), 1, model, surface);
    EXPECT_EQ(r.startTime, "01:09");
    EXPECT_EQ(r.finishTime, "01:19");
    // Segments join records 10..20, which add their watt-hours.
    EXPECT_NEAR(model.WattHours[2], 11.0, 1e-9);
    EXPECT_EQ(surface.lines.size(), 10u * 3);
    for (size_t k = 0; k < surface.lines.size(); k += 3)
        EXPECT_EQ(surface.lines[k].x2 - surface.lines[k].x1, 1.0);
    // A re-plot gives the same totals.
    plotByTime(set, threeSeriesLayout(), 1, model, surface);
    EXPECT_NEAR(model.WattHours[2], 11.0, 1e-9);
    EXPECT_NEAR(model.DayWattHours, 11.0, 1e-9);
}

TEST(GraphInteraction, ReadoutIndicesAndRounding)
{
    EXPECT_EQ(readoutIndices(0, 1).timeRecord, 1);
    EXPECT_EQ(readoutIndices(0, 1).valueRecord, 1);
    EXPECT_EQ(readoutIndices(41.7, 1).timeRecord, 42);
    EXPECT_EQ(readoutIndices(41.7, 1).valueRecord, 42);
    EXPECT_EQ(readoutIndices(10.2, 100.4).timeRecord, 110);
    EXPECT_EQ(readoutIndices(10.2, 100.4).valueRecord, 110);
    EXPECT_EQ(readoutIndices(10.2, 100.5).valueRecord, 110); // 110.5 -> 110
    EXPECT_EQ(readoutIndices(NAN, 1).timeRecord, 0);

    EXPECT_DOUBLE_EQ(roundHalfEvenTo(0.25, 1), 0.2);
    EXPECT_DOUBLE_EQ(roundHalfEvenTo(0.75, 1), 0.8);
    EXPECT_DOUBLE_EQ(roundHalfEvenTo(2.5, 0), 2);
    EXPECT_DOUBLE_EQ(roundHalfEvenTo(3.5, 0), 4);
    EXPECT_DOUBLE_EQ(roundHalfEvenTo(7.46, 1), 7.5);
    EXPECT_DOUBLE_EQ(roundHalfEvenTo(-0.25, 1), -0.2);
    EXPECT_DOUBLE_EQ(roundHalfEvenTo(9.96, 1), 10.0);
    EXPECT_EQ(readoutText(12.5, {"", 2, " V"}), "12.5 V");
    EXPECT_EQ(readoutText(7.46, {"", 1, " m/s"}), "7.5 m/s");
    EXPECT_EQ(readoutText(2.5, {"", 0, " W"}), "2 W");
    EXPECT_EQ(readoutText(12.345, {"#0.00 V", 0, ""}), "12.35 V");
}

TEST(GraphInteraction, MaxMinToggleAlternatesFromMinimum)
{
    MaxMinToggleState t;
    const ExtremeFormat volts{"#0.00", " V", " Min = 0 V"};
    EXPECT_EQ(maxMinLabelText(t, 14.2, 11.9, volts), "MIN 11.90 V");
    EXPECT_EQ(maxMinLabelText(t, 14.2, 11.9, volts), "MAX 14.20 V");
    EXPECT_EQ(maxMinLabelText(t, 14.2, 0, volts), " Min = 0 V");
    const ExtremeFormat plain{"", " A", ""};
    EXPECT_EQ(maxMinLabelText(t, 3.25, 0, plain), "MAX 3.25 A");
    EXPECT_EQ(maxMinLabelText(t, 3.25, 0, plain), "MIN 0 A");
}

TEST(GraphInteraction, ZoomKeepsPositionsInsideTheRecords)
{
    GraphRecordSet set = constantSet(1000, 12, 1, 10);
    ZoomState z;
    EXPECT_TRUE(zoomPress(set, z, 100.4));
    EXPECT_EQ(z.MouseHeld, 1);
    EXPECT_EQ(set.FirstShown, 100.4);
    EXPECT_TRUE(zoomMarker(set, z));
    EXPECT_TRUE(zoomRelease(set, z, 250.7));
    EXPECT_EQ(z.MouseHeld, 0);
    EXPECT_EQ(set.LastShown, 250.7);
    EXPECT_EQ(set.ZoomBusy, 1);
    EXPECT_FALSE(zoomPress(set, z, 10)); // busy: only MouseHeld
    EXPECT_EQ(set.FirstShown, 100.4);
    EXPECT_FALSE(zoomMarker(set, z));
    zoomDone(set);

    // Release left of the press, at it, or one record on: nothing, and the
    // range is what it was before the press.
    set.FirstShown = 1;
    set.LastShown = 1000;
    for (double release : {299.0, 300.0, 301.2}) {
        zoomPress(set, z, 300);
        EXPECT_EQ(set.FirstShown, 300);
        EXPECT_FALSE(zoomRelease(set, z, release)) << release;
        EXPECT_EQ(set.FirstShown, 1) << release;
        EXPECT_EQ(set.LastShown, 1000) << release;
    }
    // Release far beyond the records is taken at the last one.
    zoomPress(set, z, 300);
    EXPECT_TRUE(zoomRelease(set, z, 50000));
    EXPECT_EQ(set.LastShown, 1000);
    zoomDone(set);
    // A press at the left edge, or left of the picture, starts at record 1
    // (the limits keep the record they fall on).
    zoomPress(set, z, 0.3);
    EXPECT_EQ(set.FirstShown, 1);
    zoomPress(set, z, -20);
    EXPECT_EQ(set.FirstShown, 1);
    EXPECT_FALSE(zoomRelease(set, z, 1.2));
    EXPECT_EQ(set.FirstShown, 300); // back to before the first of the presses

    GraphRecordSet one = constantSet(1, 12, 1, 10);
    EXPECT_FALSE(zoomPress(one, z, 0.5));
    EXPECT_EQ(z.MouseHeld, 1);
    EXPECT_FALSE(zoomRelease(one, z, 5));
}

TEST(GraphOutputs, CsvBytesAndName)
{
    std::string text = crlf({"<T>13:05</T><L>10</L><V1>24.1</V1><A1>3.5</A1>",
                             "<T>13:06</T><L>10</L><V1>24.1</V1><A1>0</A1>"});
    GraphRecordSet set;
    readRecords(text, wholeDay(), testLayout(), set);
    const std::vector<CsvColumn> cols = {{0, "##.00"}, {1, "###.00"}, {2, "####.00"}, {1, "####"},
                                         {CsvColumn::IntervalColumn, "#00"}};
    EXPECT_EQ(csvContent(set, {"TIME", "VOLTS", "AMPS", "WATTS", "X", "L"}, cols),
              crlf({"TIME,VOLTS,AMPS,WATTS,X,L", "13:05,24.10,3.50,84.35,4,10", "13:06,24.10,.00,.00,,10"}));

    EXPECT_EQ(csvFileName("GV_2026_12_08.txt", "00", "00", "23", "59"), "GV_2026_12_08_0000_2359.csv");
    EXPECT_EQ(csvFileName("GV_2026_12_08.txt", "6", "30", "18", "0"), "GV_2026_12_08_630_180.csv");
    EXPECT_FALSE(csvFileName("FileName", "00", "00", "23", "59"));
    EXPECT_FALSE(csvFileName("GV_2026_12_08.txt", "ab", "00", "23", "59"));
    EXPECT_FALSE(csvFileName("GV_2026_12_08.txt", "00", "00", "23", "/."));
}

TEST(GraphOutputs, CsvExportWritesOnlyCompleteFiles)
{
    TempDir dir;
    GraphRecordSet set;
    readRecords(crlf({rec("13:05", 24.1, 3.5), rec("13:06", 24.2, 3.6)}), wholeDay(), testLayout(), set);
    CsvRequest rq{dir.path(), "GV_2026_12_08.txt", "00", "00", "23", "59", {"TIME", "VOLTS"}, {{0, "##.00"}}};
    std::string path;
    ASSERT_EQ(exportCsv(set, rq, &path), CsvStatus::Done);
    EXPECT_EQ(path, dir.file("GV_2026_12_08_0000_2359.csv"));
    EXPECT_EQ(readFile(path), crlf({"TIME,VOLTS", "13:05,24.10", "13:06,24.20"}));
    EXPECT_EQ(readFile(dir.file("GV_2026_12_08.txt")), "\r\n");
    ASSERT_EQ(exportCsv(set, rq), CsvStatus::Done);
    EXPECT_EQ(readFile(dir.file("GV_2026_12_08.txt")), "\r\n\r\n");

    // No records: nothing is written, the earlier export stays whole.
    GraphRecordSet empty;
    EXPECT_EQ(exportCsv(empty, rq), CsvStatus::NoRecords);
    EXPECT_EQ(readFile(path), crlf({"TIME,VOLTS", "13:05,24.10", "13:06,24.20"}));
    EXPECT_EQ(readFile(dir.file("GV_2026_12_08.txt")), "\r\n\r\n");
    // Bad boxes: nothing written.
    CsvRequest bad = rq;
    bad.m2 = "99";
    EXPECT_EQ(exportCsv(set, bad), CsvStatus::BadName);
    // A folder that does not exist: reported, not "Done".
    CsvRequest missing = rq;
    missing.excelFolder = dir.file("nowhere");
    std::string err;
    EXPECT_EQ(exportCsv(set, missing, nullptr, &err), CsvStatus::WriteFailed);
    EXPECT_FALSE(err.empty());
    EXPECT_FALSE(fileExists(dir.file("nowhere/GV_2026_12_08.txt")));
}

TEST(GraphOutputs, CollationFileGolden)
{
    TempDir dir;
    CollateRequest rq{dir.path(), "GVWattHours.txt", "daily watthours for these dates", "GV_2026_12_07.txt",
                      true, 740.4};
    EXPECT_EQ(appendDailyWattHours(rq), CollateStatus::Appended);
    rq.dayFileName = "GV_2026_12_08.txt";
    rq.dayWattHours = 12345.6;
    EXPECT_EQ(appendDailyWattHours(rq), CollateStatus::Appended);
    rq.dayFileName = "gv_2026_12_08.TXT";
    EXPECT_EQ(appendDailyWattHours(rq), CollateStatus::AlreadyListed);
    rq.dayFileName = "GV_2026_12_09.txt";
    rq.dayOnDisplay = false;
    EXPECT_EQ(appendDailyWattHours(rq), CollateStatus::NotOnDisplay);
    EXPECT_EQ(readFile(dir.file("GVWattHours.txt")),
              crlf({"daily watthours for these dates", "", "GV_2026_12_07.txt  ,  00740",
                    "GV_2026_12_08.txt  ,  12346"}));

    // A first run without a day on display writes only the title.
    CollateRequest first{dir.path(), "WDWattHours.txt", "daily windmill DEMO watthours for these dates",
                         "WD_2026_12_08.txt", false, 0};
    EXPECT_EQ(appendDailyWattHours(first), CollateStatus::NotOnDisplay);
    EXPECT_EQ(readFile(dir.file("WDWattHours.txt")), crlf({"daily windmill DEMO watthours for these dates", ""}));

    CollateRequest nowhere = rq;
    nowhere.logsFolder = dir.file("nowhere");
    nowhere.dayOnDisplay = true;
    EXPECT_EQ(appendDailyWattHours(nowhere), CollateStatus::WriteFailed);
}

TEST(GraphOutputs, DayOnDisplayNeedsTheSameFilePlotted)
{
    GraphRecordSet set = constantSet(10, 12, 1, 10);
    set.SourceFile = "GV_2026_12_08.txt";
    PlotModel model;
    RecordingSurface surface;
    EXPECT_FALSE(dayOnDisplay(set, model, "GV_2026_12_08.txt"));
    plotByTime(set, threeSeriesLayout(), 1, model, surface);
    EXPECT_TRUE(dayOnDisplay(set, model, "GV_2026_12_08.txt"));
    EXPECT_TRUE(dayOnDisplay(set, model, "gv_2026_12_08.txt"));
    EXPECT_FALSE(dayOnDisplay(set, model, "GV_2026_12_09.txt"));
}
