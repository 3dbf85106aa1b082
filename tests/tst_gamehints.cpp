// The hints a player gets at the start of each of his words.
#include "GameFakes.h"

#include <QTest>

namespace {

// The letters whose buttons the hints used up, in alphabetical order.
QString hinted(const GameRig &rig)
{
    QString used;
    for (int b = 0; b < 26; ++b) {
        if (!rig.stripShown[size_t(b)])
            used += QChar(u'A' + b);
    }
    return used;
}

void startWith(GameRig &rig, const QString &word, std::array<qint16, 4> hints)
{
    rig.state.hintsPerWord = hints;
    rig.game.zurueck();
    rig.game.pool().replace({word});
    rig.game.StartGame();
}

} // namespace

class TestGameHints : public QObject
{
    Q_OBJECT

private slots:
    // Over thirty draws: each hint a different letter still to be found, and any such letter.
    void hintsUncoverLettersOfTheWord_data()
    {
        QTest::addColumn<int>("base");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("hints");
        QTest::addColumn<QString>("letters"); // all that came up
        QTest::newRow("two of Banane") << 0 << "Banane" << 2 << "ABEN";
        QTest::newRow("none due") << 0 << "Apfelbaum" << 0 << "";
        // The E button would uncover the É, but a hint is a letter of the word.
        QTest::newRow("only T of Été") << 6000 << "Été" << 3 << "T";
    }
    void hintsUncoverLettersOfTheWord()
    {
        QFETCH(int, base);
        QFETCH(QString, word);
        QFETCH(int, hints);
        QFETCH(QString, letters);
        QString seen;
        for (quint32 seed = 1; seed <= 30; ++seed) {
            GameRig rig(base, seed);
            startWith(rig, word, {qint16(hints), 3, 3, 3});
            const QString used = hinted(rig);
            QCOMPARE(used.size(), qMin(hints, int(letters.size())));
            QCOMPARE(rig.played.count(101), used.size()); // hits only
            QCOMPARE(rig.stage, 0);
            for (const QChar c : used)
                seen += seen.contains(c) ? QString() : QString(c);
        }
        std::sort(seen.begin(), seen.end());
        QCOMPARE(seen, letters);
    }

    void aHintThatSolvesPassesTheTurnAndGoesOnWithTheNextWord()
    {
        GameRig rig;
        rig.atNextWait([&] { rig.game.pool().replace({"Zirkuszelt"}); });
        startWith(rig, "Oh", {2, 3, 0, 0});
        QCOMPARE(rig.scoreTexts[0], QStringLiteral("100"));
        QCOMPARE(rig.state.currentWord, QStringLiteral("ZIRKUSZELT"));
        // The second player got his three, and the interrupted loop one more: its count (2)
        // was still below his number of hints.
        QCOMPARE(hinted(rig).size(), 4);
        QCOMPARE(rig.stage, 0);
    }
};

QTEST_GUILESS_MAIN(TestGameHints)
#include "tst_gamehints.moc"
