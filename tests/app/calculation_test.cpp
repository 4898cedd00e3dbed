#include <gtest/gtest.h>

#include <cmath>

#include "app/Calculation.h"
#include "engine_state.h"

using namespace gv;

using gvtest::startedState;

TEST(Calculation, ScalingClampsBelowOffsetAndNeverRaisesTheHigh)
{
    Global_Declarations g = startedState(1);
    g.RawValue[1] = 500;
    g.ADCOffset[1] = 512;
    g.MaxMin[0] = 3;
    ASSERT_TRUE(calculateChannels(g, false).done);
    EXPECT_EQ(g.ChannelValue[1], 0);
    EXPECT_EQ(g.MaxMin[0], 3);

    g.RawValue[1] = 562; // (562 - 512) * 0.1 = 5
    ASSERT_TRUE(calculateChannels(g, false).done);
    EXPECT_DOUBLE_EQ(g.ChannelValue[1], 5);
    EXPECT_DOUBLE_EQ(g.MaxMin[0], 5);
    EXPECT_DOUBLE_EQ(g.AccumulatedValue[1], 5);
    EXPECT_EQ(g.goodDATAcount, 2);
}

TEST(Calculation, VoltsHighsAndLowsIgnoreZeroReadings)
{
    Global_Declarations g = startedState(1);
    g.RawValue[9] = 126;
    ASSERT_TRUE(calculateChannels(g, false).done);
    EXPECT_DOUBLE_EQ(g.MaxMin[MaxMinSlot::VoltsMinFirst], 12.6);
    EXPECT_DOUBLE_EQ(g.MaxMin[MaxMinSlot::VoltsMaxFirst], 12.6);

    g.RawValue[9] = 0;
    ASSERT_TRUE(calculateChannels(g, false).done);
    EXPECT_DOUBLE_EQ(g.MaxMin[24], 12.6);
    EXPECT_DOUBLE_EQ(g.MaxMin[8], 12.6);
    EXPECT_EQ(g.MaxMin[25], 1000) << "channel 10 stayed at 0";
    EXPECT_EQ(g.MaxMin[9], 0);

    g.RawValue[9] = 131;
    g.RawValue[10] = 240;
    ASSERT_TRUE(calculateChannels(g, false).done);
    EXPECT_DOUBLE_EQ(g.MaxMin[8], 13.1);
    EXPECT_DOUBLE_EQ(g.MaxMin[24], 12.6);
    EXPECT_DOUBLE_EQ(g.MaxMin[9], 24);
    EXPECT_DOUBLE_EQ(g.MaxMin[25], 24);
}

TEST(Calculation, TemperaturesKeepHighsAndLowsAboveZero)
{
    Global_Declarations g = startedState(4);
    g.RawValue[17] = 18.5;
    g.RawValue[21] = 0;
    ASSERT_TRUE(calculateChannels(g, false).done);
    EXPECT_EQ(g.MaxMin[MaxMinSlot::Temp1Max], 18.5);
    EXPECT_EQ(g.MaxMin[MaxMinSlot::Temp1Min], 18.5);
    EXPECT_EQ(g.MaxMin[MaxMinSlot::Temp2Max], 0);
    EXPECT_EQ(g.MaxMin[MaxMinSlot::Temp2Min], 100);
    g.RawValue[17] = 17.0;
    ASSERT_TRUE(calculateChannels(g, false).done);
    EXPECT_EQ(g.MaxMin[27], 18.5);
    EXPECT_EQ(g.MaxMin[28], 17.0);
}

TEST(Calculation, EqualReadingsNeverReplaceAHighOrALow)
{
    Global_Declarations g = startedState(1);
    g.RawValue[9] = 100; // 10 V
    g.RawValue[1] = 50;  // 5 A, 50 W
    ASSERT_TRUE(calculateChannels(g, false).done);
    // Mark the slots so that a rewrite with an equal value would show.
    g.MaxMin[0] = 5.0;
    g.MaxMin[8] = 10.0;
    g.MaxMin[24] = 10.0;
    g.MaxMin[16] = 50.0;
    auto before = g.MaxMin;
    ASSERT_TRUE(calculateChannels(g, false).done);
    EXPECT_EQ(g.MaxMin, before);
}

TEST(Calculation, DcPowersUseBatteryVoltsAndCheck1SwitchesPowerTwo)
{
    Global_Declarations g = startedState(2);
    g.RawValue[9] = 120;  // 12 V
    g.RawValue[10] = 240; // 24 V
    for (int k = 1; k <= 8; ++k)
        g.RawValue[k] = 10 * k; // k amps
    ASSERT_TRUE(calculateChannels(g, true).done);
    EXPECT_DOUBLE_EQ(g.ChannelPower[1], 12);
    EXPECT_DOUBLE_EQ(g.ChannelPower[2], 2 * 24) << "power 2 from channel 10's volts";
    EXPECT_DOUBLE_EQ(g.ChannelPower[3], 36);
    EXPECT_DOUBLE_EQ(g.ChannelPower[8], 96);
    EXPECT_DOUBLE_EQ(g.AccumulatedWatts[2], 48);
    EXPECT_DOUBLE_EQ(g.MaxMin[MaxMinSlot::PowerMaxFirst + 1], 48);

    ASSERT_TRUE(calculateChannels(g, false).done);
    EXPECT_DOUBLE_EQ(g.ChannelPower[2], 24);
    EXPECT_DOUBLE_EQ(g.AccumulatedWatts[2], 72);
    EXPECT_DOUBLE_EQ(g.MaxMin[17], 48);
}

TEST(Calculation, HouseTypesIgnoreCheck1)
{
    for (int type : {5, 6}) {
        Global_Declarations g = startedState(type);
        g.RawValue[9] = 250;
        g.RawValue[10] = 500;
        g.RawValue[2] = 20;
        ASSERT_TRUE(calculateChannels(g, true).done);
        EXPECT_DOUBLE_EQ(g.ChannelPower[2], 50) << type;
    }
}

TEST(Calculation, AcLoadsUseTheMainsVoltage)
{
    Global_Declarations g = startedState(7);
    g.RawValue[9] = 240; // 24 V
    g.RawValue[1] = 10;  // 1 A
    g.RawValue[5] = 20;  // 2 A
    ASSERT_TRUE(calculateChannels(g, true).done);
    EXPECT_DOUBLE_EQ(g.ChannelPower[1], 24);
    EXPECT_DOUBLE_EQ(g.ChannelPower[5], 480);
    EXPECT_DOUBLE_EQ(g.MaxMin[20], 480);

    Global_Declarations m = startedState(8);
    m.RawValue[9] = 240;
    m.RawValue[10] = 120;
    m.RawValue[2] = 10;
    m.RawValue[6] = 5;
    ASSERT_TRUE(calculateChannels(m, true).done);
    EXPECT_DOUBLE_EQ(m.ChannelPower[2], 12) << "type 8 honours the box for power 2";
    EXPECT_DOUBLE_EQ(m.ChannelPower[6], 120);
}

TEST(Calculation, CurrentCostClassicUsesMeterWattsAndLeavesOtherPowers)
{
    Global_Declarations g = startedState(3);
    g.ChannelPower[1] = 7;
    g.ChannelPower[5] = 9;
    g.RawValue[18] = 345;
    g.RawValue[19] = 0;
    g.RawValue[20] = 12;
    g.PersonalString = "Home";
    const CalcResult r = calculateChannels(g, false);
    ASSERT_TRUE(r.done);
    EXPECT_EQ(g.ChannelPower[2], 345);
    EXPECT_EQ(g.AccumulatedWatts[2], 345);
    EXPECT_EQ(g.MaxMin[17], 345);
    EXPECT_EQ(g.ChannelPower[1], 7);
    EXPECT_EQ(g.ChannelPower[5], 9);
    EXPECT_EQ(g.AccumulatedWatts[1], 0);
    EXPECT_EQ(g.MaxMin[16], 0);
    ASSERT_TRUE(r.caption);
    EXPECT_EQ(*r.caption, "345W 0W 12W Home");
}

TEST(Calculation, CurrentCost128FillsBothSensorsPowers)
{
    Global_Declarations g = startedState(4);
    for (int k = 2; k <= 8; ++k)
        g.RawValue[16 + k] = 100 * k + 0.4;
    g.ChannelPower[5] = -1;
    g.PersonalString = "P";
    const CalcResult r = calculateChannels(g, false);
    ASSERT_TRUE(r.done);
    EXPECT_EQ(g.ChannelPower[5], -1) << "type 4 leaves power 5 alone";
    EXPECT_DOUBLE_EQ(g.ChannelPower[8], 800.4);
    ASSERT_TRUE(r.caption);
    EXPECT_EQ(*r.caption, "200W 300W 400W 600W 700W 800W  P");
}

TEST(Calculation, CaptionsPerType)
{
    Global_Declarations g = startedState(0);
    g.RawValue[9] = 253;  // 25.3 V
    g.RawValue[1] = 42.6; // 4.26 A -> 107.778 W
    CalcResult r = calculateChannels(g, false);
    ASSERT_TRUE(r.caption);
    EXPECT_EQ(*r.caption, "25.30V 4.3A 108W ");
    g.PersonalString = "My Mill";
    EXPECT_EQ(*titleSummary(g), "25.30V 4.3A 108W My Mill");
    for (int type : {1, 2, 5, 6, 7, 8}) {
        g.SystemType = static_cast<std::int16_t>(type);
        EXPECT_EQ(*titleSummary(g), "Battery = 25.30V ") << type;
    }
    g.SystemType = 9;
    EXPECT_FALSE(titleSummary(g).has_value());
}

TEST(Calculation, TypeWithoutPowerRuleStillScalesAndCounts)
{
    Global_Declarations g = startedState(-1);
    g.RawValue[1] = 30;
    g.ChannelPower[1] = 4;
    const CalcResult r = calculateChannels(g, false);
    ASSERT_TRUE(r.done);
    EXPECT_FALSE(r.caption.has_value());
    EXPECT_DOUBLE_EQ(g.ChannelValue[1], 3);
    EXPECT_EQ(g.ChannelPower[1], 4);
    EXPECT_EQ(g.goodDATAcount, 1);
}

TEST(Calculation, PlotCopiesFollowThePass)
{
    Global_Declarations g = startedState(1);
    g.RawValue[9] = 100;
    g.RawValue[1] = 20;
    g.RawValue[2] = 30;
    g.RawValue[13] = 2500;
    g.RawValue[14] = 1200;
    ASSERT_TRUE(calculateChannels(g, false).done);
    EXPECT_DOUBLE_EQ(g.Windmill1Power, 20);
    EXPECT_DOUBLE_EQ(g.Windmill2Power, 30);
    EXPECT_DOUBLE_EQ(g.Windmill1RPM, 250);
    EXPECT_DOUBLE_EQ(g.Windmill2RPM, 120);
}

TEST(Calculation, OverflowingArithmeticAbandonsThePassWithoutTouchingAnything)
{
    Global_Declarations g = startedState(1);
    g.RawValue[9] = 120;
    ASSERT_TRUE(calculateChannels(g, false).done);
    const Global_Declarations before = g;
    g.RawValue[1] = 1e9;
    g.ADCDivider[1] = 1e300; // 1e308 amps, times 12 V overflows
    const CalcResult r = calculateChannels(g, false);
    EXPECT_FALSE(r.done);
    EXPECT_EQ(g.goodDATAcount, before.goodDATAcount);
    EXPECT_EQ(g.ChannelValue, before.ChannelValue);
    EXPECT_EQ(g.ChannelPower, before.ChannelPower);
    EXPECT_EQ(g.MaxMin, before.MaxMin);
    EXPECT_EQ(g.AccumulatedValue, before.AccumulatedValue);
    EXPECT_EQ(g.AccumulatedWatts, before.AccumulatedWatts);

    // Finite but beyond what the day restore and the graphs read back: an
    // accepted reading of 1e9 counts on a house channel at 14 V would log
    // 1.4e9 W.  The pass is abandoned the same way; 1e9 W itself still counts.
    Global_Declarations house = startedState(5);
    house.RawValue[9] = 140;
    house.RawValue[1] = 1e9;
    const Global_Declarations untouched = house;
    EXPECT_FALSE(calculateChannels(house, false).done);
    EXPECT_EQ(house.ChannelPower, untouched.ChannelPower);
    EXPECT_EQ(house.AccumulatedWatts, untouched.AccumulatedWatts);
    EXPECT_EQ(house.goodDATAcount, untouched.goodDATAcount);
    house.ADCDivider[1] = 1.0 / 14;
    ASSERT_TRUE(calculateChannels(house, false).done);
    EXPECT_NEAR(house.ChannelPower[1], 1e9, 1);
}
