#pragma once
// The channel hardware editor: for the rows of the current system type,
// whether each channel exists in the hardware, its name, line colour,
// maximum reading and the tag the logger sends.  It reads channels.cfg when
// it opens, changes the shared channel table as the user edits, and
// rewrites the whole file on save.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;

namespace gv {
struct Global_Declarations;
class ClickLabel;
}

class setupHARDWAREchannels : public QDialog {
    Q_OBJECT
public:
    setupHARDWAREchannels(gv::Global_Declarations& g, const QString& programFolder, QWidget* parent = nullptr);

    void Form_Load();
    void CheckEnable_Click(int index);
    void dataCHANNEL_Click(int index);
    void ChannelColour_Click(int index);
    void XMLcode_Click(int index);
    void Label1_Click();
    void SaveSettings_Click();

    // Row controls, element n for channel n (element 0 unused).
    QGroupBox* Frame1[25] = {};
    QCheckBox* CheckEnable[25] = {};
    gv::ClickLabel* dataCHANNEL[25] = {};
    gv::ClickLabel* ChannelColour[25] = {};
    QComboBox* MAXLimit[25] = {};
    gv::ClickLabel* XMLcode[25] = {};
    QPushButton* SaveSettings = nullptr;
    gv::ClickLabel* Label1 = nullptr;

private:
    void setRowEnabled(int n, bool on);

    gv::Global_Declarations& g_;
    QString folder_;
};
