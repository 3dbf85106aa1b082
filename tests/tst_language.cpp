#include "Alphabet.h"
#include "HelpFile.h"
#include "Language.h"
#include "SettingsTable.h"
#include "StartupChecks.h"
#include "TestSupport.h"

#include <QLocale>
#include <QSet>
#include <QTest>

#include <sys/stat.h>

class TestLanguage : public QObject
{
    Q_OBJECT
    ProgramFolder m_folder;

private slots:
    void initTestCase() { installLanguageTable(m_folder.path()); }

    // Every text in all seven languages. The built-in words (300-349): fifty different ones a
    // player can solve, beyond German and English short enough for the small board.
    void theTableHoldsEveryTextInEveryLanguage()
    {
        QSet<int> ids;
        for (const QByteArray &line : builtLanguageTable().split('\n')) {
            if (line.indexOf('=') == 4)
                ids << line.left(4).toInt() % 1000;
        }
        QVERIFY(ids.size() > 100);
        QSet<QString> words;
        for (const int id : std::as_const(ids)) {
            for (int digit = 0; digit < kLanguageCount; ++digit) {
                const QString text = GetLang(digit * 1000 + id);
                QVERIFY2(!text.isEmpty(), qPrintable(QString::number(digit * 1000 + id)));
                if (id < 300 || id >= 350)
                    continue;
                QVERIFY2(Alphabet::isSolvable(text, digit), qPrintable(text));
                QVERIFY2(digit < 2 || text.size() <= 23, qPrintable(text));
                words.insert(QString::number(digit) + text);
            }
        }
        QCOMPARE(words.size(), 50 * kLanguageCount);
        // Texts by language digit and id.
        QCOMPARE(GetLang(5142), QStringLiteral("¿Jugar otra vez?"));
        // Four digits with leading zeros; blanks around a text go, also inside quotes.
        QCOMPARE(langText("[lang]\r\n0182=\" Unentschieden! \"\r\n182=x\r\n", 182),
                 QStringLiteral("Unentschieden!"));
    }

    void theHeldTableServesWhenTheFileCannotBeRead_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("no temporary folder") << "";
        QTest::newRow("file gone") << "gone.lng";
        QTest::newRow("file emptied") << "empty.lng";
        QTest::newRow("named pipe") << "pipe.lng";
    }
    void theHeldTableServesWhenTheFileCannotBeRead()
    {
        QFETCH(QString, file);
        ProgramFolder folder;
        folder.write(QStringLiteral("empty.lng"), QByteArray());
        QCOMPARE(::mkfifo(QFile::encodeName(folder.file(QStringLiteral("pipe.lng"))), 0600), 0);
        setLangFilePath(file.isEmpty() ? QString() : folder.file(file));
        holdLanguageTable(builtLanguageTable());
        const QString options = GetLang(1101);
        const QString missing = GetLang(100);
        holdLanguageTable(QByteArray());
        const QString withoutHeld = GetLang(1101);
        installLanguageTable(m_folder.path());
        QCOMPARE(options, QStringLiteral("Options"));
        QCOMPARE(missing, QString());
        QCOMPARE(withoutHeld, QString());
    }

    // On the very first start the system's language id decides: only "0407" is German.
    void windowsLanguageIds_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("firstStartBase");
        QTest::newRow("de_DE") << QStringLiteral("0407") << 0;
        QTest::newRow("de_AT") << QStringLiteral("0C07") << 1000;
        QTest::newRow("es_ES") << QStringLiteral("0C0A") << 1000;
        QTest::newRow("C") << QStringLiteral("0409") << 1000;
    }
    void windowsLanguageIds()
    {
        const QLocale locale(QString::fromLatin1(QTest::currentDataTag()));
        QTEST(windowsLanguageId(locale), "id");
        QTEST(int(startLanguage(0, locale).base()), "firstStartBase");
    }

    // The help in the language in use, else in English, else in German.
    void helpInTheLanguageOrAFallback()
    {
        ProgramFolder folder;
        for (const char *name : {"Quendo.html", "Quendo-en.html", "Quendo-fr.html"})
            folder.write(name, "<html/>");
        QCOMPARE(helpFilePath(folder.path(), 6), folder.file("Quendo-fr.html"));
        QCOMPARE(helpFilePath(folder.path(), 2), folder.file("Quendo-en.html"));
        QVERIFY(QFile::remove(folder.file("Quendo-en.html")));
        QCOMPARE(helpFilePath(folder.path(), 2), folder.file("Quendo.html"));
    }

    void laterStartsTakeTheStoredLanguage()
    {
        ProgramFolder folder;
        const QLocale german(QStringLiteral("de_DE"));
        const QLocale english(QStringLiteral("en_US"));
        QCOMPARE(startLanguage(1, english).base(), 0);
        // A word-list id is no language: the splash shows the German read-me line.
        folder.write(QStringLiteral("Quendo.ini"), "[Optionen]\r\nSprache=200\r\n");
        QCOMPARE(startLanguage(1, english).text(116),
                 QStringLiteral("Weitere Informationen siehe LIESMICH.TXT!"));
        Setting::write(Setting::Language, 6000);
        QCOMPARE(startLanguage(1, german).text(116),
                 QStringLiteral("Pour plus d'informations, voir README.TXT!"));
        QCOMPARE(startLanguage(0, german).base(), 0);
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
