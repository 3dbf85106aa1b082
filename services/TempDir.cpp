#include "TempDir.h"

#include "ErrorConvention.h"
#include "RunTimeError.h"
#include "Settings.h"

#include <QDir>
#include <QSaveFile>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A real folder (not a link), owned by us, that nobody else may write.
bool isPrivateFolder(const QString &path)
{
    struct stat st;
    if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 0077) == 0;
}

QString withSeparator(QString path)
{
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

} // namespace

QString GetTempDir()
{
    QString result;
    Procedure proc(Proc::Allgemein::GetTempDir);
    proc.step([&] {
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        if (isPrivateFolder(runtime)) {
            result = withSeparator(runtime);
            return;
        }
        const QString own =
            QDir::tempPath() + QStringLiteral("/quendo-") + QString::number(::getuid());
        const QByteArray ownPath = QFile::encodeName(own);
        if (::mkdir(ownPath.constData(), 0700) != 0 && errno != EEXIST)
            throw RunTimeError(ErrNo::PathFileAccess, own);
        if (!isPrivateFolder(own))
            throw RunTimeError(ErrNo::PathFileAccess, own);
        result = withSeparator(own);
    });
    return result;
}

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    // QSaveFile writes through a link to its target: remove a link first, so it is replaced.
    struct stat st;
    const QByteArray native = QFile::encodeName(path);
    if (::lstat(native.constData(), &st) == 0 && S_ISLNK(st.st_mode) &&
        ::unlink(native.constData()) != 0)
        throw RunTimeError(ErrNo::PathFileAccess, path);
    QSaveFile file(path);
    // Unbuffered, so that a short write (full disk) is seen here, not committed as a success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw RunTimeError(ErrNo::PathFileAccess, path);
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw RunTimeError(ErrNo::DeviceIoError, path);
}
