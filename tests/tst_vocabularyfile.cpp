#include "Language.h"
#include "TestSupport.h"
#include "VocabularyFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <sys/stat.h>

using namespace VocabularyFile;
using Error = std::optional<ErrNo>;

namespace {

Error errorOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const RunTimeError &e) {
        return e.number();
    }
    return std::nullopt;
}

QStringList numbered(const QString &stem, int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << stem + QString::number(i);
    return out;
}

} // namespace

class TestVocabularyFile : public QObject
{
    Q_OBJECT

private slots:
    void fieldsAreRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("fields");
        const auto row = [](const char *name, const QByteArray &bytes, const QStringList &fields) {
            QTest::newRow(name) << bytes << fields;
        };
        row("commas and CR LF", "Apfel, Birne\r\nKirsche\r\n", {"Apfel", "Birne", "Kirsche"});
        row("blanks around a field", "  Der Mond scheint  ,Ei\r\n", {"Der Mond scheint", "Ei"});
        row("last line without CR LF", "Affe\r\nBaum", {"Affe", "Baum"});
        row("lone LF", "Affe\nB\xe4r\n", {"Affe", "Bär"});
        row("lone CR", "Affe\rBaum\r", {"Affe", "Baum"});
        row("quoted comma, rest dropped", "\"Hund, Katze\" und so,Maus\r\n\"  Ei \"\r\n",
            {"Hund, Katze", "Maus", "  Ei "});
        row("an unclosed quote", "\"Hund\r\nKatze, Maus\r\n", {"Hund\r\nKatze, Maus\r\n"});
        row("quotes only", "\"\"\"\"\"\r\n", {""});
        row("empty and blank lines", "A\r\n\r\n   \r\nB\r\n", {"A", "", "", "B"});
        row("only commas", ",,,,\r\n,\r\n", {"", "", "", "", "", "", ""});
        row("empty file", "", {});
        row("NUL bytes", QByteArray("Ap\0fel\r\n\0\r\n", 11),
            {QStringLiteral("Ap\u0000fel"), QStringLiteral("\u0000")});
        row("bytes without a character", "\x81\x8d\x8f\x90\x9d\r\n",
            {QStringLiteral("\u0081\u008d\u008f\u0090\u009d")});
        row("a line of 1 MB", QByteArray(1024 * 1024, 'a') + "\r\nEnde\r\n",
            {QString(1024 * 1024, u'a'), "Ende"});
        row("100 000 lines", numbered("Wort", 100000).join("\r\n").toLatin1() + "\r\n",
            numbered("Wort", 100000));
        // What a text editor saves is UTF-8; everything else byte for character, as before.
        row("UTF-8 with a mark, LF", "\xEF\xBB\xBFKATZE\nM\xC3\x84USE\n", {"KATZE", "MÄUSE"});
        row("UTF-8 without a mark, CR LF", "K\xC3\xA4se\r\nStra\xC3\x9F\x65\r\n",
            {"Käse", "Straße"});
        row("UTF-8 with a mark and a bad byte", "\xEF\xBB\xBFK\xC3\xA4se\r\nM\xFFus\r\n",
            {"Käse", "M\uFFFDus"});
        // What a desktop editor saves as "Unicode".
        row("UTF-16 LE with a mark", QByteArray("\xFF\xFEK\0A\0T\0Z\0E\0\r\0\n\0\xC4\0h\0", 20),
            {"KATZE", "Äh"});
        row("UTF-16 BE with a mark", QByteArray("\xFE\xFF\0K\0,\0\xDF\0\n\x01\x41", 12),
            {"K", "ß", "Ł"});
        row("no valid UTF-8 sequence", "\xC4\xE4\r\nK\xC3\r\n", {"Ää", "KÃ"});
        row("a sequence cut off at the end", "Hund\r\nK\xC3", {"Hund", "KÃ"});
    }
    void fieldsAreRead()
    {
        QFETCH(QByteArray, bytes);
        QTEST(readFields(bytes), "fields");
    }

    void gameWordsAreLongEnoughInUpperCase_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<int>("minLen");
        QTest::addColumn<QStringList>("game");
        const auto row = [](const char *name, const QStringList &fields, int minLen,
                            const QStringList &game) {
            QTest::newRow(name) << fields << minLen << game;
        };
        const QStringList words = {"Ast", "Baum", "Straße", "GROẞ", "  Ei  ", "Krähe", "   ", ""};
        row("four letters, ß and ẞ as SS", words, 4, {"BAUM", "STRASSE", "GROSS", "KRÄHE"});
        // The length test is without the blanks, the word keeps them.
        row("two letters", words, 2, {"AST", "BAUM", "STRASSE", "GROSS", "  EI  ", "KRÄHE"});
        row("a minimum below 1", {"", "   ", "Ei"}, 0, {"EI"});
        // What other programs write, in its plain form: the strip has these letters.
        row("plain forms", {"Eis\u00A0b\u00E4r", "l\u2019e\u0301t\u00E9", "Ka\u2009Ta"}, 5,
            {"EIS BÄR", "L'ÉTÉ", "KA TA"});
        row("NUL bytes", {QStringLiteral("Ap\u0000fel"), QStringLiteral("\u0000")}, 4,
            {QStringLiteral("AP\u0000FEL")});
    }
    void gameWordsAreLongEnoughInUpperCase()
    {
        QFETCH(QStringList, fields);
        QFETCH(int, minLen);
        QTEST(gameWords(fields, minLen), "game");
    }

    // The editor takes every entry with a letter, ß as ss; a save takes out the letters the
    // file cannot hold and writes Windows-1252 with CR LF.
    void whatTheEditorTakesAndWrites()
    {
        QCOMPARE(editorEntries({"Straße", "GROẞ", "   ", "\u00A0", "", " Ei", "Ast", "Ast",
                                QStringLiteral("\u0000"), "l\u2019\u00E9t\u00E9"}),
                 QStringList(
                     {"Strasse", "GROSS", " Ei", "Ast", "Ast", QStringLiteral("\u0000"), "l'été"}));
        QStringList entries = {"Łukasz", "Anna", "ıſ", "Käse"};
        QCOMPARE(takeUnkeepable(entries), QStringList({"Łukasz", "ıſ"}));
        QCOMPARE(entries, QStringList({"Anna", "Käse"}));
        QCOMPARE(toBytes({"Krähe", " Ei ", "l'été"}),
                 QByteArray("Kr\xe4he\r\n Ei \r\nl'\xe9t\xe9\r\n"));
        QCOMPARE(toBytes({QStringLiteral("Ελ")}), QByteArray("??\r\n"));
        QCOMPARE(toBytes({}), QByteArray());
        // Its order ignores accents and case.
        entries = {"Zebra", "apfel", "Öl", "Äpfel", "Apfel", "Ast", "Ober", "Baum"};
        sortForEditor(entries);
        QCOMPARE(entries,
                 QStringList({"apfel", "Apfel", "Äpfel", "Ast", "Baum", "Ober", "Öl", "Zebra"}));
        QVERIFY(editorCompare("Der Mond", "Dermond") < 0);
        // Latin letters key through a table, all others through the decomposition.
        QCOMPARE(editorSortKey("Élan Çà Ǻngström Œuvre Straße STRAẞE Ḿaß"),
                 QStringLiteral("elan ca angstrom œuvre straße straße maß"));
    }

    void aRefusedSaveLeavesTheOldFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<ErrNo>("error");
        const auto row = [](const char *name, const char *kind, const char *file, ErrNo error) {
            QTest::newRow(name) << QString::fromLatin1(kind) << QString::fromLatin1(file) << error;
        };
        row("read-only", "readonly", "quendo.dat", ErrNo::PermissionDenied);
        row("file-size limit", "limit", "quendo.dat", ErrNo::DeviceIoError);
        row("into a missing folder", "", "english/quendo.dat", ErrNo::PathNotFound);
        row("onto a folder", "", "sub.dat", ErrNo::PathFileAccess);
    }
    void aRefusedSaveLeavesTheOldFile()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(ErrNo, error);
        ProgramFolder folder;
        folder.write("quendo.dat", "Alt\r\n");
        QDir(folder.path()).mkdir("sub.dat");
        if (kind == u"readonly")
            QVERIFY(QFile::setPermissions(folder.file(name), QFile::ReadOwner | QFile::ReadGroup));
        // Files may not grow past 64 bytes now, for root as well.
        std::optional<FileSizeLimit> limit;
        if (kind == u"limit")
            limit.emplace(64);
        const Error saved =
            errorOf([&] { writeFile(folder.file(name), numbered("Eintrag ", 200)); });
        limit.reset();
        QCOMPARE(saved, Error(error));
        QCOMPARE(folder.read("quendo.dat"), QByteArray("Alt\r\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList({"quendo.dat"}));
    }

    void unreadableListsAreRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<Error>("error");
        QTest::newRow("missing") << "missing" << Error(ErrNo::FileNotFound);
        QTest::newRow("in a missing folder") << "nofolder" << Error(ErrNo::PathNotFound);
        QTest::newRow("named pipe") << "pipe" << Error(ErrNo::PathFileAccess);
        QTest::newRow("link to a list") << "list" << Error();
        QTest::newRow("link that leads nowhere") << "nowhere" << Error(ErrNo::FileNotFound);
        QTest::newRow("exactly 16 MB") << "16MB" << Error();
        QTest::newRow("one byte over 16 MB") << "large" << Error(ErrNo::InvalidFileFormat);
    }
    void unreadableListsAreRefused()
    {
        QFETCH(QString, kind);
        QFETCH(Error, error);
        ProgramFolder folder;
        QString path = folder.file("quendo.dat");
        folder.write("outside.dat", "Affe\r\n");
        if (kind == u"nofolder")
            path = folder.file("english/quendo.dat");
        else if (kind == u"pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == u"list" || kind == u"nowhere")
            QVERIFY(QFile::link(folder.file(kind == u"list" ? "outside.dat" : "gone.dat"), path));
        else if (kind != u"missing")
            QVERIFY(QFile(path).open(QIODevice::WriteOnly) &&
                    QFile::resize(path, kMaxFileBytes + (kind == u"large")));
        QCOMPARE(errorOf([&] { readFile(path); }), error);
        QCOMPARE(errorOf([&] { readGameWords(path, 4); }), error);
        QCOMPARE(errorOf([&] { readEditorEntries(path); }), error);
    }

    void storedNamesStayInTheLanguageFolder_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("editor");
        const auto row = [](const char *name, const QString &stored, const QString &game,
                            const QString &editor) {
            QTest::newRow(name) << stored << game << editor;
        };
        const QString fallback = QStringLiteral("quendo.dat");
        row("plain", "tiere.dat", "tiere.dat", "tiere.dat");
        row("dots inside are plain", "..tiere..dat", "..tiere..dat", "..tiere..dat");
        row("none", "", fallback, fallback);
        row("missing", "fehlt.dat", fallback, "fehlt.dat");
        for (const char *bad : {"../outside.dat", "/etc/passwd", "sub\\inner.dat", ".", ".."})
            row(bad, bad, fallback, fallback);
        row("C1 control", QStringLiteral("tiere\u0085.dat"), fallback, fallback);
        // Links are read; one leading nowhere, or a pipe, is missing for the game.
        row("link out", "link.dat", "link.dat", "link.dat");
        row("link beside", "beside.dat", "beside.dat", "beside.dat");
        row("link nowhere", "nowhere.dat", fallback, "nowhere.dat");
        row("pipe", "pipe.dat", fallback, "pipe.dat");
    }
    void storedNamesStayInTheLanguageFolder()
    {
        QFETCH(QString, stored);
        ProgramFolder folder;
        installLanguageTable(folder.path());
        setCurrentLanguage(Language::fromIndex(1));
        QDir(folder.path()).mkpath("english/sub");
        for (const char *name : {"english/tiere.dat", "english/..tiere..dat",
                                 "english/sub/inner.dat", "outside.dat", "x"})
            folder.write(name, "Affe\r\n");
        QVERIFY(QFile::link("../outside.dat", folder.file("english/link.dat")));
        QVERIFY(QFile::link("tiere.dat", folder.file("english/beside.dat")));
        QVERIFY(QFile::link("gone.dat", folder.file("english/nowhere.dat")));
        QCOMPARE(::mkfifo(QFile::encodeName(folder.file("english/pipe.dat")).constData(), 0600), 0);
        const QString gameName = gameFileName(stored);
        const QString editorName = editorFileName(stored);
        const QString languageFolderName = languageFolder();
        setCurrentLanguage(Language());
        setLangFilePath(QString());
        QCOMPARE(languageFolderName, folder.file("english"));
        QTEST(gameName, "game");
        QTEST(editorName, "editor");
    }

    // Links are read: a teacher's second name for a list, a school's shared language folder. A
    // save never writes through a link into a file outside its folder.
    void linksAreReadButNotWrittenThroughOutOfTheirFolder()
    {
        ProgramFolder folder;
        installLanguageTable(folder.path());
        setCurrentLanguage(Language::fromIndex(1));
        QVERIFY(QDir(folder.path()).mkpath("english"));
        QVERIFY(QDir(folder.path()).mkpath("shared"));
        folder.write("english/tiere-2024.dat", "Affe\r\n");
        folder.write("outside.txt", "precious\r\n");
        folder.write("shared/x.dat", "Igel\r\n");
        QVERIFY(QFile::link("../outside.txt", folder.file("english/link.dat")));
        QVERIFY(QFile::link("tiere-2024.dat", folder.file("english/tiere.dat")));
        QVERIFY(QFile::link("gone.dat", folder.file("english/nowhere.dat")));
        QCOMPARE(listNames("*.dat"), QStringList({"link.dat", "tiere-2024.dat", "tiere.dat"}));
        QCOMPARE(readEditorEntries(listPath("tiere.dat")), QStringList({"Affe"}));
        QVERIFY(leadsOut(listPath("link.dat")) && leadsOut(listPath("nowhere.dat")));
        QVERIFY(!leadsOut(listPath("tiere.dat")) && !leadsOut(listPath("tiere-2024.dat")));
        QCOMPARE(errorOf([&] { writeFile(listPath("link.dat"), {"Neu"}); }),
                 Error(ErrNo::PathFileAccess));
        QCOMPARE(folder.read("outside.txt"), QByteArray("precious\r\n"));
        QVERIFY(QFileInfo(folder.file("english/link.dat")).isSymLink());
        // Through a link beside its list: the list is written, the link stays.
        writeFile(listPath("tiere.dat"), {"Neu"});
        QCOMPARE(folder.read("english/tiere-2024.dat"), QByteArray("Neu\r\n"));
        QVERIFY(QFileInfo(folder.file("english/tiere.dat")).isSymLink());

        // A language folder that is a link is the folder.
        QVERIFY(QFile::link("shared", folder.file("français")));
        setCurrentLanguage(Language::fromIndex(6));
        const QStringList names = listNames("*.dat");
        const QString game = gameFileName("x.dat");
        const QStringList words = readGameWords(listPath("x.dat"), 4);
        writeFile(listPath("x.dat"), {"Neu"});
        setCurrentLanguage(Language::fromIndex(0));
        setLangFilePath(QString());
        QCOMPARE(names, QStringList({"x.dat"}));
        QCOMPARE(game, QStringLiteral("x.dat"));
        QCOMPARE(words, QStringList({"IGEL"}));
        QCOMPARE(folder.read("shared/x.dat"), QByteArray("Neu\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestVocabularyFile)
#include "tst_vocabularyfile.moc"
