// gv_replay: runs a script of device traffic through the acquisition and
// logging engine with a simulated clock, writing the log files a real run
// would write into the given program folder.  Test tooling.
//
//   gv_replay --folder DIR --start "2026-07-04 23:50:00" SCRIPT
//
// Missing configuration files in DIR are created with their first-run
// defaults.  See Replay.h for the script commands.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "Replay.h"
#include "config/FirstRun.h"
#include "shared/NumberPicture.h"

static bool parseStart(const std::string& s, gv::LocalTime& t)
{
    return std::sscanf(s.c_str(), "%d-%d-%d %d:%d:%d", &t.year, &t.month, &t.day, &t.hour, &t.minute,
                       &t.second) == 6;
}

int main(int argc, char** argv)
{
    std::string folder;
    std::string script;
    gv::LocalTime start = gv::localNow();
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--folder" && i + 1 < argc) {
            folder = argv[++i];
        } else if (a == "--start" && i + 1 < argc) {
            if (!parseStart(argv[++i], start)) {
                std::cerr << "gv_replay: --start wants \"YYYY-MM-DD HH:MM:SS\"\n";
                return 2;
            }
        } else if (a == "--help") {
            std::cout << "usage: gv_replay --folder DIR [--start \"YYYY-MM-DD HH:MM:SS\"] SCRIPT\n";
            return 0;
        } else {
            script = a;
        }
    }
    if (folder.empty() || script.empty()) {
        std::cerr << "usage: gv_replay --folder DIR [--start \"YYYY-MM-DD HH:MM:SS\"] SCRIPT\n";
        return 2;
    }
    const gv::FirstRunResult fr = gv::createMissingFiles(folder);
    for (const auto& f : fr.failed)
        std::cerr << "gv_replay: could not create " << f << "\n";
    std::ifstream in(script);
    if (!in) {
        std::cerr << "gv_replay: cannot read " << script << "\n";
        return 2;
    }
    gv::Replay replay(folder, start);
    std::string error;
    if (!replay.run(in, &error)) {
        std::cerr << "gv_replay: " << script << " " << error << "\n";
        return 1;
    }
    std::cout << "messages " << replay.messages() << ", logging ticks " << replay.ticks() << ", ended "
              << gv::dayName(replay.now()) << " " << gv::hourMinute(replay.now()) << "\n";
    for (int k = 1; k <= 8; ++k)
        std::cout << "Wh" << k << " " << gv::formatPicture(replay.g.WattHours[k], "0.000") << "\n";
    if (replay.status.olderErrors > 0)
        std::cout << "errors before these: " << replay.status.olderErrors << "\n";
    for (const auto& e : replay.status.errors)
        std::cout << "error: " << e << "\n";
    return replay.status.errors.empty() ? 0 : 1;
}
