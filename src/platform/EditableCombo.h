#pragma once
// An editable combo box whose list only offers choices: what the user types
// is what the box holds.  Qt's editable box completes typing to the first
// list entry that begins with it (6 typed into the interval box became 60),
// so it gets no completer.

#include <QComboBox>

namespace gv {

inline QComboBox* makeEditableCombo(QWidget* parent)
{
    auto* c = new QComboBox(parent);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setCompleter(nullptr);
    return c;
}

} // namespace gv
