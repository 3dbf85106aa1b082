// The play of one word: layout, guesses by click and key, misses, scores, the solution.
#include "GameFakes.h"

#include <QSet>
#include <QTest>

class TestGameGuessing : public QObject
{
    Q_OBJECT

private slots:
    void aNewWordIsLaidOutCentred()
    {
        GameRig rig;
        rig.startWith("Hase");
        QCOMPARE(rig.text(), QStringLiteral("____"));
        // Pitch 33 (30 × 1.1), usable width 680: half of the 548 left over, and the margin of 10.
        QList<int> lefts;
        for (const auto &c : rig.cells)
            lefts << c.left;
        QCOMPARE(lefts, QList<int>({284, 317, 350, 383}));
        QVERIFY(rig.startEnabled);
        // A tile sound for the word and one for each cell.
        QCOMPARE(rig.played, QList<int>({102, 102, 102, 102, 102}));
    }

    void theStripOffersTheLanguagesLetters_data()
    {
        QTest::addColumn<int>("base");
        QTest::addColumn<QString>("national"); // buttons 26..28: letter/sheet cell, or "-"
        QTest::newRow("deutsch") << 0 << "Ä/26 Ö/27 Ü/28";
        QTest::newRow("english") << 1000 << "- - -";
        QTest::newRow("svenska") << 2000 << "Ä/26 Ö/27 Å/30";
        QTest::newRow("italiano") << 3000 << "- - -";
        QTest::newRow("portuguesa") << 4000 << "Ã/31 Õ/32 Ç/34";
        QTest::newRow("español") << 5000 << "Ñ/33 - -";
        QTest::newRow("français") << 6000 << "Ç/34 - -";
    }
    void theStripOffersTheLanguagesLetters()
    {
        QFETCH(int, base);
        QFETCH(QString, national);
        GameRig rig(base);
        rig.startWith("Hase");
        QStringList shown;
        for (int b = 0; b < Alphabet::kSlots; ++b) {
            const LetterStrip::Slot &s = rig.game.strip().slot(b);
            const bool offered = rig.stripShown[size_t(b)] && rig.stripOn[size_t(b)];
            if (b < 26)
                QVERIFY(offered && s.letter == QChar(u'A' + b));
            else
                shown << (offered ? s.letter + u'/' + QString::number(s.cell)
                                  : QStringLiteral("-"));
        }
        QCOMPARE(shown.join(u' '), national);
    }

    // The board as it stands after the guesses, or at the hand-over when they ended the word.
    void guessesUncoverTheirLetters_data()
    {
        QTest::addColumn<int>("base");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("stage");
        QTest::newRow("every place of a letter") << 0 << "Zirkuszelt"
                                                 << "Z"
                                                 << ""
                                                 << "Z_____Z___" << 0;
        QTest::newRow("keys: used or without a button do nothing") << 1000 << "Zirkuszelt"
                                                                   << ""
                                                                   << "zZä7Xi"
                                                                   << "ZI____Z___" << 1;
        QTest::newRow("E and É") << 6000 << "Papa est fatigué"
                                 << "E"
                                 << ""
                                 << "____ E__ ______É" << 0;
        QTest::newRow("no other button uncovers É") << 6000 << "Papa est fatigué"
                                                    << "PASTFIGU"
                                                    << ""
                                                    << "PAPA _ST FATIGU_" << 0;
        QTest::newRow("Ô under O") << 6000 << "Hôtel"
                                   << "O"
                                   << ""
                                   << "_Ô___" << 0;
        QTest::newRow("every accent") << 6000 << "Àâéèêíìîóòúùûz"
                                      << "AEIOU"
                                      << ""
                                      << "ÀÂÉÈÊÍÌÎÓÒÚÙÛ_" << 0;
        QTest::newRow("ç typed") << 6000 << "Ça va"
                                 << ""
                                 << "ç"
                                 << "Ç_ __" << 0;
        QTest::newRow("blank, ' and - found from the start") << 0 << "L'arc-en ciel"
                                                             << ""
                                                             << ""
                                                             << "_'___-__ ____" << 0;
        QTest::newRow("solved with them") << 0 << "L'arc-en ciel"
                                          << "LARCENI"
                                          << ""
                                          << "L'ARC-EN CIEL" << 0;
    }
    void guessesUncoverTheirLetters()
    {
        QFETCH(int, base);
        QFETCH(QString, word);
        QFETCH(QString, clicks);
        QFETCH(QString, keys);
        QFETCH(QString, board);
        QFETCH(int, stage);
        GameRig rig(base);
        rig.startWith(word);
        QString shown;
        auto offered = rig.stripShown;
        const auto look = [&] {
            shown = rig.text();
            offered = rig.stripShown;
        };
        rig.atNextWait(look);
        for (const QChar c : clicks)
            rig.click(c);
        for (const QChar c : keys)
            rig.game.Form_KeyPress(c);
        if (shown.isEmpty())
            look();
        QCOMPARE(shown, board);
        QCOMPARE(rig.stage, stage);
        for (const QChar c : clicks + keys.toUpper())
            QVERIFY(rig.button(c) < 0 || !offered[size_t(rig.button(c))]);
    }

    void scoreIsAHundredLessFivePerMiss_data()
    {
        QTest::addColumn<int>("misses");
        QTest::addColumn<QString>("score");
        QTest::newRow("none") << 0 << "100";
        QTest::newRow("three") << 3 << "85";
        QTest::newRow("nine") << 9 << "55";
        QTest::newRow("ten lose the word") << 10 << "0";
    }
    void scoreIsAHundredLessFivePerMiss()
    {
        QFETCH(int, misses);
        QFETCH(QString, score);
        GameRig rig;
        rig.startWith("Hase");
        rig.miss(misses);
        rig.solve();
        QCOMPARE(rig.scoreTexts[0], score);
    }

    // Fée with F found, then ten misses: what the hand-over shows, what was heard, the pool.
    void aLostWord_data()
    {
        QTest::addColumn<int>("sound");
        QTest::addColumn<int>("solution");
        QTest::addColumn<int>("repeat");
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("looks"); // F found, S solution, _ covered
        QTest::addColumn<bool>("heard");    // a hit, nine misses, the set's sound, a tick each
        QTest::addColumn<QStringList>("pool");
        QTest::newRow("the solution") << -1 << 1 << 1 << "FÉE"
                                      << "FSS" << true << QStringList{"FÉE"};
        QTest::newRow("sound of 1, solution -1") << 1 << -1 << 1 << "F__"
                                                 << "F__" << true << QStringList{"FÉE"};
        QTest::newRow("no sound, solution 0, all words again")
            << 0 << 0 << 0 << "F__"
            << "F__" << false << QStringList{"Fée", "FÉE"};
        QTest::newRow("no sound, the solution") << 0 << 1 << 1 << "FÉE"
                                                << "FSS" << false << QStringList{"FÉE"};
    }
    void aLostWord()
    {
        QFETCH(int, sound);
        QFETCH(int, solution);
        QFETCH(int, repeat);
        QFETCH(QString, board);
        QFETCH(QString, looks);
        QFETCH(bool, heard);
        QFETCH(QStringList, pool);
        GameRig rig(6000);
        rig.state.soundOn = qint16(sound);
        rig.state.showSolution = qint16(solution);
        rig.state.repeatMode = qint16(repeat);
        rig.startWith("Fée");
        rig.played.clear();
        QString shown;
        QString shownLooks;
        int stage = 0;
        int set = 0;
        QList<int> played;
        QStringList inPool;
        rig.atNextWait([&] {
            shown = rig.text();
            for (const auto &c : std::as_const(rig.cells))
                shownLooks += c.sheetCell == Alphabet::kBlankCell ? u'_'
                              : c.look == CellLook::Found         ? u'F'
                                                                  : u'S';
            stage = rig.stage;
            set = rig.pictureSet;
            played = rig.played;
            inPool = rig.game.pool().entries();
        });
        rig.click(u'F');
        rig.miss(10);
        QCOMPARE(shown, board);
        QCOMPARE(shownLooks, looks);
        QCOMPARE(stage, 10);
        QList<int> expected;
        if (heard) {
            expected << 101 << QList<int>(9, 104) << set + 5;
            expected << QList<int>(int(looks.count(u'S')), 102);
        }
        QCOMPARE(played, expected);
        // The lost word went back before the next word was drawn, on the empty board.
        QCOMPARE(inPool, pool);
        QCOMPARE(rig.stage, 0);
    }

    void aGuessDuringAGuessWaitsForIt()
    {
        GameRig rig;
        rig.startWith("Banane");
        const int n = rig.button(u'N');
        bool nShownInside = false;
        rig.atNextPump([&] {
            rig.click(u'N');
            nShownInside = rig.stripShown[size_t(n)];
        });
        rig.click(u'B');
        QVERIFY(nShownInside);
        QCOMPARE(rig.text(), QStringLiteral("B_N_N_"));
        QVERIFY(!rig.stripShown[size_t(n)]);
    }

    void aWaitingGuessForAnEndedWordIsDropped()
    {
        GameRig rig;
        rig.startWith("Hase");
        rig.click(u'H');
        rig.click(u'A');
        rig.click(u'S');
        rig.atNextPump([&] { rig.click(u'X'); });
        rig.click(u'E');
        QCOMPARE(rig.scoreTexts[0], QStringLiteral("100"));
        QCOMPARE(rig.stage, 0);
        QVERIFY(rig.stripShown[size_t(rig.button(u'X'))]);
    }

    void aWaitingGuessForALostWordIsDropped()
    {
        // The last drawing is missing and the report is cancelled: the word stays, lost.
        GameRig rig;
        rig.missingStage = 10;
        rig.errors.script({ErrAnswer::Cancel});
        rig.startWith("Hase");
        rig.miss(9);
        rig.atNextPump([&] { rig.click(u'Y'); });
        rig.click(u'X');
        QCOMPARE(rig.errors.errors().size(), 1);
        QCOMPARE(rig.stage, 9);
        QVERIFY(rig.stripShown[size_t(rig.button(u'Y'))]);
    }

    void aRestartInsideAGuessEndsTheGuess()
    {
        GameRig rig;
        rig.startWith("Hase");
        rig.atNextPump([&] {
            rig.answers = {true};
            rig.game.StartGame();
        });
        rig.click(u'X');
        // The new word has not been charged with the old word's miss.
        QCOMPARE(rig.stage, 0);
        QVERIFY(rig.stripShown[size_t(rig.button(u'X'))]);
    }

    // The window closes inside a wait: nothing more is touched (the rig checks), nothing heard.
    void closingStopsAGuess_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("clicks"); // the last one is the guess the closing stops
        QTest::addColumn<int>("pumps");      // passed before the closing; -1: at the hand-over
        QTest::addColumn<QList<int>>("heard");
        QTest::newRow("a miss") << "Hase"
                                << "X" << 0 << QList<int>{};
        QTest::newRow("before the score") << "Oh"
                                          << "OH" << 2 << QList<int>{101, 101};
        QTest::newRow("in the hand-over") << "Hase"
                                          << "HASE" << -1 << QList<int>{101, 101, 101, 101, 100};
    }
    void closingStopsAGuess()
    {
        QFETCH(QString, word);
        QFETCH(QString, clicks);
        QFETCH(int, pumps);
        QFETCH(QList<int>, heard);
        GameRig rig;
        rig.startWith(word);
        rig.played.clear();
        for (const QChar c : clicks.chopped(1))
            rig.click(c);
        for (int i = 0; i < pumps; ++i)
            rig.atNextPump([] {});
        const auto close = [&] { rig.closeNow(); };
        (pumps < 0 ? rig.atNextWait(close) : rig.atNextPump(close));
        rig.click(clicks.back());
        QCOMPARE(rig.played, heard);
        QCOMPARE(rig.stage, 0);
        QCOMPARE(rig.state.currentPlayer, qint16(0));
    }

    void closingStopsALayout()
    {
        GameRig rig;
        rig.state.hintsPerWord.fill(0);
        rig.game.pool().replace({"Hase"});
        rig.atNextPump([&] { rig.closeNow(); });
        rig.game.StartGame();
        QCOMPARE(rig.cells.size(), 1);
    }

    void aGuessOutsideTheStripIsReported()
    {
        GameRig rig;
        rig.startWith("Hase");
        rig.game.imgAlpha_Click(29);
        rig.game.imgAlpha_Click(-1);
        QCOMPARE(rig.errors.errors().size(), 2);
        QCOMPARE(rig.errors.errors()[0].module, QStringLiteral("frmQuendo"));
        QCOMPARE(rig.errors.errors()[0].procedure, QStringLiteral("imgAlpha_click"));
        QCOMPARE(rig.errors.errors()[0].number, ErrNo::SubscriptOutOfRange);
        QCOMPARE(rig.stage, 0);
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
        rig.failPictureSet = true;
        rig.game.pool().replace({"Hase"});
        rig.game.StartGame();
        QCOMPARE(rig.errors.errors().size(), 1);
        QCOMPARE(rig.errors.errors()[0].procedure, QStringLiteral("StartGame"));
        QCOMPARE(rig.errors.errors()[0].number, ErrNo::ResourceNotFound);
        QCOMPARE(rig.state.gameRunning, running);
        QCOMPARE(rig.state.currentWord, word);
    }

    void everyDrawingComesUp()
    {
        GameRig rig;
        QSet<int> sets;
        for (int word = 0; word < 60; ++word) {
            rig.game.pool().replace({"Hase"});
            Procedure caller(Proc::frmQuendo::StartGame);
            rig.game.NewWord(caller);
            sets.insert(rig.pictureSet);
        }
        QCOMPARE(sets, QSet<int>({101, 102, 103, 104, 105}));
    }
};

QTEST_GUILESS_MAIN(TestGameGuessing)
#include "tst_gameguessing.moc"
