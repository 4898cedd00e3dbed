// The logging tick against a temporary program folder, with the clock driven
// by the test.
#include "app/ErrorTrap.h"
#include "app/Logging.h"
#include "app/LogRecords.h"
#include "shared/FileIO.h"
#include "logging_rig.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace gv;
using gvtest::readFile;
using gvtest::Rig;
using gvtest::TempDir;

namespace {

LocalTime at(int h, int m, int s = 0, int day = 4) { return LocalTime{2010, 7, day, h, m, s}; }

} // namespace

TEST(LoggingTick, AveragesIntegratesAndClears)
{
    Rig r(1, 10);
    r.message(13.0, 4.0);
    r.message(13.4, 6.0);
    const TickResult res = r.tick(at(14, 5));
    EXPECT_DOUBLE_EQ(r.g.LoggedValue[9], 13.2);
    EXPECT_DOUBLE_EQ(r.g.LoggedValue[1], 5.0);
    EXPECT_DOUBLE_EQ(r.g.LoggedWatts[1], (52 + 80.4) / 2);
    EXPECT_DOUBLE_EQ(r.g.WattHours[1], 66.2 * 10 / 3600);
    EXPECT_EQ(res.goodDATAcounterText, "2");
    EXPECT_EQ(r.g.goodDATAcount, 0);
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(r.g.AccumulatedValue[n], 0);
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(r.g.AccumulatedWatts[k], 0);
    EXPECT_EQ(r.log("GV_2010_07_04.txt"),
              "<T>14:05</T><L>10</L><V1>13.20</V1><A1>5.0</A1><A2>0.0</A2><A3>0.0</A3><A4>0.0</A4>"
              "<R2>0</R2><R1>0</R1><WS>0</WS>\r\n");
    EXPECT_FALSE(r.status.errorLamp);
}

TEST(LoggingTick, IntervalWithoutMessageLogsPreviousValuesAndAddsNoEnergy)
{
    Rig r(1, 10);
    r.message(12.5, 2.0);
    r.tick(at(10, 0));
    const double wh = r.g.WattHours[1];
    const TickResult res = r.tick(at(10, 1));
    EXPECT_EQ(res.goodDATAcounterText, "");
    EXPECT_EQ(r.g.WattHours[1], wh);
    EXPECT_EQ(r.status.ErrorContext, " No valid data recieved : Logged previous data");
    // The repeated record covers no measured time: <L>0</L>.
    const std::string body = "<V1>12.50</V1><A1>2.0</A1><A2>0.0</A2><A3>0.0</A3><A4>0.0</A4>"
                             "<R2>0</R2><R1>0</R1><WS>0</WS>\r\n";
    EXPECT_EQ(r.log("GV_2010_07_04.txt"), "<T>10:00</T><L>10</L>" + body + "<T>10:01</T><L>0</L>" + body);
    // Data again: new averages, not mixed with the repeated ones.
    r.message(13.0, 1.0);
    r.tick(at(10, 2));
    EXPECT_DOUBLE_EQ(r.g.LoggedValue[9], 13.0);
    EXPECT_DOUBLE_EQ(r.g.WattHours[1], wh + 13.0 * 10 / 3600);
}

TEST(LoggingTick, StoppedLoggingStillIntegratesButWritesNothing)
{
    Rig r(0, 10);
    r.g.LoggingOn = 0;
    r.g.SaveExcel = 1;
    r.message(12, 10);
    const TickResult res = r.tick(at(8, 0));
    EXPECT_TRUE(res.filesWritten.empty());
    EXPECT_DOUBLE_EQ(r.g.WattHours[1], 120.0 * 10 / 3600);
    EXPECT_TRUE(std::filesystem::is_empty(r.dir.file("logs")));
    EXPECT_TRUE(std::filesystem::is_empty(r.dir.file("Excel")));
}

TEST(LoggingTick, NoDataYetStopsLoggingAndWritesNothing)
{
    Rig r(1, 10);
    r.g.SaveExcel = 1;
    r.g.AccumulatedValue[9] = 7;  // left alone by the stopped tick
    const TickResult res = r.engine.tick(TickInput{at(8, 0), false, "10"});
    EXPECT_TRUE(res.noDataYet);
    EXPECT_EQ(r.g.LoggingOn, 0);
    EXPECT_TRUE(res.filesWritten.empty());
    EXPECT_TRUE(std::filesystem::is_empty(r.dir.file("logs")));
    EXPECT_EQ(r.status.ErrorString, "");
    EXPECT_STREQ(NoDataYetMessage, "NO DATA AVAILABLE YET");
}

TEST(LoggingTick, TypeEightWritesThreeFilesWithTheSameTime)
{
    Rig r(8, 30);
    r.message(12, 1);
    const TickResult res = r.tick(at(23, 59, 59));
    ASSERT_EQ(res.filesWritten.size(), 3u);
    EXPECT_EQ(res.filesWritten[0], r.dir.file("logs/GV_2010_07_04.txt"));
    EXPECT_EQ(res.filesWritten[1], r.dir.file("logs/RE_2010_07_04.txt"));
    EXPECT_EQ(res.filesWritten[2], r.dir.file("logs/ML_2010_07_04.txt"));
    EXPECT_EQ(r.log("GV_2010_07_04.txt").rfind("<T>23:59</T><L>30</L><V1>12.00</V1><A1>1.0</A1>", 0), 0u);
    EXPECT_EQ(r.log("RE_2010_07_04.txt"),
              "<T>23:59</T><L>30</L><V1>12.00</V1><W1>12</W1><W2>0</W2><W3>0</W3><W4>0</W4>"
              "<W5>0</W5><W6>0</W6><W7>0</W7><W8>0</W8>\r\n");
    EXPECT_EQ(r.log("ML_2010_07_04.txt"),
              "<T>23:59</T><L>30</L><V1>12.00</V1><V2>0.00</V2><V3>0.00</V3><P1>0</P1><P2>0</P2>\r\n");
}

TEST(LoggingTick, CurrentCostRecordsCarryTheLastTemperatures)
{
    Rig r(4, 6);
    r.g.AccumulatedWatts[2] = 1000;
    r.g.AccumulatedWatts[6] = 400;
    r.g.goodDATAcount = 2;
    r.g.RawValue[17] = 19.5;
    r.g.RawValue[21] = 22.04;
    r.tick(at(6, 0));
    EXPECT_EQ(r.log("CC_2010_07_04.txt"),
              "<T>06:00</T><L>6</L><W1>500</W1><W2>0</W2><W3>0</W3><W4>200</W4><W5>0</W5><W6>0</W6>"
              "<C1>19.5</C1><C2>22.0</C2>\r\n");
}

TEST(LoggingTick, ShortIntervalWritesHourlyFilesAndHourlyExcelTables)
{
    Rig r(0, 5);
    r.g.SaveExcel = 1;
    LocalTime t = at(9, 59, 50);
    for (int i = 0; i < 4; ++i) {  // 09:59:50, :55, 10:00:00, :05
        r.message(12, 1);
        r.tick(t);
        t = addSeconds(t, 5);
    }
    const std::string line = "<L>5</L><V>12.00</V><I>1.0</I><R>0</R><S>0</S>  ";
    EXPECT_EQ(r.log("WD_2010_07_04_09.txt"),
              "<T>09:59</T>" + line + "0.000Wh\r\n<T>09:59</T>" + line + "0.017Wh\r\n");
    EXPECT_EQ(r.log("WD_2010_07_04_10.txt"),
              "<T>10:00</T>" + line + "0.033Wh\r\n<T>10:00</T>" + line + "0.050Wh\r\n");
    EXPECT_FALSE(fileExists(r.dir.file("logs/WD_2010_07_04.txt")));
    EXPECT_TRUE(fileExists(r.dir.file("Excel/2010_07_04_09.xls")));
    EXPECT_TRUE(fileExists(r.dir.file("Excel/2010_07_04_10.xls")));
}

TEST(LoggingTick, ExcelTableGetsOneHeaderThenRows)
{
    Rig r(0, 60);
    r.g.SaveExcel = 1;
    r.message(12.5, 2);
    r.tick(at(7, 0, 1));
    r.message(12, 1.5);
    r.tick(at(7, 1, 1));
    EXPECT_EQ(readFile(r.dir.file("Excel/2010_07_04.xls")),
              excelHeader("m/s") +
                  "<tr><td>12.5</td><td>2</td><td>25</td><td>0</td><td>0</td><td></td><td>07:00:01</td></tr>\r\n\r\n"
                  "<tr><td>12</td><td>1.5</td><td>18</td><td>0</td><td>0</td><td></td><td>07:01:01</td></tr>\r\n\r\n");
    // SaveExcel other than 1 writes no table.
    r.g.SaveExcel = 2;
    r.message(12, 1);
    r.tick(at(7, 2, 1));
    EXPECT_EQ(readFile(r.dir.file("Excel/2010_07_04.xls")).find("07:02:01"), std::string::npos);
}

TEST(LoggingTick, CautionFollowsTheIntervalBox)
{
    Rig r(0, 10);
    r.g.LoggingOn = 0;
    r.engine.tick(TickInput{at(1, 0), true, "10"});
    EXPECT_EQ(r.status.ErrorString, "");
    r.engine.tick(TickInput{at(1, 0), true, "9.5"});
    EXPECT_EQ(r.status.ErrorString, "Caution Logging interval 2 short, Data Overflow may occur");
    r.engine.tick(TickInput{at(1, 0), true, "600"});
    EXPECT_EQ(r.status.ErrorString, "Caution Logging interval 2 short, Data Overflow may occur");
}

TEST(LoggingTick, FailedWritesLightTheErrorLampAndTheTickGoesOn)
{
    // Five-second logging: each hour has its own files.
    Rig r(8, 5);
    r.g.SaveExcel = 1;
    // Read-only folders; the superuser writes there all the same, so for it
    // the folders are replaced by plain files, which refuse every write too.
    const bool root = ::geteuid() == 0;
    for (const char* f : {"logs", "Excel"}) {
        if (root) {
            std::filesystem::remove(r.dir.file(f));
            gvtest::writeFile(r.dir.file(f), "");
        } else {
            ::chmod(r.dir.file(f).c_str(), 0555);
        }
    }
    r.message(12, 3);
    testing::internal::CaptureStderr();
    LocalTime t = at(20, 0);
    const TickResult res = r.tick(t);
    EXPECT_TRUE(res.filesWritten.empty());
    EXPECT_TRUE(r.status.errorLamp);
    EXPECT_NE(r.status.errors.back().find("Excel"), std::string::npos);
    EXPECT_DOUBLE_EQ(r.g.WattHours[1], 36.0 * 5 / 3600);
    EXPECT_EQ(r.g.goodDATAcount, 0);
    EXPECT_EQ(r.g.AccumulatedValue[9], 0);
    // Thirty hours of failing ticks, across two midnights: the record keeps
    // the most recent failures and counts the rest; standard error hears
    // once of each kind of file (three record families, the Excel table),
    // not again for each hour's new files, except that every summary line
    // that finds no file is told whole, to be added by hand.
    for (int i = 1; i <= 1800; ++i) {
        t = addSeconds(t, 60);
        if (i == 960) // noon of the day between
            r.message(20, 9);
        r.tick(t);
    }
    const std::string failing = testing::internal::GetCapturedStderr();
    EXPECT_EQ(r.status.errors.size(), EngineStatus::KeptErrors);
    EXPECT_EQ(r.status.olderErrors, static_cast<long long>(4 * 1801 + 2 - EngineStatus::KeptErrors));
    auto count = [](const std::string& text, const std::string& what) {
        int n = 0;
        for (size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count(failing, "Gyrovane: "), 6) << failing;
    EXPECT_EQ(count(failing, "Log record not written: " + r.dir.file("logs/GV_2010_07_04_20.txt") + ": "), 1)
        << failing;
    EXPECT_EQ(count(failing, "Daily watt-hour summary not written: "), 2) << failing;
    for (const char* line :
         {"2010_07_05,00:00, Wh1, .1, Wh2, .0 ,Wh3, .0 ,Wh4, .0 ,Wh5, .0 ,Wh6, .0 ,Wh7, .0 ,Wh8, .0 Wh",
          "2010_07_06,00:00, Wh1, .3, Wh2, .0 ,Wh3, .0 ,Wh4, .0 ,Wh5, .0 ,Wh6, .0 ,Wh7, .0 ,Wh8, .0 Wh"})
        EXPECT_EQ(count(failing, std::string(" by hand: ") + line + "\n"), 1) << failing;
    for (const char* f : {"logs", "Excel"}) {
        if (root) {
            std::filesystem::remove(r.dir.file(f));
            makeFolder(r.dir.file(f));
        } else {
            ::chmod(r.dir.file(f).c_str(), 0755);
        }
    }
    // Writable again: the next tick logs normally, and says so once per
    // kind; the summary says so at the next midnight.
    r.message(12, 3);
    testing::internal::CaptureStderr();
    EXPECT_EQ(r.tick(addSeconds(t, 60)).filesWritten.size(), 4u);
    r.tick(addSeconds(t, 3600));
    EXPECT_TRUE(r.engine.summaryTimer(LocalTime{2010, 7, 7, 0, 0, 5}));
    const std::string back = testing::internal::GetCapturedStderr();
    EXPECT_EQ(count(back, "Gyrovane: "), 5) << back;
    EXPECT_EQ(count(back, "Log record written again: " + r.dir.file("logs/RE_2010_07_06_02.txt")), 1) << back;
    EXPECT_EQ(count(back, "Daily watt-hour summary written again: " + r.dir.file("logs/Whours.txt")), 1) << back;
}

TEST(LoggingTick, AFullDiskNeverCutsARecordNorJoinsTwo)
{
    Rig r(1, 10);
    const std::string name = "GV_2010_07_04.txt";
    r.message(12, 3);
    ASSERT_EQ(r.tick(at(12, 0)).filesWritten.size(), 1u);
    const std::string first = r.log(name);

    // The disk fills up 30 bytes into the next record (a file size limit
    // stands in for the full disk: the write stops part-way the same way).
    struct rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit full = old;
    full.rlim_cur = first.size() + 30;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &full), 0);
    r.message(12.5, 3);
    testing::internal::CaptureStderr();
    const TickResult failed = r.tick(at(12, 1));
    testing::internal::GetCapturedStderr();
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &old), 0);
    std::signal(SIGXFSZ, previous);
    EXPECT_TRUE(failed.filesWritten.empty());
    EXPECT_TRUE(r.status.errorLamp);
    EXPECT_EQ(r.log(name), first) << "the cut record is taken off again";

    // Space again: the next record is whole and on its own line.
    r.message(13, 3);
    testing::internal::CaptureStderr();
    r.tick(at(12, 2));
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(r.log(name), first + "<T>12:02</T><L>10</L><V1>13.00</V1><A1>3.0</A1><A2>0.0</A2><A3>0.0</A3>"
                                   "<A4>0.0</A4><R2>0</R2><R1>0</R1><WS>0</WS>\r\n");

    // A record cut short by a crash is not joined by the next one either.
    r.writeLog(name, first + "<T>12:03</T><L>10</L><V1>13");
    r.message(13, 3);
    r.tick(at(12, 4));
    const std::string text = r.log(name);
    EXPECT_EQ(text.substr(first.size()), "<T>12:03</T><L>10</L><V1>13\r\n<T>12:04</T><L>10</L><V1>13.00</V1>"
                                         "<A1>3.0</A1><A2>0.0</A2><A3>0.0</A3><A4>0.0</A4><R2>0</R2><R1>0</R1>"
                                         "<WS>0</WS>\r\n");
}

TEST(LoggingTick, MissingFoldersAreReportedNotSilent)
{
    TempDir dir;
    Global_Declarations g;
    EngineStatus status;
    LoggingEngine engine(g, status, dir.file("nowhere"));
    g.LoggingOn = 1;
    g.LogDelay = 10;
    g.goodDATAcount = 1;
    const TickResult res = engine.tick(TickInput{at(12, 0), true, "10"});
    EXPECT_TRUE(res.filesWritten.empty());
    EXPECT_TRUE(status.errorLamp);
    EXPECT_EQ(status.errors.size(), 1u);
}

TEST(LoggingStart, IntervalBoxChecks)
{
    auto check = [](const std::string& text, bool ok, const std::string& shown, int ms) {
        const StartLogging s = checkLoggingInterval(text);
        EXPECT_EQ(s.accepted, ok) << text;
        if (ok) {
            EXPECT_EQ(s.delayText, shown) << text;
            EXPECT_EQ(s.timerIntervalMs, ms) << text;
        }
    };
    check("10", true, "10", 10000);
    check("0", true, "1", 1000);
    check("0.5", true, "1", 1000);
    check("-3", true, "1", 1000);
    check("601", true, "600", 600000);
    check("1000", true, "600", 600000);
    check("1.5", true, "1.5", 1500);
    check("2.5", true, "2.5", 2500);
    check("600", true, "600", 600000);
    check("", false, "", 0);
    check("ten", false, "", 0);
    check("12abc", false, "", 0);
    EXPECT_STREQ(InvalidDelayMessage, "Invalid delay period, needs to be a number between 1 and 600");

    Global_Declarations g;
    startLogging(g);
    EXPECT_EQ(g.LoggingOn, 1);
    stopLogging(g);
    stopLogging(g);
    EXPECT_EQ(g.LoggingOn, 0);
}

TEST(ErrorTrap, RecordsAndWritesTheLogOnlyWhenSwitchedOn)
{
    TempDir dir;
    EngineStatus status;
    status.ErrorContext = "calculations error";
    const LocalTime t{2010, 3, 7, 21, 4, 5};
    trapError(status, dir.path(), t, "Overflow", "[<V>512</V>]", false);
    EXPECT_FALSE(fileExists(dir.file("errorlog.txt")));
    EXPECT_EQ(status.ErrorString, "  Last Error trapped  21:04:05  ---  calculations error  Overflow");
    EXPECT_TRUE(status.errorLamp);
    trapError(status, dir.path(), t, "Overflow", "[<V>512</V>]", true);
    trapError(status, dir.path(), t, "Division by zero", "", true);
    EXPECT_EQ(readFile(dir.file("errorlog.txt")),
              "2010_03_07  21:04:05  calculations error  Overflow <IM> [<V>512</V>]\r\n"
              "2010_03_07  21:04:05  calculations error  Division by zero <IM> \r\n");
    EXPECT_EQ(status.errors.size(), 3u);
    // An error log that cannot be written is recorded as well.
    trapError(status, dir.file("nowhere"), t, "Overflow", "", true);
    EXPECT_EQ(status.errors.size(), 5u);
}
