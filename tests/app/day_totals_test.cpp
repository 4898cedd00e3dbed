// The daily watt-hour summary across midnight and the day restore at start-up.
#include "app/Calculation.h"
#include "app/DayRestore.h"
#include "app/Logging.h"
#include "app/WattHourSummary.h"
#include "shared/FileIO.h"
#include "shared/TaggedText.h"
#include "logging_rig.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

using namespace gv;
using gvtest::crlf;
using gvtest::defaultNames;
using gvtest::readFile;
using gvtest::Rig;

namespace {

int lines(const std::string& s)
{
    int n = 0;
    for (size_t p = s.find("\r\n"); p != std::string::npos; p = s.find("\r\n", p + 2))
        ++n;
    return n;
}

} // namespace

TEST(DaySummary, OneLinePerDateChangeWhicheverTimerSeesItFirst)
{
    // Messages every second, logging ticks every 5 s, the 5 s timer firing
    // in between: around midnight both see the new date several times.
    Rig r(1, 5);
    LocalTime t{2010, 7, 4, 23, 59, 0};
    r.engine.restoreDay(t);
    // Another engine on the same folder, started before midnight too.
    Global_Declarations g2;
    g2.SystemType = 1;
    EngineStatus status2;
    LoggingEngine second(g2, status2, r.dir.path());
    second.restoreDay(t);
    for (int s = 0; s < 120; ++s) {
        r.message(12, 10);
        if (s % 5 == 0)
            r.engine.tick(TickInput{t, true, "5"});
        if (s % 5 == 2 || s % 5 == 4)
            r.engine.summaryTimer(t);
        t = addSeconds(t, 1);
    }
    // Twelve ticks before midnight, each 120 W for 5 s.
    EXPECT_EQ(r.whours(),
              "2010_07_05,00:00, Wh1, 2.0, Wh2, .0 ,Wh3, .0 ,Wh4, .0 ,Wh5, .0 ,Wh6, .0 ,Wh7, .0 ,Wh8, .0 Wh\r\n");
    // Twelve ticks after midnight count into the new day.
    EXPECT_NEAR(r.g.WattHours[1], 2.0, 1e-9);
    EXPECT_FALSE(r.status.errorLamp);

    // The other engine finds the date's line in the file and writes none
    // of its own.
    EXPECT_FALSE(second.summaryTimer(LocalTime{2010, 7, 5, 0, 0, 5}));
    EXPECT_EQ(lines(r.whours()), 1);
}

TEST(DaySummary, TimerAloneWritesOnceAndLongTicksAloneWriteOnce)
{
    Rig a(1);
    a.engine.restoreDay(LocalTime{2010, 7, 4, 23, 0, 0});
    a.g.WattHours[3] = 7.25;
    EXPECT_FALSE(a.engine.summaryTimer(LocalTime{2010, 7, 4, 23, 59, 58}));
    EXPECT_TRUE(a.engine.summaryTimer(LocalTime{2010, 7, 5, 0, 0, 3}));
    EXPECT_FALSE(a.engine.summaryTimer(LocalTime{2010, 7, 5, 0, 0, 8}));
    EXPECT_EQ(a.g.WattHours[3], 0);
    EXPECT_EQ(a.whours(),
              "2010_07_05,00:00, Wh1, .0, Wh2, .0 ,Wh3, 7.3 ,Wh4, .0 ,Wh5, .0 ,Wh6, .0 ,Wh7, .0 ,Wh8, .0 Wh\r\n");

    // Ten-minute ticks and no 5 s timer: the first tick of the day writes.
    Rig b(0, 600);
    b.engine.restoreDay(LocalTime{2010, 7, 4, 23, 50, 0});
    b.g.WattHours[1] = 3.5;
    b.g.goodDATAcount = 1;
    b.g.AccumulatedValue[9] = 12;
    b.g.AccumulatedWatts[1] = 60;
    const TickResult res = b.engine.tick(TickInput{LocalTime{2010, 7, 5, 0, 7, 12}, true, "600"});
    EXPECT_TRUE(res.daySummaryWritten);
    EXPECT_EQ(b.whours(),
              "2010_07_05,00:07, Wh1, 3.5, Wh2, .0 ,Wh3, .0 ,Wh4, .0 ,Wh5, .0 ,Wh6, .0 ,Wh7, .0 ,Wh8, .0 Wh\r\n");
    // The record of that tick, in the new day's file, starts from zero.
    EXPECT_NE(readFile(b.dir.file("logs/WD_2010_07_05.txt")).find("  0.000Wh\r\n"), std::string::npos);
    EXPECT_DOUBLE_EQ(b.g.WattHours[1], 10.0);
}

TEST(DaySummary, SeveralDaysAndASleepOverMidnight)
{
    Rig r(1, 60);
    LocalTime t{2010, 7, 4, 12, 0, 0};
    for (int i = 0; i < 3 * 24 * 60; ++i) {  // three days of minute ticks
        r.g.goodDATAcount = 1;
        r.g.AccumulatedWatts[2] = 60;
        r.engine.tick(TickInput{t, true, "60"});
        r.engine.summaryTimer(addSeconds(t, 5));
        t = addSeconds(t, 60);
    }
    const std::string w = r.whours();
    EXPECT_EQ(lines(w), 3) << w;
    EXPECT_NE(w.find("2010_07_05,00:00, Wh1, .0, Wh2, 720.0 ,"), std::string::npos);
    EXPECT_NE(w.find("2010_07_06,00:00, Wh1, .0, Wh2, 1440.0 ,"), std::string::npos);
    EXPECT_NE(w.find("2010_07_07,00:00, Wh1, .0, Wh2, 1440.0 ,"), std::string::npos);
    // The machine slept from before midnight to the morning.
    r.engine.summaryTimer(LocalTime{2010, 7, 8, 7, 15, 0});
    EXPECT_EQ(lines(r.whours()), 4);
    EXPECT_NE(r.whours().find("2010_07_08,07:15, Wh1, .0, Wh2, 720.0 ,"), std::string::npos);
}

TEST(DaySummary, IntervalSumsAreKeptAcrossMidnight)
{
    Rig r(1);
    r.engine.restoreDay(LocalTime{2010, 7, 4, 23, 59, 55});
    r.g.AccumulatedValue[1] = 30;  // three messages of 10 A
    r.g.AccumulatedValue[9] = 36;
    r.g.goodDATAcount = 3;
    r.engine.summaryTimer(LocalTime{2010, 7, 5, 0, 0, 1});
    r.g.AccumulatedValue[1] += 10;
    r.g.AccumulatedValue[9] += 12;
    r.g.goodDATAcount += 1;
    r.engine.tick(TickInput{LocalTime{2010, 7, 5, 0, 0, 5}, true, "10"});
    EXPECT_DOUBLE_EQ(r.g.LoggedValue[1], 10.0);
    EXPECT_DOUBLE_EQ(r.g.LoggedValue[9], 12.0);
}

TEST(DaySummary, ClockSetBackAcrossMidnightWaitsForTheDateToPassAgain)
{
    Rig r(1, 10);
    r.engine.restoreDay(LocalTime{2026, 7, 4, 22, 0, 0});
    r.g.WattHours[1] = 100;
    EXPECT_TRUE(r.engine.summaryTimer(LocalTime{2026, 7, 5, 0, 0, 5}));
    r.g.WattHours[1] = 0.5;  // the first half minute of 5 July
    // The clock is set back to 23:00 on 4 July: no line, and the energy
    // measured from then on stays in the running totals.
    EXPECT_FALSE(r.engine.summaryTimer(LocalTime{2026, 7, 4, 23, 0, 0}));
    r.g.goodDATAcount = 1;
    r.g.AccumulatedWatts[1] = 360;
    EXPECT_FALSE(r.engine.tick(TickInput{LocalTime{2026, 7, 4, 23, 0, 10}, true, "10"}).daySummaryWritten);
    EXPECT_FALSE(r.engine.summaryTimer(LocalTime{2026, 7, 5, 0, 0, 5}));
    EXPECT_DOUBLE_EQ(r.g.WattHours[1], 1.5);
    // 5 July gets one line, with all of its energy, when 6 July begins.
    EXPECT_TRUE(r.engine.summaryTimer(LocalTime{2026, 7, 6, 0, 0, 5}));
    // A clock that jumps forward still closes the day once.
    r.g.WattHours[1] = 7;
    EXPECT_TRUE(r.engine.summaryTimer(LocalTime{2026, 7, 9, 12, 0, 0}));
    EXPECT_FALSE(r.engine.summaryTimer(LocalTime{2026, 7, 9, 12, 0, 5}));
    EXPECT_EQ(r.whours(),
              "2026_07_05,00:00, Wh1, 100.0, Wh2, .0 ,Wh3, .0 ,Wh4, .0 ,Wh5, .0 ,Wh6, .0 ,Wh7, .0 ,Wh8, .0 Wh\r\n"
              "2026_07_06,00:00, Wh1, 1.5, Wh2, .0 ,Wh3, .0 ,Wh4, .0 ,Wh5, .0 ,Wh6, .0 ,Wh7, .0 ,Wh8, .0 Wh\r\n"
              "2026_07_09,12:00, Wh1, 7.0, Wh2, .0 ,Wh3, .0 ,Wh4, .0 ,Wh5, .0 ,Wh6, .0 ,Wh7, .0 ,Wh8, .0 Wh\r\n");
}

TEST(DaySummary, FailedSummaryWriteIsReportedAndTheDayStillTurns)
{
    Rig r(1);
    std::filesystem::remove_all(r.dir.file("logs"));
    r.engine.restoreDay(LocalTime{2010, 7, 4, 22, 0, 0});
    r.g.WattHours[1] = 12;
    EXPECT_TRUE(r.engine.summaryTimer(LocalTime{2010, 7, 5, 0, 0, 5}));
    EXPECT_TRUE(r.status.errorLamp);
    ASSERT_EQ(r.status.errors.size(), 1u);
    EXPECT_NE(r.status.errors[0].find("Wh1, 12.0"), std::string::npos);
    EXPECT_EQ(r.g.WattHours[1], 0);
}

TEST(DaySummary, FirstObservationOnlyTakesTheDay)
{
    Rig r(1);
    r.g.WattHours[1] = 5;
    EXPECT_FALSE(r.engine.summaryTimer(LocalTime{2010, 7, 5, 0, 0, 5}));
    EXPECT_EQ(r.g.WattHours[1], 5);
    EXPECT_FALSE(fileExists(r.dir.file("logs/Whours.txt")));

    // A date that has a line anywhere in Whours.txt gets no second one,
    // whatever stands after it; its energy carries on to the next date.
    for (const std::string last : {"2010_07_06,00:00, Wh1, 1.0\r\n\r\n", "2010_07_06 end",
                                   "2010_07_06,00:00, Wh1, 2.0\r\n.0 ,Wh8, .0 Wh\r\n"}) {
        Rig s(1);
        s.writeLog("Whours.txt", "2010_07_03,00:00, Wh1, 2.0\r\n" + last);
        EXPECT_FALSE(s.engine.summaryTimer(LocalTime{2010, 7, 5, 23, 59, 0}));
        s.g.WattHours[1] = 4;
        EXPECT_FALSE(s.engine.summaryTimer(LocalTime{2010, 7, 6, 0, 0, 5}));
        EXPECT_EQ(s.g.WattHours[1], 4);
        EXPECT_TRUE(s.engine.summaryTimer(LocalTime{2010, 7, 7, 0, 0, 5}));
        EXPECT_NE(s.whours().find("2010_07_07,00:00, Wh1, 4.0, Wh2"), std::string::npos);
    }
}

TEST(DaySummary, EveryDayTotalTheWriterWritesIsReadBack)
{
    // A Current Cost day at readings just under the reading bound passes
    // 1e9 Wh.  The clock is then set back into that day: the restart takes
    // the closed day's line off again, or the next line counts it twice.
    Rig r(3, 600);
    std::string records;
    for (int i = 0; i < 8; ++i)
        records += "<T>1" + std::to_string(i) + ":00</T><L>600</L><W1>999999999</W1>\r\n";
    r.writeLog("CC_2010_07_04.txt", records);
    r.engine.restoreDay(LocalTime{2010, 7, 4, 18, 0, 0});
    ASSERT_GT(r.g.WattHours[2], 1e9);
    ASSERT_TRUE(r.engine.summaryTimer(LocalTime{2010, 7, 5, 0, 0, 5}));
    ASSERT_NE(r.whours().find("Wh2, 1333333332.0 ,Wh3"), std::string::npos) << r.whours();
    Global_Declarations again;
    defaultNames(again);
    again.SystemType = 3;
    again.LogDelay = 600;
    EngineStatus status;
    LoggingEngine relived(again, status, r.dir.path());
    relived.restoreDay(LocalTime{2010, 7, 4, 23, 30, 0});
    EXPECT_NEAR(again.WattHours[2], 0, 0.05);

    // A 25-hour day at the autumn clock change, or energy carried past a
    // re-lived midnight, passes a whole day at the largest reading: every
    // total reads back as written, byte for byte.  What is not a number,
    // not finite or negative adds nothing.
    const LocalTime date{2010, 7, 9, 0, 0, 0};
    std::array<double, 11> day{};
    day[1] = 25 * MaxAcceptedMagnitude;
    day[2] = 48 * MaxAcceptedMagnitude;
    day[3] = 123456789012.34;
    day[4] = 1e20;
    day[5] = 0.05;
    day[6] = 7;
    day[7] = 24 * MaxAcceptedMagnitude + 0.25;
    const std::string line = whoursLine(day, date);
    EXPECT_EQ(line, "2010_07_09,00:00, Wh1, 25000000000.0, Wh2, 48000000000.0 ,Wh3, 123456789012.3 ,Wh4, "
                    "100000000000000000000.0 ,Wh5, .1 ,Wh6, 7.0 ,Wh7, 24000000000.3 ,Wh8, .0 Wh\r\n");
    r.writeLog("Whours.txt",
               line + "2010_07_09,00:00, Wh1, -5, Wh2, nan ,Wh3, inf ,Wh4, 1e400 ,Wh5, abc ,Wh8, -.1 Wh\r\n");
    const auto read = summaryOfDate(r.dir.file("logs"), date);
    ASSERT_TRUE(read);
    EXPECT_EQ(whoursLine(*read, date), line);
}

// ---- Day restore -------------------------------------------------------

namespace {

// Restores the day files of a rig's logs folder, on 4 July 2010 unless told.
DayRestoreResult restore(Rig& r, const LocalTime& today = {2010, 7, 4, 11, 0, 0})
{
    return restoreDayTotals(r.g, r.dir.file("logs"), today);
}

// Writes a morning of records through the logging tick, then restores them
// into a fresh state with the same settings.
void roundTrip(int systemType, const std::function<void(Global_Declarations&, int)>& message)
{
    Rig r(systemType, 60);
    LocalTime t{2010, 7, 4, 6, 0, 0};
    r.engine.restoreDay(t);
    for (int i = 0; i < 90; ++i) {
        message(r.g, i);
        r.engine.tick(TickInput{t, true, "60"});
        t = addSeconds(t, 60);
    }
    ASSERT_FALSE(r.status.errorLamp);

    Global_Declarations fresh;
    seedHighsAndLows(fresh);
    defaultNames(fresh);
    fresh.SystemType = r.g.SystemType;
    fresh.LogDelay = 60;
    EngineStatus status;
    LoggingEngine engine(fresh, status, r.dir.path());
    const DayRestoreResult res = engine.restoreDay(t);
    EXPECT_TRUE(res.restored);
    EXPECT_EQ(res.records, 90);
    EXPECT_FALSE(res.defaultIntervalUsed);
    for (int k = 1; k <= 8; ++k)
        EXPECT_NEAR(fresh.WattHours[k], r.g.WattHours[k], 1e-9) << "power " << k;
    for (int s = 16; s <= 23; ++s)
        EXPECT_DOUBLE_EQ(fresh.MaxMin[s], r.g.MaxMin[s]) << "slot " << s;
}

} // namespace

TEST(DayRestore, RoundTripOfWindmillRecords)
{
    roundTrip(1, [](Global_Declarations& g, int i) {
        const double volts = 12.5, amps = (i % 7) * 1.5, amps2 = (i % 3) * 0.5;
        g.AccumulatedValue[9] += volts;
        g.AccumulatedValue[1] += amps;
        g.AccumulatedValue[2] += amps2;
        g.AccumulatedWatts[1] += volts * amps;
        g.AccumulatedWatts[2] += volts * amps2;
        g.goodDATAcount += 1;
        for (int k = 1; k <= 2; ++k)
            if (g.AccumulatedWatts[k] > g.MaxMin[15 + k])
                g.MaxMin[15 + k] = g.AccumulatedWatts[k];
    });
}

TEST(DayRestore, RoundTripOfHouseRecordsRestoresTheLoggedPowers)
{
    for (int type : {5, 6, 7, 8}) {
        SCOPED_TRACE(type);
        roundTrip(type, [](Global_Declarations& g, int i) {
            g.AccumulatedValue[9] += 24;
            for (int k = 1; k <= 8; ++k) {
                const double w = (i * k) % 11 * 25.0;
                g.AccumulatedWatts[k] += w;
                if (w > g.MaxMin[15 + k])
                    g.MaxMin[15 + k] = w;
            }
            g.goodDATAcount += 1;
        });
    }
}

TEST(DayRestore, RoundTripOfCurrentCostRecords)
{
    roundTrip(4, [](Global_Declarations& g, int i) {
        for (int k : {2, 3, 4, 6, 7, 8}) {
            const double w = (i + k) % 5 * 300.0;
            g.AccumulatedWatts[k] += w;
            if (w > g.MaxMin[15 + k])
                g.MaxMin[15 + k] = w;
        }
        g.goodDATAcount += 1;
    });
}

TEST(DayRestore, SingleWindmillRestoresWattHoursAndHighs)
{
    roundTrip(0, [](Global_Declarations& g, int i) {
        g.AccumulatedValue[9] += 12.25;
        g.AccumulatedValue[1] += i % 4;
        g.AccumulatedWatts[1] += 12.25 * (i % 4);
        g.MaxMin[16] = std::max(g.MaxMin[16], 12.25 * (i % 4));
        g.goodDATAcount += 1;
    });

    // The day's amps and power highs come back from the records; the volts,
    // RPM and wind speed highs start again with the next message.
    Rig r(0, 600);
    seedHighsAndLows(r.g);
    r.writeLog("WD_2010_07_04.txt", crlf({"<T>10:00</T><L>600</L><V>14.00</V><I>16.6</I><R>320</R><S>9</S>  0.000Wh",
                                          "<T>10:10</T><L>600</L><V>13.10</V><I>2.6</I><R>90</R><S>3</S>  387.333Wh"}));
    restore(r);
    const Global_Declarations& g = r.g;
    EXPECT_DOUBLE_EQ(g.MaxMin[0], 16.6);
    EXPECT_DOUBLE_EQ(g.MaxMin[16], 14.0 * 16.6);
    EXPECT_NEAR(g.WattHours[1], (14.0 * 16.6 + 13.1 * 2.6) * 600 / 3600, 1e-9);
    for (int slot : {8, 12, 11})
        EXPECT_EQ(g.MaxMin[slot], 0) << slot;
    EXPECT_EQ(g.MaxMin[24], 1000);
}

TEST(DayRestore, WindmillExampleWithHighs)
{
    Rig r(1, 600);
    seedHighsAndLows(r.g);
    r.writeLog("GV_2010_07_04.txt", crlf({"<T>10:00</T><L>600</L><V1>13.00</V1><A1>10.0</A1>",
                                          "<T>10:10</T><L>600</L><V1>13.00</V1><A1>10.0</A1>"}));
    const DayRestoreResult res = restore(r);
    const Global_Declarations& g = r.g;
    EXPECT_EQ(res.records, 2);
    EXPECT_NEAR(g.WattHours[1], 2 * 600 * 130 / 3600.0, 1e-9);
    EXPECT_DOUBLE_EQ(g.MaxMin[0], 10.0);
    EXPECT_DOUBLE_EQ(g.MaxMin[16], 130.0);
    EXPECT_DOUBLE_EQ(g.ChannelValue[9], 13.0);
    EXPECT_DOUBLE_EQ(g.ChannelPower[1], 130.0);
    EXPECT_EQ(g.MaxMin[24], 1000);  // minima untouched
}

TEST(DayRestore, CurrentCostSlots)
{
    Rig r(3, 60);
    r.writeLog("CC_2010_07_04.txt", crlf({"<T>10:00</T><L>60</L><W1>500</W1><W4>200</W4>"}));
    restore(r);
    const Global_Declarations& g = r.g;
    EXPECT_NEAR(g.WattHours[2], 500 * 60 / 3600.0, 1e-9);
    EXPECT_NEAR(g.WattHours[6], 200 * 60 / 3600.0, 1e-9);
    EXPECT_EQ(g.MaxMin[17], 500);
    EXPECT_EQ(g.MaxMin[21], 200);
    EXPECT_EQ(g.WattHours[1] + g.WattHours[3] + g.WattHours[5], 0);
}

TEST(DayRestore, RecordsOfIntervalsWithoutAMessageRaiseNoHigh)
{
    // Just after midnight the first records repeat the last values of the
    // day before with <L>0</L> (the device was quiet); only the records
    // measured today may become today's highs.
    Rig wd(0, 10);
    seedHighsAndLows(wd.g);
    std::string day;
    for (int i = 0; i < 19; ++i)
        day += "<T>00:0" + std::to_string(i / 6) + "</T><L>0</L><V>50.00</V><I>99.9</I><R>900</R><S>20</S>  0.000Wh\r\n";
    wd.writeLog("WD_2010_07_04.txt", day + "<T>00:04</T><L>10</L><V>13.00</V><I>5.0</I><R>90</R><S>3</S>  0.000Wh\r\n");
    restore(wd);
    EXPECT_DOUBLE_EQ(wd.g.MaxMin[0], 5.0);
    EXPECT_DOUBLE_EQ(wd.g.MaxMin[16], 65.0);
    EXPECT_NEAR(wd.g.WattHours[1], 65.0 * 10 / 3600, 1e-9);

    Rig cc(4, 10);
    seedHighsAndLows(cc.g);
    cc.writeLog("CC_2010_07_04.txt",
                crlf({"<T>00:00</T><L>0</L><W1>700</W1><W2>0</W2><W3>0</W3><W4>3000</W4><W5>200</W5><W6>0</W6>"
                      "<C1>21.5</C1><C2>21.5</C2>",
                      "<T>00:00</T><L>0</L><W1>700</W1><W2>0</W2><W3>0</W3><W4>3000</W4><W5>200</W5><W6>0</W6>"
                      "<C1>21.5</C1><C2>21.5</C2>",
                      "<T>00:00</T><L>10</L><W1>300</W1><W2>0</W2><W3>0</W3><W4>2000</W4><W5>100</W5><W6>0</W6>"
                      "<C1>21.5</C1><C2>21.5</C2>"}));
    restore(cc);
    EXPECT_EQ(cc.g.MaxMin[17], 300);
    EXPECT_EQ(cc.g.MaxMin[21], 2000);
    EXPECT_EQ(cc.g.MaxMin[22], 100);
    EXPECT_NEAR(cc.g.WattHours[6], 2000.0 * 10 / 3600, 1e-9);
}

TEST(DayRestore, MissingIntervalCountsTenSecondsAndAsksForOneNotice)
{
    Rig r(5, 60);
    // The last piece has no line end and is not a record.
    r.writeLog("RE_2010_07_04.txt",
               "<T>10:00</T><V1>24.00</V1><W1>360</W1>\r\n<T>10:01</T><W1>720</W1>\r\n<T>10:02</T><L>60</L><W1>9999");
    const DayRestoreResult res = restore(r);
    const Global_Declarations& g = r.g;
    EXPECT_TRUE(res.defaultIntervalUsed);
    EXPECT_EQ(res.records, 2);
    EXPECT_NEAR(g.WattHours[1], (360 + 720) * 10 / 3600.0, 1e-9);
    EXPECT_EQ(g.MaxMin[16], 720);
    EXPECT_STREQ(DefaultIntervalNotice, "10 second logging interval was used to\r\ncalculate Whours");
}

TEST(DayRestore, ItemMissingReusesThePreviousPowerAndJunkCountsZero)
{
    Rig r(6, 36);
    r.writeLog("RE_2010_07_04.txt", crlf({"<T>10:00</T><L>36</L><W2>100</W2>", "<T>10:01</T><L>36</L>",
                                          "<T>10:02</T><L>36</L><W2>abc</W2><W3></W2>"}));
    restore(r);
    const Global_Declarations& g = r.g;
    EXPECT_NEAR(g.WattHours[2], 2.0, 1e-9);
    EXPECT_EQ(g.MaxMin[17], 100);
}

TEST(DayRestore, AbsurdNumbersBookWhatAGarbledValueBooks)
{
    // Each damaged record stands between two good ones; the same file with
    // the absurd values replaced by a word must restore exactly the same.
    struct Case {
        int type;
        std::string good, damaged, garbled;
    };
    const Case cases[] = {
        {1, "<L>60</L><V1>12.00</V1><A1>4.0</A1>", "<L>60</L><V1>1e300</V1><A1>5</A1>",
         "<L>60</L><V1>x</V1><A1>5</A1>"},
        {1, "<L>60</L><V1>12.00</V1><A1>4.0</A1>", "<L>60</L><V1>1e200</V1><A1>1e200</A1>",
         "<L>60</L><V1>x</V1><A1>x</A1>"},
        {1, "<L>60</L><V1>12.00</V1><A1>4.0</A1>", "<L>1e300</L><V1>12.00</V1><A1>4.0</A1>",
         "<L>x</L><V1>12.00</V1><A1>4.0</A1>"},
        {0, "<L>60</L><V>12.00</V><I>4.0</I>", "<L>60</L><V>-2e9</V><I>1e308</I>", "<L>60</L><V>x</V><I>x</I>"},
        {3, "<L>60</L><W1>500</W1><W4>20</W4>", "<L>60</L><W1>1e10</W1><W4>1e400</W4>",
         "<L>60</L><W1>x</W1><W4>x</W4>"},
        {5, "<L>60</L><V1>24.00</V1><W1>300</W1>", "<L>9e99</L><V1>24.00</V1><W1>5e9</W1>",
         "<L>x</L><V1>24.00</V1><W1>x</W1>"},
        // An interval the logger never writes (it logs 0 to 600 s).
        {5, "<L>60</L><V1>24.00</V1><W1>300</W1>", "<L>999999999</L><V1>24.00</V1><W1>140</W1>",
         "<L>x</L><V1>24.00</V1><W1>140</W1>"},
        {1, "<L>60</L><V1>12.00</V1><A1>4.0</A1>", "<L>-60</L><V1>12.00</V1><A1>4.0</A1>",
         "<L>x</L><V1>12.00</V1><A1>4.0</A1>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.damaged);
        auto restored = [&c](const std::string& middle) {
            Rig r(c.type, 60);
            seedHighsAndLows(r.g);
            const std::string name = restorePrefix(c.type) + "2010_07_04.txt";
            r.writeLog(name, crlf({"<T>10:00</T>" + c.good, "<T>10:01</T>" + middle, "<T>10:02</T>" + c.good}));
            EXPECT_EQ(restore(r).records, 3);
            return r.g;
        };
        const Global_Declarations damaged = restored(c.damaged);
        const Global_Declarations garbled = restored(c.garbled);
        EXPECT_EQ(damaged.WattHours, garbled.WattHours);
        EXPECT_EQ(damaged.MaxMin, garbled.MaxMin);
        EXPECT_EQ(damaged.ChannelValue, garbled.ChannelValue);
        EXPECT_EQ(damaged.ChannelPower, garbled.ChannelPower);
        // The summary line stays short, and measuring goes on after the restore.
        EXPECT_LT(whoursLine(damaged.WattHours, LocalTime{2010, 7, 5, 0, 0, 0}).size(), 100u);
        Global_Declarations next = damaged;
        EXPECT_TRUE(calculateChannels(next, false).done);
    }
}

TEST(DayRestore, DailyThenHourlyFilesInHourOrderNothingForOtherDays)
{
    Rig r(1, 5);
    r.writeLog("GV_2010_07_04.txt", crlf({"<T>08:00</T><L>10</L><V1>12.00</V1><A1>5.0</A1>"}));
    r.writeLog("GV_2010_07_04_10.txt", crlf({"<T>10:00</T><L>5</L><V1>12.00</V1><A1>3.0</A1>"}));
    r.writeLog("GV_2010_07_04_09.txt", crlf({"<T>09:00</T><L>5</L><V1>12.00</V1><A1>1.0</A1>",
                                             "<T>09:00</T><L>0</L><V1>12.00</V1><A1>1.0</A1>"}));
    const DayRestoreResult res = restore(r);
    const Global_Declarations& g = r.g;
    EXPECT_TRUE(res.restored);
    EXPECT_EQ(res.records, 4);
    ASSERT_EQ(res.files.size(), 3u);
    EXPECT_EQ(res.files[1], r.dir.file("logs/GV_2010_07_04_09.txt"));
    EXPECT_EQ(res.files[2], r.dir.file("logs/GV_2010_07_04_10.txt"));
    // The repeated record (<L>0</L>) adds nothing.
    EXPECT_NEAR(g.WattHours[1], (60 * 10 + 12 * 5 + 36 * 5) / 3600.0, 1e-9);
    EXPECT_DOUBLE_EQ(g.ChannelValue[1], 3.0);  // the last hour's record comes last
    EXPECT_DOUBLE_EQ(g.MaxMin[16], 60.0);

    Global_Declarations other;
    defaultNames(other);
    other.SystemType = 1;
    other.LogDelay = 10;
    EXPECT_FALSE(restoreDayTotals(other, r.dir.file("logs"), LocalTime{2010, 7, 5, 11, 0, 0}).restored);
    other.SystemType = 9;
    EXPECT_FALSE(restoreDayTotals(other, r.dir.file("logs"), LocalTime{2010, 7, 4, 11, 0, 0}).restored);
    EXPECT_EQ(other.WattHours[1], 0);
}

TEST(DayRestore, AnyLineEndEndsARecordAndBlankLinesAreNone)
{
    const std::string a = "<T>10:00</T><L>600</L><V1>13.00</V1><A1>10.0</A1>";
    const std::string b = "<T>10:10</T><L>600</L><V1>13.00</V1><A1>10.0</A1>";
    for (const std::string& text : {a + "\n" + b + "\n", a + "\r" + b + "\r", a + "\r\r\n" + b + "\n\n",
                                   a + "\n\r\n" + b + "\r\n" + "<T>10:20</T><L>600</L><A1>99"}) {
        Rig r(1, 600);
        r.writeLog("GV_2010_07_04.txt", text);
        const DayRestoreResult res = restore(r);
        EXPECT_EQ(res.records, 2);
        EXPECT_FALSE(res.defaultIntervalUsed);
        EXPECT_NEAR(r.g.WattHours[1], 2 * 600 * 130 / 3600.0, 1e-9);
    }
}

TEST(DayRestore, PrefixPerSystemType)
{
    EXPECT_EQ(restorePrefix(0), "WD_");
    EXPECT_EQ(restorePrefix(1), "GV_");
    EXPECT_EQ(restorePrefix(2), "GV_");
    EXPECT_EQ(restorePrefix(3), "CC_");
    EXPECT_EQ(restorePrefix(4), "CC_");
    for (int t = 5; t <= 8; ++t)
        EXPECT_EQ(restorePrefix(t), "RE_");
    EXPECT_EQ(restorePrefix(9), "");
}
