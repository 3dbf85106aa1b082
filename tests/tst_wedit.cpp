#include "TeacherFixture.h"
#include "VocabularyFile.h"
#include "WEdit.h"

#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <memory>

namespace {

using Answers = QList<std::optional<QString>>;
const QByteArray kOriginal = "Zebra\r\nApfel\r\nKrokodil\r\nBirne, Maus\r\nStra\xDF"
                             "e\r\n"; // Windows-1252
const QStringList kSorted = {"Apfel", "Birne", "Krokodil", "Maus", "Strasse", "Zebra"};

} // namespace

// The vocabulary editor on the German word folder: typing and pasting, adding and deleting,
// new files, saving, and how it hands its entries to the game.
class TestWEdit : public QObject
{
    Q_OBJECT
    std::unique_ptr<TeacherFixture> m_f;
    std::unique_ptr<WEdit> m_editor;

    void fresh(const QByteArray &words)
    {
        m_editor.reset();
        m_f.reset();
        m_f = std::make_unique<TeacherFixture>(QMap<QString, QByteArray>{{"quendo.dat", words}});
        m_f->state.vocabFile = "quendo.dat";
    }
    void open(int lettersAcross = 20)
    {
        m_editor = std::make_unique<WEdit>(m_f->tools(lettersAcross));
        activate(m_editor.get());
    }
    template <typename T> T *get(const QString &name) { return child<T>(m_editor.get(), name); }
    QLineEdit *text1() { return get<QLineEdit>("Text1"); }
    QListView *list1() { return get<QListView>("List1"); }
    // The rows the list shows, and the text of one.
    int shownRows() { return list1()->model()->rowCount(); }
    QString shown(int row) { return list1()->model()->index(row, 0).data().toString(); }
    QPoint centreOf(int row)
    {
        return list1()->visualRect(list1()->model()->index(row, 0)).center();
    }
    QStringList entries() const { return m_editor->entries(); }
    void press(const QString &button) { get<QPushButton>(button)->click(); }
    // Key presses carrying each character, as a keyboard of any layout sends them.
    void type(const QString &keys)
    {
        text1()->setFocus();
        for (const QChar c : keys) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(text1(), &press);
            QApplication::sendEvent(text1(), &release);
        }
    }
    void add(const QString &entry, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            type(entry);
            press("Hinzuf");
        }
    }
    void paste(const QString &lines)
    {
        QGuiApplication::clipboard()->setText(lines);
        text1()->setFocus();
        QTest::keySequence(text1(), QKeySequence::Paste);
    }
    void click(int row, Qt::KeyboardModifiers keys = {})
    {
        QTest::mouseClick(list1()->viewport(), Qt::LeftButton, keys, centreOf(row));
    }

private slots:
    void init() { fresh(kOriginal); }
    void cleanup()
    {
        m_editor.reset();
        m_f.reset();
    }

    void opens_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("its file") << "quendo.dat"
                                  << "quendo.dat" << kSorted;
        QTest::newRow("none: the default") << ""
                                           << "Wortschatz bearbeiten..." << kSorted;
        QTest::newRow("missing") << "Tiere.dat"
                                 << "Tiere.dat" << QStringList();
    }
    void opens()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, shown);
        m_f->state.vocabFile = file;
        open();
        QTEST(m_editor->windowTitle(), "title");
        QCOMPARE(entries(), shown);
        QCOMPARE(m_f->errors.errors().size(), shown.isEmpty() ? 1 : 0); // file not found
        QVERIFY(!get<QPushButton>("Loesch")->isEnabled());
        QVERIFY(get<QPushButton>("Hinzuf")->isDefault());
        QCOMPARE(QApplication::focusWidget(), text1());
        type(QString(25, 'x')); // one more than the board's 20 letters across
        QCOMPARE(text1()->text().size(), 20);
    }

    void tidyInEveryLanguage()
    {
        for (int digit = 0; digit < kLanguageCount; ++digit) {
            setCurrentLanguage(Language::fromIndex(digit));
            open();
            const QStringList problems = untidy(m_editor.get());
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join(", ")));
        }
    }

    void filter_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letters as typed") << "aä'-É" << QString("aä'-É");
        QTest::newRow("digit, comma, ß, quote") << "1,ß\"" << QString();
        QTest::newRow("a phrase") << "Der Mond; 2x!" << QString("Der Mond x");
        QTest::newRow("other alphabets") << "ÿΩжñ" << QString("ñ");
        QTest::newRow("letters without a byte") << "ıſŁa" << QString("a");
    }
    void filter()
    {
        QFETCH(QString, input);
        QFETCH(QString, shown);
        open();
        type(input);
        QCOMPARE(text1()->text(), shown);
        // Pasted text is filtered the same way, where the cursor is.
        text1()->setText("ab");
        text1()->setCursorPosition(1);
        QGuiApplication::clipboard()->setText(input);
        text1()->paste();
        QCOMPARE(text1()->text(), "a" + shown + "b");
        QCOMPARE(text1()->cursorPosition(), 1 + shown.size());
    }

    // A list copied from a document or a spreadsheet goes in one entry a cell; an entry is left
    // out rather than cut, and the teacher is told.
    void pasteAList_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("told");
        QTest::newRow("TABs, blank lines and blanks")
            << "Kiwi\tMango\r\n\t\t\r\n   \n  Zitrone  \n"
            << QStringList({"Kiwi", "Mango", "Zitrone"}) << "Kiwi" << QStringList();
        QTest::newRow("lines ended by CR")
            << "Kiwi\rMango\r" << QStringList({"Kiwi", "Mango"}) << "Kiwi" << QStringList();
        QTest::newRow("commas, a quoted cell")
            << "Kiwi,Mango,\"Hund, Katze\",Zitrone"
            << QStringList({"Kiwi", "Mango", "Hund Katze", "Zitrone"}) << "Hund Katze"
            << QStringList();
        QTest::newRow("filtered as typed, ß as ss")
            << "1. Zebra!\nFlu\u00DF \"Ufer\"\n"
            << QStringList({"Zebra", "Fluss Ufer"}) << "Fluss Ufer" << QStringList();
        QTest::newRow("plain forms")
            << "Eis\u00A0b\u00E4r\nl\u2019\u00E9t\u00E9\nGRO\u1E9E\n"
            << QStringList({"Eis bär", "l'été", "GROSS"}) << "Eis bär" << QStringList();
        QTest::newRow("left out, not cut")
            << "Schmetterlingsflügelschlagrhythmus\n\u0141\u00F3d\u017A\nWal\n"
            << QStringList({"Wal"}) << "Wal"
            << QStringList({"Hinzugefügte Einträge: 1.\nWeggelassen:\n"
                            "Schmetterlingsflügelschlagrhythmus – zu lang: Auf die Tafel passen 20 "
                            "Buchstaben\nŁódź – enthält einen Buchstaben, den eine Wortliste "
                            "nicht aufnehmen kann"});
    }
    void pasteAList()
    {
        QFETCH(QString, pasted);
        QFETCH(QStringList, added);
        open();
        paste(pasted);
        QStringList all = kSorted + added;
        all.sort(Qt::CaseInsensitive);
        QCOMPARE(entries(), all);
        QCOMPARE(text1()->text(), "");
        QCOMPARE(list1()->selectionModel()->selectedRows().size(), 1);
        QTEST(list1()->currentIndex().data().toString(), "selected");
        QVERIFY(m_f->state.vocabChanged);
        QTEST(m_f->dialogs.texts(), "told");
    }

    // One pasted line goes into the box by the rule of a list's line.
    void pasteOneLine_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("box");
        QTest::newRow("ß") << "Straße"
                           << "Strasse";
        QTest::newRow("ẞ") << "GROẞ"
                           << "GROSS";
        QTest::newRow("no-break space") << "Eis\u00A0bär"
                                        << "Eis bär";
        QTest::newRow("a letter no entry holds") << "Łódź"
                                                 << "";
        QTest::newRow("longer than the board") << "Schmetterlingsflügel"
                                               << "";
    }
    void pasteOneLine()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, box);
        open(19);
        paste(pasted);
        QCOMPARE(text1()->text(), box);
        QCOMPARE(entries(), kSorted);
        QCOMPARE(m_f->dialogs.texts().size(), box.isEmpty() ? 1 : 0);
    }

    // Past 32767 entries nothing goes in: the first lines fit, the teacher hears about the rest.
    void theListStopsAtItsLimit()
    {
        QByteArray full;
        for (int i = 0; i < 32765; ++i)
            full += "Wort\r\n";
        fresh(full);
        open();
        paste("Ulme\nAhorn\nBirke\nEiche\nLinde");
        QCOMPARE(shownRows(), 32767);
        QCOMPARE(entries().first(), "Ahorn");
        QVERIFY(!entries().contains("Birke"));
        QCOMPARE(m_f->dialogs.texts(),
                 QStringList({"2 Einträge wurden hinzugefügt. 3 weitere passen nicht mehr in die "
                              "Liste: Eine Wortliste hat höchstens 32767 Einträge."}));
        m_f->dialogs.shown.clear();
        add("Birke");
        QCOMPARE(shownRows(), 32767);
        QCOMPARE(text1()->text(), "Birke");
        // More than a drop may bring is refused whole.
        paste("Ulme\n" + QString(16 * 1024 * 1024, u'x'));
        QCOMPARE(shownRows(), 32767);
        QCOMPARE(m_f->dialogs.texts(),
                 QStringList({"Die Liste ist voll: Eine Wortliste hat höchstens 32767 Einträge.",
                              "Hier lässt sich nur Text bis 16 MB einfügen. Es wurde nichts "
                              "übernommen."}));
        QVERIFY(m_f->errors.errors().isEmpty());
    }

    // A file dropped from a file manager: its lines go in as pasted ones do, whichever way it is
    // encoded; anything but a text file changes nothing and says why.
    void dropOnTheList_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("taken");
        const auto row = [](const char *row, const char *kind, const char *name,
                            const QByteArray &bytes,
                            bool taken) { QTest::newRow(row) << kind << name << bytes << taken; };
        row("UTF-8 with a mark", "file", "Liste.txt", "\xEF\xBB\xBFM\xC3\xA4use\nK\xC3\xA4se\n",
            true);
        row("Windows-1252", "file", "Liste.txt", "M\xE4use\r\nK\xE4se\r\n", true);
        row("UTF-16 LE", "file", "Liste.txt",
            QByteArray("\xFF\xFEM\0\xE4\0u\0s\0e\0\r\0\n\0K\0\xE4\0s\0e\0", 24), true);
        row("a spreadsheet's CSV", "file", "Tabelle.CSV", "M\xE4use;K\xE4se\r\n", true);
        row("text, not a file", "text", "Liste.txt", "Mäuse, Käse", true);
        row("a PNG", "file", "Liste.txt", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), false);
        row("a named pipe", "pipe", "Liste.txt", {}, false);
        row("one byte over 16 MB", "large", "Liste.txt", {}, false);
        row("a list and a PNG", "two", "Liste.txt", "M\xE4use\r\nK\xE4se\r\n", false);
    }
    void dropOnTheList()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, taken);
        QTemporaryDir outside;
        const QString path = outside.filePath(name);
        const QString png = outside.filePath("Bild.png");
        QFile f(kind == "pipe" ? png : path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        if (kind == "large")
            QVERIFY(f.resize(16 * 1024 * 1024 + 1));
        if (kind == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        f.close();
        QFile picture(png);
        if (kind == "two")
            QVERIFY(picture.open(QIODevice::WriteOnly) && picture.write("\x89PNG\r\n\x1a\n\0", 9));
        picture.close();
        open();
        QMimeData data;
        if (kind == "text")
            data.setText(QString::fromUtf8(bytes));
        else if (kind == "two")
            data.setUrls({QUrl::fromLocalFile(path), QUrl::fromLocalFile(png)});
        else
            data.setUrls({QUrl::fromLocalFile(path)});
        const QPoint at = list1()->viewport()->rect().center();
        // As a drag arrives: Qt lets a drop through only where the drag was taken.
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(list1()->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(list1()->viewport(), &drop);
        QCOMPARE(drop.dropAction(), Qt::CopyAction); // the file manager keeps its file
        QCOMPARE(entries(), taken ? QStringList({"Apfel", "Birne", "Käse", "Krokodil", "Maus",
                                                 "Mäuse", "Strasse", "Zebra"})
                                  : kSorted);
        QCOMPARE(m_f->state.vocabChanged, taken);
        const QString refusal =
            "Hier lassen sich nur Textdateien bis 16 MB ablegen. Nicht übernommen:\n" +
            (kind == "two" ? png : path);
        QCOMPARE(m_f->dialogs.texts(), taken ? QStringList() : QStringList({refusal}));
    }

    // An entry goes in at its place; one equal to a listed entry but for case or accents goes in
    // after it, and an entry added twice is kept twice. Several go at once; a double click
    // copies one into the box.
    void addDeleteAndCopy()
    {
        open();
        type("Krähe");
        QTest::keyClick(text1(), Qt::Key_Return);
        QCOMPARE(text1()->text(), "");
        QVERIFY(m_f->state.vocabChanged);
        add("apfel");
        add("Zebra");
        QCOMPARE(entries(), QStringList({"Apfel", "apfel", "Birne", "Krähe", "Krokodil", "Maus",
                                         "Strasse", "Zebra", "Zebra"}));
        QCOMPARE(shown(1), "apfel");
        press("Hinzuf"); // nothing to add
        QCOMPARE(entries().size(), 9);
        // Several deleted at once.
        for (const int row : {0, 2, 5})
            click(row, Qt::ControlModifier);
        press("Loesch");
        QCOMPARE(entries(),
                 QStringList({"apfel", "Krähe", "Krokodil", "Strasse", "Zebra", "Zebra"}));
        QCOMPARE(shownRows(), 6);
        QVERIFY(!get<QPushButton>("Loesch")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), list1());
        // A double click copies an entry into the box, to be changed and added anew.
        const QPoint at = centreOf(1);
        QTest::mouseClick(list1()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list1()->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(text1()->text(), "Krähe");
    }

    void newFile_data()
    {
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("refusals");
        QTest::newRow("Tiere") << Answers{"Tiere"} << "Tiere.dat" << 0;
        QTest::newRow("Tiere.dat") << Answers{"Tiere.dat"} << "Tiere.dat" << 0;
        QTest::newRow("Tiere.DAT") << Answers{"Tiere.DAT"} << "Tiere.DAT.dat" << 0;
        QTest::newRow("cancelled") << Answers{std::nullopt} << "quendo.dat" << 0;
        QTest::newRow("nothing typed") << Answers{""} << "quendo.dat" << 0;
        QTest::newRow("an existing one, not overwritten") << Answers{"Hund"} << "quendo.dat" << 0;
        QTest::newRow("a/b, then Tiere") << Answers{"a/b", "Tiere"} << "Tiere.dat" << 1;
        QTest::newRow("a\\b, ..x, a TAB")
            << Answers{"a\\b", "..x", "a\tb", std::nullopt} << "quendo.dat" << 3;
        QTest::newRow("too long, hidden, outer blank")
            << Answers{QString(252, 'x'), ".tiere", " Tiere", std::nullopt} << "quendo.dat" << 3;
        QTest::newRow("Greek") << Answers{"Ωmega", std::nullopt} << "quendo.dat" << 1;
        QTest::newRow("umlauts and blanks")
            << Answers{"Tiere im Zoo äöü"} << "Tiere im Zoo äöü.dat" << 0;
    }
    void newFile()
    {
        QFETCH(Answers, answers);
        QFETCH(QString, file);
        QFETCH(int, refusals);
        m_f->folder.write("deutsch/Hund.dat", "Hund\r\n");
        open();
        m_f->dialogs.inputs = answers;
        m_f->dialogs.answers = {false}; // not over an existing file
        press("cmdNeu");
        QCOMPARE(m_f->state.vocabFile, file);
        QCOMPARE(entries().isEmpty(), file != "quendo.dat");
        QCOMPARE(m_editor->windowTitle(), file);
        QCOMPARE(m_f->dialogs.texts().count("Dieser Name lässt sich nicht als Dateiname "
                                            "verwenden. Bitte nehmen Sie einen kurzen Namen aus "
                                            "Buchstaben und Ziffern."),
                 refusals);
        QCOMPARE(m_f->dialogs.texts().contains("Bestehende Datei überschreiben?"),
                 answers.first() == "Hund");
        QVERIFY(!m_f->state.vocabChanged);
        // Nothing is written before Save, and nothing outside the folder ever.
        QCOMPARE(QDir(m_f->folder.file("deutsch")).entryList(QDir::Files),
                 QStringList({"Hund.dat", "quendo.dat"}));
        QCOMPARE(QDir(m_f->folder.path()).entryList(QDir::Files), QStringList({"~tmp.lng"}));
    }

    // A failed write keeps the old file, the game's words and the teacher's work; whatever the
    // report's answer short of End, the editor stays open until a save works.
    void aFailedSaveKeepsTheOldFileAndTheWork_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<ErrAnswer>("answer");
        QTest::newRow("Save, Cancel") << "Speichern" << ErrAnswer::Cancel;
        QTest::newRow("OK, Cancel") << "OK" << ErrAnswer::Cancel;
        QTest::newRow("OK, Ignore") << "OK" << ErrAnswer::Ignore;
    }
    void aFailedSaveKeepsTheOldFileAndTheWork()
    {
        QFETCH(QString, button);
        QFETCH(ErrAnswer, answer);
        m_f->pool.replace({"ALT"});
        open();
        add("Nilpferd", 40);
        const QStringList work = entries();
        m_f->errors.script({answer});
        std::optional<FileSizeLimit> limit(std::in_place, 64);
        press(button);
        limit.reset();
        QCOMPARE(m_f->errors.errors().size(), 1);
        QCOMPARE(m_f->errors.errors().first().procedure, "Speichern_Click");
        QCOMPARE(m_f->errors.errors().first().number, ErrNo::DeviceIoError);
        QCOMPARE(m_f->words("quendo.dat"), kOriginal);
        // OK hands the list to the game before it saves.
        QCOMPARE(m_f->pool.entries(), button == "OK" ? work : QStringList({"ALT"}));
        QVERIFY(m_editor->isVisible());
        QCOMPARE(entries(), work);
        QVERIFY(m_f->state.vocabChanged);
        press("OK");
        QVERIFY(!m_editor->isVisible());
        QCOMPARE(m_f->words("quendo.dat").count("Nilpferd"), 40);
    }

    // A list read only in part, or a link out of its folder, is never saved over: Save asks for
    // a new name.
    void aListReadInPartIsNotSavedOver_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<Answers>("names");
        QTest::addColumn<QString>("saved"); // the file written, if any
        QByteArray many;
        for (int i = 0; i < 40000; ++i)
            many += "Wort" + QByteArray::number(i) + "\r\n";
        const QStringList tooLong = {"Diese Wortliste hat 40000 Einträge; der Editor zeigt die "
                                     "ersten 32767. Die Datei bleibt, wie sie ist: Beim Speichern "
                                     "fragt Quendo nach einem neuen Namen."};
        QTest::newRow("40 000 entries, saved as Neu")
            << many << 32767 << tooLong << Answers{"Neu"} << "Neu.dat";
        QTest::newRow("40 000 entries, its own name refused, then cancelled")
            << many << 32767 << tooLong << Answers{"quendo", std::nullopt} << "";
        QTest::newRow("over 16 MB")
            << QByteArray() << 0 << QStringList() << Answers{"Neu"} << "Neu.dat";
        // ẞ is taken as SS; a letter without a Windows-1252 byte is not.
        QTest::newRow("UTF-8 with ẞ and Ł")
            << QByteArray("GRO\xE1\xBA\x9E\r\n\xC5\x81\xC3\x93"
                          "D\xC5\xB9\r\nSTRA\xE1\xBA\x9E"
                          "E\r\n")
            << 2
            << QStringList({"Diese Einträge der Datei kann der Editor nicht übernehmen. Die Datei "
                            "bleibt, wie sie ist: Beim Speichern fragt Quendo nach einem neuen "
                            "Namen.\nŁÓDŹ – enthält einen Buchstaben, den eine Wortliste nicht "
                            "aufnehmen kann"})
            << Answers{"Neu"} << "Neu.dat";
        QTest::newRow("a link out of the folder")
            << QByteArray("link") << 2 << QStringList() << Answers{"quendo", "Neu"} << "Neu.dat";
    }
    void aListReadInPartIsNotSavedOver()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, shown);
        QFETCH(Answers, names);
        QFETCH(QString, saved);
        const bool link = file == "link";
        fresh(file);
        if (file.isEmpty())
            QVERIFY(QFile::resize(m_f->folder.file("deutsch/quendo.dat"), 16 * 1024 * 1024 + 1));
        if (link) {
            m_f->folder.write("outside.dat", "Affe\r\nIgel\r\n");
            QVERIFY(QFile::remove(m_f->folder.file("deutsch/quendo.dat")));
            QVERIFY(QFile::link("../outside.dat", m_f->folder.file("deutsch/quendo.dat")));
        }
        const QByteArray before = m_f->words("quendo.dat");
        open();
        QTEST(m_f->dialogs.texts(), "told");
        QCOMPARE(m_f->errors.errors().size(), file.isEmpty() ? 1 : 0);
        QCOMPARE(shownRows(), shown);
        m_f->dialogs.shown.clear();
        m_f->dialogs.inputs = names;
        press("Speichern");
        QCOMPARE(m_f->dialogs.shown.first().text,
                 link
                     ? "Diese Wortliste ist eine Verknüpfung zu einer Datei außerhalb ihres "
                       "Ordners und wird nicht überschrieben. Bitte geben Sie einen neuen Namen an:"
                     : "Diese Wortliste wurde nicht ganz gelesen und wird nicht überschrieben. "
                       "Bitte geben Sie einen neuen Namen an:");
        QCOMPARE(m_f->dialogs.texts().count(
                     link ? "Unter diesem Namen steht eine Verknüpfung zu einer Datei außerhalb "
                            "des Ordners; sie wird nicht überschrieben. Bitte wählen Sie einen "
                            "anderen Namen."
                          : "Unter diesem Namen steht die Wortliste, die nicht ganz gelesen "
                            "wurde; sie wird nicht überschrieben. Bitte wählen Sie einen anderen "
                            "Namen."),
                 names.size() - 1);
        QCOMPARE(m_f->words("quendo.dat"), before);
        QVERIFY(QFileInfo(m_f->folder.file("deutsch/quendo.dat")).isSymLink() == link);
        QCOMPARE(m_f->words("Neu.dat").count("\r\n"), saved.isEmpty() ? 0 : shown);
        QCOMPARE(m_f->pool.size(), saved.isEmpty() ? 0 : shown); // what was saved is played
        QCOMPARE(m_editor->windowTitle(), saved.isEmpty() ? "quendo.dat" : saved);
    }

    void ok_data()
    {
        QTest::addColumn<QString>("added");
        QTest::addColumn<QList<bool>>("save"); // the answer to the question, if asked
        QTest::newRow("unchanged") << "" << QList<bool>();
        QTest::newRow("changed, saved") << "affe" << QList<bool>{true};
        QTest::newRow("changed, not saved") << "affe" << QList<bool>{false};
    }
    void ok()
    {
        QFETCH(QString, added);
        QFETCH(QList<bool>, save);
        open();
        if (!added.isEmpty())
            add(added);
        m_f->dialogs.answers = save;
        press("OK");
        QVERIFY(!m_editor->isVisible());
        QCOMPARE(m_f->dialogs.texts(),
                 save.isEmpty() ? QStringList() : QStringList({"Änderungen speichern?"}));
        QCOMPARE(m_f->pool.entries(), added.isEmpty() ? kSorted : QStringList{"affe"} + kSorted);
        QCOMPARE(m_f->state.settingsChanged, !added.isEmpty());
        QCOMPARE(m_f->state.vocabChanged, save == QList<bool>{false});
        QCOMPARE(m_f->words("quendo.dat"),
                 save == QList<bool>{true}
                     ? "affe\r\nApfel\r\nBirne\r\nKrokodil\r\nMaus\r\nStrasse\r\nZebra\r\n"
                     : kOriginal);
    }

    // Cancel forgets the changes but not a new file's name; the close box runs none of the
    // buttons, so the change is asked about at the next OK.
    void cancelAndCloseBox()
    {
        open();
        m_f->dialogs.inputs = {"Tiere"};
        press("cmdNeu");
        add("Affe");
        QTest::keyClick(m_editor.get(), Qt::Key_Escape);
        QVERIFY(!m_editor->isVisible());
        QVERIFY(!m_f->state.vocabChanged);
        QCOMPARE(m_f->state.vocabFile, "Tiere.dat");
        QVERIFY(m_f->pool.isEmpty());
        open();
        add("Affe");
        m_editor->close();
        QVERIFY(m_f->state.vocabChanged);
        QVERIFY(m_f->pool.isEmpty());
        open();
        m_f->dialogs.shown.clear();
        m_f->dialogs.answers = {false};
        press("OK");
        QCOMPARE(m_f->dialogs.texts("yesno"), QStringList({"Änderungen speichern?"}));
    }
};

QTEST_MAIN(TestWEdit)
#include "tst_wedit.moc"
