#include "platform/FolderLock.h"

namespace gv {

FolderLock::FolderLock(const QString& programFolder)
    : path_(programFolder + QLatin1Char('/') + QLatin1String(FolderLockName)), lock_(path_)
{
    // Held for the whole run, so never stale by age: only a lock whose
    // process is gone is taken over.
    lock_.setStaleLockTime(0);
}

FolderLock::State FolderLock::acquire()
{
    if (lock_.isLocked() || lock_.tryLock(0))
        return State::Held;
    return lock_.error() == QLockFile::LockFailedError ? State::InUse : State::Unavailable;
}

} // namespace gv
