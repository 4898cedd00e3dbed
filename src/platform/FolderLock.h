#pragma once
// One running program per program folder.  The lock is a file in the folder
// (FolderLockName) that names the process holding it and its computer; it is
// held for the whole run and removed when the program ends.
//
// A lock left behind is taken over when nothing can still hold it:
// - it names a process of this computer that no longer runs (a crash,
//   kill -9, or a power cut: the computer has started again since);
// - it names no process at all (empty or garbled: a power cut came before
//   the file system wrote the new file's content) and is older than
//   UnreadableLockGraceMs; a younger one may be a start that is writing it
//   just now, so it counts as held.
// A lock written on another computer (a program folder on a USB stick or a
// shared drive) is never taken over: that computer may still be running on
// the folder.  Only the user can tell, and deleting the file lets the next
// start go ahead.

#include <QDateTime>
#include <QLockFile>
#include <QString>

namespace gv {

constexpr const char* FolderLockName = "gyrovane.lock";

class FolderLock {
public:
    explicit FolderLock(const QString& programFolder);

    static constexpr qint64 UnreadableLockGraceMs = 10000;

    enum class State {
        Held,          // this program now holds the folder
        InUse,         // a running program on this computer holds it
        OtherComputer, // the lock was written on another computer (holderHost)
        Unavailable,   // no lock could be made (reason); nothing shows another program there
    };
    struct Result {
        State state = State::Unavailable;
        QString holderHost; // OtherComputer: the computer the lock names
        QString reason;     // Unavailable: why no lock could be made
    };
    // `now` decides the age of a lock that names no process.
    Result acquire(const QDateTime& now);

    QString folder() const { return folder_; }
    QString path() const { return path_; }

private:
    QString folder_;
    QString path_;
    QLockFile lock_;
};

// The program's start on its folder: takes the lock, or says why not.  False
// when another program holds the folder: the message (through the message-box
// layer) has said which and how out of it, and nothing has been written in
// the folder.  A folder where no lock can be made is used all the same, and
// standard error hears why.
bool takeProgramFolder(FolderLock& lock, const QDateTime& now);

} // namespace gv
