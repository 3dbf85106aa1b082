// The alphabet strip the game keeps, and where the cells of a word stand.
#include "LetterStrip.h"
#include "RunTimeError.h"
#include "WordGeometry.h"

#include <QTest>

namespace {

// Slots 26..28 as "letter/cell" or "-" for a slot taken away.
QString nationalSlots(const LetterStrip &strip)
{
    QStringList shown;
    for (int b = 26; b <= 28; ++b) {
        const LetterStrip::Slot &s = strip.slot(b);
        shown << (s.available ? s.letter + u'/' + QString::number(s.cell) : QStringLiteral("-"));
    }
    return shown.join(u' ');
}

} // namespace

class TestLetterStrip : public QObject
{
    Q_OBJECT
private slots:
    void eachLanguageOffersItsLetters_data()
    {
        QTest::addColumn<int>("digit");
        QTest::addColumn<QString>("national");
        QTest::newRow("deutsch") << 0 << "Ä/26 Ö/27 Ü/28";
        QTest::newRow("english") << 1 << "- - -";
        QTest::newRow("svenska") << 2 << "Ä/26 Ö/27 Å/30";
        QTest::newRow("italiano") << 3 << "- - -";
        QTest::newRow("portuguesa") << 4 << "Ã/31 Õ/32 Ç/34";
        QTest::newRow("español") << 5 << "Ñ/33 - -";
        QTest::newRow("français") << 6 << "Ç/34 - -";
    }
    void eachLanguageOffersItsLetters()
    {
        QFETCH(int, digit);
        QFETCH(QString, national);
        LetterStrip strip;
        strip.loadAlpha(digit, false);
        QCOMPARE(nationalSlots(strip), national);
        QCOMPARE(strip.slot(0).letter, QStringLiteral("A"));
        QCOMPARE(strip.slot(25).letter, QStringLiteral("Z"));
        QCOMPARE(strip.slot(25).cell, 25);
        QVERIFY(!strip.slot(0).enabled); // loading never enables a guess
    }

    void switchingBackShowsTheLettersAgain()
    {
        LetterStrip strip;
        strip.loadAlpha(0, false);
        strip.loadAlpha(1, false);
        // Hidden slots keep the letters and pictures they had.
        QCOMPARE(strip.slot(26).letter, QStringLiteral("Ä"));
        QVERIFY(!strip.slot(26).available);
        strip.loadAlpha(0, false);
        QCOMPARE(nationalSlots(strip), QStringLiteral("Ä/26 Ö/27 Ü/28"));
        // Spanish replaces whatever was there.
        strip.loadAlpha(5, false);
        QCOMPARE(nationalSlots(strip), QStringLiteral("Ñ/33 - -"));
    }

    void aReloadDuringAGameKeepsUsedLettersAway()
    {
        LetterStrip strip;
        strip.loadAlpha(0, false);
        strip.setAvailable(4, false);  // E used on this word
        strip.setAvailable(27, false); // Ö used
        strip.loadAlpha(0, true);      // a new letter style
        QVERIFY(!strip.slot(4).available);
        QVERIFY(!strip.slot(27).available);
        QVERIFY(strip.slot(5).available);
        strip.loadAlpha(0, false);
        QVERIFY(strip.slot(4).available);
    }

    void typedLettersFindTheirButton()
    {
        LetterStrip strip;
        strip.loadAlpha(6, false);
        QCOMPARE(strip.playableButton(u'z'), -1); // nothing is enabled yet
        for (int b = 0; b <= 28; ++b)
            strip.setEnabled(b, true);
        QCOMPARE(strip.playableButton(u'z'), 25);
        QCOMPARE(strip.playableButton(u'ç'), 26);
        QCOMPARE(strip.playableButton(u'Ç'), 26);
        QCOMPARE(strip.playableButton(u'é'), -1); // accented vowels have no button
        QCOMPARE(strip.playableButton(u'7'), -1);
        QCOMPARE(strip.playableButton(QChar(13)), -1);
        strip.setAvailable(25, false);
        QCOMPARE(strip.playableButton(u'z'), -1);
        QVERIFY_THROWS_EXCEPTION(RunTimeError, strip.slot(29));
        QVERIFY_THROWS_EXCEPTION(RunTimeError, strip.setAvailable(-1, true));
    }

    void wordCellsAreCentredAtAPitch()
    {
        QCOMPARE(WordGeometry::cellPitch(29), 32); // 31.9
        QCOMPARE(WordGeometry::cellPitch(30), 33);
        QCOMPARE(WordGeometry::cellPitch(25), 28); // 27.5: halves to the even neighbour
        QCOMPARE(WordGeometry::cellPitch(35), 38); // 38.5
        QCOMPARE(WordGeometry::usableWidth(761), 741);
        // 23 letters fit the small board's usable width of 741, 24 do not.
        QVERIFY(WordGeometry::fits(23, 32, 741));
        QVERIFY(!WordGeometry::fits(24, 32, 741));
        QCOMPARE(WordGeometry::cellLeft(741, 23, 32, 1), 12);
        QCOMPARE(WordGeometry::cellLeft(741, 23, 32, 23), 716);
        QCOMPARE(WordGeometry::cellLeft(902, 6, 32, 1), 365);
        QCOMPARE(WordGeometry::cellLeft(902, 6, 32, 2), 397);
    }
};

QTEST_APPLESS_MAIN(TestLetterStrip)
#include "tst_letterstrip.moc"
