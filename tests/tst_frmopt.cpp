#include "frmOpt.h"
#include "Speech.h"
#include "TeacherFixture.h"
#include "WEdit.h"
#include "WhenShown.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <memory>

namespace {

using Answers = QList<std::optional<QString>>;
const QString kWrong = "Falsches Passwort!";
const QString kNotStorable =
    "Dieses Passwort kann nicht gespeichert werden. Bitte wählen Sie ein anderes.";
const QString kCharacters = "Das Passwort enthält Zeichen, die Quendo nicht speichern kann. Bitte "
                            "nur Buchstaben, Ziffern und übliche Satzzeichen verwenden.";

// A speech engine that is there.
class QuietSpeech : public SpeechOutput
{
    void say(const QString &, const QLocale &, bool) override {}
    void stop() override {}
};

} // namespace

// The options dialog on a German game: what the teacher sees at load, what each control does
// to the game state, what OK writes, and the password that locks the vocabulary editor.
class TestFrmOpt : public QObject
{
    Q_OBJECT
    std::unique_ptr<TeacherFixture> m_f;
    std::unique_ptr<frmOpt> m_dialog;

    void open(const QByteArray &ini = {})
    {
        if (!ini.isEmpty())
            m_f->folder.write("Quendo.ini", "[Einstellungen]\r\n" + ini + "\r\n");
        m_dialog = std::make_unique<frmOpt>(m_f->tools());
        m_dialog->show();
    }
    template <typename T> T *get(const QString &name) { return child<T>(m_dialog.get(), name); }
    QScrollBar *bar(int i) { return get<QScrollBar>(QString("vsczahl%1").arg(i)); }
    QString zahl(int i) { return get<QLabel>(QString("Zahl%1").arg(i))->text(); }
    void press(const QString &button) { get<QPushButton>(button)->click(); }
    // Which players' name boxes and hint bars take input, by player.
    QString playing()
    {
        QString names, hints;
        for (int n = 1; n <= 4; ++n) {
            names += get<QLineEdit>(QString("txtSpieler%1").arg(n - 1))->isEnabled() ? '1' : '0';
            hints += bar(n)->isEnabled() && get<QLabel>(QString("Zahl%1").arg(n))->isEnabled()
                         ? '1'
                         : '0';
        }
        return names + ' ' + hints;
    }
    QStringList files()
    {
        QStringList names;
        auto *list = get<QListWidget>("wortsch");
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }
    // Presses EditButt; true when the editor opened (it is closed again at once).
    bool editorOpens(Answers answers = {})
    {
        m_f->dialogs.inputs = std::move(answers);
        bool opened = false;
        const WhenShown editor(isA<WEdit>, [&opened](QWidget *w) {
            opened = true;
            w->close();
        });
        press("EditButt");
        return opened;
    }
    QByteArray storedPassword() const
    {
        const QByteArray ini = m_f->ini();
        const qsizetype at = ini.indexOf("passw=");
        return at < 0 ? QByteArray("<none>") : ini.mid(at + 6, ini.indexOf("\r\n", at) - at - 6);
    }

private slots:
    void init() { m_f = std::make_unique<TeacherFixture>(); }
    void cleanup()
    {
        m_dialog.reset();
        m_f.reset();
        setSpeechOutput(nullptr);
    }

    // What the teacher sees at load; a hand-edited value no control can take is reported, then
    // the nearest one shown and used.
    void loadedValues()
    {
        m_f->state.numPlayers = 3;
        m_f->state.hintsPerWord = {-2, 1, 2, 3};
        m_f->state.roundsToPlay = 77;
        m_f->state.minLen = 6;
        m_f->state.repeatMode = 0;
        m_f->state.soundOn = 0;
        open();
        QStringList shown;
        for (int i = 0; i < frmOpt::kBars; ++i)
            shown << zahl(i);
        QCOMPARE(shown, QStringList({"3", "0", "1", "2", "3", "50", "6"}));
        // Only the players' names follow the count at load; the hint bars all stay on.
        QCOMPARE(playing(), "1110 1111");
        QCOMPARE(m_f->state.roundsToPlay, qint16(50));
        QCOMPARE(m_f->state.hintsPerWord[0], qint16(0));
        QCOMPARE(m_f->errors.errors().size(), 2);
        for (const ReportedError &e : m_f->errors.errors())
            QVERIFY(e.procedure == "Form_Load" && e.number == ErrNo::InvalidData);
        QVERIFY(!m_f->state.settingsChanged);
        QCOMPARE(get<QLineEdit>("txtSpieler2")->text(), "Spieler 3");
        QVERIFY(get<QRadioButton>("wiederh0")->isChecked());
        QVERIFY(!get<QCheckBox>("chkSound")->isChecked());
        // No speech module beside the tests: the box says why and cannot be ticked.
        QCOMPARE(get<QCheckBox>("chkVorlesen")->text(), "&Vorlesen (keine Sprachausgabe)");
        QVERIFY(!get<QCheckBox>("chkVorlesen")->isEnabled());
        QVERIFY(get<QCheckBox>("chkAnzeige")->isChecked());
        QVERIFY(get<QPushButton>("cmdOK")->isDefault());
    }

    void tidyInEveryLanguage()
    {
        for (int index = 0; index < kLanguageCount; ++index) {
            setCurrentLanguage(Language::fromIndex(index));
            open();
            const QStringList problems = untidy(m_dialog.get());
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join(", ")));
        }
    }

    void bars_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("action"); // QAbstractSlider::SliderAction; 0: dragged to 23
        QTest::addColumn<int>("expected");
        const int up = QAbstractSlider::SliderSingleStepSub;
        const int down = QAbstractSlider::SliderSingleStepAdd;
        QTest::newRow("players 4, down arrow") << 0 << 4 << down << 3;
        QTest::newRow("rounds 20, up arrow") << 5 << 20 << up << 25;
        QTest::newRow("rounds 20, trough")
            << 5 << 20 << int(QAbstractSlider::SliderPageStepAdd) << 15;
        QTest::newRow("rounds 10, down arrow") << 5 << 10 << down << 10;
        QTest::newRow("rounds 12, down arrow") << 5 << 12 << down << 10;
        QTest::newRow("rounds dragged") << 5 << 20 << 0 << 37;
        QTest::newRow("min length 10, up arrow") << 6 << 10 << up << 10;
        QTest::newRow("hints 0, up arrow") << 2 << 0 << up << 1;
    }
    void bars()
    {
        QFETCH(int, index);
        QFETCH(int, start);
        QFETCH(int, action);
        QFETCH(int, expected);
        GameState &s = m_f->state;
        qint16 *field = index == 0   ? &s.numPlayers
                        : index == 5 ? &s.roundsToPlay
                        : index == 6 ? &s.minLen
                                     : &s.hintsPerWord[size_t(index - 1)];
        *field = qint16(start);
        open();
        QScrollBar *b = bar(index);
        if (action == 0) {
            b->setSliderDown(true);
            b->setSliderPosition(23);
            b->setSliderDown(false);
        } else {
            b->triggerAction(QAbstractSlider::SliderAction(action));
        }
        QCOMPARE(int(*field), expected);
        QCOMPARE(zahl(index), QString::number(expected));
        QCOMPARE(s.settingsChanged, expected != start);
        if (index == 0)
            QCOMPARE(playing(), "1110 1110");
    }

    // Sound and the solution take effect at once; the repetition choice needs a new game.
    void clickedChoices_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("after");
        QTest::newRow("sound on") << "chkSound" << 0 << -1;
        QTest::newRow("reading aloud on") << "chkVorlesen" << 0 << -1;
        QTest::newRow("solution off") << "chkAnzeige" << 1 << 0;
        QTest::newRow("every word again") << "wiederh0" << 1 << 0;
    }
    void clickedChoices()
    {
        QFETCH(QString, control);
        QFETCH(int, start);
        GameState &s = m_f->state;
        qint16 &field = control == "chkSound"      ? s.soundOn
                        : control == "chkVorlesen" ? s.speechOn
                        : control == "chkAnzeige"  ? s.showSolution
                                                   : s.repeatMode;
        field = qint16(start);
        setSpeechOutput(std::make_unique<QuietSpeech>());
        open();
        auto *button = get<QAbstractButton>(control);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        QTEST(int(field), "after");
        QCOMPARE(s.settingsChanged, control == "wiederh0");
    }

    // A stored -1 for the solution is shown as on and written back as 1.
    void doubleClickOnAFileWritesEverythingAndCloses()
    {
        m_f.reset();
        m_f = std::make_unique<TeacherFixture>(
            QMap<QString, QByteArray>{{"quendo.dat", "Apfel\r\n"}, {"tiere.dat", "Hund\r\n"}});
        GameState &s = m_f->state;
        s.numPlayers = 2;
        s.playerNames = {"Anna", "Ben", "Spieler 3", "Spieler 4"};
        s.hintsPerWord = {0, 1, 2, 3};
        s.showSolution = -1;
        open();
        auto *list = get<QListWidget>("wortsch");
        const QPoint at = list->visualItemRect(list->item(1)).center();
        // The first press of a double click is a click of its own.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QVERIFY(s.settingsChanged);
        QCOMPARE(m_f->ini(), QByteArray("[Einstellungen]\r\nnumPlayers= 2\r\nAnzeige= 1\r\n"
                                        "Wiederholung= 1\r\nRunden= 20\r\nminLen= 4\r\n"
                                        "Tipps1= 0\r\nSpieler1=Anna\r\nTipps2= 1\r\n"
                                        "Spieler2=Ben\r\nTipps3= 2\r\nSpieler3=Spieler 3\r\n"
                                        "Tipps4= 3\r\nSpieler4=Spieler 4\r\n"
                                        "Datei0=tiere.dat\r\nSound=-1\r\nVorlesen= 0\r\n"));
    }

    void okThatCannotWriteEverythingLeavesTheOldFileWhole()
    {
        open("numPlayers= 4\r\nSpieler1=Anna");
        const QByteArray old = m_f->ini();
        get<QLineEdit>("txtSpieler1")->setText("Ben");
        // A nearly full disk: room for the first few keys of OK but not for all of them.
        const FileSizeLimit limit(old.size() + 40);
        press("cmdOK");
        QCOMPARE(m_f->ini(), old);
    }

    // The list remembered for the language in use is selected, and OK writes it back there.
    void rememberedFile_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("selected");
        const QStringList three = {"affen.dat", "quendo.dat", "tiere.dat"};
        QTest::newRow("known") << 0 << three << QByteArray("tiere.dat") << "tiere.dat";
        QTest::newRow("other case") << 0 << three << QByteArray("Tiere.dat") << "affen.dat";
        QTest::newRow("empty: the default file") << 0 << three << QByteArray() << "quendo.dat";
        QTest::newRow("no word file") << 0 << QStringList() << QByteArray() << "";
        QTest::newRow("English") << 1 << three << QByteArray("tiere.dat") << "tiere.dat";
        QTest::newRow("French") << 6 << three << QByteArray("affen.dat") << "affen.dat";
    }
    void rememberedFile()
    {
        QFETCH(int, language);
        QFETCH(QStringList, files);
        QFETCH(QByteArray, stored);
        QFETCH(QString, selected);
        const Language lang = Language::fromIndex(language);
        setCurrentLanguage(lang);
        const QString folder = m_f->folder.file(lang.folder());
        QDir(folder).removeRecursively();
        if (!files.isEmpty())
            QDir().mkpath(folder);
        for (const QString &name : files)
            m_f->folder.write(lang.folder() + "/" + name, "A\r\n");
        // Another language's list beside it, which this one must neither read nor write.
        const QByteArray key = "Datei" + QByteArray::number(lang.base());
        const QByteArray other = language == 0 ? "Datei1000=quendo.dat" : "Datei0=quendo.dat";
        m_f->state.vocabFile = "from the main window";
        open(other + "\r\n" + key + "=" + stored);
        QCOMPARE(this->files(), files);
        const QListWidgetItem *item = get<QListWidget>("wortsch")->currentItem();
        QCOMPARE(item ? item->text() : QString(), selected);
        QCOMPARE(m_f->state.vocabFile, selected);
        QVERIFY(!m_f->state.settingsChanged);
        press("cmdOK");
        QVERIFY(m_f->ini().contains("\r\n" + other + "\r\n" + key + "=" + selected.toUtf8()));
        QVERIFY(m_f->errors.errors().isEmpty());
        setCurrentLanguage(Language());
    }

    void namesAreWrittenAsTyped()
    {
        open();
        activate(m_dialog.get());
        auto *first = get<QLineEdit>("txtSpieler0");
        first->setFocus();
        QCOMPARE(first->selectedText(), "Spieler 1"); // the whole name, ready to be replaced
        QTest::keyClicks(first, "  Anna Lena ");
        auto *second = get<QLineEdit>("txtSpieler1");
        second->setFocus();
        QTest::keyClick(second, Qt::Key_Backspace);
        // A letter the settings file cannot hold goes where it is typed or pasted.
        auto *third = get<QLineEdit>("txtSpieler2");
        third->setText("");
        third->insert("Łukasz ıſ 3€");
        QVERIFY(m_f->state.settingsChanged);
        QCOMPARE(m_f->state.playerNames[0], "Spieler 1"); // taken over by OK
        press("cmdOK");
        QCOMPARE(m_f->state.playerNames[2], "ukasz  3€");
        QVERIFY(m_f->ini().contains("\r\nSpieler1=  Anna Lena \r\nTipps2= 2\r\nSpieler2=\r\n"));
    }

    // Without a Cancel button Escape has nothing to undo; only the close box closes.
    void escapeDoesNothingAndClosingWritesNothing()
    {
        open();
        activate(m_dialog.get());
        bar(5)->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(m_dialog->isVisible());
        QVERIFY(!get<QPushButton>("cmdOK")->isDown());
        m_dialog->close();
        QVERIFY(!m_dialog->isVisible());
        QVERIFY(m_f->ini().isNull());
        QCOMPARE(m_f->state.roundsToPlay, qint16(25)); // the change stays in effect
        QVERIFY(m_f->state.settingsChanged);
    }

    // What a change stores, and which password the editor takes in the next opening; a wrong
    // one is told as such.
    void passwordChanges_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("opensWith");
        QTest::addColumn<QString>("refused"); // empty: no question is asked
        QTest::newRow("first password") << QByteArray() << Answers{"Sonne", "Sonne"}
                                        << QByteArray("dA]XR") << "Sonne" << QString("sonne");
        QTest::newRow("outer blanks: stored, never asked")
            << QByteArray() << Answers{" Sonne ", " Sonne "} << QByteArray("\x17}\\XYK\x13")
            << "Sonne" << QString(" Sonne ");
        QTest::newRow("old one cancelled: no change")
            << QByteArray("dA]XR") << Answers{{}} << QByteArray("dA]XR") << "Sonne"
            << QString("Sole");
        QTest::newRow("Windows-1252 codes scrambled")
            << QByteArray() << Answers{"Grüße€", "Grüße€"} << QByteArray("p\\\xCF\xE9R\xAE")
            << "Grüße€" << QString("Grüsse€");
        QTest::newRow("empty new one: no lock")
            << QByteArray("dA]XR") << Answers{"Sonne", {}, {}} << QByteArray() << "" << QString();
        QTest::newRow("wrong old one, then two new ones that differ: asked again")
            << QByteArray("dA]XR") << Answers{"falsch", "Sonne", "zwei", "drei", "zwei", "zwei"}
            << QByteArray("MYV_") << "zwei" << QString("Sonne");
    }
    void passwordChanges()
    {
        QFETCH(QByteArray, stored);
        QFETCH(Answers, answers);
        QFETCH(QString, opensWith);
        QFETCH(QString, refused);
        open("passw=" + stored);
        m_f->dialogs.inputs = answers;
        press("Password");
        QTEST(storedPassword(), "after");
        open();
        m_f->dialogs.shown.clear();
        if (!refused.isEmpty()) {
            QVERIFY(!editorOpens(Answers{{}}));
            QCOMPARE(m_f->dialogs.texts("message"), QStringList()); // Cancel: not a wrong one
            QVERIFY(!editorOpens({refused}));
        }
        QVERIFY(editorOpens({opensWith}));
        QCOMPARE(m_f->dialogs.texts("message"),
                 refused.isEmpty() ? QStringList() : QStringList{kWrong});
    }

    // What the settings file would not give back as written is refused, so that the teacher is
    // never locked out; the next choice is taken.
    void refusedPasswords_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("told"); // empty: taken
        QTest::newRow("= first: a line end") << "=abc" << kNotStorable;
        QTest::newRow("9 third: a line end") << "ab9" << kNotStorable;
        QTest::newRow("> first: a TAB at the start") << ">abc" << kNotStorable;
        QTest::newRow("? fourth and last: a TAB at the end") << "abc?" << kNotStorable;
        QTest::newRow("255 characters") << QString(255, 'a') << kNotStorable;
        QTest::newRow("Greek") << "Ωmega" << kCharacters;
        QTest::newRow("emoji") << "Sonne😀" << kCharacters;
        QTest::newRow("? fourth, not last") << "abc?x" << QString();
        QTest::newRow("254 characters") << QString(254, 'a') << QString();
        QTest::newRow("7 first: scrambled to NUL, which the file keeps") << "7abc" << QString();
    }
    void refusedPasswords()
    {
        QFETCH(QString, password);
        QFETCH(QString, told);
        open();
        m_f->dialogs.inputs = {password, password, "ok1", "ok1"};
        press("Password");
        QCOMPARE(m_f->dialogs.texts("message"),
                 told.isEmpty() ? QStringList() : QStringList({told}));
        const QString kept = told.isEmpty() ? password : "ok1";
        open(); // the stored form reads back as it went in
        QVERIFY(!editorOpens({kept == password ? "ok1" : password}));
        QVERIFY(editorOpens({kept}));
    }
};

QTEST_MAIN(TestFrmOpt)
#include "tst_frmopt.moc"
