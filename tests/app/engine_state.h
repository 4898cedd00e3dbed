#pragma once
// A shared state as the receive path meets it after start-up: the system
// type, the first-run channel tags and calibration (counts times 0.10, no
// offset) and the seeded highs and lows.

#include "app/Calculation.h"
#include "shared/ConfigFiles.h"

namespace gvtest {

inline gv::Global_Declarations startedState(int systemType)
{
    const gv::Global_Declarations& firstRun = gv::firstRunConfiguration();
    gv::Global_Declarations g;
    g.SystemType = static_cast<std::int16_t>(systemType);
    g.XMLhardware = firstRun.XMLhardware;
    g.ADCDivider = firstRun.ADCDivider;
    gv::seedHighsAndLows(g);
    return g;
}

} // namespace gvtest
