#include "graphs/windmill/ui/GraphGV.h"

GraphGV::GraphGV(gv::Global_Declarations& g, const QString& programFolder, QWidget* parent)
    : WindmillGraphWindow(g, programFolder, gv::WindmillFamily::GV, parent)
{
    Form_Load();
}

GraphGV::GraphGV(gv::Global_Declarations& g, QWidget* parent) : GraphGV(g, gv::programFolder(), parent) {}
