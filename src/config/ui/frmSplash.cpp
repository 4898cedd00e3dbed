#include "config/ui/frmSplash.h"

#include "platform/ClickLabel.h"
#include "platform/MessageBoxes.h"
#include "shared/Global_Declarations.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <QVersionNumber>
#include <QtMath>

#ifndef GYROVANE_VERSION
#define GYROVANE_VERSION "1.0.0"
#endif

namespace {

// A three-bladed rotor on its mast, drawn once for the logo.
QPixmap drawLogo(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF hub(size * 0.5, size * 0.38);
    p.setPen(QPen(QColor(90, 90, 90), size / 24.0));
    p.drawLine(hub, QPointF(size * 0.5, size * 0.95));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 200));
    for (int k = 0; k < 3; ++k) {
        p.save();
        p.translate(hub);
        p.rotate(k * 120.0 + 15.0);
        QPainterPath blade;
        blade.moveTo(0, 0);
        blade.cubicTo(size * 0.08, -size * 0.08, size * 0.12, -size * 0.30, 0, -size * 0.36);
        blade.cubicTo(-size * 0.03, -size * 0.25, -size * 0.03, -size * 0.08, 0, 0);
        p.drawPath(blade);
        p.restore();
    }
    p.setBrush(QColor(200, 60, 40));
    p.drawEllipse(hub, size / 16.0, size / 16.0);
    return pm;
}

QLabel* makeLabel(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(text);
    return l;
}

} // namespace

frmSplash::frmSplash(gv::Global_Declarations& g, const QString& programFolder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), g_(g), folder_(programFolder)
{
    setModal(true);
    setWindowTitle(QStringLiteral("Gyrovane"));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    Frame1 = new QFrame(this);
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setLineWidth(2);
    outer->addWidget(Frame1);

    auto* v = new QVBoxLayout(Frame1);
    v->setContentsMargins(18, 14, 18, 14);
    v->setSpacing(8);

    auto* top = new QHBoxLayout;
    imgLogo = new QLabel(Frame1);
    imgLogo->setPixmap(drawLogo(110));
    imgLogo->setFixedSize(110, 110);
    top->addWidget(imgLogo, 0, Qt::AlignTop);

    auto* titles = new QVBoxLayout;
    Label5 = makeLabel(QStringLiteral("Gyrovane"), Frame1);
    QFont big = Label5->font();
    big.setPointSize(big.pointSize() * 2 + 4);
    big.setBold(true);
    Label5->setFont(big);
    Label5->setStyleSheet(QStringLiteral("color: rgb(30, 90, 200);"));
    lblProductName = makeLabel(QString(), Frame1);
    QFont mid = lblProductName->font();
    mid.setPointSize(mid.pointSize() + 3);
    mid.setBold(true);
    lblProductName->setFont(mid);
    lblCompanyProduct = makeLabel(QStringLiteral("Wind, battery, solar and load monitor and logger"), Frame1);
    lblVersion = makeLabel(QString(), Frame1);
    lblPlatform = makeLabel(QStringLiteral("Win XP.32, Win Vista.32, Win7.32"), Frame1);
    titles->addWidget(Label5);
    titles->addWidget(lblProductName);
    titles->addWidget(lblCompanyProduct);
    titles->addWidget(lblVersion);
    titles->addWidget(lblPlatform);
    titles->addStretch(1);
    top->addLayout(titles, 1);
    v->addLayout(top);

    Label1 = makeLabel(QStringLiteral("Live readings  -  daily logs  -  Excel tables  -  graphs"), Frame1);
    lblWarning = makeLabel(QStringLiteral("Folders and default settings files are created on the first start."),
                           Frame1);
    lblCopyright = makeLabel(QStringLiteral("For small stand-alone power systems"), Frame1);
    v->addWidget(Label1);
    v->addWidget(lblWarning);
    v->addWidget(lblCopyright);

    auto* bottom = new QHBoxLayout;
    Label6 = makeLabel(QStringLiteral("Click to RUN"), Frame1);
    QFont bold = Label6->font();
    bold.setPointSize(bold.pointSize() + 2);
    bold.setBold(true);
    Label6->setFont(bold);
    Label6->setStyleSheet(QStringLiteral("color: rgb(0, 128, 0);"));
    Label6->setCursor(Qt::PointingHandCursor);
    ABORTBUTTON = new gv::ClickLabel(QStringLiteral("Click to ABORT"), Frame1);
    ABORTBUTTON->setFont(bold);
    ABORTBUTTON->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0);"));
    bottom->addWidget(Label6);
    bottom->addStretch(1);
    bottom->addWidget(ABORTBUTTON);
    v->addSpacing(6);
    v->addLayout(bottom);

    connect(ABORTBUTTON, &gv::ClickLabel::clicked, this, &frmSplash::ABORTBUTTON_Click);

    // Clicks on the frame, the logo and the listed labels close the window;
    // the other labels swallow their clicks so the frame does not see them.
    for (QWidget* w : std::initializer_list<QWidget*>{Frame1, imgLogo, Label1, Label5, Label6,
                                                       lblCompanyProduct, lblPlatform, lblProductName,
                                                       lblVersion, lblWarning, lblCopyright})
        w->installEventFilter(this);

    Form_Load();
}

void frmSplash::Form_Load()
{
    const QVersionNumber ver = QVersionNumber::fromString(QStringLiteral(GYROVANE_VERSION));
    lblVersion->setText(QString::fromStdString(
        gv::versionText(ver.majorVersion(), ver.minorVersion(), ver.microVersion())));
    lblProductName->setText(QStringLiteral("Gyrovane"));
    // Every failure from here on is ignored.
    gv::createMissingFiles(folder_.toStdString());
}

void frmSplash::ABORTBUTTON_Click()
{
    gv::showMessage(this, QString::fromStdString(gv::splashAbortMessage(folder_.toStdString())));
    accept();
}

bool frmSplash::closesOnClick(QObject* o) const
{
    return o == Frame1 || o == imgLogo || o == Label1 || o == Label5 || o == Label6 ||
           o == lblCompanyProduct || o == lblPlatform || o == lblProductName;
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(event);
        if (!closesOnClick(watched))
            return true;  // an inert label: the click ends here
        if (event->type() == QEvent::MouseButtonRelease && me->button() == Qt::LeftButton) {
            accept();
            return true;
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmSplash::keyPressEvent(QKeyEvent* e)
{
    e->accept();
    accept();
}

void frmSplash::showAtStartup(gv::Global_Declarations& g, const QString& programFolder, QWidget* owner)
{
    frmSplash splash(g, programFolder, owner);
    gv::execDialog(&splash);
}
