// Rows per system type, the editors' item reader, the settings checks and
// the calibration window's texts.
#include <gtest/gtest.h>

#include "config/Calibration.h"
#include "config/ChannelRows.h"
#include "config/ConfigValidation.h"
#include "config/FirstRun.h"
#include "config/ProgramSettings.h"
#include "shared/Global_Declarations.h"

#include <vector>

using namespace gv;

namespace {
std::vector<int> rowsOf(int type)
{
    std::vector<int> rows;
    for (int n = 1; n <= 24; ++n)
        if (channelRowShown(type, n))
            rows.push_back(n);
    return rows;
}
std::vector<int> framesOf(int type)
{
    std::vector<int> rows;
    for (int n = 1; n <= 16; ++n)
        if (calibrationFrameShown(type, n))
            rows.push_back(n);
    return rows;
}
std::vector<int> range(int a, int b, std::vector<int> v = {})
{
    for (int n = a; n <= b; ++n)
        v.push_back(n);
    return v;
}
} // namespace

TEST(ChannelRows, RowsShownPerSystemType)
{
    EXPECT_EQ(rowsOf(0), (std::vector<int>{1, 9, 12, 13, 17}));
    EXPECT_EQ(rowsOf(1), (std::vector<int>{1, 2, 9, 12, 13, 14, 17, 18}));
    EXPECT_EQ(rowsOf(2), (std::vector<int>{1, 2, 3, 4, 9, 12, 13, 14, 17, 18, 19, 20}));
    EXPECT_EQ(rowsOf(3), (std::vector<int>{19, 20, 21}));
    EXPECT_EQ(rowsOf(4), range(19, 24));
    EXPECT_EQ(rowsOf(5), (std::vector<int>{1, 2, 3, 4, 9, 17, 18, 19, 20}));
    EXPECT_EQ(rowsOf(6), range(17, 24, range(1, 9)));
    EXPECT_EQ(rowsOf(7), rowsOf(6));
    EXPECT_EQ(rowsOf(8), range(1, 24));
    EXPECT_EQ(rowsOf(-1), range(1, 24)) << "a type outside 0..8 changes no row";
    EXPECT_FALSE(laysOutRows(9));
    EXPECT_TRUE(laysOutRows(0));
}

TEST(ChannelRows, BuiltInTextsOfTheRows)
{
    EXPECT_EQ(defaultHardwareTag(1), "I");
    EXPECT_EQ(defaultHardwareTag(8), "I8");
    EXPECT_EQ(defaultHardwareTag(9), "V");
    EXPECT_EQ(defaultHardwareTag(11), "V3");
    EXPECT_EQ(defaultHardwareTag(12), "S");
    EXPECT_EQ(defaultHardwareTag(14), "R2");
    EXPECT_EQ(defaultHardwareTag(15), "P1");
    EXPECT_EQ(defaultHardwareTag(17), "W");
    EXPECT_EQ(defaultHardwareTag(24), "W8");
    EXPECT_EQ(builtInElementName(1), "A");
    EXPECT_EQ(builtInElementName(2), "A2");
    EXPECT_EQ(builtInElementName(13), "R");
    EXPECT_EQ(hardwareFrameCaption(5), "Aux Amps5");
    EXPECT_EQ(hardwareFrameCaption(21), "Aux Power5");
    EXPECT_EQ(loggingFrameCaption(21), "Aux power5");
    EXPECT_EQ(loggingFrameCaption(10), "Aux Volts 1");
    EXPECT_EQ(loggingFrameCaption(11), "Aux Volts2");
    EXPECT_EQ(laidOutChannelName(3), "ADC Amps channnel");
    EXPECT_EQ(laidOutChannelName(16), "AUX Pulse channnel");
    EXPECT_EQ(maximumChoices(9), (std::vector<int>{15, 30, 60, 120, 240}));
    EXPECT_EQ(maximumChoices(15).size(), 15u);
    EXPECT_EQ(maximumChoices(24).back(), 5000);
}

TEST(ChannelRows, ReaderGivesFirstRunValuesForMissingItemsAndSkipsUnfittingOnes)
{
    const std::string text = "<enableLOGGING1>300</enableLOGGING1><enableDISPLAY1>2</enableDISPLAY1>"
                             "<HARDWAREenabled1>1</HARDWAREenabled1><C1> my mill </C1><L1>-5</L1>"
                             "<M1>40000</M1><XMLsoftware1></XMLsoftware1><C10>ten</C10>";
    const ChannelRowItems r = readChannelRow(text, 1);
    EXPECT_FALSE(r.enableLOGGING) << "300 does not fit a byte";
    EXPECT_EQ(r.enableDISPLAY, 2);
    EXPECT_EQ(r.enableGRAPHING, 1) << "missing: the first-run flag of channel 1";
    EXPECT_EQ(r.HARDWAREenabled, 1);
    EXPECT_EQ(r.name, " my mill ");
    EXPECT_EQ(r.colour, -5) << "fits 32 bits; whether a label takes it is the window's business";
    EXPECT_FALSE(r.maximum) << "40000 does not fit 16 bits";
    EXPECT_EQ(r.xmlSoftware, "");
    EXPECT_EQ(r.xmlHardware, "A1") << "missing: the first-run tag";
    EXPECT_EQ(readChannelRow(text, 10).name, "ten");
    // A tag or element name with a control character is damaged: first-run.
    const ChannelRowItems damaged =
        readChannelRow("<XMLsoftware2>A\r\n2</XMLsoftware2><XMLhardware2>A\t2</XMLhardware2>", 2);
    EXPECT_EQ(damaged.xmlSoftware, "A2");
    EXPECT_EQ(damaged.xmlHardware, "A2");
    const ChannelRowItems bracketed =
        readChannelRow("<XMLsoftware3><A3></XMLsoftware3><XMLhardware3>V>1</XMLhardware3>", 3);
    EXPECT_EQ(bracketed.xmlSoftware, "A3") << "a tag copied with its brackets is damaged too";
    EXPECT_EQ(bracketed.xmlHardware, "A3");
    EXPECT_EQ(readChannelRow(text, 10).maximum, 30);

    // A maximum box is refused when the load would read it back as 0.
    for (const char* zero : {"0", "0.4", "0.5", "-0.2", "none", ""})
        EXPECT_TRUE(maximumReadsAsZero(zero)) << zero;
    for (const char* fine : {"0.6", "20", "-3", "70000"})
        EXPECT_FALSE(maximumReadsAsZero(fine)) << fine;
    EXPECT_EQ(zeroMaximumMessage(20, "Aux load"),
              "there is an error with a maximum limit of zero\r\nchannel 20 (Aux load)\r\n"
              "correct the problem and try again");
}

TEST(Validation, IntervalsWholeNumbersAndItemTexts)
{
    EXPECT_EQ(validLogDelay("10"), 10);
    EXPECT_EQ(validLogDelay(" 2.5 "), 2.5);
    EXPECT_EQ(validLogDelay("1"), 1);
    EXPECT_EQ(validLogDelay("600"), 600);
    for (const char* bad : {"0", "0.5", "600.5", "-3", "abc", "", "10s", "nan", "1e400"})
        EXPECT_FALSE(validLogDelay(bad)) << bad;
    EXPECT_EQ(wholeNumber(" 12 "), 12);
    for (const char* bad : {"", "3.0", "-3", "+3", "3a", "1e3"})
        EXPECT_FALSE(wholeNumber(bad)) << bad;
    EXPECT_TRUE(safeItemText("Windmill 1 (north) & more"));
    EXPECT_TRUE(safeItemText(""));
    for (const char* bad : {"a<b", "a>b", "</C1>", "two\nlines", "cr\r"})
        EXPECT_FALSE(safeItemText(bad)) << bad;

    // Code-page letters pass; a character the files cannot hold is refused by name.
    EXPECT_EQ(itemTextRefusal("Moulin \xC3\xA9olien \xE2\x82\xAC", "The OWN name"), "");
    EXPECT_EQ(itemTextRefusal("a<b", "The OWN name"), unsafeTextMessage("The OWN name"));
    EXPECT_EQ(itemTextRefusal("5 \xE2\x82\xBD", "Power cost 1"),
              "Power cost 1 may not contain \"\xE2\x82\xBD\": the configuration files cannot hold that "
              "character\r\ncorrect the text and try again");
}

TEST(ProgramSettings, ChecksInOrderAndAdvisesShortIntervals)
{
    ProgramSetupBoxes b;
    b.port = "3";
    b.baud = "4800";
    b.logDelay = "5";
    b.personal = "Mill";
    b.wsUnits = "m/s";
    b.cents[0] = b.cents[1] = b.cents[2] = "10";
    SettingsCheck c = checkSettingsBoxes(b);
    EXPECT_TRUE(c.refusal.empty());
    EXPECT_TRUE(c.advise);
    EXPECT_EQ(c.logDelay, 5);
    b.logDelay = "10";
    EXPECT_FALSE(checkSettingsBoxes(b).advise);

    b.cents[2] = "</Z>";
    EXPECT_EQ(checkSettingsBoxes(b).refusal.rfind("Power cost 3 may not contain", 0), 0u);
    b.cents[2] = "ten cents";  // any other text is kept as typed
    EXPECT_TRUE(checkSettingsBoxes(b).refusal.empty());
    b.wsUnits = "m\r\ns";
    EXPECT_EQ(checkSettingsBoxes(b).refusal.rfind("The wind speed units", 0), 0u);
    b.wsUnits = "km/h \xE2\x80\x94 \xE2\x82\xBD";  // the em dash fits the code page, the rouble sign not
    EXPECT_EQ(checkSettingsBoxes(b).refusal.rfind("The wind speed units may not contain \"\xE2\x82\xBD\"", 0), 0u);
    b.wsUnits = "m/s";
    for (const char* port : {"0", "256"}) {
        b.port = port;
        EXPECT_EQ(checkSettingsBoxes(b).refusal, "The port number must be a whole number from 1 to 255 (1 for COM1)");
    }

    EXPECT_EQ(baudRateChoices().size(), 14u);
    EXPECT_EQ(logDelayChoices().back(), "600");
    const auto t = tariffChoices();
    ASSERT_EQ(t.size(), 28u);
    EXPECT_EQ(t[15], "25");
    EXPECT_EQ(t[16], "44");
    EXPECT_EQ(t[27], "55");
}

TEST(Calibration, FramesAndHeightsPerSystemType)
{
    EXPECT_EQ(framesOf(0), (std::vector<int>{1, 9, 12, 13}));
    EXPECT_EQ(framesOf(1), (std::vector<int>{1, 2, 9, 12, 13, 14}));
    EXPECT_EQ(framesOf(2), (std::vector<int>{1, 2, 3, 4, 9, 12, 13, 14}));
    EXPECT_TRUE(framesOf(3).empty());
    EXPECT_TRUE(framesOf(4).empty());
    EXPECT_EQ(framesOf(5), (std::vector<int>{1, 2, 3, 4, 9}));
    EXPECT_EQ(framesOf(6), range(1, 9));
    EXPECT_EQ(framesOf(7), range(1, 11));
    EXPECT_EQ(framesOf(8), range(1, 16));
    EXPECT_EQ(calibrationWindowHeightTwips(0), 4850);
    EXPECT_EQ(calibrationWindowHeightTwips(2), 5430);
    EXPECT_EQ(calibrationWindowHeightTwips(8), 0);
    EXPECT_TRUE(calibrationNotRequired(3));
    EXPECT_FALSE(calibrationNotRequired(5));
}

TEST(Calibration, LoadReadsOffsetsOnlyWhenWhollyNumeric)
{
    Global_Declarations g;
    g.ADCOffset[2] = 7;
    g.ADCDivider[3] = 0.5;
    g.ChannelSelection[4] = "A";
    loadCalibrationItems(g, "<ADCOffset(1)>00512</ADCOffset(1)><ADCOffset(2)>12abc</ADCOffset(2)>"
                            "<ADCDivider(1)>0.25xyz</ADCDivider(1)><ChannelSelection(1)>P</ChannelSelection(1)>");
    EXPECT_EQ(g.ADCOffset[1], 512);
    EXPECT_EQ(g.ADCOffset[2], 7) << "not a number as a whole: kept";
    EXPECT_EQ(g.ADCDivider[1], 0.25);
    EXPECT_EQ(g.ADCDivider[3], 0.1) << "missing: the first-run factor";
    EXPECT_EQ(g.ChannelSelection[1], "P");
    EXPECT_EQ(g.ChannelSelection[4], "V") << "missing: the first-run kind";

    // The first-run file loads as volts, offset 0, factor 0.1.
    loadCalibrationItems(g, defaultCalibrationsText());
    for (int n = 1; n <= 16; ++n) {
        EXPECT_EQ(g.ADCOffset[n], 0);
        EXPECT_DOUBLE_EQ(g.ADCDivider[n], 0.1);
        EXPECT_EQ(g.ChannelSelection[n], "V");
    }
}

TEST(Calibration, ReadoutTextsAndFactorCheck)
{
    EXPECT_EQ(rawReadingText(7), "007");
    EXPECT_EQ(rawReadingText(512), "512");
    EXPECT_EQ(rawReadingText(1023), "1023");
    EXPECT_EQ(previewText(612, 512, "0.1"), "10.00");
    EXPECT_EQ(previewText(512, 512, "0.10000"), "0.00");
    EXPECT_EQ(previewText(500, 512, "0.5"), "-6.00") << "the preview does not clamp";
    EXPECT_EQ(previewText(100, 0, "0.005"), "0.50");
    EXPECT_FALSE(previewText(100, 0, "abc"));

    std::array<std::string, 17> f;
    for (int n = 1; n <= 16; ++n)
        f[n] = "0.10000";
    EXPECT_FALSE(firstNonNumericFactor(f));
    f[12] = "x0.1";
    f[14] = "";
    EXPECT_EQ(firstNonNumericFactor(f), 12);
    EXPECT_EQ(nonNumericFactorMessage(12, "WINDSPEED"),
              "The calibration factor of channel 12 (WINDSPEED) is not a number\r\ncorrect it and SAVE again");
}
