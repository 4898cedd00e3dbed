#pragma once
// Graph window over the ML day logs of system type 8: three voltages and
// two pulse inputs.

#include "graphs/multichannel/ui/MultiChannelGraphWindow.h"
#include "platform/ProgramFolder.h"

class GraphML : public MultiChannelGraphWindow {
    Q_OBJECT
public:
    explicit GraphML(gv::Global_Declarations& g, const QString& programFolder = gv::programFolder(),
                QWidget* parent = nullptr);
    // Over the program's own folder, owned by a parent window.
    GraphML(gv::Global_Declarations& g, QWidget* parent);
};
