#pragma once
// Headless replay of the acquisition and logging engine: the same receive
// path, logging tick and 5 s summary timer the main window drives, but with
// a simulated clock, so a whole day of device traffic runs in seconds.  Used
// by the gv_replay tool and by the engine's end-to-end tests.
//
// Script lines (one command each; "#" starts a comment line):
//   wait S               advance the clock S seconds (fractions allowed),
//                        firing the logging timer and the 5 s timer on time
//   send TEXT            the device sends TEXT in one read; escapes \r \n \t
//                        \\ and \xHH are understood
//   repeat N S TEXT      N times: send TEXT, then wait S seconds
//   logging on|off       the Start / Stop menu items (Start uses LogDelay)
//   check1 on|off        the "System V1" box
//
// Limits: a script covers at most MaxSimulatedDays of simulated time from
// its start (a month of logging ticks at a 1 s interval runs in a minute or
// two), and a repeat runs at most MaxRepeatCount times.  A wait or repeat
// that would go beyond either is a bad line; nothing of it runs.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "app/Acquisition.h"
#include "app/EngineStatus.h"
#include "app/Logging.h"
#include "shared/Global_Declarations.h"
#include "shared/LocalTime.h"

namespace gv {

class Replay {
public:
    // Loads the program folder's configuration (the folder must hold the
    // three configuration files) and restores today's totals, as a start of
    // the program at `start` does.
    Replay(const std::string& programFolder, const LocalTime& start);

    static constexpr long long MaxSimulatedDays = 31;
    static constexpr long long MaxSimulatedMs = MaxSimulatedDays * 86400 * 1000;
    static constexpr long long MaxRepeatCount = 1000000;

    Global_Declarations g;
    EngineStatus status;

    void send(std::string_view bytes);
    // Advances the clock; false, with the clock unmoved, when that would take
    // it beyond MaxSimulatedMs from the start.  A wait that is not a positive
    // number of seconds does nothing.
    bool wait(double seconds);
    // The Start and Stop items.  `automatic` is the start-up's own start,
    // which waits for the device's first message instead of stopping.
    void startLogging(bool automatic = false);
    void stopLogging()
    {
        autoStarted_ = false;
        gv::stopLogging(g);
    }

    LocalTime now() const;
    long long ticks() const { return ticks_; }
    long long messages() const { return messages_; }
    const std::vector<std::string>& filesWritten() const { return files_; }

    // Runs a script; returns false (with a message in *error) on a bad line.
    bool run(std::istream& script, std::string* error = nullptr);

    // "\r\n" style escapes to bytes.
    static std::string unescape(std::string_view text);

private:
    void fireLoggingTick();
    void fireSummaryTimer();
    // The milliseconds a wait of `seconds` advances the clock (0 for one
    // that does nothing).
    static double waitMs(double seconds);

    Acquisition acq_;
    LoggingEngine log_;
    LocalTime start_;
    long long nowMs_ = 0;
    long long tickPeriodMs_ = 10000;
    long long nextTickMs_ = 10000;
    bool summaryEnabled_ = false;
    long long nextSummaryMs_ = 0;
    bool dataSeen_ = false;
    bool autoStarted_ = false;
    long long ticks_ = 0;
    long long messages_ = 0;
    std::vector<std::string> files_;
};

} // namespace gv
