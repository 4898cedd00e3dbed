#include "live/ui/dailyMaximums.h"

#include <QVBoxLayout>

#include "live/MaxMinCells.h"
#include "platform/PictureBox.h"
#include "platform/WidgetColours.h"

namespace {
constexpr int CellWidth = 150;
constexpr int CellHeight = 40;
constexpr int Gap = 5;
constexpr int WideGap = 12; // between rows 4 and 5
constexpr int Margin = 8;

QPoint cellOrigin(int row, int column)
{
    const int x = Margin + (column - 1) * (CellWidth + Gap);
    int y = Margin + (row - 1) * (CellHeight + Gap);
    if (row >= 5)
        y += WideGap - Gap;
    return {x, y};
}
} // namespace

MaxMinFrame::MaxMinFrame(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 1, 4, 2);
    layout->setSpacing(0);
    title_ = new QLabel("channel", this);
    QFont tf = title_->font();
    tf.setPointSize(8);
    title_->setFont(tf);
    value = new QLabel("00.00", this);
    QFont vf = value->font();
    vf.setPointSize(11);
    vf.setBold(true);
    value->setFont(vf);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(title_);
    layout->addWidget(value, 1);
}

void MaxMinFrame::setCaption(const QString& text) { title_->setText(text); }
QString MaxMinFrame::caption() const { return title_->text(); }
void MaxMinFrame::setCaptionColour(const QColor& c) { gv::setTextColour(title_, c); }
QColor MaxMinFrame::captionColour() const { return title_->palette().color(QPalette::WindowText); }

dailyMaximums::dailyMaximums(gv::Global_Declarations& g, QWidget* parent)
    : QWidget(parent, Qt::Window), g_(g)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("All channels Recent HIGHS and Voltage channels LOWS");

    for (int k = 0; k < gv::MaxMinSlot::Count; ++k) {
        auto* frame = new MaxMinFrame(this);
        const gv::MaxMinGridPlace place = gv::maxMinGridPlace(k);
        frame->setGeometry(QRect(cellOrigin(place.row, place.column), QSize(CellWidth, CellHeight)));
        Channel[k] = frame;
        value[k] = frame->value;
    }

    ResetAllMaxMins = new gv::ClickLabel("RESET ALL", this);
    ResetAllMaxMins->setGeometry(QRect(cellOrigin(gv::ResetLabelPlace.row, gv::ResetLabelPlace.column),
                                       QSize(CellWidth, CellHeight)));
    ResetAllMaxMins->setAlignment(Qt::AlignCenter);
    gv::setBackColour(ResetAllMaxMins, gv::colourFromBGR(65535));
    gv::setTextColour(ResetAllMaxMins, Qt::black);
    QFont rf = ResetAllMaxMins->font();
    rf.setBold(true);
    ResetAllMaxMins->setFont(rf);

    const QPoint corner = cellOrigin(8, 4) + QPoint(CellWidth + Margin, CellHeight + Margin);
    setFixedSize(corner.x(), corner.y());

    Timer1 = new QTimer(this);
    Timer1->setInterval(2000);
    connect(Timer1, &QTimer::timeout, this, &dailyMaximums::Timer1_Timer);
    connect(ResetAllMaxMins, &gv::ClickLabel::clicked, this, &dailyMaximums::ResetAllMaxMins_Click);

    Form_Load();
}

void dailyMaximums::Form_Load()
{
    for (MaxMinFrame* f : Channel)
        f->hide();
    for (const gv::MaxMinCell& cell : gv::maxMinCells(g_)) {
        MaxMinFrame* f = Channel[cell.slot];
        const QColor c = gv::colourFromBGR(cell.colour);
        f->setCaption(QString::fromStdString(cell.caption));
        f->setCaptionColour(c);
        gv::setTextColour(value[cell.slot], c);
        f->show();
    }
    Timer1->start();
}

void dailyMaximums::Timer1_Timer()
{
    for (int k = 0; k < gv::MaxMinSlot::Count; ++k)
        value[k]->setText(
            QString::fromStdString(gv::maxMinValueText(k, g_.MaxMin[k], g_.WSUnits)));
}

void dailyMaximums::ResetAllMaxMins_Click() { gv::resetMaxMin(g_.MaxMin); }
