#pragma once
// The table of recent highs (all channels) and lows (voltages, temperatures)
// for the channels the current system type uses, refreshed every 2 seconds,
// with "RESET ALL" to clear the shared table.

#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>

#include "platform/ClickLabel.h"
#include "shared/Global_Declarations.h"

// One cell: a black frame whose caption names the slot, holding its value.
class MaxMinFrame : public QFrame {
    Q_OBJECT
public:
    explicit MaxMinFrame(QWidget* parent);
    void setCaption(const QString& text);
    QString caption() const;
    void setCaptionColour(const QColor& c);
    QColor captionColour() const;

    QLabel* value = nullptr;

private:
    QLabel* title_ = nullptr;
};

class dailyMaximums : public QWidget {
    Q_OBJECT
public:
    // Loads the window and lays out its cells for the current system type.
    dailyMaximums(gv::Global_Declarations& g, QWidget* parent = nullptr);

    std::array<MaxMinFrame*, gv::MaxMinSlot::Count> Channel{};
    std::array<QLabel*, gv::MaxMinSlot::Count> value{};
    gv::ClickLabel* ResetAllMaxMins = nullptr;
    QTimer* Timer1 = nullptr;

public slots:
    void Form_Load();
    void Timer1_Timer();
    void ResetAllMaxMins_Click();

private:
    gv::Global_Declarations& g_;
};
