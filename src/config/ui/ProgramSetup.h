#pragma once
// The program settings dialog: serial port and speed, logging interval,
// Excel / auto-start / error-recording switches, wind-speed unit, the user's
// own name for the system and three power costs.  It reads hardware.cfg when
// it loads and rewrites it completely on save.

#include "config/ProgramSettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace gv {
struct Global_Declarations;
class ClickLabel;
}

class ProgramSetup : public QDialog {
    Q_OBJECT
public:
    ProgramSetup(gv::Global_Declarations& g, const QString& programFolder, QWidget* parent = nullptr);

    void Form_Load();
    void Label7_Click();
    void SaveSettingsButton_Click();
    void Exit_no_save_Click();

    // The box texts and states as a save would take them.
    gv::ProgramSetupBoxes boxes() const;

    QComboBox* PortNumber = nullptr;
    QLabel* Label1 = nullptr;
    gv::ClickLabel* Label7 = nullptr;
    QComboBox* BaudSelect = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* LogDelay = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* Personalization = nullptr;
    QLabel* Label13 = nullptr;
    QLineEdit* WSUnits = nullptr;
    QLabel* Label10 = nullptr;
    QCheckBox* SaveExcel = nullptr;
    QCheckBox* LogOn = nullptr;
    QCheckBox* DisplayMessages = nullptr;
    QGroupBox* powerCOSTS = nullptr;
    QComboBox* Cents[3] = {};
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* SaveSettingsButton = nullptr;
    gv::ClickLabel* Exit_no_save = nullptr;

public slots:
    // Closing without saving (the ABORT label or the window's close box)
    // gives back the port the program had when the dialog opened, so a port
    // picked in the finder and then abandoned is not reopened.
    void reject() override;

private:
    gv::Global_Declarations& g_;
    QString folder_;
    double portAtOpen_ = 0;
};
