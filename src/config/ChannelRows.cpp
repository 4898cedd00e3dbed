#include "config/ChannelRows.h"

#include "shared/ConfigFiles.h"
#include "shared/FileIO.h"
#include "shared/Global_Declarations.h"
#include "shared/TaggedText.h"

#include <cmath>
#include <limits>

namespace gv {

bool laysOutRows(int systemType) { return systemType >= 0 && systemType <= 8; }

bool channelRowShown(int systemType, int n)
{
    if (n < 1 || n > 24)
        return false;
    auto in = [n](int a, int b) { return n >= a && n <= b; };
    switch (systemType) {
    case 0: return n == 1 || n == 9 || n == 12 || n == 13 || n == 17;
    case 1: return n == 1 || n == 2 || n == 9 || n == 12 || n == 13 || n == 14 || n == 17 || n == 18;
    case 2: return in(1, 4) || n == 9 || in(12, 14) || in(17, 20);
    case 3: return in(19, 21);
    case 4: return in(19, 24);
    case 5: return in(1, 4) || n == 9 || in(17, 20);
    case 6:
    case 7: return in(1, 9) || in(17, 24);
    default: return true;  // type 8, and any value the editors do not lay out
    }
}

std::string hardwareFrameCaption(int n)
{
    switch (n) {
    case 1: return "Windmill 1 Amps or Aux Amps1";
    case 2: return "Windmill 2 Amps or Aux Amps2";
    case 9: return "Battery system volts";
    case 10:
    case 11: return "Aux V channel";
    case 12: return "Windspeed";
    case 13: return "Windmill 1 RPM";
    case 14: return "Windmill 2 RPM";
    case 15:
    case 16: return "Aux Pulse Input";
    case 17: return "Windmill 1 Watts or Aux Watts1";
    case 18: return "Windmill 2 Watts or Aux Watts2";
    default: break;
    }
    if (n >= 3 && n <= 8)
        return "Aux Amps" + std::to_string(n);
    if (n >= 19 && n <= 24)
        return "Aux Power" + std::to_string(n - 16);
    return std::string();
}

std::string laidOutChannelName(int n)
{
    if (n >= 1 && n <= 8)
        return "ADC Amps channnel";
    switch (n) {
    case 9: return "Battery System Volts";
    case 10: return "Volts channnel 2";
    case 11: return "Volts channnel 3";
    case 12: return "Windspeed";
    case 13: return "Windmill 1 RPM";
    case 14: return "Windmill 2 RPM";
    case 15:
    case 16: return "AUX Pulse channnel";
    default: break;
    }
    if (n >= 17 && n <= 24)
        return "Calc Power";
    return std::string();
}

namespace {
// "<letter>" for the first channel of a group, "<letter><k>" for the k-th.
std::string groupCode(const char* letter, int k)
{
    return k == 1 ? std::string(letter) : std::string(letter) + std::to_string(k);
}
} // namespace

std::string defaultHardwareTag(int n)
{
    if (n >= 1 && n <= 8)
        return groupCode("I", n);
    if (n >= 9 && n <= 11)
        return groupCode("V", n - 8);
    if (n == 12)
        return "S";
    if (n == 13 || n == 14)
        return groupCode("R", n - 12);
    if (n == 15 || n == 16)
        return "P" + std::to_string(n - 14);
    if (n >= 17 && n <= 24)
        return groupCode("W", n - 16);
    return std::string();
}

std::string loggingFrameCaption(int n)
{
    switch (n) {
    case 1: return "Windmill 1 Amps or Aux Amps1";
    case 2: return "Windmill 2 Amps or Aux Amps2";
    case 9: return "Battery system volts";
    case 10: return "Aux Volts 1";
    case 11: return "Aux Volts2";
    case 12: return "Windspeed";
    case 13: return "Windmill 1 RPM";
    case 14: return "Windmill 2 RPM";
    case 15: return "pulse 1";
    case 16: return "pulse 2";
    case 17: return "Windmill 1 Watts or Aux Watts1";
    case 18: return "Windmill 2 Watts or Aux Watts2";
    default: break;
    }
    if (n >= 3 && n <= 8)
        return "Aux Amps" + std::to_string(n);
    if (n >= 19 && n <= 24)
        return "Aux power" + std::to_string(n - 16);
    return std::string();
}

std::string builtInElementName(int n)
{
    if (n >= 1 && n <= 8)
        return groupCode("A", n);
    return defaultHardwareTag(n);  // the other groups name their elements like their tags
}

std::vector<int> maximumChoices(int n)
{
    if (n >= 1 && n <= 8)
        return {5, 10, 15, 20, 30, 50, 80, 100};
    if (n >= 9 && n <= 11)
        return {15, 30, 60, 120, 240};
    if (n == 12)
        return {10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
    if (n == 13 || n == 14)
        return {150, 200, 250, 300, 400, 500, 600, 800, 1000, 1500};
    if (n == 15 || n == 16)
        return {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 120, 140, 160, 180, 200};
    if (n >= 17 && n <= 24)
        return {100, 200, 300, 500, 750, 1000, 1500, 2000, 3000, 5000};
    return {};
}

bool maximumReadsAsZero(std::string_view boxText)
{
    return toInt16(leadingNumber(boxText)) == 0;
}

std::string zeroMaximumMessage(int n, const std::string& channelName)
{
    return std::string("there is an error with a maximum limit of zero") + CRLF + "channel " +
           std::to_string(n) + " (" + channelName + ")" + CRLF + "correct the problem and try again";
}

namespace {

template <typename T>
std::optional<T> fitting(const std::string& value)
{
    const double r = roundHalfEven(leadingNumber(value));
    if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
        r > static_cast<double>(std::numeric_limits<T>::max()))
        return std::nullopt;
    return static_cast<T>(r);
}

std::optional<std::string> item(std::string_view text, const char* key, int n)
{
    return findTag(text, std::string(key) + std::to_string(n));
}

// A number item that is present and fits, or the first-run value when the
// item is missing.
template <typename T>
std::optional<T> numberItem(std::string_view text, const char* key, int n, T firstRun)
{
    const auto v = item(text, key, n);
    return v ? fitting<T>(*v) : std::optional<T>(firstRun);
}

} // namespace

ChannelRowItems readChannelRow(std::string_view text, int n)
{
    const Global_Declarations& d = firstRunConfiguration();
    ChannelRowItems r;
    r.enableLOGGING = numberItem(text, "enableLOGGING", n, d.enableLOGGING[n]);
    r.enableDISPLAY = numberItem(text, "enableDISPLAY", n, d.enableDISPLAY[n]);
    r.enableGRAPHING = numberItem(text, "enableGRAPHING", n, d.enableGRAPHING[n]);
    r.HARDWAREenabled = numberItem(text, "HARDWAREenabled", n, d.HARDWAREenabled[n]);
    r.name = item(text, "C", n).value_or(d.ChannelName[n]);
    r.colour = numberItem(text, "L", n, d.LineColour[n]);
    r.maximum = numberItem(text, "M", n, d.ChannelMaxReading[n]);
    // A damaged name or tag is read as missing, as the configuration load
    // reads it.
    auto code = [&](const char* key, const std::string& firstRun) {
        const auto v = item(text, key, n);
        return v && !damagedChannelCode(*v) ? *v : firstRun;
    };
    r.xmlSoftware = code("XMLsoftware", d.XMLsoftware[n]);
    r.xmlHardware = code("XMLhardware", d.XMLhardware[n]);
    return r;
}

} // namespace gv
