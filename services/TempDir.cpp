#include "TempDir.h"

#include "ErrorConvention.h"
#include "RunTimeError.h"

#include <QDir>
#include <QSaveFile>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// What keeps the folder from being a private one this user can write; empty when it is one.
QString whyNotPrivate(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st;
    if (::lstat(native.constData(), &st) != 0)
        return QStringLiteral("missing");
    if (S_ISLNK(st.st_mode))
        return QStringLiteral("a link");
    if (!S_ISDIR(st.st_mode))
        return QStringLiteral("not a folder");
    if (st.st_uid != ::getuid())
        return QStringLiteral("belongs to another user");
    if ((st.st_mode & 0077) != 0)
        return QStringLiteral("open to other users");
    if (::access(native.constData(), W_OK | X_OK) != 0)
        return QStringLiteral("cannot be written");
    return QString();
}

QString withSeparator(QString path)
{
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

} // namespace

TempFolder findTempFolder()
{
    QStringList tried;
    QStringList problems;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        tried << runtime;
        if (QDir::isRelativePath(runtime)) {
            problems << runtime + QStringLiteral(" (XDG_RUNTIME_DIR): not an absolute path");
        } else {
            const QString why = whyNotPrivate(runtime);
            if (why.isEmpty())
                return {withSeparator(runtime), {}, QString()};
            problems << runtime + QStringLiteral(": ") + why;
        }
    }
    QString base = QDir::tempPath();
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QStringLiteral("/tmp");
    const QString own = base + QStringLiteral("/quendo-") + QString::number(::getuid());
    ::mkdir(QFile::encodeName(own).constData(), 0700); // an existing one is looked at below
    tried << own;
    const QString why = whyNotPrivate(own);
    if (why.isEmpty())
        return {withSeparator(own), {}, QString()};
    problems << own + QStringLiteral(": ") + why;
    return {QString(), tried, problems.join(QStringLiteral("; "))};
}

QString GetTempDir()
{
    QString result;
    Procedure proc(Proc::Allgemein::GetTempDir);
    proc.step([&] { result = findTempFolder().path; });
    return result;
}

FileReplaced replaceFile(const QString &path, const QByteArray &bytes)
{
    // QSaveFile writes through a link to its target: remove a link first, so it is replaced.
    struct stat st;
    const QByteArray native = QFile::encodeName(path);
    errno = 0;
    if (::lstat(native.constData(), &st) == 0 && S_ISLNK(st.st_mode) &&
        ::unlink(native.constData()) != 0)
        return {FileReplaced::Opening, errno};
    QSaveFile file(path);
    // Unbuffered, so that a short write (full disk) is seen here, not committed as a success.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {FileReplaced::Opening, errno};
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.commit())
        return {FileReplaced::Writing, errno};
    return {};
}

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    switch (replaceFile(path, bytes).failed) {
    case FileReplaced::Done:
        return;
    case FileReplaced::Opening:
        throw RunTimeError(ErrNo::PathFileAccess, path);
    case FileReplaced::Writing:
        break;
    }
    throw RunTimeError(ErrNo::DeviceIoError, path);
}
