#include "live/LivePlot.h"

#include <algorithm>
#include <cmath>

namespace gv {

bool isLivePlotMode(int mode) { return mode >= 1 && mode <= 3; }

LivePlotScale livePlotScale(const Global_Declarations& g, int mode)
{
    const auto& m = g.ChannelMaxReading;
    switch (mode) {
    case 1:
        return {m[13], m[17]};
    case 2:
        return {m[14], m[18]};
    case 3:
        return {std::max<int>(m[13], m[14]), std::max<int>(m[17], m[18])};
    default:
        return {};
    }
}

std::vector<PlotSegment> referenceGridSegments(const LivePlotScale& s)
{
    std::vector<PlotSegment> out;
    if (!s.drawable())
        return out;
    const double R = s.RPMmax;
    const double P = s.Pmax;
    out.reserve(11 + static_cast<std::size_t>(s.RPMmax));

    out.push_back({0, 0, 0, P, GridYellow, 2});
    for (int i = 1; i <= 4; ++i) {
        const double x = R * i / 4.0;
        out.push_back({x, 0, x, P, GridYellow, 2});
    }
    for (int i = 0; i <= 5; ++i) {
        const double y = P * i / 5.0;
        out.push_back({0, y, R, y, GridYellow, 2});
    }

    // Cube law through roughly 1.33 x full power at full RPM.
    const double k = (std::pow(P, 0.33) / R) * 1.1;
    const double y0 = P - 5;
    for (int r = 1; r <= s.RPMmax; ++r) {
        const double p = std::pow(k * r, 3);
        out.push_back({double(r), y0 - p, double(r) + 1, y0 - p - 1, CurveGreen, 2});
    }
    return out;
}

std::vector<PlotSegment> livePointSegments(const Global_Declarations& g, int mode)
{
    std::vector<PlotSegment> out;
    if (!isLivePlotMode(mode))
        return out;
    // The zero line of the mode's power scale (the larger one for both windmills).
    const double y0 = livePlotScale(g, mode).Pmax - 5.0;
    auto point = [&](double rpm, double watts, std::int32_t colour) {
        out.push_back({rpm, y0 - watts, rpm + 1, y0 - watts - 1, colour, 5});
    };
    if (mode != 2)
        point(g.Windmill1RPM, g.Windmill1Power, g.LineColour[17]);
    if (mode != 1)
        point(g.Windmill2RPM, g.Windmill2Power, g.LineColour[18]);
    return out;
}

void LivePointFilter::reset(const LivePlotScale& s)
{
    cells_.clear();
    cellX_ = s.RPMmax > 0 ? s.RPMmax / 1000.0 : 1.0;
    cellY_ = s.Pmax > 0 ? s.Pmax / 1000.0 : 1.0;
}

bool LivePointFilter::isNew(const PlotSegment& p)
{
    const double cx = std::floor(p.x1 / cellX_);
    const double cy = std::floor(p.y1 / cellY_);
    if (!std::isfinite(cx) || !std::isfinite(cy) || std::fabs(cx) > 1e15 || std::fabs(cy) > 1e15)
        return false; // nothing sensible to draw
    return cells_.emplace(static_cast<long long>(cx), static_cast<long long>(cy), p.colour).second;
}

} // namespace gv
