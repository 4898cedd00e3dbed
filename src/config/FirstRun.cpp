#include "config/FirstRun.h"

#include "shared/ConfigFiles.h"
#include "shared/FileIO.h"
#include "shared/Global_Declarations.h"

#include <cstdint>

namespace gv {

namespace {

struct DefaultChannel {
    const char* name;
    std::int32_t colour;
    int maximum;
    const char* code;  // element name and hardware tag alike
    int flag;          // logging, display, graphing and hardware flags alike
};

// Channels 1..24.  The enabled ones (1, 9, 12, 13, 17) are those of the
// default single-windmill system type.
constexpr DefaultChannel kDefaultChannels[24] = {
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

std::string line(const std::string& text) { return text + CRLF; }

} // namespace

std::string defaultChannelsText()
{
    Global_Declarations g;
    for (int n = 1; n <= 24; ++n) {
        const DefaultChannel& c = kDefaultChannels[n - 1];
        const auto flag = static_cast<std::uint8_t>(c.flag);
        g.enableLOGGING[n] = flag;
        g.enableDISPLAY[n] = flag;
        g.enableGRAPHING[n] = flag;
        g.HARDWAREenabled[n] = flag;
        g.ChannelName[n] = c.name;
        g.LineColour[n] = c.colour;
        g.ChannelMaxReading[n] = static_cast<std::int16_t>(c.maximum);
        g.XMLsoftware[n] = c.code;
        g.XMLhardware[n] = c.code;
    }
    // The first-run table ends with two more empty lines than an editor's.
    return channelsCfgText(g) + CRLF + CRLF;
}

std::string defaultHardwareText()
{
    std::string s;
    s += line("Program Config File");
    s += line("");
    s += line("<Port>3</Port>");
    s += line("<SaveExcel>0</SaveExcel>");
    s += line("<LogDelay>10</LogDelay>");
    s += line("<LogOn>0</LogOn>");
    s += line("<WSUnits>m/s</WSUnits>");
    s += line("<BaudRate>4800</BaudRate>");
    s += line("<DispMessages>0</DispMessages>");
    s += line("<PersonalString>Personal Program NAME</PersonalString>");
    s += line("<LastFile></LastFile>");
    s += line("");
    s += line("<SystemType>0</SystemType>");
    s += line("<M>10</M>");
    s += line("<J>10</J>");
    s += line("<Z>10</Z>");
    s += line("");
    s += line("");
    s += line("");
    return s;
}

std::string defaultCalibrationsText()
{
    std::string s;
    s += line("Calibration Settings");
    s += line("");
    for (int n = 1; n <= 16; ++n) {
        const std::string i = "(" + std::to_string(n) + ")>";
        s += line("<ADCDivider" + i + "0.10</ADCDivider" + i);
        s += line("<ADCOffset" + i + "0</ADCOffset" + i);
        s += line("<ChannelSelection" + i + "V</ChannelSelection" + i);
        s += line("");
    }
    return s;
}

std::vector<DefaultFile> defaultFiles()
{
    return {
        {"channels.cfg", defaultChannelsText()},
        {"hardware.cfg", defaultHardwareText()},
        {"calibrations.cfg", defaultCalibrationsText()},
        {"help.cfg", line("this is the help text file")},
        {"hardwarehelp.cfg", line("this is the hardwarehelp text file")},
        {"graphinghelp.cfg", line("this is the graphinghelp text file")},
        {"credits.cfg", line("this is the credits text file")},
        {"myinfo.cfg", line("this is the myinfo text file")},
    };
}

FirstRunResult createMissingFiles(const std::string& programFolder)
{
    FirstRunResult result;
    for (const char* folder : {"logs", "Excel"}) {
        if (!makeFolder(joinPath(programFolder, folder)))
            result.failed.push_back(folder);
    }
    for (const DefaultFile& f : defaultFiles()) {
        const std::string path = joinPath(programFolder, f.name);
        if (fileExists(path))
            continue;
        if (writeTextFileAtomic(path, f.text))
            result.written.push_back(f.name);
        else
            result.failed.push_back(f.name);
    }
    return result;
}

std::string versionText(int major, int minor, int revision)
{
    return "Version " + std::to_string(major) + "." + std::to_string(minor) + "." +
           std::to_string(revision);
}

std::string splashAbortMessage(const std::string& programFolder)
{
    std::string s = "Folders and Files have ALREADY been created in folder  ";
    s += CRLF;
    s += programFolder;
    s += CRLF;
    s += CRLF;
    s += "USE THE EXIT MENU ON THE NEXT SCREEN TO STOP THE PROGRAM";
    s += CRLF;
    s += CRLF;
    s += "THE FILES AND FOLDERS CREATED HAVE TO BE MANUALLY DELETED";
    s += CRLF;
    s += "                             TO UNINSTALL THE PROGRAM";
    return s;
}

} // namespace gv
