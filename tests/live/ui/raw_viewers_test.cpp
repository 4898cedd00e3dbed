#include <gtest/gtest.h>

#include "live/ui/displayRAWdata.h"
#include "live/ui/rawCOMMS.h"
#include "live_fixture.h"

TEST(rawCOMMS, PreparesTheListWhenItOpens)
{
    gv::Global_Declarations g = runningSystem();
    auto* w = new rawCOMMS(g);
    EXPECT_EQ(w->windowTitle(), "RAW data string");
    EXPECT_EQ(w->ListView1->columnCount(), 2);
    EXPECT_EQ(w->ListView1->headerItem()->text(0), "");
    EXPECT_EQ(w->ListView1->headerItem()->text(1), "RAW DATA");
    EXPECT_EQ(w->rowCountShown(), 0);
    EXPECT_EQ(w->Timer1->interval(), 1000);
    EXPECT_TRUE(w->Timer1->isActive());
    EXPECT_EQ(w->pause->text(), "Pause");
    delete w;
}

TEST(rawCOMMS, TickRebuildsRowsFromTheLastMessage)
{
    gv::Global_Declarations g;
    auto* w = new rawCOMMS(g);
    w->Timer1_Timer();
    ASSERT_EQ(w->rowCountShown(), 1) << "before any message: one empty row";
    EXPECT_EQ(w->rowText(0), "");

    g = runningSystem();
    w->Timer1_Timer();
    const QString m = QString::fromStdString(g.LastMessage);
    ASSERT_EQ(m.size(), 117);
    ASSERT_EQ(w->rowCountShown(), 3);
    EXPECT_EQ(w->rowText(0), m.left(50) + "\r\n");
    EXPECT_EQ(w->rowText(1), m.mid(50, 50) + "\r\n");
    EXPECT_EQ(w->rowText(2), m.mid(100));
    EXPECT_EQ(w->ListView1->topLevelItem(0)->text(0), "") << "first column hidden and empty";
    grabTo(w, "raw");

    g.LastMessage = std::string(2000, 'A');
    w->Timer1_Timer();
    EXPECT_EQ(w->rowCountShown(), 30);

    // Bytes above 127 (line noise) come through one character each.
    g.LastMessage = "<V>\xB0\xFF</V>";
    w->Timer1_Timer();
    EXPECT_EQ(w->rowText(0).size(), 9);
    EXPECT_EQ(w->rowText(0).at(3), QChar(0xB0));
    delete w;
}

TEST(rawCOMMS, PauseFreezesAndResumeRebuilds)
{
    gv::Global_Declarations g = runningSystem();
    auto* w = new rawCOMMS(g);
    w->Timer1_Timer();
    w->pause->trigger();
    EXPECT_FALSE(w->Timer1->isActive());
    EXPECT_EQ(w->pause->text(), "Resume");
    EXPECT_EQ(w->rowCountShown(), 3) << "keeps the last content";
    w->pause_Click();
    EXPECT_TRUE(w->Timer1->isActive());
    EXPECT_EQ(w->pause->text(), "Pause");
    g.LastMessage = "[<V>12.1</V>]";
    w->Timer1_Timer();
    EXPECT_EQ(w->rowCountShown(), 1);
    delete w;
}

TEST(displayRAWdata, ShowsTheWholeMessage)
{
    gv::Global_Declarations g;
    auto* w = new displayRAWdata(g);
    EXPECT_EQ(w->windowTitle(), "Form1");
    EXPECT_EQ(w->Text1->text(), "Text1");
    EXPECT_TRUE(w->Timer1->isActive());
    EXPECT_EQ(w->Timer1->interval(), 1000);
    w->Timer1_Timer();
    EXPECT_EQ(w->Text1->text(), "");
    g = runningSystem();
    w->Timer1_Timer();
    EXPECT_EQ(w->Text1->text(), QString::fromStdString(g.LastMessage));
    grabTo(w, "rawtext");
    w->pauseMenu->trigger();
    EXPECT_EQ(w->pauseMenu->text(), "Resume");
    EXPECT_FALSE(w->Timer1->isActive());
    w->pauseMenu_Click();
    EXPECT_EQ(w->pauseMenu->text(), "Pause");
    delete w;
}

TEST(rawCOMMS, TimerRefreshesFromTheLastMessage)
{
    gv::Global_Declarations g = runningSystem();
    auto* w = new rawCOMMS(g);
    auto* t = new displayRAWdata(g);
    g.LastMessage = "[<V>13.2</V>]";
    fireTimer(w->Timer1);
    fireTimer(t->Timer1);
    EXPECT_EQ(w->rowText(0), "[<V>13.2</V>]");
    EXPECT_EQ(t->Text1->text(), "[<V>13.2</V>]");
    delete w;
    delete t;
}
