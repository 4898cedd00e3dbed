#pragma once
// Raw message viewer: the last complete message from the device, cut into
// rows of 50 characters, refreshed once a second; "Pause" freezes it.

#include <QTimer>
#include <QTreeWidget>
#include <QWidget>

#include "shared/Global_Declarations.h"

class QAction;

class rawCOMMS : public QWidget {
    Q_OBJECT
public:
    // Loads the window: prepares the list and starts the timer.
    rawCOMMS(gv::Global_Declarations& g, QWidget* parent = nullptr);

    QTreeWidget* ListView1 = nullptr;
    QTimer* Timer1 = nullptr;
    QAction* exit = nullptr;
    QAction* pause = nullptr;

    // Text of row i (0-based) as added: the row's first sub-item.
    QString rowText(int i) const;
    int rowCountShown() const;

public slots:
    void exit_Click();
    void Form_Load();
    void pause_Click();
    void Timer1_Timer();

private:
    gv::Global_Declarations& g_;
};
