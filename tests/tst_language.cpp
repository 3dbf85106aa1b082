#include "Alphabet.h"
#include "Language.h"
#include "Settings.h"
#include "TestSupport.h"

#include <QDir>
#include <QLocale>
#include <QTest>

#include <sys/stat.h>

namespace {

// The ids every language must have.
QList<int> tableIds()
{
    QList<int> ids = {101, 102, 103, 104, 105, 107, 108, 109, 110, 111, 113, 116, 134, 135,
                      136, 137, 140, 141, 142, 143, 144, 145, 146, 149, 166, 167, 169, 170,
                      172, 173, 176, 177, 178, 179, 180, 181, 182, 183, 184, 193, 200};
    for (int id = 150; id <= 163; ++id)
        ids << id;
    for (int id = 185; id <= 191; ++id)
        ids << id;
    for (int id : {201, 202, 203, 204, 205, 206, 210, 211, 212, 213, 214})
        ids << id;
    for (int id = 300; id <= 349; ++id)
        ids << id;
    return ids;
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT
    ProgramFolder m_folder;

private slots:
    void initTestCase() { installLanguageTable(m_folder.path()); }

    void knownLookups()
    {
        QCOMPARE(GetLang(1101), QStringLiteral("Options"));
        QCOMPARE(GetLang(101), QStringLiteral("Einstellungen"));
        QCOMPARE(GetLang(6166), QStringLiteral("français"));
        QCOMPARE(GetLang(100), QString());
        QCOMPARE(GetLang(182), QStringLiteral("Unentschieden!"));
        QCOMPARE(GetLang(167), QStringLiteral("Buchstaben"));
        QCOMPARE(GetLang(1142), QStringLiteral("Once again?"));
        QCOMPARE(GetLang(5142), QStringLiteral("¿Jugar otra vez?"));
        QCOMPARE(GetLang(6300), QStringLiteral("après-midi"));
        QCOMPARE(GetLang(1102), QStringLiteral("s&how solution"));
    }

    void everyTextInEveryLanguage()
    {
        for (int digit = 0; digit < kLanguageCount; ++digit) {
            for (const int id : tableIds()) {
                QVERIFY2(!Language::fromIndex(digit).text(id).isEmpty(),
                         qPrintable(QStringLiteral("%1: %2").arg(digit).arg(id)));
            }
        }
    }

    void fileFormat()
    {
        const QByteArray table = builtLanguageTable();
        QVERIFY(table.startsWith("[lang]\r\n"));
        QVERIFY(table.endsWith(QByteArray("\r\n\0", 3)));
        QCOMPARE(table.count('\0'), 1);
        QCOMPARE(table.count('\n'), table.count("\r\n"));
        // Keys grouped by id, ordered by language digit inside a group.
        QList<int> keys;
        for (const QByteArray &line : table.split('\n')) {
            const qsizetype eq = line.indexOf('=');
            if (eq == 4)
                keys << line.left(4).toInt();
        }
        QCOMPARE(keys.size(), tableIds().size() * kLanguageCount);
        for (qsizetype i = 1; i < keys.size(); ++i) {
            // Keys are the language digit followed by the three-digit id.
            const auto [la, ia] = std::div(keys[i - 1], 1000);
            const auto [lb, ib] = std::div(keys[i], 1000);
            const bool next = (ia == ib && lb == la + 1) || (ia < ib && la == 6 && lb == 0);
            QVERIFY2(next, qPrintable(QStringLiteral("%1 then %2").arg(keys[i - 1]).arg(keys[i])));
        }
        // Padding in the file that the lookup removes.
        QVERIFY(table.contains("\r\n0182= Unentschieden!"));
        QVERIFY(table.contains("\r\n1101=Options\t\r\n"));
    }

    void missingTableGivesEmptyTexts()
    {
        const QString saved = langFilePath();
        setLangFilePath(m_folder.file(QStringLiteral("nothing-here.lng")));
        QCOMPARE(GetLang(1101), QString());
        setLangFilePath(QString());
        QCOMPARE(GetLang(1101), QString());
        setLangFilePath(saved);
    }

    void theHeldTableServesWhenTheFileCannotBeRead_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("no temporary folder") << "";
        QTest::newRow("file gone") << "gone.lng";
        QTest::newRow("file emptied") << "empty.lng";
        QTest::newRow("named pipe") << "pipe.lng";
        QTest::newRow("folder") << "folder.lng";
    }
    void theHeldTableServesWhenTheFileCannotBeRead()
    {
        QFETCH(QString, file);
        ProgramFolder folder;
        folder.write(QStringLiteral("empty.lng"), QByteArray());
        QCOMPARE(
            ::mkfifo(QFile::encodeName(folder.file(QStringLiteral("pipe.lng"))).constData(), 0600),
            0);
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder.lng")));
        const QString saved = langFilePath();
        setLangFilePath(file.isEmpty() ? QString() : folder.file(file));
        holdLanguageTable(builtLanguageTable());
        const QString options = GetLang(1101);
        const QString noFolder = GetLang(193);
        const QString missing = GetLang(100);
        holdLanguageTable(QByteArray());
        const QString withoutHeld = GetLang(1101);
        setLangFilePath(saved);
        QCOMPARE(options, QStringLiteral("Options"));
        QCOMPARE(noFolder, QStringLiteral("Quendo findet keinen eigenen Ordner für temporäre "
                                          "Dateien und läuft ohne ihn weiter. Bitte prüfen Sie:"));
        QCOMPARE(missing, QString());
        QCOMPARE(withoutHeld, QString());
    }

    void onlyTheSevenBasesAreTaken_data()
    {
        QTest::addColumn<int>("given");
        QTest::addColumn<int>("taken");
        QTest::addColumn<QString>("readMe");
        const QString german = QStringLiteral("Weitere Informationen siehe LIESMICH.TXT!");
        QTest::newRow("German") << 0 << 0 << german;
        QTest::newRow("French") << 6000 << 6000
                                << QStringLiteral("Pour plus d'informations, voir README.TXT!");
        QTest::newRow("200, a word-list id") << 200 << 0 << german;
        QTest::newRow("between two") << 2500 << 0 << german;
        QTest::newRow("past the last") << 7000 << 0 << german;
        QTest::newRow("negative") << -1000 << 0 << german;
    }
    void onlyTheSevenBasesAreTaken()
    {
        QFETCH(int, given);
        QFETCH(int, taken);
        QFETCH(QString, readMe);
        setCurrentLanguage(Language::fromBase(given));
        const int base = currentLanguage().base();
        const QString text = currentLanguage().text(116);
        setCurrentLanguage(Language());
        QCOMPARE(base, taken);
        QCOMPARE(text, readMe);
    }

    void builtInWordListsAreSolvable()
    {
        for (int digit = 0; digit < kLanguageCount; ++digit) {
            QSet<QString> seen;
            for (int id = 300; id <= 349; ++id) {
                const QString word = Language::fromIndex(digit).text(id);
                QVERIFY2(Alphabet::isSolvable(word, digit),
                         qPrintable(QStringLiteral("%1: %2").arg(digit).arg(word)));
                // German and English stand as given; the others must fit the small board.
                if (digit >= 2)
                    QVERIFY2(word.size() <= 23, qPrintable(word));
                seen.insert(word);
            }
            QCOMPARE(seen.size(), 50);
        }
        bool fatigue = false;
        for (int id = 300; id <= 349; ++id)
            fatigue = fatigue || GetLang(6000 + id) == u"Papa est fatigué";
        QVERIFY(fatigue);
    }

    void windowsLanguageIds_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("firstStartBase");
        QTest::newRow("de_DE") << "de_DE"
                               << "0407" << 0;
        QTest::newRow("de_AT") << "de_AT"
                               << "0C07" << 1000;
        QTest::newRow("de_CH") << "de_CH"
                               << "0807" << 1000;
        QTest::newRow("en_US") << "en_US"
                               << "0409" << 1000;
        QTest::newRow("en_GB") << "en_GB"
                               << "0809" << 1000;
        QTest::newRow("fr_FR") << "fr_FR"
                               << "040C" << 1000;
        QTest::newRow("sv_SE") << "sv_SE"
                               << "041D" << 1000;
        QTest::newRow("es_ES") << "es_ES"
                               << "0C0A" << 1000;
        QTest::newRow("pt_BR") << "pt_BR"
                               << "0416" << 1000;
        QTest::newRow("C") << "C"
                           << "0409" << 1000;
    }
    void windowsLanguageIds()
    {
        QFETCH(QString, locale);
        QFETCH(QString, id);
        QFETCH(int, firstStartBase);
        QCOMPARE(windowsLanguageId(QLocale(locale)), id);
        QCOMPARE(int(startLanguage(0, QLocale(locale)).base()), firstStartBase);
    }

    void laterStartsTakeTheStoredLanguage()
    {
        ProgramFolder folder;
        QCOMPARE(startLanguage(3, QLocale(QStringLiteral("de_DE"))).base(), 0);
        SaveIni(QStringLiteral("Optionen"), QStringLiteral("Sprache"), numText(6000));
        QCOMPARE(startLanguage(3, QLocale(QStringLiteral("de_DE"))).base(), 6000);
        QCOMPARE(startLanguage(0, QLocale(QStringLiteral("de_DE"))).base(), 0);
    }

    void handEditedLanguageBasesFallBackToGerman()
    {
        ProgramFolder folder;
        for (const char *stored : {"1500", "7000", "-1000", "200", "x"}) {
            folder.write(QStringLiteral("Quendo.ini"),
                         QByteArray("[Optionen]\r\nSprache=") + stored + "\r\n");
            QCOMPARE(startLanguage(3, QLocale(QStringLiteral("de_DE"))).base(), 0);
        }
        folder.write(QStringLiteral("Quendo.ini"), "[Optionen]\r\nSprache= 5000\r\n");
        QCOMPARE(startLanguage(3, QLocale(QStringLiteral("en_US"))).base(), 5000);
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
