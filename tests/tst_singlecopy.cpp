#include "StartupChecks.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/file.h>

class TestSingleCopy : public QObject
{
    Q_OBJECT
    QTemporaryDir m_config;

    QString configLock() const { return m_config.filePath(QStringLiteral("Quendo/Quendo.lock")); }

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path())); }
    void cleanup() { QFile::remove(configLock()); }

    // Nothing a living copy holds: taken over at once, and from then on it keeps the next out.
    void locksThatNoCopyHoldsAreTakenAtOnce_data()
    {
        QTest::addColumn<QByteArray>("contents");
        const QByteArray host = QSysInfo::machineHostName().toUtf8() + '\n';
        QTest::newRow("text") << QByteArray("not a lock\n");
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
};

QTEST_GUILESS_MAIN(TestSingleCopy)
#include "tst_singlecopy.moc"
