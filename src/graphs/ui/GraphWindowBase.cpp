#include "graphs/ui/GraphWindowBase.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/Captions.h"
#include "platform/ClickLabel.h"
#include "platform/MessageBoxes.h"
#include "platform/PathLabel.h"
#include "platform/PictureBox.h"
#include "platform/Printing.h"
#include "shared/FileIO.h"

namespace gv {

PictureSurface::PictureSurface(PictureBox* box) : box_(box) { box_->setScale(0, 0, 1, 1); }

void PictureSurface::clearPicture()
{
    box_->cls();
    drawn_.clear();
}

void PictureSurface::drawLine(const SurfaceLine& l)
{
    box_->line(l.fx1, l.fy1, l.fx2, l.fy2, colourFromBGR(l.colour), l.width);
    drawn_.push_back(l);
}

void PictureSurface::rollBack(size_t count)
{
    if (count >= drawn_.size())
        return;
    drawn_.resize(count);
    box_->cls();
    for (const SurfaceLine& l : drawn_)
        box_->line(l.fx1, l.fy1, l.fx2, l.fy2, colourFromBGR(l.colour), l.width);
}

} // namespace gv

namespace {

// File and folder names go through the system's file-name encoding; the
// shared state's texts (the user's name, channel names) are UTF-8.
QString qs(const std::string& s) { return QString::fromLocal8Bit(s.data(), static_cast<qsizetype>(s.size())); }
QString text(const std::string& s) { return QString::fromStdString(s); }
std::string ss(const QString& s) { return s.toLocal8Bit().toStdString(); }

// Background in the channel colour with a text colour that stays readable.
// The box draws its own indicator, since the style's one takes the channel
// colour and vanishes on dark colours: a white square in a dark frame, and
// when ticked a dark square inside it (the dark margin keeps the frame).
QString boxStyle(qint32 bgr)
{
    const QColor c = gv::colourFromBGR(bgr);
    const int luminance = (c.red() * 299 + c.green() * 587 + c.blue() * 114) / 1000;
    return QString("QCheckBox { background-color: %1; color: %2; padding: 1px 3px; }"
                   " QCheckBox::indicator { width: 11px; height: 11px; background-color: white;"
                   " border: 1px solid #202020; }"
                   " QCheckBox::indicator:checked { width: 7px; height: 7px; margin: 1px;"
                   " border: 2px solid white; background-color: #202020; background-clip: margin; }")
        .arg(c.name(), luminance < 128 ? "white" : "black");
}

constexpr qint32 PlotBackGrey = 0x404040;

// Captions of the figure labels while no span is drawn (as the window opens).
const QString StartCaption = QStringLiteral("Start");
const QString FinishCaption = QStringLiteral("Finish");
const QString ReadoutTimeCaption = QStringLiteral("time");
const QString ValueCaption = QStringLiteral("0");
const QString WattHourCaption = QStringLiteral("Wh");

// A series box captioned with a channel name the user chose: a name too long
// for the window's smallest size is cut there rather than widening the window
// past a laptop's screen.
class ChannelSeriesBox : public QCheckBox {
public:
    ChannelSeriesBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent)
    {
        setSizePolicy(QSizePolicy::Preferred, sizePolicy().verticalPolicy());
    }
    QSize minimumSizeHint() const override
    {
        // Six of them and their gaps fit beside the picker on a 1366-pixel screen.
        QSize s = QCheckBox::minimumSizeHint();
        s.setWidth(std::min(s.width(), fontMetrics().averageCharWidth() * 28));
        return s;
    }
};

// The size a window opens with: its normal size, wider where its captions
// want it, cut to the free area of the screen it opens on (its owner's) less
// the frame and title bar around it.
QSize openingSize(const QWidget* window)
{
    const QSize normal(std::max(1180, window->sizeHint().width()), 760);
    const QSize leastFrame(16, 40); // where the owner's frame tells less
    const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    const QScreen* screen = owner ? owner->screen() : window->screen();
    if (!screen)
        return normal;
    QSize frame = leastFrame;
    if (owner && owner->isVisible())
        frame = frame.expandedTo(owner->frameGeometry().size() - owner->size());
    return normal.boundedTo(screen->availableGeometry().size() - frame);
}

} // namespace

GraphWindowBase::GraphWindowBase(gv::Global_Declarations& g, const QString& programFolder,
                                 gv::GraphWindowSetup setup, gv::GraphRules rules, QWidget* parent)
    : QDialog(parent), graph(g, std::move(rules)), g_(g), folder_(ss(programFolder)), setup_(std::move(setup))
{
}

GraphWindowBase::~GraphWindowBase() = default;

std::string GraphWindowBase::logsFolder() const { return gv::joinPath(folder_, "logs"); }
std::string GraphWindowBase::excelFolder() const { return gv::joinPath(folder_, "Excel"); }

void GraphWindowBase::buildFrame()
{
    setObjectName(setup_.objectName);

    auto* outer = new QHBoxLayout(this);

    // ---- Left: picker, time boxes, buttons ----
    auto* left = new QVBoxLayout;
    outer->addLayout(left, 0);
    const auto makeLabel = [this](const char* name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        return l;
    };
    Label15 = makeLabel("Label15", "Log History");
    QFont bold = Label15->font();
    bold.setBold(true);
    Label15->setFont(bold);
    left->addWidget(Label15);
    // One line: a folder too long for the column shows its end, the part
    // that names it.
    dirCaption = new gv::PathLabel(this);
    dirCaption->setObjectName("dirCaption");
    left->addWidget(dirCaption);
    // The lists give up height first when the screen is small.
    Dir1 = new QListWidget(this);
    Dir1->setObjectName("Dir1");
    Dir1->setFixedWidth(230);
    Dir1->setMinimumHeight(60);
    Dir1->setMaximumHeight(90);
    left->addWidget(Dir1);
    File1 = new QListWidget(this);
    File1->setObjectName("File1");
    File1->setFixedWidth(230);
    File1->setMinimumHeight(100);
    left->addWidget(File1, 1);
    connect(Dir1, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QString target = item->data(Qt::UserRole).toString();
        if (!target.isEmpty())
            setDir1Path(target);
    });
    connect(File1, &QListWidget::itemClicked, this, [this](QListWidgetItem*) { File1_Click(); });

    auto* fileRow = new QHBoxLayout;
    Label1 = makeLabel("Label1", "File");
    FileName = makeLabel("FileName", "FileName");
    FileName->setFrameShape(QFrame::Panel);
    FileName->setFrameShadow(QFrame::Sunken);
    FileName->setMinimumWidth(170);
    fileRow->addWidget(Label1);
    fileRow->addWidget(FileName, 1);
    left->addLayout(fileRow);

    const auto timeBox = [this](const char* name, const QString& text) {
        auto* e = new QLineEdit(text, this);
        e->setObjectName(name);
        e->setFixedWidth(36);
        e->setMaxLength(2);
        e->setAlignment(Qt::AlignCenter);
        return e;
    };
    auto* timeGrid = new QGridLayout;
    Label2 = makeLabel("Label2", "From");
    Label3 = makeLabel("Label3", "To");
    Time1h = timeBox("Time1h", "00");
    Time1m = timeBox("Time1m", "00");
    Time2h = timeBox("Time2h", "23");
    Time2m = timeBox("Time2m", "59");
    Label4 = makeLabel("Label4", ":");
    Label5 = makeLabel("Label5", ":");
    Label6 = makeLabel("Label6", ":");
    Label8 = makeLabel("Label8", ":");
    Label6->hide(); // spare separators of the layout
    Label8->hide();
    timeGrid->addWidget(Label2, 0, 0);
    timeGrid->addWidget(Time1h, 0, 1);
    timeGrid->addWidget(Label4, 0, 2);
    timeGrid->addWidget(Time1m, 0, 3);
    timeGrid->addWidget(Label3, 1, 0);
    timeGrid->addWidget(Time2h, 1, 1);
    timeGrid->addWidget(Label5, 1, 2);
    timeGrid->addWidget(Time2m, 1, 3);
    timeGrid->setColumnStretch(4, 1);
    left->addLayout(timeGrid);

    const auto button = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    DisplayButton = button("DisplayButton", "DISPLAY");
    CSV = button("CSV", ".CSV");
    left->addWidget(DisplayButton);
    left->addWidget(CSV);
    connect(DisplayButton, &QPushButton::clicked, this, [this] { DisplayButton_Click(); });
    connect(CSV, &QPushButton::clicked, this, [this] { CSV_Click(); });
    if (setup_.hasPrint) {
        PrintButton = button("PrintButton", "PRINT");
        left->addWidget(PrintButton);
        connect(PrintButton, &QPushButton::clicked, this, [this] { PrintButton_Click(); });
    }
    if (setup_.hasCollate) {
        Collate = new QCheckBox("Collate", this);
        Collate->setObjectName("Collate");
        left->addWidget(Collate);
    }
    CheckScaling = new QCheckBox("Scaled", this);
    CheckScaling->setObjectName("CheckScaling");
    left->addWidget(CheckScaling);
    connect(CheckScaling, &QCheckBox::toggled, this, [this](bool) { CheckScaling_Click(); });
    extra_ = new QVBoxLayout;
    left->addLayout(extra_);
    left->addStretch(0);
    ExitGraphsButton = button("ExitGraphsButton", "Exit");
    left->addWidget(ExitGraphsButton);
    connect(ExitGraphsButton, &QPushButton::clicked, this, [this] { ExitGraphsButton_Click(); });

    // ---- Right: title, picture, time labels, series ----
    auto* right = new QVBoxLayout;
    outer->addLayout(right, 1);
    Label7 = makeLabel("Label7", "Time");
    Label7->setAlignment(Qt::AlignCenter);
    Label7->setFont(bold);
    right->addWidget(Label7);
    Plot = new gv::PictureBox(this);
    Plot->setObjectName("Plot");
    Plot->setMinimumSize(480, 240); // takes whatever the controls leave
    Plot->setBackColour(gv::colourFromBGR(PlotBackGrey));
    right->addWidget(Plot, 1);
    surface_ = std::make_unique<gv::PictureSurface>(Plot);
    connect(Plot, &gv::PictureBox::mousePressed, this,
            [this](double x, double, Qt::MouseButton) { Plot_MouseDown(x * surface_->scaleWidth()); });
    connect(Plot, &gv::PictureBox::mouseMoved, this,
            [this](double x, double, Qt::MouseButtons) { Plot_MouseMove(x * surface_->scaleWidth()); });
    connect(Plot, &gv::PictureBox::mouseReleased, this,
            [this](double x, double, Qt::MouseButton) { Plot_MouseUp(x * surface_->scaleWidth()); });

    auto* timeRow = new QHBoxLayout;
    stime = makeLabel("stime", StartCaption);
    vt = makeLabel("vt", ReadoutTimeCaption);
    ftime = makeLabel("ftime", FinishCaption);
    vt->setAlignment(Qt::AlignCenter);
    ftime->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    timeRow->addWidget(stime, 1);
    timeRow->addWidget(vt, 1);
    timeRow->addWidget(ftime, 1);
    right->addLayout(timeRow);

    auto* seriesGrid = new QGridLayout;
    seriesGrid->setHorizontalSpacing(8);
    seriesGrid->setVerticalSpacing(2);
    right->addLayout(seriesGrid);
    const int perRow = std::max(1, setup_.seriesPerRow);
    // Grid place of each series: its position in the window's box order.
    std::vector<int> place(setup_.series.size());
    for (size_t s = 0; s < place.size(); ++s)
        place[s] = static_cast<int>(s);
    if (setup_.boxOrder.size() == place.size())
        for (size_t p = 0; p < place.size(); ++p)
            if (setup_.boxOrder[p] >= 0 && static_cast<size_t>(setup_.boxOrder[p]) < place.size())
                place[static_cast<size_t>(setup_.boxOrder[p])] = static_cast<int>(p);
    for (size_t s = 0; s < setup_.series.size(); ++s) {
        const gv::GraphSeriesBox& sb = setup_.series[s];
        const int row = place[s] / perRow * 3;
        const int col = place[s] % perRow;
        const QString caption = sb.caption.isEmpty() ? sb.checkBox : sb.caption;
        auto* box = sb.channel > 0 ? new ChannelSeriesBox(caption, this) : new QCheckBox(caption, this);
        box->setObjectName(sb.checkBox);
        seriesGrid->addWidget(box, row, col);
        seriesBoxes.push_back(box);
        const int index = static_cast<int>(s);
        connect(box, &QCheckBox::toggled, this, [this, index](bool) { seriesBox_Click(index); });
        gv::ClickLabel* value = nullptr;
        if (!sb.valueLabel.isEmpty()) {
            value = new gv::ClickLabel(ValueCaption, this);
            value->setObjectName(sb.valueLabel);
            seriesGrid->addWidget(value, row + 1, col);
            connect(value, &gv::ClickLabel::clicked, this, [this, index] { valueLabel_Click(index); });
        }
        valueLabels.push_back(value);
        QLabel* wh = nullptr;
        if (!sb.wattHourLabel.isEmpty()) {
            wh = makeLabel("", WattHourCaption);
            wh->setObjectName(sb.wattHourLabel);
            seriesGrid->addWidget(wh, row + 2, col);
        }
        wattHourLabels.push_back(wh);
    }
    for (int c = 0; c < perRow; ++c)
        seriesGrid->setColumnStretch(c, 1);
}

void GraphWindowBase::setVisible(bool visible)
{
    if (visible && !testAttribute(Qt::WA_Resized))
        resize(openingSize(this));
    QDialog::setVisible(visible);
}

QCheckBox* GraphWindowBase::seriesBox(const QString& name) const
{
    for (auto* b : seriesBoxes)
        if (b->objectName() == name)
            return b;
    return nullptr;
}

gv::ClickLabel* GraphWindowBase::valueLabel(const QString& name) const
{
    for (auto* l : valueLabels)
        if (l && l->objectName() == name)
            return l;
    return nullptr;
}

QLabel* GraphWindowBase::wattHourLabel(const QString& name) const
{
    for (auto* l : wattHourLabels)
        if (l && l->objectName() == name)
            return l;
    return nullptr;
}

// ---------------------------------------------------------------------------
// Opening and picker
// ---------------------------------------------------------------------------

void GraphWindowBase::Form_Load() { Form_Load(gv::localNow()); }

void GraphWindowBase::Form_Load(const gv::LocalTime& now)
{
    // The Current Cost windows open to nothing under system type 0.
    if (!graph.opens())
        return;
    // Both lists show the logs folder, the file list with the window's pattern.
    setDir1Path(qs(logsFolder()));
    refreshFileList();
    // The caption is the user's own name for the system.
    setWindowTitle(text(g_.PersonalString));
    // No drag, no range, Scaled, the series flags from the channel table.
    graph.open();
    press_ = PressSnapshot{};
    // Tick the scaling box; its handler runs when the tick changes.
    if (CheckScaling->isChecked())
        CheckScaling_Click();
    else
        CheckScaling->setChecked(true);
    // Each series box ticked by its flag, in its channel's colour and name
    // (an "&" in a name shows as written, not as a shortcut mark).
    for (size_t s = 0; s < setup_.series.size(); ++s) {
        const gv::GraphSeriesBox& sb = setup_.series[s];
        const bool channel = sb.channel >= 1 && sb.channel <= 24;
        const size_t ch = static_cast<size_t>(channel ? sb.channel : 0);
        QCheckBox* box = seriesBoxes[s];
        box->setChecked(s < graph.Options.SeriesFlags.size() && graph.Options.SeriesFlags[s] == 1);
        box->setStyleSheet(boxStyle(channel ? g_.LineColour[ch] : sb.colour));
        box->setText(gv::literalCaption(channel ? text(g_.ChannelName[ch]) : sb.caption));
    }
    // Today's day file is named, and read when it exists (GraphCC_QF reads
    // it in any case and reports a missing day as a day without data).
    FileName->setText(qs(graph.todayFile(now)));
    if (graph.readsOnOpening(logsFolder(), ss(FileName->text())))
        DisplayButton_Click();
}

void GraphWindowBase::setDir1Path(const QString& folder)
{
    const QString clean = QDir::cleanPath(folder);
    if (clean == dir1Path_)
        return;
    dir1Path_ = clean;
    refreshDirList();
    Dir1_Change();
}

void GraphWindowBase::refreshDirList()
{
    dirCaption->setPath(dir1Path_);
    Dir1->clear();
    QDir dir(dir1Path_);
    if (!dir.isRoot()) {
        auto* up = new QListWidgetItem("[..]", Dir1);
        up->setData(Qt::UserRole, QDir::cleanPath(dir1Path_ + "/.."));
    }
    if (dir.exists()) {
        for (const QString& sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
            auto* item = new QListWidgetItem("[" + sub + "]", Dir1);
            item->setData(Qt::UserRole, dir.filePath(sub));
        }
    }
}

void GraphWindowBase::Dir1_Change()
{
    file1Path_ = setup_.fileListFollowsDir ? dir1Path_ : qs(logsFolder());
    refreshFileList();
}

void GraphWindowBase::refreshFileList()
{
    File1->clear();
    for (const std::string& name : gv::listDayFiles(ss(file1Path_), setup_.filePattern))
        File1->addItem(qs(name));
}

void GraphWindowBase::File1_Click()
{
    QListWidgetItem* item = File1->currentItem();
    if (!item)
        return;
    const QString picked = item->text();
    if (Collate && Collate->isChecked())
        AppendDailyWattHours();
    FileName->setText(picked);
    Time1h->setText("00");
    Time2h->setText("23");
    Time1m->setText("00");
    Time2m->setText("59");
    DisplayButton_Click();
}

bool GraphWindowBase::pickFile(const QString& name)
{
    refreshFileList(); // the folder may have grown since the list was made
    for (int i = 0; i < File1->count(); ++i) {
        if (File1->item(i)->text() == name) {
            File1->setCurrentRow(i);
            File1_Click();
            return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------------------
// Boxes
// ---------------------------------------------------------------------------

void GraphWindowBase::CheckScaling_Click()
{
    const bool redraw = graph.setScaledMode(CheckScaling->isChecked());
    CheckScaling->setText(gv::scalingCaption(graph.Options.ScaledMode));
    if (redraw)
        PlotByTime();
}

void GraphWindowBase::seriesBox_Click(int s)
{
    if (s < 0 || s >= static_cast<int>(seriesBoxes.size()))
        return;
    if (graph.setSeriesFlag(s, seriesBoxes[static_cast<size_t>(s)]->isChecked()))
        PlotByTime();
}

void GraphWindowBase::ExitGraphsButton_Click() { reject(); }

// ---------------------------------------------------------------------------
// Reader and plot
// ---------------------------------------------------------------------------

void GraphWindowBase::message(const QString& text) { gv::showMessage(this, text); }

void GraphWindowBase::DisplayButton_Click()
{
    const gv::GraphController::ReadOutcome r = graph.read(logsFolder(), ss(FileName->text()), ss(Time1h->text()),
                                                          ss(Time1m->text()), ss(Time2h->text()), ss(Time2m->text()));
    // The picture first: a span without data shows its message over the
    // cleared picture.  A new plot leaves no figure of the plot before on
    // the value labels (a clicked MAX/MIN, the last read-out): they show
    // their caption until clicked, as when the window opens.
    if (r.plot) {
        showValueCaptions();
        PlotByTime();
    }
    if (!r.message.empty())
        message(qs(r.message));
}

void GraphWindowBase::writeTimeBoxes(const std::string& start, const std::string& finish)
{
    stime->setText(qs(start));
    Time1h->setText(qs(gv::hourPart(start)));
    Time1m->setText(qs(gv::minutePart(start)));
    ftime->setText(qs(finish));
    Time2h->setText(qs(gv::hourPart(finish)));
    Time2m->setText(qs(gv::minutePart(finish)));
}

void GraphWindowBase::PlotByTime()
{
    if (!beforeTimePlot())
        return;
    Label7->setText("Time");
    const gv::GraphController::PlotOutcome r = graph.plotByTime(*surface_);
    if (r.status == gv::PlotStatus::Drawn) {
        writeTimeBoxes(r.startTime, r.finishTime);
        for (size_t s = 0; s < wattHourLabels.size(); ++s)
            if (wattHourLabels[s] && s < graph.Model.WattHours.size())
                wattHourLabels[s]->setText(qs(graph.wattHourCaption(static_cast<int>(s))));
        return;
    }
    // Nothing drawn: no figure of an earlier span stays beside the empty
    // picture.  The time boxes keep what they hold, except where a refused
    // span writes its times.
    showNoFigures();
    if (r.status == gv::PlotStatus::NotEnoughData) {
        writeTimeBoxes(r.startTime, r.finishTime);
        if (!r.message.empty())
            message(qs(r.message));
    }
}

void GraphWindowBase::showValueCaptions()
{
    for (gv::ClickLabel* l : valueLabels)
        if (l)
            l->setText(ValueCaption);
}

void GraphWindowBase::showNoFigures()
{
    stime->setText(StartCaption);
    ftime->setText(FinishCaption);
    vt->setText(ReadoutTimeCaption);
    showValueCaptions();
    for (QLabel* l : wattHourLabels)
        if (l)
            l->setText(WattHourCaption);
}

// ---------------------------------------------------------------------------
// Read-out, labels, zoom
// ---------------------------------------------------------------------------

void GraphWindowBase::valueLabel_Click(int s)
{
    if (s < 0 || s >= static_cast<int>(valueLabels.size()) || !valueLabels[static_cast<size_t>(s)])
        return;
    valueLabels[static_cast<size_t>(s)]->setText(qs(graph.labelClick(s)));
}

void GraphWindowBase::Plot_MouseMove(double X)
{
    const gv::GraphController::Readout r = graph.readoutAt(X);
    if (r.time)
        vt->setText(qs(*r.time));
    for (int s : graph.readoutOrder()) {
        const size_t i = static_cast<size_t>(s);
        if (i < r.values.size() && i < valueLabels.size() && valueLabels[i])
            valueLabels[i]->setText(qs(r.values[i]));
    }
    graph.dragMarker(X, *surface_);
}

void GraphWindowBase::Plot_MouseDown(double X)
{
    const bool first = !press_.active;
    const QString h = Time1h->text(), m = Time1m->text();
    const size_t lines = surface_->lineCount();
    if (graph.press(X)) {
        if (first)
            press_ = PressSnapshot{true, h, m, lines};
        const std::string t = ss(vt->text());
        Time1h->setText(qs(gv::hourPart(t)));
        Time1m->setText(qs(gv::minutePart(t)));
    }
}

void GraphWindowBase::Plot_MouseUp(double X)
{
    const PressSnapshot pressed = press_;
    press_ = PressSnapshot{};
    if (graph.release(X)) {
        const std::string t = ss(vt->text());
        Time2h->setText(qs(gv::hourPart(t)));
        Time2m->setText(qs(gv::minutePart(t)));
        PlotByTime();
        DisplayButton_Click();
    } else if (pressed.active) {
        // No zoom: the start box, the range (put back by zoomRelease) and
        // the picture are as they were before the press, so the next
        // DISPLAY reads the range the boxes showed.
        Time1h->setText(pressed.time1h);
        Time1m->setText(pressed.time1m);
        surface_->rollBack(pressed.pictureLines);
    }
    graph.zoomDone();
}

// ---------------------------------------------------------------------------
// Outputs
// ---------------------------------------------------------------------------

void GraphWindowBase::CSV_Click()
{
    message(qs(graph.exportCsv(excelFolder(), ss(FileName->text()), ss(Time1h->text()), ss(Time1m->text()),
                               ss(Time2h->text()), ss(Time2m->text()))));
}

void GraphWindowBase::AppendDailyWattHours()
{
    const std::string failed = graph.collate(logsFolder(), ss(FileName->text()));
    if (!failed.empty())
        message(qs(failed));
}

QString GraphWindowBase::printFallbackPath() const
{
    const std::string name = ss(FileName->text());
    const auto dot = name.find('.');
    const std::string base = (dot == std::string::npos || dot == 0) ? std::string("graph") : name.substr(0, dot);
    return qs(gv::joinPath(excelFolder(), base + "_print.pdf"));
}

void GraphWindowBase::PrintButton_Click()
{
    Plot->setBackColour(Qt::white);
    surface_->cls(); // the back colour cleared the picture
    redrawCurrentView();
    const gv::PrintOutcome printed = gv::printWindowImage(this, printFallbackPath());
    if (!printed.ok)
        message(gv::PrintFailedMessage);
    else if (printed.savedAsPdf) // tell the user where the page went
        message(QStringLiteral("No printer found: the picture was saved as ") + printed.output);
    Plot->setBackColour(gv::colourFromBGR(PlotBackGrey));
    surface_->cls();
    redrawCurrentView();
}
