#include "Places.h"
#include "TeacherFixture.h"
#include "WEdit.h"

#include <QAccessible>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <sys/resource.h>

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
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit small = old;
        small.rlim_cur = 64;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        press("Speichern");
        setrlimit(RLIMIT_FSIZE, &old);
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
