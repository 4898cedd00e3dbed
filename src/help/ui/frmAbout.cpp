#include "help/ui/frmAbout.h"

#include <QCoreApplication>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVersionNumber>

#include "platform/SystemInfo.h"

#ifndef GYROVANE_VERSION
#define GYROVANE_VERSION "0.0.0"
#endif

namespace {

const char* const descriptionText =
    "This Program is designed as a tool for assessing the performance of a windmill.  This is not an exact "
    "science, but the real time display of the windmill output power against the windmill RPM gives a "
    "reasonably good picture of a windmills performance.  The program has user selectable settings to allow "
    "a wide power range of windmills to be assessed.  The program is designed to be used with logging "
    "hardware supporting XML type encoded COMM outputs.";

const char* const disclaimerText =
    "Warning: this program is provided as it is, without warranty of any kind. Its readings and logs are "
    "only as good as the measuring hardware and its calibration; no responsibility is taken for any loss or "
    "damage that results from its use.";

// A small three-bladed windmill on a mast, drawn rather than stored.
QPixmap windmillIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 90), 2));
    p.drawLine(QPointF(16, 13), QPointF(16, 31));
    p.drawLine(QPointF(11, 31), QPointF(21, 31));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 200));
    for (int blade = 0; blade < 3; ++blade) {
        p.save();
        p.translate(16, 12);
        p.rotate(blade * 120.0 + 15.0);
        QPainterPath path;
        path.moveTo(0, 0);
        path.quadTo(3, -5, 1, -11);
        path.lineTo(-1, -11);
        path.quadTo(-2, -5, 0, 0);
        p.drawPath(path);
        p.restore();
    }
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(QPointF(16, 12), 2.2, 2.2);
    return pixmap;
}

} // namespace

frmAbout::frmAbout(QWidget* parent, const gv::RegistryLookup* registry)
    : QDialog(parent)
    , registry_(registry ? registry : &gv::systemRegistry())
{
    build();
    Form_Load();
}

QString frmAbout::applicationTitle()
{
    const QString title = QCoreApplication::applicationName();
    return title.isEmpty() ? QStringLiteral("Gyrovane") : title;
}

// "Version " and the major, minor and revision numbers of the build, each as
// plain decimal digits.
QString frmAbout::versionText()
{
    const QVersionNumber version = QVersionNumber::fromString(QStringLiteral(GYROVANE_VERSION));
    return QStringLiteral("Version %1.%2.%3")
        .arg(version.majorVersion())
        .arg(version.minorVersion())
        .arg(version.microVersion());
}

void frmAbout::build()
{
    setObjectName("frmAbout");

    picIcon = new QLabel(this);
    picIcon->setObjectName("picIcon");
    picIcon->setFixedSize(32, 32);
    picIcon->setPixmap(windmillIcon());

    lblTitle = new QLabel(this);
    lblTitle->setObjectName("lblTitle");
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    lblVersion = new QLabel(this);
    lblVersion->setObjectName("lblVersion");

    lblDescription = new QLabel(QString::fromLatin1(descriptionText), this);
    lblDescription->setObjectName("lblDescription");
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (std::size_t i = 0; i < Line1.size(); ++i) {
        Line1[i] = new QFrame(this);
        Line1[i]->setObjectName(QStringLiteral("Line1_%1").arg(i));
        Line1[i]->setFrameShape(QFrame::HLine);
        Line1[i]->setFrameShadow(QFrame::Sunken);
    }

    lblDisclaimer = new QLabel(QString::fromLatin1(disclaimerText), this);
    lblDisclaimer->setObjectName("lblDisclaimer");
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont small = lblDisclaimer->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    lblDisclaimer->setFont(small);

    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton("&System Info...", this);
    cmdSysInfo->setObjectName("cmdSysInfo");
    cmdSysInfo->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    auto* heading = new QGridLayout();
    heading->setHorizontalSpacing(14);
    heading->addWidget(picIcon, 0, 0, 2, 1, Qt::AlignTop);
    heading->addWidget(lblTitle, 0, 1);
    heading->addWidget(lblVersion, 1, 1);
    heading->setColumnStretch(1, 1);

    auto* buttons = new QVBoxLayout();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch(1);

    auto* bottom = new QHBoxLayout();
    bottom->setSpacing(14);
    bottom->addWidget(lblDisclaimer, 1);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(10);
    layout->addLayout(heading);
    layout->addWidget(Line1[0]);
    layout->addWidget(lblDescription);
    layout->addWidget(Line1[1]);
    layout->addLayout(bottom);

    // Wrapped labels need the final width to know their height.
    constexpr int width = 480;
    setFixedSize(width, layout->totalHeightForWidth(width));
}

void frmAbout::Form_Load()
{
    setWindowTitle("About " + applicationTitle());
    lblVersion->setText(versionText());
    lblTitle->setText(applicationTitle());
}

void frmAbout::cmdOK_Click() { accept(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::StartSysInfo() { gv::startSystemInformation(this, *registry_); }
