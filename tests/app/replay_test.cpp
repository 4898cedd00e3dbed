// End-to-end runs of the engine: device bytes in, log files out, with a
// simulated clock so a day boundary takes milliseconds.

#include <gtest/gtest.h>

#include <sstream>

#include "Replay.h"
#include "config/FirstRun.h"
#include "shared/ConfigFiles.h"
#include "support/current_cost_messages.h"
#include "support/test_paths.h"

using namespace gv;
using gvtest::readFile;
using gvtest::TempDir;

namespace {

// A program folder with the first-run files and the given settings.
void prepareFolder(const std::string& folder, int systemType, double logDelay, bool logOn)
{
    ASSERT_TRUE(createMissingFiles(folder).failed.empty());
    Global_Declarations g;
    loadConfiguration(g, folder);
    g.SystemType = static_cast<std::int16_t>(systemType);
    g.LogDelay = logDelay;
    g.LogOn = logOn ? 1 : 0;
    ASSERT_TRUE(writeHardwareCfg(g, folder));
}

int occurrences(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1))
        ++n;
    return n;
}

int countLines(const std::string& text) { return occurrences(text, "\r\n"); }

const LocalTime BeforeMidnight{2026, 7, 4, 23, 59, 0};

} // namespace

TEST(Replay, TwoWindmillsAcrossMidnightWithSplitAndJoinedReads)
{
    TempDir dir;
    prepareFolder(dir.path(), 1, 10, true);
    Replay r(dir.path(), BeforeMidnight);
    // 5.0 A, 13.2 V, 250 rpm, wind 3 after the default 0.1 calibration.
    const std::string msg = "<A1>50</A1><V1>132</V1><R1>2500</R1><WS>30</WS>]";
    std::istringstream script(
        // a message split inside the closing tag of channel 1
        "send <A1>50</A\n"
        "wait 1\n"
        "send 1><V1>132</V1><R1>2500</R1><WS>30</WS>]\n"
        "wait 1\n"
        // two messages in one read
        "send " + msg + msg + "\n"
        "wait 2\n"
        "repeat 58 2 " + msg + "\n");
    std::string error;
    ASSERT_TRUE(r.run(script, &error)) << error;
    EXPECT_EQ(r.messages(), 61);
    EXPECT_TRUE(r.status.errors.empty());

    const std::string rec = "<L>10</L><V1>13.20</V1><A1>5.0</A1><A2>0.0</A2><A3>0.0</A3><A4>0.0</A4>"
                            "<R2>0</R2><R1>250</R1><WS>3</WS>\r\n";
    std::string day1;
    for (int i = 0; i < 5; ++i)
        day1 += "<T>23:59</T>" + rec;
    EXPECT_EQ(readFile(dir.file("logs/GV_2026_07_04.txt")), day1);
    const std::string day2 = readFile(dir.file("logs/GV_2026_07_05.txt"));
    EXPECT_EQ(countLines(day2), 7) << day2;
    EXPECT_EQ(day2.substr(0, 12 + rec.size()), "<T>00:00</T>" + rec);

    // One summary line for the night, with the day's 5 intervals of 66 W.
    EXPECT_EQ(readFile(dir.file("logs/Whours.txt")),
              "2026_07_05,00:00, Wh1, .9, Wh2, .0 ,Wh3, .0 ,Wh4, .0 ,Wh5, .0 ,Wh6, .0 ,Wh7, .0 ,Wh8, .0 Wh\r\n");
    // After midnight the totals started again: 7 intervals of 66 W.
    EXPECT_NEAR(r.g.WattHours[1], 7 * 66.0 * 10 / 3600, 1e-9);
    EXPECT_DOUBLE_EQ(r.g.MaxMin[16], 66.0);
}

TEST(Replay, RestartRebuildsTheDayFromItsLog)
{
    TempDir dir;
    prepareFolder(dir.path(), 1, 10, true);
    const LocalTime noon{2026, 7, 5, 12, 0, 0};
    {
        Replay r(dir.path(), noon);
        std::istringstream script("repeat 300 2 <A1>80</A1><V1>130</V1>]\n");
        ASSERT_TRUE(r.run(script));
    }
    Replay again(dir.path(), LocalTime{2026, 7, 5, 12, 30, 0});
    EXPECT_NEAR(again.g.WattHours[1], 60 * 104.0 * 10 / 3600, 1e-6);
    EXPECT_DOUBLE_EQ(again.g.MaxMin[0], 8.0);
    EXPECT_DOUBLE_EQ(again.g.MaxMin[16], 104.0);
}

TEST(Replay, RestartAfterAnOutageRestoresWhatWasMeasured)
{
    // A minute of 66 W across the hour, ten silent minutes (the ticks repeat
    // the last record), then a restart: the day's totals are those measured.
    for (double delay : {10.0, 2.0}) {
        SCOPED_TRACE(delay);
        TempDir dir;
        prepareFolder(dir.path(), 1, delay, true);
        LocalTime stopped;
        double measured = 0;
        {
            Replay r(dir.path(), LocalTime{2026, 7, 5, 11, 59, 30});
            std::istringstream script("repeat 60 1 <A1>50</A1><V1>132</V1>]\nwait 600\n");
            ASSERT_TRUE(r.run(script));
            EXPECT_EQ(r.g.LoggingOn, 1);
            EXPECT_EQ(r.ticks(), static_cast<long long>(660 / delay));
            measured = r.g.WattHours[1];
            stopped = r.now();
        }
        EXPECT_NEAR(measured, 66.0 * 60 / 3600, 1e-9);
        const std::string last = delay > 5 ? "logs/GV_2026_07_05.txt" : "logs/GV_2026_07_05_12.txt";
        EXPECT_NE(readFile(dir.file(last)).find("<T>12:10</T><L>0</L><V1>13.20</V1><A1>5.0</A1>"),
                  std::string::npos);
        Replay again(dir.path(), stopped);
        EXPECT_NEAR(again.g.WattHours[1], measured, 1e-9);
        EXPECT_DOUBLE_EQ(again.g.MaxMin[16], 66.0);
    }
}

TEST(Replay, RestartWithTheClockSetBackIntoASummarisedDayWritesNoSecondLine)
{
    TempDir dir;
    prepareFolder(dir.path(), 1, 10, true);
    const std::string msg = "<A1>50</A1><V1>132</V1>]";  // 66 W
    {
        Replay r(dir.path(), BeforeMidnight);
        std::istringstream script("repeat 60 2 " + msg + "\n");
        ASSERT_TRUE(r.run(script));
    }
    const std::string fifth =
        "2026_07_05,00:00, Wh1, .9, Wh2, .0 ,Wh3, .0 ,Wh4, .0 ,Wh5, .0 ,Wh6, .0 ,Wh7, .0 ,Wh8, .0 Wh\r\n";
    ASSERT_EQ(readFile(dir.file("logs/Whours.txt")), fifth);

    // The clock is set back to 4 July 23:30 and the program restarted: the
    // highs of 4 July come back, its energy (already in the 5 July line, to
    // a tenth of a watt-hour) not.
    Replay again(dir.path(), LocalTime{2026, 7, 4, 23, 30, 0});
    EXPECT_NEAR(again.g.WattHours[1], 0, 0.05);
    EXPECT_DOUBLE_EQ(again.g.MaxMin[16], 66.0);
    // 20 minutes of 66 W on the re-lived evening, and another restart:
    // what was measured since the first restart comes back.
    std::istringstream evening("repeat 120 10 " + msg + "\n");
    ASSERT_TRUE(again.run(evening));
    Replay third(dir.path(), again.now());
    EXPECT_NEAR(third.g.WattHours[1], again.g.WattHours[1], 0.05);
    // 15 more minutes, across the second midnight into 5 July, then a quiet
    // day: all 35 minutes go into the line of 6 July.
    std::istringstream script("repeat 90 10 " + msg + "\nwait 86400\n");
    ASSERT_TRUE(third.run(script));
    EXPECT_EQ(readFile(dir.file("logs/Whours.txt")),
              fifth + "2026_07_06,00:00, Wh1, 38.5, Wh2, .0 ,Wh3, .0 ,Wh4, .0 ,Wh5, .0 ,Wh6, .0 ,Wh7, .0 ,Wh8, .0 Wh\r\n");
    EXPECT_TRUE(third.status.errors.empty());
}

TEST(Replay, ALineDatedAheadByAWrongClockHoldsNoLaterSummaryBack)
{
    // A clock once a decade ahead across one midnight left a line dated
    // 2036.  Corrected, each day restarted at noon: every midnight writes
    // its line, and the single windmill's record starts the day from zero.
    TempDir dir;
    prepareFolder(dir.path(), 0, 10, true);
    const std::string wrong =
        "2036_07_05,00:00, Wh1, 50.0, Wh2, .0 ,Wh3, .0 ,Wh4, .0 ,Wh5, .0 ,Wh6, .0 ,Wh7, .0 ,Wh8, .0 Wh\r\n";
    gvtest::writeFile(dir.file("logs/Whours.txt"), wrong);
    const std::string msg = "<V>132</V><I>106</I>]"; // 13.2 V, 10.6 A: 139.92 W
    for (int day : {5, 6}) {
        Replay r(dir.path(), LocalTime{2026, 7, day, 12, 0, 0});
        std::istringstream script("repeat 8640 10 " + msg + "\n");
        ASSERT_TRUE(r.run(script));
        EXPECT_TRUE(r.status.errors.empty());
    }
    EXPECT_EQ(readFile(dir.file("logs/Whours.txt")),
              wrong + "2026_07_06,00:00, Wh1, 1678.7, Wh2, .0 ,Wh3, .0 ,Wh4, .0 ,Wh5, .0 ,Wh6, .0 ,Wh7, .0 ,Wh8, .0 Wh\r\n"
                      "2026_07_07,00:00, Wh1, 3358.1, Wh2, .0 ,Wh3, .0 ,Wh4, .0 ,Wh5, .0 ,Wh6, .0 ,Wh7, .0 ,Wh8, .0 Wh\r\n");
    const std::string seventh = readFile(dir.file("logs/WD_2026_07_07.txt"));
    EXPECT_EQ(seventh.substr(0, seventh.find("\r\n")),
              "<T>00:00</T><L>10</L><V>13.20</V><I>10.6</I><R>0</R><S>0</S>  0.000Wh");
}

TEST(Replay, CurrentCost128SensorsFillTheirOwnColumns)
{
    TempDir dir;
    prepareFolder(dir.path(), 4, 10, true);
    Replay r(dir.path(), LocalTime{2026, 7, 5, 8, 0, 0});
    const std::string s9 = gvtest::cc128Message(9, {345, 2151, 0}, "18.7", "08:00:01") + "\\r\\n";
    const std::string s0 = gvtest::cc128Message(0, {120, 60, 10}, "21.5", "08:00:04") + "\\r\\n";
    // The second sensor's message arrives in two pieces.  Its watts count in
    // one of the interval's two messages, so they average to half.  The
    // temperature is the display unit's: the last message's, in both items.
    std::istringstream script("send " + s9 + "\nwait 3\nsend " + s0.substr(0, 40) + "\nwait 1\nsend " +
                              s0.substr(40) + "\nwait 6\n");
    ASSERT_TRUE(r.run(script));
    EXPECT_EQ(readFile(dir.file("logs/CC_2026_07_05.txt")),
              "<T>08:00</T><L>10</L><W1>345</W1><W2>2151</W2><W3>0</W3><W4>60</W4><W5>30</W5><W6>5</W6>"
              "<C1>21.5</C1><C2>21.5</C2>\r\n");

    // The most common 128 has its whole-house sensor 0 alone: its
    // temperature is the first one too, with its highs and lows.
    TempDir alone;
    prepareFolder(alone.path(), 4, 10, true);
    Replay house(alone.path(), LocalTime{2026, 7, 5, 8, 0, 0});
    std::istringstream six("repeat 2 6 " + gvtest::cc128Message(0, {500, 0, 0}, "19.5") + "\\r\\n\n");
    ASSERT_TRUE(house.run(six));
    EXPECT_NE(readFile(alone.file("logs/CC_2026_07_05.txt")).find("<C1>19.5</C1><C2>19.5</C2>"), std::string::npos);
    EXPECT_DOUBLE_EQ(house.g.MaxMin[27], 19.5);
    EXPECT_DOUBLE_EQ(house.g.MaxMin[28], 19.5);
}

TEST(Replay, ACurrentCost128SensorThatFallsSilentReadsZeroUntilHeardAgain)
{
    // Sensor 9 is heard for a minute at 500 W, then its transmitter goes
    // quiet for an hour while sensor 0 goes on at 100 W.
    TempDir dir;
    prepareFolder(dir.path(), 4, 10, true);
    Replay r(dir.path(), LocalTime{2026, 7, 5, 8, 0, 0});
    const std::string s9 = gvtest::cc128Message(9, {500, 0, 0}) + "\\r\\n";
    const std::string s0 = gvtest::cc128Message(0, {100, 0, 0}) + "\\r\\n";
    testing::internal::CaptureStderr();
    std::string script;
    for (int i = 0; i < 10; ++i)
        script += "send " + s9 + "\nwait 3\nsend " + s0 + "\nwait 3\n";
    script += "repeat 600 6 " + s0 + "\nsend " + s9 + "\nwait 10\n";
    std::istringstream in(script);
    ASSERT_TRUE(r.run(in));
    const std::string said = testing::internal::GetCapturedStderr();

    const std::string day = readFile(dir.file("logs/CC_2026_07_05.txt"));
    EXPECT_NE(day.find("<T>08:01</T><L>10</L><W1>500</W1>"), std::string::npos) << day;
    EXPECT_NE(day.find("<T>08:02</T><L>10</L><W1>0</W1>"), std::string::npos) << day;
    EXPECT_EQ(day.find("<T>08:30</T><L>10</L><W1>0</W1>"), day.find("<T>08:30</T>")) << day;
    EXPECT_EQ(day.rfind("<W1>500</W1>"), day.rfind("<W1>")) << "heard again in the last interval";
    // 500 W from its first message until a minute after its last (1:54),
    // not for the whole hour; sensor 0's 100 W all along.
    EXPECT_NEAR(r.g.WattHours[2], 500.0 * 114 / 3600, 1.0);
    EXPECT_NEAR(r.g.WattHours[6], 100.0 * 3670 / 3600, 1.0);
    EXPECT_FALSE(r.status.errorLamp);
    EXPECT_EQ(said,
              "Gyrovane: Current Cost 128 sensor 9 has sent nothing for 60 s: its watts read 0 until it is heard again\n"
              "Gyrovane: Current Cost 128 sensor 9 is heard again\n");

    // A quiet link is no silent transmitter: five minutes without a byte
    // (the cable out), then sensor 0 first and sensor 9 three seconds later.
    // Neither has been silent while the monitor was heard.
    testing::internal::CaptureStderr();
    std::string back = "wait 300\n";
    for (int i = 0; i < 5; ++i)
        back += "send " + s0 + "\nwait 3\nsend " + s9 + "\nwait 3\n";
    std::istringstream quiet(back);
    ASSERT_TRUE(r.run(quiet));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    const std::string later = readFile(dir.file("logs/CC_2026_07_05.txt")).substr(day.size());
    EXPECT_EQ(occurrences(later, "<L>10</L><W1>500</W1>"), 3) << later;
    EXPECT_EQ(occurrences(later, "<W1>500</W1>"), occurrences(later, "<W1>")) << later;

    // A quiet link shorter than a sensor's silence counts neither: sensor 9
    // heard at 0 s, nothing until 50 s, then sensor 0 at 50, 56 and 62 s.
    TempDir brief;
    prepareFolder(brief.path(), 4, 10, true);
    Replay b(brief.path(), LocalTime{2026, 7, 5, 8, 0, 0});
    testing::internal::CaptureStderr();
    std::istringstream pause("send " + s9 + "\nwait 50\nrepeat 3 6 " + s0 + "\n");
    ASSERT_TRUE(b.run(pause));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(b.g.RawValue[18], 500);
    EXPECT_EQ(b.g.ChannelPower[2], 500);

    // Only the time beyond the quiet-link limit is taken off: sensor 9 at
    // 0 s, sensor 0 every 6 s to 36 s, nothing for 21 s, sensor 0 at 57 and
    // 63 s.  Sensor 9 has been silent for 42 s of heard time, not 60.
    TempDir gap;
    prepareFolder(gap.path(), 4, 10, true);
    Replay q(gap.path(), LocalTime{2026, 7, 5, 8, 0, 0});
    testing::internal::CaptureStderr();
    std::istringstream limit("send " + s9 + "\nrepeat 7 6 " + s0 + "\nwait 15\nsend " + s0 + "\nwait 6\nsend " + s0 +
                             "\n");
    ASSERT_TRUE(q.run(limit));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(q.g.RawValue[18], 500);

    // The house transmitter (sensor 0, 1000 W) stops while an appliance
    // monitor (sensor 1) goes on every 6 s: the monitor is heard, so a
    // minute after its last message sensor 0 reads 0 W, and the appliance
    // monitor's messages carry measured records of that 0 W.
    TempDir house;
    prepareFolder(house.path(), 4, 10, true);
    Replay h(house.path(), LocalTime{2026, 7, 5, 8, 0, 0});
    const std::string house0 = gvtest::cc128Message(0, {1000, 0, 0}) + "\\r\\n";
    const std::string appliance = gvtest::cc128Message(1, {40, 0, 0}) + "\\r\\n";
    testing::internal::CaptureStderr();
    std::istringstream dead("repeat 10 6 " + house0 + "\nwait 3\nrepeat 60 6 " + appliance + "\n");
    ASSERT_TRUE(h.run(dead));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Gyrovane: Current Cost 128 sensor 0 has sent nothing for 60 s: its watts read 0 until it is heard again\n");
    const std::string log = readFile(house.file("logs/CC_2026_07_05.txt"));
    const std::string zero = "<L>10</L><W1>0</W1><W2>0</W2><W3>0</W3><W4>0</W4>";
    EXPECT_NE(log.find(zero), std::string::npos) << log;
    EXPECT_EQ(log.substr(log.rfind("<T>")), "<T>08:07</T>" + zero + "<W5>0</W5><W6>0</W6><C1>21.5</C1><C2>21.5</C2>\r\n");
    EXPECT_EQ(occurrences(log, "<L>0</L>"), occurrences(log, "<L>0</L><W1>0</W1><W2>0</W2><W3>0</W3><W4>1000</W4>"));
    EXPECT_LE(occurrences(log, "<L>0</L>"), 6) << "only until the minute is up";
    EXPECT_EQ(h.g.ChannelPower[6], 0);
    EXPECT_NEAR(h.g.WattHours[6], 1000.0 * 60 / 3600, 1e-9);
    EXPECT_FALSE(h.status.errorLamp);
}

TEST(Replay, MessagesRunTogetherAreNoise)
{
    // Bytes lost on the line run the start of one message into the rest of
    // the next, so it holds a reading element twice: none of its readings
    // may count.  Each comes after four good messages of one 30 s interval,
    // whose record must hold their average alone.
    struct Case {
        int type;
        std::string good, joined, record;
    };
    const std::string s0 = gvtest::cc128Message(0, {1445, 0, 0}, "30.0", "12:00:01");
    const std::string s0next = gvtest::cc128Message(0, {5000, 5000, 5000}, "30.0", "12:00:07");
    const std::string s9 = gvtest::cc128Message(9, {800, 0, 0});
    const std::string classic = gvtest::classicMessage({1445, 0, 0}, "30.0");
    const std::string classicNext = gvtest::classicMessage({5000, 5000, 5000}, "30.0");
    const std::string logger = "<V>130</V><I>50</I><S>30</S><R>2500</R>]";
    const Case cases[] = {
        // Two sensor-0 messages: the first's end and the second's start lost.
        {4, gvtest::cc128Message(0, {500, 500, 500}) + "\\r\\n",
         s0.substr(0, s0.find("<ch2>")) + s0next.substr(s0next.find("<time>")) + "\\r\\n",
         "<W1>0</W1><W2>0</W2><W3>0</W3><W4>500</W4><W5>500</W5><W6>500</W6><C1>21.5</C1>"},
        // Sensor 9's start run into the rest of a sensor-0 message.
        {4, gvtest::cc128Message(0, {500, 500, 500}) + "\\r\\n",
         s9.substr(0, s9.find("<id>")) + s0.substr(s0.find("<sensor>0")) + "\\r\\n",
         "<W1>0</W1><W2>0</W2><W3>0</W3><W4>500</W4>"},
        // A Classic's date, name and first clamp twice.
        {3, gvtest::classicMessage({500, 500, 500}) + "\\r\\n",
         classic.substr(0, classic.find("<ch2>")) + classicNext.substr(classicNext.find("<date>")) + "\\r\\n",
         "<W1>500</W1><W2>500</W2><W3>500</W3>"},
        // A logger fragment left from before the cable was pulled.
        {0, logger, "<V>999</V><I>999" + logger, "<V>13.00</V><I>5.0</I>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.joined);
        TempDir dir;
        prepareFolder(dir.path(), c.type, 30, true);
        Replay r(dir.path(), LocalTime{2026, 7, 5, 8, 0, 0});
        std::istringstream script("repeat 4 6 " + c.good + "\nsend " + c.joined + "\nwait 6\n");
        ASSERT_TRUE(r.run(script));
        EXPECT_EQ(r.messages(), 4);
        EXPECT_TRUE(r.status.errorLamp);
        const std::string day = readFile(dir.file(c.type == 0 ? "logs/WD_2026_07_05.txt" : "logs/CC_2026_07_05.txt"));
        EXPECT_NE(day.find("<L>30</L>" + c.record), std::string::npos) << day;
    }

    // The 128's stored totals name every sensor and stay device traffic.
    TempDir dir;
    prepareFolder(dir.path(), 4, 10, true);
    Replay quiet(dir.path(), LocalTime{2026, 7, 5, 9, 0, 0});
    std::istringstream totals("send " + gvtest::cc128History() + "\\r\\n\n");
    ASSERT_TRUE(quiet.run(totals));
    EXPECT_FALSE(quiet.status.errorLamp);
}

TEST(Replay, ACurrentCostMessageCutOffIsNoiseAndTheNextIsReadWhole)
{
    // A message at 9999 W cut off inside its second clamp (the cable pulled
    // mid-message), then whole messages at 100 W, every six seconds.
    for (int type : {3, 4}) {
        SCOPED_TRACE(type);
        TempDir dir;
        prepareFolder(dir.path(), type, 10, true);
        Replay r(dir.path(), LocalTime{2026, 7, 5, 8, 0, 0});
        const auto message = [type](int watts) {
            return type == 3 ? gvtest::classicMessage({watts, 0, 0}) : gvtest::cc128Message(9, {watts, 0, 0});
        };
        const std::string cut = message(9999).substr(0, message(9999).find("<ch2>") + 8);
        std::istringstream script("send " + cut + "\nrepeat 20 6 " + message(100) + "\\r\\n\n");
        ASSERT_TRUE(r.run(script));
        EXPECT_EQ(r.messages(), 20);
        EXPECT_TRUE(r.status.errorLamp);
        EXPECT_DOUBLE_EQ(r.g.MaxMin[17], 100);
        EXPECT_NEAR(r.g.WattHours[2], 100.0 * 120 / 3600, 1e-9);
        const std::string day = readFile(dir.file("logs/CC_2026_07_05.txt"));
        EXPECT_EQ(occurrences(day, "<W1>100</W1>"), 12) << day;
        EXPECT_EQ(occurrences(day, "<W1>"), 12) << day;
    }
}

TEST(Replay, ACurrentCostMessageWithoutReadableWattsGivesNoReading)
{
    // A Classic at 1000/100/300 W and 25.6 degrees, a message every 5 s.
    // In each interval the second message is damaged; none may lend its
    // other readings (0, 700 and 900 W, 30 degrees) to the interval, and
    // none may leave a clamp's old watts beside another's new ones.
    TempDir dir;
    prepareFolder(dir.path(), 3, 10, true);
    Replay r(dir.path(), LocalTime{2026, 7, 5, 8, 0, 0});
    const std::string good = gvtest::classicMessage({1000, 100, 300}) + "\\r\\n";
    const std::string other = gvtest::classicMessage({0, 700, 900}, "30.0");
    std::string garbled = other; // ch1's watts garbled
    garbled.replace(garbled.find("<ch1><watts>") + 12, 5, "0x7A8");
    std::string broken = other; // line breaks between its elements
    for (size_t p = broken.find("><"); p != std::string::npos; p = broken.find("><", p + 6))
        broken.replace(p, 2, ">\\r\\n<");
    std::string signedWatts = other; // the monitors send unsigned counts
    signedWatts.replace(signedWatts.find("<ch2><watts>") + 12, 5, "-0900");
    std::string noThird = other; // every Classic message carries all three clamps
    noThird.erase(noThird.find("<ch3>"), noThird.find("<tmpr>") - noThird.find("<ch3>"));
    std::string script;
    for (const std::string& damaged : {garbled, broken, signedWatts, noThird})
        script += "send " + good + "\nwait 5\nsend " + damaged + "\\r\\n\nwait 5\n";
    std::istringstream in(script);
    ASSERT_TRUE(r.run(in));
    EXPECT_EQ(r.messages(), 4);
    EXPECT_TRUE(r.status.errorLamp);
    const std::string record = "<T>08:00</T><L>10</L><W1>1000</W1><W2>100</W2><W3>300</W3><W4>0</W4><W5>0</W5>"
                               "<W6>0</W6><C1>25.6</C1><C2>0.0</C2>\r\n";
    EXPECT_EQ(readFile(dir.file("logs/CC_2026_07_05.txt")), record + record + record + record);

    // A 128 with its whole-house sensor 0 at 500 W.  An impulse sensor's
    // counts carry no watts: no reading, no error.  A message whose sensor
    // tag lost its first bytes cannot say whose 405 W they are: damaged.
    TempDir house;
    prepareFolder(house.path(), 4, 10, true);
    Replay c(house.path(), LocalTime{2026, 7, 5, 8, 0, 0});
    const std::string s0 = gvtest::cc128Message(0, {500, 0, 0}, "21.5") + "\\r\\n";
    const std::string impulse = "<msg><src>CC128-v0.11</src><dsb>00089</dsb><time>08:00:03</time><tmpr>30.0</tmpr>"
                                "<sensor>0</sensor><id>00078</id><type>2</type><imp>0000089466</imp><ipu>1000</ipu>"
                                "</msg>\\r\\n";
    const std::string whole = gvtest::cc128Message(0, {405, 0, 0}, "30.0");
    const std::string lost = "<msg><src>" + whole.substr(whole.find("<sensor>") + 2) + "\\r\\n";
    std::istringstream traffic("send " + s0 + "\nwait 3\nsend " + impulse + "\nwait 7\n");
    ASSERT_TRUE(c.run(traffic));
    EXPECT_EQ(c.messages(), 1);
    EXPECT_FALSE(c.status.errorLamp);
    std::string negative = gvtest::cc128Message(0, {0, 0, 0}, "30.0");
    negative.replace(negative.find("<ch1><watts>") + 12, 5, "-0050");
    std::istringstream damage("send " + s0 + "\nwait 3\nsend " + lost + "\nwait 7\nsend " + s0 + "\nwait 3\nsend " +
                              negative + "\\r\\n\nwait 7\n");
    ASSERT_TRUE(c.run(damage));
    EXPECT_EQ(c.messages(), 3);
    EXPECT_TRUE(c.status.errorLamp);
    const std::string cc = "<L>10</L><W1>0</W1><W2>0</W2><W3>0</W3><W4>500</W4><W5>0</W5><W6>0</W6>"
                           "<C1>21.5</C1><C2>21.5</C2>\r\n";
    EXPECT_EQ(readFile(house.file("logs/CC_2026_07_05.txt")),
              "<T>08:00</T>" + cc + "<T>08:00</T>" + cc + "<T>08:00</T>" + cc);
}

TEST(Replay, ADayOfCurrentCostClassicMessagesIsLoggedWithItsEnergy)
{
    // The Classic sends a message every six seconds, its stored totals
    // after the readings in each: 168 W on the first clamp all day.
    TempDir dir;
    prepareFolder(dir.path(), 3, 10, true);
    Replay r(dir.path(), LocalTime{2026, 7, 5, 0, 0, 0});
    std::istringstream script("repeat 14401 6 " + gvtest::classicMessage() + "\\r\\n\n");
    std::string error;
    ASSERT_TRUE(r.run(script, &error)) << error;
    EXPECT_EQ(r.messages(), 14401);
    EXPECT_EQ(r.status.errorLamp, false);

    const std::string day = readFile(dir.file("logs/CC_2026_07_05.txt"));
    const std::string record = "<L>10</L><W1>168</W1><W2>0</W2><W3>0</W3><W4>0</W4><W5>0</W5><W6>0</W6>"
                               "<C1>25.6</C1><C2>0.0</C2>\r\n";
    EXPECT_EQ(countLines(day), 8639);
    EXPECT_EQ(day.substr(0, day.find("\r\n") + 2), "<T>00:00</T>" + record);
    EXPECT_EQ(day.substr(day.rfind("<T>")), "<T>23:59</T>" + record);
    // 168 W for the day's 8639 ticks (the one at midnight opens the next
    // day): 8639 x 168 W x 10 s = 4031.5 Wh.
    EXPECT_EQ(readFile(dir.file("logs/Whours.txt")),
              "2026_07_06,00:00, Wh1, .0, Wh2, 4031.5 ,Wh3, .0 ,Wh4, .0 ,Wh5, .0 ,Wh6, .0 ,Wh7, .0 ,Wh8, .0 Wh\r\n");
}

TEST(Replay, AllChannelsWriteThreeFamiliesPerTick)
{
    TempDir dir;
    prepareFolder(dir.path(), 8, 10, true);
    Replay r(dir.path(), LocalTime{2026, 7, 5, 14, 5, 0});
    std::istringstream script(
        "repeat 5 2 <A1>50</A1><A5>20</A5><V1>132</V1><V2>125</V2><V3>50</V3><P1>70</P1><P2>0</P2><R1>2500</R1><WS>30</WS>]\n");
    ASSERT_TRUE(r.run(script));
    EXPECT_EQ(readFile(dir.file("logs/GV_2026_07_05.txt")),
              "<T>14:05</T><L>10</L><V1>13.20</V1><A1>5.0</A1><A2>0.0</A2><A3>0.0</A3><A4>0.0</A4>"
              "<R2>0</R2><R1>250</R1><WS>3</WS>\r\n");
    EXPECT_EQ(readFile(dir.file("logs/RE_2026_07_05.txt")),
              "<T>14:05</T><L>10</L><V1>13.20</V1><W1>66</W1><W2>0</W2><W3>0</W3><W4>0</W4>"
              "<W5>480</W5><W6>0</W6><W7>0</W7><W8>0</W8>\r\n");
    EXPECT_EQ(readFile(dir.file("logs/ML_2026_07_05.txt")),
              "<T>14:05</T><L>10</L><V1>13.20</V1><V2>12.50</V2><V3>5.00</V3><P1>7</P1><P2>0</P2>\r\n");
    ASSERT_EQ(r.filesWritten().size(), 3u);
}

TEST(Replay, ShortIntervalsWriteHourlyFiles)
{
    TempDir dir;
    prepareFolder(dir.path(), 0, 5, true);
    Replay r(dir.path(), LocalTime{2026, 7, 5, 9, 59, 50});
    std::istringstream script("repeat 15 2 <V>253</V><I>43</I><S>40</S><R>3000</R>]\n");
    ASSERT_TRUE(r.run(script));
    const std::string h9 = readFile(dir.file("logs/WD_2026_07_05_09.txt"));
    const std::string h10 = readFile(dir.file("logs/WD_2026_07_05_10.txt"));
    EXPECT_EQ(countLines(h9), 1) << h9;
    EXPECT_EQ(countLines(h10), 5) << h10;
    EXPECT_EQ(h9, "<T>09:59</T><L>5</L><V>25.30</V><I>4.3</I><R>300</R><S>4</S>  0.000Wh\r\n");
    EXPECT_FALSE(gvtest::readFile(dir.file("logs/WD_2026_07_05.txt")).size());
}

TEST(Replay, AnAutomaticStartWaitsForALateDeviceAndTheStartItemDoesNot)
{
    // "Start Logger Automatically?": the logger comes 25 s after the
    // computer (10 s interval) or 1.5 s late at 1 s; logging stays on and
    // records from its first message on.
    for (double delay : {10.0, 1.0}) {
        SCOPED_TRACE(delay);
        TempDir dir;
        prepareFolder(dir.path(), 1, delay, true);
        Replay r(dir.path(), LocalTime{2026, 7, 5, 14, 0, 0});
        r.wait(delay > 5 ? 25 : 1.5);
        EXPECT_EQ(r.g.LoggingOn, 1);
        EXPECT_TRUE(r.filesWritten().empty());
        std::istringstream script("repeat 30 1 <A1>50</A1><V1>132</V1>]\n");
        ASSERT_TRUE(r.run(script));
        EXPECT_EQ(r.g.LoggingOn, 1);
        EXPECT_FALSE(r.filesWritten().empty());
    }
    // Started from the Start item before any message, logging stops.
    TempDir dir;
    prepareFolder(dir.path(), 1, 10, false);
    Replay r(dir.path(), LocalTime{2026, 7, 5, 14, 0, 0});
    std::istringstream script("logging on\nwait 30\n");
    ASSERT_TRUE(r.run(script));
    EXPECT_EQ(r.g.LoggingOn, 0);
    EXPECT_TRUE(r.filesWritten().empty());
}

TEST(Replay, ScriptEscapesAndErrors)
{
    EXPECT_EQ(Replay::unescape("a\\r\\n\\x5d\\\\"), std::string("a\r\n]\\"));
    TempDir dir;
    prepareFolder(dir.path(), 1, 10, false);
    Replay r(dir.path(), LocalTime{2026, 7, 5, 14, 0, 0});
    std::istringstream bad("wait 1\nfly away\n");
    std::string error;
    EXPECT_FALSE(r.run(bad, &error));
    EXPECT_EQ(error, "line 2: unknown command 'fly'");

    // A wait or repeat too large to run is refused before any of it runs.
    const struct {
        const char* script;
        const char* error;
    } tooLarge[] = {
        {"wait 1e16\n", "line 1: wait would take the clock beyond 31 days from the start"},
        {"wait 86400\n# a month and a second\nwait 2592001\n",
         "line 3: wait would take the clock beyond 31 days from the start"},
        {"repeat 9223372036854775807 0 <A1>50</A1>]\n", "line 1: repeat count above 1000000"},
        {"repeat 1000000 3 <A1>50</A1>]\n", "line 1: repeat would take the clock beyond 31 days from the start"},
    };
    for (const auto& c : tooLarge) {
        Replay fresh(dir.path(), LocalTime{2026, 7, 5, 14, 0, 0});
        std::istringstream script(c.script);
        EXPECT_FALSE(fresh.run(script, &error)) << c.script;
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(fresh.messages(), 0) << c.script;
        EXPECT_EQ(hourMinute(fresh.now()), "14:00") << c.script;
    }
}
