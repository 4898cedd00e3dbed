#include "live/ui/plotDiagnostics.h"

#include <QEvent>
#include <QMenuBar>
#include <QVBoxLayout>

#include "platform/Twips.h"
#include "platform/WidgetColours.h"

using gv::twips;

namespace {
void drawSegment(gv::PictureBox* box, const gv::PlotSegment& s)
{
    box->line(s.x1, s.y1, s.x2, s.y2, gv::colourFromBGR(s.colour), s.width);
}

QLabel* plotLabel(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    QFont f("Arial");
    f.setPointSize(8);
    l->setFont(f);
    gv::setTextColour(l, gv::colourFromBGR(0x0080FF));
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}
} // namespace

plotDiagnostics::plotDiagnostics(gv::Global_Declarations& g, QWidget* parent)
    : QWidget(parent, Qt::Window), g_(g)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Live Windmill performance");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* menu = new QMenuBar(this);
    cleardisplayMENU = menu->addAction("CLEAR display");
    exitplot = menu->addAction("EXIT");
    layout->setMenuBar(menu);

    GraphDisplay = new gv::PictureBox(this);
    GraphDisplay->setBackColour(gv::colourFromBGR(0x000000));
    GraphDisplay->setMinimumSize(120, 90);
    layout->addWidget(GraphDisplay);

    Label1 = plotLabel("MAX Power", GraphDisplay);
    Label3 = plotLabel("1000", GraphDisplay);
    Label2 = plotLabel("MAX RPM", GraphDisplay);
    Label4 = plotLabel("1000", GraphDisplay);
    GraphDisplay->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);

    connect(cleardisplayMENU, &QAction::triggered, this, &plotDiagnostics::cleardisplayMENU_Click);
    connect(exitplot, &QAction::triggered, this, &plotDiagnostics::exitplot_Click);
    connect(Timer1, &QTimer::timeout, this, &plotDiagnostics::Timer1_Timer);

    resize(twips(5280), twips(4065) + menu->sizeHint().height());
    Form_Load();
}

void plotDiagnostics::Form_Load()
{
    // Plot modes are 1..3; anything PlotMode holds outside a byte draws nothing.
    const int mode = g_.PlotMode;
    WindmillSelection_ = (mode >= 0 && mode <= 255) ? static_cast<std::uint8_t>(mode) : 0;
    Timer1->start();
    plotReferenceGrid();
}

void plotDiagnostics::cleardisplayMENU_Click()
{
    GraphDisplay->cls();
    plotReferenceGrid();
}

void plotDiagnostics::exitplot_Click()
{
    Timer1->stop();
    close();
}

void plotDiagnostics::plotReferenceGrid()
{
    if (!gv::isLivePlotMode(WindmillSelection_))
        return;
    scale_ = gv::livePlotScale(g_, WindmillSelection_);
    points_.reset(scale_);
    Label4->setText(QString::number(scale_.RPMmax));
    Label3->setText(QString::number(scale_.Pmax));
    placeLabels();
    // A full scale of zero or below has no plot; the labels show why.
    if (!scale_.drawable())
        return;
    GraphDisplay->setScaleSize(scale_.RPMmax, scale_.Pmax);
    for (const gv::PlotSegment& s : gv::referenceGridSegments(scale_))
        drawSegment(GraphDisplay, s);
}

void plotDiagnostics::Timer1_Timer()
{
    if (!gv::isLivePlotMode(WindmillSelection_) || !scale_.drawable())
        return;
    for (const gv::PlotSegment& s : gv::livePointSegments(g_, WindmillSelection_))
        if (points_.isNew(s))
            drawSegment(GraphDisplay, s);
}

bool plotDiagnostics::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == GraphDisplay && event->type() == QEvent::Resize)
        placeLabels();
    return QWidget::eventFilter(watched, event);
}

void plotDiagnostics::placeLabels()
{
    // "MAX Power" and its value at the top left, "MAX RPM" and its value at
    // the lower right, clear of the grid's corner lines.
    const int w = GraphDisplay->width();
    const int h = GraphDisplay->height();
    for (QLabel* l : {Label1, Label2, Label3, Label4})
        l->adjustSize();
    Label1->move(6, 4);
    Label3->move(6, 4 + Label1->height());
    const int right = w - 6;
    Label2->move(right - Label2->width(), h - 6 - Label2->height() - Label4->height());
    Label4->move(right - Label4->width(), h - 6 - Label4->height());
}
