// What every benchmark starts from: a private program folder with the language table written
// where the texts are looked up, German as the language.
#pragma once

#include "Language.h"
#include "Places.h"
#include "TempDir.h"

#include <QFile>
#include <QTemporaryDir>

class BenchFolder
{
public:
    BenchFolder()
    {
        setProgramFolder(m_dir.path());
        QFile table(QStringLiteral(":/res/custom/1000"));
        m_ready = table.open(QIODevice::ReadOnly);
        const QString path = m_dir.filePath(QStringLiteral("~tmp.lng"));
        if (m_ready)
            writeFileAtomically(path, table.readAll());
        setLangFilePath(path);
        setCurrentLanguage(Language());
    }
    ~BenchFolder() { setProgramFolder(QString()); }
    BenchFolder(const BenchFolder &) = delete;
    BenchFolder &operator=(const BenchFolder &) = delete;

    bool ready() const { return m_ready; } // false: the program's resources are missing
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    bool m_ready = false;
};
