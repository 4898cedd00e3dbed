#include "config/ui/ProgramSetup.h"

#include "config/ui/FindComms.h"
#include "platform/ClickLabel.h"
#include "platform/EditableCombo.h"
#include "platform/MessageBoxes.h"
#include "platform/PortProbe.h"
#include "shared/ConfigFiles.h"
#include "shared/FileIO.h"
#include "shared/Global_Declarations.h"
#include "shared/TaggedText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }
std::string s(const QString& t) { return t.toStdString(); }

QComboBox* editableCombo(const QString& text, const QString& name, QWidget* parent)
{
    auto* c = gv::makeEditableCombo(parent);
    c->setObjectName(name);
    c->setEditText(text);
    return c;
}

template <typename W>
W* named(W* w, const char* name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

} // namespace

ProgramSetup::ProgramSetup(gv::Global_Declarations& g, const QString& programFolder, QWidget* parent)
    : QDialog(parent), g_(g), folder_(programFolder), portAtOpen_(g.Port)
{
    setWindowTitle(QStringLiteral("Basic Logger Setup"));
    setModal(true);

    PortNumber = editableCombo(QStringLiteral("3"), QStringLiteral("PortNumber"), this);
    Label1 = named(new QLabel(QStringLiteral("Manual assigned COMM #"), this), "Label1");
    Label7 = named(new gv::ClickLabel(QStringLiteral("Find ALL PORTS"), this), "Label7");
    Label7->setStyleSheet(QStringLiteral("color: rgb(0, 0, 192); text-decoration: underline;"));
    BaudSelect = editableCombo(QStringLiteral("4800"), QStringLiteral("BaudSelect"), this);
    Label2 = named(new QLabel(QStringLiteral("Baud Rate Select"), this), "Label2");
    LogDelay = editableCombo(QStringLiteral("10"), QStringLiteral("LogDelay"), this);
    Label6 = named(new QLabel(QStringLiteral("Default Logging Interval"), this), "Label6");
    Label8 = named(new QLabel(QStringLiteral("Seconds ( 1 - 600 )"), this), "Label8");
    Personalization = named(new QLineEdit(QStringLiteral("DeZu Windmill 1"), this), "Personalization");
    Label13 = named(new QLabel(QStringLiteral("OWN name"), this), "Label13");
    WSUnits = named(new QLineEdit(QStringLiteral("m/s"), this), "WSUnits");
    Label10 = named(new QLabel(QStringLiteral("Display Wind Speed units"), this), "Label10");
    SaveExcel = named(new QCheckBox(QStringLiteral("Save to Excel File?"), this), "SaveExcel");
    LogOn = named(new QCheckBox(QStringLiteral("Start Logger Automatically?"), this), "LogOn");
    DisplayMessages = named(new QCheckBox(QStringLiteral("Record Error messages"), this), "DisplayMessages");
    powerCOSTS = named(new QGroupBox(QStringLiteral("Power costs cents/kWh"), this), "powerCOSTS");
    Label3 = named(new QLabel(QStringLiteral("1"), powerCOSTS), "Label3");
    Label4 = named(new QLabel(QStringLiteral("2"), powerCOSTS), "Label4");
    Label5 = named(new QLabel(QStringLiteral("3"), powerCOSTS), "Label5");
    for (int i = 0; i < 3; ++i)
        Cents[i] = editableCombo(QStringLiteral("Combo1"), QStringLiteral("Cents%1").arg(i), powerCOSTS);
    SaveSettingsButton =
        named(new QPushButton(QStringLiteral("Save ANY  <|||>  ALL SETUP changes"), this), "SaveSettingsButton");
    SaveSettingsButton->setAutoDefault(false);
    Exit_no_save = named(new gv::ClickLabel(QStringLiteral("ABORT  NO changes saved"), this), "Exit_no_save");
    Exit_no_save->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0); font-weight: bold;"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(PortNumber, 0, 1);
    grid->addWidget(Label7, 0, 2);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(BaudSelect, 1, 1);
    grid->addWidget(Label6, 2, 0);
    grid->addWidget(LogDelay, 2, 1);
    grid->addWidget(Label8, 2, 2);
    grid->addWidget(Label13, 3, 0);
    grid->addWidget(Personalization, 3, 1, 1, 2);
    grid->addWidget(Label10, 4, 0);
    grid->addWidget(WSUnits, 4, 1);
    grid->addWidget(SaveExcel, 5, 0, 1, 3);
    grid->addWidget(LogOn, 6, 0, 1, 3);
    grid->addWidget(DisplayMessages, 7, 0, 1, 3);

    auto* costs = new QHBoxLayout(powerCOSTS);
    costs->addWidget(Label3);
    costs->addWidget(Cents[0]);
    costs->addSpacing(10);
    costs->addWidget(Label4);
    costs->addWidget(Cents[1]);
    costs->addSpacing(10);
    costs->addWidget(Label5);
    costs->addWidget(Cents[2]);
    costs->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SaveSettingsButton);
    buttons->addStretch(1);
    buttons->addWidget(Exit_no_save);

    auto* v = new QVBoxLayout(this);
    v->addLayout(grid);
    v->addWidget(powerCOSTS);
    v->addSpacing(6);
    v->addLayout(buttons);

    connect(Label7, &gv::ClickLabel::clicked, this, &ProgramSetup::Label7_Click);
    connect(SaveSettingsButton, &QPushButton::clicked, this, &ProgramSetup::SaveSettingsButton_Click);
    connect(Exit_no_save, &gv::ClickLabel::clicked, this, &ProgramSetup::Exit_no_save_Click);

    Form_Load();
}

void ProgramSetup::Form_Load()
{
    const std::string path = gv::joinPath(s(folder_), gv::HardwareCfgName);
    const auto text = gv::fileExists(path) ? gv::readTextFile(path) : std::nullopt;
    if (!text) {
        gv::showMessage(this, QStringLiteral("hardware configuration file is missing"));
        return;
    }
    // Read as the configuration load reads it: a missing item takes its
    // first-run value and the interval stays within 1..600 s (the logging
    // tick keeps using it while the dialog is open).  Every box shows what
    // the file holds, so a save rewrites what was not touched unchanged.
    gv::loadHardwareCfg(g_, *text);

    Personalization->setText(q(g_.PersonalString));
    PortNumber->setEditText(q(gv::numberText(g_.Port)));
    setWindowTitle(q(g_.PersonalString));
    WSUnits->setText(q(g_.WSUnits));
    SaveExcel->setChecked(gv::roundHalfEven(g_.SaveExcel) == 1);
    LogOn->setChecked(g_.LogOn == 1);
    DisplayMessages->setChecked(g_.DispMessages == 1);

    // The ports among 1..8 that can be opened now (the main window has
    // closed its own port before opening this dialog).
    for (int i = 1; i <= 8; ++i)
        if (gv::commAvailable(i, folder_))
            PortNumber->addItem(QString::number(i));
    PortNumber->setEditText(q(gv::numberText(g_.Port)));

    for (const auto& b : gv::baudRateChoices())
        BaudSelect->addItem(q(b));
    BaudSelect->setEditText(q(gv::numberText(g_.BaudRate)));

    for (const auto& d : gv::logDelayChoices())
        LogDelay->addItem(q(d));
    LogDelay->setEditText(q(gv::numberText(g_.LogDelay)));

    const auto costs = gv::storedTariffTexts(*text);
    for (int i = 0; i < 3; ++i) {
        for (const auto& t : gv::tariffChoices())
            Cents[i]->addItem(q(t));
        Cents[i]->setEditText(q(costs[i]));
    }
}

gv::ProgramSetupBoxes ProgramSetup::boxes() const
{
    gv::ProgramSetupBoxes b;
    b.port = s(PortNumber->currentText());
    b.baud = s(BaudSelect->currentText());
    b.logDelay = s(LogDelay->currentText());
    b.personal = s(Personalization->text());
    b.wsUnits = s(WSUnits->text());
    for (int i = 0; i < 3; ++i)
        b.cents[i] = s(Cents[i]->currentText());
    b.saveExcel = SaveExcel->isChecked();
    b.logOn = LogOn->isChecked();
    b.dispMessages = DisplayMessages->isChecked();
    return b;
}

void ProgramSetup::Label7_Click()
{
    FindComms finder(g_, folder_, this);
    gv::execDialog(&finder);
    PortNumber->setEditText(q(gv::numberText(g_.Port)));
}

void ProgramSetup::SaveSettingsButton_Click()
{
    const gv::ProgramSetupBoxes b = boxes();
    const gv::SettingsCheck c = gv::checkSettingsBoxes(b);
    if (!c.refusal.empty()) {
        gv::showMessage(this, q(c.refusal));
        return;
    }
    if (c.advise)
        gv::showMessage(this, QString::fromLatin1(gv::kShortIntervalAdvice));

    std::string error;
    const std::string path = gv::joinPath(s(folder_), gv::HardwareCfgName);
    if (!gv::writeTextFileAtomic(path, gv::programSetupText(b, c, g_), &error)) {
        gv::showMessage(this, QStringLiteral("The settings could not be saved; hardware.cfg is unchanged.\r\n") +
                                  q(error));
        return;
    }
    gv::applySavedSettings(b, c, g_);
    accept();
}

void ProgramSetup::Exit_no_save_Click()
{
    reject();
}

void ProgramSetup::reject()
{
    g_.Port = portAtOpen_;
    QDialog::reject();
}
