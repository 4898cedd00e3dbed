// The main window's "history" menu opens the four multi-channel graph
// windows modally over the program's own folder, and none of them for
// system type 0.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>

#include "app/ui/Gyrovane.h"
#include "config/FirstRun.h"
#include "graphs/multichannel/ui/MultiChannelGraphWindow.h"
#include "platform/MessageBoxes.h"
#include "shared/FileIO.h"
#include "support/pty_pair.h"

namespace {

struct Opened {
    QString name;
    QString dir1;
    QString fileName;
};

void setSystemType(const QString& folder, int type)
{
    const std::string path = folder.toStdString() + "/hardware.cfg";
    std::string text = gv::readWholeFile(path).value_or(std::string());
    const std::string from = "<SystemType>0</SystemType>";
    const auto at = text.find(from);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, from.size(), "<SystemType>" + std::to_string(type) + "</SystemType>");
    ASSERT_TRUE(gv::writeFileAtomic(path, text));
}

} // namespace

TEST(HistoryMenu, OpensEachMultiChannelWindowModallyOverTheProgramFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path();
    gv::createMissingFiles(folder.toStdString());
    gvtest::LocalPty pty(folder + "/COM3");
    ASSERT_TRUE(pty.ok());
    std::vector<Opened> opened;
    QStringList messages;
    gv::setMessageHook([&](const gv::ShownMessage& m) { messages.push_back(m.text); });
    gv::setDialogHook([&](QDialog* d) {
        Opened o;
        o.name = d->objectName();
        if (auto* w = qobject_cast<MultiChannelGraphWindow*>(d)) {
            o.dir1 = w->dir1Path();
            o.fileName = w->FileName->text();
        }
        opened.push_back(o);
        return 0;
    });

    {
        gv::Global_Declarations g;
        gv::EngineStatus status;
        Gyrovane win(g, status, nullptr, folder);
        win.Form_Load();
        opened.clear();
        // Type 0: nothing opens.
        win.PlotGraphCC_Click(2);
        win.graphingCC_QF_Click();
        win.PlotGraphRE_Click(3);
        win.PlotGraphML_Click(4);
        EXPECT_TRUE(opened.empty());
    }

    setSystemType(folder, 4);
    {
        gv::Global_Declarations g;
        gv::EngineStatus status;
        Gyrovane win(g, status, nullptr, folder);
        win.Form_Load();
        ASSERT_EQ(g.SystemType, 4);
        opened.clear();
        messages.clear();
        win.PlotGraphCC_Click(2);
        win.graphingCC_QF_Click();
        win.PlotGraphRE_Click(3);
        win.PlotGraphML_Click(4);
        ASSERT_EQ(opened.size(), 4u);
        const char* names[] = {"GraphCC", "GraphCC_QF", "GraphRE", "GraphML"};
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(opened[i].name, names[i]);
            EXPECT_EQ(opened[i].dir1, QDir::cleanPath(folder + "/logs"));
        }
        EXPECT_TRUE(opened[1].fileName.startsWith("CC_"));
        // Only the site window reads today's missing file on opening.
        EXPECT_EQ(messages, QStringList({"No data for that date"}));
    }
    gv::setMessageHook({});
    gv::setDialogHook({});
}
