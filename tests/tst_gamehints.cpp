// The hints a player gets at the start of each of his words.
#include "GameFakes.h"

#include <QSet>
#include <QTest>

namespace {

// The letters whose buttons the hints used up (all of them hits).
QSet<QChar> hintedLetters(const GameRig &rig)
{
    QSet<QChar> used;
    for (int b = 0; b < 26; ++b) {
        if (!rig.board.stripShown[size_t(b)])
            used.insert(QChar(u'A' + b));
    }
    return used;
}

void startWith(GameRig &rig, const QString &word, std::array<qint16, 4> hints)
{
    rig.state.hintsPerWord = hints;
    rig.game.zurueck();
    rig.useWords({word});
    rig.start();
}

} // namespace

class TestGameHints : public QObject
{
    Q_OBJECT

private slots:
    void twoDifferentLettersOfBanane()
    {
        for (quint32 seed = 1; seed <= 30; ++seed) {
            GameRig rig(0, seed);
            startWith(rig, "Banane", {2, 2, 2, 2});
            const QSet<QChar> used = hintedLetters(rig);
            QCOMPARE(used.size(), 2);
            int positions = 0;
            for (const QChar c : QStringLiteral("BANANE")) {
                QVERIFY(QStringLiteral("BANE").contains(c));
                positions += used.contains(c);
            }
            QCOMPARE(int(rig.state.foundCount), positions);
            QCOMPARE(rig.state.missCount, qint16(0));
            QCOMPARE(rig.board.text().count(u'_'), 6 - positions);
            QCOMPARE(rig.sound.played.count(101), 2);
            QVERIFY(!rig.sound.played.contains(104));
            QVERIFY(rig.board.startEnabled);
        }
    }

    void anyLetterOfApfelbaumCanBeAHint()
    {
        QSet<QChar> seen;
        for (quint32 seed = 1; seed <= 40; ++seed) {
            GameRig rig(0, seed);
            startWith(rig, "Apfelbaum", {1, 0, 0, 0});
            const QSet<QChar> used = hintedLetters(rig);
            QCOMPARE(used.size(), 1);
            seen += used;
        }
        QVERIFY(seen.contains(u'A'));
        QCOMPARE(seen, QSet<QChar>({u'A', u'P', u'F', u'E', u'L', u'B', u'U', u'M'}));
    }

    void noHintsWhenNoneAreDue()
    {
        GameRig rig;
        startWith(rig, "Apfelbaum", {0, 3, 3, 3});
        QVERIFY(hintedLetters(rig).isEmpty());
        QCOMPARE(rig.state.foundCount, qint16(0));
    }

    void hintsStopWhenNoLetterIsLeft()
    {
        // Only T occurs in ÉTÉ as a letter: the E button would uncover the É, but a hint is a
        // letter of the word.
        GameRig rig(6000);
        startWith(rig, "Été", {3, 3, 3, 3});
        QCOMPARE(hintedLetters(rig), QSet<QChar>({u'T'}));
        QCOMPARE(rig.board.text(), QStringLiteral("_T_"));
        QCOMPARE(rig.state.currentPlayer, qint16(0));
        QVERIFY(rig.record.faults.isEmpty());
    }

    void aHintThatSolvesPassesTheTurnAndGoesOnWithTheNextWord()
    {
        GameRig rig;
        rig.waits.atNextWait([&] { rig.useWords({"Zirkuszelt"}); });
        startWith(rig, "Oh", {2, 3, 0, 0});
        // The first player's hints solved his word for the full score.
        QCOMPARE(rig.state.scores[0], qint16(100));
        QCOMPARE(rig.state.currentPlayer, qint16(1));
        QCOMPARE(rig.state.currentWord, QStringLiteral("ZIRKUSZELT"));
        // The second player got his three, and the interrupted loop one more: its count (2)
        // was still below his number of hints.
        QCOMPARE(hintedLetters(rig).size(), 4);
        QCOMPARE(rig.state.missCount, qint16(0));
        QVERIFY(rig.record.faults.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestGameHints)
#include "tst_gamehints.moc"
