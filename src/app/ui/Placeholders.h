#pragma once
// TEMPORARY stand-ins for windows that the main window's menus open and that
// are not in the program yet.  Each keeps the name of the window it stands for
// and only shows that name; the entries go as the real windows arrive.

#include "platform/MessageBoxes.h"
#include "shared/Global_Declarations.h"

#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

namespace gv {

class PlaceholderWindow : public QDialog {
public:
    PlaceholderWindow(const QString& name, QWidget* parent) : QDialog(parent)
    {
        setObjectName(name);
        setWindowTitle(name);
        auto* l = new QVBoxLayout(this);
        l->addWidget(new QLabel(name + QStringLiteral(" is not available yet."), this));
        resize(320, 80);
    }
};

} // namespace gv

// Kept in their own namespace so that they never clash with the real windows
// while both are in the program.
#define GV_PLACEHOLDER(Name)                                                                   \
    class Name : public gv::PlaceholderWindow {                                                \
    public:                                                                                    \
        Name(gv::Global_Declarations&, QWidget* parent) : PlaceholderWindow(#Name, parent) {} \
    };

namespace gv::pending {
} // namespace gv::pending

#undef GV_PLACEHOLDER
