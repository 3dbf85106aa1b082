// The play of one word: the strip, layout, hints, guesses by click and key, misses, scores,
// the solution, and what happens inside a guess's waits.
#include "GameFakes.h"

#include <QSet>
#include <QTest>

namespace {

// The letters whose buttons are used up, in alphabetical order.
QString usedLetters(const GameRig &rig)
{
    QString used;
    for (int b = 0; b < 26; ++b) {
        if (!rig.stripShown[size_t(b)])
            used += QChar(u'A' + b);
    }
    return used;
}

struct Guesses
{
    int base;
    QString word, clicks, keys;
    QString board; // after the guesses, or at the hand-over when they ended the word
    int stage;
};

struct Loss
{
    int sound, solution, repeat;
    QString board; // at the hand-over; the game's letters in lower case
    bool heard;    // a hit, nine misses, the set's sound, a tick for each letter shown
    QStringList pool;
};

// Something happens inside the wait of the last click, after some pumps (-1: at the hand-over).
struct Inside
{
    QString word, clicks;
    int pumps;
    char what;    // a letter clicked, Start answered '!' Yes or '?' No, '#' the window closes
    bool offered; // that letter's button (Start: the last click's) at the end
    QList<int> heard = {};        // from the first click on, when the window closed
    bool lastDrawingGone = false; // the 10th picture is missing and its report cancelled
};

// A word read aloud: the clicks, then the state asked for when state is set.
struct Said
{
    int base;
    QString word;
    qint16 hints, speech;
    QString clicks;
    bool state;
    int skip; // what was said before the part shown
    QStringList said;
};

} // namespace

Q_DECLARE_METATYPE(Said)
Q_DECLARE_METATYPE(Guesses)
Q_DECLARE_METATYPE(Loss)
Q_DECLARE_METATYPE(Inside)

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
        // A tile sound for the word and one for each cell.
        QCOMPARE(rig.played, QList<int>({102, 102, 102, 102, 102}));
        // Each of the five drawings comes up, word after word.
        QSet<int> drawings;
        for (int word = 0; word < 40; ++word) {
            rig.startWith("Hase");
            drawings << rig.pictureSet;
        }
        QCOMPARE(drawings, QSet<int>({101, 102, 103, 104, 105}));
    }

    void theStripOffersTheLanguagesLetters_data()
    {
        QTest::addColumn<int>("base");
        QTest::addColumn<QString>("national"); // buttons 26..28: letter/sheet cell, or "-"
        QTest::newRow("deutsch") << 0 << "Ä/26 Ö/27 Ü/28";
        QTest::newRow("english") << 1000 << "- - -";
        QTest::newRow("svenska") << 2000 << "Ä/26 Ö/27 Å/30";
        QTest::newRow("portuguesa") << 4000 << "Ã/31 Õ/32 Ç/34";
        QTest::newRow("español") << 5000 << "Ñ/33 - -";
        QTest::newRow("français") << 6000 << "Ç/34 - -";
    }
    // Loaded, the strip shows the language's letters, all off; Start turns them on.
    void theStripOffersTheLanguagesLetters()
    {
        QFETCH(int, base);
        QFETCH(QString, national);
        GameRig rig(base);
        const auto shown = [&](bool on) {
            int alphabet = 0;
            QStringList rest;
            for (int b = 0; b < Alphabet::kSlots; ++b) {
                const LetterStrip::Slot &s = rig.game.strip().slot(b);
                const bool offered = rig.stripShown[size_t(b)] && rig.stripOn[size_t(b)] == on;
                if (b < 26)
                    alphabet += offered && s.letter == QChar(u'A' + b);
                else
                    rest << (offered ? s.letter + u'/' + QString::number(s.cell)
                                     : QStringLiteral("-"));
            }
            return QString::number(alphabet) + u' ' + rest.join(u' ');
        };
        QCOMPARE(shown(false), "26 " + national);
        rig.game.Form_KeyPress(u'a');
        QVERIFY(rig.played.isEmpty()); // a key guesses nothing yet
        rig.startWith("Hase");
        QCOMPARE(shown(true), "26 " + national);
    }

    void guessesUncoverTheirLetters_data()
    {
        QTest::addColumn<Guesses>("row");
        QTest::newRow("every place of a letter")
            << Guesses{0, "Zirkuszelt", "Z", "", "Z_____Z___", 0};
        QTest::newRow("keys: used or without a button do nothing")
            << Guesses{1000, "Zirkuszelt", "", "zZä7Xi", "ZI____Z___", 1};
        QTest::newRow("no other button uncovers É")
            << Guesses{6000, "Papa est fatigué", "PASTFIGU", "", "PAPA _ST FATIGU_", 0};
        QTest::newRow("every accent")
            << Guesses{6000, "Àâéèêíìîóòôúùûz", "AEIOU", "", "ÀÂÉÈÊÍÌÎÓÒÔÚÙÛ_", 0};
        QTest::newRow("ç typed") << Guesses{6000, "Ça va", "", "ç", "Ç_ __", 0};
        QTest::newRow("blank, ' and - found from the start")
            << Guesses{0, "L'arc-en ciel", "", "", "_'___-__ ____", 0};
        QTest::newRow("solved with them")
            << Guesses{0, "L'arc-en ciel", "LARCENI", "", "L'ARC-EN CIEL", 0};
    }
    void guessesUncoverTheirLetters()
    {
        QFETCH(Guesses, row);
        GameRig rig(row.base);
        rig.startWith(row.word);
        QString shown, used;
        const auto look = [&] {
            shown = rig.text();
            used = usedLetters(rig);
        };
        bool handedOver = false;
        rig.atNextWait([&] {
            look();
            handedOver = true;
        });
        for (const QChar c : row.clicks)
            rig.click(c);
        for (const QChar c : row.keys)
            rig.game.Form_KeyPress(c);
        if (!handedOver)
            look();
        QCOMPARE(shown, row.board);
        // A word shown whole is solved: the turn passes on.
        QCOMPARE(handedOver, !row.board.contains(u'_'));
        QCOMPARE(rig.stage, row.stage);
        for (const QChar c : row.clicks + row.keys.toUpper())
            QVERIFY(c > u'Z' || c < u'A' || used.contains(c));
    }

    // Fée with F found, then ten misses.
    void aLostWord_data()
    {
        QTest::addColumn<Loss>("row");
        QTest::newRow("the solution") << Loss{-1, 1, 1, "Fée", true, {"FÉE"}};
        QTest::newRow("sound of 1, solution -1") << Loss{1, -1, 1, "F__", true, {"FÉE"}};
        QTest::newRow("no sound, solution 0, all words again")
            << Loss{0, 0, 0, "F__", false, {"Fée", "FÉE"}};
    }
    void aLostWord()
    {
        QFETCH(Loss, row);
        GameRig rig(6000);
        rig.state.soundOn = qint16(row.sound);
        rig.state.showSolution = qint16(row.solution);
        rig.state.repeatMode = qint16(row.repeat);
        rig.startWith("Fée");
        rig.played.clear();
        QString shown;
        QStringList pool;
        rig.atNextWait([&] {
            shown = rig.text();
            QCOMPARE(rig.stage, 10);
            QList<int> heard;
            if (row.heard)
                heard << 101 << QList<int>(9, 104) << rig.pictureSet + 5
                      << QList<int>(int(row.board.count(u'e') + row.board.count(u'é')), 102);
            QCOMPARE(rig.played, heard);
            pool = rig.game.pool().entries();
        });
        rig.click(u'F');
        rig.miss(10);
        QCOMPARE(shown, row.board);
        // The lost word went back before the next word was drawn, on the empty board.
        QCOMPARE(pool, row.pool);
        QCOMPARE(rig.stage, 0);
    }

    // Over thirty draws: each hint a different letter still to be found, and any such letter.
    void hintsUncoverLettersOfTheWord_data()
    {
        QTest::addColumn<int>("base");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("hints");
        QTest::addColumn<QString>("letters"); // all that came up
        QTest::newRow("two of Banane") << 0 << "Banane" << 2 << "ABEN";
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
            rig.startWith(word, {qint16(hints), 3, 3, 3});
            const QString used = usedLetters(rig);
            QCOMPARE(used.size(), qMin(hints, int(letters.size())));
            QCOMPARE(rig.played.count(101), used.size()); // hits only
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
        rig.startWith("Oh", {2, 3, 0, 0});
        QCOMPARE(rig.scoreTexts[0], QStringLiteral("100"));
        QCOMPARE(rig.state.currentWord, QStringLiteral("ZIRKUSZELT"));
        // The second player got his three, and the interrupted loop one more: its count (2)
        // was still below his number of hints.
        QCOMPARE(usedLetters(rig).size(), 4);
    }

    // A click inside a guess waits for it, and is dropped when that guess ended the word; a
    // restart ends the guess (and Start answered No changes nothing); the window closing ends it
    // too, and nothing more is heard or touched (the rig checks).
    void somethingHappensInsideAGuess_data()
    {
        QTest::addColumn<Inside>("row");
        QTest::newRow("another guess waits") << Inside{"Banane", "B", 0, 'N', false};
        QTest::newRow("dropped after the last letter") << Inside{"Hase", "HASE", 0, 'X', true};
        QTest::newRow("dropped after a loss that could not be shown")
            << Inside{"Hase", "BCDFGIJKLM", 0, 'Y', true, {}, true};
        QTest::newRow("a restart") << Inside{"Hase", "X", 0, '!', true};
        QTest::newRow("no restart") << Inside{"Hase", "H", 0, '?', false};
        QTest::newRow("closing at a miss") << Inside{"Hase", "X", 0, '#', false, {}};
        QTest::newRow("closing before the score") << Inside{"Oh", "OH", 2, '#', false, {101, 101}};
        QTest::newRow("closing in the hand-over")
            << Inside{"Hase", "HASE", -1, '#', false, {101, 101, 101, 101, 100}};
    }
    void somethingHappensInsideAGuess()
    {
        QFETCH(Inside, row);
        GameRig rig;
        rig.missingStage = row.lastDrawingGone ? 10 : -1;
        rig.errors.script({ErrAnswer::Cancel});
        rig.startWith(row.word);
        rig.played.clear();
        for (const QChar c : row.clicks.chopped(1))
            rig.click(c);
        for (int i = 0; i < row.pumps; ++i)
            rig.atNextPump([] {});
        const bool start = row.what == '!' || row.what == '?';
        const QChar letter = start ? row.clicks.back() : QChar(row.what);
        bool waited = true;
        const auto inside = [&] {
            if (row.what == '#')
                return rig.closeNow();
            rig.answers = {row.what != '?'};
            if (start)
                return rig.game.StartGame();
            rig.click(letter);
            waited = rig.stripShown[size_t(rig.button(letter))];
        };
        (row.pumps < 0 ? rig.atNextWait(inside) : rig.atNextPump(inside));
        rig.click(row.clicks.back());
        QVERIFY(waited);
        if (row.what == '#')
            QCOMPARE(rig.played, row.heard);
        else
            QCOMPARE(rig.stripShown[size_t(rig.button(letter))], row.offered);
        QCOMPARE(rig.stage, row.lastDrawingGone ? 9 : 0);
        QStringList reported;
        for (const ReportedError &e : rig.errors.errors())
            reported << e.module + u'.' + e.procedure;
        QCOMPARE(reported, QStringList(row.lastDrawingGone ? 1 : 0, "frmQuendo.imgAlpha_click"));
    }

    void whatIsSaid_data()
    {
        QTest::addColumn<Said>("row");
        QTest::newRow("a hit and a miss, then the state") << Said{
            0,
            "Hase",
            0,
            -1,
            "HX",
            true,
            0,
            {"Spieler 1 ist dran. Das Wort hat 4 Buchstaben.", "H: ja, einmal!",
             "X: nein, leider nicht. Noch 9 Versuche.",
             "Das Wort: H, Lücke, Lücke, Lücke. Versuche übrig: 9. Spieler 1 hat 200 Punkte."}};
        QTest::newRow("twice, solved, the hand-over") << Said{
            1000,
            "Anna's",
            0,
            1,
            "ANS",
            false,
            1,
            {"A: yes, 2 times!", "N: yes, 2 times!", "S: yes, once!",
             "+ Well done! A, N, N, A, S. Anna's! That's 100 points.", "+ Press Enter to go on."}};
        QTest::newRow("one try left, the last, lost") << Said{
            6000,
            "Oie",
            0,
            -1,
            "ABCDFGHJKL",
            false,
            9,
            {"K : non, dommage. Encore un essai !", "L : non, dommage.",
             "+ Dommage ! Le mot était : O, I, E. Oie.", "+ Appuie sur Entrée pour continuer."}};
        QTest::newRow("a hint, a word of two") << Said{
            2000,
            "Ko bo",
            1,
            -1,
            "",
            true,
            0,
            {"Spieler 1, nu är det din tur. Ordet har 4 bokstäver.", "+ Ett tips: O: ja, 2 gånger!",
             "Ordet: lucka, O – lucka, O. Försök kvar: 10. Spieler 1 har 200 poäng."}};
        QTest::newRow("nothing with the setting off") << Said{0, "Hase", 1, 0, "X", true, 0, {}};
    }
    void whatIsSaid()
    {
        QFETCH(Said, row);
        GameRig rig(row.base);
        rig.state.speechOn = row.speech;
        rig.atNextWait([&] { rig.closeNow(); });
        rig.startWith(row.word, {row.hints, 0, 0, 0});
        rig.state.scores[0] = 200; // from earlier words
        for (const QChar c : row.clicks)
            rig.click(c);
        if (row.state)
            rig.game.sayState();
        QCOMPARE(rig.said.mid(row.skip), row.said);
    }

    void closingStopsALayout()
    {
        GameRig rig;
        rig.game.pool().replace({"Hase"});
        rig.atNextPump([&] { rig.closeNow(); });
        rig.game.StartGame();
        QCOMPARE(rig.cells.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestGameGuessing)
#include "tst_gameguessing.moc"
