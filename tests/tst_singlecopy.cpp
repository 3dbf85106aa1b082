#include "FakeDialogs.h"
#include "Language.h"
#include "StartupChecks.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/file.h>
#include <unistd.h>

class TestSingleCopy : public QObject
{
    Q_OBJECT
    QTemporaryDir m_config;

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(bytes), bytes.size());
    }

    QString configLock() const { return m_config.filePath(QStringLiteral("Quendo/Quendo.lock")); }

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path())); }
    void cleanup() { QFile::remove(configLock()); }

    void aLockOfALivingCopyKeepsTheNextOut()
    {
        QTemporaryDir dir;
        QLockFile running(dir.filePath(QStringLiteral("Quendo.lock")));
        QVERIFY(running.tryLock(0));
        SingleCopyLock next(dir.filePath(QStringLiteral("Quendo.lock")));
        QCOMPARE(next.take(), SingleCopyLock::Outcome::OtherCopy);
    }

    void locksThatNoCopyHoldsAreTakenAtOnce_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("text") << QByteArray("not a lock\n");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("binary") << QByteArray("\0\xff\x13\n\n\x80", 6);
        QTest::newRow("a pid without a line end") << QByteArray("1");
        QTest::newRow("pid of no process")
            << QByteArray("999999999\nQuendo\n" + QSysInfo::machineHostName().toUtf8() + '\n');
    }
    void locksThatNoCopyHoldsAreTakenAtOnce()
    {
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Quendo.lock"));
        writeFile(path, contents);
        SingleCopyLock lock(path);
        QCOMPARE(lock.take(), SingleCopyLock::Outcome::OnlyCopy);
        // Now it is a real lock that keeps the next copy out.
        SingleCopyLock next(path);
        QCOMPARE(next.take(), SingleCopyLock::Outcome::OtherCopy);
    }

    void theLockOfACopyThatEndedIsTakenOver()
    {
        QProcess ended;
        ended.start(QStringLiteral("/bin/true"));
        QVERIFY(ended.waitForStarted());
        const qint64 pid = ended.processId();
        QVERIFY(ended.waitForFinished());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Quendo.lock"));
        writeFile(path, QByteArray::number(pid) + "\nQuendo\n" +
                            QSysInfo::machineHostName().toUtf8() + '\n' +
                            QSysInfo::machineUniqueId() + '\n' + QSysInfo::bootUniqueId() + '\n');
        SingleCopyLock lock(path);
        QCOMPARE(lock.take(), SingleCopyLock::Outcome::OnlyCopy);
    }

    void aLockBeingWrittenIsNotTaken()
    {
        // A copy that has just made its lock holds the file's native lock before it writes.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Quendo.lock"));
        writeFile(path, QByteArray());
        QFile starting(path);
        QVERIFY(starting.open(QIODevice::ReadOnly));
        QCOMPARE(::flock(starting.handle(), LOCK_EX | LOCK_NB), 0);
        SingleCopyLock lock(path);
        QCOMPARE(lock.take(), SingleCopyLock::Outcome::Stuck);
        QVERIFY(QFile::exists(path));
    }

    void withoutATempFolderTheLockIsInTheSettingsFolder()
    {
        QTemporaryDir one;
        QTemporaryDir two;
        const QString before = QDir::currentPath();
        const auto back = qScopeGuard([&] { QDir::setCurrent(before); });
        QDir::setCurrent(one.path());
        const SingleCopyCheck first = checkSingleCopy(QString());
        QCOMPARE(first.outcome, SingleCopyLock::Outcome::OnlyCopy);
        QCOMPARE(first.lock->path(), configLock());
        // A copy started from another folder finds the same lock.
        QDir::setCurrent(two.path());
        const SingleCopyCheck second = checkSingleCopy(QString());
        QCOMPARE(second.outcome, SingleCopyLock::Outcome::OtherCopy);
        QVERIFY(QDir(one.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
        QVERIFY(QDir(two.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }

    void aBlockedLockMovesToTheSettingsFolder()
    {
        QTemporaryDir temp;
        // A folder with something in it cannot be taken for a stale lock and removed.
        QVERIFY(QDir(temp.path()).mkpath(QStringLiteral("Quendo.lock/inside")));
        const SingleCopyCheck first = checkSingleCopy(temp.path() + u'/');
        QCOMPARE(first.outcome, SingleCopyLock::Outcome::OnlyCopy);
        QCOMPARE(first.lock->path(), configLock());
        QCOMPARE(first.notes,
                 QStringList({temp.filePath(QStringLiteral("Quendo.lock")) +
                              QStringLiteral(" is in the way of the single-copy lock")}));
        const SingleCopyCheck second = checkSingleCopy(temp.path() + u'/');
        QCOMPARE(second.outcome, SingleCopyLock::Outcome::OtherCopy);
    }

    void aRelativeSettingsFolderIsNotTaken()
    {
        QTemporaryDir home;
        const EnvironmentValue config("XDG_CONFIG_HOME", "relative/config");
        const EnvironmentValue homeDir("HOME", QFile::encodeName(home.path()));
        QCOMPARE(fallbackLockPath(), home.path() + QStringLiteral("/.config/Quendo/Quendo.lock"));
    }

    void noTempFolderIsSaidInTheCurrentLanguage_data()
    {
        QTest::addColumn<int>("base");
        QTest::addColumn<QString>("text");
        QTest::newRow("German") << 0
                                << "Quendo findet keinen eigenen Ordner für temporäre Dateien und "
                                   "läuft ohne ihn weiter. Bitte prüfen Sie:";
        QTest::newRow("English") << 1000
                                 << "Quendo has no private folder for temporary files and carries "
                                    "on without one. Please check:";
        QTest::newRow("French") << 6000
                                << "Quendo ne trouve pas de dossier personnel pour les fichiers "
                                   "temporaires et continue sans. Veuillez vérifier:";
    }
    void noTempFolderIsSaidInTheCurrentLanguage()
    {
        QFETCH(int, base);
        QFETCH(QString, text);
        holdLanguageTable(builtLanguageTable());
        setLangFilePath(QString());
        setCurrentLanguage(Language::fromBase(base));
        const auto back = qScopeGuard([] {
            holdLanguageTable(QByteArray());
            setCurrentLanguage(Language());
        });
        FakeDialogs dialogs;
        const TempFolder none{QString(),
                              {QStringLiteral("/run/user/7"), QStringLiteral("/tmp/quendo-7")},
                              QStringLiteral("/run/user/7: missing; /tmp/quendo-7: a link")};
        tellNoTempFolder(dialogs, none);
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].kind, QStringLiteral("message"));
        QCOMPARE(dialogs.shown[0].title, QStringLiteral("Quendo"));
        QCOMPARE(dialogs.shown[0].text, text + QStringLiteral("\n\n/run/user/7\n/tmp/quendo-7"));
    }
};

QTEST_GUILESS_MAIN(TestSingleCopy)
#include "tst_singlecopy.moc"
