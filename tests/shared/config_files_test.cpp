#include <gtest/gtest.h>

#include "shared/CodePage.h"
#include "shared/ConfigFiles.h"
#include "shared/FileIO.h"
#include "support/test_paths.h"

using namespace gv;
using gvtest::crlf;

namespace {

const std::string kExitHardware = crlf({
    "Program Config File",
    "",
    "<Port>3</Port>",
    "<SaveExcel>0</SaveExcel>",
    "<LogDelay>10</LogDelay>",
    "<LogOn>0</LogOn>",
    "<WSUnits>m/s</WSUnits>",
    "<BaudRate>4800</BaudRate>",
    "<DispMessages>0</DispMessages>",
    "<PersonalString>Personal Program NAME</PersonalString>",
    "<LastFile></LastFile>",
    "",
    "<SystemType>0</SystemType>",
    "",
});

} // namespace

// ------------------------------------------------------------------ hardware.cfg

TEST(HardwareCfg, ExitFormIsThirteenLinesAndAFinalLineEnd)
{
    EXPECT_EQ(hardwareCfgText(firstRunConfiguration()), kExitHardware);
}

TEST(HardwareCfg, ExitFormWritesFractionsAndTextsAsTheyAre)
{
    Global_Declarations g = firstRunConfiguration();
    g.LogDelay = 2.5;
    g.Port = 12;
    g.BaudRate = 115200;
    g.SystemType = 7;
    g.DispMessages = 1;
    g.PersonalString = "  My Mill  ";
    const std::string text = hardwareCfgText(g);
    EXPECT_NE(text.find("\r\n<LogDelay>2.5</LogDelay>\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n<Port>12</Port>\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n<BaudRate>115200</BaudRate>\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n<DispMessages>1</DispMessages>\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n<PersonalString>  My Mill  </PersonalString>\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n\r\n<SystemType>7</SystemType>\r\n\r\n"), std::string::npos);
    EXPECT_EQ(text.find("<M>"), std::string::npos);
}

TEST(HardwareCfg, SettingsDialogFormAddsTheTariffTexts)
{
    HardwareCfgValues v = hardwareValues(firstRunConfiguration());
    v.Port = "4";          // box texts go in as typed
    v.BaudRate = "9600";
    v.LogDelay = "5";
    const std::string expected = crlf({
        "Program Config File",
        "",
        "<Port>4</Port>",
        "<SaveExcel>0</SaveExcel>",
        "<LogDelay>5</LogDelay>",
        "<LogOn>0</LogOn>",
        "<WSUnits>m/s</WSUnits>",
        "<BaudRate>9600</BaudRate>",
        "<DispMessages>0</DispMessages>",
        "<PersonalString>Personal Program NAME</PersonalString>",
        "<LastFile></LastFile>",
        "",
        "<SystemType>0</SystemType>",
        "",
        "<M>10</M>",
        "<J>12</J>",
        "<Z>Combo1</Z>",
        "",
    });
    EXPECT_EQ(hardwareCfgTextWithTariffs(v, "10", "12", "Combo1"), expected);
}

TEST(HardwareCfg, LoadReadsEveryItemInAnyOrderAndIgnoresTariffs)
{
    const std::string text = "junk before\r\n<SystemType>4</SystemType><M>25</M>\r\n\r\n"
                             "<PersonalString> Mill  </PersonalString>\r\n<Port> 3 </Port>\n"
                             "<WSUnits>km/h</WSUnits><BaudRate>9600</BaudRate><SaveExcel>1</SaveExcel>"
                             "<LogOn>1</LogOn><DispMessages>1</DispMessages><LogDelay>20</LogDelay>"
                             "<LastFile>x.txt</LastFile>";
    Global_Declarations g;
    loadHardwareCfg(g, text);
    EXPECT_EQ(g.Port, 3);
    EXPECT_EQ(g.BaudRate, 9600);
    EXPECT_EQ(g.SaveExcel, 1);
    EXPECT_EQ(g.LogDelay, 20);
    EXPECT_EQ(g.LogOn, 1);
    EXPECT_EQ(g.WSUnits, "km/h");
    EXPECT_EQ(g.DispMessages, 1);
    EXPECT_EQ(g.PersonalString, " Mill  ");
    EXPECT_EQ(g.SystemType, 4);
    EXPECT_EQ(g.LastFile, "") << "LastFile is never read";
    EXPECT_EQ(g.TariffM, 0) << "tariffs are never read";
}

TEST(HardwareCfg, WithAndWithoutTariffsLoadTheSameAndTheExitFormHasNone)
{
    HardwareCfgValues v = hardwareValues(firstRunConfiguration());
    Global_Declarations a, b;
    loadHardwareCfg(a, hardwareCfgTextWithTariffs(v, "25", "10", "10"));
    loadHardwareCfg(b, hardwareCfgText(v));
    EXPECT_EQ(hardwareCfgText(a), hardwareCfgText(b));
    EXPECT_EQ(hardwareCfgText(a), kExitHardware);
}

TEST(HardwareCfg, KeysAreCaseSensitiveAndMissingItemsTakeTheirFirstRunValues)
{
    Global_Declarations g = firstRunConfiguration();
    g.Port = 7;
    g.WSUnits = "knots";
    const auto missing = loadHardwareCfg(g, "<port>7</port><BaudRate>1200</BaudRate><WSUnits>mph");
    EXPECT_EQ(g.Port, 3) << "a key in lower case is not found: the first-run port";
    EXPECT_EQ(g.BaudRate, 1200);
    EXPECT_EQ(g.WSUnits, "m/s") << "an item without its closing tag is missing";
    EXPECT_EQ(missing, (std::vector<std::string>{"Port", "SaveExcel", "LogDelay", "LogOn", "WSUnits",
                                                 "DispMessages", "PersonalString", "SystemType"}));

    g.Port = 7;
    loadHardwareCfg(g, "</Port>9<Port>");
    EXPECT_EQ(g.Port, 3) << "a closing tag before the opening one is not looked at";
    loadHardwareCfg(g, "</Port>9<Port>5</Port>");
    EXPECT_EQ(g.Port, 5);
}

TEST(HardwareCfg, StoredWidthsRoundHalfToEvenAndClamp)
{
    Global_Declarations g;
    loadHardwareCfg(g, "<SystemType>12</SystemType><DispMessages>2.5</DispMessages>");
    EXPECT_EQ(g.SystemType, 12) << "the start-up, not the load, corrects a type above 8";
    EXPECT_EQ(g.DispMessages, 2);
    loadHardwareCfg(g, "<SystemType>3.5</SystemType><DispMessages>300</DispMessages>");
    EXPECT_EQ(g.SystemType, 4);
    EXPECT_EQ(g.DispMessages, 255);
    loadHardwareCfg(g, "<SystemType>99999</SystemType><DispMessages>-4</DispMessages>");
    EXPECT_EQ(g.SystemType, 32767);
    EXPECT_EQ(g.DispMessages, 0);
    loadHardwareCfg(g, "<SystemType>-2</SystemType><Port>abc</Port>");
    EXPECT_EQ(g.SystemType, -2);
    EXPECT_EQ(g.Port, 0) << "a word reads as 0";
}

TEST(HardwareCfg, LoggingIntervalIsAlwaysUsable)
{
    Global_Declarations g;
    loadHardwareCfg(g, "<LogDelay>5</LogDelay>");
    EXPECT_EQ(g.LogDelay, 5);
    EXPECT_EQ(loggingIntervalMs(g.LogDelay), 5000);
    loadHardwareCfg(g, "<LogDelay>2.5</LogDelay>");
    EXPECT_EQ(loggingIntervalMs(g.LogDelay), 2500);
    loadHardwareCfg(g, "<LogDelay>0</LogDelay>");
    EXPECT_EQ(g.LogDelay, 1);
    loadHardwareCfg(g, "<LogDelay>-30</LogDelay>");
    EXPECT_EQ(g.LogDelay, 1);
    loadHardwareCfg(g, "<LogDelay>9000</LogDelay>");
    EXPECT_EQ(g.LogDelay, 600);
    EXPECT_EQ(loggingIntervalMs(g.LogDelay), 600000);
    loadHardwareCfg(g, "<LogDelay>ten</LogDelay>");
    EXPECT_EQ(g.LogDelay, 600) << "a word keeps the previous usable interval";

    Global_Declarations fresh;
    loadHardwareCfg(fresh, "<LogDelay>ten</LogDelay>");
    EXPECT_EQ(fresh.LogDelay, 10) << "no usable interval at all: the first-run default";
    Global_Declarations missing;
    loadHardwareCfg(missing, "<Port>3</Port>");
    EXPECT_EQ(missing.LogDelay, 10);
    EXPECT_EQ(loggingIntervalMs(0), 1000);
}

// ------------------------------------------------------------------ channels.cfg

TEST(ChannelsCfg, GoldenTextOfTheDefaultTable)
{
    Global_Declarations g = firstRunConfiguration();
    const std::string text = channelsCfgText(g);
    const std::string first = crlf({
        "<enableLOGGING1>1</enableLOGGING1>",
        "<enableDISPLAY1>1</enableDISPLAY1>",
        "<enableGRAPHING1>1</enableGRAPHING1>",
        "<HARDWAREenabled1>1</HARDWAREenabled1>",
        "<C1>WINDMILL AMPS</C1>",
        "<L1>16711680</L1>",
        "<M1>20</M1>",
        "<XMLsoftware1>A1</XMLsoftware1>",
        "<XMLhardware1>A1</XMLhardware1>",
        "",
    });
    const std::string last = crlf({
        "<enableLOGGING24>0</enableLOGGING24>",
        "<enableDISPLAY24>0</enableDISPLAY24>",
        "<enableGRAPHING24>0</enableGRAPHING24>",
        "<HARDWAREenabled24>0</HARDWAREenabled24>",
        "<C24>channel name</C24>",
        "<L24>65535</L24>",
        "<M24>1000</M24>",
        "<XMLsoftware24>W8</XMLsoftware24>",
        "<XMLhardware24>W8</XMLhardware24>",
        "",
    });
    ASSERT_GE(text.size(), first.size() + last.size());
    EXPECT_EQ(text.substr(0, first.size()), first);
    EXPECT_EQ(text.substr(text.size() - last.size()), last);
    size_t lines = 0;
    for (size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p + 2))
        ++lines;
    EXPECT_EQ(lines, 240u);
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1) << "every line end is CR LF";
    EXPECT_NE(text.find("\r\n<C12>WINDSPEED</C12>\r\n<L12>16776960</L12>\r\n<M12>50</M12>\r\n"),
              std::string::npos);
}

TEST(ChannelsCfg, WriteThenLoadRoundTripsEveryColumn)
{
    Global_Declarations g = firstRunConfiguration();
    g.ChannelName[3] = " spaced name ";
    g.LineColour[5] = -1;
    g.ChannelMaxReading[7] = -20;
    g.XMLhardware[20] = "";
    Global_Declarations h;
    loadChannelsCfg(h, channelsCfgText(g));
    for (int n = 1; n <= 24; ++n) {
        EXPECT_EQ(h.enableLOGGING[n], g.enableLOGGING[n]) << n;
        EXPECT_EQ(h.enableDISPLAY[n], g.enableDISPLAY[n]) << n;
        EXPECT_EQ(h.enableGRAPHING[n], g.enableGRAPHING[n]) << n;
        EXPECT_EQ(h.HARDWAREenabled[n], g.HARDWAREenabled[n]) << n;
        EXPECT_EQ(h.ChannelName[n], g.ChannelName[n]) << n;
        EXPECT_EQ(h.LineColour[n], g.LineColour[n]) << n;
        EXPECT_EQ(h.ChannelMaxReading[n], g.ChannelMaxReading[n]) << n;
        EXPECT_EQ(h.XMLsoftware[n], g.XMLsoftware[n]) << n;
        EXPECT_EQ(h.XMLhardware[n], g.XMLhardware[n]) << n;
    }
    EXPECT_EQ(channelsCfgText(h), channelsCfgText(g));
    EXPECT_EQ(h.ChannelName[0], "") << "element 0 stays unused";
}

TEST(ChannelsCfg, ChannelOneIsFoundAfterChannelsTenToNineteen)
{
    Global_Declarations g;
    loadChannelsCfg(g, "<C10>ten</C10><C11>eleven</C11><L12>7</L12><C1>one</C1><L1>5</L1>");
    EXPECT_EQ(g.ChannelName[1], "one");
    EXPECT_EQ(g.ChannelName[10], "ten");
    EXPECT_EQ(g.LineColour[1], 5);
    EXPECT_EQ(g.LineColour[12], 7);
}

TEST(ChannelsCfg, OutOfRangeValuesAreClampedAndMissingOnesTakeFirstRunValues)
{
    Global_Declarations g;
    g.ChannelName[2] = "not kept";
    g.ChannelMaxReading[2] = 33;
    loadChannelsCfg(g, "<enableDISPLAY1>256</enableDISPLAY1><M1>40000</M1><L1>9999999999</L1>"
                       "<HARDWAREenabled1>0.5</HARDWAREenabled1><enableGRAPHING1>1.5</enableGRAPHING1>"
                       "<M3>-40000</M3><L3>-9999999999</L3><M2>x</M2>");
    EXPECT_EQ(g.enableDISPLAY[1], 255);
    EXPECT_EQ(g.ChannelMaxReading[1], 32767);
    EXPECT_EQ(g.LineColour[1], 2147483647);
    EXPECT_EQ(g.HARDWAREenabled[1], 0) << "0.5 rounds to the even 0";
    EXPECT_EQ(g.enableGRAPHING[1], 2) << "1.5 rounds to the even 2 (and so is not a set flag)";
    EXPECT_FALSE(flagSet(g.enableGRAPHING[1]));
    EXPECT_EQ(g.ChannelMaxReading[3], -32768);
    EXPECT_EQ(g.LineColour[3], -2147483647 - 1);
    EXPECT_EQ(g.ChannelName[2], "channel name") << "missing: the first-run name";
    EXPECT_EQ(g.ChannelMaxReading[9], 60) << "missing: the first-run maximum";
    EXPECT_EQ(g.ChannelMaxReading[2], 0) << "a present item that is a word reads as 0";
}

TEST(ChannelsCfg, HardwareEditorVariantWritesGivenColoursAndMaxima)
{
    Global_Declarations g = firstRunConfiguration();
    auto colours = g.LineColour;
    std::array<double, 25> maxima{};
    for (int n = 1; n <= 24; ++n)
        maxima[n] = g.ChannelMaxReading[n];
    colours[2] = 12345;
    maxima[2] = 25;
    const std::string text = channelsCfgText(g, colours, maxima);
    EXPECT_NE(text.find("\r\n<L2>12345</L2>\r\n<M2>25</M2>\r\n"), std::string::npos);
}

// ------------------------------------------------------------- calibrations.cfg

TEST(CalibrationsCfg, GoldenTextAsTheCalibrationWindowWritesIt)
{
    Global_Declarations g;
    for (int n = 1; n <= 16; ++n) {
        g.ADCDivider[n] = 0.1;
        g.ADCOffset[n] = 0;
        g.ChannelSelection[n] = "V";
    }
    g.ADCDivider[1] = 0.0244140625; // rounds half away at the fifth decimal: 0.02441
    g.ADCOffset[1] = 512;
    g.ChannelSelection[1] = "A";
    g.ADCDivider[16] = 12.345678;
    g.ADCOffset[16] = 3.5;
    g.ChannelSelection[16] = "P";
    const std::string text = calibrationsCfgText(g);
    const std::string head = crlf({
        "Calibration Settings",
        "",
        "<ADCDivider(1)>0.02441</ADCDivider(1)>",
        "<ADCOffset(1)>00512</ADCOffset(1)>",
        "<ChannelSelection(1)>A</ChannelSelection(1)>",
        "",
        "<ADCDivider(2)>0.10000</ADCDivider(2)>",
        "<ADCOffset(2)>00000</ADCOffset(2)>",
        "<ChannelSelection(2)>V</ChannelSelection(2)>",
        "",
    });
    const std::string tail = crlf({
        "<ADCDivider(16)>12.34568</ADCDivider(16)>",
        "<ADCOffset(16)>00004</ADCOffset(16)>",
        "<ChannelSelection(16)>P</ChannelSelection(16)>",
        "",
    });
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    size_t lines = 0;
    for (size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p + 2))
        ++lines;
    EXPECT_EQ(lines, 2u + 16u * 4u);
}

TEST(CalibrationsCfg, BoxTextsAreFormattedWhenNumericAndWrittenUnchangedOtherwise)
{
    Global_Declarations g;
    std::array<std::string, 17> boxes;
    for (int n = 1; n <= 16; ++n)
        boxes[n] = "0.1";
    boxes[2] = "abc";
    boxes[3] = " 1.5 ";
    const std::string text = calibrationsCfgText(g, boxes);
    EXPECT_NE(text.find("<ADCDivider(1)>0.10000</ADCDivider(1)>"), std::string::npos);
    EXPECT_NE(text.find("<ADCDivider(2)>abc</ADCDivider(2)>"), std::string::npos);
    EXPECT_NE(text.find("<ADCDivider(3)>1.50000</ADCDivider(3)>"), std::string::npos);
}

TEST(CalibrationsCfg, LoadReadsBothWrittenFormsButNotTheKinds)
{
    // The first-run form ("0.10", "0") and the window's form read alike.
    const std::string text = crlf({
        "Calibration Settings",
        "",
        "<ADCDivider(1)>0.10</ADCDivider(1)>",
        "<ADCOffset(1)>0</ADCOffset(1)>",
        "<ChannelSelection(1)>A</ChannelSelection(1)>",
        "",
        "<ADCDivider(10)>0.02441</ADCDivider(10)>",
        "<ADCOffset(10)>00512</ADCOffset(10)>",
        "<ChannelSelection(10)>P</ChannelSelection(10)>",
    });
    Global_Declarations g;
    g.ADCDivider[2] = 7;
    g.ChannelSelection[1] = "V";
    loadCalibrationsCfg(g, text);
    EXPECT_DOUBLE_EQ(g.ADCDivider[1], 0.1);
    EXPECT_EQ(g.ADCOffset[1], 0);
    EXPECT_DOUBLE_EQ(g.ADCDivider[10], 0.02441);
    EXPECT_EQ(g.ADCOffset[10], 512);
    EXPECT_DOUBLE_EQ(g.ADCDivider[2], 0.1) << "a missing item takes the first-run factor";
    EXPECT_EQ(g.ChannelSelection[1], "V");
    loadChannelSelections(g, text);
    EXPECT_EQ(g.ChannelSelection[1], "A");
    EXPECT_EQ(g.ChannelSelection[10], "P");
}

// ------------------------------------------------------------- whole load / write

TEST(ConfigurationLoad, ReadsAllThreeFilesAndReportsTheTimer)
{
    gvtest::TempDir dir;
    Global_Declarations src = firstRunConfiguration();
    src.LogDelay = 20;
    src.Port = 5;
    src.ADCOffset[9] = 3;
    std::string err;
    ASSERT_TRUE(writeHardwareCfg(src, dir.path(), &err)) << err;
    ASSERT_TRUE(writeChannelsCfg(src, dir.path(), &err)) << err;
    ASSERT_TRUE(writeCalibrationsCfg(src, dir.path(), &err)) << err;
    EXPECT_EQ(gvtest::readFile(dir.file("hardware.cfg")), hardwareCfgText(src));

    Global_Declarations g;
    const ConfigLoadResult r = loadConfiguration(g, dir.path());
    EXPECT_TRUE(r.allRead());
    EXPECT_EQ(r.loggingIntervalMs, 20000);
    EXPECT_EQ(r.delayText, "20");
    EXPECT_EQ(r.portCaption, "Port Number  5");
    EXPECT_EQ(g.XMLhardware[12], "WS");
    EXPECT_EQ(g.ADCOffset[9], 3);
    EXPECT_DOUBLE_EQ(g.ADCDivider[16], 0.1);
    EXPECT_EQ(g.ChannelSelection[1], "") << "the configuration load leaves the kinds alone";
}

TEST(ConfigurationLoad, MissingFilesKeepValuesAndNeverStop)
{
    gvtest::TempDir dir;
    gvtest::writeFile(dir.file("channels.cfg"), "<C1>only</C1>");
    Global_Declarations g;
    g.Port = 4;
    g.ADCDivider[1] = 0.5;
    const ConfigLoadResult r = loadConfiguration(g, dir.path());
    EXPECT_FALSE(r.hardwareRead);
    EXPECT_TRUE(r.channelsRead);
    EXPECT_FALSE(r.calibrationsRead);
    EXPECT_FALSE(r.allRead());
    EXPECT_EQ(g.Port, 4);
    EXPECT_EQ(g.ChannelName[1], "only");
    EXPECT_EQ(g.ADCDivider[1], 0.5);
    EXPECT_EQ(g.LogDelay, 10) << "the zero start state never becomes a 0 ms timer";
    EXPECT_EQ(r.loggingIntervalMs, 10000);
}

TEST(ConfigurationLoad, DamagedFilesGiveFirstRunValuesAndNameTheMissingItems)
{
    gvtest::TempDir dir;
    // Each file cut short: hardware.cfg after "<WSUnits>m/s", channels.cfg
    // inside channel 23, calibrations.cfg after the offset of input 8.
    gvtest::writeFile(dir.file("hardware.cfg"), kExitHardware.substr(0, kExitHardware.find("m/s") + 3));
    Global_Declarations src = firstRunConfiguration();
    for (int n = 1; n <= 16; ++n) {
        src.ADCDivider[n] = 0.25;
        src.ChannelSelection[n] = "V";
    }
    const std::string channels = channelsCfgText(src);
    // A hand-edited element name with a line break and a tag with a DEL in it.
    std::string edited = channels.substr(0, channels.find("<L23>"));
    edited.replace(edited.find("A1</XMLsoftware1>"), 2, "A1\r\nX");
    edited.replace(edited.find("V1</XMLhardware9>"), 2, "V\x7F" "1");
    // Names and tags with brackets: "<XMLsoftware2><A2></XMLsoftware2>" as
    // a copied tag, and a stray "<" or ">".
    edited.replace(edited.find("A2</XMLsoftware2>"), 2, "<A2>");
    edited.replace(edited.find("A3</XMLhardware3>"), 2, "A>3");
    edited.replace(edited.find("A4</XMLsoftware4>"), 2, "<A4");
    gvtest::writeFile(dir.file("channels.cfg"), edited);
    const std::string calibrations = calibrationsCfgText(src);
    gvtest::writeFile(dir.file("calibrations.cfg"), calibrations.substr(0, calibrations.find("<ChannelSelection(8)>")));

    Global_Declarations g;
    const ConfigLoadResult r = loadConfiguration(g, dir.path());
    EXPECT_TRUE(r.allRead());
    EXPECT_EQ(r.portCaption, "Port Number  3");
    EXPECT_EQ(g.BaudRate, 4800);
    EXPECT_EQ(g.WSUnits, "m/s");
    EXPECT_EQ(g.PersonalString, "Personal Program NAME");
    EXPECT_EQ(hardwareCfgText(g), kExitHardware) << "nothing written back is worse than what was read";
    EXPECT_EQ(g.ChannelName[23], "channel name");
    EXPECT_EQ(g.LineColour[23], 65280);
    EXPECT_EQ(g.ChannelMaxReading[24], 1000);
    EXPECT_EQ(g.XMLsoftware[24], "W8");
    EXPECT_EQ(g.XMLsoftware[1], "A1");
    EXPECT_EQ(g.XMLhardware[9], "V1");
    EXPECT_EQ(channelsCfgText(g), channels);
    EXPECT_DOUBLE_EQ(g.ADCDivider[8], 0.25);
    EXPECT_DOUBLE_EQ(g.ADCDivider[9], 0.1) << "a factor cut off reads 0.1, not 0";
    EXPECT_EQ(g.ADCOffset[16], 0);

    ASSERT_EQ(r.missingItems.size(), 4u);
    EXPECT_EQ(r.missingItems[0], "hardware.cfg: items missing, first-run values used: BaudRate, WSUnits, "
                                 "DispMessages, PersonalString, SystemType");
    EXPECT_EQ(r.missingItems[1], "channels.cfg: items missing, first-run values used: L23, M23, XMLsoftware23, "
                                 "XMLhardware23, enableLOGGING24, enableDISPLAY24, enableGRAPHING24, "
                                 "HARDWAREenabled24, C24, L24, M24, XMLsoftware24 and 1 more");
    EXPECT_EQ(r.missingItems[2], "channels.cfg: items damaged, first-run values used: XMLsoftware1, "
                                 "XMLsoftware2, XMLhardware3, XMLsoftware4, XMLhardware9");
    EXPECT_EQ(r.missingItems[3], "calibrations.cfg: items missing, first-run values used: ADCOffset(9), "
                                 "ADCOffset(10), ADCOffset(11), ADCOffset(12), ADCOffset(13), ADCOffset(14), "
                                 "ADCOffset(15), ADCOffset(16), ADCDivider(9), ADCDivider(10), ADCDivider(11), "
                                 "ADCDivider(12) and 4 more");

    // A whole file read back: nothing missing.
    ASSERT_TRUE(writeHardwareCfg(g, dir.path()));
    ASSERT_TRUE(writeChannelsCfg(g, dir.path()));
    ASSERT_TRUE(writeCalibrationsCfg(g, dir.path()));
    EXPECT_TRUE(loadConfiguration(g, dir.path()).missingItems.empty());
}

TEST(ConfigurationWrite, FailedWriteLeavesTheOldFileAndReportsIt)
{
    gvtest::TempDir dir;
    Global_Declarations g = firstRunConfiguration();
    std::string err;
    EXPECT_FALSE(writeHardwareCfg(g, dir.file("no/such/folder"), &err));
    EXPECT_FALSE(err.empty());
    gvtest::writeFile(dir.file("hardware.cfg"), "old");
    ASSERT_TRUE(writeHardwareCfg(g, dir.path(), &err));
    EXPECT_EQ(gvtest::readFile(dir.file("hardware.cfg")), kExitHardware);
}

TEST(CodePage, EveryByteRoundTripsThroughTheFilesAndTheTextInMemory)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(utf8ToCodePage(codePageToUtf8(all)), all);
    EXPECT_EQ(codePageToUtf8("caf\xE9 \x80 \x93x\x94"), "caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D");
    EXPECT_EQ(firstCharacterOutsideCodePage("caf\xC3\xA9 \xE2\x82\xAC"), "");
    EXPECT_EQ(firstCharacterOutsideCodePage("a\xE2\x82\xBD" "b"), "\xE2\x82\xBD") << "the rouble sign has no byte";
    EXPECT_EQ(utf8ToCodePage("a\xE2\x82\xBD" "b"), "a?b");

    // A channel name and the settings texts with code-page letters survive a
    // load and a save of each file byte for byte.
    gvtest::TempDir dir;
    Global_Declarations g = firstRunConfiguration();
    g.PersonalString = "Moulin \xC3\xA9olien";
    g.WSUnits = "km/h \xE2\x80\x93";
    g.ChannelName[1] = "\xC3\xA9olienne \xE2\x82\xAC";
    ASSERT_TRUE(writeHardwareCfg(g, dir.path()));
    ASSERT_TRUE(writeChannelsCfg(g, dir.path()));
    const std::string hardware = gvtest::readFile(dir.file("hardware.cfg"));
    const std::string channels = gvtest::readFile(dir.file("channels.cfg"));
    EXPECT_NE(hardware.find("<PersonalString>Moulin \xE9olien</PersonalString>"), std::string::npos);
    EXPECT_NE(hardware.find("<WSUnits>km/h \x96</WSUnits>"), std::string::npos);
    EXPECT_NE(channels.find("<C1>\xE9olienne \x80</C1>"), std::string::npos);

    Global_Declarations back;
    loadConfiguration(back, dir.path());
    EXPECT_EQ(back.ChannelName[1], g.ChannelName[1]);
    EXPECT_EQ(back.PersonalString, g.PersonalString);
    ASSERT_TRUE(writeHardwareCfg(back, dir.path()));
    ASSERT_TRUE(writeChannelsCfg(back, dir.path()));
    EXPECT_EQ(gvtest::readFile(dir.file("hardware.cfg")), hardware);
    EXPECT_EQ(gvtest::readFile(dir.file("channels.cfg")), channels);
}
