// The word pool: filling it from the vocabulary file or the built-in list, the draw, and the
// return of lost words.
#include "GameFakes.h"
#include "Language.h"
#include "Utilities.h"

#include <QFile>
#include <QTest>

namespace {

// The built-in English entries of at least ten characters, as the table gives them.
const QStringList kLongEnglishWords = {"apple tree",
                                       "The clown is laughing",
                                       "Cherries are sweet",
                                       "The computer is new",
                                       "mother writes a postcard",
                                       "Grandfather reads",
                                       "Father goes to bed",
                                       "Father is tired",
                                       "vegetables",
                                       "Peter is five years old",
                                       "The bottle is empty",
                                       "Grandma is working",
                                       "the weather is fine",
                                       "The pencil is sharpened",
                                       "The snowman is melting",
                                       "television",
                                       "I like puzzle games"};

} // namespace

class TestWordPool : public QObject
{
    Q_OBJECT

private slots:
    void fileEntriesOfMinLenInUpperCaseWithSs()
    {
        GameRig rig;
        rig.writeVocabulary(QByteArray("Ast\r\nBaum\r\nStra\xdf"
                                       "e\r\nKr\xe4he\r\nEi, Apfel\r\n"));
        rig.state.minLen = 4;
        rig.game.List1_Ini();
        QCOMPARE(rig.game.pool().entries(), QStringList({"BAUM", "STRASSE", "KRÄHE", "APFEL"}));
        QCOMPARE(rig.state.vocabFile, QStringLiteral("quendo.dat"));
        QVERIFY(rig.questions.messages.isEmpty());
        QVERIFY(!rig.waits.busy);
        // Every reset starts the pool anew.
        rig.game.pool().append("EXTRA");
        rig.game.zurueck();
        QCOMPARE(rig.game.pool().size(), 4);
    }

    // Only words the language's strip can uncover, with a letter to guess, come into play.
    void onlyPlayableWords_data()
    {
        QTest::addColumn<int>("base");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("pool");
        const QByteArray hostile = QByteArray("Hase\r\nAst1\r\nWeg.\r\nTab\there\r\nNul") + '\0' +
                                   "l\r\n\xC7"
                                   "a va\r\n- -\r\n'-'\r\nOslo\xD8\r\nK\xE4se\r\nx\xFFz\r\n"
                                   "\"Zwei\r\nZeilen\"\r\n";
        QTest::newRow("deutsch") << 0 << hostile << QStringList({"HASE", "KÄSE"});
        QTest::newRow("français") << 6000 << hostile << QStringList({"HASE", "ÇA VA"});
        QTest::newRow("english") << 1000 << hostile << QStringList({"HASE"});
        QTest::newRow("deutsch, UTF-8 with a mark")
            << 0 << QByteArray("\xEF\xBB\xBFKATZE\nM\xC3\x84USE\nK\xC3\x84SE\nHUND\n")
            << QStringList({"KATZE", "MÄUSE", "KÄSE", "HUND"});
    }
    void onlyPlayableWords()
    {
        QFETCH(int, base);
        QFETCH(QByteArray, file);
        QFETCH(QStringList, pool);
        GameRig rig(base);
        rig.writeVocabulary(file);
        rig.state.minLen = 1;
        rig.game.List1_Ini();
        QCOMPARE(rig.game.pool().entries(), pool);
        QVERIFY(rig.questions.messages.isEmpty());
    }

    void aWordHandedOverAsItStandsIsCheckedAtTheDraw()
    {
        GameRig rig;
        rig.state.hintsPerWord.fill(0);
        rig.game.zurueck();
        // As the editor hands its list over: nothing filtered.
        rig.useWords({"- -", "Ça va", "Hase"});
        rig.start();
        QCOMPARE(rig.state.currentWord, QStringLiteral("HASE"));
        rig.game.pool().replace({"- -", "Ça va"});
        rig.solve();
        // Neither could be played; the pool was filled from the file anew.
        QVERIFY(rig.state.currentWord != u"- -" && rig.state.currentWord != u"ÇA VA");
        QVERIFY(!rig.state.currentWord.isEmpty());
        QVERIFY(rig.record.faults.isEmpty());
    }

    void aMissingFileFallsBackToTheDefault()
    {
        GameRig rig;
        rig.writeWords({"Affe", "Birne"});
        rig.state.vocabFile = "fehlt.dat";
        rig.game.List1_Ini();
        QCOMPARE(rig.game.pool().entries(), QStringList({"AFFE", "BIRNE"}));
        QCOMPARE(rig.state.vocabFile, QStringLiteral("quendo.dat"));

        // A named file that exists is read.
        rig.writeVocabulary(QByteArray("Zebra\r\n"), "tiere.dat");
        rig.state.vocabFile = "tiere.dat";
        rig.game.List1_Ini();
        QCOMPARE(rig.game.pool().entries(), QStringList({"ZEBRA"}));
    }

    void noDefaultFileIsAnErrorThenTheBuiltInList()
    {
        GameRig rig(1000);
        QVERIFY(QFile::remove(rig.languageFolder() + "/quendo.dat"));
        rig.state.vocabFile = "fehlt.dat";
        rig.game.List1_Ini();
        QCOMPARE(rig.errors.errors().size(), 1);
        QCOMPARE(rig.errors.errors()[0].module, QStringLiteral("frmQuendo"));
        QCOMPARE(rig.errors.errors()[0].procedure, QStringLiteral("List1_Ini"));
        QCOMPARE(rig.errors.errors()[0].number, ErrNo::FileNotFound);
        // Ignore goes on: the pool is empty, so the message and the built-in words follow.
        QCOMPARE(rig.questions.messages.size(), 1);
        QCOMPARE(rig.game.pool().size(), 50);
        QCOMPARE(rig.game.pool().at(0), QStringLiteral("afternoon"));
        QCOMPARE(rig.game.pool().at(49), QStringLiteral("shadow"));
        QVERIFY(!rig.waits.busy);
    }

    void anEmptyFileGivesTheMessageAndTheBuiltInList()
    {
        GameRig rig(1000);
        rig.writeVocabulary(QByteArray());
        rig.state.minLen = 10;
        rig.game.List1_Ini();
        QCOMPARE(rig.questions.messages.size(), 1);
        QCOMPARE(rig.questions.messages[0].text,
                 QStringLiteral("Vocabulary file is empty\r\nor all entries are too long/short!"));
        QCOMPARE(rig.questions.messages[0].title, QStringLiteral("Quendo"));
        QVERIFY(!rig.questions.messages[0].informationIcon);
        // Built-in entries are kept as the table gives them.
        QCOMPARE(rig.game.pool().entries(), kLongEnglishWords);
        QVERIFY(rig.errors.errors().isEmpty());
    }

    // Nothing to play: the message says why, and the built-in list comes.
    void aFileWithNothingToPlayCountsAsEmpty_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("message");
        QTest::newRow("too short") << QStringList({"Ei", "Ast", "Uhu"})
                                   << "Wortschatzdatei ist leer\r\noder Einträge zu lang/kurz!";
        QTest::newRow("letters the strip lacks")
            << QStringList({"Ça va", "Ast", "OsloØ", "Haus1"})
            << "Keiner der Einträge dieser Wortschatzdatei lässt sich spielen: Sie enthalten "
               "Zeichen, die es auf der Buchstabenleiste dieser Sprache nicht gibt.";
    }
    void aFileWithNothingToPlayCountsAsEmpty()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, message);
        GameRig rig;
        rig.writeWords(words);
        rig.state.minLen = 4;
        rig.game.List1_Ini();
        QCOMPARE(rig.questions.messages.size(), 1);
        QCOMPARE(rig.questions.messages[0].text, message);
        QCOMPARE(rig.game.pool().size(), 50);
        QCOMPARE(rig.game.pool().at(0), QStringLiteral("Apfelbaum"));
        QCOMPARE(rig.game.pool().at(49), QStringLiteral("Weihnachtsmann"));
    }

    void drawIsUniformAndLeavesThePoolInModeOne()
    {
        seedRandom(11);
        WordPool pool;
        pool.replace({"apfel", "birne", "kiwi"});
        QStringList drawn;
        for (int i = 0; i < 3; ++i)
            drawn << pool.draw(1, [](const QString &) { return true; }).value_or(QString());
        drawn.sort();
        QCOMPARE(drawn, QStringList({"APFEL", "BIRNE", "KIWI"}));
        QVERIFY(pool.isEmpty());
        QCOMPARE(pool.draw(1, [](const QString &) { return true; }), std::nullopt);

        // Mode 0 keeps every entry; the same one comes twice in a row now and then.
        pool.replace({"apfel", "birne"});
        QString last;
        int repeats = 0;
        QMap<QString, int> counts;
        for (int i = 0; i < 200; ++i) {
            const QString w = pool.draw(0, [](const QString &) { return true; }).value();
            repeats += w == last;
            counts[w]++;
            last = w;
        }
        QCOMPARE(pool.size(), 2);
        QVERIFY(repeats > 0);
        QVERIFY(counts["APFEL"] > 60 && counts["BIRNE"] > 60);
    }

    void aWordTooLongIsNeverDrawnAndGoneInModeOne()
    {
        const auto fitsTen = [](const QString &w) { return w.size() <= 10; };
        for (quint32 seed = 1; seed <= 20; ++seed) {
            seedRandom(seed);
            WordPool pool;
            pool.replace({"Zirkuszeltstange", "Affe", "Hundehuette"});
            QCOMPARE(pool.draw(1, fitsTen), std::optional<QString>("AFFE"));
            QVERIFY(pool.size() <= 2);
            QVERIFY(pool.draw(1, fitsTen) == std::nullopt);
            QVERIFY(pool.isEmpty());
        }
        // Mode 0: nothing leaves, and a pool without a fitting entry ends the draw.
        WordPool pool;
        pool.replace({"Zirkuszeltstange", "Hundehuette"});
        QCOMPARE(pool.draw(0, fitsTen), std::nullopt);
        QCOMPARE(pool.size(), 2);
    }

    void poolLimitsAndIndices()
    {
        WordPool pool;
        QStringList many;
        for (int i = 0; i < 32768; ++i)
            many << QStringLiteral("w");
        try {
            pool.replace(many);
            QFAIL("more than the pool holds");
        } catch (const RunTimeError &e) {
            QCOMPARE(e.detail(), "32768"); // the entries there were, not a sum
        }
        QCOMPARE(pool.size(), 32767);
        QVERIFY_THROWS_EXCEPTION(RunTimeError, pool.append("x"));
        try {
            pool.at(32767);
            QFAIL("read past the end");
        } catch (const RunTimeError &e) {
            QCOMPARE(e.number(), ErrNo::SubscriptOutOfRange);
        }
        QVERIFY_THROWS_EXCEPTION(RunTimeError, pool.removeAt(-1));
    }

    void modeOneGivesEveryWordOnceThenRefills()
    {
        GameRig rig;
        rig.writeWords({"Affe", "Birne", "Kerze"});
        rig.state.numPlayers = 1;
        rig.state.hintsPerWord.fill(0);
        rig.game.zurueck();
        rig.start();
        QStringList words;
        for (int turn = 0; turn < 3; ++turn) {
            words << rig.state.currentWord;
            QCOMPARE(rig.game.pool().size(), 2 - turn);
            rig.solve();
        }
        // The fourth word came from a pool filled anew from the file.
        QCOMPARE(rig.game.pool().size(), 2);
        words.sort();
        QCOMPARE(words, QStringList({"AFFE", "BIRNE", "KERZE"}));
        QVERIFY(rig.record.faults.isEmpty());
        QVERIFY(rig.errors.errors().isEmpty());
    }

    void aLostWordComesBack()
    {
        GameRig rig;
        rig.state.numPlayers = 1;
        rig.state.hintsPerWord.fill(0);
        rig.state.soundOn = 0;
        rig.game.zurueck();
        rig.useWords({"Krähe"});
        rig.start();
        QCOMPARE(rig.state.currentWord, QStringLiteral("KRÄHE"));
        QVERIFY(rig.game.pool().isEmpty());
        rig.useWords({"Affe"});
        rig.miss(10);
        // The lost word went back before the next draw: one of the two is being played now,
        // the other waits in the pool.
        QCOMPARE(rig.game.pool().size(), 1);
        QCOMPARE(QSet<QString>({rig.state.currentWord, rig.game.pool().at(0).toUpper()}),
                 QSet<QString>({"AFFE", "KRÄHE"}));
    }

    void withAllWordsComingAgainALostWordIsThereOnceMore()
    {
        GameRig all;
        all.state.numPlayers = 1;
        all.state.hintsPerWord.fill(0);
        all.state.repeatMode = 0;
        all.game.zurueck();
        all.useWords({"Affe"});
        all.start();
        all.miss(10);
        QCOMPARE(all.state.currentWord, QStringLiteral("AFFE"));
        QCOMPARE(all.game.pool().entries(), QStringList({"Affe", "AFFE"}));
        QVERIFY(all.record.faults.isEmpty());
    }

    void noWordFitsLeavesTheBoardIdle()
    {
        GameRig rig;
        rig.writeWords({"Affe", "Birne"});
        rig.game.zurueck();
        // Room for two cells only.
        rig.board.boardWidth = 90;
        rig.board.cells[1] = {};
        rig.start();
        QCOMPARE(rig.questions.messages.size(), 1);
        QCOMPARE(rig.questions.messages[0].text,
                 QStringLiteral("Kein passendes Wort gefunden!\r\n"
                                "Bitte die Einstellungen ändern (Mindestlänge oder Wortschatz)."));
        QCOMPARE(rig.questions.messages[0].title, QStringLiteral("Quendo"));
        QVERIFY(rig.board.cells.isEmpty());
        QVERIFY(rig.state.currentWord.isEmpty());
        QVERIFY(rig.board.startEnabled);
        QVERIFY(std::none_of(rig.board.stripOn.begin(), rig.board.stripOn.end(),
                             [](bool on) { return on; }));
        QVERIFY(rig.state.gameRunning);
        // The pool was filled once more from the file (after the reset's filling) and drawn
        // empty again.
        QCOMPARE(rig.waits.busySpells, 2);
        QVERIFY(rig.game.pool().isEmpty());
        // Typing finds no usable letter; nothing breaks.
        rig.game.Form_KeyPress(u'a');
        QCOMPARE(rig.state.missCount, qint16(0));
        QVERIFY(rig.record.faults.isEmpty());
        QVERIFY(rig.errors.errors().isEmpty());
    }

    void withAllWordsComingAgainNoWordFitsStillEnds()
    {
        // The misfits stay, but the draw still ends.
        GameRig again;
        again.writeWords({"Affe"});
        again.state.repeatMode = 0;
        again.game.zurueck();
        again.board.boardWidth = 90;
        again.start();
        QCOMPARE(again.questions.messages.size(), 1);
        QCOMPARE(again.game.pool().size(), 1);
    }

    void aPoolFilledForTheDrawIsNotFilledTwice()
    {
        GameRig rig;
        rig.writeVocabulary(QByteArray());
        rig.useWords({});
        rig.state.minLen = 10;
        rig.board.boardWidth = 90;
        rig.start();
        // The file message once (the pool was empty before the draw), then no word fits.
        QCOMPARE(rig.waits.busySpells, 1);
        QCOMPARE(rig.questions.messages.size(), 2);
        QCOMPARE(rig.questions.messages[1].text,
                 QStringLiteral("Kein passendes Wort gefunden!\r\n"
                                "Bitte die Einstellungen ändern (Mindestlänge oder Wortschatz)."));
        QVERIFY(rig.record.faults.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestWordPool)
#include "tst_wordpool.moc"
