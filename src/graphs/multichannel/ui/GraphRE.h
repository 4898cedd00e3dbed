#pragma once
// Graph window over the RE day logs of the house system types: battery
// volts and the eight load powers, with their watt-hours.

#include "graphs/multichannel/ui/MultiChannelGraphWindow.h"
#include "platform/ProgramFolder.h"

class GraphRE : public MultiChannelGraphWindow {
    Q_OBJECT
public:
    explicit GraphRE(gv::Global_Declarations& g, const QString& programFolder = gv::programFolder(),
                QWidget* parent = nullptr);
    // Over the program's own folder, owned by a parent window.
    GraphRE(gv::Global_Declarations& g, QWidget* parent);
};
