#pragma once
// What the program settings dialog does besides showing its boxes: the
// lists it offers, the checks before a save and the hardware.cfg it writes.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace gv {

struct Global_Declarations;

// The texts and states of the dialog's boxes.
struct ProgramSetupBoxes {
    std::string port;            // PortNumber
    std::string baud;            // BaudSelect
    std::string logDelay;        // LogDelay
    std::string personal;        // Personalization
    std::string wsUnits;         // WSUnits
    std::string cents[3];        // Cents(0..2): M, J, Z
    bool saveExcel = false;
    bool logOn = false;
    bool dispMessages = false;   // "Record Error messages"
};

extern const char* const kShortIntervalAdvice;  // "Keep total logging time short, ..."

struct SettingsCheck {
    std::string refusal;     // non-empty: show it, save nothing, keep the dialog open
    bool advise = false;     // show the short-interval advice before saving
    double logDelay = 0;     // the interval to save
    double port = 0;
    double baud = 0;
};

// Checks the boxes: the interval must be a number from 1 to 600, the port a
// whole number from 1 to 255 (the serial ports Windows numbers), the baud
// rate a whole number, and no text written between tags may hold "<", ">",
// a line break or a character the files' code page cannot hold.
SettingsCheck checkSettingsBoxes(const ProgramSetupBoxes& b);

// The whole hardware.cfg the dialog writes from its boxes (after a
// successful check); LastFile and SystemType come from the shared settings.
std::string programSetupText(const ProgramSetupBoxes& b, const SettingsCheck& c,
                             const Global_Declarations& g);

// The three power costs as hardware.cfg holds them, the texts of the items
// M, J and Z as they stand, for the dialog's boxes: shown as stored, a save
// keeps them.  A missing item gives the first-run cost.
std::array<std::string, 3> storedTariffTexts(std::string_view hardwareCfgText);

// Copies what a save assigns into the shared settings: Port, BaudRate,
// SaveExcel, WSUnits and the three tariffs.  The other settings reach the
// shared state through the configuration load that follows the dialog.
void applySavedSettings(const ProgramSetupBoxes& b, const SettingsCheck& c, Global_Declarations& g);

// Choice lists of the dialog's boxes.
std::vector<std::string> baudRateChoices();
std::vector<std::string> logDelayChoices();
std::vector<std::string> tariffChoices();  // 10..25, then 44..55

} // namespace gv
