#include "graphs/multichannel/ui/GraphRE.h"

GraphRE::GraphRE(gv::Global_Declarations& g, const QString& programFolder, QWidget* parent)
    : MultiChannelGraphWindow(g, programFolder, gv::multichannel::WindowKind::RE, parent)
{
    Form_Load();
}

GraphRE::GraphRE(gv::Global_Declarations& g, QWidget* parent) : GraphRE(g, gv::programFolder(), parent) {}
