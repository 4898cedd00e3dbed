#include "platform/PortProbe.h"

#include "platform/PortMapping.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace gv {

QString GetAlias(int n, const QString& programFolder)
{
    if (n < 1 || n > 16)
        return QString();
#ifdef Q_OS_WIN
    Q_UNUSED(programFolder);
    return QStringLiteral("\\\\.\\COM%1").arg(n);
#else
    return portDevicePath(n, programFolder);
#endif
}

#ifndef Q_OS_WIN
namespace {

// UUCP-style lock file names that serial programs leave while they hold a
// port: "LCK.." and the device path without "/dev/", slashes as "_".
QStringList lockNames(const QString& path)
{
    QStringList names;
    auto add = [&](QString p) {
        if (p.startsWith(QLatin1String("/dev/")))
            p = p.mid(5);
        QString base = QFileInfo(p).fileName();
        p.replace(QLatin1Char('/'), QLatin1Char('_'));
        for (const QString& n : {p, base}) {
            const QString name = QStringLiteral("LCK..") + n;
            if (!names.contains(name))
                names << name;
        }
    };
    add(path);
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (!canonical.isEmpty() && canonical != path)
        add(canonical);
    return names;
}

// True when a lock file names a process that is still alive (this program
// included: a port it holds itself is not free either).
bool lockedByLiveProcess(const QString& lockFile)
{
    QFile f(lockFile);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = f.read(128);
    bool ok = false;
    qint64 pid = 0;
    if (data.size() == 4 && !data.trimmed().contains(' ')) {
        // binary lock files hold the pid as a 4-byte integer
        pid = *reinterpret_cast<const qint32*>(data.constData());
        ok = pid > 0;
    }
    if (!ok)
        pid = data.split('\n').value(0).trimmed().toLongLong(&ok);
    if (!ok || pid <= 0)
        return true;  // unreadable contents: assume it is held
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

bool heldByLockFile(const QString& path)
{
    static const char* const dirs[] = {"/var/lock", "/run/lock", "/etc/locks", "/var/spool/locks",
                                       "/var/spool/uucp", "/tmp", "/var/tmp", "/var/lock/lockdev"};
    for (const QString& name : lockNames(path)) {
        for (const char* d : dirs) {
            const QString f = QString::fromLatin1(d) + QLatin1Char('/') + name;
            if (QFileInfo::exists(f) && lockedByLiveProcess(f))
                return true;
        }
    }
    return false;
}

} // namespace
#endif

bool probePortDevice(const QString& devicePath)
{
    if (devicePath.isEmpty())
        return false;
#ifdef Q_OS_WIN
    HANDLE h = CreateFileA(devicePath.toLocal8Bit().constData(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(h);
    return true;
#else
    const QByteArray path = QFile::encodeName(devicePath);
    struct stat st {};
    if (::stat(path.constData(), &st) != 0 || !S_ISCHR(st.st_mode))
        return false;  // absent, or not a character device
    if (heldByLockFile(devicePath))
        return false;
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;  // EBUSY for an exclusive tty, EIO/ENXIO for absent hardware
    bool available = ::isatty(fd) == 1;
    // Another program's advisory lock on the device also means it is held.
    if (available && ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        available = false;
    ::close(fd);
    return available;
#endif
}

bool commAvailable(int n, const QString& programFolder)
{
    return probePortDevice(GetAlias(n, programFolder));
}

} // namespace gv
