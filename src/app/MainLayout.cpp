#include "app/MainLayout.h"

#include "shared/NumberPicture.h"

namespace gv {

namespace {

bool D(const Global_Declarations& g, int c) { return flagSet(g.enableDISPLAY[c]); }
bool H(const Global_Declarations& g, int c) { return flagSet(g.HARDWAREenabled[c]); }
bool DH(const Global_Declarations& g, int c) { return D(g, c) && H(g, c); }

void show(SystemLayout& l, MainFrame f, std::optional<int> top, std::optional<std::string> caption)
{
    auto& fc = l.frames[static_cast<int>(f)];
    fc.visible = true;
    if (top)
        fc.topTwips = top;
    if (caption)
        fc.caption = std::move(caption);
}

void setVisible(SystemLayout& l, Reading r, bool on) { l.visible[static_cast<int>(r)] = on; }

// The windmill and AUX DC readings of current channel c shown in the watts
// label slot i (channel c = i + 1): amps by its own flags, watts and
// watt-hours also by the battery volts and the power channel's display flag.
void windmillReadings(SystemLayout& l, const Global_Declarations& g, int i, bool needPowerHardware)
{
    const int c = i + 1;
    setVisible(l, ampsLabel(i), DH(g, c));
    bool power = DH(g, c) && DH(g, 9) && D(g, 16 + c);
    if (needPowerHardware)
        power = power && H(g, 17);
    setVisible(l, wattsLabel(i), power);
    setVisible(l, whoursLabel(i), power);
}

// Hides every cell; the Current Cost and house layouts then show their own.
void hideAllCells(SystemLayout& l)
{
    for (int i = 0; i < 8; ++i)
        l.frames[static_cast<int>(frame5(i))].visible = false;
}

void meterCell(SystemLayout& l, const Global_Declarations& g, int k, int channel)
{
    auto& fc = l.frames[static_cast<int>(frame5(k))];
    fc.caption = g.ChannelName[channel];
    fc.visible = DH(g, channel);
    setVisible(l, label3(k), false);
    setVisible(l, label5(k), true);
    setVisible(l, label13(k), true);
}

void houseCell(SystemLayout& l, const Global_Declarations& g, int k, const char* name, int number,
               int channel)
{
    show(l, frame5(k), std::nullopt, std::string(name) + std::to_string(number));
    const bool amps = DH(g, channel);
    setVisible(l, label3(k), amps);
    const bool watts = amps && DH(g, 9);
    setVisible(l, label5(k), watts);
    setVisible(l, label13(k), watts);
}

} // namespace

std::string systemTitle(int type)
{
    switch (type) {
    case 1: return "2 Windmills";
    case 2: return "2 Windmills + Aux";
    case 3: return "3 Ch Current Cost";
    case 4: return "6 Ch Current Cost";
    case 5: return "4Ch House A + Batt V";
    case 6: return "8Ch House A + Batt V";
    case 7: return "BATV,4xDCA,4x240VACA";
    case 8: return "2 MILLS, 240VACA + MISC";
    default: return "";
    }
}

std::string systemMenuCaption(int type)
{
    switch (type) {
    case 0: return "1 Windmill";
    case 1: return "2 Windmills";
    case 2: return "2 Windmills & solar & loads";
    case 3: return "CurrentCost Classic";
    case 4: return "CurrentCost 128";
    case 5: return "RE house & 4 DC loads";
    case 6: return "RE house, 8 DC  loads";
    case 7: return "RE house, 4 DC, 4 AC loads";
    case 8: return "ALL Channels";
    default: return "";
    }
}

SystemLayout systemLayout(const Global_Declarations& g, int index)
{
    SystemLayout l;
    if (index < 0 || index > 9)
        return l;
    const int type = index == 9 ? 0 : index;
    l.applied = true;
    l.type = type;
    l.title = systemTitle(type);

    // Types 6, 7 and 8 stack the two cell frames, each as deep as its cells,
    // one right under the other, and are tall enough for the frames below.
    static constexpr int heights[9] = {2200, 2800, 3400, 3400, 5100, 3900, 5600, 5600, 6900};
    l.heightTwips = heights[type];

    static constexpr bool menus[9][ToolMenuCount] = {
        {true, false, false, true, true},  {true, true, true, true, true},
        {true, true, true, true, true},    {false, false, false, false, false},
        {false, false, false, false, false}, {false, false, false, false, true},
        {false, false, false, false, true}, {false, false, false, false, true},
        {true, true, true, true, true}};
    for (int m = 0; m < ToolMenuCount; ++m)
        l.toolMenus[m] = menus[type][m];

    // The outer frames not shown by a type are hidden.
    for (MainFrame f : {MainFrame::Frame1_0, MainFrame::Frame1_1, MainFrame::Frame1_2,
                        MainFrame::Frame4_0, MainFrame::Frame4_1, MainFrame::Frame2})
        l.frames[static_cast<int>(f)].visible = false;

    const std::string windmill1 = "Windmill 1 System measurements and Battery Voltage";
    const std::string battery = "Battery System Voltage";
    const std::string dcChannels = "DC power measurement Channels";
    const std::string dcBattery = "DC battery power measurement Channels";
    const std::string acInverter = "240VAC inverter power measurement Channels";

    switch (type) {
    case 0:
        show(l, MainFrame::Frame1_0, 600, "Windmill measurements and Battery volts");
        setVisible(l, Reading::Volts0, DH(g, 9));
        windmillReadings(l, g, 0, true);
        setVisible(l, Reading::Wind0, DH(g, 12));
        setVisible(l, Reading::RPM0, DH(g, 13));
        break;
    case 1:
    case 8:
        if (type == 1) {
            show(l, MainFrame::Frame1_0, 600, windmill1);
            show(l, MainFrame::Frame1_1, 1200, std::nullopt);
        } else {
            show(l, MainFrame::Frame1_0, 600, "Windmill 1 measurements");
            show(l, MainFrame::Frame1_1, 1200, "Windmill 2 measurements");
            show(l, MainFrame::Frame4_0, 1800, dcBattery);
            show(l, MainFrame::Frame4_1, 3500, acInverter);
            show(l, MainFrame::Frame2, 5195, "Misc measurements");
        }
        setVisible(l, Reading::Volts0, DH(g, 9));
        windmillReadings(l, g, 0, false);
        windmillReadings(l, g, 1, false);
        setVisible(l, Reading::Wind0, DH(g, 12));
        setVisible(l, Reading::RPM0, DH(g, 13));
        setVisible(l, Reading::RPM1, DH(g, 14));
        if (type == 8) {
            setVisible(l, Reading::Label6, DH(g, 10));
            setVisible(l, Reading::Label7, DH(g, 11));
            setVisible(l, Reading::Label9, DH(g, 15));
            setVisible(l, Reading::Label12, DH(g, 16));
            setVisible(l, Reading::Label8, false);
            hideAllCells(l);
            houseCell(l, g, 2, "DC power ", 1, 3);
            houseCell(l, g, 3, "DC power ", 2, 4);
            for (int i = 0; i < 4; ++i)
                houseCell(l, g, 4 + i, "240VAC power ", i + 1, 5 + i);
        }
        break;
    case 2:
        show(l, MainFrame::Frame1_0, std::nullopt, windmill1);
        show(l, MainFrame::Frame1_1, 1200, std::nullopt);
        show(l, MainFrame::Frame1_2, 1800, std::nullopt);
        setVisible(l, Reading::Volts0, DH(g, 9));
        for (int i = 0; i < 4; ++i)
            windmillReadings(l, g, i, false);
        setVisible(l, Reading::Wind0, DH(g, 12));
        setVisible(l, Reading::RPM0, DH(g, 13));
        setVisible(l, Reading::RPM1, DH(g, 14));
        break;
    case 3:
    case 4:
        if (type == 3) {
            show(l, MainFrame::Frame4_0, 600, "Current Cost Meter System UP TO 3 Channels");
        } else {
            show(l, MainFrame::Frame4_0, 600, "Current Cost Meter System 1 Channels");
            show(l, MainFrame::Frame4_1, 2400, "Current Cost Meter System 2 Channels");
        }
        hideAllCells(l);
        show(l, MainFrame::Frame5_0, std::nullopt, "temperature");
        setVisible(l, Reading::Label3_0, true);
        l.captions[static_cast<int>(Reading::Label3_0)] = "00.0C";
        setVisible(l, Reading::Label5_0, false);
        setVisible(l, Reading::Label13_0, false);
        for (int k = 1; k <= 3; ++k)
            meterCell(l, g, k, 18 + k);
        if (type == 4) {
            // The second sensor's temperature cell is captioned but stays hidden.
            l.frames[static_cast<int>(MainFrame::Frame5_4)].caption = "temperature";
            l.captions[static_cast<int>(Reading::Label3_4)] = "00.0C";
            for (int k = 5; k <= 7; ++k)
                meterCell(l, g, k, 17 + k);
        }
        break;
    case 5:
    case 6:
    case 7:
        show(l, MainFrame::Frame1_0, 600, battery);
        if (type == 5) {
            show(l, MainFrame::Frame4_0, 1200, dcChannels);
        } else if (type == 6) {
            show(l, MainFrame::Frame4_0, 1200, dcChannels);
            show(l, MainFrame::Frame4_1, 2895, dcChannels);
        } else {
            show(l, MainFrame::Frame4_0, 1200, dcBattery);
            show(l, MainFrame::Frame4_1, 2895, acInverter);
        }
        setVisible(l, Reading::Volts0, DH(g, 9));
        for (Reading r : {Reading::Amps0, Reading::Watts0, Reading::Whours0, Reading::RPM0, Reading::Wind0})
            setVisible(l, r, false);
        hideAllCells(l);
        if (type == 5) {
            for (int i = 0; i < 4; ++i)
                houseCell(l, g, i, "DC power ", i + 1, i + 1);
        } else if (type == 6) {
            for (int i = 0; i < 8; ++i)
                houseCell(l, g, i, "DC power ", i + 1, i + 1);
        } else {
            for (int i = 0; i < 4; ++i)
                houseCell(l, g, i, "DC power ", i + 1, i + 1);
            for (int i = 0; i < 4; ++i)
                houseCell(l, g, 4 + i, "240VAC power ", i + 1, 5 + i);
        }
        break;
    default:
        break;
    }
    return l;
}

LabelTexts showReadings(const Global_Declarations& g)
{
    LabelTexts out;
    const int type = g.SystemType;
    if (type < 0 || type > 8)
        return out;
    auto put = [&](Reading r, double v, const char* picture) { out.emplace_back(r, formatPicture(v, picture)); };
    auto wind = [&] {
        if (D(g, 12))
            out.emplace_back(Reading::Wind0, formatPicture(g.ChannelValue[12], "#0.0") + g.WSUnits);
    };
    // Channel c's value in label r, when the channel is displayed.
    auto reading = [&](Reading r, int c, const char* picture) {
        if (D(g, c))
            put(r, g.ChannelValue[c], picture);
    };
    auto volts = [&] { reading(Reading::Volts0, 9, "#0.00 V"); };
    auto powerPair = [&](Reading watts, Reading wh, int k) {
        put(watts, g.ChannelPower[k], "###0 W");
        put(wh, g.WattHours[k], "####0 Wh");
    };

    switch (type) {
    case 0:
        volts();
        reading(Reading::Amps0, 1, "#0.00 A");
        reading(Reading::RPM0, 13, "##0 rpm");
        wind();
        if (D(g, 17))
            powerPair(Reading::Watts0, Reading::Whours0, 1);
        break;
    case 1:
    case 2: {
        const int n = type == 1 ? 2 : 4;
        const char* rpm = type == 1 ? "##0 rpm" : "##0rpm";
        volts();
        for (int i = 0; i < n; ++i)
            reading(ampsLabel(i), i + 1, "#0.00 A");
        reading(Reading::RPM1, 14, rpm);
        reading(Reading::RPM0, 13, rpm);
        wind();
        for (int i = 0; i < n; ++i)
            if (D(g, 17 + i))
                powerPair(wattsLabel(i), whoursLabel(i), i + 1);
        break;
    }
    case 3:
    case 4:
        put(Reading::Label3_0, g.RawValue[17], "#0.0 C");
        if (type == 4)
            put(Reading::Label3_4, g.RawValue[21], "#0.0 C");
        for (int j = 1; j <= 3; ++j)
            if (D(g, 18 + j))
                powerPair(label5(j), label13(j), j + 1);
        if (type == 4)
            for (int j = 5; j <= 7; ++j)
                if (D(g, 17 + j))
                    powerPair(label5(j), label13(j), j + 1);
        break;
    case 5:
    case 6: {
        const int n = type == 5 ? 4 : 8;
        volts();
        for (int i = 0; i < n; ++i)
            reading(label3(i), i + 1, "#0.0 A");
        for (int i = 0; i < n; ++i)
            if (D(g, 17 + i))
                powerPair(label5(i), label13(i), i + 1);
        break;
    }
    case 7:
        for (int i = 0; i < 8; ++i)
            reading(label3(i), i + 1, "#0.0 A");
        volts();
        reading(Reading::Label6, 10, "#0.00 V");
        reading(Reading::Label7, 11, "#0.00 V");
        for (int i = 0; i < 8; ++i)
            if (D(g, 17 + i))
                powerPair(label5(i), label13(i), i + 1);
        break;
    case 8:
        for (int k = 1; k <= 8; ++k) {
            if (!(D(g, 16 + k) && D(g, k)))
                continue;
            const bool mill = k <= 2;
            put(mill ? ampsLabel(k - 1) : label3(k - 1), g.ChannelValue[k], "#0.0 A");
            powerPair(mill ? wattsLabel(k - 1) : label5(k - 1), mill ? whoursLabel(k - 1) : label13(k - 1), k);
        }
        volts();
        reading(Reading::Label6, 10, "#0.00 V");
        reading(Reading::Label7, 11, "#0.00 V");
        wind();
        reading(Reading::RPM0, 13, "##0rpm");
        reading(Reading::RPM1, 14, "##0rpm");
        reading(Reading::Label9, 15, "##0");
        reading(Reading::Label12, 16, "##0");
        break;
    default:
        break;
    }
    return out;
}

LabelTexts showWattHours(const Global_Declarations& g)
{
    const auto wattHourLabel = [](Reading r) {
        const int i = static_cast<int>(r);
        return (i >= static_cast<int>(Reading::Whours0) && i <= static_cast<int>(Reading::Whours3)) ||
               (i >= static_cast<int>(Reading::Label13_0) && i <= static_cast<int>(Reading::Label13_7));
    };
    LabelTexts out;
    for (auto& entry : showReadings(g))
        if (wattHourLabel(entry.first))
            out.push_back(std::move(entry));
    return out;
}

LabelTexts maximumClick(const Global_Declarations& g, Reading clicked, int& tempMaxShown)
{
    LabelTexts out;
    const auto& mm = g.MaxMin;
    const int c = static_cast<int>(clicked);
    auto in = [&](Reading first, int count) {
        return c >= static_cast<int>(first) && c < static_cast<int>(first) + count;
    };
    auto index = [&](Reading first) { return c - static_cast<int>(first); };

    if (clicked == Reading::Volts0) {
        out.emplace_back(Reading::Volts0, formatPicture(mm[8], "#0.00"));
    } else if (in(Reading::Amps0, 4)) {
        for (int i = 0; i < 4; ++i)
            out.emplace_back(ampsLabel(i), formatPicture(mm[i], "#0.0"));
    } else if (in(Reading::Watts0, 4)) {
        const int i = index(Reading::Watts0);
        out.emplace_back(clicked, formatPicture(mm[i + 16], "###0"));
    } else if (in(Reading::RPM0, 2)) {
        out.emplace_back(Reading::RPM0, formatPicture(mm[12], "#00"));
        out.emplace_back(Reading::RPM1, formatPicture(mm[13], "#00"));
    } else if (clicked == Reading::Wind0) {
        out.emplace_back(Reading::Wind0, formatPicture(mm[11], "##0.0"));
    } else if (in(Reading::Label3_0, 8)) {
        const int i = index(Reading::Label3_0);
        const int type = g.SystemType;
        const bool temperature = (i == 0 && (type == 3 || type == 4)) || (i == 4 && type == 4);
        if (temperature) {
            const int maxSlot = i == 0 ? MaxMinSlot::Temp1Max : MaxMinSlot::Temp2Max;
            if (tempMaxShown == 0) {
                tempMaxShown = 1;
                out.emplace_back(clicked, "Max " + formatPicture(mm[maxSlot], "#0.0 C"));
            } else {
                tempMaxShown = 0;
                out.emplace_back(clicked, "Min " + formatPicture(mm[maxSlot + 1], "#0.0 C"));
            }
        } else {
            out.emplace_back(clicked, "Max " + formatPicture(mm[i], "#0.0 A"));
        }
    } else if (in(Reading::Label5_0, 8)) {
        const int i = index(Reading::Label5_0);
        out.emplace_back(clicked, "Max " + formatPicture(mm[i + 16], "###0 W"));
    } else if (clicked == Reading::Label6) {
        out.emplace_back(clicked, "Max " + formatPicture(mm[9], "#0.00"));
    } else if (clicked == Reading::Label7) {
        out.emplace_back(clicked, "Max " + formatPicture(mm[10], "#0.00"));
    } else if (clicked == Reading::Label9) {
        out.emplace_back(clicked, "Max " + formatPicture(mm[14], "#00"));
    } else if (clicked == Reading::Label12) {
        out.emplace_back(clicked, "Max " + formatPicture(mm[15], "#00"));
    }
    return out;
}

std::string check1Caption(bool ticked) { return ticked ? "Alt Volts2" : "System V1"; }

} // namespace gv
