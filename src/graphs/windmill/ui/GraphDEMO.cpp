#include "graphs/windmill/ui/GraphDEMO.h"

GraphDEMO::GraphDEMO(gv::Global_Declarations& g, const QString& programFolder, QWidget* parent)
    : WindmillGraphWindow(g, programFolder, gv::WindmillFamily::WD, parent)
{
    Form_Load();
}

GraphDEMO::GraphDEMO(gv::Global_Declarations& g, QWidget* parent) : GraphDEMO(g, gv::programFolder(), parent) {}
