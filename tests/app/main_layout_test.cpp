// Layout of the nine system types, the live display texts and the maximum
// clicks, decided without a window.
#include "app/MainLayout.h"

#include <gtest/gtest.h>

#include <map>

using gv::MainFrame;
using gv::Reading;

namespace {

gv::Global_Declarations allOn()
{
    gv::Global_Declarations g;
    for (int c = 1; c <= 24; ++c) {
        g.enableDISPLAY[c] = 1;
        g.HARDWAREenabled[c] = 1;
        g.ChannelName[c] = "ch" + std::to_string(c);
    }
    g.WSUnits = "m/s";
    return g;
}

std::optional<bool> vis(const gv::SystemLayout& l, Reading r) { return l.visible[static_cast<int>(r)]; }
const gv::FrameChange& fr(const gv::SystemLayout& l, MainFrame f) { return l.frames[static_cast<int>(f)]; }

std::map<Reading, std::string> asMap(const gv::LabelTexts& t)
{
    std::map<Reading, std::string> m;
    for (const auto& [r, s] : t)
        m[r] = s;
    return m;
}

} // namespace

TEST(SystemLayout, OuterFramesHeightsTitlesAndMenusPerType)
{
    const auto g = allOn();
    struct Row {
        int type;
        int height;
        std::vector<MainFrame> shown;
        std::string title;
        std::array<bool, 5> menus;
    };
    const std::vector<Row> rows = {
        {0, 2200, {MainFrame::Frame1_0}, "", {true, false, false, true, true}},
        {1, 2800, {MainFrame::Frame1_0, MainFrame::Frame1_1}, "2 Windmills", {true, true, true, true, true}},
        {2, 3400, {MainFrame::Frame1_0, MainFrame::Frame1_1, MainFrame::Frame1_2}, "2 Windmills + Aux", {true, true, true, true, true}},
        {3, 3400, {MainFrame::Frame4_0}, "3 Ch Current Cost", {false, false, false, false, false}},
        {4, 5100, {MainFrame::Frame4_0, MainFrame::Frame4_1}, "6 Ch Current Cost", {false, false, false, false, false}},
        {5, 3900, {MainFrame::Frame1_0, MainFrame::Frame4_0}, "4Ch House A + Batt V", {false, false, false, false, true}},
        {6, 5600, {MainFrame::Frame1_0, MainFrame::Frame4_0, MainFrame::Frame4_1}, "8Ch House A + Batt V", {false, false, false, false, true}},
        {7, 5600, {MainFrame::Frame1_0, MainFrame::Frame4_0, MainFrame::Frame4_1}, "BATV,4xDCA,4x240VACA", {false, false, false, false, true}},
        {8, 6900, {MainFrame::Frame1_0, MainFrame::Frame1_1, MainFrame::Frame4_0, MainFrame::Frame4_1, MainFrame::Frame2}, "2 MILLS, 240VACA + MISC", {true, true, true, true, true}},
    };
    const MainFrame outer[] = {MainFrame::Frame1_0, MainFrame::Frame1_1, MainFrame::Frame1_2,
                               MainFrame::Frame4_0, MainFrame::Frame4_1, MainFrame::Frame2};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.type);
        const auto l = gv::systemLayout(g, row.type);
        ASSERT_TRUE(l.applied);
        EXPECT_EQ(l.type, row.type);
        EXPECT_EQ(l.heightTwips, row.height);
        EXPECT_EQ(l.title, row.title);
        for (int m = 0; m < 5; ++m)
            EXPECT_EQ(l.toolMenus[m], row.menus[m]) << m;
        for (MainFrame f : outer) {
            const bool want = std::find(row.shown.begin(), row.shown.end(), f) != row.shown.end();
            EXPECT_EQ(fr(l, f).visible, std::optional<bool>(want)) << static_cast<int>(f);
        }
    }
}

TEST(SystemLayout, FrameCaptionsAndTops)
{
    const auto g = allOn();
    auto l = gv::systemLayout(g, 0);
    EXPECT_EQ(fr(l, MainFrame::Frame1_0).caption, "Windmill measurements and Battery volts");
    EXPECT_EQ(fr(l, MainFrame::Frame1_0).topTwips, 600);

    l = gv::systemLayout(g, 1);
    EXPECT_EQ(fr(l, MainFrame::Frame1_0).caption, "Windmill 1 System measurements and Battery Voltage");
    EXPECT_FALSE(fr(l, MainFrame::Frame1_1).caption); // keeps what it has
    EXPECT_EQ(fr(l, MainFrame::Frame1_1).topTwips, 1200);

    l = gv::systemLayout(g, 2);
    EXPECT_FALSE(fr(l, MainFrame::Frame1_0).topTwips); // stays where it is
    EXPECT_EQ(fr(l, MainFrame::Frame1_2).topTwips, 1800);
    EXPECT_FALSE(fr(l, MainFrame::Frame1_2).caption);

    l = gv::systemLayout(g, 4);
    EXPECT_EQ(fr(l, MainFrame::Frame4_0).caption, "Current Cost Meter System 1 Channels");
    EXPECT_EQ(fr(l, MainFrame::Frame4_1).caption, "Current Cost Meter System 2 Channels");
    EXPECT_EQ(fr(l, MainFrame::Frame4_1).topTwips, 2400);

    l = gv::systemLayout(g, 7);
    EXPECT_EQ(fr(l, MainFrame::Frame1_0).caption, "Battery System Voltage");
    EXPECT_EQ(fr(l, MainFrame::Frame4_0).caption, "DC battery power measurement Channels");
    EXPECT_EQ(fr(l, MainFrame::Frame4_0).topTwips, 1200);
    EXPECT_EQ(fr(l, MainFrame::Frame4_1).caption, "240VAC inverter power measurement Channels");
    EXPECT_EQ(fr(l, MainFrame::Frame4_1).topTwips, 2895);

    l = gv::systemLayout(g, 8);
    EXPECT_EQ(fr(l, MainFrame::Frame1_1).caption, "Windmill 2 measurements");
    EXPECT_EQ(fr(l, MainFrame::Frame4_1).topTwips, 3500);
    EXPECT_EQ(fr(l, MainFrame::Frame2).caption, "Misc measurements");
    EXPECT_EQ(fr(l, MainFrame::Frame2).topTwips, 5195);
}

TEST(SystemLayout, NineLaysOutTypeZeroAndOtherIndicesNothing)
{
    const auto g = allOn();
    const auto l9 = gv::systemLayout(g, 9);
    EXPECT_TRUE(l9.applied);
    EXPECT_EQ(l9.type, 0);
    EXPECT_EQ(l9.heightTwips, 2200);
    EXPECT_FALSE(gv::systemLayout(g, 10).applied);
    EXPECT_FALSE(gv::systemLayout(g, -1).applied);
}

TEST(SystemLayout, ReadingLabelsFollowDisplayAndHardwareFlags)
{
    auto g = allOn();
    // Display on, hardware off, and the reverse: both hide.
    g.HARDWAREenabled[1] = 0;
    g.enableDISPLAY[13] = 0;
    auto l = gv::systemLayout(g, 1);
    EXPECT_EQ(vis(l, Reading::Amps0), false);
    EXPECT_EQ(vis(l, Reading::Watts0), false); // needs its current channel
    EXPECT_EQ(vis(l, Reading::RPM0), false);
    EXPECT_EQ(vis(l, Reading::RPM1), true);
    EXPECT_EQ(vis(l, Reading::Amps1), true);
    EXPECT_EQ(vis(l, Reading::Watts1), true);
    EXPECT_FALSE(vis(l, Reading::Amps2)); // not a label of type 1

    // Type 0 also needs the hardware flag of power 1; types 1, 2, 8 do not.
    g = allOn();
    g.HARDWAREenabled[17] = 0;
    l = gv::systemLayout(g, 0);
    EXPECT_EQ(vis(l, Reading::Watts0), false);
    EXPECT_EQ(vis(l, Reading::Whours0), false);
    EXPECT_EQ(vis(l, Reading::Amps0), true);
    l = gv::systemLayout(g, 1);
    EXPECT_EQ(vis(l, Reading::Watts0), true);

    // Power display flag off hides the watts of that channel only.
    g = allOn();
    g.enableDISPLAY[18] = 0;
    l = gv::systemLayout(g, 2);
    EXPECT_EQ(vis(l, Reading::Watts1), false);
    EXPECT_EQ(vis(l, Reading::Whours1), false);
    EXPECT_EQ(vis(l, Reading::Watts3), true);

    // No battery volts: every watts label goes, amps stay.
    g = allOn();
    g.enableDISPLAY[9] = 0;
    for (int type : {0, 1, 2, 8}) {
        SCOPED_TRACE(type);
        l = gv::systemLayout(g, type);
        EXPECT_EQ(vis(l, Reading::Watts0), false);
        EXPECT_EQ(vis(l, Reading::Whours0), false);
        EXPECT_EQ(vis(l, Reading::Amps0), true);
        EXPECT_EQ(vis(l, Reading::Volts0), false);
    }
    for (int type : {5, 6, 7, 8}) {
        SCOPED_TRACE(type);
        l = gv::systemLayout(g, type);
        const int cell = type == 8 ? 2 : 0;
        EXPECT_EQ(vis(l, gv::label3(cell)), true);
        EXPECT_EQ(vis(l, gv::label5(cell)), false);
        EXPECT_EQ(vis(l, gv::label13(cell)), false);
    }
}

TEST(SystemLayout, HouseTypesShowTheirCellsWhateverTheFlags)
{
    gv::Global_Declarations g; // every flag 0
    auto l = gv::systemLayout(g, 5);
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(fr(l, gv::frame5(i)).visible, i < 4);
        if (i < 4) {
            EXPECT_EQ(fr(l, gv::frame5(i)).caption, "DC power " + std::to_string(i + 1));
            EXPECT_EQ(vis(l, gv::label3(i)), false);
        }
    }
    for (Reading r : {Reading::Amps0, Reading::Watts0, Reading::Whours0, Reading::RPM0, Reading::Wind0})
        EXPECT_EQ(vis(l, r), false);

    l = gv::systemLayout(g, 7);
    EXPECT_EQ(fr(l, gv::frame5(3)).caption, "DC power 4");
    EXPECT_EQ(fr(l, gv::frame5(4)).caption, "240VAC power 1");
    EXPECT_EQ(fr(l, gv::frame5(7)).caption, "240VAC power 4");

    // Type 8: cells 0 and 1 hidden; the DC cells are 2 and 3, numbered 1 and 2.
    l = gv::systemLayout(allOn(), 8);
    EXPECT_EQ(fr(l, gv::frame5(0)).visible, false);
    EXPECT_EQ(fr(l, gv::frame5(1)).visible, false);
    EXPECT_EQ(fr(l, gv::frame5(2)).caption, "DC power 1");
    EXPECT_EQ(fr(l, gv::frame5(3)).caption, "DC power 2");
    EXPECT_EQ(vis(l, Reading::Label8), false);
    EXPECT_EQ(vis(l, Reading::Label6), true);
    EXPECT_EQ(vis(l, Reading::Label12), true);
}

TEST(SystemLayout, CurrentCostCells)
{
    auto g = allOn();
    g.enableDISPLAY[20] = 0;
    auto l = gv::systemLayout(g, 3);
    EXPECT_EQ(fr(l, gv::frame5(0)).visible, true);
    EXPECT_EQ(fr(l, gv::frame5(0)).caption, "temperature");
    EXPECT_EQ(vis(l, Reading::Label3_0), true);
    EXPECT_EQ(l.captions[static_cast<int>(Reading::Label3_0)], "00.0C");
    EXPECT_EQ(vis(l, Reading::Label5_0), false);
    EXPECT_EQ(fr(l, gv::frame5(1)).caption, "ch19");
    EXPECT_EQ(fr(l, gv::frame5(1)).visible, true);
    EXPECT_EQ(fr(l, gv::frame5(2)).visible, false); // channel 20 not displayed
    EXPECT_EQ(fr(l, gv::frame5(3)).caption, "ch21");
    EXPECT_EQ(vis(l, Reading::Label3_1), false);
    EXPECT_EQ(vis(l, Reading::Label5_1), true);
    EXPECT_EQ(vis(l, Reading::Label13_1), true);
    for (int i = 4; i < 8; ++i)
        EXPECT_EQ(fr(l, gv::frame5(i)).visible, false);

    l = gv::systemLayout(g, 4);
    EXPECT_EQ(fr(l, gv::frame5(4)).visible, false); // second temperature never shown
    EXPECT_EQ(fr(l, gv::frame5(4)).caption, "temperature");
    EXPECT_EQ(l.captions[static_cast<int>(Reading::Label3_4)], "00.0C");
    EXPECT_EQ(fr(l, gv::frame5(5)).caption, "ch22");
    EXPECT_EQ(fr(l, gv::frame5(7)).caption, "ch24");
    EXPECT_EQ(fr(l, gv::frame5(5)).visible, true);
}

TEST(LiveDisplay, TypeZeroTexts)
{
    auto g = allOn();
    g.SystemType = 0;
    g.ChannelValue[9] = 2.125;
    g.ChannelValue[1] = 4.256;
    g.ChannelValue[13] = 1500.4;
    g.ChannelValue[12] = 5.25;
    g.ChannelPower[1] = 999.5;
    g.WattHours[1] = 12345.4;
    const auto t = gv::showReadings(g);
    const auto m = asMap(t);
    EXPECT_EQ(t.size(), 6u);
    EXPECT_EQ(m.at(Reading::Volts0), "2.13 V");
    EXPECT_EQ(m.at(Reading::Amps0), "4.26 A");
    EXPECT_EQ(m.at(Reading::RPM0), "1500 rpm");
    EXPECT_EQ(m.at(Reading::Wind0), "5.3m/s");
    EXPECT_EQ(m.at(Reading::Watts0), "1000 W");
    EXPECT_EQ(m.at(Reading::Whours0), "12345 Wh");

    // Display flags off: labels left alone; hardware flags are not asked.
    g.enableDISPLAY[17] = 0;
    g.enableDISPLAY[12] = 0;
    g.HARDWAREenabled[9] = 0;
    g.WSUnits = "";
    const auto m2 = asMap(gv::showReadings(g));
    EXPECT_FALSE(m2.count(Reading::Watts0));
    EXPECT_FALSE(m2.count(Reading::Whours0));
    EXPECT_FALSE(m2.count(Reading::Wind0));
    EXPECT_EQ(m2.at(Reading::Volts0), "2.13 V");
    g.enableDISPLAY[12] = 1;
    EXPECT_EQ(asMap(gv::showReadings(g)).at(Reading::Wind0), "5.3");
    g.ChannelValue[13] = 0;
    EXPECT_EQ(asMap(gv::showReadings(g)).at(Reading::RPM0), "0 rpm");
}

TEST(LiveDisplay, TypeFourTexts)
{
    auto g = allOn();
    g.SystemType = 4;
    g.RawValue[17] = 21.35;
    g.RawValue[21] = 0;
    for (int k : {2, 3, 4, 6, 7, 8}) {
        g.ChannelPower[k] = 100 * k + 0.5;
        g.WattHours[k] = 10 * k;
    }
    g.enableDISPLAY[23] = 0; // second sensor's middle channel: power 7
    g.enableDISPLAY[17] = 0; // the temperatures are written whatever the flags
    g.enableDISPLAY[21] = 0; // also the first sensor's third channel: power 4
    const auto t = gv::showReadings(g);
    const auto m = asMap(t);
    EXPECT_EQ(m.at(Reading::Label3_0), "21.4 C");
    EXPECT_EQ(m.at(Reading::Label3_4), "0.0 C");
    EXPECT_EQ(m.at(Reading::Label5_1), "201 W");
    EXPECT_EQ(m.at(Reading::Label13_1), "20 Wh");
    EXPECT_EQ(m.at(Reading::Label5_2), "301 W");
    EXPECT_FALSE(m.count(Reading::Label5_3));
    EXPECT_EQ(m.at(Reading::Label5_5), "601 W");
    EXPECT_EQ(m.at(Reading::Label13_5), "60 Wh");
    EXPECT_FALSE(m.count(Reading::Label5_6));
    EXPECT_EQ(m.at(Reading::Label5_7), "801 W");
    EXPECT_EQ(t.size(), 2u + 2 * 4);
}

TEST(LiveDisplay, PicturesDifferBetweenTypes)
{
    auto g = allOn();
    g.ChannelValue[1] = 3.14159;
    g.ChannelValue[13] = 7;
    g.ChannelValue[15] = 5;
    g.SystemType = 2;
    auto m = asMap(gv::showReadings(g));
    EXPECT_EQ(m.at(Reading::Amps0), "3.14 A");
    EXPECT_EQ(m.at(Reading::RPM0), "7rpm");
    EXPECT_EQ(m.at(Reading::Amps3), "0.00 A");
    g.SystemType = 6;
    m = asMap(gv::showReadings(g));
    EXPECT_EQ(m.at(Reading::Label3_0), "3.1 A");
    EXPECT_EQ(m.at(Reading::Label13_7), "0 Wh");
    g.SystemType = 8;
    m = asMap(gv::showReadings(g));
    EXPECT_EQ(m.at(Reading::Amps0), "3.1 A");
    EXPECT_EQ(m.at(Reading::Label9), "5");
    EXPECT_FALSE(m.count(Reading::Label3_0)); // channel 1 shows in Amps(0)
    // Type 8 writes a triple only when both flags are set.
    g.enableDISPLAY[19] = 0;
    m = asMap(gv::showReadings(g));
    EXPECT_FALSE(m.count(Reading::Label3_2));
    EXPECT_FALSE(m.count(Reading::Label5_2));
    EXPECT_FALSE(m.count(Reading::Label13_2));
    g.SystemType = 9;
    EXPECT_TRUE(gv::showReadings(g).empty());
}

TEST(MaximumClick, TextsFromAFreshTable)
{
    auto g = allOn();
    g.MaxMin[28] = 100; // the start value of the temperature minimum
    g.SystemType = 1;
    int toggle = 0;
    auto m = asMap(gv::maximumClick(g, Reading::Amps2, toggle));
    EXPECT_EQ(m.size(), 4u); // all four amps labels
    EXPECT_EQ(m.at(Reading::Amps0), "0.0");
    EXPECT_EQ(asMap(gv::maximumClick(g, Reading::Volts0, toggle)).at(Reading::Volts0), "0.00");
    m = asMap(gv::maximumClick(g, Reading::RPM1, toggle));
    EXPECT_EQ(m.at(Reading::RPM0), "00");
    EXPECT_EQ(m.at(Reading::RPM1), "00");
    EXPECT_EQ(asMap(gv::maximumClick(g, Reading::Label5_3, toggle)).at(Reading::Label5_3), "Max 0 W");
    EXPECT_EQ(asMap(gv::maximumClick(g, Reading::Label3_0, toggle)).at(Reading::Label3_0), "Max 0.0 A");
    EXPECT_EQ(asMap(gv::maximumClick(g, Reading::Label6, toggle)).at(Reading::Label6), "Max 0.00");
    EXPECT_EQ(asMap(gv::maximumClick(g, Reading::Label9, toggle)).at(Reading::Label9), "Max 00");
    EXPECT_TRUE(gv::maximumClick(g, Reading::Whours0, toggle).empty());
    EXPECT_TRUE(gv::maximumClick(g, Reading::Label13_0, toggle).empty());
    EXPECT_TRUE(gv::maximumClick(g, Reading::Label8, toggle).empty());
    EXPECT_EQ(toggle, 0);
}

TEST(MaximumClick, SlotsAndTheSharedTemperatureToggle)
{
    auto g = allOn();
    for (int s = 0; s < 31; ++s)
        g.MaxMin[s] = s + 0.25;
    g.SystemType = 4;
    int toggle = 0;
    EXPECT_EQ(asMap(gv::maximumClick(g, Reading::Label3_0, toggle)).at(Reading::Label3_0), "Max 27.3 C");
    EXPECT_EQ(toggle, 1);
    // The second sensor's label right after shows its minimum.
    EXPECT_EQ(asMap(gv::maximumClick(g, Reading::Label3_4, toggle)).at(Reading::Label3_4), "Min 30.3 C");
    EXPECT_EQ(toggle, 0);
    EXPECT_EQ(asMap(gv::maximumClick(g, Reading::Label3_4, toggle)).at(Reading::Label3_4), "Max 29.3 C");
    g.SystemType = 3; // index 4 is an amps label here
    EXPECT_EQ(asMap(gv::maximumClick(g, Reading::Label3_4, toggle)).at(Reading::Label3_4), "Max 4.3 A");
    EXPECT_EQ(asMap(gv::maximumClick(g, Reading::Watts2, toggle)).at(Reading::Watts2), "18");
    EXPECT_EQ(asMap(gv::maximumClick(g, Reading::Wind0, toggle)).at(Reading::Wind0), "11.3");
    EXPECT_EQ(asMap(gv::maximumClick(g, Reading::Label7, toggle)).at(Reading::Label7), "Max 10.25");
    EXPECT_EQ(asMap(gv::maximumClick(g, Reading::Label12, toggle)).at(Reading::Label12), "Max 15");
    EXPECT_EQ(asMap(gv::maximumClick(g, Reading::Label5_7, toggle)).at(Reading::Label5_7), "Max 23 W");
    EXPECT_EQ(gv::check1Caption(true), "Alt Volts2");
    EXPECT_EQ(gv::check1Caption(false), "System V1");
}
