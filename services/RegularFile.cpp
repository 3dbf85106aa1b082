#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

RegularFile failed(RegularFile::Status status)
{
    return RegularFile{status, {}};
}

} // namespace

RegularFile readRegularFile(const QString &path, qint64 maxBytes, Links links)
{
    if (path.isEmpty())
        return failed(RegularFile::Missing);
    const QByteArray native = QFile::encodeName(path);
    // Looked at before opening: opening a device can have effects of its own.
    const bool refuseLinks = links == Links::Refused;
    struct stat st;
    if ((refuseLinks ? ::lstat(native.constData(), &st) : ::stat(native.constData(), &st)) != 0)
        return failed(errno == ENOENT || errno == ENOTDIR ? RegularFile::Missing
                                                          : RegularFile::Unreadable);
    if (S_ISLNK(st.st_mode))
        return failed(RegularFile::Missing);
    if (!S_ISREG(st.st_mode))
        return failed(RegularFile::NotRegular);
    // Qt has no non-blocking open: a pipe swapped in after the look must not block the open.
    // A link swapped in after the look is not followed either.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC |
                                                  (refuseLinks ? O_NOFOLLOW : 0));
    if (fd < 0)
        return failed(errno == ENOENT || errno == ELOOP ? RegularFile::Missing
                                                        : RegularFile::Unreadable);
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return failed(RegularFile::NotRegular);
    }
    if (st.st_size > maxBytes) {
        ::close(fd);
        return failed(RegularFile::TooLarge);
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return failed(RegularFile::Unreadable);
    }
    // Read to the end, but one byte past the limit at most: that byte tells a file that grew
    // after the look.
    QByteArray bytes;
    bytes.reserve(qsizetype(st.st_size));
    char chunk[64 * 1024];
    while (bytes.size() <= maxBytes) {
        const qint64 want = std::min<qint64>(qint64(sizeof chunk), maxBytes + 1 - bytes.size());
        const qint64 got = file.read(chunk, want);
        if (got < 0)
            return failed(RegularFile::Unreadable);
        if (got == 0)
            break;
        bytes.append(chunk, qsizetype(got));
    }
    if (bytes.size() > maxBytes)
        return failed(RegularFile::TooLarge);
    return RegularFile{RegularFile::Ok, std::move(bytes)};
}

QString regularFileProblem(RegularFile::Status status, qint64 maxBytes)
{
    switch (status) {
    case RegularFile::Ok:
        return QString();
    case RegularFile::Missing:
        return QStringLiteral("not found");
    case RegularFile::NotRegular:
        return QStringLiteral("not a regular file");
    case RegularFile::TooLarge:
        return maxBytes % (1024 * 1024) == 0
                   ? QStringLiteral("larger than %1 MB").arg(maxBytes / (1024 * 1024))
                   : QStringLiteral("larger than %1 bytes").arg(maxBytes);
    case RegularFile::Unreadable:
        return QStringLiteral("cannot be read");
    }
    return QString();
}

bool isLink(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

bool markedReadOnly(const QString &path)
{
    const QFileInfo info(path);
    // WriteUser is left out: it tells what this user may do, which for root is everything.
    constexpr auto anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return info.exists() && (!info.isWritable() || !(info.permissions() & anyWrite));
}
