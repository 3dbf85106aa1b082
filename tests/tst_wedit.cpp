#include "TeacherFixture.h"
#include "VocabularyFile.h"
#include "WEdit.h"

#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
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
    QListWidget *list1() { return get<QListWidget>("List1"); }
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
        QTest::mouseClick(list1()->viewport(), Qt::LeftButton, keys,
                          list1()->visualItemRect(list1()->item(row)).center());
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

    // A list copied from a document or a spreadsheet column goes in one entry a line or cell.
    void pasteAList_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<int>("across");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QString>("selected");
        QTest::newRow("cells, blank lines and blanks")
            << "Kiwi\tMango\r\n\t\t\r\n   \n  Zitrone  \n"
            << 20 << QStringList({"Kiwi", "Mango", "Zitrone"}) << "Kiwi";
        QTest::newRow("filtered as typed, ß as ss")
            << "1. Zebra!\nFlu\u00DF, \"Ufer\"\n"
            << 20 << QStringList({"Zebra", "Fluss Ufer"}) << "Fluss Ufer";
        QTest::newRow("cut to the board") << "Wassermelone\nWal\n"
                                          << 5 << QStringList({"Wasse", "Wal"}) << "Wal";
    }
    void pasteAList()
    {
        QFETCH(QString, pasted);
        QFETCH(int, across);
        QFETCH(QStringList, added);
        open(across);
        paste(pasted);
        QStringList all = kSorted + added;
        all.sort(Qt::CaseInsensitive);
        QCOMPARE(entries(), all);
        QCOMPARE(text1()->text(), "");
        QCOMPARE(list1()->selectedItems().size(), 1);
        QTEST(list1()->currentItem()->text(), "selected");
        QVERIFY(m_f->state.vocabChanged);
        QVERIFY(m_f->dialogs.shown.isEmpty());
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
        QCOMPARE(list1()->count(), 32767);
        QCOMPARE(entries().first(), "Ahorn");
        QVERIFY(!entries().contains("Birke"));
        QCOMPARE(m_f->dialogs.texts(),
                 QStringList({"2 Einträge wurden hinzugefügt. 3 weitere passen nicht mehr in die "
                              "Liste: Eine Wortliste hat höchstens 32767 Einträge."}));
        add("Birke");
        QCOMPARE(list1()->count(), 32767);
        QCOMPARE(m_f->errors.errors().size(), 1);
        QCOMPARE(m_f->errors.errors().first().number, ErrNo::Overflow);
    }

    // A file dropped from a file manager: its lines go in as pasted ones do, whichever way it is
    // encoded; anything but a text file changes nothing and says why.
    void dropOnTheList_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("taken");
        QTest::newRow("UTF-8 with a mark")
            << "file" << QByteArray("\xEF\xBB\xBFM\xC3\xA4use\nK\xC3\xA4se\n") << true;
        QTest::newRow("Windows-1252") << "file" << QByteArray("M\xE4use\r\nK\xE4se\r\n") << true;
        QTest::newRow("text, not a file") << "text" << QByteArray("Mäuse\nKäse") << true;
        QTest::newRow("a PNG") << "file" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
                               << false;
        QTest::newRow("a named pipe") << "pipe" << QByteArray() << false;
        QTest::newRow("one byte over 16 MB") << "large" << QByteArray() << false;
    }
    void dropOnTheList()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, taken);
        QTemporaryDir outside;
        const QString path = outside.filePath("Liste.txt");
        QFile f(path);
        if (kind == "file" || kind == "large")
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        if (kind == "large")
            QVERIFY(f.resize(16 * 1024 * 1024 + 1));
        if (kind == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        f.close();
        open();
        QMimeData data;
        if (kind == "text")
            data.setText(QString::fromUtf8(bytes));
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
            "Hier lassen sich nur Textdateien bis 16 MB ablegen. Nicht übernommen:\n" + path;
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
        QCOMPARE(list1()->item(1)->text(), "apfel");
        press("Hinzuf"); // nothing to add
        QCOMPARE(entries().size(), 9);
        // Several deleted at once.
        for (const int row : {0, 2, 5})
            click(row, Qt::ControlModifier);
        press("Loesch");
        QCOMPARE(entries(),
                 QStringList({"apfel", "Krähe", "Krokodil", "Strasse", "Zebra", "Zebra"}));
        QCOMPARE(list1()->count(), 6);
        QVERIFY(!get<QPushButton>("Loesch")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), list1());
        // A double click copies an entry into the box, to be changed and added anew.
        const QPoint at = list1()->visualItemRect(list1()->item(1)).center();
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
        QCOMPARE(m_editor->windowTitle(), "quendo.dat"); // the caption stays
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

    // A list read only in part is never saved over: Save asks for a new name.
    void aListReadInPartIsNotSavedOver_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("shown");
        QTest::addColumn<Answers>("names");
        QTest::addColumn<QString>("saved"); // the file written, if any
        QByteArray many;
        for (int i = 0; i < 40000; ++i)
            many += "Wort" + QByteArray::number(i) + "\r\n";
        QTest::newRow("40 000 entries, saved as Neu")
            << many << 32767 << Answers{"Neu"} << "Neu.dat";
        QTest::newRow("40 000 entries, its own name refused, then cancelled")
            << many << 32767 << Answers{"quendo", std::nullopt} << "";
        QTest::newRow("over 16 MB") << QByteArray() << 0 << Answers{"Neu"} << "Neu.dat";
    }
    void aListReadInPartIsNotSavedOver()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, shown);
        QFETCH(Answers, names);
        QFETCH(QString, saved);
        fresh(file);
        if (file.isEmpty())
            QVERIFY(QFile::resize(m_f->folder.file("deutsch/quendo.dat"), 16 * 1024 * 1024 + 1));
        const QByteArray before = m_f->words("quendo.dat");
        open();
        QCOMPARE(m_f->dialogs.texts(),
                 file.isEmpty() ? QStringList()
                                : QStringList({"Diese Wortliste hat 40000 Einträge; der Editor "
                                               "zeigt die ersten 32767. Die Datei bleibt, wie sie "
                                               "ist: Beim Speichern fragt Quendo nach einem neuen "
                                               "Namen."}));
        QCOMPARE(m_f->errors.errors().size(), file.isEmpty() ? 1 : 0);
        QCOMPARE(list1()->count(), shown);
        m_f->dialogs.shown.clear();
        m_f->dialogs.inputs = names;
        press("Speichern");
        QCOMPARE(m_f->dialogs.shown.first().text,
                 "Diese Wortliste wurde nicht ganz gelesen und wird nicht überschrieben. Bitte "
                 "geben Sie einen neuen Namen an:");
        QCOMPARE(m_f->dialogs.texts().count(
                     "Unter diesem Namen steht die Wortliste, die nicht ganz gelesen wurde; sie "
                     "wird nicht überschrieben. Bitte wählen Sie einen anderen Namen."),
                 names.size() - 1);
        QCOMPARE(m_f->words("quendo.dat"), before);
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
