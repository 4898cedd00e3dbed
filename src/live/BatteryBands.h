#pragma once
// The battery monitors' reading: the nominal system (12, 24, 48 or 240 V)
// worked out from the voltage itself and the state-of-charge colours of the
// reading's background and of the close "X".  The comparison value is a local
// copy (halved on 24 V, quartered on 48 V systems); the shared reading is
// never changed.

#include <cstdint>
#include <string>

namespace gv {

constexpr std::int32_t BattRed = 255;
constexpr std::int32_t BattOrange = 33023;
constexpr std::int32_t BattYellow = 65535;
constexpr std::int32_t BattLightGreen = 8454016;
constexpr std::int32_t BattGreen = 65280;
constexpr std::int32_t BattBlue = 16711680;

// What the window shows; a tick updates it in place, so a value that no test
// matches keeps what the previous tick left.
struct BatteryIndicator {
    std::string caption = "00.00";
    std::string systemText = "Label2";
    std::int32_t backColour = BattLightGreen;
    std::int32_t closeColour = 0;
};

// One timer tick with V the channel's reading.
void batteryTick(double V, BatteryIndicator& shown);

// A click on the reading: the first click (toggle not 1) shows the minimum,
// the next the maximum, alternating; toggle is updated.
std::string batteryMaxMinText(int& toggle, double maximum, double minimum);

} // namespace gv
