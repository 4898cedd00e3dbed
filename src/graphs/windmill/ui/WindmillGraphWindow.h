#pragma once
// The two windmill graph windows' common part: the frame of every graph
// window plus the "x axis parameter" group that switches the picture between
// the time plot, power against RPM, power against wind speed (built, but not
// offered) and the power distribution.

#include "graphs/ui/GraphWindowBase.h"
#include "graphs/windmill/WindmillGraph.h"

class QGroupBox;
class QRadioButton;

class WindmillGraphWindow : public GraphWindowBase {
    Q_OBJECT
public:
    QGroupBox* Frame1 = nullptr;
    QRadioButton* XAxisTime = nullptr;
    QRadioButton* XAxisRPM = nullptr;
    QRadioButton* XAxisWind = nullptr;
    QRadioButton* Distribution = nullptr;

public slots:
    void XAxisTime_Click();
    void XAxisRPM_Click();
    void XAxisWind_Click();
    void Distribution_Click();
    void plotgridlines();

protected:
    WindmillGraphWindow(gv::Global_Declarations& g, const QString& programFolder, gv::WindmillFamily family,
                        QWidget* parent);

    bool beforeTimePlot() override;
    void redrawCurrentView() override;

private:
    static gv::GraphWindowSetup setupFor(gv::WindmillFamily family);
    void showTimeControls(bool visible);
};
