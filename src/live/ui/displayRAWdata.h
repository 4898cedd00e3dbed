#pragma once
// The older raw message viewer: the whole last message in one text box,
// refreshed once a second; "Pause" freezes it.

#include <QLineEdit>
#include <QTimer>
#include <QWidget>

#include "shared/Global_Declarations.h"

class QAction;

class displayRAWdata : public QWidget {
    Q_OBJECT
public:
    displayRAWdata(gv::Global_Declarations& g, QWidget* parent = nullptr);

    QLineEdit* Text1 = nullptr;
    QTimer* Timer1 = nullptr;
    QAction* exitmenu = nullptr;
    QAction* pauseMenu = nullptr;

public slots:
    void exitmenu_Click();
    void Form_Load();
    void pauseMenu_Click();
    void Timer1_Timer();

private:
    gv::Global_Declarations& g_;
};
