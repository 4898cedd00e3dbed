#pragma once
// One running program per program folder.  The lock is a file in the folder
// (FolderLockName) that names the process holding it; it is held for the
// whole run and removed when the program ends.  A lock left behind by a
// program that crashed or was killed (kill -9, a power cut) names a process
// that no longer runs, and the next start takes it over.

#include <QLockFile>
#include <QString>

namespace gv {

constexpr const char* FolderLockName = "gyrovane.lock";

class FolderLock {
public:
    explicit FolderLock(const QString& programFolder);

    enum class State {
        Held,        // this program now holds the folder
        InUse,       // another running program holds it
        Unavailable, // no lock could be made (say, no write access): nothing shows another program there
    };
    State acquire();

    QString path() const { return path_; }

private:
    QString path_;
    QLockFile lock_;
};

} // namespace gv
