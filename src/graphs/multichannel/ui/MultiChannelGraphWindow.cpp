#include "graphs/multichannel/ui/MultiChannelGraphWindow.h"

using namespace gv::multichannel;

namespace {
QString qs(const char* s) { return QString::fromLatin1(s); }
} // namespace

gv::GraphWindowSetup MultiChannelGraphWindow::setupFor(WindowKind kind)
{
    const WindowDef& w = windowDef(kind);
    gv::GraphWindowSetup setup;
    setup.objectName = qs(w.className);
    setup.filePattern = w.filePattern;
    setup.hasCollate = w.hasCollate;
    setup.hasPrint = w.hasCollate; // GraphML has neither
    setup.fileListFollowsDir = !w.fileListFixedToLogs;
    for (const SeriesDef& s : w.series) {
        gv::GraphSeriesBox b;
        b.checkBox = qs(s.checkBox);
        b.channel = s.channel;
        b.caption = qs(s.caption);
        b.colour = s.colour;
        b.valueLabel = qs(s.valueLabel);
        b.wattHourLabel = qs(s.whLabel);
        setup.series.push_back(b);
    }
    setup.boxOrder = w.checkBoxOrder;
    // Rows narrow enough for a laptop screen: the volts and four loads, then
    // four; the six meters, then the temperatures (and derived series).
    switch (kind) {
    case WindowKind::RE: setup.seriesPerRow = 5; break;
    case WindowKind::ML: setup.seriesPerRow = 5; break;
    case WindowKind::CC: setup.seriesPerRow = 6; break;
    case WindowKind::QF: setup.seriesPerRow = 6; break;
    }
    return setup;
}

MultiChannelGraphWindow::MultiChannelGraphWindow(gv::Global_Declarations& g, const QString& programFolder,
                                                 WindowKind kind, QWidget* parent)
    : GraphWindowBase(g, programFolder, setupFor(kind), multiChannelRules(kind), parent), def_(windowDef(kind))
{
    buildFrame();
}
