// The serial control over real pseudo-terminals, and the window timer.
#include "platform/CommPort.h"
#include "platform/FormTimer.h"
#include "support/pty_pair.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

bool writeDevice(const QString& path, const QByteArray& bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NOCTTY);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, bytes.constData(), bytes.size()) == bytes.size();
    ::close(fd);
    return ok;
}

} // namespace

TEST(CommSettingsText, AcceptsTheFormsTheProgramWrites)
{
    gv::CommSettings s;
    ASSERT_TRUE(gv::parseCommSettings("4800,N,8,1", &s));
    EXPECT_EQ(s.baud, 4800);
    EXPECT_EQ(s.parity, QSerialPort::NoParity);
    EXPECT_EQ(s.dataBits, QSerialPort::Data8);
    EXPECT_EQ(s.stopBits, QSerialPort::OneStop);
    ASSERT_TRUE(gv::parseCommSettings("57600,E,7,2", &s));
    EXPECT_EQ(s.parity, QSerialPort::EvenParity);
    EXPECT_EQ(s.stopBits, QSerialPort::TwoStop);
    EXPECT_TRUE(gv::parseCommSettings("9600,n,8,1.5", &s));

    EXPECT_FALSE(gv::parseCommSettings("0,N,8,1", &s));
    EXPECT_FALSE(gv::parseCommSettings("abc,N,8,1", &s));
    EXPECT_FALSE(gv::parseCommSettings("4800,X,8,1", &s));
    EXPECT_FALSE(gv::parseCommSettings("4800,N,9,1", &s));
    EXPECT_FALSE(gv::parseCommSettings("4800,N,8", &s));
    EXPECT_FALSE(gv::parseCommSettings("", &s));
}

TEST(CommPort, RefusesBadSettingsAndMissingDevices)
{
    QTemporaryDir dir;
    gv::CommPort port;
    port.setProgramFolder(dir.path());
    EXPECT_FALSE(port.setSettings("4800,Q,8,1"));
    EXPECT_EQ(port.settings(), "9600,N,8,1");
    ASSERT_TRUE(port.setSettings("4800,N,8,1"));
    ASSERT_TRUE(port.setCommPort(3));
    // No COM3 link in the folder: the mapping falls back to /dev/ttyS2.
    EXPECT_EQ(port.devicePath(), "/dev/ttyS2");
    port.setCommPort(77);
    EXPECT_FALSE(port.setPortOpen(true));
    EXPECT_FALSE(port.portOpen());
    EXPECT_FALSE(port.errorString().isEmpty());
    port.setCommPort(0);
    EXPECT_FALSE(port.setPortOpen(true));
    EXPECT_TRUE(port.Input().isEmpty());
}

TEST(CommPort, ReadsAPseudoTerminalThroughTheProgramFolderLink)
{
    if (!gvtest::socatAvailable())
        GTEST_SKIP() << "socat not installed";
    QTemporaryDir dir;
    gvtest::PtyPair pair(dir.path() + "/COM3", dir.path() + "/device");
    ASSERT_TRUE(pair.start());

    gv::CommPort port;
    port.setProgramFolder(dir.path());
    port.setCommPort(3);
    ASSERT_TRUE(port.setSettings("4800,N,8,1"));
    port.setInputLen(0);
    ASSERT_TRUE(port.setPortOpen(true)) << port.errorString().toStdString();
    EXPECT_EQ(port.devicePath(), dir.path() + "/COM3");
    EXPECT_FALSE(port.setCommPort(4)); // not while open

    QByteArray got;
    QObject::connect(&port, &gv::CommPort::OnComm, [&] {
        got += port.Input();
        port.setInBufferCount(0);
    });
    ASSERT_TRUE(writeDevice(pair.deviceEnd(), "<V>512</V>]"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return got.contains("]"); }, 20000));
    EXPECT_EQ(got, "<V>512</V>]");

    // A second open while open is refused; closing then reopening works.
    EXPECT_FALSE(port.setPortOpen(true));
    port.setPortOpen(false);
    EXPECT_FALSE(port.portOpen());
    ASSERT_TRUE(port.setPortOpen(true));
    got.clear();
    ASSERT_TRUE(writeDevice(pair.deviceEnd(), "abc]"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return got.contains("]"); }, 20000));
}

TEST(CommPort, ReopensADeviceThatCameBack)
{
    if (!gvtest::socatAvailable())
        GTEST_SKIP() << "socat not installed";
    // Port 1 without its COM1 link stands for the fallback device ttyS0,
    // here a pseudo-terminal of the test's own: a retry that fell back to it
    // while the link is gone would open it and report the device back.
    QTemporaryDir dir;
    gvtest::PtyPair pair(dir.path() + "/COM1", dir.path() + "/device");
    ASSERT_TRUE(pair.start());
    gvtest::LocalPty fallback(dir.path() + "/ttyS0");
    ASSERT_TRUE(fallback.ok());

    gv::CommPort port;
    port.setProgramFolder(dir.path());
    port.setFallbackPrefix(dir.path() + "/ttyS");
    port.setCommPort(1);
    port.setSettings("4800,N,8,1");
    port.setReopenInterval(100);
    ASSERT_TRUE(port.setPortOpen(true));
    QByteArray got;
    QObject::connect(&port, &gv::CommPort::OnComm, [&] { got += port.Input(); });
    QSignalSpy lost(&port, &gv::CommPort::deviceLost);
    QSignalSpy back(&port, &gv::CommPort::deviceBack);

    pair.stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return lost.count() > 0; }, 20000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !port.portOpen(); }, 20000));
    EXPECT_TRUE(port.deviceMissing());
    EXPECT_EQ(port.devicePath(), dir.path() + "/ttyS0");
    // Nothing there yet: the retries fail quietly and open nothing else.
    QTest::qWait(600);
    EXPECT_EQ(back.count(), 0);
    EXPECT_FALSE(port.portOpen());

    ASSERT_TRUE(pair.start());
    ASSERT_TRUE(QTest::qWaitFor([&] { return back.count() > 0; }, 20000));
    EXPECT_TRUE(port.portOpen());
    EXPECT_FALSE(port.deviceMissing());
    ASSERT_TRUE(writeDevice(pair.deviceEnd(), "again]"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return got.contains("again]"); }, 20000));
    EXPECT_EQ(lost.count(), 1);
}

TEST(CommPort, APortClosedOnPurposeStaysClosed)
{
    if (!gvtest::socatAvailable())
        GTEST_SKIP() << "socat not installed";
    QTemporaryDir dir;
    gvtest::PtyPair pair(dir.path() + "/COM3", dir.path() + "/device");
    ASSERT_TRUE(pair.start());
    gv::CommPort port;
    port.setProgramFolder(dir.path());
    port.setCommPort(3);
    port.setSettings("4800,N,8,1");
    port.setReopenInterval(100);
    ASSERT_TRUE(port.setPortOpen(true));
    port.setPortOpen(false);
    QTest::qWait(400);
    EXPECT_FALSE(port.portOpen());
}

TEST(FormTimer, EnablingARunningTimerKeepsItsPeriod)
{
    gv::FormTimer t(300, false);
    int fired = 0;
    QObject::connect(&t, &gv::FormTimer::Timer, [&] { ++fired; });
    EXPECT_FALSE(t.running());
    QElapsedTimer clock;
    clock.start();
    t.setEnabled(true);
    // Enabling it again and again must not push the first firing out.
    while (fired == 0 && clock.elapsed() < 20000) {
        t.setEnabled(true);
        t.setInterval(300); // same value: no restart
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(10);
    }
    EXPECT_GE(fired, 1);
}

TEST(FormTimer, ZeroIntervalMeansStoppedAndLongPeriodsAreAccepted)
{
    gv::FormTimer t(0, true);
    int fired = 0;
    QObject::connect(&t, &gv::FormTimer::Timer, [&] { ++fired; });
    EXPECT_TRUE(t.Enabled());
    EXPECT_FALSE(t.running());
    t.setInterval(-5);
    EXPECT_FALSE(t.running());
    t.setInterval(600000);
    EXPECT_TRUE(t.running());
    EXPECT_EQ(t.Interval(), 600000);
    t.setEnabled(false);
    EXPECT_FALSE(t.running());
    t.setInterval(20);
    EXPECT_FALSE(t.running());
    t.setEnabled(true);
    (void)QTest::qWaitFor([&] { return fired >= 2; }, 20000);
    EXPECT_GE(fired, 2);
}
