#include <gtest/gtest.h>

#include "live/BatteryBands.h"

using namespace gv;

namespace {
BatteryIndicator tick(double v, BatteryIndicator s = {})
{
    batteryTick(v, s);
    return s;
}
} // namespace

TEST(BatteryBands, DesignLookUntilTheFirstTick)
{
    const BatteryIndicator s;
    EXPECT_EQ(s.caption, "00.00");
    EXPECT_EQ(s.systemText, "Label2");
    EXPECT_EQ(s.backColour, BattLightGreen);
}

TEST(BatteryBands, TwelveVoltBands)
{
    struct Case {
        double v;
        std::int32_t back, close;
    } cases[] = {
        {0, BattRed, BattBlue},          {12.0, BattRed, BattBlue},
        {12.3, BattOrange, BattRed},     {12.5, BattOrange, BattRed},
        {12.7, BattYellow, BattRed},     {12.85, BattLightGreen, BattRed},
        {13.1, BattLightGreen, BattRed}, {13.5, BattGreen, BattRed},
        {14.0, BattGreen, BattRed},      {14.2, BattYellow, BattRed},
        {14.5, BattYellow, BattRed},     {14.9, BattRed, BattBlue},
    };
    for (const Case& c : cases) {
        const BatteryIndicator s = tick(c.v);
        EXPECT_EQ(s.systemText, "12") << c.v;
        EXPECT_EQ(s.backColour, c.back) << c.v;
        EXPECT_EQ(s.closeColour, c.close) << c.v;
    }
    EXPECT_EQ(tick(0).caption, "0.00 V");
    EXPECT_EQ(tick(12.85).caption, "12.85 V");
}

TEST(BatteryBands, HigherSystemsCompareAScaledCopy)
{
    BatteryIndicator s = tick(25.6);
    EXPECT_EQ(s.caption, "25.60 V");
    EXPECT_EQ(s.systemText, "24");
    EXPECT_EQ(s.backColour, BattYellow) << "12.8 is the top of the yellow band";
    s = tick(26.0);
    EXPECT_EQ(s.caption, "26.00 V");
    EXPECT_EQ(s.backColour, BattLightGreen);
    s = tick(15.0);
    EXPECT_EQ(s.systemText, "24");
    EXPECT_EQ(s.backColour, BattRed);
    EXPECT_EQ(s.closeColour, BattBlue);
    s = tick(59.9);
    EXPECT_EQ(s.systemText, "48");
    EXPECT_EQ(s.backColour, BattRed);
    EXPECT_EQ(s.closeColour, BattBlue);
    s = tick(52.0); // 13.0
    EXPECT_EQ(s.systemText, "48");
    EXPECT_EQ(s.backColour, BattLightGreen);
}

TEST(BatteryBands, MainsBands)
{
    BatteryIndicator s = tick(60);
    EXPECT_EQ(s.systemText, "240");
    EXPECT_EQ(s.backColour, BattRed);
    EXPECT_EQ(s.closeColour, BattBlue);
    EXPECT_EQ(tick(223).backColour, BattLightGreen);
    EXPECT_EQ(tick(230).backColour, BattGreen);
    EXPECT_EQ(tick(245).backColour, BattGreen);
    EXPECT_EQ(tick(248).backColour, BattLightGreen);
    s = tick(255);
    EXPECT_EQ(s.backColour, BattRed);
    EXPECT_EQ(s.closeColour, BattBlue);
}

TEST(BatteryBands, ValuesNoTestMatchesKeepThePreviousLook)
{
    BatteryIndicator s = tick(13.5); // green
    s = tick(12.2, s);
    EXPECT_EQ(s.backColour, BattGreen) << "exactly 12.2 keeps the previous background";
    EXPECT_EQ(s.closeColour, BattRed);
    EXPECT_EQ(s.caption, "12.20 V");

    s = tick(24.4, tick(14.9)); // 12.2 on a 24 V system
    EXPECT_EQ(s.systemText, "24");
    EXPECT_EQ(s.backColour, BattRed);

    s = tick(220, tick(230));
    EXPECT_EQ(s.backColour, BattGreen);

    // 260 V or more: only the caption (and the close colour) change.
    s = tick(300, tick(26.0));
    EXPECT_EQ(s.caption, "300.00 V");
    EXPECT_EQ(s.systemText, "24");
    EXPECT_EQ(s.backColour, BattLightGreen);
}

TEST(BatteryBands, ClicksAlternateMinimumFirst)
{
    int toggle = 0;
    EXPECT_EQ(batteryMaxMinText(toggle, 28.44, 23.06), "MIN 23.1V");
    EXPECT_EQ(toggle, 1);
    EXPECT_EQ(batteryMaxMinText(toggle, 28.44, 23.06), "MAX 28.4V");
    EXPECT_EQ(toggle, 0);
    EXPECT_EQ(batteryMaxMinText(toggle, 0, 1000), "MIN 1000.0V");
}
