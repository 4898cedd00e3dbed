#pragma once
// First-run work of the splash window: the two data folders and a default
// file for every configuration and help file that is missing from the
// program folder.  Existing files are never read, checked or changed.

#include <string>
#include <vector>

namespace gv {

// Default texts, byte for byte as a first start writes them.
std::string defaultChannelsText();
std::string defaultHardwareText();
std::string defaultCalibrationsText();

struct DefaultFile {
    std::string name;  // file name inside the program folder
    std::string text;  // its whole default content
};

// Every default file in the order the first-run work tests them:
// channels.cfg, hardware.cfg, calibrations.cfg, help.cfg, hardwarehelp.cfg,
// graphinghelp.cfg, credits.cfg, myinfo.cfg.
std::vector<DefaultFile> defaultFiles();

struct FirstRunResult {
    std::vector<std::string> written;  // names of the files created now
    std::vector<std::string> failed;   // folders or files that could not be made
};

// Creates logs and Excel in the folder (an existing folder is no error), then
// writes each missing default file.  Every step stands by itself: a failure
// is recorded and the next step runs.
FirstRunResult createMissingFiles(const std::string& programFolder);

// "Version 1.1.14"
std::string versionText(int major, int minor, int revision);

// The text of the splash window's abort message for the given folder.
std::string splashAbortMessage(const std::string& programFolder);

} // namespace gv
