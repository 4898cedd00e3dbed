#pragma once
// Opening a live window the way the menus do: one instance per window, shown
// modelessly and owned by the caller; choosing it again while it is open only
// brings it forward (it keeps its state).  The window deletes itself when
// closed, so the guarded pointer empties and the next choice loads it afresh.

#include <QPointer>
#include <QWidget>

#include "shared/Global_Declarations.h"

namespace gv {

template <class Window>
Window* openLiveWindow(QPointer<Window>& instance, Global_Declarations& g, QWidget* owner)
{
    if (!instance)
        instance = new Window(g, owner);
    if (instance->isMinimized())
        instance->showNormal();
    else
        instance->show();
    instance->raise();
    instance->activateWindow();
    return instance;
}

} // namespace gv
