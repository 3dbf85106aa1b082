// One running copy of the program per user: a lock file in the private temporary folder, or in
// the user's own settings folder when there is no such folder.
#pragma once

#include <QLockFile>
#include <QString>

class SingleCopyLock
{
public:
    enum class Outcome
    {
        OnlyCopy,  // the lock is ours
        OtherCopy, // a living copy holds it
        Stuck,     // something that is no lock is in the way and cannot be removed
        NoLock     // the lock file cannot be made (no permission, no such folder)
    };

    explicit SingleCopyLock(const QString &path);
    // Takes the lock at once, never waits. A lock of a copy that is gone (crashed, killed,
    // before a restart of the machine) and a file that is no lock (garbage, empty) are taken
    // over; only a lock of a living copy keeps this one out.
    Outcome take();
    QString path() const { return m_path; }

private:
    QString m_path;
    QLockFile m_lock;
};

// The lock in the temporary folder (with its trailing separator), or, when tempFolder is empty,
// fallbackLockPath().
QString singleCopyLockPath(const QString &tempFolder);
// The second place for the lock, for when the first is blocked or missing: the user's own
// settings folder, userConfigFolder() (made when missing). Empty when there is none.
QString fallbackLockPath();
