#pragma once
// A pair of connected pseudo-terminals made by socat, for tests that need a
// serial device: what is written to one end can be read from the other.  Both
// ends are reachable through symbolic links chosen by the test (for example
// <program folder>/COM3 for the program and <tmp>/device for the simulator).
// Header only; Qt tests use it.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QThread>

namespace gvtest {

inline bool socatAvailable() { return !QStandardPaths::findExecutable("socat").isEmpty(); }

class PtyPair {
public:
    PtyPair(QString programEnd, QString deviceEnd)
        : programEnd_(std::move(programEnd)), deviceEnd_(std::move(deviceEnd))
    {
    }
    ~PtyPair() { stop(); }

    // Starts socat and waits until both links exist.
    bool start(int timeoutMs = 20000)
    {
        stop();
        proc_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        proc_.start(QStringLiteral("socat"),
                    {QStringLiteral("pty,raw,echo=0,link=") + programEnd_,
                     QStringLiteral("pty,raw,echo=0,link=") + deviceEnd_});
        if (!proc_.waitForStarted(timeoutMs))
            return false;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < timeoutMs) {
            if (QFileInfo::exists(programEnd_) && QFileInfo::exists(deviceEnd_))
                return true;
            QCoreApplication::processEvents();
            QThread::msleep(20);
        }
        return false;
    }

    // Ends socat; both pseudo-terminals disappear.
    void stop()
    {
        if (proc_.state() != QProcess::NotRunning) {
            proc_.terminate();
            if (!proc_.waitForFinished(3000)) {
                proc_.kill();
                proc_.waitForFinished(3000);
            }
        }
    }

    bool running() const { return proc_.state() == QProcess::Running; }
    const QString& programEnd() const { return programEnd_; }
    const QString& deviceEnd() const { return deviceEnd_; }

private:
    QString programEnd_;
    QString deviceEnd_;
    QProcess proc_;
};

} // namespace gvtest

#include <QFile>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace gvtest {

// A pseudo-terminal made inside the test process: the program opens the
// terminal end through a link (for example <program folder>/COM3) and the
// test writes device messages into the controlling end.
class LocalPty {
public:
    explicit LocalPty(const QString& link) : link_(link)
    {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
            return;
        const char* name = ::ptsname(master_);
        if (!name)
            return;
        QFile::remove(link_);
        ok_ = QFile::link(QString::fromLocal8Bit(name), link_);
    }
    ~LocalPty()
    {
        if (master_ >= 0)
            ::close(master_);
        QFile::remove(link_);
    }
    LocalPty(const LocalPty&) = delete;
    LocalPty& operator=(const LocalPty&) = delete;

    bool ok() const { return ok_; }
    bool send(const QByteArray& bytes) const
    {
        return master_ >= 0 && ::write(master_, bytes.constData(), bytes.size()) == bytes.size();
    }

private:
    QString link_;
    int master_ = -1;
    bool ok_ = false;
};

} // namespace gvtest
