#include "config/FirstRun.h"

#include "shared/ConfigFiles.h"
#include "shared/FileIO.h"
#include "shared/Global_Declarations.h"
#include "shared/NumberPicture.h"
#include "shared/TaggedText.h"

namespace gv {

namespace {

std::string line(const std::string& text) { return text + CRLF; }

} // namespace

// The default files are built from the first-run values, the same values a
// configuration load gives to an item missing from an existing file.

std::string defaultChannelsText()
{
    // The first-run table ends with two more empty lines than an editor's.
    return channelsCfgText(firstRunConfiguration()) + CRLF + CRLF;
}

std::string defaultHardwareText()
{
    const Global_Declarations& d = firstRunConfiguration();
    // Lines 1..13, the tariffs directly after the system type, three empty lines.
    std::string s = hardwareCfgLines(hardwareValues(d));
    s += line(tagged("M", numberText(d.TariffM)));
    s += line(tagged("J", numberText(d.TariffJ)));
    s += line(tagged("Z", numberText(d.TariffZ)));
    s += line("");
    s += line("");
    s += line("");
    return s;
}

std::string defaultCalibrationsText()
{
    const Global_Declarations& d = firstRunConfiguration();
    // Factor and offset in the short forms "0.10" and "0", not in the
    // calibration window's pictures.
    std::string s;
    s += line("Calibration Settings");
    s += line("");
    for (int n = 1; n <= 16; ++n) {
        const std::string i = "(" + std::to_string(n) + ")";
        s += line(tagged("ADCDivider" + i, formatPicture(d.ADCDivider[n], "0.00")));
        s += line(tagged("ADCOffset" + i, formatPicture(d.ADCOffset[n], "0")));
        s += line(tagged("ChannelSelection" + i, d.ChannelSelection[n]));
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
