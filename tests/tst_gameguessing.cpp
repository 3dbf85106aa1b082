// The play of one word: layout, guesses by click and key, misses, scores, the solution.
#include "GameFakes.h"

#include <QSet>
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
        QCOMPARE(rig.board.text(), QStringLiteral("____"));
        // Pitch 33 (30 × 1.1), usable width 680: half of the 548 left over, and the margin of 10.
        QList<int> lefts;
        for (const auto &c : rig.board.cells)
            lefts << c.left;
        QCOMPARE(lefts, QList<int>({284, 317, 350, 383}));
        QCOMPARE(rig.state.foundCount, qint16(0));
        QCOMPARE(rig.state.missCount, qint16(0));
        QCOMPARE(rig.picture.stage, 0);
        QVERIFY(rig.board.startEnabled);
        // A tile sound for the word and one for each cell, with a short pause after each.
        QCOMPARE(rig.sound.played, QList<int>({102, 102, 102, 102, 102}));
        QCOMPARE(rig.waits.pauses, QList<double>({0.15, 0.15, 0.15, 0.15}));
        QVERIFY(rig.record.faults.isEmpty());
    }

    void oneLetterUncoversEveryPlaceOfIt()
    {
        GameRig rig;
        startWith(rig, "Zirkuszelt");
        rig.sound.played.clear();
        rig.click(u'Z');
        QCOMPARE(rig.board.text(), QStringLiteral("Z_____Z___"));
        QCOMPARE(rig.state.foundCount, qint16(2));
        QCOMPARE(rig.state.missCount, qint16(0));
        QVERIFY(!rig.board.stripShown[25]);
        QCOMPARE(rig.sound.played, QList<int>({101}));
    }

    void aVowelUncoversItsAccentedForms_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("guesses");
        QTest::addColumn<QString>("board");
        QTest::addColumn<QList<int>>("cells"); // the sheet cells shown, position by position
        // E uncovers the E of EST with its own picture and the final É with sheet cell 38.
        QTest::newRow("E and É") << "Papa est fatigué"
                                 << "E"
                                 << "____ E__ ______É"
                                 << QList<int>{59, 59, 59, 59, 59, 4,  59, 59,
                                               59, 59, 59, 59, 59, 59, 59, 38};
        // No other button uncovers the É.
        QTest::newRow("all but E") << "Papa est fatigué"
                                   << "PASTFIGU"
                                   << "PAPA _ST FATIGU_" << QList<int>{15, 0, 15, 0};
        QTest::newRow("Ô under O") << "Hôtel"
                                   << "O"
                                   << "_Ô___" << QList<int>{59, 46, 59, 59, 59};
        QTest::newRow("every accent")
            << "Àâéèêíìîóòúùûz"
            << "AEIOU"
            << "ÀÂÉÈÊÍÌÎÓÒÚÙÛ_"
            << QList<int>{36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 47, 48, 49, 59};
    }

    void aVowelUncoversItsAccentedForms()
    {
        QFETCH(QString, word);
        QFETCH(QString, guesses);
        QFETCH(QString, board);
        QFETCH(QList<int>, cells);
        GameRig rig(6000);
        startWith(rig, word);
        for (const QChar c : guesses)
            rig.click(c);
        QCOMPARE(rig.board.text(), board);
        for (int i = 0; i < cells.size(); ++i)
            QCOMPARE(rig.board.cells[i + 1].sheetCell, cells[i]);
        QCOMPARE(rig.state.missCount, qint16(0));
        QCOMPARE(int(rig.state.foundCount), int(board.size() - board.count(u'_')));
    }

    void blanksApostrophesAndHyphensAreFoundFromTheStart()
    {
        GameRig rig;
        startWith(rig, "L'arc-en ciel");
        QCOMPARE(rig.state.foundCount, qint16(3));
        QCOMPARE(rig.board.text(), QStringLiteral("_'___-__ ____"));
        QCOMPARE(rig.board.cells[2].sheetCell, 50);
        QCOMPARE(rig.board.cells[6].sheetCell, 51);
        QVERIFY(!rig.board.cells[9].visible);
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
        rig.waits.atNextWait([&] { rig.record.log.append(QStringLiteral("hand-over")); });
        rig.miss(misses);
        QCOMPARE(rig.state.missCount, qint16(misses));
        rig.solve();
        QCOMPARE(rig.state.scores[0], qint16(40 + score));
        QCOMPARE(rig.panels.scoreTexts[0], QString::number(40 + score));
        // Solved: the sound, the hand-over, half a second, then the next player's word.
        QCOMPARE(logBetween(rig.record.log, "sound 100", "sound 102"),
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
        rig.waits.atNextWait([&] {
            stageAtHandOver = rig.picture.stage;
            boardAtHandOver = rig.board.text();
        });
        const int set = rig.state.pictureSet;
        rig.miss(9);
        QCOMPARE(rig.picture.stage, 9);
        QCOMPARE(rig.waits.pauses.count(0.1), 9);
        rig.miss(1);
        QCOMPARE(stageAtHandOver, 10);
        QCOMPARE(boardAtHandOver, QStringLiteral("HASE"));
        // The set's own sound with the strip already off, then the long pause.
        QCOMPARE(logBetween(rig.record.log, "stage 10", "pause 0.1").mid(0, 4),
                 QStringList({"stage 10", "strip off", QStringLiteral("sound %1").arg(set + 5),
                              "pause 1.5"}));
        QCOMPARE(rig.state.scores[0], qint16(0));
        QCOMPARE(rig.state.currentPlayer, qint16(1));
        QVERIFY(rig.record.faults.isEmpty());
    }

    void tenMissesWithoutSound()
    {
        GameRig rig;
        rig.state.soundOn = 0;
        rig.state.showSolution = 0;
        startWith(rig, "Hase");
        rig.miss(10);
        QVERIFY(rig.sound.played.isEmpty());
        QVERIFY(rig.waits.pauses.count(1.5) == 0 && rig.waits.pauses.count(0.1) == 0);
        // The strip goes off only with the hand-over.
        QCOMPARE(logBetween(rig.record.log, "stage 10", "next hidden"),
                 QStringList({"stage 10", "next shown", "strip off"}));
    }

    void theSolutionOnlyWhenExactlyOne_data()
    {
        QTest::addColumn<int>("showSolution");
        QTest::addColumn<QString>("board");
        QTest::newRow("1") << 1 << "KRÄHE";
        QTest::newRow("0") << 0 << "_____";
        QTest::newRow("-1") << -1 << "_____";
    }

    void theSolutionOnlyWhenExactlyOne()
    {
        QFETCH(int, showSolution);
        QFETCH(QString, board);
        GameRig rig;
        rig.state.showSolution = qint16(showSolution);
        startWith(rig, "Krähe");
        QString shown;
        QStringList pool;
        rig.waits.atNextWait([&] {
            shown = rig.board.text();
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
        QCOMPARE(rig.board.text(), QStringLiteral("Z_____Z___"));
        // Used letters and letters without a button do nothing.
        rig.game.Form_KeyPress(u'Z');
        rig.game.Form_KeyPress(u'ä');
        rig.game.Form_KeyPress(u'7');
        QCOMPARE(rig.state.missCount, qint16(0));
        rig.game.Form_KeyPress(u'X');
        QCOMPARE(rig.state.missCount, qint16(1));
        rig.game.Form_KeyPress(u'i');
        QCOMPARE(rig.board.text(), QStringLiteral("ZI____Z___"));
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
            QCOMPARE(rig.board.stripShown[size_t(b)], b < buttons);
            QCOMPARE(rig.board.stripOn[size_t(b)], b < buttons);
        }
    }

    void aGuessDuringAGuessWaitsForIt()
    {
        GameRig rig;
        startWith(rig, "Banane");
        const int n = rig.button(u'N');
        bool nShownInside = false;
        rig.waits.atNextPump([&] {
            rig.click(u'N');
            nShownInside = rig.board.stripShown[size_t(n)];
        });
        rig.click(u'B');
        QVERIFY(nShownInside);
        QCOMPARE(rig.board.text(), QStringLiteral("B_N_N_"));
        QCOMPARE(rig.state.foundCount, qint16(3));
        QVERIFY(!rig.board.stripShown[size_t(n)]);
    }

    void aWaitingGuessForAnEndedWordIsDropped()
    {
        GameRig rig;
        startWith(rig, "Hase");
        rig.click(u'H');
        rig.click(u'A');
        rig.click(u'S');
        rig.waits.atNextPump([&] { rig.click(u'X'); });
        rig.click(u'E');
        QCOMPARE(rig.state.scores[0], qint16(100));
        QCOMPARE(rig.state.currentPlayer, qint16(1));
        QCOMPARE(rig.state.missCount, qint16(0));
        QVERIFY(rig.board.stripShown[size_t(rig.button(u'X'))]);
    }

    void aRestartInsideAGuessEndsTheGuess()
    {
        GameRig rig;
        startWith(rig, "Hase");
        rig.waits.atNextPump([&] {
            rig.questions.answers = {true};
            rig.game.StartGame();
        });
        rig.click(u'X');
        // The new word has not been charged with the old word's miss.
        QCOMPARE(rig.state.missCount, qint16(0));
        QCOMPARE(rig.picture.stage, 0);
        QVERIFY(rig.board.stripShown[size_t(rig.button(u'X'))]);
        QVERIFY(rig.record.faults.isEmpty());
    }

    void closingStopsAGuess()
    {
        GameRig rig;
        startWith(rig, "Hase");
        rig.waits.atNextPump([&] { rig.waits.closeNow(); });
        rig.click(u'X');
        QCOMPARE(rig.state.missCount, qint16(0));
        QVERIFY(rig.record.faults.isEmpty());
    }

    void closingRightAfterTheLastLetterSkipsTheRest()
    {
        GameRig rig;
        startWith(rig, "Oh");
        rig.click(u'O');
        // Pumps: after hiding the button, after the hit, after the score.
        rig.waits.atNextPump([] {});
        rig.waits.atNextPump([] {});
        rig.waits.atNextPump([&] { rig.waits.closeNow(); });
        rig.sound.played.clear();
        rig.click(u'H');
        QCOMPARE(rig.sound.played, QList<int>({101})); // no score sound
        QCOMPARE(rig.waits.handOvers, 0);
        QVERIFY(rig.record.faults.isEmpty());
    }

    void closingStopsALayout()
    {
        GameRig rig;
        rig.state.hintsPerWord.fill(0);
        rig.useWords({"Hase"});
        rig.waits.atNextPump([&] { rig.waits.closeNow(); });
        rig.start();
        QCOMPARE(rig.board.cells.size(), 1);
        QVERIFY(rig.record.faults.isEmpty());
    }

    void aGuessOutsideTheStripIsReported()
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
        QVERIFY(rig.record.faults.isEmpty());
    }

    void aLayoutReportsUnderTheProcedureThatAskedForIt_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("running");
        QTest::addColumn<QString>("word");
        QTest::newRow("ignore goes on") << int(ErrAnswer::Ignore) << true << "HASE";
        QTest::newRow("cancel leaves Start") << int(ErrAnswer::Cancel) << false << "";
    }

    void aLayoutReportsUnderTheProcedureThatAskedForIt()
    {
        QFETCH(int, answer);
        QFETCH(bool, running);
        QFETCH(QString, word);
        GameRig rig;
        rig.errors.script({ErrAnswer(answer)});
        rig.picture.failPictureSet = true;
        rig.useWords({"Hase"});
        rig.start();
        QCOMPARE(rig.errors.errors().size(), 1);
        QCOMPARE(rig.errors.errors()[0].procedure, QStringLiteral("StartGame"));
        QCOMPARE(rig.errors.errors()[0].number, ErrNo::ResourceNotFound);
        QCOMPARE(rig.state.gameRunning, running);
        QCOMPARE(rig.state.currentWord, word);
    }

    void whatThePlayerSeesAndHearsOfAWord()
    {
        GameRig rig;
        rig.state.numPlayers = 1;
        startWith(rig, "Hase");
        // A new word starts on the empty chalk board.
        QCOMPARE(rig.picture.stage, 0);
        QVERIFY(rig.picture.emptyBoards >= 1);
        rig.record.log.clear();
        rig.click(u'X');
        QCOMPARE(rig.record.log, QStringList({"stage 1", "sound 104", "pause 0.1"}));
        rig.click(u'Y');
        QCOMPARE(rig.picture.stage, 2);
        rig.record.log.clear();
        rig.click(u'A');
        QCOMPARE(rig.record.log, QStringList({"sound 101"}));
        const int emptyBoards = rig.picture.emptyBoards;
        rig.solve();
        // The next word shows the empty board again, and Next had the keyboard focus.
        QCOMPARE(rig.picture.emptyBoards, emptyBoards + 1);
        QCOMPARE(rig.picture.stage, 0);
        QCOMPARE(rig.board.nextFocus, 1);
    }

    void everyDrawingComesUp()
    {
        GameRig rig;
        QSet<int> sets;
        for (int word = 0; word < 60; ++word) {
            rig.useWords({"Hase"});
            Procedure caller(Proc::frmQuendo::StartGame);
            rig.game.NewWord(caller);
            sets.insert(rig.picture.loadedPictureSet);
        }
        QCOMPARE(sets, QSet<int>({101, 102, 103, 104, 105}));
    }

    void theSolutionTicksAndLooksShown()
    {
        GameRig rig(6000);
        rig.state.showSolution = 1;
        startWith(rig, "Fée");
        rig.click(u'F');
        QList<CellLook> looks;
        QString shown;
        QList<int> heard;
        rig.waits.atNextWait([&] {
            for (const auto &c : std::as_const(rig.board.cells))
                looks << c.look;
            shown = rig.board.text();
            heard = rig.sound.played;
        });
        rig.sound.played.clear();
        const int set = rig.state.pictureSet;
        rig.miss(10);
        // Found letters keep their look; the solution shows the rest, accents included, with
        // a tick for each.
        QCOMPARE(shown, QStringLiteral("FÉE"));
        QCOMPARE(looks, QList<CellLook>({CellLook::Found, CellLook::Solution, CellLook::Solution}));
        QCOMPARE(heard,
                 QList<int>({104, 104, 104, 104, 104, 104, 104, 104, 104, set + 5, 102, 102}));
    }

    void aHandEditedSoundOfOneStillPlays()
    {
        GameRig rig;
        rig.folder.write("Quendo.ini", "[Einstellungen]\r\nSound=1\r\n");
        rig.game.readSettings();
        startWith(rig, "Hase");
        rig.sound.played.clear();
        rig.click(u'X');
        QCOMPARE(rig.sound.played, QList<int>({104}));
    }
};

QTEST_GUILESS_MAIN(TestGameGuessing)
#include "tst_gameguessing.moc"
