#include "Language.h"
#include "TestSupport.h"
#include "VocabularyFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

std::optional<ErrNo> errorOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const RunTimeError &e) {
        return e.number();
    }
    return std::nullopt;
}

} // namespace

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

    // What a text editor saves is read as UTF-8; everything else byte for character, as before.
    void wordListsInUtf8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<QStringList>("left"); // no Windows-1252 byte: not for the editor
        QTest::newRow("UTF-8 with a mark, LF")
            << QByteArray("\xEF\xBB\xBFKATZE\nM\xC3\x84USE\nK\xC3\x84SE\nHUND\n")
            << QStringList({"KATZE", "MÄUSE", "KÄSE", "HUND"}) << QStringList();
        QTest::newRow("UTF-8 without a mark, CR LF, ß")
            << QByteArray("K\xC3\xA4se\r\nStra\xC3\x9F"
                          "e\r\n")
            << QStringList({"Käse", "Strasse"}) << QStringList();
        QTest::newRow("a mark before ASCII")
            << QByteArray("\xEF\xBB\xBFHund\r\n") << QStringList({"Hund"}) << QStringList();
        QTest::newRow("letters Windows-1252 lacks")
            << QByteArray("\xC5\x81ukasz\nAnna\n\xC4\xB1\xC5\xBF\n") << QStringList({"Anna"})
            << QStringList({"Łukasz", "ıſ"});
        QTest::newRow("Windows-1252 umlauts") << QByteArray("K\xE4se\r\nM\xE4use\r\n")
                                              << QStringList({"Käse", "Mäuse"}) << QStringList();
        QTest::newRow("no valid UTF-8 sequence")
            << QByteArray("\xC4\xE4\r\nK\xC3\r\n") << QStringList({"Ää", "KÃ"}) << QStringList();
        QTest::newRow("a sequence cut off at the end")
            << QByteArray("Hund\r\nK\xC3") << QStringList({"Hund", "KÃ"}) << QStringList();
    }
    void wordListsInUtf8()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, kept);
        QFETCH(QStringList, left);
        QStringList entries = editorEntries(readFields(bytes));
        QCOMPARE(takeUnkeepable(entries), left);
        QCOMPARE(entries, kept);
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
        std::optional<FileSizeLimit> limit(std::in_place, 64);
        std::optional<ErrNo> error;
        try {
            writeFile(path, many);
        } catch (const RunTimeError &e) {
            error = e.number();
        }
        limit.reset();

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
        setCurrentLanguage(Language::fromIndex(6));
        QCOMPARE(languageFolder(), folder.path() + QStringLiteral("/français"));
        QCOMPARE(defaultFileName(), QStringLiteral("quendo.dat"));
        QCOMPARE(editorFileName(QString()), QStringLiteral("quendo.dat"));
        QCOMPARE(editorFileName("fehlt.dat"), QStringLiteral("fehlt.dat"));
        QDir(folder.path()).mkdir("français");
        folder.write("français/animaux.dat", "chat\r\n");
        QCOMPARE(gameFileName("animaux.dat"), QStringLiteral("animaux.dat"));
        QCOMPARE(gameFileName("fehlt.dat"), QStringLiteral("quendo.dat"));
        QCOMPARE(gameFileName(QString()), QStringLiteral("quendo.dat"));
        setCurrentLanguage(Language());
        setLangFilePath(QString());
    }

    void storedNamesStayInTheLanguageFolder_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("editor");
        QTest::newRow("plain") << "tiere.dat"
                               << "tiere.dat"
                               << "tiere.dat";
        QTest::newRow("two folders up") << "../../x"
                                        << "quendo.dat"
                                        << "quendo.dat";
        QTest::newRow("one folder up") << "../outside.dat"
                                       << "quendo.dat"
                                       << "quendo.dat";
        QTest::newRow("absolute") << "/etc/passwd"
                                  << "quendo.dat"
                                  << "quendo.dat";
        QTest::newRow("into a folder") << "sub/inner.dat"
                                       << "quendo.dat"
                                       << "quendo.dat";
        QTest::newRow("backslash") << "sub\\inner.dat"
                                   << "quendo.dat"
                                   << "quendo.dat";
        QTest::newRow("dot") << "."
                             << "quendo.dat"
                             << "quendo.dat";
        QTest::newRow("dot dot") << ".."
                                 << "quendo.dat"
                                 << "quendo.dat";
        QTest::newRow("TAB") << "tiere\t.dat"
                             << "quendo.dat"
                             << "quendo.dat";
        QTest::newRow("line end") << "tiere.dat\r\n"
                                  << "quendo.dat"
                                  << "quendo.dat";
        QTest::newRow("C1 control") << QStringLiteral("tiere\u0085.dat") << "quendo.dat"
                                    << "quendo.dat";
        QTest::newRow("dots inside are plain") << "..tiere..dat"
                                               << "..tiere..dat"
                                               << "..tiere..dat";
        // A link counts as missing for the game, wherever it leads; the editor finds it missing.
        QTest::newRow("link out") << "link.dat"
                                  << "quendo.dat"
                                  << "link.dat";
        QTest::newRow("link beside") << "beside.dat"
                                     << "quendo.dat"
                                     << "beside.dat";
    }
    void storedNamesStayInTheLanguageFolder()
    {
        QFETCH(QString, stored);
        QFETCH(QString, game);
        QFETCH(QString, editor);
        ProgramFolder folder;
        installLanguageTable(folder.path());
        setCurrentLanguage(Language::fromIndex(1));
        QDir(folder.path()).mkpath("english/sub");
        folder.write("english/tiere.dat", "Affe\r\n");
        folder.write("english/..tiere..dat", "Affe\r\n");
        folder.write("english/sub/inner.dat", "Affe\r\n");
        folder.write("outside.dat", "Affe\r\n");
        folder.write("x", "Affe\r\n");
        QVERIFY(QFile::link("../../outside.dat", folder.file("english/link.dat")));
        QVERIFY(QFile::link("tiere.dat", folder.file("english/beside.dat")));
        const QString gameName = gameFileName(stored);
        const QString editorName = editorFileName(stored);
        setCurrentLanguage(Language());
        setLangFilePath(QString());
        QCOMPARE(gameName, game);
        QCOMPARE(editorName, editor);
    }

    void specialWordListsAreRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<ErrNo>("error");
        QTest::newRow("named pipe") << "pipe" << ErrNo::PathFileAccess;
        QTest::newRow("link to /dev/zero") << "zero" << ErrNo::FileNotFound;
        QTest::newRow("link to a list") << "list" << ErrNo::FileNotFound;
        QTest::newRow("folder") << "folder" << ErrNo::PathFileAccess;
        QTest::newRow("one byte over 16 MB") << "large" << ErrNo::InvalidFileFormat;
        QTest::newRow("link to nothing") << "dangling" << ErrNo::FileNotFound;
    }
    void specialWordListsAreRefused()
    {
        QFETCH(QString, kind);
        QFETCH(ErrNo, error);
        ProgramFolder folder;
        const QString path = folder.file("quendo.dat");
        const QByteArray native = QFile::encodeName(path);
        if (kind == u"pipe") {
            QCOMPARE(::mkfifo(native.constData(), 0600), 0);
        } else if (kind == u"zero") {
            QVERIFY(QFile::link("/dev/zero", path));
        } else if (kind == u"folder") {
            QVERIFY(QDir(folder.path()).mkdir("quendo.dat"));
        } else if (kind == u"list") {
            folder.write("outside.dat", "Affe\r\n");
            QVERIFY(QFile::link(folder.file("outside.dat"), path));
        } else if (kind == u"dangling") {
            QVERIFY(QFile::link(folder.file("gone.dat"), path));
        } else {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(kMaxFileBytes + 1));
        }
        QCOMPARE(errorOf([&] { readFile(path); }), std::optional<ErrNo>(error));
        QCOMPARE(errorOf([&] { readGameWords(path, 4); }), std::optional<ErrNo>(error));
        QCOMPARE(errorOf([&] { readEditorEntries(path); }), std::optional<ErrNo>(error));
    }

    // Anyone who can write a language folder could plant links: the options list does not show
    // them, and a save replaces the link in the folder instead of writing where it leads.
    void linksInTheLanguageFolderAreNotFollowed()
    {
        ProgramFolder folder;
        installLanguageTable(folder.path());
        setCurrentLanguage(Language::fromIndex(1));
        QVERIFY(QDir(folder.path()).mkpath("english"));
        QVERIFY(QDir(folder.path()).mkpath("elsewhere"));
        folder.write("english/quendo.dat", "Affe\r\n");
        folder.write("outside.txt", "precious\r\n");
        folder.write("elsewhere/x.dat", "precious\r\n");
        QVERIFY(QFile::link("../outside.txt", folder.file("english/link.dat")));
        QCOMPARE(listNames("*.dat"), QStringList({"quendo.dat"}));
        QCOMPARE(errorOf([&] { readEditorEntries(listPath("link.dat")); }),
                 std::optional<ErrNo>(ErrNo::FileNotFound));
        writeFile(listPath("link.dat"), {"Neu"});
        QCOMPARE(folder.read("english/link.dat"), QByteArray("Neu\r\n"));
        QVERIFY(!QFileInfo(folder.file("english/link.dat")).isSymLink());
        QCOMPARE(folder.read("outside.txt"), QByteArray("precious\r\n"));

        // A language folder that is a link leads out as a whole.
        QVERIFY(QFile::link("elsewhere", folder.file("français")));
        setCurrentLanguage(Language::fromIndex(6));
        const QStringList names = listNames("*.dat");
        const QString game = gameFileName("x.dat");
        const auto saved = errorOf([&] { writeFile(listPath("x.dat"), {"Neu"}); });
        setCurrentLanguage(Language::fromIndex(0));
        setLangFilePath(QString());
        QCOMPARE(names, QStringList());
        QCOMPARE(game, QStringLiteral("quendo.dat"));
        QCOMPARE(saved, std::optional<ErrNo>(ErrNo::PathFileAccess));
        QCOMPARE(folder.read("elsewhere/x.dat"), QByteArray("precious\r\n"));
    }

    void aWordListOfExactly16MBIsRead()
    {
        ProgramFolder folder;
        QFile f(folder.file("quendo.dat"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(kMaxFileBytes));
        f.close();
        QCOMPARE(readFile(folder.file("quendo.dat")).size(), 16 * 1024 * 1024);
    }

    void aPipeNamedInTheSettingsFallsBackForTheGame()
    {
        ProgramFolder folder;
        QVERIFY(QDir(folder.path()).mkdir("deutsch"));
        QCOMPARE(::mkfifo(QFile::encodeName(folder.file("deutsch/pipe.dat")).constData(), 0600), 0);
        QFile::link("/dev/zero", folder.file("deutsch/zero.dat"));
        installLanguageTable(folder.path());
        QCOMPARE(gameFileName("pipe.dat"), QStringLiteral("quendo.dat"));
        QCOMPARE(gameFileName("zero.dat"), QStringLiteral("quendo.dat"));
        setLangFilePath(QString());
    }

    void hostileContentsAreReadAsText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("fields");
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("gameCount");
        QTest::addColumn<int>("editorCount");
        QTest::newRow("NUL bytes") << QByteArray("Ap\0fel\r\n\0\r\nBirne\r\n", 15) << 3
                                   << QStringLiteral("Ap\u0000fel") << 2 << 3;
        QTest::newRow("bytes without a character")
            << QByteArray("\x81\x8d\x8f\x90\x9d\r\n") << 1
            << QStringLiteral("\u0081\u008d\u008f\u0090\u009d") << 1 << 1;
        QTest::newRow("a line of 1 MB") << QByteArray(1024 * 1024, 'a') + "\r\nEnde\r\n"
                                        << 2 << QString(1024 * 1024, u'a') << 2 << 2;
        QByteArray many;
        for (int i = 0; i < 100000; ++i)
            many += "Wort" + QByteArray::number(i) + "\r\n";
        QTest::newRow("100 000 lines")
            << many << 100000 << QStringLiteral("Wort0") << 100000 << 100000;
        QTest::newRow("only commas") << QByteArray(",,,,\r\n,\r\n") << 7 << QString() << 0 << 0;
        QTest::newRow("an unclosed quote") << QByteArray("\"Hund\r\nKatze, Maus\r\n") << 1
                                           << QStringLiteral("Hund\r\nKatze, Maus\r\n") << 1 << 1;
        // The first two quotes make an empty field; the rest of the line is dropped.
        QTest::newRow("quotes only") << QByteArray("\"\"\"\"\"\r\n") << 1 << QString() << 0 << 0;
    }
    void hostileContentsAreReadAsText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, fields);
        QFETCH(QString, first);
        QFETCH(int, gameCount);
        QFETCH(int, editorCount);
        const QStringList read = readFields(bytes);
        QCOMPARE(read.size(), fields);
        QCOMPARE(read.first(), first);
        QCOMPARE(gameWords(read, 4).size(), gameCount);
        QCOMPARE(editorEntries(read).size(), editorCount);
    }

    void aReadOnlyWordListIsNotReplaced()
    {
        ProgramFolder folder;
        folder.write("quendo.dat", "Alt\r\n");
        QVERIFY(
            QFile::setPermissions(folder.file("quendo.dat"), QFile::ReadOwner | QFile::ReadGroup));
        QCOMPARE(errorOf([&] { writeFile(folder.file("quendo.dat"), {"Neu"}); }),
                 std::optional<ErrNo>(ErrNo::PermissionDenied));
        QCOMPARE(folder.read("quendo.dat"), QByteArray("Alt\r\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList({"quendo.dat"}));
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
