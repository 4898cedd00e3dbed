#include "live/ui/BarGraphs.h"

#include <QMenuBar>
#include <QVBoxLayout>

#include "platform/MessageBoxes.h"
#include "platform/Twips.h"
#include "platform/WidgetColours.h"

using gv::twips;
namespace B = gv::BarGeometry;

namespace {
constexpr int FormWidth = 1860;  // twips
constexpr int FormHeight = 5100; // twips

QLabel* meterLabel(const QString& text, QWidget* parent, int x, int y, int w, int h,
                   const QColor& fore, const QColor& back = QColor())
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(twips(x), twips(y), twips(w), twips(h));
    l->setAlignment(Qt::AlignCenter);
    gv::setTextColour(l, fore);
    if (back.isValid())
        gv::setBackColour(l, back);
    return l;
}
} // namespace

BarGraphs::BarGraphs(gv::Global_Declarations& g, QWidget* parent)
    : QWidget(parent, Qt::Window), g_(g)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Watts vs RPM");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* menu = new QMenuBar(this);
    exitmenu = menu->addAction("EXIT");
    layout->setMenuBar(menu);

    Form = new gv::PictureBox(this);
    Form->setBackColour(gv::colourFromBGR(0x400000));
    Form->setFixedSize(twips(FormWidth), twips(FormHeight));
    Form->setScaleSize(twips(FormWidth) * gv::twipsPerPixel, twips(FormHeight) * gv::twipsPerPixel);
    layout->addWidget(Form);

    const QColor yellow = gv::colourFromBGR(65535);
    const QColor white = Qt::white;
    // Full scales above the bars, live read-outs below them, names under the bars.
    MaxR = meterLabel("100", Form, B::RpmX - 330, 40, 660, 270, white);
    maxP = meterLabel("100", Form, B::PowerX - 330, 40, 660, 270, white);
    Label4 = meterLabel("Label4", Form, B::RpmX - 330, 330, 660, 270, yellow);
    Label2 = meterLabel("Label2", Form, B::PowerX - 330, 330, 660, 270, yellow);
    Rlabel = meterLabel("RPM", Form, B::RpmX - 330, 4770, 660, 270, white, Qt::black);
    Plabel = meterLabel("Watts", Form, B::PowerX - 330, 4770, 660, 270, white, Qt::black);
    Label3 = meterLabel("0", Form, B::MarkRight + 20, 4080, 240, 240, yellow);
    Label1 = meterLabel("0", Form, B::MarkRight + 20, 4440, 240, 240, yellow);

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    connect(exitmenu, &QAction::triggered, this, &BarGraphs::exitmenu_Click);
    connect(Timer1, &QTimer::timeout, this, &BarGraphs::Timer1_Timer);

    adjustSize();
    Form_Load();
    drawMeters();
    Timer1->start();
}

void BarGraphs::exitmenu_Click() { close(); }

void BarGraphs::Form_Load()
{
    setWindowTitle("RPM vs Power");
    // A full scale of 0 or below gives a bar that stays at zero length.
    scale_ = gv::barMeterScale(g_.ChannelMaxReading[13], g_.ChannelMaxReading[17]);
    maxP->setText(QString::number(g_.ChannelMaxReading[17]));
    MaxR->setText(QString::number(g_.ChannelMaxReading[13]));
    Plabel->setText("Watts");
    Rlabel->setText("RPM");
}

void BarGraphs::Timer1_Timer()
{
    const double W = g_.Windmill1Power;
    const double R = g_.ChannelValue[13];
    const gv::BarTops t = gv::barTops(scale_, R, W);
    if (!t.valid) {
        // Stop first: the message box runs its own event loop.
        Timer1->stop();
        gv::showMessage(this, QString::fromStdString(gv::barMeterLimitMessage(W, R)));
        close();
        return;
    }
    PowerBarTop_ = t.PowerBarTop;
    RPMBarTop_ = t.RPMBarTop;
    Label2->setText(QString::fromStdString(t.powerText));
    Label4->setText(QString::fromStdString(t.rpmText));
    drawMeters();
}

void BarGraphs::drawMeters()
{
    const QColor yellow = gv::colourFromBGR(65535);
    const QColor red = gv::colourFromBGR(255);
    Form->cls();
    for (int y : B::Marks)
        Form->line(B::MarkLeft, y, B::MarkRight, y, yellow, 1);
    Form->line(B::RpmX, B::ScaleLineBottom, B::RpmX, B::ScaleLineTop, yellow, 2);
    Form->line(B::PowerX, B::ScaleLineBottom, B::PowerX, B::ScaleLineTop, yellow, 2);
    // The bars are 15 pixels wide with flat ends, so a bar of zero length shows nothing.
    const double half = 7.5 * gv::twipsPerPixel;
    Form->box(B::RpmX - half, scale_.RPMBarBottom, B::RpmX + half, RPMBarTop_, red);
    Form->box(B::PowerX - half, scale_.PowerBarBottom, B::PowerX + half, PowerBarTop_, red);
}
