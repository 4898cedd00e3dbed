#include "graphs/multichannel/ui/GraphCC_QF.h"

GraphCC_QF::GraphCC_QF(gv::Global_Declarations& g, const QString& programFolder, QWidget* parent)
    : MultiChannelGraphWindow(g, programFolder, gv::multichannel::WindowKind::QF, parent)
{
    Form_Load();
}

GraphCC_QF::GraphCC_QF(gv::Global_Declarations& g, QWidget* parent) : GraphCC_QF(g, gv::programFolder(), parent) {}
