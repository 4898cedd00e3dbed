#pragma once
// Preview of the next log line: the interval sums being built up, beside the
// averages of the last line written, with a heartbeat and the count of good
// messages so far in the interval.

#include <QGroupBox>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>

#include "shared/Global_Declarations.h"

class QAction;

class dataTOlog : public QWidget {
    Q_OBJECT
public:
    dataTOlog(gv::Global_Declarations& g, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;   // "Data OK counter", the heartbeat
    QLabel* dataOKOK = nullptr; // good-message count
    std::array<QGroupBox*, 6> Frame1{};
    std::array<QLabel*, 6> Label2{};
    std::array<QLabel*, 6> accumulatedDATA{};
    std::array<QLabel*, 5> Label3{};
    QTimer* Timer1 = nullptr;
    QAction* EXITdataTOlog = nullptr;

    QColor heartbeatColour() const;

public slots:
    void EXITdataTOlog_Click();
    void Form_Load();
    void Timer1_Timer();

private:
    gv::Global_Declarations& g_;
};
