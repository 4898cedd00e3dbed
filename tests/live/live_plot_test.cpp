#include <gtest/gtest.h>

#include <cmath>

#include "live/LivePlot.h"

using namespace gv;

namespace {
Global_Declarations windmillTable()
{
    Global_Declarations g;
    g.ChannelMaxReading[13] = 800;
    g.ChannelMaxReading[14] = 600;
    g.ChannelMaxReading[17] = 1000;
    g.ChannelMaxReading[18] = 500;
    g.LineColour[17] = 16711680;
    g.LineColour[18] = 255;
    return g;
}
} // namespace

TEST(LivePlotScale, ChosenPerModeFromTheChannelTable)
{
    const Global_Declarations g = windmillTable();
    EXPECT_EQ(livePlotScale(g, 1).RPMmax, 800);
    EXPECT_EQ(livePlotScale(g, 1).Pmax, 1000);
    EXPECT_EQ(livePlotScale(g, 2).RPMmax, 600);
    EXPECT_EQ(livePlotScale(g, 2).Pmax, 500);
    EXPECT_EQ(livePlotScale(g, 3).RPMmax, 800);
    EXPECT_EQ(livePlotScale(g, 3).Pmax, 1000);
    for (int mode : {0, 4, -1, 255}) {
        EXPECT_FALSE(isLivePlotMode(mode));
        EXPECT_FALSE(livePlotScale(g, mode).drawable());
        EXPECT_TRUE(livePointSegments(g, mode).empty());
    }
}

TEST(LivePlotScale, BothWindmillsWithEqualMaximaMatchASingleOne)
{
    Global_Declarations g = windmillTable();
    g.ChannelMaxReading[14] = 800;
    g.ChannelMaxReading[18] = 1000;
    const auto a = referenceGridSegments(livePlotScale(g, 1));
    const auto b = referenceGridSegments(livePlotScale(g, 3));
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        EXPECT_EQ(a[i].y1, b[i].y1);
}

TEST(LivePlotGrid, GridLinesThenCubeLawStrokes)
{
    const LivePlotScale s{800, 1000};
    const auto segs = referenceGridSegments(s);
    ASSERT_EQ(segs.size(), 11u + 800u);
    // Left edge, then verticals at quarters, then horizontals at fifths.
    EXPECT_EQ(segs[0].x1, 0);
    EXPECT_EQ(segs[0].y2, 1000);
    const double xs[4] = {200, 400, 600, 800};
    for (int i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(segs[1 + i].x1, xs[i]);
        EXPECT_DOUBLE_EQ(segs[1 + i].x2, xs[i]);
        EXPECT_EQ(segs[1 + i].y1, 0);
        EXPECT_EQ(segs[1 + i].y2, 1000);
    }
    for (int i = 0; i <= 5; ++i) {
        EXPECT_DOUBLE_EQ(segs[5 + i].y1, 200.0 * i);
        EXPECT_EQ(segs[5 + i].x1, 0);
        EXPECT_EQ(segs[5 + i].x2, 800);
    }
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(segs[i].colour, GridYellow);
        EXPECT_EQ(segs[i].width, 2);
    }
    // Curve: one stroke per RPM, one RPM right and one watt up.
    const double k = std::pow(1000.0, 0.33) / 800 * 1.1;
    for (int r : {1, 400, 800}) {
        const PlotSegment& c = segs[10 + r];
        const double p = std::pow(k * r, 3);
        EXPECT_EQ(c.colour, CurveGreen);
        EXPECT_DOUBLE_EQ(c.x1, r);
        EXPECT_DOUBLE_EQ(c.x2, r + 1);
        EXPECT_NEAR(c.y1, 995 - p, 1e-9);
        EXPECT_NEAR(c.y2, 995 - p - 1, 1e-9);
    }
    // The end of the curve runs past the top edge.
    EXPECT_LT(segs.back().y1, 0);
    EXPECT_NEAR(995 - segs.back().y1, 1.331 * std::pow(1000.0, 0.99), 1e-6);
}

TEST(LivePlotGrid, NoPlotForFullScalesOfZeroOrBelow)
{
    EXPECT_TRUE(referenceGridSegments({0, 1000}).empty());
    EXPECT_TRUE(referenceGridSegments({800, 0}).empty());
    EXPECT_TRUE(referenceGridSegments({-5, -5}).empty());
}

TEST(LivePlotPoints, OneStrokePerWindmillOnTheCurrentZeroLine)
{
    Global_Declarations g = windmillTable();
    // Before the first message: RPM 0 on the zero line.
    auto p = livePointSegments(g, 1);
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0].x1, 0);
    EXPECT_EQ(p[0].y1, 995);

    g.Windmill1RPM = 600;
    g.Windmill1Power = 400;
    g.Windmill2RPM = 300;
    g.Windmill2Power = 120;
    p = livePointSegments(g, 1);
    EXPECT_EQ(p[0].x1, 600);
    EXPECT_EQ(p[0].y1, 595);
    EXPECT_EQ(p[0].x2, 601);
    EXPECT_EQ(p[0].y2, 594);
    EXPECT_EQ(p[0].width, 5);
    EXPECT_EQ(p[0].colour, 16711680);

    p = livePointSegments(g, 2);
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0].y1, 495 - 120);
    EXPECT_EQ(p[0].colour, 255);

    // Both: windmill 1 first, both on the larger power scale's zero line.
    p = livePointSegments(g, 3);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].x1, 600);
    EXPECT_EQ(p[1].x1, 300);
    EXPECT_EQ(p[1].y1, 995 - 120);
    g.Windmill1Power = g.Windmill2Power = 0;
    p = livePointSegments(g, 3);
    EXPECT_EQ(p[0].y1, 995);
    EXPECT_EQ(p[1].y1, 995);

    // A changed maximum moves the zero line at the next tick.
    g.ChannelMaxReading[17] = 2000;
    EXPECT_EQ(livePointSegments(g, 1)[0].y1, 1995);
}

TEST(LivePointFilter, RepeatedPointsAddNothing)
{
    LivePointFilter f;
    f.reset({800, 1000});
    const PlotSegment a{600, 595, 601, 594, 255, 5};
    EXPECT_TRUE(f.isNew(a));
    EXPECT_FALSE(f.isNew(a)) << "an idle windmill does not pile up strokes";
    EXPECT_FALSE(f.isNew({600.3, 595.4, 0, 0, 255, 5})) << "same cell";
    EXPECT_TRUE(f.isNew({600, 595, 0, 0, 16711680, 5})) << "other windmill's colour";
    EXPECT_TRUE(f.isNew({601, 595, 0, 0, 255, 5}));
    EXPECT_FALSE(f.isNew({std::nan(""), 1, 0, 0, 255, 5}));
    EXPECT_EQ(f.size(), 3u);
    f.reset({800, 1000});
    EXPECT_TRUE(f.isNew(a));
    // Ten thousand ticks of an idle windmill keep one stroke.
    for (int i = 0; i < 10000; ++i)
        f.isNew(a);
    EXPECT_EQ(f.size(), 1u);
}
