// The settings file's lines, sections, keys and values, and its Windows-1252 bytes.
#include "Cp1252.h"
#include "IniFile.h"

#include <QRandomGenerator>
#include <QTest>

class TestIniFile : public QObject
{
    Q_OBJECT
private slots:
    // "<none>": no such section or key.
    void readsTheValueOfItsSectionAndKey_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const auto row = [](const char *name, const QByteArray &ini, const char *section,
                            const char *key, const QString &value) {
            QTest::newRow(name) << ini << QString::fromLatin1(section) << QString::fromLatin1(key)
                                << value;
        };
        const QByteArray two = "top=1\n[A]\n;x=y\nk=a\n[B]\nk=b\n[a]\nk=second\nlate=1\n";
        row("names without case", "[Einst]\r\n  SOUND = -1 \t\r\n", "einst", "Sound", "-1");
        row("first section of a name", two, "A", "k", "a");
        row("other section", two, "B", "k", "b");
        row("key outside any section", two, "C", "top", "<none>");
        row("comment", two, "A", ";x", "<none>");
        row("only in a later section of the name", two, "A", "late", "<none>");
        row("empty file", "", "A", "k", "<none>");
        row("empty value", "[A]\r\nk=\r\n", "A", "k", "");
        row("Windows-1252", "[A]\r\nk=J\xF6rg\r\n", "A", "k", QStringLiteral("Jörg"));
        row("CR before CR LF", "[E]\r\nSpieler1=Anna\r\r\nSound=0\r\n", "E", "Spieler1", "Anna");
        row("mixed", "[E]\rSpieler1=Anna\nSound=0", "E", "Sound", "0");
        row("LF CR", "[E]\n\rSpieler1=Anna\n\rSound=0\n\r", "E", "Spieler1", "Anna");
        row("single quotes", "[S]\nk='Anna'", "S", "k", "Anna");
        row("blanks outside quotes", "[S]\nk=  \"3\"  ", "S", "k", "3");
        row("blanks inside stay", "[S]\nk=\" Anna \"", "S", "k", " Anna ");
        row("empty quotes", "[S]\nk=\"\"", "S", "k", "");
        row("quotes not matching", "[S]\nk=\"Anna'", "S", "k", "\"Anna'");
        row("one quote", "[S]\nk=\"", "S", "k", "\"");
    }
    void readsTheValueOfItsSectionAndKey()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QCOMPARE(IniFile::read(ini, section, key).value_or(QStringLiteral("<none>")), value);
    }

    // Every other line stays byte for byte; a new line takes the file's own line end.
    void writeKeepsEveryOtherLine_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        const auto row = [](const char *name, const QByteArray &before, const char *section,
                            const char *key, const QString &value, const QByteArray &after) {
            QTest::newRow(name) << before << QString::fromLatin1(section)
                                << QString::fromLatin1(key) << value << after;
        };
        const QByteArray room = "; class room\r\n[Einst]\r\nnumPlayers= 4\r\nOther=x\r\n\r\n"
                                "[Fremd]\r\nnumPlayers=99\r\n";
        row("key replaced, other section alike", room, "einst", "numPlayers", " 2",
            QByteArray(room).replace("= 4", "= 2"));
        row("new key at the end of its section", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "A", "z", "3",
            "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n");
        row("no file", "", "Optionen", "Sprache", " 6000", "[Optionen]\r\nSprache= 6000\r\n");
        row("last line open, new section", "[A]\r\nx=1", "B", "y", "2",
            "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
        row("Windows-1252", "", "E", "Spieler1", QStringLiteral("Jörg"),
            "[E]\r\nSpieler1=J\xF6rg\r\n");
        row("lone CR, new key", "[E]\rA=1\r", "E", "B", "2", "[E]\rA=1\rB=2\r");
        row("lone CR, last line open", "[E]\rA=1", "E", "B", "2", "[E]\rA=1\rB=2\r");
        row("lone LF, new section", "[E]\nA=1\n", "O", "B", "2", "[E]\nA=1\n[O]\nB=2\n");
        row("mixed, key keeps its own end", "[E]\r\nA=1\rB=1\nC=3\r\n", "E", "B", "2",
            "[E]\r\nA=1\rB=2\nC=3\r\n");
        row("CR before CR LF stays an empty line", "[E]\r\nB=Anna\r\r\nC=3\r\n", "E", "B", "2",
            "[E]\r\nB=2\r\r\nC=3\r\n");
        row("last key without line end", "[E]\r\nB=1", "E", "B", "2", "[E]\r\nB=2");
        row("without sections", "numPlayers=3\r\nSound=0\r\n", "E", "numPlayers", "2",
            "numPlayers=3\r\nSound=0\r\n[E]\r\nnumPlayers=2\r\n");
        const QByteArray longLine = "[E]\r\nSpieler1=" + QByteArray(100000, 'x') + "\r\nB=1\r\n";
        row("a line of 100 000 characters", longLine, "E", "B", "2",
            QByteArray(longLine).replace("B=1", "B=2"));
        // Random bytes between a first line end and a last byte that are known.
        QByteArray garbage(64 * 1024, Qt::Uninitialized);
        QRandomGenerator random(4711);
        for (char &c : garbage)
            c = char(random.bounded(256));
        garbage.replace(0, 4, QByteArray("\0\xff\r\n", 4));
        garbage.back() = 'z';
        row("binary garbage", garbage, "E", "numPlayers", "2",
            garbage + "\r\n[E]\r\nnumPlayers=2\r\n");
        row("a value cannot start a line of its own", "[E]\r\nA=1\r\n", "E", "Spieler1",
            "Anna\r\n[Optionen]\rSprache=200\n",
            "[E]\r\nA=1\r\nSpieler1=Anna  [Optionen] Sprache=200 \r\n");
    }
    void writeKeepsEveryOtherLine()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        QCOMPARE(IniFile::write(before, section, key, value), after);
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<qint32>("expected");
        QTest::newRow("text after") << "12abc" << 12;
        QTest::newRow("word") << "vier" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("plus after blanks") << "  +12" << 12;
        QTest::newRow("sign alone") << "-" << 0;
        QTest::newRow("blank after the sign") << "+ 5" << 0;
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

    // The bytes Windows leaves undefined come back as themselves, not as some other letter.
    void everyByteRoundTrips()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        bool lossy = true;
        QCOMPARE(Cp1252::encode(Cp1252::decode(all), &lossy), all);
        QVERIFY(!lossy);
        QCOMPARE(Cp1252::decode("\x80\x9C\x81"), QStringLiteral("€œ\u0081"));
        QCOMPARE(Cp1252::encode(QStringLiteral("Krähe ß ©")), QByteArray("Kr\xE4he \xDF \xA9"));
    }

    void charactersWithoutAByte()
    {
        bool lossy = false;
        QCOMPARE(Cp1252::encode(u"a\u0103b", &lossy), QByteArray("a?b"));
        QVERIFY(lossy);
        QVERIFY(!Cp1252::canEncode(QChar(0x0103)));
        QVERIFY(Cp1252::canEncode(QChar(u'Ñ')));
    }
};

QTEST_APPLESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
