#pragma once
// Battery monitors: one battery voltage in large figures on a background whose
// colour tells the state of charge, refreshed every 2 seconds.  BATTMonitor
// watches the system battery (channel 9), BATTMonitor2 channel 10.  A click
// on the reading shows the channel's recent minimum, then maximum, in turn.

#include <QTimer>
#include <QWidget>

#include "live/BatteryBands.h"
#include "platform/ClickLabel.h"
#include "shared/Global_Declarations.h"

class BatteryMonitorWindow : public QWidget {
    Q_OBJECT
public:
    // Starts the refresh timer; the reading keeps its design look until the
    // first tick.
    void Form_Load();

    const gv::BatteryIndicator& shown() const { return shown_; }
    int MaxMinToggle() const { return MaxMinToggle_; }
    int channel() const { return channel_; }

    gv::ClickLabel* voltage = nullptr;
    QLabel* SystemVoltage = nullptr;
    gv::ClickLabel* Label1 = nullptr; // "X"
    QTimer* Timer1 = nullptr;

public slots:
    void Label1_Click();
    void Timer1_Timer();
    void voltage_Click();

protected:
    BatteryMonitorWindow(gv::Global_Declarations& g, QWidget* parent, int channel, int maxSlot,
                         int minSlot);

private:
    void applyColours();

    gv::Global_Declarations& g_;
    const int channel_;
    const int maxSlot_;
    const int minSlot_;
    gv::BatteryIndicator shown_;
    int MaxMinToggle_ = 0;
};

class BATTMonitor : public BatteryMonitorWindow {
    Q_OBJECT
public:
    BATTMonitor(gv::Global_Declarations& g, QWidget* parent = nullptr);
};

class BATTMonitor2 : public BatteryMonitorWindow {
    Q_OBJECT
public:
    BATTMonitor2(gv::Global_Declarations& g, QWidget* parent = nullptr);
};
