#pragma once
// The four multi-channel graph windows' common part: the frame every log
// graph window shares, with the series boxes and labels of one of the house
// (RE), mixed (ML) or Current Cost (CC, and its site variant) windows and a
// graph controller under that window's rules.  They show the time view only.

#include "graphs/multichannel/MultiChannelSeries.h"
#include "graphs/ui/GraphWindowBase.h"

class MultiChannelGraphWindow : public GraphWindowBase {
    Q_OBJECT
public:
    // Series index of a series array ("Watts7", "Temp1"); -1 when none.
    int series(const char* array) const { return gv::multichannel::seriesIndex(def_, array); }

protected:
    MultiChannelGraphWindow(gv::Global_Declarations& g, const QString& programFolder,
                            gv::multichannel::WindowKind kind, QWidget* parent);

private:
    static gv::GraphWindowSetup setupFor(gv::multichannel::WindowKind kind);

    const gv::multichannel::WindowDef& def_;
};
