#include "Cp1252.h"

#include <QTest>

class TestCp1252 : public QObject
{
    Q_OBJECT
private slots:
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

QTEST_APPLESS_MAIN(TestCp1252)
#include "tst_cp1252.moc"
