#include "shared/ConfigFiles.h"

#include <cmath>
#include <limits>

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

// True when the text begins (after blanks and line feeds) with a number in the
// leading-number syntax, so that a genuine 0 can be told from "no number".
bool hasLeadingNumber(std::string_view s)
{
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\n'))
        ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    bool seenPoint = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c >= '0' && c <= '9')
            return true;
        if (c == '.' && !seenPoint)
            seenPoint = true;
        else if (c != ' ' && c != '\t')
            return false;
    }
    return false;
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

template <typename Assign>
void ifPresent(std::string_view text, std::string_view key, Assign assign)
{
    if (auto v = findTag(text, key))
        assign(*v);
}

} // namespace

std::uint8_t toByte(double v) { return clampRounded<std::uint8_t>(v); }
std::int16_t toInt16(double v) { return clampRounded<std::int16_t>(v); }
std::int32_t toInt32(double v) { return clampRounded<std::int32_t>(v); }

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

namespace {

std::string hardwareLines(const HardwareCfgValues& v)
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

} // namespace

std::string hardwareCfgText(const HardwareCfgValues& v)
{
    std::string s = hardwareLines(v);
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
    std::string s = hardwareLines(v);
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

void loadHardwareCfg(Global_Declarations& g, std::string_view text)
{
    ifPresent(text, "Port", [&](const std::string& v) { g.Port = leadingNumber(v); });
    ifPresent(text, "BaudRate", [&](const std::string& v) { g.BaudRate = leadingNumber(v); });
    ifPresent(text, "SaveExcel", [&](const std::string& v) { g.SaveExcel = leadingNumber(v); });
    ifPresent(text, "LogDelay", [&](const std::string& v) {
        if (hasLeadingNumber(v))
            g.LogDelay = clampLogDelay(leadingNumber(v));
    });
    if (!usableLogDelay(g.LogDelay))
        g.LogDelay = LogDelayDefault;
    ifPresent(text, "LogOn", [&](const std::string& v) { g.LogOn = leadingNumber(v); });
    ifPresent(text, "WSUnits", [&](const std::string& v) { g.WSUnits = v; });
    ifPresent(text, "DispMessages", [&](const std::string& v) { g.DispMessages = toByte(leadingNumber(v)); });
    ifPresent(text, "PersonalString", [&](const std::string& v) { g.PersonalString = v; });
    ifPresent(text, "SystemType", [&](const std::string& v) { g.SystemType = toInt16(leadingNumber(v)); });
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

void loadChannelsCfg(Global_Declarations& g, std::string_view text)
{
    for (int n = 1; n <= 24; ++n) {
        ifPresent(text, channelKey("enableLOGGING", n),
                  [&](const std::string& v) { g.enableLOGGING[n] = toByte(leadingNumber(v)); });
        ifPresent(text, channelKey("enableDISPLAY", n),
                  [&](const std::string& v) { g.enableDISPLAY[n] = toByte(leadingNumber(v)); });
        ifPresent(text, channelKey("enableGRAPHING", n),
                  [&](const std::string& v) { g.enableGRAPHING[n] = toByte(leadingNumber(v)); });
        ifPresent(text, channelKey("HARDWAREenabled", n),
                  [&](const std::string& v) { g.HARDWAREenabled[n] = toByte(leadingNumber(v)); });
        ifPresent(text, channelKey("C", n), [&](const std::string& v) { g.ChannelName[n] = v; });
        ifPresent(text, channelKey("L", n),
                  [&](const std::string& v) { g.LineColour[n] = toInt32(leadingNumber(v)); });
        ifPresent(text, channelKey("M", n),
                  [&](const std::string& v) { g.ChannelMaxReading[n] = toInt16(leadingNumber(v)); });
        ifPresent(text, channelKey("XMLsoftware", n), [&](const std::string& v) { g.XMLsoftware[n] = v; });
        ifPresent(text, channelKey("XMLhardware", n), [&](const std::string& v) { g.XMLhardware[n] = v; });
    }
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

void loadCalibrationsCfg(Global_Declarations& g, std::string_view text)
{
    for (int n = 1; n <= 16; ++n)
        ifPresent(text, calibrationKey("ADCOffset", n),
                  [&](const std::string& v) { g.ADCOffset[n] = leadingNumber(v); });
    for (int n = 1; n <= 16; ++n)
        ifPresent(text, calibrationKey("ADCDivider", n),
                  [&](const std::string& v) { g.ADCDivider[n] = leadingNumber(v); });
}

void loadChannelSelections(Global_Declarations& g, std::string_view text)
{
    for (int n = 1; n <= 16; ++n)
        ifPresent(text, calibrationKey("ChannelSelection", n),
                  [&](const std::string& v) { g.ChannelSelection[n] = v; });
}

// ------------------------------------------------------ whole configuration load

ConfigLoadResult loadConfiguration(Global_Declarations& g, const std::string& programFolder)
{
    ConfigLoadResult r;
    if (auto text = readTextFile(joinPath(programFolder, HardwareCfgName))) {
        loadHardwareCfg(g, *text);
        r.hardwareRead = true;
    }
    // Whatever the file held (or when it could not be read), the interval
    // must be one the logging timer can run with.
    if (!usableLogDelay(g.LogDelay))
        g.LogDelay = LogDelayDefault;
    r.loggingIntervalMs = loggingIntervalMs(g.LogDelay);
    r.delayText = numberText(g.LogDelay);
    r.portCaption = "Port Number  " + numberText(g.Port);

    if (auto text = readTextFile(joinPath(programFolder, ChannelsCfgName))) {
        loadChannelsCfg(g, *text);
        r.channelsRead = true;
    }
    if (auto text = readTextFile(joinPath(programFolder, CalibrationsCfgName))) {
        loadCalibrationsCfg(g, *text);
        r.calibrationsRead = true;
    }
    return r;
}

// ------------------------------------------------------------------- writers

bool writeHardwareCfg(const Global_Declarations& g, const std::string& programFolder, std::string* error)
{
    return writeTextFileAtomic(joinPath(programFolder, HardwareCfgName), hardwareCfgText(g), error);
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
