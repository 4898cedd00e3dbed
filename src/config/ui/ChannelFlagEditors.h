#pragma once
// The three channel flag editors, one design with three variants:
//  - setupDISPLAYchannels: which channels the main window shows live
//    (enableDISPLAY; a box can change only where the channel exists in the
//    hardware);
//  - setupGRAPHINGchannels: which series the graph windows tick
//    (enableGRAPHING; every box can change);
//  - setupLOGGINGchannels: the element name of each channel in the log
//    records (XMLsoftware, changed by clicking it); its boxes only show
//    HARDWAREenabled.
// Each reads channels.cfg when it opens and rewrites the whole file from the
// shared channel table on save.

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace gv {
struct Global_Declarations;
class ClickLabel;
}

class ChannelFlagEditor : public QDialog {
    Q_OBJECT
public:
    enum class Column { Display, Graphing, Logging };

    void CheckEnable_Click(int index);  // display and graphing windows
    void XMLcode_Click(int index);      // logging window
    void Label1_Click();
    void SaveSettings_Click();

    // Row controls, element n for channel n (element 0 unused).  The row
    // frames are Frame12 (display), Frame11 (graphing) and Frame10 (logging).
    QGroupBox* rowFrame[25] = {};
    QCheckBox* CheckEnable[25] = {};
    QLabel* dataCHANNEL[25] = {};
    gv::ClickLabel* XMLcode[25] = {};  // logging window only
    QPushButton* SaveSettings = nullptr;
    gv::ClickLabel* Label1 = nullptr;

protected:
    ChannelFlagEditor(gv::Global_Declarations& g, const QString& programFolder, Column column,
                      QWidget* parent);
    void Form_Load();

private:
    void layOutRows();
    bool readChannels();  // false when channels.cfg is missing

    gv::Global_Declarations& g_;
    QString folder_;
    Column column_;
};

class setupDISPLAYchannels : public ChannelFlagEditor {
    Q_OBJECT
public:
    setupDISPLAYchannels(gv::Global_Declarations& g, const QString& programFolder, QWidget* parent = nullptr);
};

class setupGRAPHINGchannels : public ChannelFlagEditor {
    Q_OBJECT
public:
    setupGRAPHINGchannels(gv::Global_Declarations& g, const QString& programFolder, QWidget* parent = nullptr);
};

class setupLOGGINGchannels : public ChannelFlagEditor {
    Q_OBJECT
public:
    setupLOGGINGchannels(gv::Global_Declarations& g, const QString& programFolder, QWidget* parent = nullptr);
};
