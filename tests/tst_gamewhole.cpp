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
        rig.slotShown.fill(true);
        rig.game.zurueck();
        QCOMPARE(rig.slotShown, (std::array<bool, 4>{true, true, false, false}));

        // Misses per word: Anna 0, 3, 9; Ben 1, 0, and ten (lost).
        const int plan[2][3] = {{0, 3, 9}, {1, 0, 10}};
        rig.answers = {false};
        rig.game.StartGame();
        QSet<QString> words;
        int turn = 0;
        for (; !rig.closed && turn < 7; ++turn) {
            const int player = turn % 2;
            QCOMPARE(rig.highlighted, (std::array<bool, 4>{player == 0, player == 1}));
            QCOMPARE(int(rig.state.roundNo), turn / 2 + 1);
            // Anna's hint uncovered a letter for free; Ben gets none.
            QCOMPARE(rig.text().count(u'_') < rig.state.currentWord.size(), player == 0);
            words << rig.state.currentWord;
            const int misses = plan[player][turn / 2];
            rig.miss(misses);
            if (misses < 10)
                rig.solve(true); // typed on the keyboard
        }
        QCOMPARE(turn, 6);
        QCOMPARE(words.size(), 6);
        QCOMPARE(rig.scoreTexts[0], QString::number(100 + 85 + 55));
        QCOMPARE(rig.scoreTexts[1], QString::number(95 + 100 + 0));
        QCOMPARE(rig.messages, QStringList("Hurra!|Anna\rhat gewonnen!"));
        QCOMPARE(rig.questions, QStringList("|Noch 'ne Runde?"));
        QCOMPARE(rig.handOvers, 6);
        QCOMPARE(rig.played.count(100), 5);
        QCOMPARE(rig.played.count(105), 1);
        QVERIFY(rig.errors.errors().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestGameWhole)
#include "tst_gamewhole.moc"
