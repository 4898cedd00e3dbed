#pragma once
// The one block of state that every window shares.  The application owns one
// instance and hands it by reference to every window and engine object, so a
// test can build a fresh state of its own.  Arrays keep element 0 unused:
// channel n is element n, ADC input n is element n, power k is element k.

#include <array>
#include <cstdint>
#include <string>

namespace gv {

// Slots of the highs-and-lows table MaxMin.
namespace MaxMinSlot {
constexpr int AmpsFirst = 0;      // 0..7: maximum of channels 1..8
constexpr int VoltsMaxFirst = 8;  // 8..10: maximum of channels 9..11
constexpr int WindMax = 11;       // maximum of channel 12
constexpr int RpmMaxFirst = 12;   // 12..13: channels 13, 14
constexpr int PulseMaxFirst = 14; // 14..15: channels 15, 16
constexpr int PowerMaxFirst = 16; // 16..23: powers 1..8 (power k in slot 15 + k)
constexpr int VoltsMinFirst = 24; // 24..26: minimum of channels 9..11
constexpr int Temp1Max = 27;
constexpr int Temp1Min = 28;
constexpr int Temp2Max = 29;
constexpr int Temp2Min = 30;
constexpr int Count = 31;
} // namespace MaxMinSlot

struct Global_Declarations {
    // ---- HardwareSettings (hardware.cfg) ----
    double Port = 0;
    double BaudRate = 0;
    double SaveExcel = 0;
    double LogDelay = 0;
    double LogOn = 0;
    std::string WSUnits;
    std::uint8_t DispMessages = 0;
    std::string PersonalString;
    std::string LastFile;      // never assigned: always written back empty
    std::int16_t SystemType = 0;
    double TariffM = 0;
    double TariffJ = 0;
    double TariffZ = 0;
    std::string GraphWSUnits;  // never assigned: always empty

    // ---- ChannelTable (channels.cfg), elements 1..24 ----
    std::array<std::uint8_t, 25> enableLOGGING{};
    std::array<std::uint8_t, 25> enableDISPLAY{};
    std::array<std::uint8_t, 25> enableGRAPHING{};
    std::array<std::uint8_t, 25> HARDWAREenabled{};
    std::array<std::string, 25> ChannelName{};
    std::array<std::int32_t, 25> LineColour{};
    std::array<std::int16_t, 25> ChannelMaxReading{};
    std::array<std::string, 25> XMLsoftware{};
    std::array<std::string, 25> XMLhardware{};

    // ---- CalibrationTable (calibrations.cfg), elements 1..16 ----
    std::array<double, 21> ADCOffset{};
    std::array<double, 21> ADCDivider{};
    std::array<std::string, 17> ChannelSelection{};

    // ---- LiveValues, rewritten for every complete message ----
    std::array<double, 31> RawValue{};
    std::array<double, 25> ChannelValue{};
    std::array<double, 11> ChannelPower{};
    double Windmill1Power = 0;
    double Windmill2Power = 0;
    double Windmill1RPM = 0;
    double Windmill2RPM = 0;
    std::string LastMessage;

    // ---- IntervalAccumulators ----
    std::array<double, 21> AccumulatedValue{};
    std::array<double, 11> AccumulatedWatts{};
    double goodDATAcount = 0;
    std::array<double, 21> LoggedValue{};
    std::array<double, 11> LoggedWatts{};
    std::array<double, 11> WattHours{};

    // ---- Highs and lows ----
    std::array<double, MaxMinSlot::Count> MaxMin{};

    // ---- Flags and hand-over buffers ----
    int LoggingOn = 0;
    int PlotMode = 0;
    std::uint8_t BattMonitorOpen = 0;
    int RawCommsOpen = 0;
    std::string InputText;
    std::int32_t PickedColour = 0;
};

// A per-channel flag counts as set only when it equals 1.
inline bool flagSet(std::uint8_t f) { return f == 1; }

} // namespace gv
