#pragma once
// What the acquisition and logging engine reports to the main window besides
// the shared state: the two lamps and the status line.  Owned next to the
// Global_Declarations instance by the main window (or a test).

#include <cstddef>
#include <cstdio>
#include <deque>
#include <set>
#include <string>

namespace gv {

struct EngineStatus {
    // A run of months with an unwritable disk fails every tick: the record
    // keeps the most recent failures only and counts the ones it let go.
    static constexpr std::size_t KeptErrors = 200;

    bool messageLamp = false;  // lit by every framed message, off by the 250 ms timer
    bool errorLamp = false;    // lit (red) by a bad value or a failed write
    std::string ErrorString;   // the main window's status line text
    std::string ErrorContext;  // what was running when the last trouble happened
    std::deque<std::string> errors; // the most recent failures of this run, oldest first
    long long olderErrors = 0;      // failures recorded before those and no longer kept

    void recordError(const std::string& what)
    {
        errorLamp = true;
        errors.push_back(what);
        if (errors.size() > KeptErrors) {
            errors.pop_front();
            ++olderErrors;
        }
    }

    // Trouble the window does not show in words goes to standard error,
    // where a user who started the program from a terminal reads it.
    static void notify(const std::string& line)
    {
        std::fprintf(stderr, "Gyrovane: %s\n", line.c_str());
        std::fflush(stderr);
    }
};

// Failed writes of one kind of file: a record family, the Excel day table,
// the daily summary.  Standard error hears of a kind when it starts failing
// and when it writes again, once each however long the failure lasts and
// whichever of its files fails (with short intervals each hour has its own
// files); every failure still goes into the error record.  A failure whose
// line carries data found nowhere else (the day's summary line, once a day)
// is told `always`, failing kind or not, so the user can add it by hand.
class WriteWatch {
public:
    explicit WriteWatch(EngineStatus& status) : status_(status) {}

    void failed(const std::string& kind, const std::string& line, bool always = false)
    {
        status_.recordError(line);
        if (failing_.insert(kind).second || always)
            EngineStatus::notify(line);
    }
    void wrote(const std::string& kind, const std::string& line)
    {
        if (failing_.erase(kind) > 0)
            EngineStatus::notify(line);
    }

private:
    EngineStatus& status_;
    std::set<std::string> failing_; // the kinds whose last write failed: a handful at most
};

} // namespace gv
