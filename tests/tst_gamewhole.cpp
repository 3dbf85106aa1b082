// A whole game as two children would play it: Start, three rounds, the result.
#include "GameFakes.h"

#include <QTest>

class TestGameWhole : public QObject
{
    Q_OBJECT

private slots:
    void twoPlayersThreeRounds()
    {
        GameRig rig(0, 2024);
        rig.writeWords({"Apfelbaum", "Zirkuszelt", "Schmetterling", "Regenbogen", "Blumenwiese",
                        "Sonnenschein"});
        rig.folder.write("Quendo.ini", "[Einstellungen]\r\nnumPlayers=2\r\nSpieler1=Anna\r\n"
                                       "Spieler2=Ben\r\nTipps1=1\r\nTipps2=0\r\n");
        rig.game.readSettings();
        rig.state.roundsToPlay = 3;
        rig.game.zurueck();
        QCOMPARE(rig.panels.names[0], QStringLiteral("Anna"));
        QCOMPARE(rig.panels.slotShown, (std::array<bool, 4>{true, true, false, false}));

        // Misses per word: Anna 0, 3, 9; Ben 1, 0, and ten (lost).
        const int plan[2][3] = {{0, 3, 9}, {1, 0, 10}};
        const int expected[2] = {100 + 85 + 55, 95 + 100 + 0};
        rig.questions.answers = {false};
        rig.start();
        QStringList words;
        int turn = 0;
        while (!rig.waits.closed) {
            QVERIFY(turn < 6);
            const int player = turn % 2;
            QCOMPARE(int(rig.state.currentPlayer), player);
            QCOMPARE(int(rig.state.roundNo), turn / 2 + 1);
            QVERIFY(rig.panels.highlighted[size_t(player)] &&
                    !rig.panels.highlighted[size_t(1 - player)]);
            // Anna's hint uncovered a letter for free; Ben gets none.
            QCOMPARE(rig.state.foundCount > 0, player == 0);
            QCOMPARE(rig.state.missCount, qint16(0));
            words << rig.state.currentWord;
            const int misses = plan[player][turn / 2];
            rig.miss(misses);
            if (misses < 10)
                rig.solve(true); // typed on the keyboard
            ++turn;
        }
        QCOMPARE(turn, 6);
        // Six different words in the game's pool order; the lost last one plays no part.
        QCOMPARE(QSet<QString>(words.begin(), words.end()).size(), 6);
        QCOMPARE(int(rig.state.scores[0]), expected[0]);
        QCOMPARE(int(rig.state.scores[1]), expected[1]);
        QCOMPARE(rig.panels.scoreTexts[0], QString::number(expected[0]));
        QCOMPARE(rig.panels.scoreTexts[1], QString::number(expected[1]));
        QCOMPARE(rig.questions.messages.size(), 1);
        QCOMPARE(rig.questions.messages[0].text, QStringLiteral("Anna\rhat gewonnen!"));
        QCOMPARE(rig.questions.messages[0].title, QStringLiteral("Hurra!"));
        QCOMPARE(rig.questions.questions.size(), 1);
        QCOMPARE(rig.questions.questions[0].text, QStringLiteral("Noch 'ne Runde?"));
        QCOMPARE(rig.waits.handOvers, 6);
        QCOMPARE(rig.sound.played.count(105), 1);
        QCOMPARE(rig.sound.played.count(100), 5);
        QVERIFY(rig.record.faults.isEmpty());
        QVERIFY(rig.errors.errors().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestGameWhole)
#include "tst_gamewhole.moc"
