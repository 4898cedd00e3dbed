#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "live/BarMeters.h"

using namespace gv;

TEST(BarMeters, ScalesFromTheDesignGeometry)
{
    const BarMeterScale s = barMeterScale(500, 1000);
    EXPECT_EQ(s.BarLength, 3800);
    EXPECT_DOUBLE_EQ(s.TwipsPerRPM, 7.6);
    EXPECT_DOUBLE_EQ(s.TwipsPerWatt, 3.8);
    EXPECT_EQ(s.RPMBarBottom, 4560);
    EXPECT_EQ(s.PowerBarBottom, 4560);
}

TEST(BarMeters, BarTopsFollowTheReadings)
{
    const BarMeterScale s = barMeterScale(500, 1000);
    BarTops t = barTops(s, 250, 1000);
    ASSERT_TRUE(t.valid);
    EXPECT_EQ(t.RPMBarTop, 2660);
    EXPECT_EQ(t.PowerBarTop, 760);
    EXPECT_EQ(t.rpmText, "250");
    EXPECT_EQ(t.powerText, "1000");

    t = barTops(s, 0, 0);
    EXPECT_EQ(t.RPMBarTop, 4560) << "zero length before the first message";
    EXPECT_EQ(t.PowerBarTop, 4560);
    EXPECT_EQ(t.rpmText, "0");
    EXPECT_EQ(t.powerText, "0");

    t = barTops(s, 600, 1200);
    EXPECT_EQ(t.PowerBarTop, 705) << "above full scale stops at the scale lines' top";
    EXPECT_EQ(t.RPMBarTop, 705);

    t = barTops(s, 100.9, 400.4);
    EXPECT_EQ(t.RPMBarTop, 3793); // floor(4560 - 766.84)
    EXPECT_EQ(t.PowerBarTop, 3038); // floor(4560 - 1521.52)
    EXPECT_EQ(t.powerText, "400");
    EXPECT_EQ(t.rpmText, "101");

    t = barTops(s, -0.5, -0.5);
    ASSERT_TRUE(t.valid) << "between -1 and 0 passes";
    EXPECT_EQ(t.RPMBarTop, 4563);
    EXPECT_EQ(t.PowerBarTop, 4561);
}

TEST(BarMeters, ReadingsOfMinusOneOrLessAreRefused)
{
    const BarMeterScale s = barMeterScale(500, 1000);
    EXPECT_FALSE(barTops(s, -1, 10).valid);
    EXPECT_FALSE(barTops(s, 10, -1).valid);
    EXPECT_FALSE(barTops(s, std::nan(""), 10).valid);
    EXPECT_EQ(barMeterLimitMessage(-3, 250),
              "Run setup to set graphing limits\r\npower = -3\r\nRPM = 250");
    EXPECT_EQ(barMeterLimitMessage(12.5, -1.25),
              "Run setup to set graphing limits\r\npower = 12.5\r\nRPM = -1.25");
}

TEST(BarMeters, ZeroFullScaleAndWildReadingsNeverFail)
{
    const BarMeterScale s = barMeterScale(0, -100);
    EXPECT_EQ(s.TwipsPerRPM, 0);
    EXPECT_EQ(s.TwipsPerWatt, 0);
    BarTops t = barTops(s, 300, 300);
    EXPECT_EQ(t.RPMBarTop, 4560);
    EXPECT_EQ(t.PowerBarTop, 4560);

    // A huge RPM reading clamps before the 16-bit conversion.
    t = barTops(barMeterScale(1, 1), 1e12, std::numeric_limits<double>::infinity());
    EXPECT_EQ(t.RPMBarTop, 705);
    EXPECT_EQ(t.PowerBarTop, 705);
    t = barTops(barMeterScale(1, 1), -0.99, 0);
    EXPECT_EQ(t.RPMBarTop, 8322); // floor(4560 + 3762): below the bottom, still in range
}
