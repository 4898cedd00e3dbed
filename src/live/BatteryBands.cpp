#include "live/BatteryBands.h"

#include "shared/NumberPicture.h"

namespace gv {

namespace {

void lowVoltageBands(double v, BatteryIndicator& s)
{
    auto band = [&](std::int32_t back, std::int32_t close) {
        s.backColour = back;
        s.closeColour = close;
    };
    if (v < 12.2) band(BattRed, BattBlue);
    if (v > 12.2) band(BattOrange, BattRed);
    if (v > 12.5) band(BattYellow, BattRed);
    if (v > 12.8) band(BattLightGreen, BattRed);
    if (v > 13.1) band(BattGreen, BattRed);
    if (v > 14.0) band(BattYellow, BattRed);
    if (v > 14.5) band(BattRed, BattBlue);
}

void mainsBands(double v, BatteryIndicator& s)
{
    auto band = [&](std::int32_t back, std::int32_t close) {
        s.backColour = back;
        s.closeColour = close;
    };
    if (v < 220) band(BattRed, BattBlue);
    if (v > 220) band(BattLightGreen, BattRed);
    if (v > 225) band(BattGreen, BattRed);
    if (v > 245) band(BattLightGreen, BattRed);
    if (v > 250) band(BattRed, BattBlue);
}

} // namespace

void batteryTick(double V, BatteryIndicator& s)
{
    s.caption = formatPicture(V, "##0.00 V");
    s.closeColour = BattRed;
    if (V < 15) {
        s.systemText = "12";
        lowVoltageBands(V, s);
    } else if (V < 30) {
        s.systemText = "24";
        lowVoltageBands(V / 2, s);
    } else if (V < 60) {
        s.systemText = "48";
        lowVoltageBands(V / 4, s);
    } else if (V < 260) {
        s.systemText = "240";
        mainsBands(V, s);
    }
    // 260 V or more: system and colours stay as the previous tick left them.
}

std::string batteryMaxMinText(int& toggle, double maximum, double minimum)
{
    if (toggle == 1) {
        toggle = 0;
        return "MAX " + formatPicture(maximum, "##0.0V");
    }
    toggle = 1;
    return "MIN " + formatPicture(minimum, "##0.0V");
}

} // namespace gv
