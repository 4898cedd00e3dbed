// The whole road: the device simulator writes logger messages into one end of
// a pseudo-terminal pair, the real main window reads the other end as its
// port 3, and after a few logging intervals the log file holds the records.
// The device then goes away and comes back: the window keeps running, says
// so, logs on without losing a line, and reads the device again.
#include "app/ui/Gyrovane.h"

#include "config/FirstRun.h"
#include "platform/CommPort.h"
#include "platform/MessageBoxes.h"
#include "shared/FileIO.h"
#include "support/pty_pair.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void setItem(const QString& folder, const QString& key, const QString& value)
{
    const std::string path = (folder + "/hardware.cfg").toStdString();
    QString text = QString::fromStdString(gv::readWholeFile(path).value_or(""));
    text.replace(QRegularExpression("<" + key + ">.*</" + key + ">"), "<" + key + ">" + value + "</" + key + ">");
    gv::writeFileAtomic(path, text.toStdString());
}

// All GV records written so far (the short interval makes hourly files).
QString gvRecords(const QString& folder)
{
    QDir logs(folder + "/logs");
    QString all;
    for (const QString& name : logs.entryList({"GV_*.txt"}, QDir::Files, QDir::Name))
        all += QString::fromStdString(gv::readWholeFile((logs.filePath(name)).toStdString()).value_or(""));
    return all;
}

class Simulator {
public:
    bool start(const QString& device)
    {
        const QString exe = QStringLiteral(GV_BINARY_DIR "/tools/gv_simulator");
        proc_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        proc_.start(exe, {"--type", "1", "--interval-ms", "200", "--seed", "7", "--out", device});
        return proc_.waitForStarted(20000);
    }
    void stop()
    {
        if (proc_.state() != QProcess::NotRunning) {
            proc_.terminate();
            if (!proc_.waitForFinished(3000))
                proc_.kill();
            proc_.waitForFinished(3000);
        }
    }
    ~Simulator() { stop(); }

private:
    QProcess proc_;
};

bool waitUntil(const std::function<bool()>& pred, int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        if (pred())
            return true;
        QTest::qWait(50);
    }
    return pred();
}

} // namespace

TEST(EndToEnd, SimulatorThroughAPseudoTerminalIntoTheDayLog)
{
    if (!gvtest::socatAvailable())
        GTEST_SKIP() << "socat not installed";
    if (!QFileInfo::exists(QStringLiteral(GV_BINARY_DIR "/tools/gv_simulator")))
        GTEST_SKIP() << "gv_simulator not built";

    QTemporaryDir dir;
    const QString folder = dir.path() + "/program";
    QDir().mkpath(folder);
    gv::createMissingFiles(folder.toStdString());
    setItem(folder, "SystemType", "1");
    setItem(folder, "LogDelay", "1");
    setItem(folder, "LogOn", "1");

    QStringList messages;
    gv::setMessageHook([&](const gv::ShownMessage& m) { messages << m.text; });
    gv::setDialogHook([](QDialog*) { return 0; }); // the splash closes at once

    gvtest::PtyPair pair(folder + "/COM3", dir.path() + "/device");
    ASSERT_TRUE(pair.start());
    Simulator sim;
    ASSERT_TRUE(sim.start(pair.deviceEnd()));

    gv::Global_Declarations g;
    gv::EngineStatus status;
    {
        Gyrovane w(g, status, nullptr, folder);
        w.Form_Load();
        ASSERT_TRUE(w.MSComm1->portOpen());
        ASSERT_EQ(g.LoggingOn, 1);
        EXPECT_TRUE(waitUntil([&] { return w.dataSeen(); }, 20000));
        EXPECT_TRUE(w.windowTitle().startsWith("Battery = ")) << w.windowTitle().toStdString();

        // A few logging intervals.
        EXPECT_TRUE(waitUntil([&] { return gvRecords(folder).count("\r\n") >= 3; }, 30000));
        const QString before = gvRecords(folder);
        const QStringList lines = before.split("\r\n", Qt::SkipEmptyParts);
        ASSERT_GE(lines.size(), 3);
        const QRegularExpression record(
            "^<T>\\d\\d:\\d\\d</T><L>1</L><V1>\\d*\\.\\d\\d</V1><A1>\\d+\\.\\d</A1><A2>\\d+\\.\\d</A2>"
            "<A3>\\d+\\.\\d</A3><A4>\\d+\\.\\d</A4><R2>\\d+</R2><R1>\\d+</R1><WS>\\d+</WS>$");
        for (const QString& line : lines)
            EXPECT_TRUE(record.match(line).hasMatch()) << line.toStdString();
        EXPECT_TRUE(messages.isEmpty()) << messages.join(" | ").toStdString();
        EXPECT_GT(g.WattHours[1], 0);

        // The device goes away: the window keeps running and says so.
        sim.stop();
        pair.stop();
        EXPECT_TRUE(waitUntil([&] { return w.Label2->text() == "     possible COMMS problem"; }, 20000));
        EXPECT_FALSE(w.MSComm1->portOpen());
        const int linesWhileGone = gvRecords(folder).count("\r\n");
        // Logging goes on with the previous values; nothing written is lost.
        EXPECT_TRUE(waitUntil([&] { return gvRecords(folder).count("\r\n") > linesWhileGone; }, 20000));
        const QString during = gvRecords(folder);
        EXPECT_TRUE(during.startsWith(before));

        // The device comes back: reading resumes without a restart.
        ASSERT_TRUE(pair.start());
        ASSERT_TRUE(sim.start(pair.deviceEnd()));
        EXPECT_TRUE(waitUntil([&] { return w.MSComm1->portOpen(); }, 20000));
        EXPECT_TRUE(waitUntil([&] { return w.Label2->text().contains("<V1>"); }, 20000))
            << w.Label2->text().toStdString();
        EXPECT_TRUE(w.windowTitle().startsWith("Battery = "));
        EXPECT_TRUE(gvRecords(folder).startsWith(during));
        EXPECT_EQ(g.LoggingOn, 1);
        EXPECT_TRUE(messages.isEmpty()) << messages.join(" | ").toStdString();
        w.close();
    }
    gv::setMessageHook({});
    gv::setDialogHook({});
}
