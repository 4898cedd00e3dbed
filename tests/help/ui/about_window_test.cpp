#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <vector>

#include "help/ui/frmAbout.h"
#include "platform/MessageBoxes.h"
#include "platform/SystemInfo.h"

TEST(AboutWindow, ShowsTitleVersionDescriptionAndButtons)
{
    QCoreApplication::setApplicationName("Gyrovane");
    gv::MemoryRegistry registry;
    frmAbout w(nullptr, &registry);
    EXPECT_EQ(w.windowTitle(), "About Gyrovane");
    EXPECT_EQ(w.lblTitle->text(), "Gyrovane");
    EXPECT_EQ(w.lblVersion->text(), QString("Version ") + GYROVANE_VERSION);
    EXPECT_TRUE(w.lblVersion->text().contains(QRegularExpression("^Version \\d+\\.\\d+\\.\\d+$")));
    EXPECT_TRUE(w.lblDescription->text().startsWith(
        "This Program is designed as a tool for assessing the performance of a windmill.  This is not"));
    EXPECT_TRUE(w.lblDescription->text().endsWith("supporting XML type encoded COMM outputs."));
    EXPECT_FALSE(w.lblDisclaimer->text().isEmpty());
    EXPECT_EQ(w.cmdOK->text(), "OK");
    EXPECT_EQ(w.cmdSysInfo->text(), "&System Info...");
    EXPECT_EQ(w.picIcon->size(), QSize(32, 32));

    // Two separator lines: one between the title block and the description,
    // one between the description and the disclaimer.
    w.show();
    for (QFrame* line : w.Line1) {
        ASSERT_NE(line, nullptr);
        EXPECT_TRUE(line->isVisible());
        EXPECT_EQ(line->frameShape(), QFrame::HLine);
    }
    const auto top = [](QWidget* x) { return x->geometry().top(); };
    EXPECT_LT(top(w.lblVersion), top(w.Line1[0]));
    EXPECT_LT(top(w.Line1[0]), top(w.lblDescription));
    EXPECT_LT(top(w.lblDescription), top(w.Line1[1]));
    EXPECT_LT(top(w.Line1[1]), top(w.lblDisclaimer));
    const QString grab = qEnvironmentVariable("GV_GRAB_DIR");
    if (!grab.isEmpty())
        w.grab().save(grab + "/frmAbout.png");
}

TEST(AboutWindow, OkCloses)
{
    gv::MemoryRegistry registry;
    frmAbout w(nullptr, &registry);
    w.show();
    w.cmdOK->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST(AboutWindow, SystemInfoButtonStartsFoundToolOrTellsItIsUnavailable)
{
    std::vector<gv::ShownMessage> shown;
    std::vector<QString> started;
    gv::setMessageHook([&](const gv::ShownMessage& m) { shown.push_back(m); });
    gv::setProgramStarterHook([&](const QString& p) {
        started.push_back(p);
        return true;
    });

    gv::MemoryRegistry registry;
    frmAbout w(nullptr, &registry);
    w.show();
    w.cmdSysInfo->click();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "System Information Is Unavailable At This Time");
    EXPECT_TRUE(started.empty());
    EXPECT_TRUE(w.isVisible()) << "the about box stays open";

    shown.clear();
    registry.setText(gv::HKEY_LOCAL_MACHINE_ROOT, gv::SysInfoPathKey, gv::SysInfoPathValue, "/opt/tools/sysinfo");
    w.cmdSysInfo->click();
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(started, std::vector<QString>{"/opt/tools/sysinfo"});

    gv::setProgramStarterHook(nullptr);
    gv::setMessageHook(nullptr);
}
