#include "frmOpt.h"
#include "Places.h"
#include "TeacherFixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>

#include <csignal>
#include <memory>

#include <sys/resource.h>

namespace {

// What a bar is moved by, as a user moves it.
enum Move
{
    UpArrow,
    DownArrow,
    TroughBelow,
    DragTo23
};

} // namespace

// The options dialog on a German game: what the teacher sees at load, what each control does
// to the game state, and what OK writes.
class TestFrmOpt : public QObject
{
    Q_OBJECT
    std::unique_ptr<TeacherFixture> m_f;
    std::unique_ptr<frmOpt> m_dialog;

    // A fixture with other word files; the old one goes first, as it points the program away.
    void fresh(const QMap<QString, QByteArray> &words)
    {
        m_f.reset();
        m_f = std::make_unique<TeacherFixture>(words);
    }
    void open()
    {
        m_dialog = std::make_unique<frmOpt>(m_f->tools());
        m_dialog->show();
    }
    template <typename T> T *get(const QString &name) { return child<T>(m_dialog.get(), name); }
    QScrollBar *bar(int i) { return get<QScrollBar>(QString("vsczahl%1").arg(i)); }
    QString zahl(int i) { return get<QLabel>(QString("Zahl%1").arg(i))->text(); }
    QStringList files()
    {
        QStringList names;
        auto *list = get<QListWidget>("wortsch");
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }
    QString selectedFile()
    {
        const QListWidgetItem *item = get<QListWidget>("wortsch")->currentItem();
        return item ? item->text() : QString("<none>");
    }

private slots:
    void init() { m_f = std::make_unique<TeacherFixture>(); }
    void cleanup()
    {
        m_dialog.reset();
        m_f.reset();
    }

    void textsAndLoadedValues()
    {
        m_f->state.hintsPerWord = {0, 1, 2, 3};
        m_f->state.roundsToPlay = 35;
        m_f->state.minLen = 6;
        m_f->state.repeatMode = 0;
        m_f->state.soundOn = 0;
        open();
        QCOMPARE(m_dialog->windowTitle(), "Einstellungen");
        QCOMPARE(get<QLabel>("Label0")->text(), "&Teilnehmer:");
        QCOMPARE(get<QLabel>("Label5")->text(), "Mindestlänge Wörter:");
        QCOMPARE(get<QCheckBox>("chkAnzeige")->text(), "nicht erratene &Wörter anzeigen");
        QCOMPARE(get<QPushButton>("Password")->text(), "&Passwort ändern");
        QCOMPARE(get<QPushButton>("cmdOK")->text(), "&OK");
        QStringList shown;
        for (int i = 0; i < frmOpt::kBars; ++i)
            shown << zahl(i);
        QCOMPARE(shown, QStringList({"4", "0", "1", "2", "3", "35", "6"}));
        QCOMPARE(bar(5)->value(), 25);
        QCOMPARE(get<QLineEdit>("txtSpieler2")->text(), "Spieler 3");
        QVERIFY(get<QRadioButton>("wiederh0")->isChecked());
        QVERIFY(!get<QCheckBox>("chkSound")->isChecked());
        QVERIFY(get<QCheckBox>("chkAnzeige")->isChecked());
        QVERIFY(!m_f->state.settingsChanged);
        QVERIFY(get<QPushButton>("cmdOK")->isDefault());
        QVERIFY(m_f->errors.errors().isEmpty());
    }

    // An installed copy lists the user's own lists beside the shipped ones, each name once.
    void theFileListShowsTheUsersListsAndTheShippedOnes()
    {
        fresh({{"quendo.dat", "Apfel\r\n"}, {"Tiere.dat", "Hund\r\n"}});
        QTemporaryDir data;
        QVERIFY(QDir().mkpath(data.path() + "/Quendo/deutsch"));
        for (const char *name : {"/Quendo/deutsch/eigene.dat", "/Quendo/deutsch/quendo.dat"}) {
            QFile f(data.path() + name);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("Wal\r\n");
        }
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        setWritableProbe([](const QString &) { return false; });
        const auto restore = qScopeGuard([] {
            setWritableProbe(nullptr);
            qunsetenv("XDG_DATA_HOME");
        });
        open();
        QCOMPARE(files(), QStringList({"eigene.dat", "quendo.dat", "Tiere.dat"}));
    }

    // A screen reader finds every control by a name in the language in use.
    void accessibleNamesInTheLanguageInUse()
    {
        const auto nameOf = [this](const QString &object) {
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(get<QWidget>(object));
            return a ? a->text(QAccessible::Name) : QString("<none>");
        };
        open();
        QCOMPARE(nameOf("vsczahl0"), "Teilnehmer");
        QCOMPARE(nameOf("vsczahl1"), "Tipps 1");
        QCOMPARE(nameOf("vsczahl4"), "Tipps 4");
        QCOMPARE(nameOf("vsczahl5"), "Spielrunden");
        QCOMPARE(nameOf("vsczahl6"), "Mindestlänge Wörter");
        QCOMPARE(nameOf("txtSpieler0"), "Spielernamen 1");
        QCOMPARE(nameOf("wortsch"), "Wortschatz");
        QCOMPARE(nameOf("EditButt"), "Wortschatz bearbeiten");
        QCOMPARE(nameOf("chkSound"), "Geräusche");
        QCOMPARE(nameOf("cmdOK"), "OK");
        m_dialog.reset();
        setCurrentLanguage(Language::fromIndex(1));
        open();
        QCOMPARE(nameOf("vsczahl0"), "Players");
        QCOMPARE(nameOf("vsczahl2"), "Hints 2");
        QCOMPARE(nameOf("vsczahl5"), "Rounds to play");
        QCOMPARE(nameOf("vsczahl6"), "Minimum word length");
        QCOMPARE(nameOf("txtSpieler3"), "Names 4");
        QCOMPARE(nameOf("wortsch"), "Vocabulary");
        QCOMPARE(nameOf("EditButt"), "Edit vocabulary");
        setCurrentLanguage(Language());
    }

    void tidyInEveryLanguage_data()
    {
        QTest::addColumn<int>("index");
        for (int index = 0; index < kLanguageCount; ++index)
            QTest::newRow(qPrintable(Language::fromIndex(index).ownName())) << index;
    }
    void tidyInEveryLanguage()
    {
        QFETCH(int, index);
        setCurrentLanguage(Language::fromIndex(index));
        open();
        const QStringList problems = untidy(m_dialog.get());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(", ")));
        QCOMPARE(englishMenus(m_dialog.get()), QStringList());
        // Nothing narrower than its design.
        QVERIFY(m_dialog->width() >= 412);
        QCOMPARE(m_dialog->height(), 373);
        QCOMPARE(bar(0)->geometry(), QRect(112, 18, 17, 17));
    }

    void tabOrderAndAccessKeys()
    {
        open();
        QStringList order;
        QWidget *w = bar(0);
        for (int i = 0; i < 18; ++i) {
            order << w->objectName();
            do
                w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus || w->objectName().isEmpty());
        }
        QCOMPARE(order, QStringList({"vsczahl0", "txtSpieler0", "vsczahl1", "txtSpieler1",
                                     "vsczahl2", "txtSpieler2", "vsczahl3", "txtSpieler3",
                                     "vsczahl4", "vsczahl5", "wiederh0", "wiederh1", "chkAnzeige",
                                     "chkSound", "wortsch", "EditButt", "Password", "vsczahl6"}));
        QCOMPARE(get<QLabel>("Label0")->buddy(), bar(0));
        QCOMPARE(get<QLabel>("Label1")->buddy(), bar(1));
        QCOMPARE(get<QLabel>("Label4")->buddy(), bar(5));
    }

    void playerCountAtLoad_data()
    {
        QTest::addColumn<int>("players");
        QTest::addColumn<QString>("namesEnabled");
        QTest::addColumn<QString>("hintsEnabled");
        QTest::newRow("1") << 1 << "1000"
                           << "1000";
        QTest::newRow("2") << 2 << "1100"
                           << "1100";
        // The player-count bar stays at its design position: its handling does not run.
        QTest::newRow("3") << 3 << "1110"
                           << "1111";
        QTest::newRow("4") << 4 << "1111"
                           << "1111";
    }
    void playerCountAtLoad()
    {
        QFETCH(int, players);
        QFETCH(QString, namesEnabled);
        QFETCH(QString, hintsEnabled);
        m_f->state.numPlayers = qint16(players);
        open();
        QString names, hints;
        for (int n = 1; n <= 4; ++n) {
            names += get<QLineEdit>(QString("txtSpieler%1").arg(n - 1))->isEnabled() ? '1' : '0';
            const bool on =
                bar(n)->isEnabled() && get<QLabel>(QString("Zahl%1").arg(n))->isEnabled();
            hints += on ? '1' : '0';
        }
        QCOMPARE(names, namesEnabled);
        QCOMPARE(hints, hintsEnabled);
        QCOMPARE(zahl(0), QString::number(players));
        QVERIFY(!m_f->state.settingsChanged);
    }

    void fourPlayersToTwo()
    {
        open();
        bar(0)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        bar(0)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(m_f->state.numPlayers, qint16(2));
        QCOMPARE(zahl(0), "2");
        QVERIFY(m_f->state.settingsChanged);
        QVERIFY(get<QLineEdit>("txtSpieler1")->isEnabled());
        for (const char *off :
             {"txtSpieler2", "txtSpieler3", "vsczahl3", "vsczahl4", "Zahl3", "Zahl4"})
            QVERIFY2(!get<QWidget>(off)->isEnabled(), off);
        QVERIFY(m_f->ini().isNull()); // nothing is written before OK
    }

    void bars_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("move");
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("changed");
        QTest::newRow("rounds 20, down arrow") << 5 << 20 << int(DownArrow) << 15 << true;
        QTest::newRow("rounds 20, up arrow") << 5 << 20 << int(UpArrow) << 25 << true;
        QTest::newRow("rounds 20, trough") << 5 << 20 << int(TroughBelow) << 15 << true;
        QTest::newRow("rounds 10, down arrow") << 5 << 10 << int(DownArrow) << 10 << false;
        QTest::newRow("rounds 50, up arrow") << 5 << 50 << int(UpArrow) << 50 << false;
        QTest::newRow("rounds 12, down arrow") << 5 << 12 << int(DownArrow) << 10 << true;
        QTest::newRow("rounds dragged") << 5 << 20 << int(DragTo23) << 37 << true;
        QTest::newRow("min length 10, up arrow") << 6 << 10 << int(UpArrow) << 10 << false;
        QTest::newRow("min length 10, down arrow") << 6 << 10 << int(DownArrow) << 9 << true;
        QTest::newRow("min length 1, down arrow") << 6 << 1 << int(DownArrow) << 1 << false;
        QTest::newRow("min length 1, up arrow") << 6 << 1 << int(UpArrow) << 2 << true;
        QTest::newRow("hints 3, up arrow") << 2 << 3 << int(UpArrow) << 3 << false;
        QTest::newRow("hints 0, up arrow") << 2 << 0 << int(UpArrow) << 1 << true;
    }
    void bars()
    {
        QFETCH(int, index);
        QFETCH(int, start);
        QFETCH(int, move);
        QFETCH(int, expected);
        QFETCH(bool, changed);
        qint16 *field = index == 5   ? &m_f->state.roundsToPlay
                        : index == 6 ? &m_f->state.minLen
                                     : &m_f->state.hintsPerWord[size_t(index - 1)];
        *field = qint16(start);
        open();
        QScrollBar *b = bar(index);
        switch (move) {
        case UpArrow:
            b->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case DownArrow:
            b->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        case TroughBelow:
            b->triggerAction(QAbstractSlider::SliderPageStepAdd);
            break;
        case DragTo23:
            b->setSliderDown(true);
            b->setSliderPosition(23);
            b->setSliderDown(false);
            break;
        }
        QCOMPARE(int(*field), expected);
        QCOMPARE(zahl(index), QString::number(expected));
        QCOMPARE(m_f->state.settingsChanged, changed);
    }

    void soundAndSolutionNeedNoNewGame_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("after");
        QTest::newRow("sound off") << "chkSound" << -1 << 0;
        QTest::newRow("sound on") << "chkSound" << 0 << -1;
        QTest::newRow("solution off") << "chkAnzeige" << 1 << 0;
        QTest::newRow("solution on") << "chkAnzeige" << 0 << 1;
    }
    void soundAndSolutionNeedNoNewGame()
    {
        QFETCH(QString, box);
        QFETCH(int, start);
        QFETCH(int, after);
        qint16 &field = box == "chkSound" ? m_f->state.soundOn : m_f->state.showSolution;
        field = qint16(start);
        open();
        auto *check = get<QCheckBox>(box);
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
        QCOMPARE(int(field), after);
        QVERIFY(!m_f->state.settingsChanged);
    }

    void repetitionChoiceNeedsANewGame()
    {
        open();
        get<QRadioButton>("wiederh0")->click();
        QCOMPARE(m_f->state.repeatMode, qint16(0));
        QVERIFY(m_f->state.settingsChanged);
    }

    void storedMinusOneIsWrittenBackAsOne()
    {
        m_f->state.showSolution = -1;
        open();
        QVERIFY(get<QCheckBox>("chkAnzeige")->isChecked());
        QCOMPARE(m_f->state.showSolution, qint16(1));
        get<QPushButton>("cmdOK")->click();
        QVERIFY(m_f->ini().contains("\r\nAnzeige= 1\r\n"));
        QVERIFY(m_f->errors.errors().isEmpty());
    }

    void doubleClickOnAFileWritesEverythingAndCloses()
    {
        fresh(QMap<QString, QByteArray>{{"quendo.dat", "Apfel\r\n"}, {"tiere.dat", "Hund\r\n"}});
        GameState &s = m_f->state;
        s.numPlayers = 2;
        s.playerNames = {"Anna", "Ben", "Spieler 3", "Spieler 4"};
        s.hintsPerWord = {0, 1, 2, 3};
        s.roundsToPlay = 25;
        s.minLen = 5;
        s.repeatMode = 0;
        s.soundOn = 0;
        open();
        auto *list = get<QListWidget>("wortsch");
        QCOMPARE(files(), QStringList({"quendo.dat", "tiere.dat"}));
        const QPoint at = list->visualItemRect(list->item(1)).center();
        // The first press of a double click is a click of its own.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(s.vocabFile, "tiere.dat");
        QVERIFY(s.settingsChanged);
        QCOMPARE(m_f->ini(), QByteArray("[Einstellungen]\r\n"
                                        "numPlayers= 2\r\n"
                                        "Anzeige= 1\r\n"
                                        "Wiederholung= 0\r\n"
                                        "Runden= 25\r\n"
                                        "minLen= 5\r\n"
                                        "Tipps1= 0\r\n"
                                        "Spieler1=Anna\r\n"
                                        "Tipps2= 1\r\n"
                                        "Spieler2=Ben\r\n"
                                        "Tipps3= 2\r\n"
                                        "Spieler3=Spieler 3\r\n"
                                        "Tipps4= 3\r\n"
                                        "Spieler4=Spieler 4\r\n"
                                        "Datei0=tiere.dat\r\n"
                                        "Sound= 0\r\n"));
    }

    void okThatCannotWriteEverythingLeavesTheOldFileWhole()
    {
        const QByteArray old("[Einstellungen]\r\nnumPlayers= 4\r\nSpieler1=Anna\r\n");
        m_f->folder.write("Quendo.ini", old);
        m_f->state.numPlayers = 2;
        open();
        // A nearly full disk: room for the first few keys of OK but not for all of them.
        const FileSizeLimit limit(old.size() + 40);
        get<QPushButton>("cmdOK")->click();
        QCOMPARE(m_f->ini(), old);
    }

    void rememberedFile_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("selected");
        QTest::newRow("known") << QByteArray("tiere.dat") << "tiere.dat";
        QTest::newRow("other case") << QByteArray("Tiere.dat") << "affen.dat";
        QTest::newRow("deleted") << QByteArray("weg.dat") << "affen.dat";
        QTest::newRow("empty: the default file") << QByteArray() << "quendo.dat";
    }
    void rememberedFile()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, selected);
        fresh(QMap<QString, QByteArray>{
            {"quendo.dat", "A\r\n"}, {"tiere.dat", "B\r\n"}, {"affen.dat", "C\r\n"}});
        m_f->folder.write("Quendo.ini", "[Einstellungen]\r\nDatei0=" + stored + "\r\n");
        m_f->state.vocabFile = "from the main window";
        open();
        QCOMPARE(files(), QStringList({"affen.dat", "quendo.dat", "tiere.dat"}));
        QCOMPARE(selectedFile(), selected);
        QCOMPARE(m_f->state.vocabFile, selected);
        QVERIFY(!m_f->state.settingsChanged);
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
        get<QPushButton>("cmdOK")->click();
        QCOMPARE(m_f->state.playerNames[0], "  Anna Lena ");
        QCOMPARE(m_f->state.playerNames[1], "");
        QVERIFY(m_f->ini().contains("\r\nSpieler1=  Anna Lena \r\nTipps2= 2\r\nSpieler2=\r\n"));
        QCOMPARE(m_f->state.playerNames[2], "ukasz  3€");
    }

    void closingWithoutOkWritesNothing()
    {
        open();
        activate(m_dialog.get());
        bar(5)->triggerAction(QAbstractSlider::SliderSingleStepSub);
        // Without a Cancel button Escape has nothing to undo; only the close box closes.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(m_dialog->isVisible());
        m_dialog->close();
        QVERIFY(!m_dialog->isVisible());
        QVERIFY(m_f->ini().isNull());
        QCOMPARE(m_f->state.roundsToPlay, qint16(25)); // the change stays in effect
        QVERIFY(m_f->state.settingsChanged);
    }

    void valuesOutOfRange_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("shown");
        QTest::newRow("77 rounds") << "rounds" << 77 << "vsczahl5" << 10 << 50;
        QTest::newRow("3 rounds") << "rounds" << 3 << "vsczahl5" << 50 << 10;
        QTest::newRow("length 0") << "minLen" << 0 << "vsczahl6" << 10 << 1;
        QTest::newRow("length 12") << "minLen" << 12 << "vsczahl6" << 1 << 10;
        QTest::newRow("0 players") << "players" << 0 << "vsczahl0" << 3 << 1;
        QTest::newRow("hints 5") << "hints" << 5 << "vsczahl1" << 0 << 3;
        QTest::newRow("hints -2") << "hints" << -2 << "vsczahl1" << 3 << 0;
        QTest::newRow("repeat 4") << "repeat" << 4 << "wiederh1" << 1 << 1;
        QTest::newRow("solution 3") << "solution" << 3 << "chkAnzeige" << 1 << 1;
    }
    void valuesOutOfRange()
    {
        QFETCH(QString, field);
        QFETCH(int, stored);
        QFETCH(QString, control);
        QFETCH(int, position);
        QFETCH(int, shown);
        GameState &s = m_f->state;
        const QMap<QString, qint16 *> fields = {
            {"rounds", &s.roundsToPlay}, {"minLen", &s.minLen},
            {"players", &s.numPlayers},  {"hints", &s.hintsPerWord[0]},
            {"repeat", &s.repeatMode},   {"solution", &s.showSolution}};
        *fields[field] = qint16(stored);
        open();
        QCOMPARE(m_f->errors.errors().size(), 1);
        const ReportedError &e = m_f->errors.errors().first();
        QCOMPARE(e.module, "frmOpt");
        QCOMPARE(e.procedure, "Form_Load");
        QCOMPARE(e.number, ErrNo::InvalidData);
        // After Ignore: the nearest value the control takes, in the control and the state.
        QWidget *w = get<QWidget>(control);
        if (auto *b = qobject_cast<QScrollBar *>(w)) {
            QCOMPARE(b->value(), position);
            QCOMPARE(zahl(control.right(1).toInt()), QString::number(shown));
        } else {
            QVERIFY(qobject_cast<QAbstractButton *>(w)->isChecked());
        }
        QCOMPARE(int(*fields[field]), shown);
        QVERIFY(!s.settingsChanged);
    }

    void folderWithoutWordFiles_data()
    {
        QTest::addColumn<bool>("folderThere");
        QTest::newRow("no .dat file") << true;
        QTest::newRow("no folder") << false;
    }
    void folderWithoutWordFiles()
    {
        QFETCH(bool, folderThere);
        fresh(QMap<QString, QByteArray>{{"liesmich.txt", "x"}});
        if (!folderThere)
            QDir(m_f->folder.file("deutsch")).removeRecursively();
        open();
        QVERIFY(files().isEmpty());
        QCOMPARE(selectedFile(), "<none>");
        get<QPushButton>("cmdOK")->click();
        QVERIFY(m_f->errors.errors().isEmpty());
        QVERIFY(m_f->ini().contains("\r\nDatei0=\r\n"));
    }
};

QTEST_MAIN(TestFrmOpt)
#include "tst_frmopt.moc"
