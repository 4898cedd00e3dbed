#pragma once
// What the calibration window does besides showing its rows: which ADC
// inputs each system type calibrates, how the window reads calibrations.cfg,
// the texts of its live readout, the check before a save and the factors a
// save puts into use.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace gv {

struct Global_Declarations;

// ADC input n (1..16) has a frame in the window for the system type.
bool calibrationFrameShown(int systemType, int n);

// The window height the system type asks for, in twips; 0 keeps the
// window's own height.
int calibrationWindowHeightTwips(int systemType);

// The Current Cost types need no calibration.
bool calibrationNotRequired(int systemType);
extern const char* const kNoCalibrationMessage;

// Inputs 1..11 are volts or amps inputs with a Reset label; 12..16 amps or
// pulse inputs.
inline bool hasVoltsOption(int n) { return n >= 1 && n <= 11; }

// Reads the window's items from calibrations.cfg into the shared table:
// each offset when its text is a number as a whole, each factor by its
// leading number, each kind as its text.  A missing item takes its first-run
// value (offset 0, factor 0.1, volts); an offset that is present but not a
// number keeps the value held in memory.
void loadCalibrationItems(Global_Declarations& g, std::string_view text);

// A save puts the factors it wrote into use at once, as a new zero is, so
// the next message is calculated with them: each ADCDivider is taken from
// the saved text of calibrations.cfg exactly as the configuration load
// reads it (the leading number of the written "0.00000" text).  Offsets and
// kinds are left as they are in memory.
void useSavedFactors(Global_Declarations& g, std::string_view savedText);

// Live readout texts: the raw reading ("000") and the calibrated preview
// ((raw - offset) * factor as typed, "##0.00", not clamped); no preview for
// a factor text that is not a number.
std::string rawReadingText(double raw);
std::optional<std::string> previewText(double raw, double offset, std::string_view factorText);

// The first input (1..16) whose factor text is not a number, if any.
std::optional<int> firstNonNumericFactor(const std::array<std::string, 17>& factorTexts);
std::string nonNumericFactorMessage(int n, const std::string& channelName);

} // namespace gv
