#pragma once
// The three configuration files in the program folder: hardware.cfg (program
// settings), channels.cfg (the 24-channel table) and calibrations.cfg (the 16
// ADC calibrations).  Builders return the exact bytes each writer produces
// (CR LF line ends, no byte-order mark); loaders fill Global_Declarations from
// a file's text with the stored widths of the variables.
//
// Reading rules shared by every loader here:
//  - an item is the text between the first occurrence of its opening tag and
//    the first occurrence of its closing tag after it (case-sensitive; see
//    findTaggedValue).  A closing tag that stands before the opening tag is
//    not looked at, so "</Port>9<Port>" has no Port item while
//    "</Port>9<Port>3</Port>" reads as 3;
//  - an item that is missing (no opening tag, or no closing tag after it)
//    takes its first-run value (firstRunConfiguration), so a damaged file
//    never leaves 0 or an empty text where the first start would have put a
//    value; the loaders return the keys of the items that were missing;
//  - numbers are the value's leading number ("." decimal point, no number = 0)
//    and are stored rounded half-to-even in the variable's width; values
//    beyond that width are clamped to its range (a flag of 300 becomes 255).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "shared/Global_Declarations.h"

namespace gv {

constexpr const char* HardwareCfgName = "hardware.cfg";
constexpr const char* ChannelsCfgName = "channels.cfg";
constexpr const char* CalibrationsCfgName = "calibrations.cfg";

// ------------------------------------------------------------ first-run values

// The values a first start writes into the three files: the settings of
// hardware.cfg (port 3 at 4800 baud, interval 10 s, "m/s", "Personal Program
// NAME", system type 0, tariffs 10), the 24-channel table of channels.cfg and
// the calibrations (factor 0.10, offset 0, volts).  The splash window's
// default files are built from them, and a loader gives them to every item
// missing from an existing file.  Everything else in the state is zero.
const Global_Declarations& firstRunConfiguration();

// ---------------------------------------------------------------- hardware.cfg

// The value texts of the thirteen settings lines, exactly as they go between
// the tags.  The settings dialog fills it from its boxes (texts as typed);
// hardwareValues() fills it from the shared settings.
struct HardwareCfgValues {
    std::string Port;
    std::string SaveExcel;
    std::string LogDelay;
    std::string LogOn;
    std::string WSUnits;
    std::string BaudRate;
    std::string DispMessages;
    std::string PersonalString;
    std::string LastFile;
    std::string SystemType;
};

// Shared settings as value texts (numbers in their shortest decimal form).
HardwareCfgValues hardwareValues(const Global_Declarations& g);

// Lines 1..13 of hardware.cfg, each ended by CR LF: the part that every
// writer of the file shares.
std::string hardwareCfgLines(const HardwareCfgValues& v);

// hardware.cfg as Exit and the system-type change write it: lines 1..13
// ("Program Config File", empty, Port .. LastFile, empty, SystemType), each
// ended by CR LF, then one more CR LF.  No tariff items.
std::string hardwareCfgText(const HardwareCfgValues& v);
std::string hardwareCfgText(const Global_Declarations& g);

// hardware.cfg as the settings dialog writes it: lines 1..13, an empty line,
// "<M>" m "</M>", "<J>" j "</J>", "<Z>" z "</Z>" (the tariff box texts), then
// one more CR LF.
std::string hardwareCfgTextWithTariffs(const HardwareCfgValues& v, std::string_view m,
                                       std::string_view j, std::string_view z);

// Fills Port, BaudRate, SaveExcel, LogDelay, LogOn, WSUnits, DispMessages,
// PersonalString and SystemType.  LastFile and the tariffs are not read.
// LogDelay is kept usable as a logging interval: see clampLogDelay().
// Returns the keys of the items that were missing ("BaudRate", ...).
std::vector<std::string> loadHardwareCfg(Global_Declarations& g, std::string_view text);

// The logging interval must stay within 1..600 seconds so that the logging
// timer never runs at 0 ms or beyond its range.  A number below 1 becomes 1,
// above 600 becomes 600; a missing item gives the first-run 10; a value that
// is not a number at all keeps the previous LogDelay, and when that is not a
// usable interval either (the zero start state) the first-run 10 is used.
constexpr double LogDelayMin = 1;
constexpr double LogDelayMax = 600;
constexpr double LogDelayDefault = 10;
double clampLogDelay(double seconds);

// Logging timer interval in milliseconds for a LogDelay: round(seconds * 1000).
int loggingIntervalMs(double logDelaySeconds);

// ---------------------------------------------------------------- channels.cfg

// The 240 lines the channel editors write: for n = 1..24 the nine items
// enableLOGGINGn, enableDISPLAYn, enableGRAPHINGn, HARDWAREenabledn, Cn, Ln,
// Mn, XMLsoftwaren, XMLhardwaren, then an empty line.  Nothing before or
// after.
std::string channelsCfgText(const Global_Declarations& g);

// The same, with the colours and maxima given separately (the hardware editor
// writes the colour of each row's name label and the leading number of each
// row's maximum box, which may differ from the shared table).
std::string channelsCfgText(const Global_Declarations& g, const std::array<std::int32_t, 25>& colours,
                            const std::array<double, 25>& maxima);

// True when an element name or hardware tag read from channels.cfg is
// damaged: it holds a control character (below 0x20, or 0x7F; a line break
// would split the log records it names) or a "<" or ">" (a tag copied with
// its brackets, "<A1>", would go into every record as "<<A1>>5.0</<A1>>").
// The tag pickers refuse "<" and ">" as well.
bool damagedChannelCode(std::string_view text);

// Fills the nine ChannelTable arrays for channels 1..24: flags as bytes, C as
// text, L as a 32-bit integer, M as a 16-bit integer, XML tags as text.
// Returns the keys of the items that were missing ("C3", "M3", ...).  A
// damaged element name or hardware tag (damagedChannelCode) takes its
// first-run value and its key goes to *damaged ("XMLsoftware1").  Channel
// names keep any text; they are only shown, never written into a record.
std::vector<std::string> loadChannelsCfg(Global_Declarations& g, std::string_view text,
                                         std::vector<std::string>* damaged = nullptr);

// ------------------------------------------------------------ calibrations.cfg

// calibrations.cfg as the calibration window writes it: "Calibration
// Settings", an empty line, then for n = 1..16 "<ADCDivider(n)>" factor with
// the picture "0.00000", "<ADCOffset(n)>" offset with the picture "00000",
// "<ChannelSelection(n)>" kind, and an empty line.
std::string calibrationsCfgText(const Global_Declarations& g);

// The same with the factor of each channel given as the text of its box: a
// numeric text is written with the picture "0.00000", any other text is
// written unchanged.  Element 0 is unused.
std::string calibrationsCfgText(const Global_Declarations& g,
                                const std::array<std::string, 17>& dividerTexts);

// Fills ADCOffset(1..16) and ADCDivider(1..16) by their leading numbers, as
// the configuration load does.  ChannelSelection is not touched.  Returns
// the keys of the items that were missing ("ADCDivider(2)", ...).
std::vector<std::string> loadCalibrationsCfg(Global_Declarations& g, std::string_view text);

// Fills ChannelSelection(1..16) with the items' texts unchanged (only the
// calibration window loads the kinds).
void loadChannelSelections(Global_Declarations& g, std::string_view text);

// ------------------------------------------------------ whole configuration load

struct ConfigLoadResult {
    bool hardwareRead = false;
    bool channelsRead = false;
    bool calibrationsRead = false;
    int loggingIntervalMs = 0;  // the logging timer's interval: round(LogDelay * 1000)
    std::string delayText;      // what the interval box shows: LogDelay as text
    std::string portCaption;    // "Port Number  " followed by Port
    // One line per file that was read but lacked items, naming them, for the
    // main window's error record: "hardware.cfg: items missing, first-run
    // values used: BaudRate, WSUnits"; and one for damaged items of
    // channels.cfg: "channels.cfg: items damaged, first-run values used:
    // XMLsoftware1".
    std::vector<std::string> missingItems;
    // One entry per file that could not be read: its path and the system's
    // reason ("/home/u/Gyrovane/channels.cfg: Is a directory").
    std::vector<std::string> unreadFiles;

    bool allRead() const { return hardwareRead && channelsRead && calibrationsRead; }
    // "configuration could not be read: " and the unread files, "; " between them.
    std::string failureText() const;
};

// The configuration load: hardware.cfg, then channels.cfg, then
// calibrations.cfg from the program folder.  A file that cannot be read
// leaves its variables as they were and is reported in the result; items
// missing from a file that was read, or damaged, take their first-run values
// and are listed in missingItems.  The load never stops part way.
ConfigLoadResult loadConfiguration(Global_Declarations& g, const std::string& programFolder);

// ------------------------------------------------------------------- writers

// Each writes its file in the program folder atomically (the old file stays
// whole when writing fails) and returns false with a reason in *error.
// writeHardwareCfg writes the Exit form and keeps the power costs (M, J, Z)
// that the file already holds, as they stand.
bool writeHardwareCfg(const Global_Declarations& g, const std::string& programFolder,
                      std::string* error = nullptr);
bool writeChannelsCfg(const Global_Declarations& g, const std::string& programFolder,
                      std::string* error = nullptr);
bool writeCalibrationsCfg(const Global_Declarations& g, const std::string& programFolder,
                          std::string* error = nullptr);

// Stored-width conversion used by the loaders (halves to even, clamped).
std::int16_t toInt16(double v);

} // namespace gv
