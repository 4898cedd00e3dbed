#include "platform/FolderLock.h"

#include "platform/MessageBoxes.h"

#include <QFileInfo>
#include <QSysInfo>

#include <cstdio>

namespace gv {

FolderLock::FolderLock(const QString& programFolder)
    : folder_(programFolder), path_(programFolder + QLatin1Char('/') + QLatin1String(FolderLockName)),
      lock_(path_)
{
    // Held for the whole run, so never stale by age: a lock that names its
    // process is taken over only when that process is gone.
    lock_.setStaleLockTime(0);
}

FolderLock::Result FolderLock::acquire(const QDateTime& now)
{
    if (lock_.isLocked())
        return {State::Held, {}, {}};
    // A lock that goes away while we look (its program ended) is tried again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (lock_.tryLock(0))
            return {State::Held, {}, {}};
        switch (lock_.error()) {
        case QLockFile::PermissionError:
            return {State::Unavailable, {}, QStringLiteral("no permission to create files in the folder")};
        case QLockFile::LockFailedError:
            break;
        default:
            return {State::Unavailable, {},
                    QStringLiteral("the file could not be created or written (a full disk, a missing folder?)")};
        }
        // The lock stays: its process runs, or it is not one of this computer.
        qint64 pid = 0;
        QString host;
        QString app;
        if (lock_.getLockInfo(&pid, &host, &app)) {
            if (!host.isEmpty() && host != QSysInfo::machineHostName())
                return {State::OtherComputer, host, {}};
            return {State::InUse, {}, {}};
        }
        // It names no process: empty or garbled.
        const QFileInfo file(path_);
        if (!file.exists())
            continue;
        if (qAbs(file.lastModified().msecsTo(now)) < UnreadableLockGraceMs)
            return {State::InUse, {}, {}}; // a start may be writing it just now
        // Left by a start that never got to write it.  The removal fails
        // while a running program holds the file open and locked.
        if (!lock_.removeStaleLockFile() && QFileInfo::exists(path_))
            return {State::Unavailable, {},
                    QStringLiteral("it names no program and could not be removed")};
    }
    return {State::InUse, {}, {}};
}

namespace {

QString heldText(const FolderLock& lock, const FolderLock::Result& r)
{
    if (r.state == FolderLock::State::OtherComputer)
        return QStringLiteral("Gyrovane on the computer %1 holds the program folder\r\n%2\r\n"
                              "and may still be running there.\r\n\r\n"
                              "This copy closes without changing anything there. Once no Gyrovane "
                              "runs on %1, deleting its lock file\r\n%3\r\nlets this start go ahead.")
            .arg(r.holderHost, lock.folder(), lock.path());
    return QStringLiteral("Gyrovane is already running with the program folder\r\n") + lock.folder() +
           QStringLiteral("\r\n\r\nThis copy closes without changing anything there.");
}

} // namespace

bool takeProgramFolder(FolderLock& lock, const QDateTime& now)
{
    // A second program on the folder would restore the day's totals again,
    // write its own summary line from them and save its own settings over
    // the first one's.
    const FolderLock::Result r = lock.acquire(now);
    switch (r.state) {
    case FolderLock::State::Held:
        return true;
    case FolderLock::State::Unavailable:
        // Nothing shows another program there; the folder itself will tell
        // what else fails.  Standard error, where a user who started the
        // program from a terminal reads it.
        std::fprintf(stderr, "Gyrovane: program folder lock %s not made: %s\n", qPrintable(lock.path()),
                     qPrintable(r.reason));
        std::fflush(stderr);
        return true;
    case FolderLock::State::InUse:
    case FolderLock::State::OtherComputer:
        break;
    }
    showMessage(nullptr, heldText(lock, r));
    return false;
}

} // namespace gv
