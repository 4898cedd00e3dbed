#include <QTest>
#include <gtest/gtest.h>

#include <QPointer>

#include "live/ui/plotDiagnostics.h"
#include "live_fixture.h"

TEST(plotDiagnostics, CopiesThePlotModeWhenItLoads)
{
    gv::Global_Declarations g = runningSystem();
    g.PlotMode = 1;
    QPointer<plotDiagnostics> w = new plotDiagnostics(g);
    g.PlotMode = 0; // the menu clears the hand-over right after the show
    EXPECT_EQ(w->WindmillSelection(), 1);
    EXPECT_EQ(w->windowTitle(), "Live Windmill performance");
    EXPECT_TRUE(w->Timer1->isActive());
    EXPECT_EQ(w->Timer1->interval(), 500);
    EXPECT_EQ(w->Label3->text(), "1000");
    EXPECT_EQ(w->Label4->text(), "800");
    EXPECT_EQ(w->GraphDisplay->scaleWidth(), 800);
    EXPECT_EQ(w->GraphDisplay->scaleHeight(), 1000);
    EXPECT_EQ(w->GraphDisplay->shapeCount(), 11 + 800);
    w->Timer1_Timer();
    EXPECT_EQ(w->WindmillSelection(), 1) << "mode never re-read";
    EXPECT_EQ(w->GraphDisplay->shapeCount(), 11 + 800 + 1);
    delete w;
}

TEST(plotDiagnostics, TicksAddPointsAndClearRedrawsFromTheCurrentTable)
{
    gv::Global_Declarations g = runningSystem();
    g.PlotMode = 3;
    auto* w = new plotDiagnostics(g);
    const int base = w->GraphDisplay->shapeCount();
    w->Timer1_Timer();
    EXPECT_EQ(w->GraphDisplay->shapeCount(), base + 2) << "one point per windmill";
    w->Timer1_Timer();
    EXPECT_EQ(w->GraphDisplay->shapeCount(), base + 2) << "an unchanged point adds nothing";
    g.Windmill1RPM = 650;
    g.Windmill1Power = 480;
    w->Timer1_Timer();
    EXPECT_EQ(w->GraphDisplay->shapeCount(), base + 3);
    grabTo(w, "plot_both");

    // The scale changes only on "CLEAR display".
    g.ChannelMaxReading[13] = 1200;
    w->Timer1_Timer();
    EXPECT_EQ(w->Label4->text(), "800");
    w->cleardisplayMENU->trigger();
    EXPECT_EQ(w->Label4->text(), "1200");
    EXPECT_EQ(w->GraphDisplay->shapeCount(), 11 + 1200) << "points are gone";
    delete w;
}

TEST(plotDiagnostics, PointsLandWhereTheScaleSays)
{
    gv::Global_Declarations g = runningSystem();
    g.PlotMode = 1;
    auto* w = new plotDiagnostics(g);
    const QImage img = grabTo(w, "plot_empty");
    EXPECT_FALSE(img.isNull());
    for (int i = 0; i < 3; ++i) {
        g.Windmill1RPM = 200 + 150 * i;
        g.Windmill1Power = 30 + 180 * i;
        w->Timer1_Timer();
    }
    const QImage plot = w->GraphDisplay->render();
    grabTo(w, "plot_points");
    const QPointF px = w->GraphDisplay->toPixel(500.5, 995 - 390 - 0.5);
    EXPECT_EQ(QColor(plot.pixel(px.toPoint())), gv::colourFromBGR(16711680));
    // Black background well away from grid, curve and points.
    const QPointF bg = w->GraphDisplay->toPixel(100, 300);
    EXPECT_EQ(QColor(plot.pixel(bg.toPoint())), QColor(Qt::black));
    // Labels stay inside the plot without overlapping each other.
    EXPECT_FALSE(w->Label1->geometry().intersects(w->Label3->geometry()));
    EXPECT_FALSE(w->Label2->geometry().intersects(w->Label4->geometry()));
    EXPECT_TRUE(w->GraphDisplay->rect().contains(w->Label4->geometry()));
    delete w;
}

TEST(plotDiagnostics, OtherModesAndEmptyScalesDrawNothing)
{
    gv::Global_Declarations g = runningSystem();
    for (int mode : {0, 4, 300, -2}) {
        g.PlotMode = mode;
        auto* w = new plotDiagnostics(g);
        w->Timer1_Timer();
        w->cleardisplayMENU_Click();
        EXPECT_EQ(w->GraphDisplay->shapeCount(), 0) << mode;
        EXPECT_EQ(w->Label3->text(), "1000");
        EXPECT_EQ(w->Label4->text(), "1000");
        delete w;
    }
    g.PlotMode = 2;
    g.ChannelMaxReading[14] = 0;
    auto* w = new plotDiagnostics(g);
    w->Timer1_Timer();
    EXPECT_EQ(w->GraphDisplay->shapeCount(), 0);
    EXPECT_EQ(w->Label4->text(), "0");
    delete w;
}

TEST(plotDiagnostics, TimerAddsTheLivePoints)
{
    gv::Global_Declarations g = runningSystem();
    g.PlotMode = 2;
    auto* w = new plotDiagnostics(g);
    const int base = w->GraphDisplay->shapeCount();
    // The window's own 500 ms timer adds a point.
    (void)QTest::qWaitFor([&] { return w->GraphDisplay->shapeCount() > base; }, 20000);
    EXPECT_EQ(w->GraphDisplay->shapeCount(), base + 1);
    g.Windmill2RPM = 400;
    fireTimer(w->Timer1);
    EXPECT_EQ(w->GraphDisplay->shapeCount(), base + 2);
    delete w;
}
