#include "graphs/multichannel/ui/GraphCC.h"

GraphCC::GraphCC(gv::Global_Declarations& g, const QString& programFolder, QWidget* parent)
    : MultiChannelGraphWindow(g, programFolder, gv::multichannel::WindowKind::CC, parent)
{
    Form_Load();
}

GraphCC::GraphCC(gv::Global_Declarations& g, QWidget* parent) : GraphCC(g, gv::programFolder(), parent) {}
