// The real main window driven with clicks and key presses, on a word list of one word. The game's
// rules are the game tests'; here is what only the window does.
#include "BoardView.h"
#include "ChooserDialog.h"
#include "ClickableImage.h"
#include "FakeDialogs.h"
#include "frmQuendo.h"
#include "Language.h"
#include "MessageBoxDialogs.h"
#include "ModResFiles.h"
#include "PictureSequence.h"
#include "RunTimeError.h"
#include "StartInvitation.h"
#include "TestSupport.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

class QuendoUnderTest : public frmQuendo
{
public:
    using frmQuendo::frmQuendo;
    using frmQuendo::game;
    using frmQuendo::state;
};

// Answers each widget that pick accepts once it has shown, from the event loop that waits for
// it (a modal dialog's, the hand-over's): no polling. Checks come after, never inside.
class WhenShown : public QObject
{
public:
    WhenShown(std::function<bool(QObject *)> pick, std::function<void(QWidget *)> act)
        : m_pick(std::move(pick)), m_act(std::move(act))
    {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Show && o->isWidgetType() && m_pick(o)) {
            const QPointer<QWidget> w(static_cast<QWidget *>(o));
            QTimer::singleShot(0, this, [this, w] {
                if (w)
                    m_act(w);
            });
        }
        return false;
    }

private:
    std::function<bool(QObject *)> m_pick;
    std::function<void(QWidget *)> m_act;
};

template <typename T> bool isA(QObject *o)
{
    return qobject_cast<T *>(o) != nullptr;
}

// Takes the place of the desktop's opener for local files and keeps what it was given.
class OpenedFiles : public QObject
{
    Q_OBJECT
public:
    OpenedFiles() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~OpenedFiles() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls.append(url); }
};

// The first heading of an HTML file, as its reader sees it at the top.
QString openingHeading(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("<unreadable>");
    static const QRegularExpression h1(QStringLiteral("<h1[^>]*>(.*?)</h1>"));
    return h1.match(QString::fromUtf8(f.readAll())).captured(1);
}

QString accessibleName(QWidget *w)
{
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QStringLiteral("<none>");
}

QImage imageOf(const QLabel *label)
{
    return label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

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

    BoardView *view() const { return m_window->findChild<BoardView *>(); }
    template <typename T = QWidget> T *child(const QString &name) const
    {
        return m_window->findChild<T *>(name);
    }
    QPushButton *toolButton(int i) const
    {
        return child<QPushButton>(QStringLiteral("PicBut%1").arg(i));
    }
    ClickableImage *strip(int i) const
    {
        return child<ClickableImage>(QStringLiteral("imgAlpha%1").arg(i));
    }
    ClickableImage *letterButton(QChar letter) const { return strip(letter.unicode() - u'A'); }
    QLabel *cell(int position) const
    {
        return child<QLabel>(QStringLiteral("Feld%1").arg(position));
    }
    bool isNext(QObject *o) const { return o == toolButton(6); }
    const GameState &state() const { return m_window->state(); }

    static void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton); }
    void guess(QChar letter) { click(letterButton(letter)); }
    // Keys go where the keyboard focus is, as they do for a real keyboard.
    void type(Qt::Key key)
    {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : m_window.get(), key);
    }
    void typeWord(const char *word)
    {
        for (const char *c = word; *c; ++c)
            type(Qt::Key(Qt::Key_A + (*c - 'A')));
    }
    QString stored(const char *section, const char *key)
    {
        return GetIniString(QString::fromLatin1(section), QString::fromLatin1(key), "<none>");
    }

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

    void loadsIdle()
    {
        openWindow();
        QVERIFY(child("Spieler1")->isVisible());
        QVERIFY(!child("Spieler2")->isVisible());
        QVERIFY(!toolButton(6)->isVisible());
        for (int i = 0; i <= 28; ++i)
            QVERIFY(strip(i)->isVisible() && !strip(i)->isEnabled());
        // Each strip button shows its cell of the letter sheet (style 8), counted row by row.
        const QImage sheet = LoadResPicture(119).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(imageOf(strip(12)), sheet.copy(60, 40, 30, 40));
        // Start invites the first game, glowing from beneath the button; the flag of the
        // language in use is framed.
        QVERIFY(m_window->findChild<StartInvitation *>()->glowing());
        const QWidget *glow = child("startGlow");
        QVERIFY(glow && glow->isVisible());
        QVERIFY(glow->geometry().contains(toolButton(0)->geometry()));
        QCOMPARE(child("picToolbar")->childAt(toolButton(0)->geometry().center()), toolButton(0));
        QVERIFY(child<ClickableImage>("imgLang0")->isMarked());
        type(Qt::Key_B); // before the first Start: nothing
        QVERIFY(letterButton(u'B')->isVisible());
    }

    void aWordIsLaidOutAndSolved()
    {
        openWindow();
        click(toolButton(0));
        QVERIFY(!m_window->findChild<StartInvitation *>()->glowing());
        QVERIFY(!child("startGlow"));
        QVERIFY(cell(6) && !cell(7));
        QVERIFY(cell(1)->isVisible());
        // Cells are centred side by side below the picture sequence.
        QCOMPARE(cell(2)->x() - cell(1)->x(), 32);
        QVERIFY(cell(1)->y() > child("B_Folge")->geometry().bottom());
        guess(u'N');
        QVERIFY(!letterButton(u'N')->isVisible());
        type(Qt::Key_A); // by keyboard
        QVERIFY(!letterButton(u'A')->isVisible());
        guess(u'B');

        bool stripOffAtHandOver = false;
        bool focusOnNext = false;
        QString scoreAtHandOver;
        WhenShown next([this](QObject *o) { return isNext(o); },
                       [&](QWidget *) {
                           stripOffAtHandOver = !strip(0)->isEnabled();
                           focusOnNext = QApplication::focusWidget() == toolButton(6);
                           scoreAtHandOver = child<QLabel>("lblPunkte0")->text();
                           type(Qt::Key_Return); // Enter presses Next
                       });
        guess(u'E'); // solves the word; returns when the next word is laid out
        QVERIFY(stripOffAtHandOver);
        QVERIFY(focusOnNext);
        QCOMPARE(scoreAtHandOver, QStringLiteral("100"));
        QCOMPARE(state().currentPlayer, qint16(1));
        QVERIFY(letterButton(u'E')->isVisible() && letterButton(u'E')->isEnabled());
        QVERIFY(!toolButton(6)->isVisible());
    }

    void aWordIsLostWithItsDrawingAndSolution()
    {
        openWindow();
        click(toolButton(0));
        for (const QChar c : QStringLiteral("CDFGHIJKL"))
            guess(c);
        // Nine misses: the ninth stage of the word's drawing, the bands lying one below another.
        QCOMPARE(imageOf(child<QLabel>("B_Folge")), LoadResPicture(state().pictureSet)
                                                        .convertToFormat(QImage::Format_ARGB32)
                                                        .copy(0, 8 * 200, 300, 200));
        const QImage covered = imageOf(cell(1));
        guess(u'A'); // found: shown as the strip shows it
        const QImage foundA =
            letterButton(u'A')->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        QString solution;
        WhenShown next([this](QObject *o) { return isNext(o); },
                       [&](QWidget *) {
                           // '+' found, '*' shown by the game in its own look, '?' still covered
                           for (int i = 1; i <= 6; ++i) {
                               const QImage shown = imageOf(cell(i));
                               solution += shown == covered ? u'?' : shown == foundA ? u'+' : u'*';
                           }
                           click(toolButton(6));
                       });
        guess(u'M');
        QCOMPARE(solution, QStringLiteral("*+*+**"));
        QCOMPARE(state().currentPlayer, qint16(1));
    }

    // The last word of a game solved by key, and a new game asked for: the key that solved the
    // word must not reach the new game.
    void theKeyThatEndsAGameIsHandledOnce_data()
    {
        QTest::addColumn<bool>("yesByKey");
        QTest::newRow("yes by key") << true;
        QTest::newRow("yes by click") << false;
    }
    void theKeyThatEndsAGameIsHandledOnce()
    {
        QFETCH(bool, yesByKey);
        openWindow("[Einstellungen]\r\nnumPlayers= 1\r\nSound= 0\r\nTipps1= 0\r\nRunden= 10\r\n",
                   "Banane\r\n", true);
        click(toolButton(0));
        m_window->state().roundNo = 9;
        // Handed over by keypad Enter; the keyboard focus then stays on the hidden Next.
        WhenShown next([this](QObject *o) { return isNext(o); },
                       [this](QWidget *) { type(Qt::Key_Enter); });
        QStringList seen;
        WhenShown boxes(isA<QMessageBox>, [&](QWidget *w) {
            auto *box = static_cast<QMessageBox *>(w);
            seen << box->text();
            if (box->text() == u"Noch 'ne Runde?" && !yesByKey)
                click(box->button(QMessageBox::Yes));
            else
                QTest::keyClick(box, Qt::Key_Return);
        });
        typeWord("BANE");
        QCOMPARE(state().roundNo, qint16(10));
        typeWord("BANE"); // the E solves the last word
        QCOMPARE(seen, QStringList({"Spieler 1\nhat gewonnen!", "Noch 'ne Runde?"}));
        // A new game, its first word untouched by the E.
        QCOMPARE(state().roundNo, qint16(1));
        QVERIFY(letterButton(u'E')->isVisible());
        QCOMPARE(state().missCount, qint16(0));
        QVERIFY(m_window->isVisible());
    }

    // Flags switch language, letters, names a screen reader hears and the language's own list.
    void languageSwitchWhileIdle()
    {
        openWindow(QByteArray(kQuiet) + "Datei2000=djur.dat\r\n");
        m_folder->write(QStringLiteral("svenska/djur.dat"), "Zebra\r\n");
        click(child("imgLang1"));
        QVERIFY(m_fakeDialogs->shown.isEmpty()); // no question without a game
        QVERIFY(child<ClickableImage>("imgLang1")->isMarked());
        QVERIFY(!child<ClickableImage>("imgLang0")->isMarked());
        QCOMPARE(toolButton(0)->toolTip(), QStringLiteral("Start game"));
        QCOMPARE(accessibleName(toolButton(4)), QStringLiteral("Options"));
        QVERIFY(!strip(26)->isVisible());
        QVERIFY(m_folder->read(QStringLiteral("Quendo.ini")).contains("Sprache= 1000\r\n"));
        click(child("imgLang2"));
        QCOMPARE(QAccessible::queryAccessibleInterface(toolButton(6))->role(), QAccessible::Button);
        QCOMPARE(accessibleName(toolButton(6)), QStringLiteral("Nästa..."));
        QCOMPARE(accessibleName(child("imgLang1")), QStringLiteral("English"));
        QCOMPARE(accessibleName(strip(28)), QStringLiteral("Å"));
        QCOMPARE(accessibleName(m_window.get()), QStringLiteral("Quendo"));
        click(toolButton(0));
        QCOMPARE(state().currentWord, QStringLiteral("ZEBRA"));
    }

    // Help opens the help of the language the flags chose last; a language without its own
    // help falls back to English, then German; without any help nothing opens.
    void helpOpensInTheLanguageShown()
    {
        openWindow();
        const QDir shipped(qEnvironmentVariable("QUENDO_SOURCE_DIR") + "/app/beside");
        const QStringList helpFiles = shipped.entryList({QStringLiteral("Quendo*.html")});
        QCOMPARE(helpFiles.size(), 7);
        for (const QString &name : helpFiles)
            QVERIFY(QFile::copy(shipped.filePath(name), m_folder->file(name)));
        ErrorRecorder errors;
        OpenedFiles opened;
        const char *const rows[][3] = {
            // flag, help removed before, heading opened (empty: nothing opened)
            {"imgLang0", "", "Hilfe zu Quendo"},
            {"imgLang2", "", "Hjälp för Quendo"},
            {"imgLang1", "", "Quendo Help"},
            {"imgLang3", "", "Guida di Quendo"},
            {"imgLang4", "", "Ajuda do Quendo"},
            {"imgLang5", "", "Ayuda de Quendo"},
            {"imgLang6", "", "Aide de Quendo"},
            {"imgLang2", "Quendo-sv.html", "Quendo Help"},
            {"imgLang2", "Quendo-en.html", "Hilfe zu Quendo"},
            {"imgLang6", "Quendo.html", "Aide de Quendo"},
            {"imgLang2", "", ""},
        };
        for (const auto &[flag, removed, heading] : rows) {
            if (*removed)
                QVERIFY(QFile::remove(m_folder->file(QString::fromLatin1(removed))));
            click(child(QString::fromLatin1(flag)));
            opened.urls.clear();
            m_window->findChild<QAction *>(QStringLiteral("mnuHilfe"))->trigger();
            QCOMPARE(opened.urls.size(), *heading ? 1 : 0);
            if (*heading)
                QCOMPARE(openingHeading(opened.urls.first().toLocalFile()),
                         QString::fromUtf8(heading));
        }
        QVERIFY(errors.errors().isEmpty());
    }

    void languageSwitchDuringAGame()
    {
        openWindow();
        click(toolButton(0));
        guess(u'N');
        // Cancel: nothing changes, not even the stored language.
        m_fakeDialogs->answers = {false};
        click(child("imgLang6"));
        QCOMPARE(m_fakeDialogs->shown.size(), 1);
        QCOMPARE(m_fakeDialogs->shown.first().text,
                 QStringLiteral("Hierdurch wird das Spiel neu gestartet!\n\n"
                                "Ceci démarrera une nouvelle partie!"));
        QCOMPARE(currentLanguage().index(), 0);
        QVERIFY(!letterButton(u'N')->isVisible());
        QCOMPARE(stored("Optionen", "Sprache"), QStringLiteral("0"));
        // OK: the game starts anew in English with a fresh word, and Start glows no more.
        m_fakeDialogs->answers = {true};
        click(child("imgLang1"));
        QCOMPARE(currentLanguage().index(), 1);
        QVERIFY(state().gameRunning);
        QVERIFY(letterButton(u'N')->isVisible());
        QCOMPARE(state().currentPlayer, qint16(0));
        QVERIFY(!child("startGlow"));
    }

    // Each word may draw another chalk drawing: one set at most stays decoded, and it is the
    // set the board shows, band by band.
    void pictureSetsAreLetGo()
    {
        PictureSequence sequence;
        sequence.announce(101);
        QCOMPARE(sequence.decodedSets(), 0); // a word without a miss decodes nothing
        for (const int set : {101, 102, 101}) {
            sequence.announce(set);
            const QImage whole = LoadResPicture(set).convertToFormat(QImage::Format_ARGB32);
            const auto shown = [&](int stage) {
                return sequence.stage(stage, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
            };
            QCOMPARE(shown(1), whole.copy(0, 0, 300, 200));
            QCOMPARE(shown(10), whole.copy(0, 1800, 300, 200));
            QCOMPARE(sequence.decodedSets(), 1);
        }
        sequence.release(); // the word is over
        QCOMPARE(sequence.decodedSets(), 0);
        sequence.announce(103);
        sequence.stage(1, 1.0);
        sequence.announce(102); // the next word's: the one before is no longer shown
        QCOMPARE(sequence.decodedSets(), 0);
        QVERIFY_THROWS_EXCEPTION(RunTimeError, sequence.stage(11, 1.0));
    }

    void endWithNoLeavesTheGameAsItWas()
    {
        openWindow();
        click(toolButton(0));
        guess(u'A');
        m_fakeDialogs->answers = {false};
        click(toolButton(1));
        QCOMPARE(m_fakeDialogs->shown.last().text, QStringLiteral("Wirklich schon aufhören?"));
        QVERIFY(m_window->isVisible());
        QVERIFY(!strip(0)->isVisible());
        QVERIFY(strip(1)->isVisible());
    }

    void choosersStoreAtEachClick()
    {
        openWindow();
        QStringList written;
        QRect frame;
        QRect thumbnail;
        WhenShown letters(isA<ChooserDialog>, [&](QWidget *w) {
            auto *chooser = static_cast<ChooserDialog *>(w);
            frame = chooser->frameRect();
            thumbnail = chooser->thumbnailRect(8);
            for (const int i : {2, 10, 5}) {
                chooser->select(i);
                written << stored("Einstellungen", "Letter");
            }
            chooser->cmdOK_Click();
        });
        click(toolButton(3));
        QCOMPARE(frame.center(), thumbnail.center()); // the frame stood round the current choice
        QCOMPARE(written, QStringList({"2", "10", "5"}));
        QVERIFY(m_folder->read(QStringLiteral("Quendo.ini")).contains("Letter=5\r\n"));
    }

    void newBackgroundAndLetterStyleDuringAWord()
    {
        openWindow(kQuiet, "Ni\xF1o\r\n"); // Windows-1252
        click(child("imgLang5"));          // Spanish: Ñ in slot 26
        click(toolButton(0));
        guess(u'O');
        int choice = 3;
        WhenShown chooser(isA<ChooserDialog>, [&](QWidget *w) {
            static_cast<ChooserDialog *>(w)->selectAndClose(choice);
        });
        const QImage before = child("picBG")->grab().toImage();
        click(toolButton(2));
        QCOMPARE(stored("Einstellungen", "Back"), QStringLiteral("3"));
        QVERIFY(child("picBG")->grab().toImage() != before);
        choice = 2;
        click(toolButton(3));
        // Used letters stay hidden, and Ñ stays available: the word can still be solved.
        QVERIFY(!letterButton(u'O')->isVisible());
        QVERIFY(strip(26)->isVisible());
        click(strip(26));
        QVERIFY(!strip(26)->isVisible());
        QCOMPARE(state().missCount, qint16(0));
    }

    // Closing while the game waits (a pause, the hand-over) ends the wait; the game goes on no
    // further.
    void closingWhileTheGameWaitsEndsCleanly_data()
    {
        QTest::addColumn<bool>("inAPause");
        QTest::newRow("laying out a word") << true;
        QTest::newRow("at the hand-over") << false;
    }
    void closingWhileTheGameWaitsEndsCleanly()
    {
        QFETCH(bool, inAPause);
        openWindow("[Einstellungen]\r\nnumPlayers= 2\r\nSound=-1\r\nTipps1= 0\r\nTipps2= 0\r\n");
        const auto close = [this] { m_window->close(); };
        WhenShown next([this](QObject *o) { return isNext(o); }, [&](QWidget *) { close(); });
        if (inAPause) {
            view()->setPauseWait([&](double) { close(); }); // with sound a cell pauses
            click(toolButton(0));
            QVERIFY(!toolButton(0)->isEnabled()); // the layout stopped instead of running on
        } else {
            click(toolButton(0));
            typeWord("BANE");
        }
        QVERIFY(!m_window->isVisible());
        QCOMPARE(state().currentPlayer, qint16(0)); // the turn did not pass
        restartEventLoops();
    }
};

QTEST_MAIN(TestFrmQuendo)
#include "tst_frmquendo.moc"
