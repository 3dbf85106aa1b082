// The real main window driven with clicks and key presses, on a word list of one word.
#include "ChooserDialog.h"
#include "ClickableImage.h"
#include "FakeDialogs.h"
#include "frmQuendo.h"
#include "Language.h"
#include "MessageBoxDialogs.h"
#include "ModResFiles.h"
#include "PictureSequence.h"
#include "RunTimeError.h"
#include "Settings.h"
#include "StartInvitation.h"
#include "TestSupport.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// The window with its game state in reach of the tests.
class QuendoUnderTest : public frmQuendo
{
public:
    using frmQuendo::frmQuendo;
    using frmQuendo::game;
    using frmQuendo::state;
};

// Runs step every 10 ms while the code under test waits in its own event loops, until step
// says it is done. Checks come after: a failed check inside a timer would hang the test.
class Driver : public QObject
{
public:
    explicit Driver(std::function<bool()> step)
    {
        connect(&m_timer, &QTimer::timeout, this, [this, step] {
            if (step())
                m_timer.stop();
        });
        m_timer.start(10);
    }

private:
    QTimer m_timer;
};

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

QMessageBox *openMessageBox()
{
    return qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
}

} // namespace

class TestFrmQuendo : public QObject
{
    Q_OBJECT
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<FakeDialogs> m_fakeDialogs;
    std::unique_ptr<MessageBoxDialogs> m_realDialogs;
    std::unique_ptr<QuendoUnderTest> m_window;

    void openWindow(const QByteArray &ini, const QByteArray &words = "Banane\r\n",
                    bool realMessageBoxes = false)
    {
        m_folder = std::make_unique<ProgramFolder>();
        installLanguageTable(m_folder->path());
        m_folder->write(QStringLiteral("Quendo.ini"), ini);
        for (const char *lang :
             {"deutsch", "english", "svenska", "italiano", "portuguesa", "español", "français"}) {
            const QString folder = QString::fromUtf8(lang);
            QDir(m_folder->path()).mkdir(folder);
            m_folder->write(folder + QStringLiteral("/quendo.dat"), words);
        }
        setCurrentLanguage(Language());
        m_fakeDialogs = std::make_unique<FakeDialogs>();
        m_realDialogs = std::make_unique<MessageBoxDialogs>();
        m_window = std::make_unique<QuendoUnderTest>(
            realMessageBoxes ? static_cast<Dialogs &>(*m_realDialogs) : *m_fakeDialogs);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

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
    const GameState &state() const { return m_window->state(); }

    void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton); }
    void guess(QChar letter) { click(letterButton(letter)); }
    // Keys go where the keyboard focus is, as they do for a real keyboard.
    void type(Qt::Key key)
    {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : m_window.get(), key);
    }

    QString iniValue(const QString &section, const QString &key)
    {
        return GetIniString(section, key, QStringLiteral("<none>"));
    }

    // Closing ends the application's event loops; a short exec() makes them usable again.
    static void restartEventLoops()
    {
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }

    static constexpr const char *kQuiet =
        "[Einstellungen]\r\nnumPlayers= 2\r\nSound= 0\r\nTipps1= 0\r\nTipps2= 0\r\n";

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
        openWindow(kQuiet);
        QCOMPARE(child<QLabel>("Spieler0")->text(), QStringLiteral("Spieler 1"));
        QVERIFY(child("Spieler1")->isVisible());
        QVERIFY(!child("Spieler2")->isVisible());
        QVERIFY(!toolButton(6)->isVisible());
        QCOMPARE(toolButton(0)->toolTip(), QStringLiteral("Spiel starten"));
        for (int i = 0; i <= 28; ++i) {
            QVERIFY(strip(i)->isVisible());
            QVERIFY(!strip(i)->isEnabled());
        }
        QCOMPARE(m_window->game().strip().slot(26).letter, QStringLiteral("Ä"));
        QVERIFY(!state().gameRunning);
        // Start invites the first game, glowing from beneath the button; the flag of the
        // language in use is framed.
        QVERIFY(m_window->findChild<StartInvitation *>()->glowing());
        const QWidget *glow = child("startGlow");
        QVERIFY(glow && glow->isVisible());
        QVERIFY(glow->geometry().contains(toolButton(0)->geometry()));
        QCOMPARE(child("picToolbar")->childAt(toolButton(0)->geometry().center()), toolButton(0));
        QVERIFY(child<ClickableImage>("imgLang0")->isMarked());
        // Letters typed before the first Start do nothing.
        type(Qt::Key_B);
        QVERIFY(letterButton(u'B')->isVisible());
    }

    void aWordIsLaidOutAndSolved()
    {
        openWindow(kQuiet);
        click(toolButton(0));
        QVERIFY(state().gameRunning);
        QVERIFY(!m_window->findChild<StartInvitation *>()->glowing());
        QVERIFY(!child("startGlow"));
        QCOMPARE(state().currentWord, QStringLiteral("BANANE"));
        QVERIFY(cell(6));
        QVERIFY(!cell(7));
        QVERIFY(cell(1)->isVisible());
        // Cells are centred side by side below the picture sequence.
        QCOMPARE(cell(2)->x() - cell(1)->x(), 32);
        QVERIFY(cell(1)->y() > child("B_Folge")->geometry().bottom());

        guess(u'N');
        QVERIFY(!letterButton(u'N')->isVisible());
        QCOMPARE(state().foundCount, qint16(2));
        type(Qt::Key_A); // by keyboard
        QCOMPARE(state().foundCount, qint16(4));
        guess(u'X');
        QCOMPARE(state().missCount, qint16(1));
        guess(u'B');

        bool stripOffAtHandOver = false;
        bool focusOnNext = false;
        QString scoreAtHandOver;
        Driver driver([&] {
            if (!toolButton(6)->isVisible())
                return false;
            stripOffAtHandOver = !strip(0)->isEnabled();
            focusOnNext = QApplication::focusWidget() == toolButton(6);
            scoreAtHandOver = child<QLabel>("lblPunkte0")->text();
            type(Qt::Key_Return); // Enter presses Next
            return true;
        });
        guess(u'E'); // solves the word; returns when the next word is laid out
        QVERIFY(stripOffAtHandOver);
        QVERIFY(focusOnNext);
        QCOMPARE(scoreAtHandOver, QStringLiteral("95"));
        QCOMPARE(state().currentPlayer, qint16(1));
        QCOMPARE(state().scores[0], qint16(95));
        QVERIFY(letterButton(u'E')->isVisible());
        QVERIFY(letterButton(u'E')->isEnabled());
        QVERIFY(!toolButton(6)->isVisible());
    }

    void aWordIsLostAndItsSolutionShown()
    {
        openWindow(kQuiet);
        click(toolButton(0));
        for (const QChar c : QStringLiteral("CDFGHIJKL"))
            guess(c);
        QCOMPARE(state().missCount, qint16(9));
        const QImage covered = cell(1)->pixmap().toImage();
        guess(u'A'); // found: shown as the strip shows it
        const QImage foundA = letterButton(u'A')->pixmap().toImage();
        QString solution;
        Driver driver([&] {
            if (!toolButton(6)->isVisible())
                return false;
            // '+' found, '*' shown by the game in its own look, '?' still covered
            for (int i = 1; i <= 6; ++i) {
                const QImage shown = cell(i)->pixmap().toImage();
                solution += shown == covered ? u'?' : shown == foundA ? u'+' : u'*';
            }
            click(toolButton(6));
            return true;
        });
        guess(u'M');
        QCOMPARE(solution, QStringLiteral("*+*+**"));
        QCOMPARE(state().scores[0], qint16(0));
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
        // The last but one word, solved by key and handed over with Enter, as children do: the
        // keyboard focus is then on the Next button, hidden again.
        m_window->state().roundNo = 9;
        Driver next([&] {
            if (toolButton(6)->isVisible())
                type(Qt::Key_Return);
            return state().roundNo == 10;
        });
        for (const Qt::Key key : {Qt::Key_B, Qt::Key_A, Qt::Key_N, Qt::Key_E})
            type(key);
        QCOMPARE(state().roundNo, qint16(10));
        for (const Qt::Key key : {Qt::Key_B, Qt::Key_A, Qt::Key_N})
            type(key);
        QStringList seen;
        Driver driver([&] {
            if (QMessageBox *box = openMessageBox()) {
                seen << box->text();
                if (box->text() == u"Noch 'ne Runde?" && !yesByKey)
                    click(box->button(QMessageBox::Yes));
                else
                    QTest::keyClick(box, Qt::Key_Return);
                return box->text() == u"Noch 'ne Runde?";
            }
            if (toolButton(6)->isVisible() && seen.isEmpty())
                type(Qt::Key_Return);
            return false;
        });
        type(Qt::Key_E); // solves the last word
        QCOMPARE(seen, QStringList({"Spieler 1\nhat gewonnen!", "Noch 'ne Runde?"}));
        // A new game, its first word untouched by the E.
        QCOMPARE(state().roundNo, qint16(1));
        QCOMPARE(state().currentWord, QStringLiteral("BANANE"));
        QCOMPARE(state().foundCount, qint16(0));
        QCOMPARE(state().missCount, qint16(0));
        QVERIFY(letterButton(u'E')->isVisible());
        QVERIFY(m_window->isVisible());
    }

    void languageSwitchWhileIdle()
    {
        openWindow(kQuiet);
        click(child("imgLang1"));
        QVERIFY(m_fakeDialogs->shown.isEmpty()); // no question without a game
        QCOMPARE(currentLanguage().index(), 1);
        // The flag of the language in use wears the frame.
        QVERIFY(child<ClickableImage>("imgLang1")->isMarked());
        QVERIFY(!child<ClickableImage>("imgLang0")->isMarked());
        QCOMPARE(toolButton(0)->toolTip(), QStringLiteral("Start game"));
        QVERIFY(!strip(26)->isVisible());
        QCOMPARE(iniValue(QStringLiteral("Optionen"), QStringLiteral("Sprache")),
                 QStringLiteral("1000"));
        QVERIFY(m_folder->read(QStringLiteral("Quendo.ini")).contains("Sprache= 1000\r\n"));
        click(child("imgLang0"));
        QVERIFY(strip(26)->isVisible());
        QCOMPARE(m_window->game().strip().slot(28).letter, QStringLiteral("Ü"));
        click(child("imgLang5"));
        QCOMPARE(m_window->game().strip().slot(26).letter, QStringLiteral("Ñ"));
        QVERIFY(strip(26)->isVisible());
        QVERIFY(!strip(27)->isVisible());
    }

    // As a screen reader sees the window: buttons by what they do, flags by the language's
    // own name, strip buttons by their letter, all in the language in use.
    void accessibleNamesFollowTheLanguage()
    {
        openWindow(kQuiet);
        const auto nameOf = [](QWidget *w) {
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
            return a ? a->text(QAccessible::Name) : QStringLiteral("<none>");
        };
        QCOMPARE(nameOf(toolButton(0)), QStringLiteral("Spiel starten"));
        QCOMPARE(nameOf(toolButton(1)), QStringLiteral("Spiel beenden"));
        QCOMPARE(nameOf(toolButton(4)), QStringLiteral("Einstellungen"));
        QCOMPARE(nameOf(toolButton(5)), QStringLiteral("Hilfe"));
        QCOMPARE(nameOf(toolButton(6)), QStringLiteral("Weiter..."));
        QCOMPARE(QAccessible::queryAccessibleInterface(toolButton(0))->role(), QAccessible::Button);
        QCOMPARE(nameOf(child("imgLang1")), QStringLiteral("English"));
        QCOMPARE(nameOf(child("imgLang6")), QStringLiteral("Français"));
        QCOMPARE(nameOf(strip(0)), QStringLiteral("A"));
        QCOMPARE(nameOf(strip(26)), QStringLiteral("Ä"));
        QCOMPARE(nameOf(m_window.get()), QStringLiteral("Quendo"));

        click(child("imgLang2"));
        QCOMPARE(nameOf(toolButton(0)), QStringLiteral("Starta spelet"));
        QCOMPARE(nameOf(toolButton(6)), QStringLiteral("Nästa..."));
        QCOMPARE(nameOf(child("imgLang1")), QStringLiteral("English"));
        QCOMPARE(nameOf(strip(28)), QStringLiteral("Å"));
        click(child("imgLang1"));
        QCOMPARE(nameOf(toolButton(0)), QStringLiteral("Start game"));
        QCOMPARE(nameOf(toolButton(4)), QStringLiteral("Options"));
        QCOMPARE(nameOf(toolButton(6)), QStringLiteral("Next..."));
        QCOMPARE(nameOf(strip(0)), QStringLiteral("A"));
    }

    // Help opens the help of the language the flags chose last; a language without its own
    // help falls back to English, then German; without any help nothing opens.
    void helpOpensInTheLanguageShown()
    {
        openWindow(kQuiet);
        const QDir shipped(qEnvironmentVariable("QUENDO_SOURCE_DIR") +
                           QStringLiteral("/app/beside"));
        const QStringList helpFiles = shipped.entryList({QStringLiteral("Quendo*.html")});
        QCOMPARE(helpFiles.size(), 7);
        for (const QString &name : helpFiles)
            QVERIFY(QFile::copy(shipped.filePath(name), m_folder->file(name)));
        ErrorRecorder errors;
        OpenedFiles opened;
        struct Row
        {
            const char *flag;
            const char *removedBefore;
            const char16_t *heading; // empty: nothing opened
        };
        const Row rows[] = {
            {"imgLang0", nullptr, u"Hilfe zu Quendo"},
            {"imgLang2", nullptr, u"Hjälp för Quendo"},
            {"imgLang1", nullptr, u"Quendo Help"},
            {"imgLang3", nullptr, u"Guida di Quendo"},
            {"imgLang4", nullptr, u"Ajuda do Quendo"},
            {"imgLang5", nullptr, u"Ayuda de Quendo"},
            {"imgLang6", nullptr, u"Aide de Quendo"},
            {"imgLang2", "Quendo-sv.html", u"Quendo Help"},
            {"imgLang2", "Quendo-en.html", u"Hilfe zu Quendo"},
            {"imgLang1", nullptr, u"Hilfe zu Quendo"},
            {"imgLang6", "Quendo.html", u"Aide de Quendo"},
            {"imgLang2", nullptr, u""},
        };
        auto *help = m_window->findChild<QAction *>(QStringLiteral("mnuHilfe"));
        QVERIFY(help);
        for (const Row &row : rows) {
            if (row.removedBefore)
                QVERIFY(QFile::remove(m_folder->file(QString::fromLatin1(row.removedBefore))));
            click(child(QString::fromLatin1(row.flag)));
            opened.urls.clear();
            help->trigger();
            const QString heading = QString::fromUtf16(row.heading);
            if (heading.isEmpty()) {
                QVERIFY2(opened.urls.isEmpty(), row.flag);
                continue;
            }
            QCOMPARE(opened.urls.size(), 1);
            QVERIFY(opened.urls.first().isLocalFile());
            QCOMPARE(openingHeading(opened.urls.first().toLocalFile()), heading);
        }
        QVERIFY(errors.errors().isEmpty());
    }

    void languageSwitchDuringAGame()
    {
        openWindow(kQuiet);
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
        QCOMPARE(state().foundCount, qint16(2));
        QCOMPARE(iniValue(QStringLiteral("Optionen"), QStringLiteral("Sprache")),
                 QStringLiteral("0"));
        // OK: the game starts anew in English with a fresh word.
        m_fakeDialogs->answers = {true};
        click(child("imgLang1"));
        QCOMPARE(currentLanguage().index(), 1);
        QVERIFY(state().gameRunning);
        QCOMPARE(state().foundCount, qint16(0));
        QVERIFY(letterButton(u'N')->isVisible());
        QCOMPARE(state().currentPlayer, qint16(0));
        // The restart is no new invitation: Start glows only before the first game.
        QVERIFY(!m_window->findChild<StartInvitation *>()->glowing());
        QVERIFY(!child("startGlow"));
    }

    // Each word may draw another chalk drawing: one set at most stays decoded, and it is the
    // set the board shows, band by band.
    void pictureSetsAreLetGo()
    {
        PictureSequence sequence;
        sequence.announce(101);
        QCOMPARE(sequence.decodedSets(), 0); // a word without a miss decodes nothing
        for (const int set : {101, 102, 103, 104, 105, 103}) {
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
        openWindow(kQuiet);
        click(toolButton(0));
        guess(u'A');
        m_fakeDialogs->answers = {false};
        click(toolButton(1));
        QCOMPARE(m_fakeDialogs->shown.last().text, QStringLiteral("Wirklich schon aufhören?"));
        QCOMPARE(m_fakeDialogs->shown.last().title, QStringLiteral("Programm beenden"));
        QVERIFY(m_window->isVisible());
        QCOMPARE(state().foundCount, qint16(2));
        QVERIFY(!strip(0)->isVisible());
    }

    void choosersStoreAtEachClick()
    {
        openWindow(kQuiet);
        QStringList stored;
        QRect frame;
        QRect thumbnail;
        Driver letters([&] {
            auto *chooser = qobject_cast<ChooserDialog *>(QApplication::activeModalWidget());
            if (!chooser)
                return false;
            frame = chooser->frameRect();
            thumbnail = chooser->thumbnailRect(8);
            for (const int i : {2, 10, 5}) {
                chooser->select(i);
                stored << iniValue(QStringLiteral("Einstellungen"), QStringLiteral("Letter"));
            }
            chooser->cmdOK_Click();
            return true;
        });
        click(toolButton(3));
        QCOMPARE(frame.center(), thumbnail.center()); // the frame stood round the current choice
        QCOMPARE(stored, QStringList({"2", "10", "5"}));
        QVERIFY(m_folder->read(QStringLiteral("Quendo.ini")).contains("Letter=5\r\n"));

        Driver backgrounds([&] {
            auto *chooser = qobject_cast<ChooserDialog *>(QApplication::activeModalWidget());
            if (chooser)
                chooser->selectAndClose(3);
            return chooser != nullptr;
        });
        const QImage before = child("picBG")->grab().toImage();
        click(toolButton(2));
        QCOMPARE(iniValue(QStringLiteral("Einstellungen"), QStringLiteral("Back")),
                 QStringLiteral("3"));
        QVERIFY(child("picBG")->grab().toImage() != before);
    }

    void optionsRestartOnlyWhenSomethingChanged_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::newRow("nothing changed") << false;
        QTest::newRow("a setting changed") << true;
    }
    void optionsRestartOnlyWhenSomethingChanged()
    {
        QFETCH(bool, changed);
        openWindow(kQuiet);
        click(toolButton(0));
        guess(u'N');
        QString title;
        Driver driver([&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return false;
            title = dialog->windowTitle();
            m_window->state().settingsChanged = changed;
            dialog->accept();
            return true;
        });
        click(toolButton(4));
        QCOMPARE(title, QStringLiteral("Einstellungen"));
        // A change restarts the game with a new word; otherwise the running word is untouched.
        QCOMPARE(state().foundCount, qint16(changed ? 0 : 2));
        QCOMPARE(letterButton(u'N')->isVisible(), changed);
        QVERIFY(state().gameRunning);
        QCOMPARE(state().currentPlayer, qint16(0));
    }

    void newLetterStyleDuringAWordKeepsTheStrip()
    {
        openWindow(kQuiet, "Ni\xF1o\r\n"); // Windows-1252
        click(child("imgLang5"));          // Spanish: Ñ in slot 26
        click(toolButton(0));
        QCOMPARE(state().currentWord, QStringLiteral("NIÑO"));
        guess(u'O');
        Driver driver([&] {
            auto *chooser = qobject_cast<ChooserDialog *>(QApplication::activeModalWidget());
            if (chooser)
                chooser->selectAndClose(2);
            return chooser != nullptr;
        });
        click(toolButton(3));
        // Used letters stay hidden, and Ñ stays available: the word can still be solved.
        QVERIFY(!letterButton(u'O')->isVisible());
        QVERIFY(strip(26)->isVisible());
        QCOMPARE(state().foundCount, qint16(1));
        click(strip(26));
        QCOMPARE(state().foundCount, qint16(2));
    }

    void handEditedSettingsAreBroughtIntoRange()
    {
        openWindow("[Einstellungen]\r\nnumPlayers=9\r\nLetter=77\r\nBack=-4\r\n"
                   "[Optionen]\r\nSprache=2500\r\n");
        QCOMPARE(currentLanguage().index(), 0);
        QCOMPARE(state().numPlayers, qint16(4));
        // Letter style 10 and background 0 are what the window shows.
        QCOMPARE(strip(0)->pixmap().toImage(),
                 QPixmap::fromImage(LoadResPicture(121).copy(0, 0, 30, 40)).toImage());
    }

    void closingDuringAPauseEndsCleanly()
    {
        // With sound on, laying out a word pauses 0.15 s for each cell.
        openWindow("[Einstellungen]\r\nnumPlayers= 1\r\nSound=-1\r\nTipps1= 0\r\n");
        QTimer::singleShot(200, m_window.get(), [&] { m_window->close(); });
        click(toolButton(0));
        QVERIFY(!m_window->isVisible());
        // The layout stopped instead of running on.
        QVERIFY(state().foundCount == 0 && state().missCount == 0);
        QVERIFY(!child<QPushButton>("PicBut0")->isEnabled());
        restartEventLoops();
    }

    void closingDuringTheHandOverEndsCleanly()
    {
        openWindow(kQuiet);
        click(toolButton(0));
        for (const QChar c : QStringLiteral("BAN"))
            guess(c);
        Driver driver([&] {
            if (toolButton(6)->isVisible())
                m_window->close();
            return !m_window->isVisible();
        });
        guess(u'E'); // waits for Next; the close ends the wait
        QVERIFY(!m_window->isVisible());
        QCOMPARE(state().currentPlayer, qint16(0)); // the turn did not pass
        restartEventLoops();
    }
};

QTEST_MAIN(TestFrmQuendo)
#include "tst_frmquendo.moc"
