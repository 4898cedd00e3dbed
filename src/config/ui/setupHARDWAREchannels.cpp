#include "config/ui/setupHARDWAREchannels.h"
#include "config/ui/ChannelDialogButtons.h"
#include "config/ui/ChannelTableFile.h"

#include "config/ChannelRows.h"
#include "config/ui/ColourLabel.h"
#include "config/ui/Pickers.h"
#include "platform/ClickLabel.h"
#include "platform/EditableCombo.h"
#include "platform/MessageBoxes.h"
#include "shared/ConfigFiles.h"
#include "shared/FileIO.h"
#include "shared/Global_Declarations.h"
#include "shared/TaggedText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

} // namespace

setupHARDWAREchannels::setupHARDWAREchannels(gv::Global_Declarations& g, const QString& programFolder,
                                             QWidget* parent)
    : QDialog(parent), g_(g), folder_(programFolder)
{
    setWindowTitle(
        QStringLiteral("Setup Channels [Channel Name,  Maximum Reading,  Graphing line colour]  & if ENABLED"));
    setModal(true);

    auto* columns = new QHBoxLayout;
    QVBoxLayout* column = nullptr;
    for (int n = 1; n <= 24; ++n) {
        if ((n - 1) % 8 == 0) {
            column = new QVBoxLayout;
            column->setSpacing(4);
            columns->addLayout(column);
        }
        auto* frame = new QGroupBox(q(gv::hardwareFrameCaption(n)), this);
        frame->setObjectName(QStringLiteral("Frame1_%1").arg(n));
        auto* check = new QCheckBox(frame);
        check->setObjectName(QStringLiteral("CheckEnable%1").arg(n));
        auto* name = new gv::ClickLabel(q(gv::laidOutChannelName(n)), frame);
        name->setObjectName(QStringLiteral("dataCHANNEL%1").arg(n));
        name->setFixedWidth(150);
        name->setMargin(2);
        gv::setLabelColour(name, gv::kLaidOutColour);
        auto* colour = new gv::ClickLabel(QStringLiteral("Set line Colour"), frame);
        colour->setObjectName(QStringLiteral("ChannelColour%1").arg(n));
        colour->setStyleSheet(QStringLiteral("color: rgb(0, 0, 160);"));
        auto* max = gv::makeEditableCombo(frame);
        max->setObjectName(QStringLiteral("MAXLimit%1").arg(n));
        max->setFixedWidth(70);
        auto* tag = new gv::ClickLabel(q(gv::defaultHardwareTag(n)), frame);
        tag->setObjectName(QStringLiteral("XMLcode%1").arg(n));
        tag->setFixedWidth(44);
        tag->setAlignment(Qt::AlignCenter);
        tag->setStyleSheet(QStringLiteral("border: 1px solid gray; background: white;"));

        auto* row = new QHBoxLayout(frame);
        row->setContentsMargins(6, 2, 6, 4);
        row->addWidget(check);
        row->addWidget(name);
        row->addWidget(colour);
        row->addWidget(max);
        row->addWidget(tag);
        column->addWidget(frame);

        Frame1[n] = frame;
        CheckEnable[n] = check;
        dataCHANNEL[n] = name;
        ChannelColour[n] = colour;
        MAXLimit[n] = max;
        XMLcode[n] = tag;

        connect(check, &QCheckBox::clicked, this, [this, n] { CheckEnable_Click(n); });
        connect(name, &gv::ClickLabel::clicked, this, [this, n] { dataCHANNEL_Click(n); });
        connect(colour, &gv::ClickLabel::clicked, this, [this, n] { ChannelColour_Click(n); });
        connect(tag, &gv::ClickLabel::clicked, this, [this, n] { XMLcode_Click(n); });
        if (n % 8 == 0)
            column->addStretch(1);
    }

    const gv::ChannelDialogButtons buttons = gv::addChannelDialogButtons(this, columns);
    SaveSettings = buttons.save;
    Label1 = buttons.abort;
    connect(SaveSettings, &QPushButton::clicked, this, &setupHARDWAREchannels::SaveSettings_Click);
    connect(Label1, &gv::ClickLabel::clicked, this, &setupHARDWAREchannels::Label1_Click);

    Form_Load();
}

void setupHARDWAREchannels::setRowEnabled(int n, bool on)
{
    dataCHANNEL[n]->setEnabled(on);
    ChannelColour[n]->setEnabled(on);
    MAXLimit[n]->setEnabled(on);
    XMLcode[n]->setEnabled(on);
}

void setupHARDWAREchannels::Form_Load()
{
    // Maximum boxes: the maximum held in memory, then the group's choices.
    for (int n = 1; n <= 24; ++n) {
        MAXLimit[n]->setEditText(QString::number(g_.ChannelMaxReading[n]));
        for (int c : gv::maximumChoices(n))
            MAXLimit[n]->addItem(QString::number(c));
        MAXLimit[n]->setEditText(QString::number(g_.ChannelMaxReading[n]));
    }

    // Rows of the system type, ticked where the channel is enabled.
    const int type = g_.SystemType;
    if (gv::laysOutRows(type)) {
        for (int n = 1; n <= 24; ++n)
            Frame1[n]->setVisible(gv::channelRowShown(type, n));
    }
    for (int n = 1; n <= 24; ++n) {
        const bool on = g_.HARDWAREenabled[n] == 1 && gv::channelRowShown(type, n);
        CheckEnable[n]->setChecked(on);
        setRowEnabled(n, on);
    }
    // The computed powers have no hardware tag to edit.
    for (int n = 17; n <= 24; ++n)
        XMLcode[n]->setVisible(false);

    // Then channels.cfg; an item that is missing takes its first-run value,
    // one that does not fit is skipped.
    const auto text = gv::readChannelsFile(this, folder_);
    if (!text)
        return;
    for (int n = 1; n <= 24; ++n) {
        gv::takeChannelRow(g_, n, gv::readChannelRow(*text, n), dataCHANNEL[n]);
        // A maximum of 0 is replaced by the one held before the dialog opened.
        if (g_.ChannelMaxReading[n] != 0)
            MAXLimit[n]->setEditText(QString::number(g_.ChannelMaxReading[n]));
        else
            g_.ChannelMaxReading[n] =
                gv::toInt16(gv::leadingNumber(MAXLimit[n]->currentText().toStdString()));
        // An empty hardware tag takes the row's default tag.
        if (!g_.XMLhardware[n].empty())
            XMLcode[n]->setText(q(g_.XMLhardware[n]));
        else
            g_.XMLhardware[n] = XMLcode[n]->text().toStdString();

        const bool on = g_.HARDWAREenabled[n] == 1;
        CheckEnable[n]->setChecked(on);
        setRowEnabled(n, on);
    }
}

void setupHARDWAREchannels::CheckEnable_Click(int index)
{
    const bool on = CheckEnable[index]->isChecked();
    g_.HARDWAREenabled[index] = on ? 1 : 0;
    setRowEnabled(index, on);
}

void setupHARDWAREchannels::dataCHANNEL_Click(int index)
{
    g_.InputText = dataCHANNEL[index]->text().toStdString();
    TextInput picker(g_, this);
    gv::execDialog(&picker);
    dataCHANNEL[index]->setText(q(g_.InputText));
    g_.ChannelName[index] = g_.InputText;
}

void setupHARDWAREchannels::ChannelColour_Click(int index)
{
    g_.PickedColour = gv::labelColour(dataCHANNEL[index]);
    ColourCHART picker(g_, this);
    gv::execDialog(&picker);
    gv::setLabelColour(dataCHANNEL[index], g_.PickedColour);
    g_.LineColour[index] = g_.PickedColour;
}

void setupHARDWAREchannels::XMLcode_Click(int index)
{
    g_.InputText = XMLcode[index]->text().toStdString();
    XMLcodeINPUT picker(g_, this);
    gv::execDialog(&picker);
    XMLcode[index]->setText(q(g_.InputText));
    g_.XMLhardware[index] = g_.InputText;
}

void setupHARDWAREchannels::Label1_Click()
{
    reject();
}

void setupHARDWAREchannels::SaveSettings_Click()
{
    std::array<std::int32_t, 25> colours{};
    std::array<double, 25> maxima{};
    for (int n = 1; n <= 24; ++n) {
        // Every row counts, hidden ones too; a maximum such as 0.4 would be
        // read back as 0, so it is refused like 0 itself.
        const std::string box = MAXLimit[n]->currentText().toStdString();
        if (gv::maximumReadsAsZero(box)) {
            gv::showMessage(this, q(gv::zeroMaximumMessage(n, dataCHANNEL[n]->text().toStdString())));
            return;
        }
        maxima[n] = gv::leadingNumber(box);
        colours[n] = gv::labelColour(dataCHANNEL[n]);
    }
    std::string error;
    const std::string path = gv::joinPath(folder_.toStdString(), gv::ChannelsCfgName);
    if (!gv::writeTextFileAtomic(path, gv::channelsCfgText(g_, colours, maxima), &error)) {
        gv::showChannelsNotSaved(this, error);
        return;
    }
    accept();
}
