#include "config/ui/CALIBRATION.h"

#include "config/Calibration.h"
#include "platform/Captions.h"
#include "platform/ClickLabel.h"
#include "platform/MessageBoxes.h"
#include "platform/Twips.h"
#include "shared/ConfigFiles.h"
#include "shared/FileIO.h"
#include "shared/Global_Declarations.h"
#include "shared/NumberPicture.h"
#include "shared/TaggedText.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// Widths of the cells of a row, shared by the column headings.
constexpr int kKindWidth = 120;
constexpr int kRawWidth = 48;
constexpr int kZeroWidth = 96;
constexpr int kSetWidth = 76;
constexpr int kDisplayWidth = 64;
constexpr int kRowLeft = 8;

QHBoxLayout* headingRow()
{
    auto* h = new QHBoxLayout;
    h->setContentsMargins(kRowLeft + 2, 0, 8, 0);
    const struct {
        const char* text;
        int width;
    } cells[] = {{"CHANNEL TYPE", kKindWidth}, {"RAW", kRawWidth}, {"ZERO", kZeroWidth},
                 {"SET", kSetWidth},           {"DISPLAY", kDisplayWidth}};
    for (const auto& c : cells) {
        auto* l = new QLabel(QString::fromLatin1(c.text));
        l->setObjectName(QStringLiteral("heading_%1").arg(QLatin1String(c.text)));
        l->setFixedWidth(c.width);
        l->setAlignment(Qt::AlignCenter);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        h->addWidget(l);
    }
    h->addStretch(1);
    return h;
}

} // namespace

CALIBRATION::CALIBRATION(gv::Global_Declarations& g, const QString& programFolder, QWidget* parent)
    : QDialog(parent), g_(g), folder_(programFolder)
{
    setWindowTitle(QStringLiteral(" Current Channels Calibration"));
    setModal(true);

    menu = new QMenuBar(this);
    SAVEcalibration = menu->addAction(QStringLiteral("SAVE"));
    CalibrationExit = menu->addAction(QStringLiteral("EXIT"));
    connect(SAVEcalibration, &QAction::triggered, this, &CALIBRATION::SAVEcalibration_Click);
    connect(CalibrationExit, &QAction::triggered, this, &CALIBRATION::CalibrationExit_Click);

    auto* columns = new QHBoxLayout;
    for (int half = 0; half < 2; ++half) {
        auto* col = new QVBoxLayout;
        col->setSpacing(3);
        col->addLayout(headingRow());
        for (int n = half * 8 + 1; n <= half * 8 + 8; ++n) {
            auto* frame = new QGroupBox(QStringLiteral("Channel %1").arg(n), this);
            frame->setObjectName(QStringLiteral("Channel%1").arg(n));
            auto* row = new QHBoxLayout(frame);
            row->setContentsMargins(kRowLeft, 2, 8, 4);

            auto* kindBox = new QWidget(frame);
            kindBox->setFixedWidth(kKindWidth);
            auto* kindRow = new QHBoxLayout(kindBox);
            kindRow->setContentsMargins(0, 0, 0, 0);
            kinds_[n] = new QButtonGroup(this);
            Amps[n] = new QRadioButton(QStringLiteral("Amps"), kindBox);
            Amps[n]->setObjectName(QStringLiteral("Amps%1").arg(n));
            QRadioButton* other = nullptr;
            if (gv::hasVoltsOption(n)) {
                other = Volts[n] = new QRadioButton(QStringLiteral("Volts"), kindBox);
                Volts[n]->setObjectName(QStringLiteral("Volts%1").arg(n));
                kindRow->addWidget(Volts[n]);
                kindRow->addWidget(Amps[n]);
                connect(Volts[n], &QRadioButton::clicked, this, [this, n] { Volts_Click(n); });
            } else {
                other = Pulse[n] = new QRadioButton(QStringLiteral("Pulse"), kindBox);
                Pulse[n]->setObjectName(QStringLiteral("Pulse%1").arg(n));
                kindRow->addWidget(Amps[n]);
                kindRow->addWidget(Pulse[n]);
                connect(Pulse[n], &QRadioButton::clicked, this, [this, n] { Pulse_Click(n); });
            }
            kinds_[n]->addButton(Amps[n]);
            kinds_[n]->addButton(other);
            connect(Amps[n], &QRadioButton::clicked, this, [this, n] { Amps_Click(n); });
            row->addWidget(kindBox);

            Label1[n] = new QLabel(QStringLiteral("Reading"), frame);
            Label1[n]->setObjectName(QStringLiteral("Label1_%1").arg(n));
            Label1[n]->setFixedWidth(kRawWidth);
            Label1[n]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            row->addWidget(Label1[n]);

            auto* zeroBox = new QWidget(frame);
            zeroBox->setFixedWidth(kZeroWidth);
            auto* zeroRow = new QHBoxLayout(zeroBox);
            zeroRow->setContentsMargins(4, 0, 0, 0);
            AUTOZEROBUTTON[n] = new QPushButton(QStringLiteral("Zero"), zeroBox);
            AUTOZEROBUTTON[n]->setObjectName(QStringLiteral("AUTOZEROBUTTON%1").arg(n));
            AUTOZEROBUTTON[n]->setAutoDefault(false);
            AUTOZEROBUTTON[n]->setFixedWidth(52);
            connect(AUTOZEROBUTTON[n], &QPushButton::clicked, this, [this, n] { AUTOZEROBUTTON_Click(n); });
            zeroRow->addWidget(AUTOZEROBUTTON[n]);
            if (gv::hasVoltsOption(n)) {
                ZeroReset[n] = new gv::ClickLabel(QStringLiteral("Reset"), zeroBox);
                ZeroReset[n]->setObjectName(QStringLiteral("ZeroReset%1").arg(n));
                ZeroReset[n]->setStyleSheet(QStringLiteral("color: rgb(0, 0, 160);"));
                connect(ZeroReset[n], &gv::ClickLabel::clicked, this, [this, n] { ZeroReset_Click(n); });
                zeroRow->addWidget(ZeroReset[n]);
            }
            zeroRow->addStretch(1);
            row->addWidget(zeroBox);

            Text1[n] = new QLineEdit(QStringLiteral("SET"), frame);
            Text1[n]->setObjectName(QStringLiteral("Text1_%1").arg(n));
            Text1[n]->setFixedWidth(kSetWidth);
            row->addWidget(Text1[n]);

            Label2[n] = new QLabel(QStringLiteral("DISPLAY"), frame);
            Label2[n]->setObjectName(QStringLiteral("Label2_%1").arg(n));
            Label2[n]->setFixedWidth(kDisplayWidth);
            Label2[n]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            row->addWidget(Label2[n]);
            row->addStretch(1);

            col->addWidget(frame);
            Channel[n] = frame;
        }
        col->addStretch(1);
        columns->addLayout(col);
    }

    auto* v = new QVBoxLayout(this);
    v->setMenuBar(menu);
    v->addLayout(columns);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &CALIBRATION::Timer1_Timer);
    Timer1->start();

    Form_Load();
}

void CALIBRATION::chooseKind(int n, QRadioButton* chosen)
{
    // "Not chosen" is a state of its own, so the group is not exclusive
    // while the options are set.
    kinds_[n]->setExclusive(false);
    for (QAbstractButton* b : kinds_[n]->buttons())
        b->setChecked(b == chosen);
    kinds_[n]->setExclusive(true);
}

void CALIBRATION::Form_Load()
{
    // The system type is taken from hardware.cfg (its first-run value when
    // the item is missing); when the file cannot be read the one in memory
    // stays.
    const std::string folder = folder_.toStdString();
    if (auto hw = gv::readTextFile(gv::joinPath(folder, gv::HardwareCfgName))) {
        if (auto v = gv::findTag(*hw, "SystemType"))
            g_.SystemType = gv::toInt16(gv::leadingNumber(*v));
        else
            g_.SystemType = gv::firstRunConfiguration().SystemType;
    }

    if (auto text = gv::readTextFile(gv::joinPath(folder, gv::CalibrationsCfgName)))
        gv::loadCalibrationItems(g_, *text);
    for (int n = 1; n <= 16; ++n) {
        AUTOZEROBUTTON[n]->setText(q(gv::formatPicture(g_.ADCOffset[n], "0000")));
        Text1[n]->setText(q(gv::formatPicture(g_.ADCDivider[n], "0.00000")));
        const std::string& kind = g_.ChannelSelection[n];
        if (kind == "A") {
            chooseKind(n, Amps[n]);
            AUTOZEROBUTTON[n]->setEnabled(true);
        } else if (kind == "P") {
            chooseKind(n, Pulse[n]);  // inputs 1..11 have no pulse option: none chosen
            AUTOZEROBUTTON[n]->setEnabled(false);
        } else if (kind == "V") {
            chooseKind(n, Volts[n]);  // inputs 12..16 have no volts option: none chosen
            AUTOZEROBUTTON[n]->setEnabled(false);
        }
        Channel[n]->setTitle(gv::literalCaption(q(g_.ChannelName[n])));
    }

    const int type = g_.SystemType;
    for (int n = 1; n <= 16; ++n)
        Channel[n]->setVisible(gv::calibrationFrameShown(type, n));
    if (gv::calibrationNotRequired(type)) {
        SAVEcalibration->setEnabled(false);
        gv::showMessage(this, QString::fromLatin1(gv::kNoCalibrationMessage));
    }
    adjustSize();
    const int twips = gv::calibrationWindowHeightTwips(type);
    if (twips > 0)
        resize(width(), std::max(gv::twips(twips), minimumSizeHint().height()));
    Timer1_Timer();
}

void CALIBRATION::AUTOZEROBUTTON_Click(int index)
{
    setWindowTitle(QStringLiteral("calibration edit form  & INDEX = %1").arg(index));
    g_.ADCOffset[index] = g_.RawValue[index];
    AUTOZEROBUTTON[index]->setText(q(gv::formatPicture(g_.ADCOffset[index], "####")));
}

void CALIBRATION::Amps_Click(int index)
{
    g_.ChannelSelection[index] = "A";
    AUTOZEROBUTTON[index]->setEnabled(true);
}

void CALIBRATION::Volts_Click(int index)
{
    g_.ChannelSelection[index] = "V";
    AUTOZEROBUTTON[index]->setEnabled(true);
}

void CALIBRATION::Pulse_Click(int index)
{
    g_.ChannelSelection[index] = "P";
    g_.ADCOffset[index] = 0;
    AUTOZEROBUTTON[index]->setText(QStringLiteral("0"));
    AUTOZEROBUTTON[index]->setEnabled(false);
}

void CALIBRATION::ZeroReset_Click(int index)
{
    g_.ADCOffset[index] = 0;
    AUTOZEROBUTTON[index]->setText(QStringLiteral("0"));
}

void CALIBRATION::Timer1_Timer()
{
    for (int n = 1; n <= 16; ++n) {
        Label1[n]->setText(q(gv::rawReadingText(g_.RawValue[n])));
        if (auto p = gv::previewText(g_.RawValue[n], g_.ADCOffset[n], Text1[n]->text().toStdString()))
            Label2[n]->setText(q(*p));
    }
}

bool CALIBRATION::SaveCalibrations()
{
    std::array<std::string, 17> factors;
    for (int n = 1; n <= 16; ++n)
        factors[n] = Text1[n]->text().toStdString();
    // A factor that is not a number would be written as it stands and read
    // back as 0, silencing the channel: it is refused instead.
    if (auto bad = gv::firstNonNumericFactor(factors)) {
        gv::showMessage(this, q(gv::nonNumericFactorMessage(*bad, g_.ChannelName[*bad])));
        Text1[*bad]->setFocus();
        return false;
    }
    std::string error;
    const std::string path = gv::joinPath(folder_.toStdString(), gv::CalibrationsCfgName);
    const std::string text = gv::calibrationsCfgText(g_, factors);
    if (!gv::writeTextFileAtomic(path, text, &error)) {
        gv::showMessage(this, QStringLiteral("The calibrations could not be saved; calibrations.cfg is "
                                             "unchanged.\r\n") +
                                  q(error));
        return false;
    }
    // Offsets are in use since they were set; the saved factors are from
    // now on too, or the readings would keep the old ones until the next
    // configuration load.
    gv::useSavedFactors(g_, text);
    return true;
}

void CALIBRATION::SAVEcalibration_Click()
{
    if (!SAVEcalibration->isEnabled())
        return;
    if (SaveCalibrations())
        accept();
}

void CALIBRATION::CalibrationExit_Click()
{
    reject();
}
