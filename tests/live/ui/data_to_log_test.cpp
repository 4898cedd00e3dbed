#include <QTest>
#include <gtest/gtest.h>

#include "live/ui/dataTOlog.h"
#include "live_fixture.h"
#include "platform/PictureBox.h"

TEST(dataTOlog, ShowsRunningSumsBesideTheLastLoggedAverages)
{
    gv::Global_Declarations g = runningSystem();
    auto* w = new dataTOlog(g);
    EXPECT_EQ(w->windowTitle(), "data that would be logged");
    EXPECT_EQ(w->Timer1->interval(), 500);
    EXPECT_TRUE(w->Timer1->isActive());
    EXPECT_EQ(w->heartbeatColour(), gv::colourFromBGR(65280));
    EXPECT_EQ(w->Label2[4]->text(), "WATTS");
    EXPECT_EQ(w->Frame1[4]->title(), "Watts");
    w->Timer1_Timer();
    EXPECT_EQ(w->dataOKOK->text(), "7");
    const char* running[6] = {"179.20", "109.20", "4200.00", "51.80", "2800.00", "1234.57"};
    const char* logged[5] = {"25.58", "15.10", "590.00", "7.10", "386.50"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(w->accumulatedDATA[i]->text(), running[i]) << i;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(w->Label3[i]->text(), logged[i]) << i;
    grabTo(w, "datatolog");
    delete w;
}

TEST(dataTOlog, HeartbeatBlinksAtEveryTickAndZerosBeforeTheFirstLog)
{
    gv::Global_Declarations g;
    auto* w = new dataTOlog(g);
    w->Timer1_Timer();
    EXPECT_EQ(w->heartbeatColour(), QColor(Qt::black));
    EXPECT_EQ(w->Label3[0]->text(), "0.00");
    EXPECT_EQ(w->dataOKOK->text(), "0");
    w->Timer1_Timer();
    EXPECT_EQ(w->heartbeatColour(), gv::colourFromBGR(65280));
    w->Timer1_Timer();
    EXPECT_EQ(w->heartbeatColour(), QColor(Qt::black));
    delete w;
}

TEST(dataTOlog, TimerRefreshesFromTheAccumulators)
{
    gv::Global_Declarations g = runningSystem();
    auto* w = new dataTOlog(g);
    // The window's own 500 ms timer refreshes the labels.
    (void)QTest::qWaitFor([&] { return w->dataOKOK->text() == "7"; }, 20000);
    EXPECT_EQ(w->dataOKOK->text(), "7");
    g.goodDATAcount = 0;
    g.AccumulatedValue[9] = 0;
    fireTimer(w->Timer1);
    EXPECT_EQ(w->dataOKOK->text(), "0");
    EXPECT_EQ(w->accumulatedDATA[0]->text(), "0.00");
    delete w;
}
