// The real main window driven with clicks and key presses, on a word list of one word. The game's
// rules are the game tests'; here is what only the window does.
#include "BoardView.h"
#include "ChooserDialog.h"
#include "ClickableImage.h"
#include "FakeDialogs.h"
#include "frmOpt.h"
#include "frmQuendo.h"
#include "Language.h"
#include "MessageBoxDialogs.h"
#include "ModResFiles.h"
#include "Sound.h"
#include "Speech.h"
#include "TestSupport.h"
#include "WEdit.h"
#include "WhenShown.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

class QuendoUnderTest : public frmQuendo
{
public:
    using frmQuendo::frmQuendo;
    using frmQuendo::state;
};

QImage imageOf(const QPixmap &shown)
{
    return shown.toImage().convertToFormat(QImage::Format_ARGB32);
}

void press(const QWidget *w, const char *button)
{
    w->findChild<QPushButton *>(QString::fromLatin1(button))->click();
}

// Reading aloud with nothing to hear.
struct QuietSpeech final : SpeechOutput
{
    void say(const QString &, const QLocale &, bool) override {}
    void stop() override {}
};

// Hears each sound as it starts, to see what the board shows at that moment.
struct Listener final : AudioOutput
{
    explicit Listener(std::function<void()> heard) : onStart(std::move(heard)) {}
    void stop() override {}
    void start(QByteArrayView, int) override { onStart(); }
    std::function<void()> onStart;
};

} // namespace

class TestFrmQuendo : public QObject
{
    Q_OBJECT
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<FakeDialogs> m_fakeDialogs;
    std::unique_ptr<MessageBoxDialogs> m_realDialogs;
    std::unique_ptr<QuendoUnderTest> m_window;

    static constexpr const char *kQuiet =
        "[Einstellungen]\r\nnumPlayers= 2\r\nSound= 0\r\nTipps1= 0\r\nTipps2= 0\r\n";

    void openWindow(const QByteArray &ini = kQuiet, const QByteArray &words = "Banane\r\n",
                    bool realMessageBoxes = false)
    {
        m_folder = std::make_unique<ProgramFolder>();
        installLanguageTable(m_folder->path());
        m_folder->write(QStringLiteral("Quendo.ini"), ini);
        for (const char *lang :
             {"deutsch", "english", "svenska", "italiano", "portuguesa", "español", "français"}) {
            QDir(m_folder->path()).mkdir(QString::fromUtf8(lang));
            m_folder->write(QString::fromUtf8(lang) + QStringLiteral("/quendo.dat"), words);
        }
        setCurrentLanguage(Language());
        m_fakeDialogs = std::make_unique<FakeDialogs>();
        m_realDialogs = std::make_unique<MessageBoxDialogs>();
        m_window = std::make_unique<QuendoUnderTest>(
            realMessageBoxes ? static_cast<Dialogs &>(*m_realDialogs) : *m_fakeDialogs);
        view()->setPauseWait([](double) {});
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void openSwedishGame()
    {
        openWindow(QByteArray(kQuiet) + "Datei2000=djur.dat\r\n[Optionen]\r\nSprache= 2000\r\n");
        m_folder->write("svenska/djur.dat", "Banane\r\n");
        click(toolButton(0));
        guess(u'N');
    }
    BoardView *view() const { return m_window->findChild<BoardView *>(); }
    template <typename T = QWidget> T *child(const QString &name, int i = -1) const
    {
        return m_window->findChild<T *>(i < 0 ? name : name + QString::number(i));
    }
    QPushButton *toolButton(int i) const { return child<QPushButton>("PicBut", i); }
    ClickableImage *strip(int i) const { return child<ClickableImage>("imgAlpha", i); }
    ClickableImage *letterButton(QChar letter) const { return strip(letter.unicode() - u'A'); }
    QLabel *cell(int position) const { return child<QLabel>("Feld", position); }
    bool isNext(QObject *o) const { return o == toolButton(6); }
    const GameState &state() const { return m_window->state(); }

    static void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton); }
    void guess(QChar letter) { click(letterButton(letter)); }
    // Keys go where the keyboard focus is, as they do for a real keyboard.
    void typeWord(const char *word)
    {
        for (const char *c = word; *c; ++c) {
            QWidget *focus = QApplication::focusWidget();
            const auto key = *c == '\n'   ? Qt::Key_Enter
                             : *c == '\r' ? Qt::Key_Return
                                          : Qt::Key(Qt::Key_A + (*c - 'A'));
            QTest::keyClick(focus ? focus : m_window.get(), key);
        }
    }
    static QString stored(const char *key, const char *section = "Einstellungen")
    {
        return GetIniString(QString::fromLatin1(section), QString::fromLatin1(key), "<none>");
    }
    QByteArray ini() const { return m_folder->read(QStringLiteral("Quendo.ini")); }

    // Closing ends the application's event loops; a short exec() makes them usable again.
    static void restartEventLoops()
    {
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }

private slots:
    void cleanup()
    {
        m_window.reset();
        m_fakeDialogs.reset();
        m_realDialogs.reset();
        m_folder.reset();
    }

    // Idle, the flags switch language, letters, names a screen reader hears and the language's
    // own list.
    void loadsIdleAndSwitchesLanguage()
    {
        openWindow(QByteArray(kQuiet) + "Datei2000=djur.dat\r\n");
        m_folder->write(QStringLiteral("svenska/djur.dat"), "Zebra\r\n");
        QVERIFY(!child("Spieler2")->isVisible() && !toolButton(6)->isVisible());
        for (int i = 0; i <= 28; ++i)
            QVERIFY(strip(i)->isVisible() && !strip(i)->isEnabled());
        // Each strip button shows its cell of the letter sheet (style 8), counted row by row.
        const QImage sheet = LoadResPicture(119).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(imageOf(strip(12)->pixmap()), sheet.copy(60, 40, 30, 40));
        // Start invites the first game, glowing from beneath the button; the flag of the
        // language in use is framed.
        const QWidget *glow = child("startGlow");
        QVERIFY(glow->isVisible() && glow->geometry().contains(toolButton(0)->geometry()));
        QCOMPARE(child("picToolbar")->childAt(toolButton(0)->geometry().center()), toolButton(0));
        QVERIFY(child<ClickableImage>("imgLang", 0)->isMarked());
        typeWord("B"); // before the first Start: nothing
        QVERIFY(letterButton(u'B')->isVisible());
        click(child("imgLang", 1));
        QVERIFY(m_fakeDialogs->shown.isEmpty()); // no question without a game
        QVERIFY(child<ClickableImage>("imgLang", 1)->isMarked());
        QVERIFY(!child<ClickableImage>("imgLang", 0)->isMarked());
        QCOMPARE(toolButton(0)->toolTip(), QStringLiteral("Start game"));
        QVERIFY(!strip(26)->isVisible());
        QVERIFY(ini().contains("Sprache= 1000\r\n"));
        click(child("imgLang", 2));
        for (const auto &[w, name] :
             {std::pair<QWidget *, QString>(toolButton(6), "Nästa..."), {strip(28), "Å"}})
            QCOMPARE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name), name);
        click(toolButton(0));
        QCOMPARE(state().currentWord, QStringLiteral("ZEBRA"));
    }

    void aWordIsLaidOutAndLostWithItsDrawingAndSolution()
    {
        openWindow();
        click(toolButton(0));
        QVERIFY(!child("startGlow")); // Start glows only before the first game
        QVERIFY(cell(6) && !cell(7) && cell(1)->isVisible());
        QVERIFY(cell(1)->y() > child("B_Folge")->geometry().bottom()); // below the picture
        // A key held down since the last word guesses nothing: only a fresh press does.
        QKeyEvent held(QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, "C", true);
        QApplication::sendEvent(m_window.get(), &held);
        QVERIFY(letterButton(u'C')->isVisible());
        typeWord("C"); // by keyboard, the others by click
        for (const QChar c : QStringLiteral("DFGHIJKL"))
            guess(c);
        // Nine misses: the ninth stage of the word's drawing, the bands lying one below another.
        QCOMPARE(imageOf(child<QLabel>("B_Folge")->pixmap()),
                 LoadResPicture(state().pictureSet)
                     .convertToFormat(QImage::Format_ARGB32)
                     .copy(0, 8 * 200, 300, 200));
        const QImage covered = imageOf(cell(1)->pixmap());
        guess(u'A'); // found: shown as the strip shows it
        const QImage foundA = imageOf(letterButton(u'A')->pixmap());
        // A screen reader reads the cells, the word and the drawing's stage.
        const auto name = [](QWidget *w) {
            return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        };
        QCOMPARE(name(cell(2)) + u'|' + name(cell(3)) + u'|' + name(child("B_Folge")),
                 QStringLiteral("A|noch nicht gefunden|Tafelbild: 9 von 10"));
        QCOMPARE(child("picBG")->accessibleDescription(),
                 QStringLiteral("Das Wort: Lücke, A, Lücke, A, Lücke, Lücke."));
        QString solution;
        bool spaceTookTheTurn = false;
        WhenShown next([this](QObject *o) { return isNext(o); },
                       [&](QWidget *) {
                           // '+' found, '*' shown by the game in its own look, '?' still covered
                           for (int i = 1; i <= 6; ++i) {
                               const QImage shown = imageOf(cell(i)->pixmap());
                               solution += shown == covered ? u'?' : shown == foundA ? u'+' : u'*';
                           }
                           // Space presses Next, which has the focus.
                           QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
                           spaceTookTheTurn = !toolButton(6)->isVisible();
                           if (!spaceTookTheTurn)
                               click(toolButton(6));
                       });
        guess(u'M');
        QCOMPARE(solution, QStringLiteral("*+*+**"));
        QVERIFY(spaceTookTheTurn);
        QCOMPARE(state().currentPlayer, qint16(1));
    }

    // The last word of a game solved by key, and a new game asked for by key: the key that
    // solved the word must not reach the new game.
    void theKeyThatEndsAGameIsHandledOnce()
    {
        openWindow("[Einstellungen]\r\nnumPlayers= 1\r\nSound= 0\r\nTipps1= 0\r\nRunden= 10\r\n",
                   "Banane\r\n", true);
        click(toolButton(0));
        m_window->state().roundNo = 9;
        // At the hand-over the strip is off and Next has the focus; Return presses it, and the
        // next time keypad Enter; the focus stays on the hidden Next.
        QList<bool> stripOffAndFocusOnNext;
        WhenShown next([this](QObject *o) { return isNext(o); },
                       [&](QWidget *) {
                           stripOffAndFocusOnNext << (!strip(0)->isEnabled() &&
                                                      QApplication::focusWidget() == toolButton(6));
                           typeWord(stripOffAndFocusOnNext.size() == 1 ? "\r" : "\n");
                       });
        QStringList seen;
        WhenShown boxes(isA<QMessageBox>, [&](QWidget *w) {
            seen << static_cast<QMessageBox *>(w)->text();
            QTest::keyClick(w, Qt::Key_Return);
        });
        typeWord("BANE");
        typeWord("BANE"); // the E solves the last word
        QCOMPARE(stripOffAndFocusOnNext, QList<bool>({true, true}));
        QCOMPARE(seen, QStringList({"Spieler 1\nhat gewonnen!", "Noch 'ne Runde?"}));
        // A new game, its first word untouched by the E.
        QCOMPARE(state().roundNo, qint16(1));
        QVERIFY(letterButton(u'E')->isVisible());
        QCOMPARE(state().missCount, qint16(0));
        QVERIFY(m_window->isVisible());
    }

    void languageSwitchDuringAGame()
    {
        openWindow();
        click(toolButton(0));
        guess(u'N');
        // Cancel: nothing changes, not even the stored language.
        m_fakeDialogs->answers = {false, false};
        click(child("imgLang", 6));
        QCOMPARE(m_fakeDialogs->shown.first().text,
                 QStringLiteral("Hierdurch wird das Spiel neu gestartet!\n\n"
                                "Ceci démarrera une nouvelle partie!"));
        QCOMPARE(currentLanguage().index(), 0);
        QVERIFY(!letterButton(u'N')->isVisible());
        QCOMPARE(stored("Sprache", "Optionen"), QStringLiteral("0"));
        // No to ending the program: the same.
        click(toolButton(1));
        QCOMPARE(m_fakeDialogs->shown.last().text, QStringLiteral("Wirklich schon aufhören?"));
        QVERIFY(m_window->isVisible() && !letterButton(u'N')->isVisible());
        // OK: the game starts anew in English with a fresh word.
        m_fakeDialogs->answers = {true};
        click(child("imgLang", 1));
        QCOMPARE(currentLanguage().index(), 1);
        QVERIFY(letterButton(u'N')->isVisible());
        QCOMPARE(state().currentPlayer, qint16(0));
    }

    // The choosers store at each click; a new style or background during a word keeps the
    // strip as it was: used letters hidden, Ñ still there to solve the word. The closing sound
    // comes before the new letters, but after the new background.
    void choosersDuringAWord()
    {
        openWindow(QByteArray(kQuiet).replace("Sound= 0", "Sound= -1"), "Ni\xF1o\r\n");
        QImage boardAtSound, letterAtSound;
        auto previousOutput = setAudioOutput(std::make_unique<Listener>([&] {
            boardAtSound = child("picBG")->grab().toImage();
            letterAtSound = imageOf(letterButton(u'B')->pixmap());
        }));
        const auto restore = qScopeGuard([&] { setAudioOutput(std::move(previousOutput)); });
        click(child("imgLang", 5)); // Spanish: Ñ in slot 26
        click(toolButton(0));
        guess(u'O');
        QStringList written;
        QPoint frame;
        QList<int> picks = {2, 10, 5};
        WhenShown chooser(isA<ChooserDialog>, [&](QWidget *w) {
            auto *chooser = static_cast<ChooserDialog *>(w);
            frame = chooser->frameRect().center() - chooser->thumbnailRect(8).center();
            for (const int i : picks) {
                chooser->select(i);
                written << stored("Letter") + stored("Back");
            }
            chooser->cmdOK_Click();
        });
        const QImage oldLetter = imageOf(letterButton(u'B')->pixmap());
        click(toolButton(3));
        QCOMPARE(letterAtSound, oldLetter);
        QVERIFY(imageOf(letterButton(u'B')->pixmap()) != oldLetter);
        QCOMPARE(frame, QPoint()); // the frame stood round the current choice
        QCOMPARE(written, QStringList({"2<none>", "10<none>", "5<none>"}));
        const QImage before = child("picBG")->grab().toImage();
        picks = {3};
        click(toolButton(2));
        QCOMPARE(stored("Back"), QStringLiteral("3"));
        QVERIFY(boardAtSound != before);
        QCOMPARE(boardAtSound, child("picBG")->grab().toImage());
        QVERIFY(!letterButton(u'O')->isVisible());
        click(strip(26));
        QVERIFY(!strip(26)->isVisible());
        QCOMPARE(state().missCount, qint16(0));
    }

    // The options during a game, in Swedish, closed with OK and no change made in them (one
    // made before they opened, by the last restart, does not count): the game goes on, and the
    // Swedish list stays. A change restarts it (the editor's test below).
    void optionsWithoutAChangeKeepTheGame()
    {
        openSwedishGame();
        m_window->state().settingsChanged = true;
        QString listShown;
        WhenShown options(isA<frmOpt>, [&](QWidget *w) {
            const auto *item = w->findChild<QListWidget *>("wortsch")->currentItem();
            listShown = item ? item->text() : QString();
            QTest::keyClick(m_window.get(), Qt::Key_A); // under the dialog: not the game's
            press(w, "cmdOK");
        });
        click(toolButton(4));
        QVERIFY(!letterButton(u'N')->isVisible());
        QVERIFY(letterButton(u'A')->isVisible());
        QCOMPARE(listShown, QStringLiteral("djur.dat"));
        QVERIFY(state().gameRunning);
        QVERIFY(ini().contains("\r\nDatei2000=djur.dat\r\n"));
    }

    void aNewListFromTheEditorGivesTheNextWord()
    {
        openSwedishGame();
        m_fakeDialogs->inputs = {"Tiere"};
        int longestEntry = 0;
        QString focusAfterEditor;
        QStringList files;
        WhenShown editor(isA<WEdit>, [&](QWidget *w) {
            press(w, "cmdNeu");
            auto *entry = w->findChild<QLineEdit *>("Text1");
            longestEntry = entry->maxLength();
            entry->setText("Zebra");
            for (const char *button : {"Hinzuf", "Speichern", "OK"})
                press(w, button);
        });
        WhenShown options(isA<frmOpt>, [&](QWidget *w) {
            press(w, "EditButt"); // returns when the editor has closed
            focusAfterEditor = w->focusWidget()->objectName();
            const auto *list = w->findChild<QListWidget *>("wortsch");
            for (int i = 0; i < list->count(); ++i)
                files << list->item(i)->text();
            files << list->currentItem()->text();
            press(w, "cmdOK");
        });
        click(toolButton(4));
        // The 761-pixel board of the test screen holds 26 word cells of 29 pixels across.
        QCOMPARE(child("picBG")->width(), 761);
        QCOMPARE(longestEntry, 26);
        QCOMPARE(files.join(u' '), "djur.dat quendo.dat Tiere.dat Tiere.dat"); // the new one chosen
        QCOMPARE(focusAfterEditor, "cmdOK");
        QCOMPARE(m_folder->read("svenska/Tiere.dat"), "Zebra\r\n");
        QVERIFY(ini().contains("\r\nDatei2000=Tiere.dat\r\n"));
        QCOMPARE(state().currentWord, "ZEBRA"); // the game started anew from the new list
        QCOMPARE(state().currentPlayer, qint16(0));
    }

    // Read aloud, Tab reaches the toolbar and the flags and Space presses them; otherwise the
    // keyboard is only for letters and Next.
    void readAloudPlayedWithoutAMouse()
    {
        auto previous = setSpeechOutput(std::make_unique<QuietSpeech>());
        const auto restore = qScopeGuard([&] { setSpeechOutput(std::move(previous)); });
        openWindow(QByteArray(kQuiet) + "Vorlesen= -1\r\n");
        QWidget *english = child("imgLang", 1);
        for (int i = 0; i < 30 && QApplication::focusWidget() != english; ++i)
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget()
                                                        : m_window.get(),
                            Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), english);
        QTest::keyClick(english, Qt::Key_Space);
        QCOMPARE(currentLanguage().index(), 1);
        openWindow();
        QCOMPARE(child("imgLang", 1)->focusPolicy(), Qt::NoFocus);
        QCOMPARE(toolButton(0)->focusPolicy(), Qt::NoFocus);
    }

    // Closing at the hand-over ends the wait and closes every other window; the game goes on
    // no further.
    void closingWhileTheGameWaitsEndsCleanly()
    {
        openWindow();
        QWidget other;
        other.show();
        WhenShown next([this](QObject *o) { return isNext(o); },
                       [this](QWidget *) { m_window->close(); });
        click(toolButton(0));
        typeWord("BANE");
        QVERIFY(!m_window->isVisible() && !other.isVisible());
        QCOMPARE(state().currentPlayer, qint16(0)); // the turn did not pass
        restartEventLoops();
    }
};

QTEST_MAIN(TestFrmQuendo)
#include "tst_frmquendo.moc"
