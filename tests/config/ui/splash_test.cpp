#include <gtest/gtest.h>

#include "config/ui/frmSplash.h"
#include "platform/ClickLabel.h"
#include "platform/MessageBoxes.h"
#include "shared/Global_Declarations.h"
#include "support/message_recorder.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

namespace {

class Splash : public ::testing::Test {
protected:
    void TearDown() override { gv::setDialogHook({}); }

    QTemporaryDir dir;
    gv::Global_Declarations g;
    gvtest::Messages messages;
};

} // namespace

TEST_F(Splash, LoadCreatesFilesAndSetsLabels)
{
    frmSplash s(g, dir.path());
    EXPECT_TRUE(QFile::exists(dir.filePath("hardware.cfg")));
    EXPECT_TRUE(QDir(dir.filePath("logs")).exists());
    EXPECT_TRUE(s.lblVersion->text().startsWith("Version "));
    EXPECT_EQ(s.lblProductName->text(), "Gyrovane");
    EXPECT_EQ(s.lblPlatform->text(), "Win XP.32, Win Vista.32, Win7.32");
    EXPECT_EQ(s.ABORTBUTTON->text(), "Click to ABORT");
    EXPECT_EQ(s.Label6->text(), "Click to RUN");
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Splash, ClosingLabelsCloseAndOthersDoNot)
{
    {
        frmSplash s(g, dir.path());
        s.show();
        QTest::mouseClick(s.lblVersion, Qt::LeftButton);
        EXPECT_TRUE(s.isVisible()) << "the version label reacts to nothing";
        QTest::mouseClick(s.lblPlatform, Qt::LeftButton);
        EXPECT_FALSE(s.isVisible());
        EXPECT_EQ(s.result(), QDialog::Accepted);
    }
    {
        frmSplash s(g, dir.path());
        s.show();
        QTest::mouseClick(s.Frame1, Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_FALSE(s.isVisible());
    }
    {
        frmSplash s(g, dir.path());
        s.show();
        QTest::keyClick(&s, Qt::Key_A);
        EXPECT_FALSE(s.isVisible());
    }
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Splash, AbortShowsTheFolderThenCloses)
{
    frmSplash s(g, dir.path());
    s.show();
    QTest::mouseClick(s.ABORTBUTTON, Qt::LeftButton);
    ASSERT_EQ(messages.texts.size(), 1u);
    const QStringList lines = messages.texts[0].split("\r\n");
    EXPECT_EQ(lines[0], "Folders and Files have ALREADY been created in folder  ");
    EXPECT_EQ(lines[1], dir.path());
    EXPECT_FALSE(s.isVisible());
}

TEST_F(Splash, ShowAtStartupRunsModally)
{
    int shown = 0;
    gv::setDialogHook([&](QDialog* d) {
        ++shown;
        EXPECT_NE(qobject_cast<frmSplash*>(d), nullptr);
        return int(QDialog::Accepted);
    });
    frmSplash::showAtStartup(g, dir.path(), nullptr);
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(QFile::exists(dir.filePath("channels.cfg")));
}
