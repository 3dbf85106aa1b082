#include "Places.h"
#include "TeacherFixture.h"
#include "VocabularyFile.h"
#include "WEdit.h"

#include <QAccessible>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <memory>

// The vocabulary editor on the German word folder: typing and pasting, adding and deleting,
// new files, saving, and how it hands its entries to the game.
class TestWEdit : public QObject
{
    Q_OBJECT
    std::unique_ptr<TeacherFixture> m_f;
    std::unique_ptr<WEdit> m_editor;

    void fresh(const QMap<QString, QByteArray> &words)
    {
        m_editor.reset();
        m_f.reset();
        m_f = std::make_unique<TeacherFixture>(words);
    }
    void open(int lettersAcross = 20)
    {
        m_editor = std::make_unique<WEdit>(m_f->tools(lettersAcross));
        activate(m_editor.get());
    }
    template <typename T> T *get(const QString &name) { return child<T>(m_editor.get(), name); }
    QLineEdit *text1() { return get<QLineEdit>("Text1"); }
    QListWidget *list1() { return get<QListWidget>("List1"); }
    QStringList shown()
    {
        QStringList items;
        for (int i = 0; i < list1()->count(); ++i)
            items << list1()->item(i)->text();
        return items;
    }
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
    void ctrlClick(int row)
    {
        QListWidget *list = list1();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list->visualItemRect(list->item(row)).center());
    }

private slots:
    void init()
    {
        m_f = std::make_unique<TeacherFixture>(QMap<QString, QByteArray>{
            {"quendo.dat", "Zebra\r\nApfel\r\nKrokodil\r\nBirne, Maus\r\nStra\xDF"
                           "e\r\n"}}); // Windows-1252
        m_f->state.vocabFile = "quendo.dat";
    }
    void cleanup()
    {
        m_editor.reset();
        m_f.reset();
    }

    void opensSortedWithItsTexts()
    {
        open();
        QCOMPARE(m_editor->windowTitle(), "quendo.dat");
        QCOMPARE(m_editor->entries(),
                 QStringList({"Apfel", "Birne", "Krokodil", "Maus", "Strasse", "Zebra"}));
        const QStringList captions = {
            get<QPushButton>("Hinzuf")->text(), get<QPushButton>("Loesch")->text(),
            get<QPushButton>("cmdNeu")->text(), get<QPushButton>("Speichern")->text(),
            get<QPushButton>("OK")->text(),     get<QPushButton>("Abbruch")->text()};
        QCOMPARE(captions, QStringList({"&Hinzufügen", "&Löschen", "&Neue Datei", "&Speichern",
                                        "&OK", "&Abbrechen"}));
        QVERIFY(!get<QPushButton>("Loesch")->isEnabled());
        QVERIFY(get<QPushButton>("Hinzuf")->isDefault());
        QCOMPARE(text1()->maxLength(), 20);
        QCOMPARE(QApplication::focusWidget(), text1());
        // Tab order: entry box, list, add, delete, save, OK, cancel, new file.
        QStringList order;
        QWidget *w = text1();
        for (int i = 0; i < 8; ++i, w = w->nextInFocusChain()) {
            while (w->objectName().isEmpty() || w->focusPolicy() == Qt::NoFocus)
                w = w->nextInFocusChain();
            order << w->objectName();
        }
        QCOMPARE(order, QStringList({"Text1", "List1", "Hinzuf", "Loesch", "Speichern", "OK",
                                     "Abbruch", "cmdNeu"}));
    }

    void captionWithoutAFileName()
    {
        m_f->state.vocabFile.clear();
        open();
        QCOMPARE(m_editor->windowTitle(), "Wortschatz bearbeiten...");
        QCOMPARE(m_f->state.vocabFile, "quendo.dat");
        QCOMPARE(m_editor->entries().size(), 6);
    }

    void tidyInEveryLanguage()
    {
        for (int digit = 0; digit < kLanguageCount; ++digit) {
            setCurrentLanguage(Language::fromIndex(digit));
            open();
            const QStringList problems = untidy(m_editor.get());
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join(", ")));
            QCOMPARE(englishMenus(m_editor.get()), QStringList());
            // The entry box is as tall as its font needs and stays centred on its designed
            // row (16, 8, 267 x 19), whatever the font.
            QCOMPARE(text1()->x(), 16);
            QVERIFY(text1()->height() >= text1()->sizeHint().height());
            QVERIFY(qAbs(2 * text1()->geometry().center().y() - (2 * 8 + 19)) <= 2);
        }
    }

    void filter_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letters as typed") << "aä'-É"
                                          << "aä'-É";
        QTest::newRow("digit, comma, ß, quote") << "1,ß\""
                                                << "";
        QTest::newRow("a phrase") << "Der Mond; 2x!"
                                  << "Der Mond x";
        QTest::newRow("other alphabets") << "ÿΩжñ"
                                         << "ñ";
        QTest::newRow("letters without a byte") << "ıſŁa"
                                                << "a";
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

    void entryLength_data()
    {
        QTest::addColumn<int>("across");
        QTest::addColumn<int>("kept");
        QTest::newRow("20 letters across") << 20 << 20;
        QTest::newRow("no limit") << 0 << 25;
    }
    void entryLength()
    {
        QFETCH(int, across);
        QFETCH(int, kept);
        open(across);
        type(QString(25, 'x'));
        QCOMPARE(text1()->text().size(), kept);
    }

    // A list copied from a document or a spreadsheet column goes in one entry a line or cell.
    void pasteAList_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<int>("across");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("selected");
        QTest::newRow("lines") << "Kirsche\nBanane\nApfelsine\n"
                               << 20
                               << QStringList({"Apfel", "Apfelsine", "Banane", "Birne", "Kirsche",
                                               "Krokodil", "Maus", "Strasse", "Zebra"})
                               << "Apfelsine";
        QTest::newRow("cells, blank lines and blanks")
            << "Kiwi\tMango\r\n\t\t\r\n   \n  Zitrone  \n"
            << 20
            << QStringList({"Apfel", "Birne", "Kiwi", "Krokodil", "Mango", "Maus", "Strasse",
                            "Zebra", "Zitrone"})
            << "Kiwi";
        QTest::newRow("filtered as typed, ß as ss")
            << "1. Zebra!\nFlu\u00DF, \"Ufer\"\n"
            << 20
            << QStringList({"Apfel", "Birne", "Fluss Ufer", "Krokodil", "Maus", "Strasse", "Zebra",
                            "Zebra"})
            << "Fluss Ufer";
        QTest::newRow("cut to the board") << "Wassermelone\nWal\n"
                                          << 5
                                          << QStringList({"Apfel", "Birne", "Krokodil", "Maus",
                                                          "Strasse", "Wal", "Wasse", "Zebra"})
                                          << "Wal";
    }
    void pasteAList()
    {
        QFETCH(QString, pasted);
        QFETCH(int, across);
        QFETCH(QStringList, list);
        QFETCH(QString, selected);
        open(across);
        QGuiApplication::clipboard()->setText(pasted);
        text1()->setFocus();
        QTest::keySequence(text1(), QKeySequence::Paste);
        QCOMPARE(m_editor->entries(), list);
        QCOMPARE(text1()->text(), "");
        QCOMPARE(list1()->selectedItems().size(), 1);
        QCOMPARE(list1()->selectedItems().first()->text(), selected);
        QCOMPARE(list1()->currentItem()->text(), selected);
        QVERIFY(m_f->state.vocabChanged);
        QVERIFY(m_f->dialogs.shown.isEmpty());
    }

    // Past 32767 entries nothing goes in: the first lines fit, the teacher hears about the rest.
    void aPasteStopsAtTheLimit()
    {
        QByteArray full;
        for (int i = 0; i < 32765; ++i)
            full += "Wort\r\n";
        fresh({{"quendo.dat", full}});
        open();
        QGuiApplication::clipboard()->setText("Ulme\nAhorn\nBirke\nEiche\nLinde");
        text1()->setFocus();
        QTest::keySequence(text1(), QKeySequence::Paste);
        QCOMPARE(list1()->count(), 32767);
        QCOMPARE(m_editor->entries().first(), "Ahorn");
        QCOMPARE(m_editor->entries().last(), "Wort");
        QVERIFY(!m_editor->entries().contains("Birke"));
        QCOMPARE(m_f->dialogs.texts(),
                 QStringList({"2 Einträge wurden hinzugefügt. 3 weitere passen nicht mehr in die "
                              "Liste: Eine Wortliste hat höchstens 32767 Einträge."}));
    }

    // A file dropped from a file manager: its lines go in as pasted ones do, whichever way it is
    // encoded; anything but a text file changes nothing and says why.
    void dropOnTheList_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("added");
        const QStringList mice = {"Käse", "Mäuse"};
        QTest::newRow("UTF-8 with a mark")
            << "file" << QByteArray("\xEF\xBB\xBFM\xC3\xA4use\nK\xC3\xA4se\n") << mice;
        QTest::newRow("UTF-8") << "file" << QByteArray("M\xC3\xA4use\r\nK\xC3\xA4se\r\n") << mice;
        QTest::newRow("Windows-1252") << "file" << QByteArray("M\xE4use\r\nK\xE4se\r\n") << mice;
        QTest::newRow("text, not a file") << "text" << QByteArray("Mäuse\nKäse") << mice;
        QTest::newRow("a PNG") << "file" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
                               << QStringList();
        QTest::newRow("a folder") << "folder" << QByteArray() << QStringList();
        QTest::newRow("a named pipe") << "pipe" << QByteArray() << QStringList();
        QTest::newRow("one byte over 16 MB") << "large" << QByteArray() << QStringList();
    }
    void dropOnTheList()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, added);
        QTemporaryDir outside;
        const QString path = outside.filePath("Liste.txt");
        if (kind == "file") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        } else if (kind == "folder") {
            QVERIFY(QDir(outside.path()).mkdir("Liste.txt"));
        } else if (kind == "pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == "large") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(16 * 1024 * 1024 + 1));
        }
        open();
        const QStringList before = m_editor->entries();
        QMimeData data;
        if (kind == "text")
            data.setText(QString::fromUtf8(bytes));
        else
            data.setUrls({QUrl::fromLocalFile(path)});
        const QPoint at = list1()->viewport()->rect().center();
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        // As a drag arrives: Qt lets a drop through only where the drag was taken.
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(list1()->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QApplication::sendEvent(list1()->viewport(), &drop);
        QCOMPARE(drop.dropAction(), Qt::CopyAction); // the file manager keeps its file
        QStringList expected = before + added;
        VocabularyFile::sortForEditor(expected);
        QCOMPARE(m_editor->entries(), expected);
        QCOMPARE(m_f->state.vocabChanged, !added.isEmpty());
        const QStringList refusal = {"Hier lassen sich nur Textdateien bis 16 MB ablegen. Nicht "
                                     "übernommen:\n" +
                                     path};
        QCOMPARE(m_f->dialogs.texts(), added.isEmpty() ? refusal : QStringList());
    }

    void enterAddsAtItsPlace()
    {
        open();
        type("Krähe");
        QTest::keyClick(text1(), Qt::Key_Return);
        QCOMPARE(m_editor->entries(),
                 QStringList({"Apfel", "Birne", "Krähe", "Krokodil", "Maus", "Strasse", "Zebra"}));
        QCOMPARE(shown(), m_editor->entries());
        QCOMPARE(text1()->text(), "");
        QVERIFY(m_f->state.vocabChanged);
        QTest::keyClick(text1(), Qt::Key_Return); // nothing to add, yet a change
        QCOMPARE(m_editor->entries().size(), 7);
        QVERIFY(m_f->state.vocabChanged);
    }

    void duplicatesAreKept()
    {
        open();
        for (int i = 0; i < 2; ++i) {
            type("Zebra");
            press("Hinzuf");
        }
        QCOMPARE(m_editor->entries().filter("Zebra").size(), 3);
        QCOMPARE(m_editor->entries().last(), "Zebra");
    }

    void doubleClickCopiesAnEntry()
    {
        open();
        const QPoint at = list1()->visualItemRect(list1()->item(2)).center();
        QTest::mouseClick(list1()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list1()->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(text1()->text(), "Krokodil");
        QCOMPARE(m_editor->entries().size(), 6);
        text1()->setFocus(); // ready to be typed over
        QCOMPARE(text1()->selectedText(), "Krokodil");
    }

    void deleteSeveral()
    {
        open();
        for (const int row : {0, 2, 5})
            ctrlClick(row);
        QVERIFY(get<QPushButton>("Loesch")->isEnabled());
        press("Loesch");
        QCOMPARE(m_editor->entries(), QStringList({"Birne", "Maus", "Strasse"}));
        QCOMPARE(shown(), m_editor->entries());
        QVERIFY(!get<QPushButton>("Loesch")->isEnabled());
        QVERIFY(m_f->state.vocabChanged);
        QCOMPARE(QApplication::focusWidget(), list1());
    }

    void newFile_data()
    {
        QTest::addColumn<QList<std::optional<QString>>>("answers");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("refusals");
        using Answers = QList<std::optional<QString>>;
        QTest::newRow("Tiere") << Answers{"Tiere"} << "Tiere.dat" << 0;
        QTest::newRow("Tiere.dat") << Answers{"Tiere.dat"} << "Tiere.dat" << 0;
        QTest::newRow("Tiere.DAT") << Answers{"Tiere.DAT"} << "Tiere.DAT.dat" << 0;
        QTest::newRow("cancelled") << Answers{std::nullopt} << "quendo.dat" << 0;
        QTest::newRow("nothing typed") << Answers{""} << "quendo.dat" << 0;
        QTest::newRow("../x, then cancelled") << Answers{"../x", std::nullopt} << "quendo.dat" << 1;
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
        QFETCH(QList<std::optional<QString>>, answers);
        QFETCH(QString, file);
        QFETCH(int, refusals);
        open();
        m_f->dialogs.inputs = answers;
        press("cmdNeu");
        const bool made = file != "quendo.dat";
        QCOMPARE(m_f->state.vocabFile, file);
        QCOMPARE(m_editor->entries().isEmpty(), made);
        QCOMPARE(m_editor->windowTitle(), "quendo.dat"); // the caption stays
        const FakeDialogs::Shown &first = m_f->dialogs.shown.first();
        QCOMPARE(first.text, "Bitte geben Sie einen Namen für die neue Datei an:");
        QCOMPARE(first.title, "Neue Datei");
        QCOMPARE(m_f->dialogs.texts().count("Dieser Name lässt sich nicht als Dateiname "
                                            "verwenden. Bitte nehmen Sie einen kurzen Namen aus "
                                            "Buchstaben und Ziffern."),
                 refusals);
        QVERIFY(!m_f->state.vocabChanged);
        // Nothing is written before Save, and nothing outside the folder ever.
        QCOMPARE(QDir(m_f->folder.file("deutsch")).entryList(QDir::Files),
                 QStringList({"quendo.dat"}));
        QCOMPARE(QDir(m_f->folder.path()).entryList(QDir::Files), QStringList({"~tmp.lng"}));
    }

    void newFileOverAnExistingOne_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("No") << false;
        QTest::newRow("Yes") << true;
    }
    void newFileOverAnExistingOne()
    {
        QFETCH(bool, yes);
        fresh({{"quendo.dat", "Apfel\r\n"}, {"Tiere.dat", "Hund\r\n"}});
        m_f->state.vocabFile = "quendo.dat";
        open();
        m_f->dialogs.inputs = {"Tiere"};
        m_f->dialogs.answers = {yes};
        press("cmdNeu");
        QCOMPARE(m_f->dialogs.kinds(), QStringList({"input", "yesno"}));
        QCOMPARE(m_f->dialogs.shown.last().text, "Bestehende Datei überschreiben?");
        QCOMPARE(m_f->state.vocabFile, yes ? "Tiere.dat" : "quendo.dat");
        QCOMPARE(m_editor->entries(), yes ? QStringList() : QStringList({"Apfel"}));
        QCOMPARE(m_editor->windowTitle(), "quendo.dat");
        QCOMPARE(m_f->words("Tiere.dat"), "Hund\r\n"); // replaced only by Save
        if (yes) {
            press("Speichern");
            QCOMPARE(m_f->words("Tiere.dat"), "");
        }
    }

    void saveWritesTheListAndFillsThePool()
    {
        m_f->pool.replace({"ALT"});
        open();
        type("Der Mond scheint");
        press("Hinzuf");
        press("Speichern");
        QCOMPARE(m_f->words("quendo.dat"), "Apfel\r\nBirne\r\nDer Mond scheint\r\nKrokodil\r\n"
                                           "Maus\r\nStrasse\r\nZebra\r\n");
        QCOMPARE(m_f->pool.entries(), m_editor->entries());
        QVERIFY(!m_f->state.vocabChanged);
        QVERIFY(m_f->state.settingsChanged);
        QVERIFY(m_editor->isVisible());
    }

    // An installed copy: the shipped list is read, the edited one saved into the user's own
    // folder and read from there next time; the shipped list stays as it came.
    void anInstalledCopySavesIntoTheUsersFolder()
    {
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        setWritableProbe([](const QString &) { return false; });
        const auto restore = qScopeGuard([] {
            setWritableProbe(nullptr);
            qunsetenv("XDG_DATA_HOME");
        });
        open();
        QCOMPARE(m_editor->entries(),
                 QStringList({"Apfel", "Birne", "Krokodil", "Maus", "Strasse", "Zebra"}));
        type("Wal");
        press("Hinzuf");
        press("Speichern");
        QFile saved(data.path() + "/Quendo/deutsch/quendo.dat");
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(),
                 "Apfel\r\nBirne\r\nKrokodil\r\nMaus\r\nStrasse\r\nWal\r\nZebra\r\n");
        QCOMPARE(m_f->words("quendo.dat"), "Zebra\r\nApfel\r\nKrokodil\r\nBirne, Maus\r\nStra\xDF"
                                           "e\r\n");
        m_editor.reset();
        open();
        QVERIFY(m_editor->entries().contains("Wal"));
    }

    // A screen reader finds the entry box and the list by name.
    void accessibleNames()
    {
        open();
        QCOMPARE(QAccessible::queryAccessibleInterface(text1())->text(QAccessible::Name),
                 "Hinzufügen");
        QCOMPARE(QAccessible::queryAccessibleInterface(list1())->text(QAccessible::Name),
                 "Wortschatz");
    }

    void saveAnEmptyList()
    {
        open();
        list1()->selectAll();
        press("Loesch");
        press("Speichern");
        QVERIFY(m_f->words("quendo.dat").isEmpty());
        QVERIFY(QFileInfo::exists(m_f->folder.file("deutsch/quendo.dat")));
        open();
        QVERIFY(m_editor->entries().isEmpty());
    }

    void aFailedSaveKeepsTheOldFile()
    {
        open();
        for (int i = 0; i < 40; ++i) {
            type("Nilpferd");
            press("Hinzuf");
        }
        m_f->errors.script({ErrAnswer::Cancel});
        std::optional<FileSizeLimit> limit(std::in_place, 64);
        press("Speichern");
        limit.reset();
        QCOMPARE(m_f->errors.errors().size(), 1);
        QCOMPARE(m_f->errors.errors().first().module, "WEdit");
        QCOMPARE(m_f->errors.errors().first().procedure, "Speichern_Click");
        QCOMPARE(m_f->errors.errors().first().number, ErrNo::DeviceIoError);
        QCOMPARE(m_f->words("quendo.dat"), "Zebra\r\nApfel\r\nKrokodil\r\nBirne, Maus\r\nStra\xDF"
                                           "e\r\n");
        QVERIFY(m_f->pool.isEmpty());
        QVERIFY(m_f->state.vocabChanged);
        QVERIFY(!m_f->state.settingsChanged);
    }

    // A list read only in part is never saved over: Save asks for a new name.
    void aListReadInPartIsNotSavedOver_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("opening"); // what the teacher is told
        QTest::addColumn<int>("shown");
        QTest::addColumn<QList<std::optional<QString>>>("names");
        QTest::addColumn<QString>("saved"); // the file written, if any
        using Names = QList<std::optional<QString>>;
        QByteArray many;
        for (int i = 0; i < 40000; ++i)
            many += "Wort" + QByteArray::number(i) + "\r\n";
        const QStringList tooLong = {
            "Diese Wortliste hat 40000 Einträge; der Editor zeigt die ersten 32767. Die Datei "
            "bleibt, wie sie ist: Beim Speichern fragt Quendo nach einem neuen Namen."};
        QTest::newRow("40 000 entries, saved as Neu")
            << many << tooLong << 32767 << Names{"Neu"} << "Neu.dat";
        QTest::newRow("40 000 entries, its own name refused, then cancelled")
            << many << tooLong << 32767 << Names{"quendo", std::nullopt} << "";
        QTest::newRow("over 16 MB")
            << QByteArray() << QStringList() << 0 << Names{"Neu"} << "Neu.dat";
    }
    void aListReadInPartIsNotSavedOver()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, opening);
        QFETCH(int, shown);
        QFETCH(QList<std::optional<QString>>, names);
        QFETCH(QString, saved);
        fresh({{"quendo.dat", file}});
        if (file.isEmpty())
            QVERIFY(QFile::resize(m_f->folder.file("deutsch/quendo.dat"), 16 * 1024 * 1024 + 1));
        const QByteArray before = m_f->words("quendo.dat");
        m_f->state.vocabFile = "quendo.dat";
        m_f->errors.script({ErrAnswer::Ignore});
        open();
        QCOMPARE(m_f->dialogs.texts(), opening);
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
        QCOMPARE(QDir(m_f->folder.file("deutsch")).entryList(QDir::Files),
                 saved.isEmpty() ? QStringList({"quendo.dat"})
                                 : QStringList({saved, "quendo.dat"}));
        if (!saved.isEmpty()) {
            QCOMPARE(m_f->words(saved).count("\r\n"), shown);
            QCOMPARE(m_f->state.vocabFile, saved);
            QCOMPARE(m_editor->windowTitle(), saved);
        }
    }

    // The save at OK fails: whatever the report's answer short of End, the work stays.
    void aFailedSaveAtOkKeepsTheEditorOpen_data()
    {
        QTest::addColumn<ErrAnswer>("answer");
        QTest::newRow("Cancel") << ErrAnswer::Cancel;
        QTest::newRow("Ignore") << ErrAnswer::Ignore;
    }
    void aFailedSaveAtOkKeepsTheEditorOpen()
    {
        QFETCH(ErrAnswer, answer);
        open();
        for (int i = 0; i < 40; ++i) {
            type("Nilpferd");
            press("Hinzuf");
        }
        const QStringList work = m_editor->entries();
        m_f->errors.script({answer});
        std::optional<FileSizeLimit> limit(std::in_place, 64);
        press("OK");
        limit.reset();
        QCOMPARE(m_f->errors.errors().size(), 1);
        QVERIFY(m_editor->isVisible());
        QCOMPARE(m_editor->entries(), work);
        QVERIFY(m_f->state.vocabChanged);
        QCOMPARE(m_f->words("quendo.dat"), "Zebra\r\nApfel\r\nKrokodil\r\nBirne, Maus\r\nStra\xDF"
                                           "e\r\n");
        // Once the save works, OK closes.
        press("OK");
        QVERIFY(!m_editor->isVisible());
        QCOMPARE(m_f->words("quendo.dat").count("Nilpferd"), 40);
    }

    void okWithoutChanges()
    {
        open();
        press("OK");
        QVERIFY(m_f->dialogs.shown.isEmpty());
        QCOMPARE(m_f->pool.entries(),
                 QStringList({"Apfel", "Birne", "Krokodil", "Maus", "Strasse", "Zebra"}));
        QVERIFY(!m_f->state.settingsChanged);
        QVERIFY(!m_editor->isVisible());
    }

    void okWithChanges_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    void okWithChanges()
    {
        QFETCH(bool, save);
        const QByteArray before = m_f->words("quendo.dat");
        open();
        type("affe");
        press("Hinzuf");
        m_f->dialogs.answers = {save};
        press("OK");
        QCOMPARE(m_f->dialogs.kinds(), QStringList({"yesno"}));
        QCOMPARE(m_f->dialogs.shown.first().text, "Änderungen speichern?");
        QCOMPARE(m_f->dialogs.shown.first().title, "quendo.dat");
        QCOMPARE(m_f->pool.entries().first(), "affe");
        QCOMPARE(m_f->pool.size(), 7);
        QVERIFY(m_f->state.settingsChanged);
        QCOMPARE(m_f->state.vocabChanged, !save);
        QCOMPARE(m_f->words("quendo.dat") == before, !save);
    }

    void cancelAndCloseBox()
    {
        open();
        type("Affe");
        press("Hinzuf");
        QTest::keyClick(m_editor.get(), Qt::Key_Escape);
        QVERIFY(!m_editor->isVisible());
        QVERIFY(!m_f->state.vocabChanged);
        QVERIFY(m_f->pool.isEmpty());

        // The close box runs none of the buttons: the change is asked about at the next OK.
        open();
        type("Affe");
        press("Hinzuf");
        m_editor->close();
        QVERIFY(m_f->state.vocabChanged);
        QVERIFY(m_f->pool.isEmpty());
        open();
        m_f->dialogs.answers = {false};
        press("OK");
        QCOMPARE(m_f->dialogs.kinds(), QStringList({"yesno"}));
    }

    void aMissingFileIsReported()
    {
        m_f->state.vocabFile = "Tiere.dat";
        open();
        QCOMPARE(m_f->errors.errors().size(), 1);
        QCOMPARE(m_f->errors.errors().first().procedure, "List1_Ini");
        QCOMPARE(m_f->errors.errors().first().number, ErrNo::FileNotFound);
        QVERIFY(m_editor->entries().isEmpty());
    }
};

QTEST_MAIN(TestWEdit)
#include "tst_wedit.moc"
