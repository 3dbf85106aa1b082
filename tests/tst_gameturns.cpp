// The turn cycle: names at load, reset, Start, the hand-over and the end of a game.
#include "GameFakes.h"

#include <QTest>

namespace {

// The last word of the last round has just ended for the last player.
void atLastTurn(GameRig &rig, int players, std::array<qint16, 4> scores)
{
    rig.state.numPlayers = qint16(players);
    rig.state.roundsToPlay = 10;
    rig.game.zurueck();
    rig.state.roundNo = 10;
    rig.state.currentPlayer = qint16(players - 1);
    rig.state.scores = scores;
}

} // namespace

class TestGameTurns : public QObject
{
    Q_OBJECT

private slots:
    void handEditedSettingsAreBroughtIntoRange()
    {
        // Mended by the settings table: four panels, a word of at least ten letters.
        GameRig rig;
        rig.folder.write("Quendo.ini", "[Einstellungen]\r\nnumPlayers=9\r\nminLen=40\r\n");
        rig.game.readSettings();
        rig.game.zurueck();
        rig.game.StartGame();
        QVERIFY(rig.state.currentWord.size() >= 10);
        QCOMPARE(rig.slotShown, (std::array<bool, 4>{true, true, true, true}));
    }

    // Trimmed, cut to 25 characters, fitted to the label; the winner is named as it shows him.
    void namesAreTrimmedCutAndFitted_data()
    {
        QTest::addColumn<QByteArray>("stored"); // Windows-1252, as the file holds it
        QTest::addColumn<int>("room");          // characters
        QTest::addColumn<QString>("shown");
        QTest::newRow("25 letters fitted")
            << QByteArray("Annabellamariaelisabethxy") << 12 << "Annabellama.";
        QTest::newRow("the 26th goes")
            << QByteArray("Annabellamariaelisabethxyz") << 30 << "Annabellamariaelisabethxy";
        QTest::newRow("blanks around") << QByteArray("   Ben   ") << 12 << "Ben";
        QTest::newRow("no blank before the dot")
            << QByteArray("Zo\xEB-\xC9milie Schmidt") << 12 << "Zoë-Émilie.";
        QTest::newRow("twelve fit") << QByteArray("Maximilian-A") << 12 << "Maximilian-A";
        QTest::newRow("however narrow, eight and the dot")
            << QByteArray("Maximilian-Alexander von Bergen") << 3 << "Maximili.";
        QTest::newRow("under ten never shortened") << QByteArray("Christina") << 3 << "Christina";
    }
    void namesAreTrimmedCutAndFitted()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, room);
        QFETCH(QString, shown);
        GameRig rig;
        rig.folder.write("Quendo.ini", "[Einstellungen]\r\nSpieler1=" + stored + "\r\n");
        rig.game.readSettings();
        rig.labelWidth = room * 8;
        atLastTurn(rig, 1, {});
        QCOMPARE(rig.names[0], shown);
        rig.game.NextPlayer();
        QCOMPARE(rig.messages, QStringList("Hurra!|" + shown + "\rhat gewonnen!"));
    }

    void drawsAndWinners_data()
    {
        QTest::addColumn<int>("players");
        QTest::addColumn<QList<int>>("scores");
        QTest::addColumn<QString>("message"); // title|text
        QTest::addColumn<QString>("said");    // read aloud, before the question of once more
        QTest::newRow("first and third tie")
            << 3 << QList<int>{90, 40, 90, 0} << "Quendo|Unentschieden!"
            << "Das Spiel ist aus. Unentschieden, mit 90 Punkten!";
        QTest::newRow("second alone on top")
            << 3 << QList<int>{90, 95, 90, 0} << "Hurra!|Spieler 2\rhat gewonnen!"
            << "Das Spiel ist aus. Spieler 2 hat gewonnen, mit 95 Punkten. Hurra!";
        QTest::newRow("fourth on top")
            << 4 << QList<int>{1, 2, 3, 4} << "Hurra!|Spieler 4\rhat gewonnen!"
            << "Das Spiel ist aus. Spieler 4 hat gewonnen, mit 4 Punkten. Hurra!";
        QTest::newRow("inactive slot, not read aloud")
            << 2 << QList<int>{10, 0, 0, 400} << "Hurra!|Spieler 1\rhat gewonnen!"
            << "";
    }
    void drawsAndWinners()
    {
        QFETCH(int, players);
        QFETCH(QList<int>, scores);
        QFETCH(QString, message);
        QFETCH(QString, said);
        GameRig rig;
        rig.state.speechOn = said.isEmpty() ? 0 : -1;
        atLastTurn(rig, players,
                   {qint16(scores[0]), qint16(scores[1]), qint16(scores[2]), qint16(scores[3])});
        rig.game.NextPlayer();
        QCOMPARE(rig.messages, QStringList(message));
        QCOMPARE(rig.played, QList<int>({105}));
        const QStringList heard = {said, "+ Noch 'ne Runde?"};
        QCOMPARE(rig.said, said.isEmpty() ? QStringList() : heard);
    }

    void theLastWordEndsTheGame_data()
    {
        QTest::addColumn<bool>("again");
        QTest::newRow("once more") << true;
        QTest::newRow("no more") << false;
    }
    void theLastWordEndsTheGame()
    {
        QFETCH(bool, again);
        GameRig rig;
        rig.state.hintsPerWord.fill(0);
        atLastTurn(rig, 2, {200, 300, 0, 0});
        rig.state.gameRunning = true;
        rig.game.pool().replace({"Hase", "Igel"});
        Procedure caller(Proc::frmQuendo::StartGame);
        rig.game.NewWord(caller);
        rig.answers = {again};
        rig.miss(3);
        rig.solve();
        // Yes starts a new game with the first player (the second is not lit) and a word laid out
        // at once; No closes the window (the rig checks nothing was touched after) and leaves
        // the last score: 100 less 5 for each miss.
        QCOMPARE(rig.closed, !again);
        QCOMPARE(rig.scoreTexts[1], again ? QStringLiteral("0") : QStringLiteral("385"));
        QCOMPARE(rig.highlighted[1], false);
        QCOMPARE(rig.state.roundNo, qint16(again ? 1 : 11));
        QCOMPARE(rig.stripOn[0], again);
        if (again) {
            rig.solve(); // the scores began anew
            QCOMPARE(rig.scoreTexts[0], QStringLiteral("100"));
        }
    }

    // The hand-over shows Next with the focus. Next passes the turn; Start with Yes begins a
    // new game, the word laid out after the hand-over. Next at any other time does nothing.
    void theHandOver_data()
    {
        QTest::addColumn<int>("players");
        QTest::addColumn<bool>("start"); // else Next
        QTest::addColumn<int>("player"); // who has the next word
        QTest::addColumn<int>("round");
        QTest::addColumn<QString>("said"); // at the hand-over
        QTest::newRow("Next") << 2 << false << 1 << 1 << "+ Drück Enter, dann geht es weiter.";
        QTest::newRow("Start: the second of three")
            << 3 << true << 1 << 1 << "+ Drück Enter, dann geht es weiter.";
        QTest::newRow("Start: one player, round two")
            << 1 << true << 0 << 2 << "+ Runde 1 ist vorbei. Drück Enter, dann geht es weiter.";
    }
    void theHandOver()
    {
        QFETCH(int, players);
        QFETCH(bool, start);
        QFETCH(int, player);
        QFETCH(int, round);
        QFETCH(QString, said);
        GameRig rig;
        rig.state.speechOn = -1;
        rig.state.numPlayers = qint16(players);
        rig.startWith("Hase");
        rig.pressNext = nullptr;
        bool offered = false;
        rig.atNextWait([&] {
            offered = rig.next && rig.nextFocus == 1 && rig.said.last() == said;
            rig.answers = {true};
            start ? rig.game.StartGame() : rig.game.pressNext();
        });
        rig.solve();
        QVERIFY(offered && !rig.next);
        QCOMPARE(rig.questions.size(), int(start));
        QCOMPARE(rig.state.roundNo, qint16(round));
        QCOMPARE(rig.scoreTexts[0], start ? "0" : "100");
        // One word of the pool filled anew was laid out.
        QCOMPARE(rig.game.pool().size(), 5);
        QCOMPARE(rig.cells.size(), rig.state.currentWord.size());
        rig.game.pressNext();
        QCOMPARE(rig.game.phase(), TurnPhase::Guessing);
        QVERIFY(rig.highlighted[size_t(player)]);
    }
};

QTEST_GUILESS_MAIN(TestGameTurns)
#include "tst_gameturns.moc"
