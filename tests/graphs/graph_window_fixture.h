#pragma once
// What the graph window tests share: a program folder with logs and Excel
// and the first-run channel table, today's day-file name and screenshots.

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>

#include "config/FirstRun.h"
#include "graphs/GraphCore.h"
#include "shared/ConfigFiles.h"
#include "shared/FileIO.h"
#include "shared/LocalTime.h"
#include "support/message_recorder.h"
#include "support/test_paths.h"

namespace gvtest {

struct GraphSite {
    TempDir dir;
    gv::Global_Declarations g;
    GraphSite()
    {
        gv::makeFolder(dir.file("logs"));
        gv::makeFolder(dir.file("Excel"));
        gv::loadChannelsCfg(g, gv::defaultChannelsText());
    }
    QString folder() const { return QString::fromStdString(dir.path()); }
    std::string logs(const std::string& name) const { return dir.file("logs/" + name); }
    std::string excel(const std::string& name) const { return dir.file("Excel/" + name); }
};

// A graph window test: it records its messages and has a site of its own.
template <class Site>
struct GraphWindowTest : ::testing::Test {
    Messages msgs;
    Site site;
};

inline std::string todayName(const char* prefix)
{
    const gv::LocalTime now = gv::localNow();
    return gv::todayFileName(prefix, now.year, now.month, now.day);
}

// The window at its normal size, shown, saved to build/screens/<name>.
inline void savePng(QWidget& w, const char* name)
{
    w.resize(1180, 760);
    w.show();
    QApplication::processEvents();
    QDir().mkpath(GV_BINARY_DIR "/screens");
    w.grab().save(QString(GV_BINARY_DIR "/screens/") + name);
}

} // namespace gvtest
