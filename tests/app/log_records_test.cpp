// Golden texts of the log records, the Excel day table and the summary line.
#include "app/ErrorTrap.h"
#include "app/LogRecords.h"
#include "app/WattHourSummary.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

using namespace gv;
using gvtest::defaultNames;

namespace {

LocalTime at(int h, int m, int s = 0) { return LocalTime{2010, 7, 4, h, m, s}; }

} // namespace

TEST(LogRecords, GvRecordOfTheDocumentedExample)
{
    Global_Declarations g;
    defaultNames(g);
    g.SystemType = 1;
    g.LogDelay = 10;
    g.LoggedValue[9] = 13.2;
    g.LoggedValue[1] = 5;
    g.LoggedValue[13] = 250;
    g.LoggedValue[12] = 3;
    EXPECT_EQ(buildRecord(LogFamily::GV, g, at(14, 5)),
              "<T>14:05</T><L>10</L><V1>13.20</V1><A1>5.0</A1><A2>0.0</A2><A3>0.0</A3><A4>0.0</A4>"
              "<R2>0</R2><R1>250</R1><WS>3</WS>\r\n");
}

TEST(LogRecords, GvVoltsPictureDependsOnSystemType)
{
    Global_Declarations g;
    defaultNames(g);
    g.LogDelay = 30;
    g.LoggedValue[9] = 0.5;
    g.LoggedValue[2] = 12.25;  // rounds half away from zero
    g.LoggedValue[14] = 1234.5;
    g.LoggedValue[12] = 1234;  // integer part never cut short
    g.SystemType = 2;
    EXPECT_EQ(buildRecord(LogFamily::GV, g, at(9, 5)),
              "<T>09:05</T><L>30</L><V1>.50</V1><A1>0.0</A1><A2>12.3</A2><A3>0.0</A3><A4>0.0</A4>"
              "<R2>1235</R2><R1>0</R1><WS>1234</WS>\r\n");
    g.SystemType = 8;
    EXPECT_EQ(buildRecord(LogFamily::GV, g, at(9, 5)).rfind("<T>09:05</T><L>30</L><V1>0.50</V1><A1>", 0), 0u);
}

TEST(LogRecords, WdRecordCarriesUntaggedWattHours)
{
    Global_Declarations g;
    g.LogDelay = 60;
    g.LoggedValue[9] = 12.456;
    g.LoggedValue[1] = 3.04;
    g.LoggedValue[13] = 180.4;
    g.LoggedValue[12] = 7.6;
    g.WattHours[1] = 12.3456;
    EXPECT_EQ(buildRecord(LogFamily::WD, g, at(0, 0)),
              "<T>00:00</T><L>60</L><V>12.46</V><I>3.0</I><R>180</R><S>8</S>  12.346Wh\r\n");
    g.WattHours[1] = 0;
    g.LoggedValue[9] = 0;
    EXPECT_EQ(buildRecord(LogFamily::WD, g, at(23, 59)),
              "<T>23:59</T><L>60</L><V>.00</V><I>3.0</I><R>180</R><S>8</S>  0.000Wh\r\n");
}

TEST(LogRecords, ReRecordCarriesVoltsAndEightPowers)
{
    Global_Declarations g;
    defaultNames(g);
    g.LogDelay = 10;
    g.LoggedValue[9] = 24.1;
    for (int k = 1; k <= 8; ++k)
        g.LoggedWatts[k] = k * 100.4;
    EXPECT_EQ(buildRecord(LogFamily::RE, g, at(12, 0)),
              "<T>12:00</T><L>10</L><V1>24.10</V1><W1>100</W1><W2>201</W2><W3>301</W3><W4>402</W4>"
              "<W5>502</W5><W6>602</W6><W7>703</W7><W8>803</W8>\r\n");
}

TEST(LogRecords, MlRecordCarriesThreeVoltsAndTwoPulses)
{
    Global_Declarations g;
    defaultNames(g);
    g.LogDelay = 15.5;
    g.LoggedValue[9] = 12;
    g.LoggedValue[10] = 0.004;
    g.LoggedValue[11] = 230.555;
    g.LoggedValue[15] = 17;
    g.LoggedValue[16] = 0.5;
    EXPECT_EQ(buildRecord(LogFamily::ML, g, at(1, 2)),
              "<T>01:02</T><L>15.5</L><V1>12.00</V1><V2>0.00</V2><V3>230.56</V3><P1>17</P1><P2>1</P2>\r\n");
}

TEST(LogRecords, CcRecordCarriesMeterPowersAndLastTemperatures)
{
    Global_Declarations g;
    g.LogDelay = 6;
    for (int k = 1; k <= 8; ++k)
        g.LoggedWatts[k] = k;  // powers 1 and 5 are not meter channels
    g.RawValue[17] = 21.25;
    g.RawValue[21] = 8;
    EXPECT_EQ(buildRecord(LogFamily::CC, g, at(18, 30)),
              "<T>18:30</T><L>6</L><W1>2</W1><W2>3</W2><W3>4</W3><W4>6</W4><W5>7</W5><W6>8</W6>"
              "<C1>21.3</C1><C2>8.0</C2>\r\n");
}

TEST(LogRecords, EmptyElementNameStillGetsItsElement)
{
    Global_Declarations g;
    defaultNames(g);
    g.XMLsoftware[10] = "";
    g.LogDelay = 10;
    EXPECT_EQ(buildRecord(LogFamily::ML, g, at(1, 2)),
              "<T>01:02</T><L>10</L><V1>0.00</V1><>0.00</><V3>0.00</V3><P1>0</P1><P2>0</P2>\r\n");
}

TEST(LogRecords, FamiliesPerSystemType)
{
    using F = LogFamily;
    EXPECT_EQ(familiesForSystemType(0), std::vector<F>{F::WD});
    EXPECT_EQ(familiesForSystemType(1), std::vector<F>{F::GV});
    EXPECT_EQ(familiesForSystemType(2), std::vector<F>{F::GV});
    EXPECT_EQ(familiesForSystemType(3), std::vector<F>{F::CC});
    EXPECT_EQ(familiesForSystemType(4), std::vector<F>{F::CC});
    for (int t = 5; t <= 7; ++t)
        EXPECT_EQ(familiesForSystemType(t), std::vector<F>{F::RE});
    EXPECT_EQ(familiesForSystemType(8), (std::vector<F>{F::GV, F::RE, F::ML}));
    EXPECT_TRUE(familiesForSystemType(9).empty());
    EXPECT_TRUE(familiesForSystemType(-1).empty());
}

TEST(LogRecords, DailyAndHourlyFileNames)
{
    const LocalTime t{2010, 7, 4, 9, 59, 59};
    EXPECT_EQ(logDayName(t, 6), "2010_07_04");
    EXPECT_EQ(logDayName(t, 600), "2010_07_04");
    EXPECT_EQ(logDayName(t, 5), "2010_07_04_09");
    EXPECT_EQ(logDayName(t, 1), "2010_07_04_09");
    EXPECT_EQ(logDayName(t, 0), "2010_07_04_09");
    EXPECT_EQ(logDayName(t, 5.5), "2010_07_04");
    EXPECT_EQ(logDayName(LocalTime{2010, 12, 31, 23, 0, 0}, 2), "2010_12_31_23");
    EXPECT_EQ(logFileName(LogFamily::GV, "2010_07_04"), "GV_2010_07_04.txt");
    EXPECT_EQ(logFileName(LogFamily::RE, "2010_07_04_09"), "RE_2010_07_04_09.txt");
    EXPECT_EQ(logFileName(LogFamily::WD, "x"), "WD_x.txt");
    EXPECT_EQ(logFileName(LogFamily::ML, "x"), "ML_x.txt");
    EXPECT_EQ(logFileName(LogFamily::CC, "x"), "CC_x.txt");
    EXPECT_EQ(excelFileName("2010_07_04"), "2010_07_04.xls");
}

TEST(LogRecords, ExcelHeaderAndRow)
{
    EXPECT_EQ(excelHeader("mph"),
              "<html><body><table><tr><td><b>Volts</b></td><td><b>Amps</b></td><td><b>Power</b></td>"
              "<td><b>RPM</b></td><td><b>mph</b></td><td><b></b></td><td><b>Time</b></td></tr>\r\n\r\n");
    Global_Declarations g;
    g.LoggedValue[9] = 13.2;
    g.LoggedValue[1] = 0.1 * 3;  // shortest text with 15 significant digits
    g.LoggedWatts[1] = 3.96;
    g.LoggedValue[13] = 250;
    g.LoggedValue[12] = -0.5;
    EXPECT_EQ(excelRow(g, LocalTime{2010, 7, 4, 7, 8, 9}),
              "<tr><td>13.2</td><td>0.3</td><td>3.96</td><td>250</td><td>-0.5</td><td></td><td>07:08:09</td></tr>"
              "\r\n\r\n");
}

TEST(WattHourSummary, LineOfTheDocumentedExample)
{
    std::array<double, 11> wh{};
    wh[1] = 1234.5;
    wh[2] = 88;
    EXPECT_EQ(whoursLine(wh, LocalTime{2010, 7, 5, 0, 0, 4}),
              "2010_07_05,00:00, Wh1, 1234.5, Wh2, 88.0 ,Wh3, .0 ,Wh4, .0 ,Wh5, .0 ,Wh6, .0 ,Wh7, .0 ,Wh8, .0 Wh\r\n");
    wh.fill(0.26);
    wh[8] = 123456.78;
    EXPECT_EQ(whoursLine(wh, LocalTime{2011, 1, 1, 7, 30, 0}),
              "2011_01_01,07:30, Wh1, .3, Wh2, .3 ,Wh3, .3 ,Wh4, .3 ,Wh5, .3 ,Wh6, .3 ,Wh7, .3 ,Wh8, 123456.8 Wh\r\n");
}

TEST(ErrorTrapTexts, StatusLineLogLineAndCommsNotice)
{
    const LocalTime t{2010, 3, 7, 21, 4, 5};
    EXPECT_EQ(trappedErrorText(t, "calculations error", "Overflow"),
              "  Last Error trapped  21:04:05  ---  calculations error  Overflow");
    EXPECT_EQ(errorLogLine(t, "calculations error", "Overflow", "[<V>512</V>]"),
              "2010_03_07  21:04:05  calculations error  Overflow <IM> [<V>512</V>]\r\n");
    EXPECT_EQ(commsProblemMessage(),
              "There is a possible Port Number problem. Check available PORTS\r\n\r\nRUN SETUP HARDWARE MENU");
    EXPECT_STREQ(CommsProblemLabel, "     possible COMMS problem");
}
