#pragma once
// The calculation pass that turns the raw readings of one framed message into
// calibrated channel values, powers, highs and lows and interval sums, and
// the one-line summary the main window shows in its title bar.
//
// One pass, in order:
//  1. goodDATAcount + 1.
//  2. ADC scaling of channels 1..16: x = RawValue(n) - ADCOffset(n), clamped
//     at 0, times ADCDivider(n) (a multiplier despite its name).  Maxima of
//     channels 1..8 and 12..16 (slot n - 1) take a strictly greater value.
//  3. Volts 9..11: maxima (slots 8..10) and minima (slots 24..26), and the
//     temperatures RawValue(17) (slots 27, 28) and RawValue(21) (slots 29,
//     30), each only for a reading above 0.
//  4. AccumulatedValue(1..16) += ChannelValue(n).
//  5. Powers of the system type (V = ChannelValue(9)):
//       0, 1, 2   k = 1..8: ChannelValue(k) * V; power 2 with "System V1"
//                 ticked: ChannelValue(2) * ChannelValue(10)
//       3         k = 2, 3, 4: RawValue(16 + k) (Current Cost watts)
//       4         k = 2, 3, 4, 6, 7, 8: RawValue(16 + k)
//       5, 6      k = 1..8: ChannelValue(k) * V
//       7         k = 1..4: ChannelValue(k) * V; 5..8: ChannelValue(k) * 240
//       8         as 7, with the power 2 choice of types 0..2
//     each computed power is added to AccumulatedWatts(k) and raises slot
//     15 + k when strictly greater.  Powers a type does not compute keep
//     their values.
//  6. Copies for the live plot windows: Windmill1Power/2Power = powers 1/2,
//     Windmill1RPM/2RPM = ChannelValue(13)/(14).
//
// A pass whose arithmetic gives a reading or power that is not finite or
// beyond MaxAcceptedMagnitude (an absurd raw reading or calibration factor)
// changes nothing at all: the message is abandoned, so the logger never
// writes a value that the day restore and the graph readers refuse.

#include <optional>
#include <string>

#include "shared/Global_Declarations.h"

namespace gv {

// The fixed mains voltage of the AC load channels 5..8 (types 7 and 8).
constexpr double MainsVolts = 240.0;

struct CalcResult {
    bool done = false;                  // false: abandoned, shared state untouched
    std::optional<std::string> caption; // title-bar summary (absent for a type outside 0..8)
};

// The highs and lows a day starts from, at start-up (before the day restore
// raises the maxima from today's log) and when the daily summary starts a new
// day: every slot 0, then the volts minima (slots 24..26) at 1000 and the
// temperature minima (28, 30) at 100, so the first reading above 0 replaces
// them; the temperature maxima (27, 29) stay 0.
void seedHighsAndLows(Global_Declarations& g);

// One calculation pass over the current RawValue.  check1 is the main
// window's "System V1" box: ticked, power 2 of types 0, 1, 2 and 8 uses the
// volts of channel 10.
CalcResult calculateChannels(Global_Declarations& g, bool check1);

// The title-bar summary for the current values:
//   0        "25.30V 4.3A 108W " + PersonalString
//   1,2,5-8  "Battery = 25.30V "
//   3        "345W 0W 12W " + PersonalString
//   4        powers 2,3,4,6,7 each "###0" + "W ", power 8 + "W  ", PersonalString
// Absent for a type outside 0..8 (the caption is then left as it is).
std::optional<std::string> titleSummary(const Global_Declarations& g);

} // namespace gv
