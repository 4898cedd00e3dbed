#include "graphs/multichannel/ui/GraphML.h"

GraphML::GraphML(gv::Global_Declarations& g, const QString& programFolder, QWidget* parent)
    : MultiChannelGraphWindow(g, programFolder, gv::multichannel::WindowKind::ML, parent)
{
    Form_Load();
}

GraphML::GraphML(gv::Global_Declarations& g, QWidget* parent) : GraphML(g, gv::programFolder(), parent) {}
