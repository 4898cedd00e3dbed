#pragma once
// The ADC calibration window: per input the channel's name, the live raw
// reading, the live calibrated preview, the zero offset with auto-zero, the
// scale factor and the kind of input.  Offsets and kinds change in the
// shared table at once (the running calculation uses a new offset
// immediately); SAVE writes calibrations.cfg and puts the saved factors into
// use, EXIT closes without writing.

#include <QDialog>

class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QTimer;

namespace gv {
struct Global_Declarations;
class ClickLabel;
}

class CALIBRATION : public QDialog {
    Q_OBJECT
public:
    CALIBRATION(gv::Global_Declarations& g, const QString& programFolder, QWidget* parent = nullptr);

    void Form_Load();
    void AUTOZEROBUTTON_Click(int index);
    void Amps_Click(int index);
    void Volts_Click(int index);
    void Pulse_Click(int index);
    void ZeroReset_Click(int index);
    void Timer1_Timer();
    void SAVEcalibration_Click();
    void CalibrationExit_Click();
    bool SaveCalibrations();  // false when nothing was written

    // Controls of ADC input n (element 0 unused).  Volts and ZeroReset exist
    // for inputs 1..11, Pulse for 12..16, Amps for all.
    QGroupBox* Channel[17] = {};
    QLabel* Label1[17] = {};  // raw reading
    QLabel* Label2[17] = {};  // calibrated preview
    QPushButton* AUTOZEROBUTTON[17] = {};
    QLineEdit* Text1[17] = {};
    QRadioButton* Volts[17] = {};
    QRadioButton* Amps[17] = {};
    QRadioButton* Pulse[17] = {};
    gv::ClickLabel* ZeroReset[17] = {};
    QTimer* Timer1 = nullptr;
    QMenuBar* menu = nullptr;
    QAction* SAVEcalibration = nullptr;
    QAction* CalibrationExit = nullptr;

private:
    void chooseKind(int n, QRadioButton* chosen);

    gv::Global_Declarations& g_;
    QString folder_;
    QButtonGroup* kinds_[17] = {};
};
