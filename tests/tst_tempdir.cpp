#include "TempDir.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TestTempDir : public QObject
{
    Q_OBJECT
private slots:
    void privateRuntimeFolderIsUsed()
    {
        QTemporaryDir runtime;
        QFile::setPermissions(runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        QCOMPARE(GetTempDir(), runtime.path() + QLatin1Char('/'));
    }

    void sharedRuntimeFolderIsNotTrusted()
    {
        QTemporaryDir shared;
        QFile::setPermissions(shared.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                 QFile::ExeOwner | QFile::ReadOther |
                                                 QFile::WriteOther | QFile::ExeOther);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(shared.path()));
        const QString dir = GetTempDir();
        QVERIFY(dir.endsWith(QLatin1Char('/')));
        QVERIFY(!dir.startsWith(shared.path()));
        struct stat st;
        QCOMPARE(::lstat(QFile::encodeName(dir).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0700);
        QCOMPARE(st.st_uid, ::getuid());
    }

    void noRuntimeFolderFallsBackToOwnFolder()
    {
        qunsetenv("XDG_RUNTIME_DIR");
        const QString dir = GetTempDir();
        QVERIFY(dir.startsWith(QDir::tempPath()));
        QVERIFY(QFileInfo(dir).isDir());
        QCOMPARE(GetTempDir(), dir); // the second call finds the same folder
    }

    void writingReplacesAPlantedLinkInsteadOfFollowingIt()
    {
        QTemporaryDir dir;
        const QString victim = dir.filePath(QStringLiteral("victim.txt"));
        QFile v(victim);
        QVERIFY(v.open(QIODevice::WriteOnly));
        v.write("precious");
        v.close();
        const QString target = dir.filePath(QStringLiteral("~tmp.lng"));
        QVERIFY(QFile::link(victim, target));

        writeFileAtomically(target, "[lang]\r\n");

        QVERIFY(!QFileInfo(target).isSymLink());
        QFile t(target);
        QVERIFY(t.open(QIODevice::ReadOnly));
        QCOMPARE(t.readAll(), QByteArray("[lang]\r\n"));
        QVERIFY(v.open(QIODevice::ReadOnly));
        QCOMPARE(v.readAll(), QByteArray("precious"));
    }

    void writingAShorterFileLeavesNoTail()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("f"));
        writeFileAtomically(path, "a long first version");
        writeFileAtomically(path, "short");
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("short"));
    }

    void unwritableFolderRaisesAnError()
    {
        QVERIFY_THROWS_EXCEPTION(RunTimeError,
                                 writeFileAtomically(QStringLiteral("/nonexistent/dir/f"), "x"));
    }
};

QTEST_GUILESS_MAIN(TestTempDir)
#include "tst_tempdir.moc"
