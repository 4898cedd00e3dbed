#pragma once
// Geometry of the live power-against-RPM plot: the full scales chosen from the
// channel table, the yellow grid, the green cube-law reference curve and the
// live operating points, all in the plot's user units (x = RPM from the left
// edge, y = 0 at the top and the power full scale at the bottom; power is
// drawn upward from a zero line 5 watts above the bottom edge).

#include <cstdint>
#include <set>
#include <tuple>
#include <vector>

#include "shared/Global_Declarations.h"

namespace gv {

// Plot modes: 1 windmill 1, 2 windmill 2, 3 both; anything else draws nothing.
bool isLivePlotMode(int mode);

struct LivePlotScale {
    int RPMmax = 0;
    int Pmax = 0;
    // A full scale of zero or below has no plot: nothing is drawn on it.
    bool drawable() const { return RPMmax > 0 && Pmax > 0; }
};

// Full scales of a mode, read from ChannelMaxReading (RPM channels 13/14,
// power channels 17/18; the larger of each pair for both windmills).
// Any other mode gives 0 by 0.
LivePlotScale livePlotScale(const Global_Declarations& g, int mode);

struct PlotSegment {
    double x1, y1, x2, y2;
    std::int32_t colour; // 0x00BBGGRR
    int width;           // pixels
};

constexpr std::int32_t GridYellow = 65535;
constexpr std::int32_t CurveGreen = 65280;

// The grid (left edge, four verticals, six horizontals, all yellow) followed
// by the reference curve strokes (green), both two pixels wide.  Empty for a
// scale that is not drawable.
std::vector<PlotSegment> referenceGridSegments(const LivePlotScale& s);

// The live point(s) of one timer tick: a five pixel stroke one RPM right and
// one watt up from (RPM, zero line - watts), windmill 1 before windmill 2.
// The zero line is read afresh from the current channel table.
std::vector<PlotSegment> livePointSegments(const Global_Declarations& g, int mode);

// Keeps the plot from growing without bound while it runs for days: a point
// that falls in a cell (a thousandth of each full scale) already holding a
// point of the same colour adds nothing visible and is skipped.
class LivePointFilter {
public:
    void reset(const LivePlotScale& s);
    bool isNew(const PlotSegment& point);
    std::size_t size() const { return cells_.size(); }

private:
    double cellX_ = 1, cellY_ = 1;
    std::set<std::tuple<long long, long long, std::int32_t>> cells_;
};

} // namespace gv
