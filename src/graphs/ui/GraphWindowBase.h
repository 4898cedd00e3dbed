#pragma once
// The frame every log graph window shares: the day-file picker (Dir1, File1,
// FileName), the four time boxes, DISPLAY / .CSV / PRINT / Exit, the Collate
// and Scaled boxes, one check box per series with its value label and its
// watt-hour label, the picture box Plot with its title and time labels, the
// mouse read-out, the MAX/MIN labels and the drag zoom.
//
// A window derives from it and passes a GraphWindowSetup (its series boxes,
// file pattern, which optional controls it has) and the GraphRules of its
// graph controller, which holds the window's state and runs every step
// behind the controls (reader, plots, read-out, zoom, outputs, messages).
// The window keeps the controls, their texts and the event wiring.  Series
// i of the record set is box i, flag i and value label i.  The derived
// constructor calls Form_Load() once everything is built.
//
// Handlers keep the names users of the windows know (DisplayButton_Click,
// PlotByTime, File1_Click ...); tests call them directly or click controls.

#include <QDialog>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "graphs/GraphController.h"
#include "shared/Global_Declarations.h"
#include "shared/LocalTime.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace gv {
class ClickLabel;
class PathLabel;
class PictureBox;

// The graph engine's surface drawn on a PictureBox: the box keeps a fixed
// 0..1 scale and every segment arrives as fractions of the picture, so each
// series keeps the scale it was drawn with across repaints.
class PictureSurface : public PlotSurface {
public:
    explicit PictureSurface(PictureBox* box);

    // Segments drawn since the last clear; rollBack(n) brings the picture
    // back to its first n of them (a press that does not become a zoom
    // takes its drag markers away again).
    size_t lineCount() const { return drawn_.size(); }
    void rollBack(size_t count);

protected:
    void clearPicture() override;
    void drawLine(const SurfaceLine& l) override;

private:
    PictureBox* box_;
    std::vector<SurfaceLine> drawn_;
};

struct GraphSeriesBox {
    QString checkBox;      // object name of the series box
    int channel = 0;       // channel of caption and colour; 0: none
    QString caption;       // caption of a box without channel
    qint32 colour = 0;     // background of a box without channel (0x00BBGGRR)
    QString valueLabel;    // read-out and MAX/MIN label; empty: none
    QString wattHourLabel; // watt-hour label; empty: none
};

struct GraphWindowSetup {
    QString objectName;
    std::string filePattern; // File1's pattern, e.g. "GV*.txt"
    std::vector<GraphSeriesBox> series;
    bool hasCollate = true;
    bool hasPrint = true;
    // File1 follows the folder of Dir1 (false: it always lists logs).
    bool fileListFollowsDir = true;
    int seriesPerRow = 6;
    // Order in which the series boxes (each with its value and watt-hour
    // label below it) are laid out; series indices, empty: the series order.
    std::vector<int> boxOrder;
};

} // namespace gv

class GraphWindowBase : public QDialog {
    Q_OBJECT
public:
    ~GraphWindowBase() override;

    // A window shown without a size given opens at its normal size, or
    // wider where its captions want it, within the free area of its screen.
    void setVisible(bool visible) override;

    // ---- Controls, named as the windows name them ----
    QLabel* Label15 = nullptr;    // "Log History"
    gv::PathLabel* dirCaption = nullptr; // the folder Dir1 shows
    QListWidget* Dir1 = nullptr;
    QListWidget* File1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* FileName = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Time1h = nullptr;
    QLineEdit* Time1m = nullptr;
    QLineEdit* Time2h = nullptr;
    QLineEdit* Time2m = nullptr;
    QLabel *Label4 = nullptr, *Label5 = nullptr, *Label6 = nullptr, *Label8 = nullptr;
    QPushButton* DisplayButton = nullptr;
    QPushButton* CSV = nullptr;
    QPushButton* PrintButton = nullptr; // null when the window has none
    QPushButton* ExitGraphsButton = nullptr;
    QCheckBox* Collate = nullptr; // null when the window has none
    QCheckBox* CheckScaling = nullptr;
    gv::PictureBox* Plot = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* stime = nullptr;
    QLabel* ftime = nullptr;
    QLabel* vt = nullptr;
    std::vector<QCheckBox*> seriesBoxes;
    std::vector<gv::ClickLabel*> valueLabels; // null where a series has none
    std::vector<QLabel*> wattHourLabels;      // null where a series has none

    // ---- The steps behind the controls and the window state ----
    gv::GraphController graph;

    gv::PlotSurface& surface() { return *surface_; }
    QString dir1Path() const { return dir1Path_; }
    std::string logsFolder() const;
    std::string excelFolder() const;
    const std::string& programFolder() const { return folder_; }

    // Convenience for tests and callers: the box, value label or watt-hour
    // label of a series by its object name (null when none).
    QCheckBox* seriesBox(const QString& name) const;
    gv::ClickLabel* valueLabel(const QString& name) const;
    QLabel* wattHourLabel(const QString& name) const;

public slots:
    // Opening: folders, pattern, caption, state, boxes, today's file (not
    // for a Current Cost window under system type 0).
    virtual void Form_Load();
    void Form_Load(const gv::LocalTime& now);
    // Dir1 shows another folder.
    void setDir1Path(const QString& folder);
    void Dir1_Change();
    // A click on File1's current item / on the named file.
    void File1_Click();
    bool pickFile(const QString& name);
    void CheckScaling_Click();
    void seriesBox_Click(int series);
    void valueLabel_Click(int series);
    void ExitGraphsButton_Click();

    virtual void DisplayButton_Click();
    virtual void PlotByTime();
    virtual void CSV_Click();
    virtual void AppendDailyWattHours();
    virtual void PrintButton_Click();

    // Pointer events in the plot's user units (only X is used).
    void Plot_MouseDown(double X);
    void Plot_MouseMove(double X);
    void Plot_MouseUp(double X);

protected:
    GraphWindowBase(gv::Global_Declarations& g, const QString& programFolder, gv::GraphWindowSetup setup,
                    gv::GraphRules rules, QWidget* parent);

    // Builds every control of the frame; extra controls of a window go into
    // extraControls() (under the buttons on the left).
    void buildFrame();
    QVBoxLayout* extraControls() const { return extra_; }

    // ---- Points where windows differ ----
    // Start of the time plot; false stops it (the window's time view ran it).
    virtual bool beforeTimePlot() { return true; }
    // Redraws what the picture shows (used by printing).
    virtual void redrawCurrentView() { PlotByTime(); }
    // PDF written when the machine has no printer.
    virtual QString printFallbackPath() const;

    void message(const QString& text);
    void writeTimeBoxes(const std::string& start, const std::string& finish);
    // The start, finish, read-out, value and watt-hour labels as the window
    // opens, for a picture that shows no span.
    void showNoFigures();
    // The value labels as the window opens, before each new read is drawn.
    void showValueCaptions();

    gv::Global_Declarations& g_;
    std::string folder_;
    gv::GraphWindowSetup setup_;

private:
    void refreshFileList();
    void refreshDirList();

    // What a press changed, put back by a release that does not zoom.
    struct PressSnapshot {
        bool active = false;
        QString time1h, time1m;
        size_t pictureLines = 0;
    };
    PressSnapshot press_;

    std::unique_ptr<gv::PictureSurface> surface_;
    QString dir1Path_;
    QString file1Path_;
    QVBoxLayout* extra_ = nullptr;
};
