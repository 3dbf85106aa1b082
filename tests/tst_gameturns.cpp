// The turn cycle: settings at load, reset, Start, the hand-over and the end of a game.
#include "GameFakes.h"
#include "Language.h"

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
    void settingsDefaults()
    {
        GameRig rig;
        QCOMPARE(rig.state.numPlayers, qint16(4));
        QCOMPARE(rig.state.repeatMode, qint16(1));
        QCOMPARE(rig.state.showSolution, qint16(1));
        QCOMPARE(rig.state.minLen, qint16(4));
        QCOMPARE(rig.state.roundsToPlay, qint16(20));
        QCOMPARE(rig.state.soundOn, qint16(-1));
        QCOMPARE(rig.state.lastLetter, qint16(28));
        for (int i = 0; i < 4; ++i) {
            const QString name = QStringLiteral("Spieler %1").arg(i + 1);
            QCOMPARE(rig.state.playerNames[size_t(i)], name);
            QCOMPARE(rig.panels.names[size_t(i)], name);
            QCOMPARE(rig.state.hintsPerWord[size_t(i)], qint16(2));
        }
    }

    void handEditedSettingsAreBroughtIntoRange()
    {
        GameRig rig;
        rig.folder.write("Quendo.ini", "[Einstellungen]\r\nnumPlayers=9\r\nTipps1=7\r\n"
                                       "Tipps2=-3\r\nminLen=0\r\nRunden=3\r\nWiederholung=0\r\n"
                                       "Anzeige=-1\r\nSound=0\r\n");
        rig.game.readSettings();
        QCOMPARE(rig.state.numPlayers, qint16(4));
        QCOMPARE(rig.state.hintsPerWord, (std::array<qint16, 4>{3, 0, 2, 2}));
        QCOMPARE(rig.state.minLen, qint16(1));
        QCOMPARE(rig.state.roundsToPlay, qint16(10));
        QCOMPARE(rig.state.repeatMode, qint16(0));
        QCOMPARE(rig.state.showSolution, qint16(-1));
        QCOMPARE(rig.state.soundOn, qint16(0));

        rig.folder.write("Quendo.ini", "[Einstellungen]\r\nnumPlayers=0\r\nRunden=999\r\n"
                                       "minLen=40\r\n");
        rig.game.readSettings();
        QCOMPARE(rig.state.numPlayers, qint16(1));
        QCOMPARE(rig.state.roundsToPlay, qint16(50));
        QCOMPARE(rig.state.minLen, qint16(10));
        // A game with the mended values runs without touching a slot that is not there.
        rig.game.zurueck();
        rig.start();
        QVERIFY(!rig.state.currentWord.isEmpty());
        QVERIFY(rig.record.faults.isEmpty());
        QVERIFY(rig.errors.errors().isEmpty());
    }

    void namesAreCutTrimmedAndFitted()
    {
        GameRig rig;
        rig.folder.write("Quendo.ini", "[Einstellungen]\r\n"
                                       "Spieler1=Maximilian-Alexander von Bergen\r\n"
                                       "Spieler2=Christina\r\nSpieler3=Anna\r\n");
        rig.game.readSettings();
        QCOMPARE(rig.state.playerNames[0], QStringLiteral("Maximilian-Alexander von"));
        QCOMPARE(rig.state.playerNames[3], QStringLiteral("Spieler 4"));

        // 8 units a character, room for 12 characters.
        rig.panels.labelWidth = 100;
        rig.game.zurueck();
        QCOMPARE(rig.panels.names[0], QStringLiteral("Maximilian-."));
        QCOMPARE(rig.state.playerNames[0], QStringLiteral("Maximilian-Alexander von"));
        QCOMPARE(rig.panels.names[1], QStringLiteral("Christina"));

        // However narrow the label: the first eight characters and the dot stay; a name shorter
        // than ten characters is never shortened.
        rig.panels.labelWidth = 30;
        rig.game.zurueck();
        QCOMPARE(rig.panels.names[0], QStringLiteral("Maximili."));
        QCOMPARE(rig.panels.names[1], QStringLiteral("Christina"));
        QCOMPARE(rig.panels.names[2], QStringLiteral("Anna"));

        // The winner is named as his label shows him.
        rig.panels.labelWidth = 100;
        atLastTurn(rig, 2, {70, 20, 0, 0});
        rig.game.NextPlayer();
        QCOMPARE(rig.questions.messages.last().text, QStringLiteral("Maximilian-.\rhat gewonnen!"));
        QCOMPARE(rig.questions.messages.last().title, QStringLiteral("Hurra!"));
    }

    void namesFromTheSettings_data()
    {
        QTest::addColumn<QByteArray>("stored"); // Windows-1252, as the file holds it
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown"); // room for 12 characters
        QTest::newRow("25 letters stay whole")
            << QByteArray("Annabellamariaelisabethxy") << "Annabellamariaelisabethxy"
            << "Annabellama.";
        QTest::newRow("the 26th goes")
            << QByteArray("Annabellamariaelisabethxyz") << "Annabellamariaelisabethxy"
            << "Annabellama.";
        QTest::newRow("blanks around") << QByteArray("   Ben   ") << "Ben"
                                       << "Ben";
        QTest::newRow("no blank before the dot")
            << QByteArray("Zo\xEB-\xC9milie Schmidt") << "Zoë-Émilie Schmidt"
            << "Zoë-Émilie.";
        QTest::newRow("twelve fit") << QByteArray("Maximilian-A") << "Maximilian-A"
                                    << "Maximilian-A";
    }
    void namesFromTheSettings()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, name);
        QFETCH(QString, shown);
        GameRig rig;
        rig.folder.write("Quendo.ini", "[Einstellungen]\r\nSpieler1=" + stored + "\r\n");
        rig.game.readSettings();
        QCOMPARE(rig.state.playerNames[0], name);
        rig.panels.labelWidth = 100; // 8 units a character
        rig.game.zurueck();
        QCOMPARE(rig.panels.names[0], shown);
        QCOMPARE(rig.state.playerNames[0], name);
    }

    void resetMakesTheFirstPlayerCurrent()
    {
        GameRig rig;
        rig.state.numPlayers = 3;
        rig.state.scores = {5, 6, 7, 8};
        rig.state.roundNo = 9;
        rig.state.currentPlayer = 2;
        rig.game.zurueck();
        QCOMPARE(rig.state.currentPlayer, qint16(0));
        QCOMPARE(rig.state.roundNo, qint16(1));
        QCOMPARE(rig.state.scores, (std::array<qint16, 4>{0, 0, 0, 8}));
        QCOMPARE(rig.panels.slotShown, (std::array<bool, 4>{true, true, true, false}));
        QCOMPARE(rig.panels.highlighted, (std::array<bool, 4>{true, false, false, false}));
        QCOMPARE(rig.panels.scoreTexts[2], QStringLiteral("0"));
        QVERIFY(rig.state.pictureSet >= 101 && rig.state.pictureSet <= 105);
        QCOMPARE(rig.picture.loadedPictureSet, int(rig.state.pictureSet));
        QVERIFY(!rig.state.gameRunning);
        QVERIFY(rig.questions.messages.isEmpty());
        QCOMPARE(rig.game.pool().size(), 6);
    }

    void turnPassesAndRoundsCount()
    {
        GameRig rig;
        rig.state.numPlayers = 3;
        rig.game.zurueck();
        rig.game.NextPlayer();
        rig.game.NextPlayer();
        QCOMPARE(rig.state.currentPlayer, qint16(2));
        QCOMPARE(rig.state.roundNo, qint16(1));
        QCOMPARE(rig.panels.highlighted, (std::array<bool, 4>{false, false, true, false}));
        rig.game.NextPlayer();
        QCOMPARE(rig.state.currentPlayer, qint16(0));
        QCOMPARE(rig.state.roundNo, qint16(2));
        QVERIFY(rig.questions.questions.isEmpty());
    }

    void onePlayerWinsWhateverHisScore()
    {
        GameRig rig;
        rig.state.numPlayers = 1;
        rig.state.roundsToPlay = 10;
        rig.game.zurueck();
        for (int word = 1; word < 10; ++word) {
            rig.game.NextPlayer();
            QCOMPARE(rig.state.roundNo, qint16(word + 1));
        }
        QVERIFY(rig.questions.questions.isEmpty());
        rig.game.NextPlayer();
        QCOMPARE(rig.questions.messages.last().text, QStringLiteral("Spieler 1\rhat gewonnen!"));
        QCOMPARE(rig.questions.questions.size(), 1);
        QVERIFY(rig.waits.closed);
    }

    void drawsAndWinners_data()
    {
        QTest::addColumn<int>("players");
        QTest::addColumn<QList<int>>("scores");
        QTest::addColumn<QString>("message");
        QTest::newRow("all at 0") << 2 << QList<int>{0, 0, 0, 0} << "Unentschieden!";
        QTest::newRow("first and third tie") << 3 << QList<int>{90, 40, 90, 0} << "Unentschieden!";
        QTest::newRow("second alone on top")
            << 3 << QList<int>{90, 95, 90, 0} << "Spieler 2\rhat gewonnen!";
        QTest::newRow("fourth on top") << 4 << QList<int>{1, 2, 3, 4} << "Spieler 4\rhat gewonnen!";
        QTest::newRow("inactive slot")
            << 2 << QList<int>{10, 0, 0, 400} << "Spieler 1\rhat gewonnen!";
    }

    void drawsAndWinners()
    {
        QFETCH(int, players);
        QFETCH(QList<int>, scores);
        QFETCH(QString, message);
        GameRig rig;
        atLastTurn(rig, players,
                   {qint16(scores[0]), qint16(scores[1]), qint16(scores[2]), qint16(scores[3])});
        rig.game.NextPlayer();
        QCOMPARE(rig.questions.messages.size(), 1);
        QCOMPARE(rig.questions.messages[0].text, message);
        QCOMPARE(rig.questions.messages[0].title,
                 message == "Unentschieden!" ? QStringLiteral("Quendo") : QStringLiteral("Hurra!"));
        QCOMPARE(rig.questions.questions.size(), 1);
        QCOMPARE(rig.questions.questions[0].text, QStringLiteral("Noch 'ne Runde?"));
        QCOMPARE(rig.questions.questions[0].title, QString());
        QCOMPARE(rig.sound.played, QList<int>({105}));
        QVERIFY(rig.waits.closed);
        QVERIFY(rig.record.faults.isEmpty());
    }

    void noSoundAtTheEndWhenSoundIsOff()
    {
        GameRig rig;
        rig.state.soundOn = 0;
        atLastTurn(rig, 2, {});
        rig.game.NextPlayer();
        QVERIFY(rig.sound.played.isEmpty());
        QCOMPARE(rig.questions.messages.size(), 1);
    }

    void fewerPlayersAfterFour()
    {
        GameRig rig;
        rig.state.hintsPerWord.fill(0);
        atLastTurn(rig, 4, {10, 20, 30, 400});
        rig.state.numPlayers = 2;
        rig.game.zurueck();
        QCOMPARE(rig.panels.slotShown, (std::array<bool, 4>{true, true, false, false}));
        QCOMPARE(rig.state.scores, (std::array<qint16, 4>{0, 0, 30, 400}));
        rig.state.roundNo = 10;
        rig.state.currentPlayer = 1;
        rig.state.scores[1] = 5;
        rig.game.NextPlayer();
        QCOMPARE(rig.questions.messages.last().text, QStringLiteral("Spieler 2\rhat gewonnen!"));
    }

    void lastWordOfTheLastRoundThenOnceMore()
    {
        GameRig rig;
        rig.state.hintsPerWord.fill(0);
        atLastTurn(rig, 2, {});
        rig.state.scores = {200, 300, 0, 0};
        rig.state.gameRunning = true;
        rig.useWords({"Hase", "Igel"});
        Procedure caller(Proc::frmQuendo::StartGame);
        rig.game.NewWord(caller);
        rig.questions.answers = {true};
        rig.solve();
        // Player 2 solved and won; Yes started a new game at once.
        QCOMPARE(rig.questions.messages.size(), 1);
        QCOMPARE(rig.questions.messages[0].text, QStringLiteral("Spieler 2\rhat gewonnen!"));
        QCOMPARE(rig.questions.questions.size(), 1);
        QCOMPARE(rig.state.roundNo, qint16(1));
        QCOMPARE(rig.state.currentPlayer, qint16(0));
        QCOMPARE(rig.state.scores, (std::array<qint16, 4>{0, 0, 0, 0}));
        QCOMPARE(rig.panels.highlighted, (std::array<bool, 4>{true, false, false, false}));
        QVERIFY(!rig.state.currentWord.isEmpty());
        QCOMPARE(rig.board.cells.size(), rig.state.currentWord.size());
        QVERIFY(rig.board.stripOn[0] || rig.board.stripOn[1]);
        QVERIFY(!rig.waits.closed);
        QVERIFY(rig.record.faults.isEmpty());
        QVERIFY(rig.errors.errors().isEmpty());
    }

    void lastWordOfTheLastRoundThenNoMore()
    {
        GameRig rig;
        rig.state.hintsPerWord.fill(0);
        atLastTurn(rig, 2, {});
        rig.useWords({"Hase"});
        Procedure caller(Proc::frmQuendo::StartGame);
        rig.game.NewWord(caller);
        rig.questions.answers = {false};
        rig.solve();
        QVERIFY(rig.waits.closed);
        // Nothing was laid out or touched after the window began to close.
        QVERIFY(rig.record.faults.isEmpty());
        QCOMPARE(rig.state.currentWord, QStringLiteral("HASE"));
    }

    void startWithNoChangesNothing()
    {
        GameRig rig;
        rig.state.hintsPerWord.fill(0);
        rig.game.zurueck();
        rig.useWords({"Hase", "Igel", "Maus"});
        rig.start();
        QVERIFY(rig.state.gameRunning);
        rig.click(u'X');
        const GameState before = rig.state;
        const QString board = rig.board.text();
        const qsizetype pool = rig.game.pool().size();
        rig.questions.answers = {false};
        rig.start();
        QCOMPARE(rig.questions.questions.size(), 1);
        QCOMPARE(rig.questions.questions[0].text,
                 QStringLiteral("Wirklich ein neues Spiel anfangen?"));
        QCOMPARE(rig.questions.questions[0].title, QStringLiteral("Start"));
        QCOMPARE(rig.state.currentWord, before.currentWord);
        QCOMPARE(rig.state.missCount, qint16(1));
        QCOMPARE(rig.state.roundNo, before.roundNo);
        QCOMPARE(rig.board.text(), board);
        QCOMPARE(rig.game.pool().size(), pool);
    }

    void startWhileNextShowsGivesTheFirstWordToTheSecondPlayer()
    {
        GameRig rig;
        rig.state.numPlayers = 3;
        rig.state.hintsPerWord.fill(0);
        rig.game.zurueck();
        rig.writeWords({"Hase", "Igel", "Maus"});
        rig.useWords({"Hase", "Igel", "Maus"});
        rig.start();
        rig.waits.atNextWait([&] {
            rig.questions.answers = {true};
            rig.game.StartGame();
        });
        rig.solve();
        QCOMPARE(rig.questions.questions.size(), 1);
        QCOMPARE(rig.state.roundNo, qint16(1));
        QCOMPARE(rig.state.currentPlayer, qint16(1));
        QCOMPARE(rig.panels.highlighted, (std::array<bool, 4>{false, true, false, false}));
        QCOMPARE(rig.state.scores, (std::array<qint16, 4>{0, 0, 0, 0}));
        // One word was laid out for the new game, after the hand-over.
        QCOMPARE(rig.board.cells.size(), rig.state.currentWord.size());
        QCOMPARE(rig.game.pool().size(), 2);
        QVERIFY(rig.record.faults.isEmpty());
    }

    void startWhileNextShowsWithOnePlayer()
    {
        GameRig rig;
        rig.state.numPlayers = 1;
        rig.state.hintsPerWord.fill(0);
        rig.game.zurueck();
        rig.useWords({"Hase"});
        rig.start();
        rig.waits.atNextWait([&] {
            rig.questions.answers = {true};
            rig.game.StartGame();
        });
        rig.solve();
        QCOMPARE(rig.state.currentPlayer, qint16(0));
        QCOMPARE(rig.state.roundNo, qint16(2));
        QCOMPARE(rig.state.scores[0], qint16(0));
    }

    void nextActsOnlyDuringTheHandOver()
    {
        GameRig rig;
        rig.state.hintsPerWord.fill(0);
        rig.game.zurueck();
        rig.useWords({"Hase", "Igel"});
        rig.start();
        rig.waits.pressNext = nullptr;
        rig.waits.atNextWait([&] {
            rig.game.Form_KeyPress(u'h'); // the strip is off during the hand-over
            rig.game.pressNext();
        });
        rig.solve();
        QCOMPARE(rig.state.currentPlayer, qint16(1));
        QCOMPARE(rig.state.missCount, qint16(0));
        QVERIFY(!rig.board.next);
        QCOMPARE(rig.game.phase(), TurnPhase::Guessing);
        QVERIFY(rig.record.faults.isEmpty());
        // Next without a hand-over does nothing.
        rig.game.pressNext();
        QCOMPARE(rig.state.currentPlayer, qint16(1));
    }

    void closingDuringTheHandOverStopsEverything()
    {
        GameRig rig;
        rig.state.hintsPerWord.fill(0);
        rig.game.zurueck();
        rig.useWords({"Hase", "Igel"});
        rig.start();
        rig.waits.atNextWait([&] { rig.waits.closeNow(); });
        const qint16 player = rig.state.currentPlayer;
        rig.solve();
        QCOMPARE(rig.state.currentPlayer, player);
        QVERIFY(rig.record.faults.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestGameTurns)
#include "tst_gameturns.moc"
