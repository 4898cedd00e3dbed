#pragma once
// Graph window over the WD day logs of a single windmill (system type 0):
// volts, amps, power, RPM and wind speed.

#include "graphs/windmill/ui/WindmillGraphWindow.h"
#include "platform/ProgramFolder.h"

class GraphDEMO : public WindmillGraphWindow {
    Q_OBJECT
public:
    explicit GraphDEMO(gv::Global_Declarations& g, const QString& programFolder = gv::programFolder(),
                       QWidget* parent = nullptr);
    // Over the program's own folder, owned by a parent window.
    GraphDEMO(gv::Global_Declarations& g, QWidget* parent);
};
