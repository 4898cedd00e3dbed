#pragma once
// Graph window over the CC day logs for the Quorra Flats site: the six
// meter powers and two temperatures, and six power series derived from the
// meters of each record (imported power, net import or export, solar only,
// hot water only, house consumption, M power consumed).

#include "graphs/multichannel/ui/MultiChannelGraphWindow.h"
#include "platform/ProgramFolder.h"

class GraphCC_QF : public MultiChannelGraphWindow {
    Q_OBJECT
public:
    explicit GraphCC_QF(gv::Global_Declarations& g, const QString& programFolder = gv::programFolder(),
                QWidget* parent = nullptr);
    // Over the program's own folder, owned by a parent window.
    GraphCC_QF(gv::Global_Declarations& g, QWidget* parent);
};
