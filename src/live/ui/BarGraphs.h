#pragma once
// Two vertical bar meters for windmill 1, RPM on the left and power on the
// right, with their full scales above and live read-outs, refreshed every
// half second.

#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "live/BarMeters.h"
#include "platform/PictureBox.h"
#include "shared/Global_Declarations.h"

class QAction;

class BarGraphs : public QWidget {
    Q_OBJECT
public:
    // Loads the window: caption and bar scales from the channel table.
    BarGraphs(gv::Global_Declarations& g, QWidget* parent = nullptr);

    const gv::BarMeterScale& meterScale() const { return scale_; }
    // Upper ends of the bars (Line5 for RPM, Line1 for power), in twips.
    int RPMBarTop() const { return RPMBarTop_; }
    int PowerBarTop() const { return PowerBarTop_; }

    gv::PictureBox* Form = nullptr; // the form's surface: lines in twips
    QLabel* MaxR = nullptr;
    QLabel* maxP = nullptr;
    QLabel* Label4 = nullptr; // live RPM
    QLabel* Label2 = nullptr; // live power
    QLabel* Rlabel = nullptr;
    QLabel* Plabel = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label1 = nullptr;
    QTimer* Timer1 = nullptr;
    QAction* exitmenu = nullptr;

public slots:
    void exitmenu_Click();
    void Form_Load();
    void Timer1_Timer();

private:
    void drawMeters();

    gv::Global_Declarations& g_;
    gv::BarMeterScale scale_;
    int RPMBarTop_ = gv::BarGeometry::BarDesignTop;
    int PowerBarTop_ = gv::BarGeometry::BarDesignTop;
};
