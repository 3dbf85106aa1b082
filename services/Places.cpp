#include "Places.h"

#include <QCoreApplication>
#include <QDir>
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

const Decision &decision()
{
    static Decision decided;
    const QString folder = programFolder();
    if (decided.folder != folder)
        decided = {folder, takesNewFiles(folder)};
    return decided;
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
    // A relative XDG_CONFIG_HOME is ignored, as the XDG rules say: it would stop resolving once
    // the program changes folder.
    QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (QDir::isRelativePath(config)) {
        const QString home = QDir::homePath();
        config = QDir::isAbsolutePath(home) ? QDir::cleanPath(home + QStringLiteral("/.config"))
                                            : QString();
    }
    return config.isEmpty() ? QString() : config + QStringLiteral("/Quendo");
}
