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
        const QString before = QDir::currentPath();
        const auto back = qScopeGuard([&] { QDir::setCurrent(before); });
        QDir::setCurrent(one.path());
        const SingleCopyCheck first = checkSingleCopy(tempFolder);
        QCOMPARE(first.outcome, SingleCopyLock::Outcome::OnlyCopy);
        QCOMPARE(first.lock->path(), configLock());
        QCOMPARE(first.notes, blocked ? QStringList({temp.filePath(QStringLiteral("Quendo.lock")) +
                                                     " is in the way of the single-copy lock"})
                                      : QStringList());
        QDir::setCurrent(two.path());
        QCOMPARE(checkSingleCopy(tempFolder).outcome, SingleCopyLock::Outcome::OtherCopy);
        QVERIFY(QDir(one.path()).isEmpty() && QDir(two.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSingleCopy)
#include "tst_singlecopy.moc"
