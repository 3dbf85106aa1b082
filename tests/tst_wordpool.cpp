// The word pool: filling it from the vocabulary file or the built-in list, and the draw.
#include "GameFakes.h"
#include "Utilities.h"

#include <QFile>
#include <QTest>

namespace {

struct Empty
{
    int base;
    QByteArray file; // null: no default file, a missing one named
    int minLen;
    QString message; // how it begins
    QString word;    // a built-in word of the minimum length
};

const auto upToTen = [](const QString &w) { return w.size() <= 10; };

} // namespace

Q_DECLARE_METATYPE(Empty)

class TestWordPool : public QObject
{
    Q_OBJECT

private slots:
    // Only words the language's strip can uncover, with a letter to guess, come into play.
    void onlyPlayableWords_data()
    {
        QTest::addColumn<int>("base");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("pool");
        const QByteArray hostile = QByteArray("Fu\xDF\r\nAst1\r\nWeg.\r\nTab\there\r\nNul") + '\0' +
                                   "l\r\n\xC7"
                                   "a va\r\n- -\r\n'-'\r\nOslo\xD8\r\nK\xE4se\r\nx\xFFz\r\n"
                                   "\"Zwei\r\nZeilen\"\r\n";
        QTest::newRow("deutsch") << 0 << hostile << QStringList({"FUSS", "KÄSE"});
        QTest::newRow("français") << 6000 << hostile << QStringList({"FUSS", "ÇA VA"});
        QTest::newRow("deutsch, UTF-8 with a mark")
            << 0 << QByteArray("\xEF\xBB\xBFKATZE\nM\xC3\x84USE\nK\xC3\x84SE\nGRO\xE1\xBA\x9E\n")
            << QStringList({"KATZE", "MÄUSE", "KÄSE", "GROSS"});
    }
    void onlyPlayableWords()
    {
        QFETCH(int, base);
        QFETCH(QByteArray, file);
        GameRig rig(base);
        rig.writeVocabulary(file, "tiere.dat");
        rig.state.vocabFile = "tiere.dat";
        rig.state.minLen = 1;
        rig.game.List1_Ini();
        QTEST(rig.game.pool().entries(), "pool");
        QVERIFY(rig.messages.isEmpty());
    }

    void aWordHandedOverAsItStandsIsCheckedAtTheDraw()
    {
        GameRig rig;
        rig.game.pool().replace({"- -", "Ça va"}); // as the editor hands its list over
        rig.game.StartGame();
        // Neither could be played; the pool was filled from the file anew.
        QVERIFY(rig.state.currentWord != u"- -" && rig.state.currentWord != u"ÇA VA");
        QCOMPARE(rig.cells.size(), rig.state.currentWord.size());
    }

    void aMissingFileFallsBackToTheDefault()
    {
        GameRig rig;
        rig.state.vocabFile = "fehlt.dat";
        rig.game.zurueck(); // every reset fills the pool anew
        QCOMPARE(rig.game.pool().size(), 6);
        QCOMPARE(rig.state.vocabFile, QStringLiteral("quendo.dat"));
        QVERIFY(rig.messages.isEmpty() && !rig.busy);
    }

    // Nothing to play: a message says why, and the built-in words of the minimum length come.
    void aFileWithNothingToPlayCountsAsEmpty_data()
    {
        QTest::addColumn<Empty>("row");
        QTest::newRow("too short")
            << Empty{0, "Ei\r\nAst\r\nUhus\r\n", 5, "Wortschatzdatei ist leer\r\n", "Birne"};
        QTest::newRow("letters the strip lacks")
            << Empty{0,
                     "\xC7"
                     "a va\r\nAst\r\nOslo\xD8\r\nHaus1\r\n",
                     4, "Keiner der Einträge dieser Wortschatzdatei lässt sich spielen", "Birne"};
        QTest::newRow("empty file")
            << Empty{1000, "", 10, "Vocabulary file is empty\r\n", "television"};
        QTest::newRow("no default file")
            << Empty{1000, QByteArray(), 4, "Vocabulary file is empty\r\n", "paper"};
    }
    void aFileWithNothingToPlayCountsAsEmpty()
    {
        QFETCH(Empty, row);
        GameRig rig(row.base);
        if (row.file.isNull()) {
            QVERIFY(QFile::remove(rig.languageFolder() + "/quendo.dat"));
            rig.state.vocabFile = "fehlt.dat";
        } else {
            rig.writeVocabulary(row.file);
        }
        rig.state.minLen = qint16(row.minLen);
        rig.game.List1_Ini();
        QCOMPARE(rig.messages.size(), 1);
        QVERIFY2(rig.messages[0].startsWith("Quendo|" + row.message), qPrintable(rig.messages[0]));
        QCOMPARE(rig.errors.errors().size(), int(row.file.isNull()));
        for (const ReportedError &e : rig.errors.errors())
            QVERIFY(e.procedure == u"List1_Ini" && e.number == ErrNo::FileNotFound);
        const QStringList pool = rig.game.pool().entries();
        QVERIFY(pool.contains(row.word));
        QVERIFY(std::all_of(pool.begin(), pool.end(),
                            [&](const QString &w) { return w.size() >= row.minLen; }));
    }

    void theDrawInModeOneTakesEachWordOut()
    {
        QSet<QString> firsts; // any of them may come first
        for (quint32 seed = 1; seed <= 20; ++seed) {
            seedRandom(seed);
            WordPool pool;
            pool.replace({"apfel", "Zirkuszeltstange", "birne", "kiwi"});
            QStringList drawn;
            while (const std::optional<QString> w = pool.draw(1, upToTen))
                drawn << *w;
            firsts << drawn.value(0);
            drawn.sort();
            // The one too long for the board was never drawn and is gone too.
            QCOMPARE(drawn, QStringList({"APFEL", "BIRNE", "KIWI"}));
            QVERIFY(pool.isEmpty());
        }
        QCOMPARE(firsts.size(), 3);
    }

    void poolLimitsAndIndices()
    {
        WordPool pool;
        try {
            pool.replace(QStringList(32768, QStringLiteral("w")));
            QFAIL("more than the pool holds");
        } catch (const RunTimeError &e) {
            QCOMPARE(e.detail(), "32768"); // the entries there were, not a sum
        }
        QCOMPARE(pool.size(), 32767);
        QVERIFY_THROWS_EXCEPTION(RunTimeError, pool.append("x"));
    }

    // No word fits the board: a message and an idle board. The pool is filled once more from
    // the file, but not when it had just been filled for this draw.
    void noWordFitsLeavesTheBoardIdle_data()
    {
        QTest::addColumn<bool>("reset"); // else the pool is empty until the draw
        QTest::addColumn<int>("repeat");
        QTest::addColumn<int>("fillings"); // each under the hourglass
        QTest::addColumn<int>("left");     // entries left in the pool
        QTest::newRow("each word once") << true << 1 << 2 << 0;
        QTest::newRow("all words again") << true << 0 << 2 << 2;
        QTest::newRow("filled for the draw") << false << 1 << 1 << 0;
    }
    void noWordFitsLeavesTheBoardIdle()
    {
        QFETCH(bool, reset);
        QFETCH(int, repeat);
        GameRig rig;
        rig.writeVocabulary("Birne\r\nKerze\r\n");
        rig.state.repeatMode = qint16(repeat);
        if (reset)
            rig.game.zurueck();
        rig.boardWidth = 152; // room for four cells exactly
        rig.cells[1] = {};
        rig.game.StartGame();
        QCOMPARE(rig.messages, QStringList("Quendo|Kein passendes Wort gefunden!\r\nBitte die "
                                           "Einstellungen ändern (Mindestlänge oder Wortschatz)."));
        QVERIFY(rig.cells.isEmpty());
        QVERIFY(rig.startEnabled);
        QVERIFY(std::none_of(rig.stripOn.begin(), rig.stripOn.end(), [](bool on) { return on; }));
        QTEST(rig.busySpells, "fillings");
        QTEST(int(rig.game.pool().size()), "left");
    }
};

QTEST_GUILESS_MAIN(TestWordPool)
#include "tst_wordpool.moc"
