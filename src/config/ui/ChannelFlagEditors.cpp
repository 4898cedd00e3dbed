#include "config/ui/ChannelFlagEditors.h"
#include "config/ui/ChannelDialogButtons.h"
#include "config/ui/ChannelTableFile.h"

#include "config/ChannelRows.h"
#include "config/ui/ColourLabel.h"
#include "config/ui/Pickers.h"
#include "platform/ClickLabel.h"
#include "platform/MessageBoxes.h"
#include "shared/ConfigFiles.h"
#include "shared/Global_Declarations.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

const char* frameName(ChannelFlagEditor::Column c)
{
    switch (c) {
    case ChannelFlagEditor::Column::Display: return "Frame12";
    case ChannelFlagEditor::Column::Graphing: return "Frame11";
    case ChannelFlagEditor::Column::Logging: return "Frame10";
    }
    return "Frame";
}

} // namespace

ChannelFlagEditor::ChannelFlagEditor(gv::Global_Declarations& g, const QString& programFolder, Column column,
                                     QWidget* parent)
    : QDialog(parent), g_(g), folder_(programFolder), column_(column)
{
    setModal(true);
    const bool logging = column == Column::Logging;

    auto* columns = new QHBoxLayout;
    QVBoxLayout* col = nullptr;
    for (int n = 1; n <= 24; ++n) {
        if ((n - 1) % 8 == 0) {
            col = new QVBoxLayout;
            col->setSpacing(logging ? 4 : 2);
            columns->addLayout(col);
        }
        auto* frame = new QGroupBox(logging ? q(gv::loggingFrameCaption(n)) : QString(), this);
        frame->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(frameName(column))).arg(n));
        auto* check = new QCheckBox(frame);
        check->setObjectName(QStringLiteral("CheckEnable%1").arg(n));
        auto* name = new QLabel(q(gv::laidOutChannelName(n)), frame);
        name->setObjectName(QStringLiteral("dataCHANNEL%1").arg(n));
        name->setFixedWidth(160);
        name->setMargin(2);
        gv::setLabelColour(name, gv::kLaidOutColour);

        auto* row = new QHBoxLayout(frame);
        row->setContentsMargins(6, logging ? 2 : 3, 6, 3);
        row->addWidget(check);
        row->addWidget(name);
        if (logging) {
            auto* code = new gv::ClickLabel(q(gv::builtInElementName(n)), frame);
            code->setObjectName(QStringLiteral("XMLcode%1").arg(n));
            code->setFixedWidth(50);
            code->setAlignment(Qt::AlignCenter);
            code->setStyleSheet(QStringLiteral("border: 1px solid gray; background: white;"));
            row->addWidget(code);
            XMLcode[n] = code;
            connect(code, &gv::ClickLabel::clicked, this, [this, n] { XMLcode_Click(n); });
            // Its box only shows HARDWAREenabled: no handler, disabled by the load.
        } else {
            connect(check, &QCheckBox::clicked, this, [this, n] { CheckEnable_Click(n); });
        }
        row->addStretch(1);
        col->addWidget(frame);
        rowFrame[n] = frame;
        CheckEnable[n] = check;
        dataCHANNEL[n] = name;
        if (n % 8 == 0)
            col->addStretch(1);
    }

    const gv::ChannelDialogButtons buttons = gv::addChannelDialogButtons(this, columns);
    SaveSettings = buttons.save;
    Label1 = buttons.abort;
    connect(SaveSettings, &QPushButton::clicked, this, &ChannelFlagEditor::SaveSettings_Click);
    connect(Label1, &gv::ClickLabel::clicked, this, &ChannelFlagEditor::Label1_Click);
}

void ChannelFlagEditor::layOutRows()
{
    const int type = g_.SystemType;
    if (!gv::laysOutRows(type))
        return;  // any other value changes no row
    for (int n = 1; n <= 24; ++n)
        rowFrame[n]->setVisible(gv::channelRowShown(type, n));
}

bool ChannelFlagEditor::readChannels()
{
    const auto text = gv::readChannelsFile(this, folder_);
    if (!text)
        return false;
    for (int n = 1; n <= 24; ++n) {
        gv::takeChannelRow(g_, n, gv::readChannelRow(*text, n), dataCHANNEL[n]);
        if (column_ == Column::Logging) {
            // An empty element name takes the row's built-in name.
            if (!g_.XMLsoftware[n].empty())
                XMLcode[n]->setText(q(g_.XMLsoftware[n]));
            else
                g_.XMLsoftware[n] = XMLcode[n]->text().toStdString();
        } else if (column_ == Column::Display) {
            CheckEnable[n]->setChecked(g_.enableDISPLAY[n] == 1);
        } else {
            CheckEnable[n]->setChecked(g_.enableGRAPHING[n] == 1);
        }
    }
    return true;
}

void ChannelFlagEditor::Form_Load()
{
    if (column_ == Column::Logging) {
        if (!readChannels())
            return;
        // Without channels.cfg (above) or for a type it does not lay out, no
        // box is set or disabled.
        if (gv::laysOutRows(g_.SystemType)) {
            layOutRows();
            for (int n = 1; n <= 24; ++n) {
                CheckEnable[n]->setChecked(g_.HARDWAREenabled[n] == 1);
                CheckEnable[n]->setEnabled(false);
            }
        }
        return;
    }
    layOutRows();
    if (column_ == Column::Display && gv::laysOutRows(g_.SystemType)) {
        // Decided by the table as the main window last loaded it.
        for (int n = 1; n <= 24; ++n)
            CheckEnable[n]->setEnabled(g_.HARDWAREenabled[n] == 1);
    }
    readChannels();
}

void ChannelFlagEditor::CheckEnable_Click(int index)
{
    const std::uint8_t v = CheckEnable[index]->isChecked() ? 1 : 0;
    if (column_ == Column::Display)
        g_.enableDISPLAY[index] = v;
    else if (column_ == Column::Graphing)
        g_.enableGRAPHING[index] = v;
}

void ChannelFlagEditor::XMLcode_Click(int index)
{
    if (column_ != Column::Logging)
        return;
    g_.InputText = XMLcode[index]->text().toStdString();
    XMLcodeINPUT picker(g_, this);
    gv::execDialog(&picker);
    XMLcode[index]->setText(q(g_.InputText));
    g_.XMLsoftware[index] = g_.InputText;
}

void ChannelFlagEditor::Label1_Click()
{
    reject();
}

void ChannelFlagEditor::SaveSettings_Click()
{
    std::string error;
    if (!gv::writeChannelsCfg(g_, folder_.toStdString(), &error)) {
        gv::showChannelsNotSaved(this, error);
        return;
    }
    accept();
}

setupDISPLAYchannels::setupDISPLAYchannels(gv::Global_Declarations& g, const QString& programFolder,
                                           QWidget* parent)
    : ChannelFlagEditor(g, programFolder, Column::Display, parent)
{
    setWindowTitle(QStringLiteral("Setup DATA Channels to display"));
    Form_Load();
}

setupGRAPHINGchannels::setupGRAPHINGchannels(gv::Global_Declarations& g, const QString& programFolder,
                                             QWidget* parent)
    : ChannelFlagEditor(g, programFolder, Column::Graphing, parent)
{
    setWindowTitle(QStringLiteral("Setup Channels for GRAPHING"));
    Form_Load();
}

setupLOGGINGchannels::setupLOGGINGchannels(gv::Global_Declarations& g, const QString& programFolder,
                                           QWidget* parent)
    : ChannelFlagEditor(g, programFolder, Column::Logging, parent)
{
    setWindowTitle(QStringLiteral("Setup the logging channels associated XML data identifiers"));
    Form_Load();
}
