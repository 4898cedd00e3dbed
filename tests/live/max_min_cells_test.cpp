#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "live/MaxMinCells.h"

using namespace gv;

namespace {
Global_Declarations allEnabled(int systemType)
{
    Global_Declarations g;
    g.SystemType = static_cast<std::int16_t>(systemType);
    for (int ch = 1; ch <= 24; ++ch) {
        g.HARDWAREenabled[ch] = 1;
        g.ChannelName[ch] = "ch" + std::to_string(ch);
        g.LineColour[ch] = 1000 + ch;
    }
    return g;
}

std::set<int> slotsOf(const Global_Declarations& g)
{
    std::set<int> s;
    for (const MaxMinCell& c : maxMinCells(g))
        EXPECT_TRUE(s.insert(c.slot).second) << "slot " << c.slot << " shown twice";
    return s;
}

std::set<int> range(int a, int b)
{
    std::set<int> s;
    for (int i = a; i <= b; ++i)
        s.insert(i);
    return s;
}

std::set<int> unite(std::initializer_list<std::set<int>> parts)
{
    std::set<int> s;
    for (const auto& p : parts)
        s.insert(p.begin(), p.end());
    return s;
}
} // namespace

TEST(MaxMinCells, CellsPerSystemType)
{
    EXPECT_EQ(slotsOf(allEnabled(0)), (std::set<int>{0, 8, 11, 12, 16, 24}));
    EXPECT_EQ(slotsOf(allEnabled(1)), (std::set<int>{0, 1, 8, 11, 12, 13, 16, 17, 24}));
    EXPECT_EQ(slotsOf(allEnabled(2)), unite({range(0, 3), {8}, range(11, 13), range(16, 19), {24}}));
    EXPECT_EQ(slotsOf(allEnabled(3)), (std::set<int>{17, 18, 19, 27, 28}));
    EXPECT_EQ(slotsOf(allEnabled(4)), (std::set<int>{17, 18, 19, 21, 22, 23, 27, 28, 29, 30}));
    EXPECT_EQ(slotsOf(allEnabled(5)), unite({range(0, 3), {8}, range(16, 19), {24}}));
    EXPECT_EQ(slotsOf(allEnabled(6)), unite({range(0, 8), range(16, 24)}));
    EXPECT_EQ(slotsOf(allEnabled(7)), slotsOf(allEnabled(6)));
    EXPECT_EQ(slotsOf(allEnabled(8)), range(0, 26));
    EXPECT_TRUE(maxMinCells(allEnabled(9)).empty());
    EXPECT_TRUE(maxMinCells(allEnabled(-1)).empty());
}

TEST(MaxMinCells, CaptionsAndColoursComeFromTheChannelTable)
{
    const auto cells = maxMinCells(allEnabled(0));
    ASSERT_EQ(cells.size(), 6u);
    // Ascending channels; the minimum cell follows its channel.
    EXPECT_EQ(cells[0].slot, 0);
    EXPECT_EQ(cells[0].caption, "MAX ch1");
    EXPECT_EQ(cells[0].colour, 1001);
    EXPECT_EQ(cells[1].slot, 8);
    EXPECT_EQ(cells[1].caption, "MAX ch9");
    EXPECT_EQ(cells[2].slot, 24);
    EXPECT_EQ(cells[2].caption, "MIN ch9");
    EXPECT_EQ(cells[2].colour, 1009);
    EXPECT_EQ(cells[5].caption, "MAX ch17");
}

TEST(MaxMinCells, HardwareSwitchDecidesNotTheDisplaySwitch)
{
    Global_Declarations g = allEnabled(8);
    g.HARDWAREenabled[10] = 0;
    g.HARDWAREenabled[2] = 2; // only 1 counts as set
    g.enableDISPLAY.fill(0);
    const auto s = slotsOf(g);
    EXPECT_FALSE(s.count(9));
    EXPECT_FALSE(s.count(25));
    EXPECT_FALSE(s.count(1));
    EXPECT_TRUE(s.count(24));
    EXPECT_TRUE(s.count(26));
}

TEST(MaxMinCells, TemperatureCellsOnlyForCurrentCostAndAlwaysThere)
{
    Global_Declarations g = allEnabled(3);
    g.HARDWAREenabled.fill(0);
    const auto cells = maxMinCells(g);
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0].slot, 27);
    EXPECT_EQ(cells[0].caption, "MAX TEMPERATURE");
    EXPECT_EQ(cells[1].caption, "MIN TEMPERATURE");
    EXPECT_EQ(cells[1].colour, 65280);
    for (int t : {0, 1, 2, 5, 6, 7, 8})
        for (int slot : slotsOf(allEnabled(t)))
            EXPECT_LT(slot, 27) << "type " << t;
}

TEST(MaxMinCells, GridPlacesFillFourColumnsOfEightRows)
{
    std::set<std::pair<int, int>> used{{ResetLabelPlace.row, ResetLabelPlace.column}};
    for (int k = 0; k < MaxMinSlot::Count; ++k) {
        const MaxMinGridPlace p = maxMinGridPlace(k);
        EXPECT_GE(p.row, 1);
        EXPECT_LE(p.row, 8);
        EXPECT_GE(p.column, 1);
        EXPECT_LE(p.column, 4);
        EXPECT_TRUE(used.insert({p.row, p.column}).second) << "slot " << k;
    }
    EXPECT_EQ(used.size(), 32u);
    EXPECT_EQ(maxMinGridPlace(27).row, 1);
    EXPECT_EQ(maxMinGridPlace(14).column, 4);
    EXPECT_EQ(maxMinGridPlace(21).column, 2);
}

TEST(MaxMinCells, ValuePicturesPerSlot)
{
    EXPECT_EQ(maxMinValueText(0, 12.34, "m/s"), "12.3 A");
    EXPECT_EQ(maxMinValueText(7, 0, "m/s"), "0.0 A");
    EXPECT_EQ(maxMinValueText(8, 28.449, "m/s"), "28.45 V");
    EXPECT_EQ(maxMinValueText(11, 7.25, "m/s"), "7.3 m/s");
    EXPECT_EQ(maxMinValueText(11, 7.2, ""), "7.2 ");
    EXPECT_EQ(maxMinValueText(11, 9, "m.p.h."), "9.0 m.p.h.") << "unit text stays literal";
    EXPECT_EQ(maxMinValueText(12, 612.4, ""), "612 RPM");
    EXPECT_EQ(maxMinValueText(13, 5, ""), "05 RPM");
    EXPECT_EQ(maxMinValueText(14, 7, ""), "07");
    EXPECT_EQ(maxMinValueText(16, 412.6, ""), "413 W");
    EXPECT_EQ(maxMinValueText(23, 0, ""), "0 W");
    EXPECT_EQ(maxMinValueText(24, 1000, ""), "1000.00 V");
    EXPECT_EQ(maxMinValueText(28, 21.55, ""), "21.6 C");
    EXPECT_EQ(maxMinValueText(31, 1, ""), "");
}

TEST(MaxMinCells, ResetClearsMaximaAndRaisesMinima)
{
    std::array<double, MaxMinSlot::Count> t;
    t.fill(55.5);
    resetMaxMin(t);
    for (int k = 0; k < MaxMinSlot::Count; ++k) {
        const bool minimum = k == 24 || k == 25 || k == 26 || k == 28 || k == 30;
        EXPECT_EQ(t[k], minimum ? 1000 : 0) << "slot " << k;
    }
}
