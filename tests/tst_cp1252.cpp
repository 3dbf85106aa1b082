#include "Cp1252.h"

#include <QTest>

class TestCp1252 : public QObject
{
    Q_OBJECT
private slots:
    void everyByteRoundTrips()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        bool lossy = true;
        QCOMPARE(Cp1252::encode(Cp1252::decode(all), &lossy), all);
        QVERIFY(!lossy);
    }

    void windowsLettersOfTheHighRange()
    {
        QCOMPARE(Cp1252::decode("\x80"), QString(QChar(0x20AC)));
        QCOMPARE(Cp1252::decode("\x9C"), QStringLiteral("œ"));
        QCOMPARE(Cp1252::encode(QStringLiteral("Krähe ß ©")), QByteArray("Kr\xE4he \xDF \xA9"));
        // The undefined bytes come back as themselves, not as some other letter.
        QCOMPARE(Cp1252::decode("\x81").at(0).unicode(), char16_t(0x81));
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

QTEST_APPLESS_MAIN(TestCp1252)
#include "tst_cp1252.moc"
