#include "live/ui/dataTOlog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

#include "platform/PictureBox.h"
#include "platform/WidgetColours.h"
#include "shared/NumberPicture.h"
#include "shared/TaggedText.h"

namespace {
QString picture(double v) { return QString::fromStdString(gv::formatPicture(v, "#0.00")); }
} // namespace

dataTOlog::dataTOlog(gv::Global_Declarations& g, QWidget* parent)
    : QWidget(parent, Qt::Window), g_(g)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("data that would be logged");

    auto* layout = new QVBoxLayout(this);
    auto* menu = new QMenuBar(this);
    EXITdataTOlog = menu->addAction("exit");
    layout->setMenuBar(menu);

    auto* top = new QHBoxLayout;
    Label1 = new QLabel("Data OK counter", this);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    dataOKOK = new QLabel("0", this);
    dataOKOK->setMinimumWidth(60);
    top->addWidget(Label1);
    top->addWidget(dataOKOK);
    top->addStretch(1);
    layout->addLayout(top);

    static const char* const titles[6] = {"Volts", "Amps", "RPM", "WIND", "WATTS", "Whours"};
    auto* row = new QHBoxLayout;
    for (int i = 0; i < 6; ++i) {
        // Only the watts frame carries a caption; the blank ones keep the
        // six frames level with it.
        Frame1[i] = new QGroupBox(i == 4 ? "Watts" : " ", this);
        auto* grid = new QGridLayout(Frame1[i]);
        grid->setContentsMargins(6, 4, 6, 4);
        Label2[i] = new QLabel(titles[i], Frame1[i]);
        Label2[i]->setFont(bold);
        Label2[i]->setAlignment(Qt::AlignCenter);
        accumulatedDATA[i] = new QLabel("0", Frame1[i]);
        accumulatedDATA[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(Label2[i], 0, 0);
        grid->addWidget(accumulatedDATA[i], 1, 0);
        if (i < 5) {
            Label3[i] = new QLabel("0", Frame1[i]);
            Label3[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(Label3[i], 2, 0);
        }
        grid->setRowStretch(3, 1);
        Frame1[i]->setMinimumWidth(90);
        row->addWidget(Frame1[i]);
    }
    layout->addLayout(row);

    Timer1 = new QTimer(this);
    connect(EXITdataTOlog, &QAction::triggered, this, &dataTOlog::EXITdataTOlog_Click);
    connect(Timer1, &QTimer::timeout, this, &dataTOlog::Timer1_Timer);

    Form_Load();
}

void dataTOlog::EXITdataTOlog_Click() { close(); }

void dataTOlog::Form_Load()
{
    Timer1->setInterval(500);
    Timer1->start();
    gv::setTextColour(Label1, gv::colourFromBGR(65280));
}

QColor dataTOlog::heartbeatColour() const { return Label1->palette().color(QPalette::WindowText); }

void dataTOlog::Timer1_Timer()
{
    const QColor green = gv::colourFromBGR(65280);
    gv::setTextColour(Label1, heartbeatColour() == green ? QColor(Qt::black) : green);
    dataOKOK->setText(QString::fromStdString(gv::numberText(g_.goodDATAcount)));

    const double running[6] = {g_.AccumulatedValue[9],  g_.AccumulatedValue[1],
                               g_.AccumulatedValue[13], g_.AccumulatedValue[12],
                               g_.AccumulatedWatts[1],  g_.WattHours[1]};
    const double logged[5] = {g_.LoggedValue[9], g_.LoggedValue[1], g_.LoggedValue[13],
                              g_.LoggedValue[12], g_.LoggedWatts[1]};
    for (int i = 0; i < 6; ++i)
        accumulatedDATA[i]->setText(picture(running[i]));
    for (int i = 0; i < 5; ++i)
        Label3[i]->setText(picture(logged[i]));
}
