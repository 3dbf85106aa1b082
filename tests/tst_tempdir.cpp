#include "FakeDialogs.h"
#include "Language.h"
#include "StartupChecks.h"
#include "TempDir.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kOwnName = QStringLiteral("quendo-") + QString::number(::getuid());

} // namespace

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

    void aRelativeRuntimeFolderIsIgnored()
    {
        QTemporaryDir work;
        const QString before = QDir::currentPath();
        QDir::setCurrent(work.path());
        const auto back = qScopeGuard([&] { QDir::setCurrent(before); });
        QVERIFY(QDir().mkdir(QStringLiteral("run")));
        QFile::setPermissions(QStringLiteral("run"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const EnvironmentValue runtime("XDG_RUNTIME_DIR", "run");
        const EnvironmentValue tmp("TMPDIR", QFile::encodeName(work.path()));
        QCOMPARE(GetTempDir(), work.path() + u'/' + kOwnName + u'/');
    }

    void aRelativeTemporaryFolderIsIgnored()
    {
        const EnvironmentValue runtime("XDG_RUNTIME_DIR", QByteArray());
        const EnvironmentValue tmp("TMPDIR", "somewhere/relative");
        QCOMPARE(GetTempDir(), QStringLiteral("/tmp/") + kOwnName + u'/');
    }

    void anUnusableOwnFolderMeansNone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a link to a private folder") << "link"
                                                    << "a link";
        QTest::newRow("a file") << "file"
                                << "not a folder";
        QTest::newRow("open to others") << "open"
                                        << "open to other users";
        QTest::newRow("another user's") << "foreign"
                                        << "belongs to another user";
        QTest::newRow("read-only") << "read-only"
                                   << "cannot be written";
    }
    void anUnusableOwnFolderMeansNone()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        if (kind == u"foreign" && ::geteuid() != 0)
            QSKIP("only root can give a folder to another user");
        if (kind == u"read-only" && ::geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QTemporaryDir base;
        const QString own = base.filePath(kOwnName);
        const QByteArray native = QFile::encodeName(own);
        if (kind == u"link") {
            QVERIFY(QDir(base.path()).mkdir(QStringLiteral("elsewhere")));
            QCOMPARE(::chmod(QFile::encodeName(base.filePath(QStringLiteral("elsewhere"))), 0700),
                     0);
            QVERIFY(QFile::link(base.filePath(QStringLiteral("elsewhere")), own));
        } else if (kind == u"file") {
            QFile f(own);
            QVERIFY(f.open(QIODevice::WriteOnly));
        } else {
            QCOMPARE(::mkdir(native.constData(), 0700), 0);
            if (kind == u"open")
                QCOMPARE(::chmod(native.constData(), 0777), 0);
            else if (kind == u"read-only")
                QCOMPARE(::chmod(native.constData(), 0500), 0);
            else
                QCOMPARE(::chown(native.constData(), 65534, 65534), 0);
        }
        const EnvironmentValue runtime("XDG_RUNTIME_DIR", QByteArray());
        const EnvironmentValue tmp("TMPDIR", QFile::encodeName(base.path()));
        ErrorRecorder errors;
        const TempFolder found = findTempFolder();
        QCOMPARE(found.path, QString());
        QCOMPARE(found.tried, QStringList({own}));
        QCOMPARE(found.problem, own + QStringLiteral(": ") + reason);
        QCOMPARE(GetTempDir(), QString());
        QVERIFY(errors.errors().isEmpty());
    }

    void anUnusableRuntimeFolderFallsBackToTheOwnOne()
    {
        QTemporaryDir base;
        QTemporaryDir shared;
        QFile::setPermissions(shared.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                 QFile::ExeOwner | QFile::WriteOther |
                                                 QFile::ExeOther);
        const EnvironmentValue runtime("XDG_RUNTIME_DIR", QFile::encodeName(shared.path()));
        const EnvironmentValue tmp("TMPDIR", QFile::encodeName(base.path()));
        QCOMPARE(findTempFolder().path, base.filePath(kOwnName) + u'/');
        QVERIFY(QFileInfo(base.filePath(kOwnName)).isDir());
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

    // A full temporary folder: the table stays in memory, the user is told once in words, and
    // there is no error report; the file of the last run stays whole.
    void theLanguageTableFindsRoomOrStaysInMemory_data()
    {
        QTest::addColumn<bool>("full");
        QTest::newRow("room") << false;
        QTest::newRow("full") << true;
    }
    void theLanguageTableFindsRoomOrStaysInMemory()
    {
        QFETCH(bool, full);
        QTemporaryDir texts;
        installLanguageTable(texts.path());
        const auto back = qScopeGuard([] { setLangFilePath(QString()); });
        QTemporaryDir dir;
        const TempFolder temp{dir.path() + u'/', {}, QString()};
        QFile last(dir.filePath(QStringLiteral("~tmp.lng")));
        QVERIFY(last.open(QIODevice::WriteOnly));
        last.write("[last run]\r\n");
        last.close();
        const QByteArray table(4096, 'x');
        FakeDialogs dialogs;
        ErrorRecorder errors;
        std::optional<FileSizeLimit> limit;
        if (full)
            limit.emplace(10);
        const QString placed = placeLanguageTable(dialogs, temp, table);
        limit.reset();
        QVERIFY(last.open(QIODevice::ReadOnly));
        QVERIFY(errors.errors().isEmpty());
        if (!full) {
            QCOMPARE(placed, last.fileName());
            QCOMPARE(last.readAll(), table);
            QVERIFY(dialogs.shown.isEmpty());
            return;
        }
        QCOMPARE(placed, QString());
        QCOMPARE(last.readAll(), QByteArray("[last run]\r\n"));
        QCOMPARE(dialogs.texts(),
                 QStringList({QStringLiteral("Quendos Ordner für temporäre Dateien ist voll; "
                                             "Quendo läuft ohne ihn weiter. Bitte schaffen Sie "
                                             "Platz in:\n\n") +
                              temp.path}));
    }

    void unwritableFolderRaisesAnError()
    {
        QVERIFY_THROWS_EXCEPTION(RunTimeError,
                                 writeFileAtomically(QStringLiteral("/nonexistent/dir/f"), "x"));
    }
};

QTEST_GUILESS_MAIN(TestTempDir)
#include "tst_tempdir.moc"
