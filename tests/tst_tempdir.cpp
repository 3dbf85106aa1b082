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

#include <sys/stat.h>
#include <unistd.h>

static const QString kOwnName = QStringLiteral("quendo-") + QString::number(::getuid());

class TestTempDir : public QObject
{
    Q_OBJECT
private slots:
    // Which folder is taken: "runtime" the runtime folder, "own" quendo-<uid> below TMPDIR,
    // "/tmp" quendo-<uid> below /tmp when TMPDIR is relative.
    void theRuntimeFolderOnlyWhenPrivateAndAbsolute_data()
    {
        QTest::addColumn<QByteArray>("runtime");
        QTest::addColumn<QString>("taken");
        QTest::newRow("private") << QByteArray("0700") << "runtime";
        QTest::newRow("open to others") << QByteArray("0777") << "own";
        QTest::newRow("relative") << QByteArray("run") << "own";
        QTest::newRow("none, relative TMPDIR") << QByteArray() << "/tmp";
    }
    void theRuntimeFolderOnlyWhenPrivateAndAbsolute()
    {
        QFETCH(QByteArray, runtime);
        QFETCH(QString, taken);
        QTemporaryDir work;
        const QString before = QDir::currentPath();
        QDir::setCurrent(work.path());
        const auto back = qScopeGuard([&] { QDir::setCurrent(before); });
        // A private "run" in the current folder, for the relative row.
        QCOMPARE(::mkdir("run", 0700), 0);
        const QString folder = work.filePath(QStringLiteral("rt"));
        QCOMPARE(::mkdir(QFile::encodeName(folder), 0700), 0);
        QCOMPARE(::chmod(QFile::encodeName(folder), runtime.toUInt(nullptr, 8)), 0);
        const EnvironmentValue rt("XDG_RUNTIME_DIR",
                                  runtime.startsWith('0') ? QFile::encodeName(folder) : runtime);
        const EnvironmentValue tmp("TMPDIR", taken == u"/tmp" ? QByteArray("somewhere/relative")
                                                              : QFile::encodeName(work.path()));
        const QString expected = taken == u"runtime" ? folder + u'/'
                                 : taken == u"own"   ? work.filePath(kOwnName) + u'/'
                                                     : QStringLiteral("/tmp/") + kOwnName + u'/';
        QCOMPARE(GetTempDir(), expected);
        QCOMPARE(GetTempDir(), expected); // found again once made
        struct stat st;
        QCOMPARE(::lstat(QFile::encodeName(expected), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0700);
        QCOMPARE(st.st_uid, ::getuid());
    }

    void anUnusableOwnFolderMeansNone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a link to a private folder") << "link" << QStringLiteral("a link");
        QTest::newRow("a file") << "file" << QStringLiteral("not a folder");
        QTest::newRow("open to others") << "open" << QStringLiteral("open to other users");
        QTest::newRow("another user's") << "foreign" << QStringLiteral("belongs to another user");
        QTest::newRow("read-only") << "read-only" << QStringLiteral("cannot be written");
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
            QCOMPARE(::mkdir(QFile::encodeName(base.filePath(QStringLiteral("elsewhere"))), 0700),
                     0);
            QVERIFY(QFile::link(base.filePath(QStringLiteral("elsewhere")), own));
        } else if (kind == u"file") {
            QFile f(own);
            QVERIFY(f.open(QIODevice::WriteOnly));
        } else {
            QCOMPARE(::mkdir(native, 0700), 0);
            QCOMPARE(kind == u"foreign" ? ::chown(native, 65534, 65534)
                                        : ::chmod(native, kind == u"open" ? 0777 : 0500),
                     0);
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
        // The start-up says so in the current language, naming the folders tried.
        holdLanguageTable(builtLanguageTable());
        setCurrentLanguage(Language::fromIndex(1));
        FakeDialogs dialogs;
        QCOMPARE(placeLanguageTable(dialogs, found, "[lang]\r\n"), QString());
        holdLanguageTable(QByteArray());
        setCurrentLanguage(Language());
        QCOMPARE(dialogs.texts(),
                 QStringList({"Quendo has no private folder for temporary files and "
                              "carries on without one. Please check:\n\n" +
                              own}));
    }

    // The file is replaced as a whole: no tail of a longer one, and a planted link is replaced,
    // never followed.
    void writingReplacesAPlantedLinkInsteadOfFollowingIt()
    {
        ProgramFolder dir;
        dir.write(QStringLiteral("victim.txt"), "precious");
        const QString target = dir.file(QStringLiteral("~tmp.lng"));
        QVERIFY(QFile::link(dir.file(QStringLiteral("victim.txt")), target));
        writeFileAtomically(target, "[lang] a longer first version\r\n");
        writeFileAtomically(target, "[lang]\r\n");
        QVERIFY(!QFileInfo(target).isSymLink());
        QCOMPARE(dir.read(QStringLiteral("~tmp.lng")), QByteArray("[lang]\r\n"));
        QCOMPARE(dir.read(QStringLiteral("victim.txt")), QByteArray("precious"));
        QVERIFY_THROWS_EXCEPTION(RunTimeError,
                                 writeFileAtomically(QStringLiteral("/nonexistent/dir/f"), "x"));
    }

    // A full temporary folder: the table stays in memory, the user is told once in words, and
    // there is no error report; the file of the last run stays whole.
    void aFullTemporaryFolderKeepsTheLanguageTableInMemory()
    {
        ProgramFolder dir;
        installLanguageTable(dir.path());
        const auto back = qScopeGuard([] { setLangFilePath(QString()); });
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("temp")));
        dir.write(QStringLiteral("temp/~tmp.lng"), "[last run]\r\n");
        const TempFolder temp{dir.file(QStringLiteral("temp/")), {}, QString()};
        FakeDialogs dialogs;
        ErrorRecorder errors;
        std::optional<FileSizeLimit> limit(std::in_place, 10);
        const QString placed = placeLanguageTable(dialogs, temp, QByteArray(4096, 'x'));
        limit.reset();
        QCOMPARE(placed, QString());
        QCOMPARE(dir.read(QStringLiteral("temp/~tmp.lng")), QByteArray("[last run]\r\n"));
        QCOMPARE(dialogs.texts(), QStringList({"Quendos Ordner für temporäre Dateien ist voll; "
                                               "Quendo läuft ohne ihn weiter. Bitte schaffen Sie "
                                               "Platz in:\n\n" +
                                               temp.path}));
        QVERIFY(errors.errors().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTempDir)
#include "tst_tempdir.moc"
