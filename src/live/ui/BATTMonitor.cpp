#include "live/ui/BATTMonitor.h"

#include <QFontMetrics>

#include "platform/PictureBox.h"
#include "platform/Twips.h"
#include "platform/WidgetColours.h"

using gv::twips;

namespace {
// Large figures, made smaller only as far as needed to keep a long text
// ("MIN 1000.0V", "300.00 V") clear of the system label and the "X".
void fitReading(QLabel* reading, const QWidget* rightNeighbour)
{
    const int room = rightNeighbour->x() - reading->x() - reading->contentsMargins().left() - 2;
    QFont f = reading->font();
    for (int pt = 24; pt >= 8; --pt) {
        f.setPointSize(pt);
        if (QFontMetrics(f).horizontalAdvance(reading->text()) <= room)
            break;
    }
    reading->setFont(f);
}
} // namespace

BatteryMonitorWindow::BatteryMonitorWindow(gv::Global_Declarations& g, QWidget* parent, int channel,
                                           int maxSlot, int minSlot)
    : QWidget(parent, Qt::Window), g_(g), channel_(channel), maxSlot_(maxSlot), minSlot_(minSlot)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Battery Monitor & Indicator");
    setFixedSize(twips(3360), twips(825));

    voltage = new gv::ClickLabel(QString::fromStdString(shown_.caption), this);
    voltage->setGeometry(twips(120), twips(120), twips(3135), twips(615));
    QFont big("Arial");
    big.setPointSize(24);
    big.setBold(true);
    voltage->setFont(big);
    voltage->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    voltage->setContentsMargins(4, 0, 0, 0);

    // The system label and the close "X" sit over the right end of the reading.
    SystemVoltage = new QLabel(QString::fromStdString(shown_.systemText), this);
    SystemVoltage->setGeometry(twips(2520), twips(480), twips(375), twips(255));
    QFont small = SystemVoltage->font();
    small.setPointSize(7);
    SystemVoltage->setFont(small);
    SystemVoltage->setAlignment(Qt::AlignCenter);

    Label1 = new gv::ClickLabel("X", this);
    Label1->setGeometry(twips(2880), twips(120), twips(375), twips(375));
    QFont x = Label1->font();
    x.setPointSize(18);
    x.setBold(true);
    Label1->setFont(x);
    Label1->setAlignment(Qt::AlignCenter);

    Timer1 = new QTimer(this);
    Timer1->setInterval(2000);
    connect(Timer1, &QTimer::timeout, this, &BatteryMonitorWindow::Timer1_Timer);
    connect(voltage, &gv::ClickLabel::clicked, this, &BatteryMonitorWindow::voltage_Click);
    connect(Label1, &gv::ClickLabel::clicked, this, &BatteryMonitorWindow::Label1_Click);

    applyColours();
    Form_Load();
}

void BatteryMonitorWindow::Form_Load() { Timer1->start(); }

void BatteryMonitorWindow::Label1_Click() { close(); }

void BatteryMonitorWindow::Timer1_Timer()
{
    // Reads the shared value; the comparison scaling works on a copy.
    const double V = g_.ChannelValue[channel_];
    gv::batteryTick(V, shown_);
    voltage->setText(QString::fromStdString(shown_.caption));
    fitReading(voltage, SystemVoltage);
    SystemVoltage->setText(QString::fromStdString(shown_.systemText));
    applyColours();
}

void BatteryMonitorWindow::voltage_Click()
{
    const std::string text =
        gv::batteryMaxMinText(MaxMinToggle_, g_.MaxMin[maxSlot_], g_.MaxMin[minSlot_]);
    voltage->setText(QString::fromStdString(text));
    fitReading(voltage, SystemVoltage);
}

void BatteryMonitorWindow::applyColours()
{
    gv::setBackColour(voltage, gv::colourFromBGR(shown_.backColour));
    gv::setTextColour(voltage, Qt::black);
    gv::setTextColour(SystemVoltage, Qt::black);
    gv::setTextColour(Label1, gv::colourFromBGR(shown_.closeColour));
}

BATTMonitor::BATTMonitor(gv::Global_Declarations& g, QWidget* parent)
    : BatteryMonitorWindow(g, parent, 9, 8, 24)
{
}

BATTMonitor2::BATTMonitor2(gv::Global_Declarations& g, QWidget* parent)
    : BatteryMonitorWindow(g, parent, 10, 9, 25)
{
}
