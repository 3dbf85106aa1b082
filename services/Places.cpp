#include "Places.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

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

QStringList listFolders(const QString &language)
{
    const QString shipped = programFolder() + u'/' + language;
    const QString own = userDataFolder();
    if (programFolderWritable() || own.isEmpty())
        return {shipped};
    return {own + u'/' + language, shipped};
}

QString listSaveFolder(const QString &language)
{
    const QString folder = listFolders(language).constFirst();
    if (!programFolderWritable())
        QDir().mkpath(folder);
    return folder;
}

QString listPath(const QString &language, const QString &name)
{
    for (const QString &folder : listFolders(language)) {
        const QString path = folder + u'/' + name;
        if (QFileInfo::exists(path))
            return path;
    }
    return listFolders(language).constFirst() + u'/' + name;
}

bool userFilesKept()
{
    if (programFolderWritable())
        return true;
    for (const QString &own : {userConfigFolder(), userDataFolder()}) {
        if (own.isEmpty() || !QDir().mkpath(own) || !writable(own))
            return false;
    }
    return true;
}
