#pragma once
// Live power-against-RPM plot: every half second one point per windmill is
// added over a yellow grid and a green cube-law reference curve.

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdint>

#include "live/LivePlot.h"
#include "platform/PictureBox.h"
#include "shared/Global_Declarations.h"

class QAction;

class plotDiagnostics : public QWidget {
    Q_OBJECT
public:
    // Loads the window: the plot mode is copied from PlotMode now, so the
    // caller sets PlotMode before constructing.
    plotDiagnostics(gv::Global_Declarations& g, QWidget* parent = nullptr);

    std::uint8_t WindmillSelection() const { return WindmillSelection_; }
    const gv::LivePlotScale& scale() const { return scale_; }

    gv::PictureBox* GraphDisplay = nullptr;
    QLabel* Label1 = nullptr; // "MAX Power"
    QLabel* Label2 = nullptr; // "MAX RPM"
    QLabel* Label3 = nullptr; // power full scale
    QLabel* Label4 = nullptr; // RPM full scale
    QTimer* Timer1 = nullptr;
    QAction* cleardisplayMENU = nullptr;
    QAction* exitplot = nullptr;

public slots:
    void cleardisplayMENU_Click();
    void exitplot_Click();
    void Form_Load();
    void plotReferenceGrid();
    void Timer1_Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeLabels();

    gv::Global_Declarations& g_;
    std::uint8_t WindmillSelection_ = 0;
    gv::LivePlotScale scale_;
    gv::LivePointFilter points_;
};
