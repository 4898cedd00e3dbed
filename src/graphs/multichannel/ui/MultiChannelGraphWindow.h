#pragma once
// The four multi-channel graph windows' common part: the frame every log
// graph window shares, with the series, messages, pictures, CSV columns and
// collation file of one of the house (RE), mixed (ML) or Current Cost (CC,
// and its site variant) windows.  They show the time view only.

#include "graphs/multichannel/MultiChannelGraph.h"
#include "graphs/ui/GraphWindowBase.h"

class MultiChannelGraphWindow : public GraphWindowBase {
    Q_OBJECT
public:
    const gv::multichannel::WindowDef& def() const { return def_; }

    // GraphRE: 1 from the opening until a read keeps no record.
    int TodayFlag = 0;

    // Series index of a series array ("Watts7", "Temp1"); -1 when none.
    int series(const char* array) const { return gv::multichannel::seriesIndex(def_, array); }

public slots:
    // Opening.  The Current Cost windows do nothing for system type 0.
    void Form_Load() override;
    void Form_Load(const gv::LocalTime& now);

protected:
    MultiChannelGraphWindow(gv::Global_Declarations& g, const QString& programFolder,
                            gv::multichannel::WindowKind kind, QWidget* parent);

    gv::ReaderLayout readerLayout() const override;
    gv::TimePlotLayout plotLayout() const override;
    gv::ReadoutFormat readoutFormat(int series) const override;
    gv::ExtremeFormat extremeFormat(int series) const override;
    std::vector<std::string> csvHeader() const override;
    std::vector<gv::CsvColumn> csvColumns() const override;
    bool csvSideFile() const override;
    std::string collationFile() const override;
    std::string collationTitle() const override;
    void onDayFileMissing() override;
    void onNoData() override;
    QString overLimitMessage() const override;

private:
    static gv::GraphWindowSetup setupFor(gv::multichannel::WindowKind kind);

    const gv::multichannel::WindowDef& def_;
};
