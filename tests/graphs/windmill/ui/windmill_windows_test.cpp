// The two windmill graph windows headless: opening, picking, reading,
// scaling, views, read-out, MAX/MIN labels, drag zoom, CSV, collation and
// printing, on realistic generated days.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QGroupBox>

#include "config/FirstRun.h"
#include "graphs/windmill/ui/GraphDEMO.h"
#include "graphs/windmill/ui/GraphGV.h"
#include "graphs/windmill/windmill_day_fixture.h"
#include "platform/ClickLabel.h"
#include "platform/MessageBoxes.h"
#include "platform/PictureBox.h"
#include "platform/Printing.h"
#include "shared/ConfigFiles.h"
#include "shared/FileIO.h"
#include "shared/LocalTime.h"
#include "support/test_paths.h"

using gvtest::crlf;
using gvtest::DayFamily;
using gvtest::readFile;
using gvtest::TempDir;
using gvtest::writeFile;

namespace {

struct Messages {
    std::vector<QString> texts;
    Messages()
    {
        gv::setMessageHook([this](const gv::ShownMessage& m) { texts.push_back(m.text); });
    }
    ~Messages() { gv::setMessageHook({}); }
    QString last() const { return texts.empty() ? QString() : texts.back(); }
};

// A program folder with logs and Excel, and the default channel table with
// windmill 2, solar (channel 3) and the loads (channel 4) switched on.
struct Site {
    TempDir dir;
    gv::Global_Declarations g;
    Site()
    {
        gv::makeFolder(dir.file("logs"));
        gv::makeFolder(dir.file("Excel"));
        gv::loadChannelsCfg(g, gv::defaultChannelsText());
        g.PersonalString = "Hilltop turbines";
        g.WSUnits = "m/s";
        g.ChannelName[2] = "WINDMILL 2 AMPS";
        g.ChannelName[3] = "SOLAR AMPS";
        g.ChannelName[4] = "LOAD AMPS";
        g.ChannelName[14] = "WINDMILL 2 RPM";
        g.ChannelName[18] = "WINDMILL 2 POWER";
        g.ChannelName[19] = "SOLAR POWER";
        g.ChannelName[20] = "LOAD POWER";
        for (int ch : {2, 3, 14, 18, 19})
            g.enableGRAPHING[static_cast<size_t>(ch)] = 1;
        g.LineColour[20] = 0x8080FF;
        g.LineColour[4] = 0x8080FF;
    }
    QString folder() const { return QString::fromStdString(dir.path()); }
    std::string logs(const std::string& name) const { return dir.file("logs/" + name); }
    std::string excel(const std::string& name) const { return dir.file("Excel/" + name); }
};

void savePng(QWidget& w, const char* name)
{
    w.resize(1180, 760);
    w.show();
    QApplication::processEvents();
    QDir().mkpath(GV_BINARY_DIR "/screens");
    w.grab().save(QString(GV_BINARY_DIR "/screens/") + name);
}

} // namespace

TEST(WindmillWindowsLook, RendersEachViewToPng)
{
    Messages msgs;
    Site site;
    writeFile(site.logs("GV_2026_06_14.txt"), gvtest::dayLog(DayFamily::GV, 60));
    writeFile(site.logs("WD_2026_06_14.txt"), gvtest::dayLog(DayFamily::WD, 60));

    GraphGV gvw(site.g, site.folder());
    ASSERT_TRUE(gvw.pickFile("GV_2026_06_14.txt"));
    EXPECT_EQ(gvw.GraphRecordSet.RecordCount, 1438);
    gvw.Plot_MouseMove(800);
    savePng(gvw, "GraphGV_time.png");
    gvw.XAxisRPM->setChecked(true);
    savePng(gvw, "GraphGV_rpm.png");
    gvw.Distribution->setChecked(true);
    savePng(gvw, "GraphGV_distribution.png");
    gvw.XAxisTime->setChecked(true);
    gvw.CheckScaling->setChecked(false);
    savePng(gvw, "GraphGV_unscaled.png");

    GraphDEMO demo(site.g, site.folder());
    ASSERT_TRUE(demo.pickFile("WD_2026_06_14.txt"));
    demo.Plot_MouseMove(600);
    savePng(demo, "GraphDEMO_time.png");
    demo.XAxisWind_Click();
    savePng(demo, "GraphDEMO_wind.png");
    demo.XAxisRPM->setChecked(true);
    savePng(demo, "GraphDEMO_rpm.png");
    demo.Distribution->setChecked(true);
    savePng(demo, "GraphDEMO_distribution.png");
    EXPECT_TRUE(msgs.texts.empty()) << msgs.last().toStdString();
}
