#pragma once
// The logging engine's tests: a program folder with its logs and Excel
// folders, and a logger of the given system type that is logging.

#include "app/Logging.h"
#include "shared/FileIO.h"
#include "support/test_paths.h"

#include <string>

namespace gvtest {

struct Rig {
    TempDir dir;
    gv::Global_Declarations g;
    gv::EngineStatus status;
    gv::LoggingEngine engine{g, status, dir.path()};

    explicit Rig(int systemType, double logDelay = 10)
    {
        gv::makeFolder(dir.file("logs"));
        gv::makeFolder(dir.file("Excel"));
        defaultNames(g);
        g.SystemType = static_cast<std::int16_t>(systemType);
        g.LogDelay = logDelay;
        g.LoggingOn = 1;
        g.WSUnits = "m/s";
    }

    // One good message with volts on channel 9 and amps on channel 1.
    void message(double volts, double amps)
    {
        g.AccumulatedValue[9] += volts;
        g.AccumulatedValue[1] += amps;
        g.AccumulatedWatts[1] += volts * amps;
        g.goodDATAcount += 1;
    }

    gv::TickResult tick(const gv::LocalTime& now) { return engine.tick(gv::TickInput{now, true, "10"}); }
    std::string log(const std::string& name) { return readFile(dir.file("logs/" + name)); }
    void writeLog(const std::string& name, const std::string& text) { writeFile(dir.file("logs/" + name), text); }
    std::string whours() { return log("Whours.txt"); }
};

} // namespace gvtest
