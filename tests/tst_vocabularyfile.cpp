#include "Language.h"
#include "TestSupport.h"
#include "VocabularyFile.h"

#include <QDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace VocabularyFile;

class TestVocabularyFile : public QObject
{
    Q_OBJECT

private slots:
    void fieldsEndAtCommasAndLineEnds()
    {
        QCOMPARE(readFields("Apfel, Birne\r\nKirsche\r\n"),
                 QStringList({"Apfel", "Birne", "Kirsche"}));
        // Blanks around an unquoted field are not part of it.
        QCOMPARE(readFields("  Der Mond scheint  ,Ei\r\n"),
                 QStringList({"Der Mond scheint", "Ei"}));
        // The last line may lack its CR LF.
        QCOMPARE(readFields("Affe\r\nBaum"), QStringList({"Affe", "Baum"}));
    }

    void aQuotedFieldKeepsItsCommaAndDropsTheRest()
    {
        QCOMPARE(readFields("\"Hund, Katze\" und so,Maus\r\n\"  Ei \"\r\n"),
                 QStringList({"Hund, Katze", "Maus", "  Ei "}));
        // An unclosed quote runs to the end of the file.
        QCOMPARE(readFields("\"Hund\r\nKatze"), QStringList({"Hund\r\nKatze"}));
    }

    void emptyLinesAndEmptyFields()
    {
        QCOMPARE(readFields("A\r\n\r\n   \r\nB\r\n"), QStringList({"A", "", "", "B"}));
        QCOMPARE(readFields(",,\r\n"), QStringList({"", "", ""}));
        QCOMPARE(readFields("\r\n"), QStringList({""}));
        QVERIFY(readFields("").isEmpty());
    }

    void loneLineFeedsAndCarriageReturnsEndLines()
    {
        QCOMPARE(readFields("Affe\nB\xe4r\n"), QStringList({"Affe", "Bär"}));
        QCOMPARE(readFields("Affe\rBaum\r"), QStringList({"Affe", "Baum"}));
    }

    void gameTakesLongEnoughEntriesInUpperCaseWithSs()
    {
        const QStringList fields = readFields("Ast\r\nBaum\r\nStra\xdf"
                                              "e\r\n\"  Ei  \"\r\nKr\xe4he\r\n");
        QCOMPARE(gameWords(fields, 4), QStringList({"BAUM", "STRASSE", "KRÄHE"}));
        // The length test is without the blanks, the word keeps them.
        QCOMPARE(gameWords(fields, 2), QStringList({"AST", "BAUM", "STRASSE", "  EI  ", "KRÄHE"}));
        QCOMPARE(gameWords(fields, 6), QStringList({"STRASSE"}));
        // A minimum below 1 never lets an empty entry in.
        QCOMPARE(gameWords({"", "   ", "Ei"}, 0), QStringList({"EI"}));
    }

    void editorTakesEveryNonBlankEntryWithSs()
    {
        const QStringList fields = readFields("Stra\xdf"
                                              "e\r\n   \r\n\r\n\" Ei\"\r\nAst,Ast\r\n");
        QCOMPARE(editorEntries(fields), QStringList({"Strasse", " Ei", "Ast", "Ast"}));
    }

    void writerBytes()
    {
        QCOMPARE(toBytes({"Apfelbaum", "Der Mond scheint"}),
                 QByteArray("Apfelbaum\r\nDer Mond scheint\r\n"));
        QCOMPARE(toBytes({"Krähe", " Ei ", "l'été"}),
                 QByteArray("Kr\xe4he\r\n Ei \r\nl'\xe9t\xe9\r\n"));
        QCOMPARE(toBytes({QStringLiteral("Ελ")}), QByteArray("??\r\n"));
        QCOMPARE(toBytes({}), QByteArray());
    }

    void writtenFilesReadBack()
    {
        ProgramFolder folder;
        const QString path = folder.file("tiere.dat");
        folder.write("tiere.dat", "altes Zeug\r\nnoch mehr\r\nund mehr\r\n");
        writeFile(path, {"Affe", "Apfel, Birne"});
        QCOMPARE(folder.read("tiere.dat"), QByteArray("Affe\r\nApfel, Birne\r\n"));
        // The comma makes two entries when read back.
        QCOMPARE(readEditorEntries(path), QStringList({"Affe", "Apfel", "Birne"}));
        writeFile(path, {});
        QCOMPARE(folder.read("tiere.dat"), QByteArray());
        QVERIFY(readEditorEntries(path).isEmpty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList({"tiere.dat"}));
    }

    void aFailedWriteLeavesTheOldFile()
    {
        ProgramFolder folder;
        const QString path = folder.file("quendo.dat");
        folder.write("quendo.dat", "Alt\r\n");
        QStringList many;
        for (int i = 0; i < 200; ++i)
            many << QStringLiteral("Eintrag %1").arg(i);

        // Files may not grow past 64 bytes now, for root as well.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit small = old;
        small.rlim_cur = 64;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        std::optional<ErrNo> error;
        try {
            writeFile(path, many);
        } catch (const RunTimeError &e) {
            error = e.number();
        }
        setrlimit(RLIMIT_FSIZE, &old);

        QCOMPARE(error, std::optional<ErrNo>(ErrNo::DeviceIoError));
        QCOMPARE(folder.read("quendo.dat"), QByteArray("Alt\r\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList({"quendo.dat"}));
    }

    void fileErrors()
    {
        ProgramFolder folder;
        const auto errorOf = [](auto &&f) -> std::optional<ErrNo> {
            try {
                f();
            } catch (const RunTimeError &e) {
                return e.number();
            }
            return std::nullopt;
        };
        QCOMPARE(errorOf([&] { readFile(folder.file("fehlt.dat")); }),
                 std::optional<ErrNo>(ErrNo::FileNotFound));
        QCOMPARE(errorOf([&] { readFile(folder.file("english/quendo.dat")); }),
                 std::optional<ErrNo>(ErrNo::PathNotFound));
        QCOMPARE(errorOf([&] { writeFile(folder.file("english/quendo.dat"), {"x"}); }),
                 std::optional<ErrNo>(ErrNo::PathNotFound));
        QDir(folder.path()).mkdir("sub.dat");
        QCOMPARE(errorOf([&] { writeFile(folder.file("sub.dat"), {"x"}); }),
                 std::optional<ErrNo>(ErrNo::PathFileAccess));
    }

    void fileNamesFollowTheLanguage()
    {
        ProgramFolder folder;
        installLanguageTable(folder.path());
        setLangBase(6000);
        QCOMPARE(languageFolder(), folder.path() + QStringLiteral("/français"));
        QCOMPARE(defaultFileName(), QStringLiteral("quendo.dat"));
        QCOMPARE(editorFileName(QString()), QStringLiteral("quendo.dat"));
        QCOMPARE(editorFileName("fehlt.dat"), QStringLiteral("fehlt.dat"));
        QDir(folder.path()).mkdir("français");
        folder.write("français/animaux.dat", "chat\r\n");
        QCOMPARE(gameFileName("animaux.dat"), QStringLiteral("animaux.dat"));
        QCOMPARE(gameFileName("fehlt.dat"), QStringLiteral("quendo.dat"));
        QCOMPARE(gameFileName(QString()), QStringLiteral("quendo.dat"));
        setLangBase(0);
        setLangFilePath(QString());
    }

    void editorOrderIgnoresAccentsAndCase()
    {
        QStringList entries = {"Zebra", "apfel", "Öl", "Äpfel", "Apfel", "Ast", "Ober", "Baum"};
        sortForEditor(entries);
        QCOMPARE(entries,
                 QStringList({"apfel", "Apfel", "Äpfel", "Ast", "Baum", "Ober", "Öl", "Zebra"}));
        QVERIFY(editorCompare("Bauklötze", "Baum") < 0);
        QVERIFY(editorCompare("Ähre", "Affe") > 0);
        QVERIFY(editorCompare("Äpfel", "apfel") > 0);
        QCOMPARE(editorCompare("apfel", "APFEL"), 0);
        QVERIFY(editorCompare("Der Mond", "Dermond") < 0);
        QCOMPARE(editorSortKey("Élan Çà"), QStringLiteral("elan ca"));
        // Latin letters key through a table, all others through the decomposition.
        QCOMPARE(editorSortKey("Ǻngström Œuvre"), QStringLiteral("angstrom œuvre"));
        QCOMPARE(editorSortKey("Straße STRAẞE"), QStringLiteral("straße straße"));
        QCOMPARE(editorSortKey("Ḿaß"), QStringLiteral("maß"));
    }
};

QTEST_GUILESS_MAIN(TestVocabularyFile)
#include "tst_vocabularyfile.moc"
