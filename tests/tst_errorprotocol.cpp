#include "ErrorProtocol.h"
#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

class TestErrorProtocol : public QObject
{
    Q_OBJECT
private slots:
    void protocolByteForByte()
    {
        const SystemInfo system{"Linux", 6, 1, 0, "Debian GNU/Linux 12 (bookworm)"};
        const QString protocol =
            BuildProtocol({"6 (Overflow)", "Allgemein", "GetIniInt", "47"}, "Quendo  V1.31.555",
                          QDateTime(QDate(2024, 3, 7), QTime(9, 5, 4)), system);
        QCOMPARE(protocol.toLatin1(),
                 QByteArray(
                     "----------------------------------------------------------------------\r\n"
                     "F E H L E R P R O T O K O L L  /  E R R O R   P R O T O C O L L\r\n"
                     "----------------------------------------------------------------------\r\n"
                     "PROGRAMM-INFO:\r\n"
                     "          Quendo  V1.31.555\r\n"
                     "----------------------------------------------------------------------\r\n"
                     "FEHLERBESCHREIBUNG / ERROR DESCRIPTION:\r\n"
                     "          Fehler-Nr / error :\t6 (Overflow)\r\n"
                     "          Modul:\tAllgemein\r\n"
                     "          Prozedur / procedure:\tGetIniInt\r\n"
                     "          Zeile / Line:\t47\r\n"
                     "          Datum/Uhrzeit (Date/Time):\t03-07-2024 / 09:05:04\r\n"
                     "----------------------------------------------------------------------\r\n"
                     "SYSTEMINFO:\r\n"
                     "          Plattform/Environment:\tLinux\r\n"
                     "          Version:\t6.1\r\n"
                     "          Build:\t0   Debian GNU/Linux 12 (bookworm)\r\n"
                     "----------------------------------------------------------------------\r\n"));
    }

    void cutAtNul_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("cut");
        QTest::newRow("text and NUL") << QString("Service Pack 3") + QChar(0) + "  "
                                      << "Service Pack 3";
        QTest::newRow("no NUL gives nothing") << "Service Pack 3"
                                              << "";
        QTest::newRow("NUL first") << QString(QChar(0)) + "x"
                                   << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void cutAtNul()
    {
        QFETCH(QString, text);
        QFETCH(QString, cut);
        QCOMPARE(CutAtNul(text), cut);
    }

    void systemInfoFields_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("release");
        QTest::addColumn<QString>("distribution");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("build");
        QTest::addColumn<QString>("servicePack");
        QTest::newRow("Debian") << "linux"
                                << "6.1.0-18-amd64"
                                << "Debian GNU/Linux 12 (bookworm)"
                                << "Linux" << 6 << 1 << 0 << "Debian GNU/Linux 12 (bookworm)";
        QTest::newRow("four numbers") << "linux"
                                      << "5.15.133.1-microsoft-standard-WSL2"
                                      << "Ubuntu 22.04.3 LTS"
                                      << "Linux" << 5 << 15 << 133 << "Ubuntu 22.04.3 LTS";
        QTest::newRow("two numbers, no name") << "linux"
                                              << "6.8"
                                              << ""
                                              << "Linux" << 6 << 8 << 0 << "";
        QTest::newRow("low 16 bits of the build") << "linux"
                                                  << "4.4.70001"
                                                  << "x"
                                                  << "Linux" << 4 << 4 << 4465 << "x";
        QTest::newRow("unreadable release") << "freebsd"
                                            << "unknown"
                                            << "FreeBSD"
                                            << "freebsd" << 0 << 0 << 0 << "FreeBSD";
        QTest::newRow("name cut to 128")
            << "linux"
            << "6.1.0" << QString(200, 'n') << "Linux" << 6 << 1 << 0 << QString(128, 'n');
    }
    void systemInfoFields()
    {
        QFETCH(QString, type);
        QFETCH(QString, release);
        QFETCH(QString, distribution);
        const SystemInfo info = systemInfoFrom(type, release, distribution);
        QTEST(info.platform, "platform");
        QTEST(info.major, "major");
        QTEST(info.minor, "minor");
        QTEST(info.build, "build");
        QTEST(info.servicePack, "servicePack");
    }

    void printedLines_data()
    {
        QTest::addColumn<QString>("protocol");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("long line")
            << "Das Fehlerprotokoll wurde in die Datei '/home/anna/Quendo/Quendo.ERR' geschrieben, "
               "bitte senden Sie es an den Support.\r\nkurz\r\n"
            << QStringList{"Das Fehlerprotokoll wurde in die Datei '/home/anna/Quendo/Quendo.ERR' ",
                           "                    geschrieben, bitte senden Sie es an den Support. ",
                           "kurz ", " "};
        QTest::newRow("word longer than a line")
            << QString(80, 'x') + " ende"
            << QStringList{QString(80, 'x') + " ", "                    ende "};
        QTest::newRow("tabs and blank runs count as they are")
            << "          Build:\t0   Debian\r\n"
            << QStringList{"          Build:\t0   Debian ", " "};
    }
    void printedLines()
    {
        QFETCH(QString, protocol);
        QTEST(::printedLines(protocol), "lines");
    }

    void logAndSavedFile()
    {
        ProgramFolder folder;
        QVERIFY(AppendProtocolLog(folder.path(), "Zurück\r\n"));
        QVERIFY(AppendProtocolLog(folder.path() + "/", "Zwei\r\n"));
        QCOMPARE(folder.read("Quendo.EPT"), QByteArray("Zur\xfc"
                                                       "ck\r\n\r\nZwei\r\n\r\n"));
        QVERIFY(!AppendProtocolLog(folder.file("missing"), "x\r\n"));

        QVERIFY(writeProtocolFile(folder.file("Quendo.ERR"), "Eins\r\n"));
        QVERIFY(writeProtocolFile(folder.file("Quendo.ERR"), "Zwei\r\n"));
        QCOMPARE(folder.read("Quendo.ERR"), QByteArray("Zwei\r\n\r\n"));
        QVERIFY(QDir(folder.path()).mkdir("blocked"));
        QVERIFY(!writeProtocolFile(folder.file("blocked"), "x\r\n"));
        QVERIFY(QFileInfo(folder.file("blocked")).isDir());
        QCOMPARE(
            QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList({"blocked", "Quendo.EPT", "Quendo.ERR"}));
    }
};

QTEST_GUILESS_MAIN(TestErrorProtocol)
#include "tst_errorprotocol.moc"
