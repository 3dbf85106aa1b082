#include "ErrorProtocol.h"
#include "TestSupport.h"

#include <QTest>

class TestErrorProtocol : public QObject
{
    Q_OBJECT
private slots:
    void protocolByteForByte()
    {
        const QString protocol =
            BuildProtocol({"6 (Overflow)", "Allgemein", "GetIniInt", "47"}, "Quendo  V1.31.555",
                          QDateTime(QDate(2024, 3, 7), QTime(9, 5, 4)),
                          {"Linux", 6, 1, 0, "Debian GNU/Linux 12 (bookworm)"});
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

    void systemInfoFields_data()
    {
        QTest::addColumn<QStringList>("uname"); // kernel type and release, distribution
        QTest::addColumn<QString>("fields");    // platform|major.minor|build|name
        const auto row = [](const char *name, const QStringList &uname, const QString &fields) {
            QTest::newRow(name) << uname << fields;
        };
        row("four numbers, low 16 bits of the build",
            {"linux", "5.15.70001.1-microsoft-standard-WSL2", "Ubuntu"}, "Linux|5.15|4465|Ubuntu");
        row("two numbers, no name", {"linux", "6.8", ""}, "Linux|6.8|0|");
        row("unreadable release", {"freebsd", "unknown", "FreeBSD"}, "freebsd|0.0|0|FreeBSD");
        row("name cut at a NUL", {"linux", "6.1", QString("Deb") + QChar(0) + "x"},
            "Linux|6.1|0|Deb");
        row("name cut to 128", {"linux", "6.1", QString(200, 'n')},
            "Linux|6.1|0|" + QString(128, 'n'));
    }
    void systemInfoFields()
    {
        QFETCH(QStringList, uname);
        const SystemInfo i = systemInfoFrom(uname[0], uname[1], uname[2]);
        QTEST(QString("%1|%2.%3|%4|").arg(i.platform).arg(i.major).arg(i.minor).arg(i.build) +
                  i.servicePack,
              "fields");
    }

    void printedLines_data()
    {
        QTest::addColumn<QString>("protocol");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("word longer than a line")
            << QString(80, 'x') + " ende"
            << QStringList{QString(80, 'x') + " ", "                    ende "};
        QTest::newRow("72 characters fit, 73 do not")
            << QString(71, 'x') + " y\r\n" + QString(70, 'x') + " y"
            << QStringList{QString(71, 'x') + " ", "                    y ",
                           QString(70, 'x') + " y "};
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
    }
};

QTEST_GUILESS_MAIN(TestErrorProtocol)
#include "tst_errorprotocol.moc"
