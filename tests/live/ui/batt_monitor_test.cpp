#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

#include "live/ui/BATTMonitor.h"
#include "live_fixture.h"
#include "platform/PictureBox.h"

namespace {
QColor back(const QWidget* w) { return w->palette().color(QPalette::Window); }
QColor fore(const QWidget* w) { return w->palette().color(QPalette::WindowText); }
} // namespace

TEST(BATTMonitor, DesignLookUntilTheFirstTick)
{
    gv::Global_Declarations g = runningSystem();
    auto* w = new BATTMonitor(g);
    EXPECT_EQ(w->windowTitle(), "Battery Monitor & Indicator");
    EXPECT_EQ(w->voltage->text(), "00.00");
    EXPECT_EQ(w->SystemVoltage->text(), "Label2");
    EXPECT_EQ(back(w->voltage), gv::colourFromBGR(8454016));
    EXPECT_TRUE(w->Timer1->isActive());
    EXPECT_EQ(w->Timer1->interval(), 2000);
    grabTo(w, "batt_design");
    delete w;
}

TEST(BATTMonitor, TickShowsVoltageSystemAndBandWithoutTouchingTheSharedValue)
{
    gv::Global_Declarations g = runningSystem();
    auto* w = new BATTMonitor(g);
    w->Timer1_Timer();
    EXPECT_EQ(w->voltage->text(), "25.60 V");
    EXPECT_EQ(w->SystemVoltage->text(), "24");
    EXPECT_EQ(back(w->voltage), gv::colourFromBGR(65535)) << "12.8 per cell group: yellow";
    EXPECT_EQ(fore(w->Label1), gv::colourFromBGR(255));
    EXPECT_EQ(g.ChannelValue[9], 25.6) << "the reading is never divided in place";
    w->Timer1_Timer();
    EXPECT_EQ(w->voltage->text(), "25.60 V") << "a second tick sees the same value";
    EXPECT_EQ(w->SystemVoltage->text(), "24");
    grabTo(w, "batt_24");

    g.ChannelValue[9] = 52.0;
    w->Timer1_Timer();
    EXPECT_EQ(g.ChannelValue[9], 52.0);
    EXPECT_EQ(w->SystemVoltage->text(), "48");
    EXPECT_EQ(back(w->voltage), gv::colourFromBGR(8454016));

    g.ChannelValue[9] = 0;
    w->Timer1_Timer();
    EXPECT_EQ(w->voltage->text(), "0.00 V");
    EXPECT_EQ(w->SystemVoltage->text(), "12");
    EXPECT_EQ(back(w->voltage), gv::colourFromBGR(255));
    EXPECT_EQ(fore(w->Label1), gv::colourFromBGR(16711680));
    grabTo(w, "batt_flat");

    g.ChannelValue[9] = 300;
    w->Timer1_Timer();
    EXPECT_EQ(w->voltage->text(), "300.00 V");
    EXPECT_EQ(w->SystemVoltage->text(), "12");
    EXPECT_EQ(back(w->voltage), gv::colourFromBGR(255));
    grabTo(w, "batt_300");
    delete w;
}

TEST(BATTMonitor, ClicksShowMinimumThenMaximumUntilTheNextTick)
{
    gv::Global_Declarations g = runningSystem();
    auto* w = new BATTMonitor(g);
    w->Timer1_Timer();
    emit w->voltage->clicked();
    EXPECT_EQ(w->voltage->text(), "MIN 23.1V");
    w->voltage_Click();
    EXPECT_EQ(w->voltage->text(), "MAX 28.4V");
    w->voltage_Click();
    EXPECT_EQ(w->voltage->text(), "MIN 23.1V");
    grabTo(w, "batt_min");
    w->Timer1_Timer();
    EXPECT_EQ(w->voltage->text(), "25.60 V");
    delete w;
}

TEST(BATTMonitor, LongTextsStayClearOfTheSystemLabelAndTheX)
{
    gv::Global_Declarations g = runningSystem();
    g.MaxMin[24] = 1000; // just after "RESET ALL"
    auto* w = new BATTMonitor(g);
    auto fits = [&] {
        const int used = QFontMetrics(w->voltage->font()).horizontalAdvance(w->voltage->text());
        return w->voltage->x() + w->voltage->contentsMargins().left() + used <= w->SystemVoltage->x();
    };
    w->Timer1_Timer();
    EXPECT_TRUE(fits());
    EXPECT_EQ(w->voltage->font().pointSize(), 24);
    w->voltage_Click();
    EXPECT_EQ(w->voltage->text(), "MIN 1000.0V");
    EXPECT_TRUE(fits());
    grabTo(w, "batt_min_reset");
    g.ChannelValue[9] = 255.25;
    w->Timer1_Timer();
    EXPECT_EQ(w->voltage->text(), "255.25 V");
    EXPECT_TRUE(fits());
    delete w;
}

TEST(BATTMonitor2, WatchesChannelTen)
{
    gv::Global_Declarations g = runningSystem();
    auto* w = new BATTMonitor2(g);
    w->Timer1_Timer();
    EXPECT_EQ(w->voltage->text(), "12.90 V");
    EXPECT_EQ(w->SystemVoltage->text(), "12");
    EXPECT_EQ(back(w->voltage), gv::colourFromBGR(8454016));
    w->voltage_Click();
    EXPECT_EQ(w->voltage->text(), "MIN 12.1V");
    w->voltage_Click();
    EXPECT_EQ(w->voltage->text(), "MAX 14.1V");
    EXPECT_EQ(g.ChannelValue[10], 12.9);
    delete w;
}

TEST(BATTMonitor, CloseLabelUnloadsTheWindow)
{
    gv::Global_Declarations g = runningSystem();
    QPointer<BATTMonitor> w = new BATTMonitor(g);
    w->show();
    emit w->Label1->clicked();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
}

TEST(BATTMonitor, TimerRefreshesFromTheSharedReading)
{
    gv::Global_Declarations g = runningSystem();
    auto* w = new BATTMonitor(g);
    fireTimer(w->Timer1);
    EXPECT_EQ(w->voltage->text(), "25.60 V");
    g.ChannelValue[9] = 12.0;
    fireTimer(w->Timer1);
    EXPECT_EQ(w->voltage->text(), "12.00 V");
    EXPECT_EQ(w->SystemVoltage->text(), "12");
    delete w;
}
