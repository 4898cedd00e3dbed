#pragma once
// The button row every channel-table dialog ends with: "Save Channel
// Settings" and the red "** ABORT **  NO changes Saved" label, below the
// dialog's columns of channel rows.

#include <QBoxLayout>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include "platform/ClickLabel.h"

namespace gv {

struct ChannelDialogButtons {
    QPushButton* save = nullptr;
    ClickLabel* abort = nullptr;
};

// Lays out `columns` above the button row as the dialog's whole layout.
inline ChannelDialogButtons addChannelDialogButtons(QWidget* dialog, QLayout* columns)
{
    ChannelDialogButtons b;
    b.save = new QPushButton(QStringLiteral("Save Channel Settings"), dialog);
    b.save->setObjectName(QStringLiteral("SaveSettings"));
    b.save->setAutoDefault(false);
    b.abort = new ClickLabel(QStringLiteral("** ABORT **  NO changes Saved"), dialog);
    b.abort->setObjectName(QStringLiteral("Label1"));
    b.abort->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0); font-weight: bold;"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(b.save);
    buttons->addStretch(1);
    buttons->addWidget(b.abort);
    auto* v = new QVBoxLayout(dialog);
    v->addLayout(columns);
    v->addSpacing(6);
    v->addLayout(buttons);
    return b;
}

} // namespace gv
