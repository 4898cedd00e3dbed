#include <gtest/gtest.h>

#include "graphs/multichannel/MultiChannelSeries.h"
#include "support/test_paths.h"

using namespace gv;
using namespace gv::multichannel;

namespace {

Global_Declarations defaultTable()
{
    Global_Declarations g;
    gvtest::defaultNames(g);
    for (int n = 1; n <= 24; ++n) {
        g.ChannelMaxReading[static_cast<size_t>(n)] = static_cast<std::int16_t>(100 * n);
        g.LineColour[static_cast<size_t>(n)] = 1000 + n;
    }
    return g;
}

std::vector<std::string> names(const WindowDef& w, const std::vector<int>& order)
{
    std::vector<std::string> out;
    for (int i : order)
        out.push_back(w.series[static_cast<size_t>(i)].array);
    return out;
}

std::string minCaption(const SeriesDef& s, double v)
{
    MaxMinToggleState t; // unset: the first click shows the minimum
    return maxMinLabelText(t, 0, v, s.extremes);
}
std::string maxCaption(const SeriesDef& s, double v)
{
    MaxMinToggleState t;
    t.MaxMinToggle = 1;
    return maxMinLabelText(t, v, 0, s.extremes);
}
std::string readoutCaption(const SeriesDef& s, double v) { return readoutText(v, s.readout); }

} // namespace

TEST(DerivedSeries, SiteVariantRules)
{
    // 500/200/100/50/30/20 W on the six meters.
    auto d = derivedSeries({0, 500, 200, 100, 50, 30, 20});
    EXPECT_EQ(d, (std::array<double, 6>{400, 450, 130, 180, 300, 0}));

    // Export: meter 2 above meter 1; differences may go negative, the
    // consumption pair never does and only one of them is above 0.
    d = derivedSeries({0, 100, 250, 400, 120, 0, 300});
    EXPECT_EQ(d, (std::array<double, 6>{-300, -20, 400, -50, 0, 150}));

    // A record without <W3> reads 0 there.
    d = derivedSeries({0, 700, 0, 0, 0, 80, 0});
    EXPECT_EQ(d[0], 700);
    EXPECT_EQ(d[2], 80);
}

TEST(SeriesTables, DrawingCheckBoxAndReadoutOrders)
{
    const auto& re = windowDef(WindowKind::RE);
    EXPECT_EQ(names(re, {0, 1, 2, 3, 4, 5, 6, 7, 8}),
              (std::vector<std::string>{"Watts1", "Watts2", "Watts3", "Watts4", "Watts5", "Watts6",
                                        "Watts7", "Watts8", "Volts"}));
    EXPECT_EQ(names(re, re.readoutOrder)[0], "Volts");

    const auto& ml = windowDef(WindowKind::ML);
    EXPECT_EQ(names(ml, ml.readoutOrder),
              (std::vector<std::string>{"Volts1", "Volts2", "Volts3", "Pulse2", "Pulse3"}));

    const auto& cc = windowDef(WindowKind::CC);
    EXPECT_EQ(cc.series.size(), 8u);
    EXPECT_EQ(names(cc, cc.readoutOrder),
              (std::vector<std::string>{"Watts1", "Watts2", "Watts3", "Watts4", "Watts5", "Watts6",
                                        "Temp1", "Temp2"}));
    const auto& qf = windowDef(WindowKind::QF);
    EXPECT_EQ(qf.series.size(), 14u);
    EXPECT_STREQ(qf.series[13].array, "Watts12");
    EXPECT_STREQ(qf.series[13].caption, "Total M Power Consumed ");
    EXPECT_EQ(qf.series[13].colour, 0x80FF80);
    EXPECT_STREQ(qf.series[0].checkBox, "temperature1");
    EXPECT_STREQ(cc.series[0].checkBox, "Check1");
    EXPECT_EQ(cc.series[0].startFlag, 1);
    EXPECT_EQ(cc.series[1].startFlag, 0);
}

TEST(SeriesTables, ElementNamesFollowChannelTableOrFixedTags)
{
    auto g = defaultTable();
    const auto& re = windowDef(WindowKind::RE);
    EXPECT_EQ(elementName(re.series[0], g), "W1");
    EXPECT_EQ(elementName(re.series[8], g), "V1");
    g.XMLsoftware[9] = "BATT";
    EXPECT_EQ(elementName(re.series[8], g), "BATT");

    const auto& ml = windowDef(WindowKind::ML);
    EXPECT_EQ(elementName(ml.series[3], g), "P1");
    EXPECT_EQ(elementName(ml.series[4], g), "P2");

    // Current Cost records use fixed names, whatever the channel table says.
    g.XMLsoftware[19] = "something";
    const auto& qf = windowDef(WindowKind::QF);
    EXPECT_EQ(elementName(qf.series[0], g), "C1");
    EXPECT_EQ(elementName(qf.series[2], g), "W1");
    EXPECT_EQ(elementName(qf.series[7], g), "W6");
    EXPECT_EQ(elementName(qf.series[8], g), "");
}

TEST(SeriesTables, ScalesAndColours)
{
    auto g = defaultTable();
    const auto& cc = windowDef(WindowKind::CC);
    EXPECT_EQ(fullScale(cc.series[0], g), 50);
    EXPECT_EQ(lineColour(cc.series[0], g), 65280);
    EXPECT_EQ(fullScale(cc.series[2], g), 1900);  // Watts1: channel 19
    EXPECT_EQ(lineColour(cc.series[7], g), 1024); // Watts6: channel 24

    const auto& qf = windowDef(WindowKind::QF);
    // Derived series draw in the colours of channels 3..8.
    EXPECT_EQ(lineColour(qf.series[8], g), 1003);
    EXPECT_EQ(lineColour(qf.series[13], g), 1008);
    EXPECT_EQ(fullScale(qf.series[8], g), 1900);         // Watts1 - Watts3
    EXPECT_EQ(fullScale(qf.series[10], g), 2100 + 2300); // Watts3 + Watts5
    EXPECT_EQ(fullScale(qf.series[11], g), 2000);        // Watts2 - Watts6
    EXPECT_EQ(fullScale(qf.series[13], g), 2000);        // Watts2 - Watts1

    EXPECT_EQ(cc.loopStartOffset, 0);
    EXPECT_EQ(qf.loopStartOffset, 1);
}

TEST(ValueLabels, MaxMinCaptionsPerWindow)
{
    const auto& re = windowDef(WindowKind::RE);
    EXPECT_EQ(minCaption(re.series[8], 0), " Min = 0 V");
    EXPECT_EQ(minCaption(re.series[8], 11.9), "MIN 11.90 V");
    EXPECT_EQ(maxCaption(re.series[0], 5), "MAX 05 W");
    EXPECT_EQ(readoutCaption(re.series[8], 24.6), "24.60 V");
    EXPECT_EQ(readoutCaption(re.series[3], 7), "07 W");

    const auto& ml = windowDef(WindowKind::ML);
    EXPECT_EQ(minCaption(ml.series[0], 0), "MIN 0.00 V");
    EXPECT_EQ(maxCaption(ml.series[3], 5), "MAX 05");
    EXPECT_EQ(readoutCaption(ml.series[3], 5.004), "5");
    EXPECT_EQ(readoutCaption(ml.series[0], 12.125), "12.12 V");  // half to even
    EXPECT_EQ(readoutCaption(ml.series[0], 12.135), "12.14 V");

    const auto& cc = windowDef(WindowKind::CC);
    EXPECT_EQ(minCaption(cc.series[4], 35.5), "Min 35.5 W");
    EXPECT_EQ(minCaption(cc.series[4], 0), "Min 0 W");
    EXPECT_EQ(maxCaption(cc.series[4], 1234), "MAX 1234 W");
    EXPECT_EQ(minCaption(cc.series[0], 18.5), "MIN 18.5 C");
    EXPECT_EQ(maxCaption(cc.series[0], 24), "MAX 24 C");
    EXPECT_EQ(readoutCaption(cc.series[0], 21.46), "21.5");
    EXPECT_EQ(readoutCaption(cc.series[2], 1234.4), "1234 W");

    const auto& qf = windowDef(WindowKind::QF);
    EXPECT_EQ(minCaption(qf.series[8], -250), " Min = 0 W");
    EXPECT_EQ(minCaption(qf.series[2], 120), "MIN 120 W");
    EXPECT_EQ(maxCaption(qf.series[13], 40000), "MAX 40000 W");
    EXPECT_EQ(readoutCaption(qf.series[9], -35), "-35 W");
}

TEST(WindowTables, NamesPatternsAndMessages)
{
    EXPECT_EQ(todayFileName(windowDef(WindowKind::RE).familyPrefix, 2025, 3, 5), "RE_2025_03_05.txt");
    EXPECT_EQ(todayFileName(windowDef(WindowKind::QF).familyPrefix, 2026, 12, 8), "CC_2026_12_08.txt");
    EXPECT_STREQ(windowDef(WindowKind::ML).filePattern, "ML*.TXT");
    EXPECT_STREQ(windowDef(WindowKind::ML).overLimitMessage, "Over 10,000 records, too many to display.");
    EXPECT_EQ(std::string(windowDef(WindowKind::CC).overLimitMessage).back(), ' ');
    EXPECT_EQ(windowDef(WindowKind::RE).missingIntervalSeconds, 10);
    EXPECT_EQ(windowDef(WindowKind::CC).missingIntervalSeconds, 0);
    EXPECT_STREQ(windowDef(WindowKind::QF).collationFile, "QFWattHours.txt");
    EXPECT_STREQ(windowDef(WindowKind::QF).collationTitle,
                 "daily Quorra Flats watthours for these dates");
    EXPECT_STREQ(windowDef(WindowKind::ML).collationFile, "");
}
