#include "config/Calibration.h"

#include "shared/ConfigFiles.h"
#include "shared/FileIO.h"
#include "shared/Global_Declarations.h"
#include "shared/NumberPicture.h"
#include "shared/TaggedText.h"

namespace gv {

const char* const kNoCalibrationMessage = "no calibration required for Current Cost.  press EXIT on next screen";

bool calibrationFrameShown(int systemType, int n)
{
    if (n < 1 || n > 16)
        return false;
    switch (systemType) {
    case 0: return n == 1 || n == 9 || n == 12 || n == 13;
    case 1: return n == 1 || n == 2 || n == 9 || n == 12 || n == 13 || n == 14;
    case 2: return n <= 4 || n == 9 || (n >= 12 && n <= 14);
    case 3:
    case 4: return false;
    case 5: return n <= 4 || n == 9;
    case 6: return n <= 9;
    case 7: return n <= 11;
    default: return true;  // type 8; an unknown type still lets every input be calibrated
    }
}

int calibrationWindowHeightTwips(int systemType)
{
    switch (systemType) {
    case 0: return 4850;
    case 1:
    case 2: return 5430;
    default: return 0;
    }
}

bool calibrationNotRequired(int systemType) { return systemType == 3 || systemType == 4; }

void loadCalibrationItems(Global_Declarations& g, std::string_view text)
{
    const Global_Declarations& d = firstRunConfiguration();
    for (int n = 1; n <= 16; ++n) {
        const std::string i = "(" + std::to_string(n) + ")";
        if (auto v = findTag(text, "ADCOffset" + i)) {
            if (isNumeric(*v))
                g.ADCOffset[n] = leadingNumber(*v);
        } else {
            g.ADCOffset[n] = d.ADCOffset[n];
        }
        const auto divider = findTag(text, "ADCDivider" + i);
        g.ADCDivider[n] = divider ? leadingNumber(*divider) : d.ADCDivider[n];
        g.ChannelSelection[n] = findTag(text, "ChannelSelection" + i).value_or(d.ChannelSelection[n]);
    }
}

void useSavedFactors(Global_Declarations& g, std::string_view savedText)
{
    // The load's own reader, so that the factors in use are those the next
    // load brings back; only the factors are taken from what it read.
    Global_Declarations read = g;
    loadCalibrationsCfg(read, savedText);
    g.ADCDivider = read.ADCDivider;
}

std::string rawReadingText(double raw) { return formatPicture(raw, "000"); }

std::optional<std::string> previewText(double raw, double offset, std::string_view factorText)
{
    if (!isNumeric(factorText))
        return std::nullopt;
    return formatPicture((raw - offset) * leadingNumber(factorText), "##0.00");
}

std::optional<int> firstNonNumericFactor(const std::array<std::string, 17>& factorTexts)
{
    for (int n = 1; n <= 16; ++n)
        if (!isNumeric(factorTexts[n]))
            return n;
    return std::nullopt;
}

std::string nonNumericFactorMessage(int n, const std::string& channelName)
{
    std::string m = "The calibration factor of channel " + std::to_string(n);
    if (!channelName.empty())
        m += " (" + channelName + ")";
    m += " is not a number";
    m += CRLF;
    m += "correct it and SAVE again";
    return m;
}

} // namespace gv
