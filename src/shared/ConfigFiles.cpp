#include "shared/ConfigFiles.h"

#include <cmath>
#include <limits>
#include <optional>

#include "shared/FileIO.h"
#include "shared/NumberPicture.h"
#include "shared/TaggedText.h"

namespace gv {

namespace {

// Lines of the files are joined with CR LF.
void line(std::string& out, std::string_view text)
{
    out.append(text);
    out.append(CRLF);
}

// "<key>value</key>" followed by CR LF.
void itemLine(std::string& out, std::string_view key, std::string_view value)
{
    line(out, tagged(key, value));
}

template <typename T>
T clampRounded(double v)
{
    const double r = roundHalfEven(v); // non-finite gives 0
    if (r <= static_cast<double>(std::numeric_limits<T>::min()))
        return std::numeric_limits<T>::min();
    if (r >= static_cast<double>(std::numeric_limits<T>::max()))
        return std::numeric_limits<T>::max();
    return static_cast<T>(r);
}

// Item of channel n: key and number unpadded, "<C12>" .. "</C12>".
std::string channelKey(const char* key, int n)
{
    return std::string(key) + std::to_string(n);
}

// Calibration keys carry the number in parentheses: "ADCOffset(3)".
std::string calibrationKey(const char* key, int n)
{
    return std::string(key) + "(" + std::to_string(n) + ")";
}

// The value of one item; when it is missing, nothing, and its key joins the
// list of missing items.
std::optional<std::string> presentItem(std::string_view text, const std::string& key,
                                       std::vector<std::string>& missing)
{
    auto v = findTag(text, key);
    if (!v)
        missing.push_back(key);
    return v;
}

// Reads one item into target through convert, or gives target its first-run
// value when the item is missing.
template <typename T, typename Convert>
void readItem(std::string_view text, const std::string& key, std::vector<std::string>& missing, T& target,
              const T& firstRun, Convert convert)
{
    if (const auto v = presentItem(text, key, missing))
        target = convert(*v);
    else
        target = firstRun;
}

// Item values in the stored widths of the variables.
std::string asText(const std::string& v) { return v; }
double asNumber(const std::string& v) { return leadingNumber(v); }
std::uint8_t asByte(const std::string& v) { return clampRounded<std::uint8_t>(leadingNumber(v)); }
std::int16_t asInt16(const std::string& v) { return clampRounded<std::int16_t>(leadingNumber(v)); }
std::int32_t asInt32(const std::string& v) { return clampRounded<std::int32_t>(leadingNumber(v)); }

// The record line of one file's missing (or damaged) items; a long list (a
// file cut short early) names the first few and counts the rest.
std::string itemsLine(const char* file, const char* what, const std::vector<std::string>& keys)
{
    constexpr size_t named = 12;
    std::string s = std::string(file) + ": items " + what + ", first-run values used: ";
    for (size_t i = 0; i < keys.size() && i < named; ++i) {
        if (i > 0)
            s += ", ";
        s += keys[i];
    }
    if (keys.size() > named)
        s += " and " + std::to_string(keys.size() - named) + " more";
    return s;
}

struct FirstRunChannel {
    const char* name;
    std::int32_t colour;
    std::int16_t maximum;
    const char* code;   // element name and hardware tag alike
    std::uint8_t flag;  // logging, display, graphing and hardware flags alike
};

// Channels 1..24.  The enabled ones (1, 9, 12, 13, 17) are those of the
// default single-windmill system type.
constexpr FirstRunChannel kFirstRunChannels[24] = {
    {"WINDMILL AMPS", 16711680, 20, "A1", 1},
    {"channel name", 255, 20, "A2", 0},
    {"channel name", 65280, 20, "A3", 0},
    {"channel name", 65535, 20, "A4", 0},
    {"channel name", 16711680, 20, "A5", 0},
    {"channel name", 255, 20, "A6", 0},
    {"channel name", 65280, 20, "A7", 0},
    {"channel name", 65535, 20, "A8", 0},
    {"SYSTEM VOLTS", 16711935, 60, "V1", 1},
    {"channel name", 8421631, 30, "V2", 0},
    {"channel name", 8438015, 30, "V3", 0},
    {"WINDSPEED", 16776960, 50, "WS", 1},
    {"WINDMILL RPM", 33023, 500, "R1", 1},
    {"channel name", 12648384, 500, "R2", 0},
    {"channel name", 255, 1000, "P1", 0},
    {"channel name", 16711680, 1000, "P2", 0},
    {"WINDMILL POWER", 16711680, 1000, "W1", 1},
    {"channel name", 255, 1000, "W2", 0},
    {"channel name", 65280, 1000, "W3", 0},
    {"channel name", 65535, 1000, "W4", 0},
    {"channel name", 16711680, 1000, "W5", 0},
    {"channel name", 255, 1000, "W6", 0},
    {"channel name", 65280, 1000, "W7", 0},
    {"channel name", 65535, 1000, "W8", 0},
};

Global_Declarations makeFirstRunConfiguration()
{
    Global_Declarations g;
    g.Port = 3;
    g.SaveExcel = 0;
    g.LogDelay = LogDelayDefault;
    g.LogOn = 0;
    g.WSUnits = "m/s";
    g.BaudRate = 4800;
    g.DispMessages = 0;
    g.PersonalString = "Personal Program NAME";
    g.SystemType = 0;
    g.TariffM = g.TariffJ = g.TariffZ = 10;
    for (int n = 1; n <= 24; ++n) {
        const FirstRunChannel& c = kFirstRunChannels[n - 1];
        g.enableLOGGING[n] = g.enableDISPLAY[n] = g.enableGRAPHING[n] = g.HARDWAREenabled[n] = c.flag;
        g.ChannelName[n] = c.name;
        g.LineColour[n] = c.colour;
        g.ChannelMaxReading[n] = c.maximum;
        g.XMLsoftware[n] = g.XMLhardware[n] = c.code;
    }
    for (int n = 1; n <= 16; ++n) {
        g.ADCDivider[n] = 0.1;
        g.ADCOffset[n] = 0;
        g.ChannelSelection[n] = "V";
    }
    return g;
}

} // namespace

const Global_Declarations& firstRunConfiguration()
{
    static const Global_Declarations g = makeFirstRunConfiguration();
    return g;
}

std::int16_t toInt16(double v) { return clampRounded<std::int16_t>(v); }

// ---------------------------------------------------------------- hardware.cfg

HardwareCfgValues hardwareValues(const Global_Declarations& g)
{
    HardwareCfgValues v;
    v.Port = numberText(g.Port);
    v.SaveExcel = numberText(g.SaveExcel);
    v.LogDelay = numberText(g.LogDelay);
    v.LogOn = numberText(g.LogOn);
    v.WSUnits = g.WSUnits;
    v.BaudRate = numberText(g.BaudRate);
    v.DispMessages = std::to_string(static_cast<int>(g.DispMessages));
    v.PersonalString = g.PersonalString;
    v.LastFile = g.LastFile;
    v.SystemType = std::to_string(static_cast<int>(g.SystemType));
    return v;
}

std::string hardwareCfgLines(const HardwareCfgValues& v)
{
    std::string s;
    line(s, "Program Config File");
    line(s, "");
    itemLine(s, "Port", v.Port);
    itemLine(s, "SaveExcel", v.SaveExcel);
    itemLine(s, "LogDelay", v.LogDelay);
    itemLine(s, "LogOn", v.LogOn);
    itemLine(s, "WSUnits", v.WSUnits);
    itemLine(s, "BaudRate", v.BaudRate);
    itemLine(s, "DispMessages", v.DispMessages);
    itemLine(s, "PersonalString", v.PersonalString);
    itemLine(s, "LastFile", v.LastFile);
    line(s, "");
    itemLine(s, "SystemType", v.SystemType);
    return s;
}

std::string hardwareCfgText(const HardwareCfgValues& v)
{
    std::string s = hardwareCfgLines(v);
    s.append(CRLF);
    return s;
}

std::string hardwareCfgText(const Global_Declarations& g)
{
    return hardwareCfgText(hardwareValues(g));
}

std::string hardwareCfgTextWithTariffs(const HardwareCfgValues& v, std::string_view m,
                                       std::string_view j, std::string_view z)
{
    std::string s = hardwareCfgLines(v);
    line(s, "");
    itemLine(s, "M", m);
    itemLine(s, "J", j);
    itemLine(s, "Z", z);
    s.append(CRLF);
    return s;
}

double clampLogDelay(double seconds)
{
    if (!std::isfinite(seconds))
        return LogDelayDefault;
    if (seconds < LogDelayMin)
        return LogDelayMin;
    if (seconds > LogDelayMax)
        return LogDelayMax;
    return seconds;
}

int loggingIntervalMs(double logDelaySeconds)
{
    return static_cast<int>(roundHalfEven(clampLogDelay(logDelaySeconds) * 1000.0));
}

namespace {

bool usableLogDelay(double v)
{
    return std::isfinite(v) && v >= LogDelayMin && v <= LogDelayMax;
}

} // namespace

std::vector<std::string> loadHardwareCfg(Global_Declarations& g, std::string_view text)
{
    const Global_Declarations& d = firstRunConfiguration();
    std::vector<std::string> missing;
    readItem(text, "Port", missing, g.Port, d.Port, asNumber);
    readItem(text, "BaudRate", missing, g.BaudRate, d.BaudRate, asNumber);
    readItem(text, "SaveExcel", missing, g.SaveExcel, d.SaveExcel, asNumber);
    if (const auto v = presentItem(text, "LogDelay", missing)) {
        if (hasLeadingNumber(*v))
            g.LogDelay = clampLogDelay(leadingNumber(*v));
    } else {
        g.LogDelay = d.LogDelay;
    }
    if (!usableLogDelay(g.LogDelay))
        g.LogDelay = LogDelayDefault;
    readItem(text, "LogOn", missing, g.LogOn, d.LogOn, asNumber);
    readItem(text, "WSUnits", missing, g.WSUnits, d.WSUnits, asText);
    readItem(text, "DispMessages", missing, g.DispMessages, d.DispMessages, asByte);
    readItem(text, "PersonalString", missing, g.PersonalString, d.PersonalString, asText);
    readItem(text, "SystemType", missing, g.SystemType, d.SystemType, asInt16);
    return missing;
}

// ---------------------------------------------------------------- channels.cfg

std::string channelsCfgText(const Global_Declarations& g)
{
    std::array<double, 25> maxima{};
    for (int n = 1; n <= 24; ++n)
        maxima[n] = g.ChannelMaxReading[n];
    return channelsCfgText(g, g.LineColour, maxima);
}

std::string channelsCfgText(const Global_Declarations& g, const std::array<std::int32_t, 25>& colours,
                            const std::array<double, 25>& maxima)
{
    std::string s;
    s.reserve(24 * 320);
    for (int n = 1; n <= 24; ++n) {
        itemLine(s, channelKey("enableLOGGING", n), std::to_string(g.enableLOGGING[n]));
        itemLine(s, channelKey("enableDISPLAY", n), std::to_string(g.enableDISPLAY[n]));
        itemLine(s, channelKey("enableGRAPHING", n), std::to_string(g.enableGRAPHING[n]));
        itemLine(s, channelKey("HARDWAREenabled", n), std::to_string(g.HARDWAREenabled[n]));
        itemLine(s, channelKey("C", n), g.ChannelName[n]);
        itemLine(s, channelKey("L", n), std::to_string(colours[n]));
        itemLine(s, channelKey("M", n), numberText(maxima[n]));
        itemLine(s, channelKey("XMLsoftware", n), g.XMLsoftware[n]);
        itemLine(s, channelKey("XMLhardware", n), g.XMLhardware[n]);
        line(s, "");
    }
    return s;
}

bool damagedChannelCode(std::string_view text)
{
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == '<' || c == '>')
            return true;
    return false;
}

std::vector<std::string> loadChannelsCfg(Global_Declarations& g, std::string_view text,
                                         std::vector<std::string>* damaged)
{
    const Global_Declarations& d = firstRunConfiguration();
    std::vector<std::string> missing;
    for (int n = 1; n <= 24; ++n) {
        auto item = [&](const char* key, auto& column, const auto& firstRun, auto convert) {
            readItem(text, channelKey(key, n), missing, column[n], firstRun[n], convert);
        };
        // A damaged element name or hardware tag would break every log
        // record of its family or every message it is looked for in.
        auto code = [&](const char* key, auto& column, const auto& firstRun) {
            item(key, column, firstRun, asText);
            if (damagedChannelCode(column[n])) {
                column[n] = firstRun[n];
                if (damaged)
                    damaged->push_back(channelKey(key, n));
            }
        };
        item("enableLOGGING", g.enableLOGGING, d.enableLOGGING, asByte);
        item("enableDISPLAY", g.enableDISPLAY, d.enableDISPLAY, asByte);
        item("enableGRAPHING", g.enableGRAPHING, d.enableGRAPHING, asByte);
        item("HARDWAREenabled", g.HARDWAREenabled, d.HARDWAREenabled, asByte);
        item("C", g.ChannelName, d.ChannelName, asText);
        item("L", g.LineColour, d.LineColour, asInt32);
        item("M", g.ChannelMaxReading, d.ChannelMaxReading, asInt16);
        code("XMLsoftware", g.XMLsoftware, d.XMLsoftware);
        code("XMLhardware", g.XMLhardware, d.XMLhardware);
    }
    return missing;
}

// ------------------------------------------------------------ calibrations.cfg

std::string calibrationsCfgText(const Global_Declarations& g)
{
    std::array<std::string, 17> texts;
    for (int n = 1; n <= 16; ++n)
        texts[n] = formatPicture(g.ADCDivider[n], "0.00000");
    return calibrationsCfgText(g, texts);
}

std::string calibrationsCfgText(const Global_Declarations& g,
                                const std::array<std::string, 17>& dividerTexts)
{
    std::string s;
    line(s, "Calibration Settings");
    line(s, "");
    for (int n = 1; n <= 16; ++n) {
        const std::string& t = dividerTexts[n];
        const std::string divider = isNumeric(t) ? formatPicture(leadingNumber(t), "0.00000") : t;
        itemLine(s, calibrationKey("ADCDivider", n), divider);
        itemLine(s, calibrationKey("ADCOffset", n), formatPicture(g.ADCOffset[n], "00000"));
        itemLine(s, calibrationKey("ChannelSelection", n), g.ChannelSelection[n]);
        line(s, "");
    }
    return s;
}

std::vector<std::string> loadCalibrationsCfg(Global_Declarations& g, std::string_view text)
{
    const Global_Declarations& d = firstRunConfiguration();
    std::vector<std::string> missing;
    for (int n = 1; n <= 16; ++n)
        readItem(text, calibrationKey("ADCOffset", n), missing, g.ADCOffset[n], d.ADCOffset[n], asNumber);
    for (int n = 1; n <= 16; ++n)
        readItem(text, calibrationKey("ADCDivider", n), missing, g.ADCDivider[n], d.ADCDivider[n], asNumber);
    return missing;
}

void loadChannelSelections(Global_Declarations& g, std::string_view text)
{
    const Global_Declarations& d = firstRunConfiguration();
    std::vector<std::string> missing;
    for (int n = 1; n <= 16; ++n)
        readItem(text, calibrationKey("ChannelSelection", n), missing, g.ChannelSelection[n],
                 d.ChannelSelection[n], asText);
}

// ------------------------------------------------------ whole configuration load

std::string ConfigLoadResult::failureText() const
{
    std::string s = "configuration could not be read: ";
    for (size_t i = 0; i < unreadFiles.size(); ++i)
        s += (i ? "; " : "") + unreadFiles[i];
    return s;
}

ConfigLoadResult loadConfiguration(Global_Declarations& g, const std::string& programFolder)
{
    ConfigLoadResult r;
    auto record = [&r](const char* file, const std::vector<std::string>& keys, const char* what = "missing") {
        if (!keys.empty())
            r.missingItems.push_back(itemsLine(file, what, keys));
    };
    auto read = [&](const char* file) {
        std::string why;
        auto text = readTextFile(joinPath(programFolder, file), &why);
        if (!text)
            r.unreadFiles.push_back(why);
        return text;
    };
    if (auto text = read(HardwareCfgName)) {
        record(HardwareCfgName, loadHardwareCfg(g, *text));
        r.hardwareRead = true;
    }
    // Whatever the file held (or when it could not be read), the interval
    // must be one the logging timer can run with.
    if (!usableLogDelay(g.LogDelay))
        g.LogDelay = LogDelayDefault;
    r.loggingIntervalMs = loggingIntervalMs(g.LogDelay);
    r.delayText = numberText(g.LogDelay);
    r.portCaption = "Port Number  " + numberText(g.Port);

    if (auto text = read(ChannelsCfgName)) {
        std::vector<std::string> damaged;
        record(ChannelsCfgName, loadChannelsCfg(g, *text, &damaged));
        record(ChannelsCfgName, damaged, "damaged");
        r.channelsRead = true;
    }
    if (auto text = read(CalibrationsCfgName)) {
        record(CalibrationsCfgName, loadCalibrationsCfg(g, *text));
        r.calibrationsRead = true;
    }
    return r;
}

// ------------------------------------------------------------------- writers

bool writeHardwareCfg(const Global_Declarations& g, const std::string& programFolder, std::string* error)
{
    const std::string path = joinPath(programFolder, HardwareCfgName);
    std::string text = hardwareCfgText(g);
    // The power costs are set in the settings dialog only: every other
    // rewrite (start-up, type change, channel editors, Exit) keeps the
    // stored ones as they are.  A file without them stays without them.
    if (const auto old = readTextFile(path)) {
        const auto m = findTag(*old, "M"), j = findTag(*old, "J"), z = findTag(*old, "Z");
        if (m || j || z) {
            const Global_Declarations& d = firstRunConfiguration();
            text = hardwareCfgTextWithTariffs(hardwareValues(g), m.value_or(numberText(d.TariffM)),
                                              j.value_or(numberText(d.TariffJ)), z.value_or(numberText(d.TariffZ)));
        }
    }
    return writeTextFileAtomic(path, text, error);
}

bool writeChannelsCfg(const Global_Declarations& g, const std::string& programFolder, std::string* error)
{
    return writeTextFileAtomic(joinPath(programFolder, ChannelsCfgName), channelsCfgText(g), error);
}

bool writeCalibrationsCfg(const Global_Declarations& g, const std::string& programFolder,
                          std::string* error)
{
    return writeTextFileAtomic(joinPath(programFolder, CalibrationsCfgName), calibrationsCfgText(g), error);
}

} // namespace gv
