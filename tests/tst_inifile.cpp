#include "IniFile.h"

#include <QTest>

using IniFile::read;
using IniFile::write;

class TestIniFile : public QObject
{
    Q_OBJECT
private slots:
    void namesMatchWithoutCaseAndValuesLoseTheirBlanks()
    {
        const QByteArray ini = "[Einstellungen]\r\nnumPlayers= 3\r\n  Sound = -1 \t\r\n";
        QCOMPARE(read(ini, u"einstellungen", u"NUMPLAYERS"), QStringLiteral("3"));
        QCOMPARE(read(ini, u"Einstellungen", u"sound"), QStringLiteral("-1"));
        QCOMPARE(read(ini, u"Einstellungen", u"Runden"), std::nullopt);
        QCOMPARE(read(ini, u"Optionen", u"Sound"), std::nullopt);
        QCOMPARE(read(QByteArray(), u"Einstellungen", u"Sound"), std::nullopt);
    }

    void keysBelongToTheirSectionOnly()
    {
        const QByteArray ini = "top=1\n[A]\nk=a\n; k=comment\n[B]\nk=b\n[a]\nk=second\n";
        QCOMPARE(read(ini, u"A", u"k"), QStringLiteral("a"));
        QCOMPARE(read(ini, u"B", u"k"), QStringLiteral("b"));
        QCOMPARE(read(ini, u"C", u"top"), std::nullopt);
        QCOMPARE(read("[A]\n;k=x\n", u"A", u";k"), std::nullopt);
    }

    void emptyValueIsPresentButEmpty()
    {
        QCOMPARE(read("[S]\r\nDatei0=\r\n", u"S", u"Datei0"), QString());
        QVERIFY(read("[S]\r\nDatei0=\r\n", u"S", u"Datei0").has_value());
    }

    void writeKeepsEveryOtherLine()
    {
        const QByteArray before = "; settings of the class room\r\n"
                                  "[Einstellungen]\r\n"
                                  "numPlayers= 4\r\n"
                                  "Unknown=keep me\r\n"
                                  "\r\n"
                                  "[Fremd]\r\n"
                                  "numPlayers=99\r\n";
        const QByteArray after = write(before, u"einstellungen", u"numPlayers", u" 2");
        QCOMPARE(after, QByteArray("; settings of the class room\r\n"
                                   "[Einstellungen]\r\n"
                                   "numPlayers= 2\r\n"
                                   "Unknown=keep me\r\n"
                                   "\r\n"
                                   "[Fremd]\r\n"
                                   "numPlayers=99\r\n"));
    }

    void newKeyGoesToTheEndOfItsSection()
    {
        const QByteArray before = "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n";
        QCOMPARE(write(before, u"A", u"z", u"3"),
                 QByteArray("[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n"));
        QCOMPARE(write(before, u"B", u"z", u"3"),
                 QByteArray("[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\nz=3\r\n"));
    }

    void missingFileAndSectionAreCreated()
    {
        QCOMPARE(write(QByteArray(), u"Optionen", u"Sprache", u" 6000"),
                 QByteArray("[Optionen]\r\nSprache= 6000\r\n"));
        // A last line without its line end gets one before the new section.
        QCOMPARE(write("[A]\r\nx=1", u"B", u"y", u"2"), QByteArray("[A]\r\nx=1\r\n[B]\r\ny=2\r\n"));
        QCOMPARE(write("[A]\r\nx=1", u"A", u"y", u"2"), QByteArray("[A]\r\nx=1\r\ny=2\r\n"));
    }

    void valuesAreWrittenInWindows1252()
    {
        const QByteArray out = write(QByteArray(), u"Einstellungen", u"Spieler1", u"Jörg");
        QVERIFY(out.contains("Spieler1=J\xF6rg\r\n"));
        QCOMPARE(read(out, u"Einstellungen", u"Spieler1"), QStringLiteral("Jörg"));
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<qint32>("expected");
        QTest::newRow("blank before") << " 4" << 4;
        QTest::newRow("negative") << "-1" << -1;
        QTest::newRow("text after") << "12abc" << 12;
        QTest::newRow("word") << "vier" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("plus is no number") << "+5" << 0;
        QTest::newRow("beyond 16 bits") << "40000" << 40000;
        QTest::newRow("beyond 32 bits saturates") << "99999999999" << 2147483647;
        QTest::newRow("far below") << "-99999999999" << qint32(-2147483647 - 1);
    }
    void leadingNumber()
    {
        QFETCH(QString, value);
        QFETCH(qint32, expected);
        QCOMPARE(IniFile::leadingNumber(value), expected);
    }
};

QTEST_APPLESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
