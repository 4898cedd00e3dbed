#pragma once
// A control's text colour, and a back colour that fills the control.

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace gv {

inline void setTextColour(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}

inline void setBackColour(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace gv
