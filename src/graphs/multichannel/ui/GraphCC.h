#pragma once
// Graph window over the CC day logs of the Current Cost monitors: six
// meter powers and two temperatures.

#include "graphs/multichannel/ui/MultiChannelGraphWindow.h"
#include "platform/ProgramFolder.h"

class GraphCC : public MultiChannelGraphWindow {
    Q_OBJECT
public:
    explicit GraphCC(gv::Global_Declarations& g, const QString& programFolder = gv::programFolder(),
                QWidget* parent = nullptr);
    // Over the program's own folder, owned by a parent window.
    GraphCC(gv::Global_Declarations& g, QWidget* parent);
};
