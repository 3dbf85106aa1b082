#include "SingleCopy.h"

#include "Places.h"

#include <QDir>

namespace {

const QString kLockName = QStringLiteral("Quendo.lock");

} // namespace

SingleCopyLock::SingleCopyLock(const QString &path) : m_path(path), m_lock(path)
{
    // Whether a lock is stale depends on its holder alone, never on its age: a copy that has run
    // for hours is as alive as one just started.
    m_lock.setStaleLockTime(0);
}

SingleCopyLock::Outcome SingleCopyLock::take()
{
    if (m_lock.tryLock(0))
        return Outcome::OnlyCopy;
    if (m_lock.error() != QLockFile::LockFailedError)
        return Outcome::NoLock;
    // QLockFile has already taken over the lock of a holder that is gone; what it left is the
    // lock of a living copy, or a file it cannot read as a lock at all.
    if (m_lock.getLockInfo(nullptr, nullptr, nullptr))
        return Outcome::OtherCopy;
    // A copy that is writing its lock right now holds the file's native lock, so the removal
    // fails for it; garbage goes.
    if (m_lock.removeStaleLockFile() && m_lock.tryLock(0))
        return Outcome::OnlyCopy;
    if (m_lock.getLockInfo(nullptr, nullptr, nullptr))
        return Outcome::OtherCopy;
    return m_lock.error() == QLockFile::LockFailedError ? Outcome::Stuck : Outcome::NoLock;
}

QString singleCopyLockPath(const QString &tempFolder)
{
    return tempFolder.isEmpty() ? fallbackLockPath() : tempFolder + kLockName;
}

QString fallbackLockPath()
{
    const QString folder = userConfigFolder();
    if (folder.isEmpty())
        return QString();
    QDir().mkpath(folder);
    return folder + u'/' + kLockName;
}
