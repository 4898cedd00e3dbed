#include "config/ProgramSettings.h"

#include "config/ConfigValidation.h"
#include "shared/ConfigFiles.h"
#include "shared/FileIO.h"
#include "shared/Global_Declarations.h"
#include "shared/TaggedText.h"

namespace gv {

const char* const kShortIntervalAdvice =
    "Keep total logging time short, under an hour\r\n"
    "Good for graphing transients\r\n"
    "and for short duration logging";

SettingsCheck checkSettingsBoxes(const ProgramSetupBoxes& b)
{
    SettingsCheck c;
    const auto delay = validLogDelay(b.logDelay);
    if (!delay) {
        c.refusal = kInvalidDelayMessage;
        return c;
    }
    c.logDelay = *delay;
    const auto port = wholeNumber(b.port);
    if (!port || *port < 1 || *port > 255) {
        c.refusal = "The port number must be a whole number from 1 to 255 (1 for COM1)";
        return c;
    }
    c.port = static_cast<double>(*port);
    const auto baud = wholeNumber(b.baud);
    if (!baud || *baud < 1) {
        c.refusal = "The baud rate must be a whole number";
        return c;
    }
    c.baud = static_cast<double>(*baud);
    const struct {
        const std::string& text;
        const char* what;
    } texts[] = {{b.personal, "The OWN name"},
                 {b.wsUnits, "The wind speed units"},
                 {b.cents[0], "Power cost 1"},
                 {b.cents[1], "Power cost 2"},
                 {b.cents[2], "Power cost 3"}};
    for (const auto& t : texts) {
        c.refusal = itemTextRefusal(t.text, t.what);
        if (!c.refusal.empty())
            return c;
    }
    c.advise = c.logDelay < 10;
    return c;
}

std::string programSetupText(const ProgramSetupBoxes& b, const SettingsCheck& c,
                             const Global_Declarations& g)
{
    HardwareCfgValues v;
    v.Port = numberText(c.port);
    v.SaveExcel = b.saveExcel ? "1" : "0";
    v.LogDelay = numberText(c.logDelay);
    v.LogOn = b.logOn ? "1" : "0";
    v.WSUnits = b.wsUnits;
    v.BaudRate = numberText(c.baud);
    v.DispMessages = b.dispMessages ? "1" : "0";
    v.PersonalString = b.personal;
    v.LastFile = g.LastFile;
    v.SystemType = std::to_string(static_cast<int>(g.SystemType));
    return hardwareCfgTextWithTariffs(v, b.cents[0], b.cents[1], b.cents[2]);
}

std::array<std::string, 3> storedTariffTexts(std::string_view hardwareCfgText)
{
    const Global_Declarations& d = firstRunConfiguration();
    const char* const keys[3] = {"M", "J", "Z"};
    const double firstRun[3] = {d.TariffM, d.TariffJ, d.TariffZ};
    std::array<std::string, 3> texts;
    for (int i = 0; i < 3; ++i)
        texts[i] = findTag(hardwareCfgText, keys[i]).value_or(numberText(firstRun[i]));
    return texts;
}

void applySavedSettings(const ProgramSetupBoxes& b, const SettingsCheck& c, Global_Declarations& g)
{
    g.Port = c.port;
    g.BaudRate = c.baud;
    g.SaveExcel = b.saveExcel ? 1 : 0;
    g.WSUnits = b.wsUnits;
    g.TariffM = leadingNumber(b.cents[0]);
    g.TariffJ = leadingNumber(b.cents[1]);
    g.TariffZ = leadingNumber(b.cents[2]);
}

std::vector<std::string> baudRateChoices()
{
    return {"300", "600", "1200", "2400", "4800", "9600", "14400", "19200", "28800", "33600", "38400",
            "57600", "76800", "115200"};
}

std::vector<std::string> logDelayChoices()
{
    return {"1", "2", "5", "10", "20", "30", "60", "120", "300", "600"};
}

std::vector<std::string> tariffChoices()
{
    std::vector<std::string> v;
    for (int c = 10; c <= 25; ++c)
        v.push_back(std::to_string(c));
    for (int c = 44; c <= 55; ++c)
        v.push_back(std::to_string(c));
    return v;
}

} // namespace gv
