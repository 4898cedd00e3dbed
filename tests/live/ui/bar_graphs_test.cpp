#include <QTest>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

#include "live/ui/BarGraphs.h"
#include "live_fixture.h"
#include "platform/MessageBoxes.h"

namespace {
QColor at(const BarGraphs& w, double xTwips, double yTwips)
{
    const QImage img = w.Form->render();
    return QColor(img.pixel(w.Form->toPixel(xTwips, yTwips).toPoint()));
}
} // namespace

TEST(BarGraphs, OpensWithScalesFromTheChannelTable)
{
    gv::Global_Declarations g = runningSystem();
    g.ChannelMaxReading[13] = 500;
    g.ChannelMaxReading[17] = 1000;
    auto* w = new BarGraphs(g);
    EXPECT_EQ(w->windowTitle(), "RPM vs Power");
    EXPECT_EQ(w->MaxR->text(), "500");
    EXPECT_EQ(w->maxP->text(), "1000");
    EXPECT_EQ(w->Rlabel->text(), "RPM");
    EXPECT_EQ(w->Plabel->text(), "Watts");
    EXPECT_EQ(w->meterScale().BarLength, 3800);
    EXPECT_DOUBLE_EQ(w->meterScale().TwipsPerRPM, 7.6);
    EXPECT_EQ(w->Timer1->interval(), 500);
    EXPECT_TRUE(w->Timer1->isActive());
    delete w;
}

TEST(BarGraphs, TickMovesTheBarTopsAndReadOuts)
{
    gv::Global_Declarations g = runningSystem();
    g.ChannelMaxReading[13] = 500;
    g.ChannelMaxReading[17] = 1000;
    g.ChannelValue[13] = 250;
    g.Windmill1Power = 1000;
    auto* w = new BarGraphs(g);
    w->Timer1_Timer();
    EXPECT_EQ(w->RPMBarTop(), 2660);
    EXPECT_EQ(w->PowerBarTop(), 760);
    EXPECT_EQ(w->Label4->text(), "250");
    EXPECT_EQ(w->Label2->text(), "1000");
    const QColor red = gv::colourFromBGR(255);
    EXPECT_EQ(at(*w, 360, 2700), red);
    EXPECT_NE(at(*w, 360, 2600), red);
    EXPECT_EQ(at(*w, 1080, 800), red);

    g.Windmill1Power = 1200;
    g.ChannelValue[13] = 0;
    w->Timer1_Timer();
    EXPECT_EQ(w->PowerBarTop(), 705);
    EXPECT_EQ(w->RPMBarTop(), 4560);
    EXPECT_NE(at(*w, 360, 4500), red) << "a bar of zero length shows nothing";
    delete w;
}

TEST(BarGraphs, RealisticReadingsLookRight)
{
    gv::Global_Declarations g = runningSystem(); // 600 rpm of 800, 400 W of 1000
    auto* w = new BarGraphs(g);
    w->Timer1_Timer();
    EXPECT_EQ(w->RPMBarTop(), 1710); // 4560 - 600 * 4.75
    EXPECT_EQ(w->PowerBarTop(), 3040); // 4560 - 400 * 3.8
    EXPECT_EQ(w->Label4->text(), "600");
    EXPECT_EQ(w->Label2->text(), "400");
    grabTo(w, "bars");
    // Labels never overlap one another.
    const QList<QLabel*> labels{w->MaxR, w->maxP, w->Label4, w->Label2,
                                w->Rlabel, w->Plabel, w->Label3, w->Label1};
    for (int a = 0; a < labels.size(); ++a) {
        EXPECT_TRUE(w->Form->rect().contains(labels[a]->geometry())) << a;
        for (int b = a + 1; b < labels.size(); ++b)
            EXPECT_FALSE(labels[a]->geometry().intersects(labels[b]->geometry())) << a << " " << b;
    }
    delete w;
}

TEST(BarGraphs, ZeroFullScaleNeverFails)
{
    gv::Global_Declarations g = runningSystem();
    g.ChannelMaxReading[13] = 0;
    g.ChannelMaxReading[17] = 0;
    auto* w = new BarGraphs(g);
    w->Timer1_Timer();
    EXPECT_EQ(w->MaxR->text(), "0");
    EXPECT_EQ(w->RPMBarTop(), 4560);
    EXPECT_EQ(w->PowerBarTop(), 4560);
    delete w;
}

TEST(BarGraphs, NegativeReadingShowsOneMessageAndCloses)
{
    gv::Global_Declarations g = runningSystem();
    g.Windmill1Power = -3;
    std::vector<gv::ShownMessage> shown;
    QPointer<BarGraphs> w = new BarGraphs(g);
    w->show();
    gv::setMessageHook([&](const gv::ShownMessage& m) {
        shown.push_back(m);
        // The timer must not fire again while the message is up.
        EXPECT_FALSE(w->Timer1->isActive());
    });
    w->Timer1_Timer();
    gv::setMessageHook({});
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Run setup to set graphing limits\r\npower = -3\r\nRPM = 600");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
}

TEST(BarGraphs, TimerRefreshesFromTheSharedReadings)
{
    gv::Global_Declarations g = runningSystem();
    auto* w = new BarGraphs(g);
    // The window's own 500 ms timer refreshes the labels.
    (void)QTest::qWaitFor([&] { return w->Label4->text() == "600"; }, 20000);
    EXPECT_EQ(w->Label4->text(), "600");
    g.Windmill1Power = 250;
    fireTimer(w->Timer1);
    EXPECT_EQ(w->Label2->text(), "250");
    EXPECT_EQ(w->PowerBarTop(), 3610);
    delete w;
}
