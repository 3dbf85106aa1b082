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

    void everyLineEndEndsALine_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::newRow("CR LF") << QByteArray("[E]\r\nSpieler1=Anna\r\nSound=0\r\n");
        QTest::newRow("lone LF") << QByteArray("[E]\nSpieler1=Anna\nSound=0\n");
        QTest::newRow("lone CR") << QByteArray("[E]\rSpieler1=Anna\rSound=0\r");
        QTest::newRow("CR before CR LF") << QByteArray("[E]\r\nSpieler1=Anna\r\r\nSound=0\r\n");
        QTest::newRow("mixed") << QByteArray("[E]\rSpieler1=Anna\nSound=0");
        QTest::newRow("LF CR") << QByteArray("[E]\n\rSpieler1=Anna\n\rSound=0\n\r");
    }
    void everyLineEndEndsALine()
    {
        QFETCH(QByteArray, ini);
        QCOMPARE(read(ini, u"E", u"Spieler1"), QStringLiteral("Anna"));
        QCOMPARE(read(ini, u"E", u"Sound"), QStringLiteral("0"));
    }

    void writeKeepsEachLineEnd_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("lone CR, new key") << QByteArray("[E]\rA=1\r") << "E"
                                          << "B" << QByteArray("[E]\rA=1\rB=2\r");
        QTest::newRow("lone CR, key replaced") << QByteArray("[E]\rB=1\rC=3\r") << "E"
                                               << "B" << QByteArray("[E]\rB=2\rC=3\r");
        QTest::newRow("lone CR, new section") << QByteArray("[E]\rA=1\r") << "O"
                                              << "B" << QByteArray("[E]\rA=1\r[O]\rB=2\r");
        QTest::newRow("lone CR, last line open") << QByteArray("[E]\rA=1") << "E"
                                                 << "B" << QByteArray("[E]\rA=1\rB=2\r");
        QTest::newRow("lone LF, new section") << QByteArray("[E]\nA=1\n") << "O"
                                              << "B" << QByteArray("[E]\nA=1\n[O]\nB=2\n");
        QTest::newRow("mixed, key keeps its own end")
            << QByteArray("[E]\r\nA=1\rB=1\nC=3\r\n") << "E"
            << "B" << QByteArray("[E]\r\nA=1\rB=2\nC=3\r\n");
        QTest::newRow("CR before CR LF stays an empty line")
            << QByteArray("[E]\r\nB=Anna\r\r\nC=3\r\n") << "E"
            << "B" << QByteArray("[E]\r\nB=2\r\r\nC=3\r\n");
        QTest::newRow("last key without line end") << QByteArray("[E]\r\nB=1") << "E"
                                                   << "B" << QByteArray("[E]\r\nB=2");
    }
    void writeKeepsEachLineEnd()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QByteArray, after);
        QCOMPARE(write(before, section, key, u"2"), after);
    }

    void aValueCannotStartALineOfItsOwn()
    {
        const QByteArray out =
            write("[E]\r\nA=1\r\n", u"E", u"Spieler1", u"Anna\r\n[Optionen]\rSprache=200\n");
        QCOMPARE(out, QByteArray("[E]\r\nA=1\r\nSpieler1=Anna  [Optionen] Sprache=200 \r\n"));
        QCOMPARE(read(out, u"Optionen", u"Sprache"), std::nullopt);
        QCOMPARE(read(out, u"E", u"A"), QStringLiteral("1"));
    }

    void quotedValuesLoseTheirQuotes_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("value");
        QTest::newRow("double") << QByteArray("k=\"Anna\"") << "Anna";
        QTest::newRow("single") << QByteArray("k='Anna'") << "Anna";
        QTest::newRow("blanks outside") << QByteArray("k=  \"3\"  ") << "3";
        QTest::newRow("blanks inside stay") << QByteArray("k=\" Anna \"") << " Anna ";
        QTest::newRow("empty quotes") << QByteArray("k=\"\"") << "";
        QTest::newRow("not matching") << QByteArray("k=\"Anna'") << "\"Anna'";
        QTest::newRow("one quote") << QByteArray("k=\"") << "\"";
        QTest::newRow("quote inside") << QByteArray("k=Peter's") << "Peter's";
    }
    void quotedValuesLoseTheirQuotes()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, value);
        QCOMPARE(read("[S]\r\n" + line + "\r\n", u"S", u"k"), value);
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
        QTest::newRow("leading plus") << "+5" << 5;
        QTest::newRow("plus after blanks") << "  +12" << 12;
        QTest::newRow("sign alone") << "-" << 0;
        QTest::newRow("blank after the sign") << "+ 5" << 0;
        QTest::newRow("two signs") << "+-5" << 0;
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
