// The play of one word: layout, guesses by click and key, misses, scores, the solution.
#include "FakeGameView.h"

#include <QTest>

namespace {

// A rig with one word in the pool and no hints, the word laid out by Start.
void startWith(GameRig &rig, const QString &word)
{
    rig.state.hintsPerWord.fill(0);
    rig.game.zurueck();
    rig.useWords({word});
    rig.start();
}

// The log from the first entry equal to from, up to (not including) the first equal to to.
QStringList logBetween(const QStringList &log, const QString &from, const QString &to)
{
    const qsizetype a = log.indexOf(from);
    const qsizetype b = log.indexOf(to, a);
    return a < 0 || b < 0 ? QStringList() : log.mid(a, b - a);
}

} // namespace

class TestGameGuessing : public QObject
{
    Q_OBJECT

private slots:
    void aNewWordIsLaidOutCentred()
    {
        GameRig rig;
        startWith(rig, "Hase");
        QCOMPARE(rig.state.currentWord, QStringLiteral("HASE"));
        QCOMPARE(rig.game.wordLength(), 4);
        QCOMPARE(rig.view.board(), QStringLiteral("____"));
        // Pitch 33 (30 × 1.1), usable width 680: (680 − 132) \ 2 + 10 = 284.
        QList<int> lefts;
        for (const auto &c : rig.view.cells)
            lefts << c.left;
        QCOMPARE(lefts, QList<int>({284, 317, 350, 383}));
        QCOMPARE(rig.state.foundCount, qint16(0));
        QCOMPARE(rig.state.missCount, qint16(0));
        QCOMPARE(rig.view.stage, 0);
        QVERIFY(rig.view.startEnabled);
        // A tile sound for the word and one for each cell, with a short pause after each.
        QCOMPARE(rig.sound.played, QList<int>({102, 102, 102, 102, 102}));
        QCOMPARE(rig.view.pauses, QList<double>({0.15, 0.15, 0.15, 0.15}));
        QVERIFY(rig.view.faults.isEmpty());
    }

    void oneLetterUncoversEveryPlaceOfIt()
    {
        GameRig rig;
        startWith(rig, "Zirkuszelt");
        rig.sound.played.clear();
        rig.click(u'Z');
        QCOMPARE(rig.view.board(), QStringLiteral("Z_____Z___"));
        QCOMPARE(rig.state.foundCount, qint16(2));
        QCOMPARE(rig.state.missCount, qint16(0));
        QVERIFY(!rig.view.stripShown[25]);
        QCOMPARE(rig.sound.played, QList<int>({101}));
    }

    void aVowelUncoversItsAccentedForms()
    {
        GameRig rig(6000);
        startWith(rig, "Papa est fatigué");
        QCOMPARE(rig.state.currentWord, QStringLiteral("PAPA EST FATIGUÉ"));
        QCOMPARE(rig.state.foundCount, qint16(2));
        rig.click(u'E');
        QCOMPARE(rig.view.cells[6].button, rig.view.button(u'E'));
        QCOMPARE(rig.view.cells[16].button, -1);
        QCOMPARE(rig.view.cells[16].sheetCell, 38);
        QCOMPARE(rig.state.foundCount, qint16(4));

        // No other button uncovers the É.
        GameRig other(6000);
        startWith(other, "Papa est fatigué");
        for (const QChar c : QStringLiteral("PASTFIGU"))
            other.click(c);
        QCOMPARE(other.view.board(), QStringLiteral("PAPA _ST FATIGU_"));
        QCOMPARE(other.state.foundCount, qint16(14));
        QCOMPARE(other.state.missCount, qint16(0));

        GameRig hotel(6000);
        startWith(hotel, "Hôtel");
        hotel.click(u'O');
        QCOMPARE(hotel.view.cells[2].sheetCell, 46);
        QCOMPARE(hotel.view.board(), QStringLiteral("_Ô___"));
        QCOMPARE(hotel.state.missCount, qint16(0));
    }

    void blanksApostrophesAndHyphensAreFoundFromTheStart()
    {
        GameRig rig;
        startWith(rig, "L'arc-en ciel");
        QCOMPARE(rig.state.foundCount, qint16(3));
        QCOMPARE(rig.view.board(), QStringLiteral("_'___-__ ____"));
        QCOMPARE(rig.view.cells[2].sheetCell, 50);
        QCOMPARE(rig.view.cells[6].sheetCell, 51);
        QVERIFY(!rig.view.cells[9].visible);
        rig.solve();
        QCOMPARE(rig.state.scores[0], qint16(100));
    }

    void scoreIsAHundredLessFivePerMiss_data()
    {
        QTest::addColumn<int>("misses");
        QTest::addColumn<int>("score");
        QTest::newRow("none") << 0 << 100;
        QTest::newRow("three") << 3 << 85;
        QTest::newRow("nine") << 9 << 55;
    }

    void scoreIsAHundredLessFivePerMiss()
    {
        QFETCH(int, misses);
        QFETCH(int, score);
        GameRig rig;
        startWith(rig, "Hase");
        rig.state.scores[0] = 40;
        rig.view.atNextWait([&] { rig.view.log.append(QStringLiteral("hand-over")); });
        rig.miss(misses);
        QCOMPARE(rig.state.missCount, qint16(misses));
        rig.solve();
        QCOMPARE(rig.state.scores[0], qint16(40 + score));
        QCOMPARE(rig.view.scoreTexts[0], QString::number(40 + score));
        // Solved: the sound, the hand-over, half a second, then the next player's word.
        QCOMPARE(logBetween(rig.view.log, "sound 100", "sound 102"),
                 QStringList({"sound 100", "next shown", "strip off", "hand-over", "next hidden",
                              "pause 0.5"}));
        QCOMPARE(rig.state.currentPlayer, qint16(1));
    }

    void tenMissesWithSound()
    {
        GameRig rig;
        rig.state.showSolution = 1;
        startWith(rig, "Hase");
        int stageAtHandOver = 0;
        QString boardAtHandOver;
        rig.view.atNextWait([&] {
            stageAtHandOver = rig.view.stage;
            boardAtHandOver = rig.view.board();
        });
        const int set = rig.state.pictureSet;
        rig.miss(9);
        QCOMPARE(rig.view.stage, 9);
        QCOMPARE(rig.view.pauses.count(0.1), 9);
        rig.miss(1);
        QCOMPARE(stageAtHandOver, 10);
        QCOMPARE(boardAtHandOver, QStringLiteral("HASE"));
        // The set's own sound with the strip already off, then the long pause.
        QCOMPARE(logBetween(rig.view.log, "stage 10", "pause 0.1").mid(0, 4),
                 QStringList({"stage 10", "strip off", QStringLiteral("sound %1").arg(set + 5),
                              "pause 1.5"}));
        QCOMPARE(rig.state.scores[0], qint16(0));
        QCOMPARE(rig.state.currentPlayer, qint16(1));
        QVERIFY(rig.view.faults.isEmpty());
    }

    void tenMissesWithoutSound()
    {
        GameRig rig;
        rig.state.soundOn = 0;
        rig.state.showSolution = 0;
        startWith(rig, "Hase");
        rig.miss(10);
        QVERIFY(rig.sound.played.isEmpty());
        QVERIFY(rig.view.pauses.count(1.5) == 0 && rig.view.pauses.count(0.1) == 0);
        // The strip goes off only with the hand-over.
        QCOMPARE(logBetween(rig.view.log, "stage 10", "next hidden"),
                 QStringList({"stage 10", "next shown", "strip off"}));
    }

    void theSolutionOnlyWhenExactlyOne_data()
    {
        QTest::addColumn<int>("showSolution");
        QTest::addColumn<QString>("board");
        QTest::newRow("1") << 1 << "KR_HE";
        QTest::newRow("0") << 0 << "_____";
        QTest::newRow("-1") << -1 << "_____";
    }

    void theSolutionOnlyWhenExactlyOne()
    {
        QFETCH(int, showSolution);
        QFETCH(QString, board);
        // English has no Ä button: that position stays covered in the solution as well.
        GameRig rig(1000);
        rig.state.showSolution = qint16(showSolution);
        startWith(rig, "Krähe");
        QString shown;
        QStringList pool;
        rig.view.atNextWait([&] {
            shown = rig.view.board();
            pool = rig.game.pool().entries();
        });
        rig.miss(10);
        QCOMPARE(shown, board);
        // The lost word is back in the pool before the next word is drawn.
        QCOMPARE(pool, QStringList({"KRÄHE"}));
    }

    void keyboardGuesses()
    {
        GameRig rig(1000);
        startWith(rig, "Zirkuszelt");
        rig.game.Form_KeyPress(u'z');
        QCOMPARE(rig.view.board(), QStringLiteral("Z_____Z___"));
        // Used letters and letters without a button do nothing.
        rig.game.Form_KeyPress(u'Z');
        rig.game.Form_KeyPress(u'ä');
        rig.game.Form_KeyPress(u'7');
        QCOMPARE(rig.state.missCount, qint16(0));
        rig.game.Form_KeyPress(u'X');
        QCOMPARE(rig.state.missCount, qint16(1));
        rig.game.Form_KeyPress(u'i');
        QCOMPARE(rig.view.board(), QStringLiteral("ZI____Z___"));
    }

    void theStripFollowsTheLanguage_data()
    {
        QTest::addColumn<int>("base");
        QTest::addColumn<int>("buttons");
        QTest::newRow("deutsch") << 0 << 29;
        QTest::newRow("english") << 1000 << 26;
        QTest::newRow("svenska") << 2000 << 29;
        QTest::newRow("italiano") << 3000 << 26;
        QTest::newRow("portuguesa") << 4000 << 29;
        QTest::newRow("español") << 5000 << 27;
        QTest::newRow("français") << 6000 << 27;
    }

    void theStripFollowsTheLanguage()
    {
        QFETCH(int, base);
        QFETCH(int, buttons);
        GameRig rig(base);
        startWith(rig, "Hase");
        for (int b = 0; b < 29; ++b) {
            QCOMPARE(rig.view.stripShown[size_t(b)], b < buttons);
            QCOMPARE(rig.view.stripOn[size_t(b)], b < buttons);
        }
    }

    void aGuessDuringAGuessWaitsForIt()
    {
        GameRig rig;
        startWith(rig, "Banane");
        const int n = rig.view.button(u'N');
        bool nShownInside = false;
        rig.view.atNextPump([&] {
            rig.click(u'N');
            nShownInside = rig.view.stripShown[size_t(n)];
        });
        rig.click(u'B');
        QVERIFY(nShownInside);
        QCOMPARE(rig.view.board(), QStringLiteral("B_N_N_"));
        QCOMPARE(rig.state.foundCount, qint16(3));
        QVERIFY(!rig.view.stripShown[size_t(n)]);
    }

    void aWaitingGuessForAnEndedWordIsDropped()
    {
        GameRig rig;
        startWith(rig, "Hase");
        rig.click(u'H');
        rig.click(u'A');
        rig.click(u'S');
        rig.view.atNextPump([&] { rig.click(u'X'); });
        rig.click(u'E');
        QCOMPARE(rig.state.scores[0], qint16(100));
        QCOMPARE(rig.state.currentPlayer, qint16(1));
        QCOMPARE(rig.state.missCount, qint16(0));
        QVERIFY(rig.view.stripShown[size_t(rig.view.button(u'X'))]);
    }

    void aRestartInsideAGuessEndsTheGuess()
    {
        GameRig rig;
        startWith(rig, "Hase");
        rig.view.atNextPump([&] {
            rig.view.answers = {true};
            rig.game.StartGame();
        });
        rig.click(u'X');
        // The new word has not been charged with the old word's miss.
        QCOMPARE(rig.state.missCount, qint16(0));
        QCOMPARE(rig.view.stage, 0);
        QVERIFY(rig.view.stripShown[size_t(rig.view.button(u'X'))]);
        QVERIFY(rig.view.faults.isEmpty());
    }

    void closingStopsAGuessAndALayout()
    {
        GameRig rig;
        startWith(rig, "Hase");
        rig.view.atNextPump([&] { rig.view.closeNow(); });
        rig.click(u'X');
        QCOMPARE(rig.state.missCount, qint16(0));
        QVERIFY(rig.view.faults.isEmpty());

        // Closing right after the last letter: no score sound, no hand-over.
        GameRig solved;
        startWith(solved, "Oh");
        solved.click(u'O');
        // Pumps: after hiding the button, after the hit, after the score.
        solved.view.atNextPump([] {});
        solved.view.atNextPump([] {});
        solved.view.atNextPump([&] { solved.view.closeNow(); });
        solved.sound.played.clear();
        solved.click(u'H');
        QCOMPARE(solved.sound.played, QList<int>({101}));
        QCOMPARE(solved.view.handOvers, 0);
        QVERIFY(solved.view.faults.isEmpty());

        GameRig layout;
        layout.state.hintsPerWord.fill(0);
        layout.useWords({"Hase"});
        layout.view.atNextPump([&] { layout.view.closeNow(); });
        layout.start();
        QCOMPARE(layout.view.cells.size(), 1);
        QVERIFY(layout.view.faults.isEmpty());
    }

    void errorsAreReportedUnderTheProcedure()
    {
        GameRig rig;
        startWith(rig, "Hase");
        rig.game.imgAlpha_Click(29);
        rig.game.imgAlpha_Click(-1);
        QCOMPARE(rig.errors.errors().size(), 2);
        QCOMPARE(rig.errors.errors()[0].module, QStringLiteral("frmQuendo"));
        QCOMPARE(rig.errors.errors()[0].procedure, QStringLiteral("imgAlpha_click"));
        QCOMPARE(rig.errors.errors()[0].number, ErrNo::SubscriptOutOfRange);
        QCOMPARE(rig.state.missCount, qint16(0));
        QVERIFY(rig.view.faults.isEmpty());

        // The layout of a word reports under the procedure that asked for it.
        GameRig start;
        start.view.failPictureSet = true;
        start.useWords({"Hase"});
        start.start();
        QCOMPARE(start.errors.errors().size(), 1);
        QCOMPARE(start.errors.errors()[0].procedure, QStringLiteral("StartGame"));
        QCOMPARE(start.errors.errors()[0].number, ErrNo::ResourceNotFound);
        QCOMPARE(start.state.currentWord, QStringLiteral("HASE")); // Ignore went on

        // Cancel leaves Start before the game counts as running.
        GameRig cancel;
        cancel.errors.script({ErrAnswer::Cancel});
        cancel.view.failPictureSet = true;
        cancel.useWords({"Hase"});
        cancel.start();
        QVERIFY(!cancel.state.gameRunning);
        QVERIFY(cancel.view.cells.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestGameGuessing)
#include "tst_gameguessing.moc"
