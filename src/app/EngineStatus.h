#pragma once
// What the acquisition and logging engine reports to the main window besides
// the shared state: the two lamps and the status line.  Owned next to the
// Global_Declarations instance by the main window (or a test).

#include <string>
#include <vector>

namespace gv {

struct EngineStatus {
    bool messageLamp = false;  // lit by every framed message, off by the 250 ms timer
    bool errorLamp = false;    // lit (red) by a bad value or a failed write
    std::string ErrorString;   // the main window's status line text
    std::string ErrorContext;  // what was running when the last trouble happened
    std::vector<std::string> errors; // every failure recorded this run, oldest first

    void recordError(const std::string& what)
    {
        errorLamp = true;
        errors.push_back(what);
    }
};

} // namespace gv
