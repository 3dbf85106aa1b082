// Where a copy keeps its files: beside the program when its folder can be written, else in the
// user's own folders; word lists from both, the user's first; a private temporary folder; the
// lock that keeps a second copy out.
#include "FakeDialogs.h"
#include "Language.h"
#include "Places.h"
#include "Settings.h"
#include "SettingsTable.h"
#include "StartupChecks.h"
#include "TempDir.h"
#include "TestSupport.h"
#include "VocabularyFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kOwnName = QStringLiteral("quendo-") + QString::number(::getuid());

QString g_readOnly; // the folder the fake probe calls read-only; "*" for every folder

bool fakeProbe(const QString &folder)
{
    return g_readOnly != u"*" && folder != g_readOnly;
}

void playReadOnly(const QString &folder)
{
    g_readOnly = folder;
    setWritableProbe(fakeProbe);
}

QStringList filesBelow(const QString &folder)
{
    QStringList names;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QDir(folder).relativeFilePath(it.next());
    names.sort();
    return names;
}

} // namespace

class TestPlaces : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;
    QTemporaryDir m_data;
    const QString m_start = QDir::currentPath();

private slots:
    void init()
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path()));
        for (const QTemporaryDir *dir : {&m_config, &m_data}) {
            QDir(dir->path()).removeRecursively();
            QDir().mkpath(dir->path());
        }
    }

    void cleanup()
    {
        setWritableProbe(nullptr);
        g_readOnly.clear();
        setCurrentLanguage(Language());
        setLangFilePath(QString());
        holdLanguageTable(QByteArray());
        QDir::setCurrent(m_start);
    }

    // A read-only program folder: settings and lists go to the user's two folders, and nothing
    // else is written anywhere.
    void settingsAndListsGoWhereTheyCanBeWritten()
    {
        ProgramFolder folder;
        installLanguageTable(folder.path());
        folder.write("README.TXT", "read me\r\n");
        playReadOnly(folder.path());
        const QString lists = m_data.path() + "/Quendo/deutsch";
        QCOMPARE(settingsFolder(), m_config.path() + "/Quendo");
        QCOMPARE(VocabularyFile::saveFolder(), lists);
        QCOMPARE(VocabularyFile::languageFolders(),
                 QStringList({lists, folder.path() + "/deutsch"}));
        QVERIFY(userFilesKept());
        Setting::write(Setting::Language, 2000);
        VocabularyFile::writeFile(VocabularyFile::listPath("eigene.dat"), {"Igel", "Maus"});
        QCOMPARE(filesBelow(folder.path()) + filesBelow(m_config.path()) +
                     filesBelow(m_data.path()),
                 QStringList({"README.TXT", "~tmp.lng", "Quendo", "Quendo/Quendo.ini", "Quendo",
                              "Quendo/deutsch", "Quendo/deutsch/eigene.dat"}));
    }

    void theUsersListOfTheSameNameWinsAndBothShow()
    {
        ProgramFolder folder;
        installLanguageTable(folder.path());
        setCurrentLanguage(Language::fromIndex(1));
        const QString lists = m_data.path() + QStringLiteral("/Quendo/english");
        QVERIFY(QDir().mkpath(folder.file("english")) && QDir().mkpath(lists));
        folder.write("english/quendo.dat", "shipped\r\n");
        folder.write("english/animals.dat", "zebra\r\n");
        for (const char *name : {"quendo.dat", "school.dat", "Birds.dat"}) {
            QFile mine(lists + u'/' + name);
            QVERIFY(mine.open(QIODevice::WriteOnly) && mine.write("mine\r\n") > 0);
        }
        playReadOnly(folder.path());
        QCOMPARE(VocabularyFile::listNames("*.dat"),
                 QStringList({"animals.dat", "Birds.dat", "quendo.dat", "school.dat"}));
        QCOMPARE(VocabularyFile::readEditorEntries(VocabularyFile::listPath("quendo.dat")),
                 QStringList({"mine"}));
        QCOMPARE(VocabularyFile::listPath("animals.dat"), folder.file("english/animals.dat"));
        QCOMPARE(VocabularyFile::gameFileName("school.dat"), QStringLiteral("school.dat"));
        QCOMPARE(VocabularyFile::gameFileName("missing.dat"), QStringLiteral("quendo.dat"));

        // The same copy with a writable folder sees only its own lists.
        setWritableProbe(nullptr);
        QCOMPARE(VocabularyFile::listNames("*.dat"), QStringList({"animals.dat", "quendo.dat"}));
        QCOMPARE(VocabularyFile::gameFileName("school.dat"), QStringLiteral("quendo.dat"));
    }

    // A school's lists, one folder for every computer: after the user's own, before the shipped
    // ones, in the order of $XDG_DATA_DIRS; the first list of a name wins.
    void schoolListsComeBetweenOwnAndShipped()
    {
        ProgramFolder folder;
        installLanguageTable(folder.path());
        QTemporaryDir first;
        QTemporaryDir second;
        const QString own = m_data.path() + "/Quendo/deutsch";
        const QString school1 = first.path() + "/quendo/deutsch";
        const QString school2 = second.path() + "/quendo/deutsch";
        const QStringList all = {own, school1, school2, folder.file("deutsch")};
        for (const QString &lists : all) {
            QVERIFY(QDir().mkpath(lists));
            QFile list(lists + QString("/%1.dat").arg(all.indexOf(lists)));
            QVERIFY(list.open(QIODevice::WriteOnly) && list.write("x\r\n") > 0);
            QFile same(lists + "/same.dat");
            QVERIFY(same.open(QIODevice::WriteOnly) && same.write(QFile::encodeName(lists)) > 0);
        }
        const EnvironmentValue dirs("XDG_DATA_DIRS",
                                    QFile::encodeName("relative:" + first.path() + ":" +
                                                      m_config.path() + ":" + second.path()));
        playReadOnly(folder.path());
        QCOMPARE(VocabularyFile::languageFolders(), all);
        QCOMPARE(VocabularyFile::listNames("*.dat"),
                 QStringList({"0.dat", "1.dat", "2.dat", "3.dat", "same.dat"}));
        for (const QString &lists : {own, school1, school2}) {
            QCOMPARE(VocabularyFile::readFile(VocabularyFile::listPath("same.dat")),
                     QFile::encodeName(lists));
            QVERIFY(QFile::remove(lists + "/same.dat"));
        }
        // A copy that keeps its lists beside it reads its own first.
        setWritableProbe(nullptr);
        QCOMPARE(VocabularyFile::languageFolders(),
                 QStringList({folder.file("deutsch"), school1, school2}));
    }

    // A relative XDG_DATA_HOME or XDG_CONFIG_HOME would move with the program's current folder:
    // HOME is taken.
    void relativeUserFoldersAreNotTaken()
    {
        QTemporaryDir home;
        const EnvironmentValue data("XDG_DATA_HOME", "relative/data");
        const EnvironmentValue config("XDG_CONFIG_HOME", "relative/config");
        const EnvironmentValue homeDir("HOME", QFile::encodeName(home.path()));
        QCOMPARE(userDataFolder(), home.path() + "/.local/share/Quendo");
        QCOMPARE(userConfigFolder(), home.path() + "/.config/Quendo");
    }

    // A full disk takes an empty file but no settings: the start-up says so, naming the folder.
    void aFullDiskIsNoticedAtTheStart()
    {
        ProgramFolder folder;
        installLanguageTable(m_config.path());
        std::optional<FileSizeLimit> limit(std::in_place, 10);
        const FilesKept kept = userFilesKept();
        limit.reset();
        QVERIFY(!kept);
        FakeDialogs dialogs;
        tellIfNothingIsKept(dialogs, kept);
        QCOMPARE(dialogs.texts(),
                 QStringList({"Der Datenträger für Quendos Einstellungen ist voll oder Ihr "
                              "Speicherplatz ist aufgebraucht: Einstellungen und Wortlisten werden "
                              "nicht gespeichert. Bitte schaffen Sie Platz in:\n\n" +
                              folder.path()}));
        QCOMPARE(filesBelow(folder.path()), QStringList());
        // With no folder that takes a file at all, nothing is kept either.
        playReadOnly(QStringLiteral("*"));
        QVERIFY(!userFilesKept());
    }

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
        QDir::setCurrent(work.path());
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
            QVERIFY(QFile::link(base.path(), own));
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

    // Nothing a living copy holds: taken over at once, and from then on it keeps the next out.
    void locksThatNoCopyHoldsAreTakenAtOnce_data()
    {
        QTest::addColumn<QByteArray>("contents");
        const QByteArray host = QSysInfo::machineHostName().toUtf8() + '\n';
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("binary") << QByteArray("\0\xff\x13\n\n\x80", 6);
        QTest::newRow("a pid without a line end") << QByteArray("1");
        QTest::newRow("pid of no process") << "999999999\nQuendo\n" + host;
        QProcess ended;
        ended.start(QStringLiteral("/bin/true"));
        QVERIFY(ended.waitForStarted());
        const qint64 pid = ended.processId();
        QVERIFY(ended.waitForFinished());
        QTest::newRow("a copy that ended") << QByteArray::number(pid) + "\nQuendo\n" + host +
                                                  QSysInfo::machineUniqueId() + '\n' +
                                                  QSysInfo::bootUniqueId() + '\n';
    }
    void locksThatNoCopyHoldsAreTakenAtOnce()
    {
        QFETCH(QByteArray, contents);
        ProgramFolder dir;
        dir.write(QStringLiteral("Quendo.lock"), contents);
        SingleCopyLock lock(dir.file(QStringLiteral("Quendo.lock")));
        QCOMPARE(lock.take(), SingleCopyLock::Outcome::OnlyCopy);
        SingleCopyLock next(dir.file(QStringLiteral("Quendo.lock")));
        QCOMPARE(next.take(), SingleCopyLock::Outcome::OtherCopy);
    }

    void aLockBeingWrittenIsNotTaken()
    {
        // A copy that has just made its lock holds the file's native lock before it writes.
        ProgramFolder dir;
        const QString path = dir.file(QStringLiteral("Quendo.lock"));
        dir.write(QStringLiteral("Quendo.lock"), QByteArray());
        QFile starting(path);
        QVERIFY(starting.open(QIODevice::ReadOnly));
        QCOMPARE(::flock(starting.handle(), LOCK_EX | LOCK_NB), 0);
        SingleCopyLock lock(path);
        QCOMPARE(lock.take(), SingleCopyLock::Outcome::Stuck);
        QVERIFY(QFile::exists(path));
    }

    // Without a temporary folder, or with something in the way of the lock there, the lock is
    // in the settings folder, where a copy started from any other folder finds it.
    void theLockFallsBackToTheSettingsFolder_data()
    {
        QTest::addColumn<bool>("blocked");
        QTest::newRow("no temporary folder") << false;
        QTest::newRow("a folder in the way") << true;
    }
    void theLockFallsBackToTheSettingsFolder()
    {
        QFETCH(bool, blocked);
        QTemporaryDir one, two, temp;
        // A folder with something in it cannot be taken for a stale lock and removed.
        QVERIFY(QDir(temp.path()).mkpath(QStringLiteral("Quendo.lock/inside")));
        const QString tempFolder = blocked ? temp.path() + u'/' : QString();
        QDir::setCurrent(one.path());
        const SingleCopyCheck first = checkSingleCopy(tempFolder);
        QCOMPARE(first.outcome, SingleCopyLock::Outcome::OnlyCopy);
        QCOMPARE(first.lock->path(), m_config.filePath("Quendo/Quendo.lock"));
        QCOMPARE(first.notes, blocked ? QStringList({temp.filePath(QStringLiteral("Quendo.lock")) +
                                                     " is in the way of the single-copy lock"})
                                      : QStringList());
        QDir::setCurrent(two.path());
        QCOMPARE(checkSingleCopy(tempFolder).outcome, SingleCopyLock::Outcome::OtherCopy);
        QVERIFY(QDir(one.path()).isEmpty() && QDir(two.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPlaces)
#include "tst_places.moc"
