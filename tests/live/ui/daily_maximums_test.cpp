#include <gtest/gtest.h>

#include "live/ui/dailyMaximums.h"
#include "live_fixture.h"
#include "platform/PictureBox.h"

namespace {
std::vector<int> shownCells(const dailyMaximums& w)
{
    std::vector<int> v;
    for (int k = 0; k < gv::MaxMinSlot::Count; ++k)
        if (!w.Channel[k]->isHidden())
            v.push_back(k);
    return v;
}
} // namespace

TEST(dailyMaximums, LaysOutTheSystemTypesCellsWhenItOpens)
{
    gv::Global_Declarations g = runningSystem();
    g.HARDWAREenabled[14] = 0;
    auto* w = new dailyMaximums(g);
    EXPECT_EQ(w->windowTitle(), "All channels Recent HIGHS and Voltage channels LOWS");
    EXPECT_EQ(shownCells(*w), (std::vector<int>{0, 1, 8, 11, 12, 16, 17, 24}));
    EXPECT_EQ(w->Channel[8]->caption(), "MAX Battery volts");
    EXPECT_EQ(w->Channel[24]->caption(), "MIN Battery volts");
    EXPECT_EQ(w->Channel[24]->captionColour(), gv::colourFromBGR(33023));
    EXPECT_EQ(w->value[24]->palette().color(QPalette::WindowText), gv::colourFromBGR(33023));
    EXPECT_EQ(w->Channel[13]->caption(), "channel") << "hidden cells keep their design caption";
    for (int k = 0; k < gv::MaxMinSlot::Count; ++k)
        EXPECT_EQ(w->value[k]->text(), "00.00") << "until the first tick";
    EXPECT_EQ(w->Timer1->interval(), 2000);
    EXPECT_TRUE(w->Timer1->isActive());
    grabTo(w, "maxmin_design");

    // The layout stays as it was opened.
    g.SystemType = 8;
    w->Timer1_Timer();
    EXPECT_EQ(shownCells(*w).size(), 8u);
    delete w;
}

TEST(dailyMaximums, TickWritesEverySlotInItsPicture)
{
    gv::Global_Declarations g = runningSystem();
    auto* w = new dailyMaximums(g);
    w->Timer1_Timer();
    EXPECT_EQ(w->value[0]->text(), "31.2 A");
    EXPECT_EQ(w->value[8]->text(), "28.44 V");
    EXPECT_EQ(w->value[11]->text(), "14.7 m/s");
    EXPECT_EQ(w->value[12]->text(), "752 RPM");
    EXPECT_EQ(w->value[16]->text(), "812 W");
    EXPECT_EQ(w->value[24]->text(), "23.06 V");
    EXPECT_EQ(w->value[14]->text(), "00") << "hidden labels are written too";
    EXPECT_EQ(w->value[28]->text(), "100.0 C");
    grabTo(w, "maxmin_type1");

    g.WSUnits = "mph";
    w->Timer1_Timer();
    EXPECT_EQ(w->value[11]->text(), "14.7 mph") << "the unit follows the settings at each tick";
    delete w;
}

TEST(dailyMaximums, ResetRewritesTheSharedTableAndShowsAtTheNextTick)
{
    gv::Global_Declarations g = runningSystem();
    auto* w = new dailyMaximums(g);
    w->Timer1_Timer();
    emit w->ResetAllMaxMins->clicked();
    EXPECT_EQ(g.MaxMin[8], 0);
    EXPECT_EQ(g.MaxMin[24], 1000);
    EXPECT_EQ(g.MaxMin[27], 0);
    EXPECT_EQ(g.MaxMin[28], 1000);
    EXPECT_EQ(w->value[8]->text(), "28.44 V") << "labels wait for the tick";
    w->Timer1_Timer();
    EXPECT_EQ(w->value[8]->text(), "0.00 V");
    EXPECT_EQ(w->value[0]->text(), "0.0 A");
    EXPECT_EQ(w->value[16]->text(), "0 W");
    EXPECT_EQ(w->value[12]->text(), "00 RPM");
    EXPECT_EQ(w->value[24]->text(), "1000.00 V");
    EXPECT_EQ(w->value[26]->text(), "1000.00 V");
    EXPECT_EQ(w->value[28]->text(), "1000.0 C");
    EXPECT_EQ(w->value[30]->text(), "1000.0 C");
    delete w;
}

TEST(dailyMaximums, CurrentCostTypesShowTemperatures)
{
    gv::Global_Declarations g = runningSystem();
    g.SystemType = 4;
    g.HARDWAREenabled.fill(0);
    g.HARDWAREenabled[19] = 1;
    g.MaxMin[17] = 2350;
    g.MaxMin[27] = 22.4;
    g.MaxMin[28] = 17.9;
    auto* w = new dailyMaximums(g);
    EXPECT_EQ(shownCells(*w), (std::vector<int>{17, 27, 28, 29, 30}));
    EXPECT_EQ(w->Channel[29]->caption(), "MAX TEMPERATURE");
    EXPECT_EQ(w->Channel[30]->captionColour(), gv::colourFromBGR(65280));
    w->Timer1_Timer();
    grabTo(w, "maxmin_cc128");
    delete w;
}

// The first meter's watts are held in the slots of channels 18..20, but the
// main window names, gates and colours them by rows 19..21; the second
// meter's channels 22..24 are their own rows.  The cells follow the main
// window.
TEST(dailyMaximums, CurrentCostMetersTakeTheRowsTheMainWindowShowsThemUnder)
{
    gv::Global_Declarations g = runningSystem();
    g.ChannelName[18] = "MILL2 POWER";
    g.ChannelName[19] = "SOLAR POWER";
    g.ChannelName[20] = "HOT WATER";
    g.ChannelName[21] = "KITCHEN";
    g.ChannelName[22] = "PUMP";
    g.ChannelName[24] = "SHED";
    g.LineColour[19] = 65280;
    g.LineColour[21] = 16711935;
    g.LineColour[24] = 8421631;
    g.MaxMin[17] = 2350;
    g.MaxMin[18] = 1480;
    g.MaxMin[19] = 960;
    for (int type : {3, 4}) {
        SCOPED_TRACE(type);
        g.SystemType = static_cast<std::int16_t>(type);
        g.HARDWAREenabled.fill(1);
        g.HARDWAREenabled[18] = 0; // the second windmill's row plays no part
        g.HARDWAREenabled[20] = 0; // the second meter channel is switched off
        auto* w = new dailyMaximums(g);
        const std::vector<int> cells =
            type == 3 ? std::vector<int>{17, 19, 27, 28} : std::vector<int>{17, 19, 21, 22, 23, 27, 28, 29, 30};
        EXPECT_EQ(shownCells(*w), cells);
        EXPECT_EQ(w->Channel[17]->caption(), "MAX SOLAR POWER");
        EXPECT_EQ(w->Channel[17]->captionColour(), gv::colourFromBGR(65280));
        EXPECT_EQ(w->value[17]->palette().color(QPalette::WindowText), gv::colourFromBGR(65280));
        EXPECT_EQ(w->Channel[19]->caption(), "MAX KITCHEN");
        EXPECT_EQ(w->Channel[19]->captionColour(), gv::colourFromBGR(16711935));
        w->Timer1_Timer();
        EXPECT_EQ(w->value[17]->text(), "2350 W") << "each cell keeps its value slot";
        EXPECT_EQ(w->value[19]->text(), "960 W");
        if (type == 4) {
            EXPECT_EQ(w->Channel[21]->caption(), "MAX PUMP");
            EXPECT_EQ(w->Channel[23]->caption(), "MAX SHED");
            EXPECT_EQ(w->Channel[23]->captionColour(), gv::colourFromBGR(8421631));
        }
        grabTo(w, type == 3 ? "maxmin_cc_classic_names" : "maxmin_cc128_names");
        delete w;
    }
}

TEST(dailyMaximums, EveryChannelOnTheAllChannelsType)
{
    gv::Global_Declarations g = runningSystem();
    g.SystemType = 8;
    auto* w = new dailyMaximums(g);
    EXPECT_EQ(shownCells(*w).size(), 27u);
    w->Timer1_Timer();
    const QImage img = grabTo(w, "maxmin_type8");
    // Cells never overlap one another or the reset label.
    for (int a = 0; a < gv::MaxMinSlot::Count; ++a) {
        EXPECT_FALSE(w->Channel[a]->geometry().intersects(w->ResetAllMaxMins->geometry()));
        EXPECT_TRUE(w->rect().contains(w->Channel[a]->geometry()));
        for (int b = a + 1; b < gv::MaxMinSlot::Count; ++b)
            EXPECT_FALSE(w->Channel[a]->geometry().intersects(w->Channel[b]->geometry()))
                << a << " " << b;
    }
    delete w;
}

TEST(dailyMaximums, TimerRefreshesFromTheSharedTable)
{
    gv::Global_Declarations g = runningSystem();
    auto* w = new dailyMaximums(g);
    fireTimer(w->Timer1);
    EXPECT_EQ(w->value[16]->text(), "812 W");
    g.MaxMin[16] = 905.4;
    fireTimer(w->Timer1);
    EXPECT_EQ(w->value[16]->text(), "905 W");
    delete w;
}
