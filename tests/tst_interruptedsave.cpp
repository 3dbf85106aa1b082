#include "Settings.h"
#include "TestSupport.h"
#include "VocabularyFile.h"

#include <QDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

class TestInterruptedSave : public QObject
{
    Q_OBJECT
private slots:
    void aSaveKilledHalfWayLeavesTheOldFileWhole_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<QByteArray>("next");
        QTest::newRow("word list")
            << "quendo.dat" << QByteArray("Apfelbaum\r\nBirne\r\n") << QByteArray("Zebra\r\n");
        QTest::newRow("settings") << "Quendo.ini"
                                  << QByteArray("[Einstellungen]\r\nSpieler1=Anna\r\nSound=0\r\n")
                                  << QByteArray("[Einstellungen]\r\nSpieler1=Anna\r\nSound=-1\r\n");
    }
    void aSaveKilledHalfWayLeavesTheOldFileWhole()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, old);
        QFETCH(QByteArray, next);
        ProgramFolder folder;
        folder.write(file, old);
        QStringList entries;
        for (int i = 0; i < 20000; ++i)
            entries << QStringLiteral("Eintrag %1").arg(i);
        const auto save = [&](const QStringList &what) {
            if (file.endsWith(u".dat"))
                VocabularyFile::writeFile(folder.file(file), what);
            else
                SaveIni("Einstellungen", what.size() > 1 ? "Spieler1" : "Sound", what.join(u' '));
        };

        // A copy of this process saves about 230 KB and dies, as a crash or a kill would, when
        // the new copy passes 64 KB.
        const pid_t child = fork();
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit limit{65536, 65536};
            setrlimit(RLIMIT_FSIZE, &limit);
            try {
                save(entries);
            } catch (...) {
            }
            _exit(0); // reached only when the limit did not bite
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        QCOMPARE(WTERMSIG(status), SIGXFSZ);

        QCOMPARE(folder.read(file), old);
        // What the killed save left beside it is no word list and no settings file.
        QCOMPARE(QDir(folder.path()).entryList({"*.dat", "*.ini"}, QDir::Files),
                 QStringList({file}));
        // The next save goes through as usual.
        save({file.endsWith(u".dat") ? QStringLiteral("Zebra") : numText(-1)});
        QCOMPARE(folder.read(file), next);
    }
};

QTEST_GUILESS_MAIN(TestInterruptedSave)
#include "tst_interruptedsave.moc"
