#include "Places.h"

#include "SaveTrouble.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Decision
{
    QString folder;
    bool writable = false;
};

QString &folderOverride()
{
    static QString folder;
    return folder;
}

// Asked by making a file there: permissions alone do not tell about read-only mounts.
bool takesNewFiles(const QString &folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.quendo-XXXXXX"));
    return probe.open();
}

// More than any settings file the program writes, and one block of a usual file system.
constexpr qsizetype kProbeBytes = 4096;

// 0 when the folder took kProbeBytes in a new file (removed again), else why not (errno).
int sizedWriteFails(const QString &folder)
{
    QTemporaryFile file(folder + QStringLiteral("/.quendo-XXXXXX"));
    errno = 0;
    if (!file.open())
        return errno != 0 ? errno : EACCES;
    const QByteArray block(kProbeBytes, ' ');
    qsizetype done = 0;
    while (done < block.size()) {
        const ssize_t n =
            ::write(file.handle(), block.constData() + done, size_t(block.size() - done));
        if (n < 0 && errno != EINTR)
            return errno;
        if (n == 0)
            return ENOSPC;
        done += n > 0 ? n : 0;
    }
    return 0;
}

WritableProbe &probe()
{
    static WritableProbe chosen = nullptr;
    return chosen;
}

bool writable(const QString &folder)
{
    return probe() ? probe()(folder) : takesNewFiles(folder);
}

Decision &decided()
{
    static Decision decision;
    return decision;
}

const Decision &decision()
{
    Decision &d = decided();
    const QString folder = programFolder();
    if (d.folder != folder || folder.isNull())
        d = {folder, writable(folder)};
    return d;
}

// A relative XDG folder is ignored, as the XDG rules say: it would stop resolving once the
// program changes folder.
QString ownFolder(QStandardPaths::StandardLocation location, const QString &belowHome)
{
    QString folder = QStandardPaths::writableLocation(location);
    if (QDir::isRelativePath(folder)) {
        const QString home = QDir::homePath();
        folder = QDir::isAbsolutePath(home) ? QDir::cleanPath(home + belowHome) : QString();
    }
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/Quendo");
}

} // namespace

QString programFolder()
{
    const QString &folder = folderOverride();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

void setProgramFolder(const QString &folder)
{
    folderOverride() = folder;
}

bool programFolderWritable()
{
    return decision().writable;
}

void setWritableProbe(WritableProbe chosen)
{
    probe() = chosen;
    decided() = {};
}

QString settingsFolder()
{
    if (programFolderWritable())
        return programFolder();
    const QString own = userConfigFolder();
    if (own.isEmpty())
        return programFolder(); // nowhere else to go: reads still work, writes fail quietly
    QDir().mkpath(own);
    return own;
}

QString userConfigFolder()
{
    return ownFolder(QStandardPaths::GenericConfigLocation, QStringLiteral("/.config"));
}

QString userDataFolder()
{
    return ownFolder(QStandardPaths::GenericDataLocation, QStringLiteral("/.local/share"));
}

QStringList schoolListFolders(const QString &language)
{
    QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.isEmpty())
        dirs = QStringLiteral("/usr/local/share:/usr/share");
    QStringList folders;
    for (const QString &dir : dirs.split(u':', Qt::SkipEmptyParts)) {
        const QString folder = QDir::cleanPath(dir) + QStringLiteral("/quendo/") + language;
        // Relative entries are ignored, as the XDG rules say.
        if (QDir::isAbsolutePath(dir) && QFileInfo(folder).isDir() && !folders.contains(folder))
            folders.append(folder);
    }
    return folders;
}

QStringList listFolders(const QString &language)
{
    const QString shipped = programFolder() + u'/' + language;
    const QString own = userDataFolder();
    // The folder saved lists go to comes first, or a school's list would hide the teacher's.
    if (programFolderWritable() || own.isEmpty())
        return QStringList{shipped} + schoolListFolders(language);
    return QStringList{own + u'/' + language} + schoolListFolders(language) + QStringList{shipped};
}

QString listSaveFolder(const QString &language)
{
    const QString folder = listFolders(language).constFirst();
    if (!programFolderWritable())
        QDir().mkpath(folder);
    return folder;
}

bool isPlainList(const QString &folder, const QString &name)
{
    struct stat st;
    return ::stat(QFile::encodeName(folder).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           ::stat(QFile::encodeName(folder + u'/' + name).constData(), &st) == 0 &&
           S_ISREG(st.st_mode);
}

QString existingListPath(const QString &language, const QString &name)
{
    for (const QString &folder : listFolders(language)) {
        if (isPlainList(folder, name))
            return folder + u'/' + name;
    }
    return QString();
}

QString listPath(const QString &language, const QString &name)
{
    const QString existing = existingListPath(language, name);
    return existing.isEmpty() ? listFolders(language).constFirst() + u'/' + name : existing;
}

FilesKept userFilesKept()
{
    QStringList folders;
    if (programFolderWritable()) {
        folders << programFolder();
    } else {
        for (const QString &own : {userConfigFolder(), userDataFolder()}) {
            if (own.isEmpty() || !QDir().mkpath(own))
                return {false, false, own};
            folders << own;
        }
    }
    for (const QString &folder : std::as_const(folders)) {
        if (probe()) {
            if (!probe()(folder))
                return {false, false, folder};
        } else if (const int err = sizedWriteFails(folder)) {
            return {false, writeTroubleAt(folder, err) == WriteTrouble::Full, folder};
        }
    }
    return {};
}
