#pragma once
// Graph window over the GV day logs of the windmill system types: volts,
// four currents and powers, two RPMs and wind speed.

#include "graphs/windmill/ui/WindmillGraphWindow.h"
#include "platform/ProgramFolder.h"

class GraphGV : public WindmillGraphWindow {
    Q_OBJECT
public:
    explicit GraphGV(gv::Global_Declarations& g, const QString& programFolder = gv::programFolder(),
                     QWidget* parent = nullptr);
    // Over the program's own folder, owned by a parent window.
    GraphGV(gv::Global_Declarations& g, QWidget* parent);
};
