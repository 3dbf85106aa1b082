#include "Settings.h"
#include "TestSupport.h"
#include "VocabularyFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTest>

#include <csignal>

class TestInterruptedSave : public QObject
{
    Q_OBJECT
private slots:
    void aSaveKilledHalfWayLeavesTheOldFileWhole_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("old");
        QTest::newRow("word list") << "wordlist"
                                   << "quendo.dat" << QByteArray("Apfelbaum\r\nBirne\r\n");
        QTest::newRow("settings") << "settings"
                                  << "Quendo.ini"
                                  << QByteArray("[Einstellungen]\r\nSpieler1=Anna\r\nSound=0\r\n");
    }
    void aSaveKilledHalfWayLeavesTheOldFileWhole()
    {
        QFETCH(QString, kind);
        QFETCH(QString, file);
        QFETCH(QByteArray, old);
        ProgramFolder folder;
        folder.write(file, old);

        // The new copy is about 230 KB: the process dies when it passes 64 KB.
        QProcess writer;
        writer.start(QCoreApplication::applicationDirPath() + QStringLiteral("/interrupted_writer"),
                     {kind, folder.path(), QStringLiteral("65536")});
        QVERIFY(writer.waitForFinished(60000));
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
        QCOMPARE(writer.exitCode(), SIGXFSZ);

        QCOMPARE(folder.read(file), old);
        // What the killed save left beside it is no word list and no settings file.
        QCOMPARE(QDir(folder.path())
                     .entryList({QStringLiteral("*.dat"), QStringLiteral("*.ini")}, QDir::Files),
                 QStringList({file}));

        // The next save goes through as usual.
        if (kind == u"wordlist") {
            VocabularyFile::writeFile(folder.file(file), {QStringLiteral("Zebra")});
            QCOMPARE(folder.read(file), QByteArray("Zebra\r\n"));
        } else {
            SaveIni(QStringLiteral("Einstellungen"), QStringLiteral("Sound"), numText(-1));
            QCOMPARE(folder.read(file),
                     QByteArray("[Einstellungen]\r\nSpieler1=Anna\r\nSound=-1\r\n"));
        }
    }
};

QTEST_GUILESS_MAIN(TestInterruptedSave)
#include "tst_interruptedsave.moc"
