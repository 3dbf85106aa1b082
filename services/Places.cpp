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
    const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                        QStringLiteral("/Quendo");
    QDir().mkpath(own);
    return own;
}
