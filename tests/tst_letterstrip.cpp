// The alphabet strip the game keeps, and the pitch of the word's cells.
#include "LetterStrip.h"
#include "RunTimeError.h"
#include "WordGeometry.h"

#include <QTest>

class TestLetterStrip : public QObject
{
    Q_OBJECT
private slots:
    void aLanguageSwitchHidesAndBringsBackTheNationalLetters()
    {
        LetterStrip strip;
        strip.loadAlpha(0, false);
        strip.loadAlpha(1, false);
        // Hidden slots keep the letters and pictures they had.
        QCOMPARE(strip.slot(26).letter, QStringLiteral("Ä"));
        QVERIFY(!strip.slot(26).available && !strip.slot(28).available);
        strip.loadAlpha(0, false);
        QVERIFY(strip.slot(26).available && strip.slot(28).available);
        QVERIFY(!strip.slot(0).enabled); // loading never enables a guess
    }

    void aReloadDuringAGameKeepsUsedLettersAway()
    {
        LetterStrip strip;
        strip.loadAlpha(0, false);
        strip.setAvailable(4, false);  // E used on this word
        strip.setAvailable(27, false); // Ö used
        strip.loadAlpha(0, true);      // a new letter style
        QVERIFY(!strip.slot(4).available && !strip.slot(27).available);
        QVERIFY(strip.slot(5).available);
        strip.loadAlpha(0, false);
        QVERIFY(strip.slot(4).available);
    }

    void typedLettersFindTheirEnabledButton()
    {
        LetterStrip strip;
        strip.loadAlpha(6, false);
        QCOMPARE(strip.playableButton(u'z'), -1); // nothing is enabled yet
        for (int b = 0; b <= 28; ++b)
            strip.setEnabled(b, true);
        QCOMPARE(strip.playableButton(u'Ç'), 26);
        strip.setAvailable(25, false);
        QCOMPARE(strip.playableButton(u'z'), -1);
        QVERIFY_THROWS_EXCEPTION(RunTimeError, strip.slot(29));
        QVERIFY_THROWS_EXCEPTION(RunTimeError, strip.setAvailable(-1, true));
    }

    void theCellPitchRoundsHalvesToTheEvenNeighbour()
    {
        QCOMPARE(WordGeometry::cellPitch(29), 32); // 31.9
        QCOMPARE(WordGeometry::cellPitch(25), 28); // 27.5
        QCOMPARE(WordGeometry::cellPitch(35), 38); // 38.5
    }
};

QTEST_APPLESS_MAIN(TestLetterStrip)
#include "tst_letterstrip.moc"
