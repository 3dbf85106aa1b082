#include "BoardSurface.h"
#include "ChooserDialog.h"
#include "ClickableImage.h"
#include "FakeDialogs.h"
#include "frmQuendo.h"
#include "Language.h"
#include "Settings.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

int button(QChar letter)
{
    return letter.unicode() - u'A';
}

} // namespace

// Drives the real main window with clicks and key presses, on a word list of one word.
class TestFrmQuendo : public QObject
{
    Q_OBJECT
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<frmQuendo> m_window;

    void openWindow(const QByteArray &ini, const QByteArray &words = "Banane\r\n")
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
        setLangBase(0);
        m_dialogs = std::make_unique<FakeDialogs>();
        m_window = std::make_unique<frmQuendo>(*m_dialogs);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton); }
    void guess(QChar letter) { click(m_window->stripButton(button(letter))); }
    // Keys go where the keyboard focus is, as they do for a real keyboard.
    void type(Qt::Key key)
    {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : m_window.get(), key);
    }

    // Runs action once the Next button shows: the game then waits for the players.
    void whenNextShows(std::function<void()> action)
    {
        auto *poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [this, poll, action] {
            if (!m_window->toolButton(6)->isVisible())
                return;
            poll->deleteLater();
            poll->stop();
            action();
        });
        poll->start(20);
    }

    QString iniValue(const QString &section, const QString &key)
    {
        return GetIniString(section, key, QStringLiteral("<none>"));
    }

    static constexpr const char *kQuiet =
        "[Einstellungen]\r\nnumPlayers= 2\r\nSound= 0\r\nTipps1= 0\r\nTipps2= 0\r\n";

private slots:
    void cleanup()
    {
        m_window.reset();
        m_dialogs.reset();
        m_folder.reset();
    }

    void loadsIdle()
    {
        openWindow(kQuiet);
        QCOMPARE(m_window->nameLabel(0)->text(), QStringLiteral("Spieler 1"));
        QVERIFY(m_window->nameLabel(1)->isVisible());
        QVERIFY(!m_window->nameLabel(2)->isVisible());
        QVERIFY(!m_window->toolButton(6)->isVisible());
        QCOMPARE(m_window->toolButton(0)->toolTip(), QStringLiteral("Spiel starten"));
        for (int i = 0; i <= 28; ++i) {
            QVERIFY(m_window->stripButton(i)->isVisible());
            QVERIFY(!m_window->stripButton(i)->isEnabled());
        }
        QCOMPARE(m_window->stripLetter(26), QStringLiteral("Ä"));
        QVERIFY(!m_window->state().gameRunning);
        // Letters typed before the first Start do nothing.
        type(Qt::Key_B);
        QVERIFY(m_window->stripButton(button(u'B'))->isVisible());
    }

    void aWordIsLaidOutAndSolved()
    {
        openWindow(kQuiet);
        click(m_window->toolButton(0));
        QVERIFY(m_window->state().gameRunning);
        QCOMPARE(m_window->state().currentWord, QStringLiteral("BANANE"));
        QVERIFY(m_window->wordCell(6));
        QVERIFY(!m_window->wordCell(7));
        QVERIFY(m_window->wordCell(1)->isVisible());
        // Cells are centred side by side below the picture sequence.
        QCOMPARE(m_window->wordCell(2)->x() - m_window->wordCell(1)->x(), 32);
        QVERIFY(m_window->wordCell(1)->y() > m_window->sequence()->geometry().bottom());

        guess(u'N');
        QVERIFY(!m_window->stripButton(button(u'N'))->isVisible());
        QCOMPARE(m_window->state().foundCount, qint16(2));
        type(Qt::Key_A); // by keyboard
        QCOMPARE(m_window->state().foundCount, qint16(4));
        guess(u'X');
        QCOMPARE(m_window->state().missCount, qint16(1));
        guess(u'B');

        bool handedOver = false;
        whenNextShows([&] {
            handedOver =
                m_window->toolButton(6)->isVisible() && !m_window->stripButton(0)->isEnabled();
            QCOMPARE(m_window->scoreLabel(0)->text(), QStringLiteral("95"));
            type(Qt::Key_Return); // Enter presses Next
        });
        guess(u'E'); // solves the word; returns when the next word is laid out
        QVERIFY(handedOver);
        QCOMPARE(m_window->state().currentPlayer, qint16(1));
        QCOMPARE(m_window->state().scores[0], qint16(95));
        QVERIFY(m_window->stripButton(button(u'E'))->isVisible());
        QVERIFY(m_window->stripButton(button(u'E'))->isEnabled());
        QVERIFY(!m_window->toolButton(6)->isVisible());
    }

    void aWordIsLostAndItsSolutionShown()
    {
        openWindow(kQuiet);
        click(m_window->toolButton(0));
        const QString wrong = QStringLiteral("CDFGHIJKL");
        for (const QChar c : wrong)
            guess(c);
        QCOMPARE(m_window->state().missCount, qint16(9));
        const QPixmap coveredCell = m_window->wordCell(1)->pixmap();
        QString solution;
        whenNextShows([&] {
            for (int i = 1; i <= 6; ++i)
                solution += m_window->wordCell(i)->pixmap().toImage() == coveredCell.toImage()
                                ? u'?'
                                : u'*';
            click(m_window->toolButton(6));
        });
        guess(u'M');
        QCOMPARE(solution, QStringLiteral("******"));
        QCOMPARE(m_window->state().scores[0], qint16(0));
        QCOMPARE(m_window->state().currentPlayer, qint16(1));
    }

    void languageSwitchWhileIdle()
    {
        openWindow(kQuiet);
        click(m_window->flag(1));
        QVERIFY(m_dialogs->shown.isEmpty()); // no question without a game
        QCOMPARE(langBase(), qint16(1000));
        QCOMPARE(m_window->toolButton(0)->toolTip(), QStringLiteral("Start game"));
        QVERIFY(!m_window->stripButton(26)->isVisible());
        QCOMPARE(iniValue(QStringLiteral("Optionen"), QStringLiteral("Sprache")),
                 QStringLiteral("1000"));
        QVERIFY(m_folder->read(QStringLiteral("Quendo.ini")).contains("Sprache= 1000\r\n"));
        click(m_window->flag(0));
        QVERIFY(m_window->stripButton(26)->isVisible());
        QCOMPARE(m_window->stripLetter(28), QStringLiteral("Ü"));
        click(m_window->flag(5));
        QCOMPARE(m_window->stripLetter(26), QStringLiteral("Ñ"));
        QVERIFY(m_window->stripButton(26)->isVisible());
        QVERIFY(!m_window->stripButton(27)->isVisible());
    }

    void languageSwitchDuringAGame()
    {
        openWindow(kQuiet);
        click(m_window->toolButton(0));
        guess(u'N');
        // Cancel: nothing changes, not even the stored language.
        m_dialogs->answers = {false};
        click(m_window->flag(6));
        QCOMPARE(m_dialogs->shown.size(), 1);
        QCOMPARE(m_dialogs->shown.first().text,
                 QStringLiteral("Hierdurch wird das Spiel neu gestartet!\n\n") + GetLang(6172));
        QCOMPARE(langBase(), qint16(0));
        QCOMPARE(m_window->state().foundCount, qint16(2));
        QCOMPARE(iniValue(QStringLiteral("Optionen"), QStringLiteral("Sprache")),
                 QStringLiteral(" 0").trimmed());
        // OK: the game starts anew in English with a fresh word.
        m_dialogs->answers = {true};
        click(m_window->flag(1));
        QCOMPARE(langBase(), qint16(1000));
        QVERIFY(m_window->state().gameRunning);
        QCOMPARE(m_window->state().foundCount, qint16(0));
        QVERIFY(m_window->stripButton(button(u'N'))->isVisible());
        QCOMPARE(m_window->state().currentPlayer, qint16(0));
    }

    void endWithNoLeavesTheGameAsItWas()
    {
        openWindow(kQuiet);
        click(m_window->toolButton(0));
        guess(u'A');
        m_dialogs->answers = {false};
        click(m_window->toolButton(1));
        QCOMPARE(m_dialogs->shown.last().text, QStringLiteral("Wirklich schon aufhören?"));
        QCOMPARE(m_dialogs->shown.last().title, QStringLiteral("Programm beenden"));
        QVERIFY(m_window->isVisible());
        QVERIFY(!m_window->closing());
        QCOMPARE(m_window->state().foundCount, qint16(2));
        QVERIFY(!m_window->stripButton(0)->isVisible());
    }

    void choosersStoreAtEachClick()
    {
        openWindow(kQuiet);
        QStringList stored;
        QTimer::singleShot(0, this, [&] {
            auto *chooser = qobject_cast<ChooserDialog *>(QApplication::activeModalWidget());
            QVERIFY(chooser);
            QCOMPARE(chooser->frameRect().center(), chooser->thumbnailRect(8).center());
            for (const int i : {2, 10, 5}) {
                chooser->select(i);
                stored << iniValue(QStringLiteral("Einstellungen"), QStringLiteral("Letter"));
            }
            chooser->cmdOK_Click();
        });
        click(m_window->toolButton(3));
        QCOMPARE(stored, QStringList({"2", "10", "5"}));
        QCOMPARE(m_window->letterStyle(), qint16(5));
        QVERIFY(m_folder->read(QStringLiteral("Quendo.ini")).contains("Letter=5\r\n"));

        QTimer::singleShot(0, this, [&] {
            auto *chooser = qobject_cast<ChooserDialog *>(QApplication::activeModalWidget());
            QVERIFY(chooser);
            chooser->selectAndClose(3);
        });
        const QPixmap before = m_window->board()->grab();
        click(m_window->toolButton(2));
        QCOMPARE(m_window->background(), qint16(3));
        QCOMPARE(iniValue(QStringLiteral("Einstellungen"), QStringLiteral("Back")),
                 QStringLiteral("3"));
        QVERIFY(m_window->board()->grab().toImage() != before.toImage());
    }

    void optionsRestartOnlyWhenSomethingChanged()
    {
        openWindow(kQuiet);
        click(m_window->toolButton(0));
        guess(u'N');
        auto closeOptions = [this](bool changed) {
            QTimer::singleShot(0, this, [this, changed] {
                auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                QCOMPARE(dialog->windowTitle(), QStringLiteral("Einstellungen"));
                m_window->state().settingsChanged = changed;
                dialog->accept();
            });
        };
        closeOptions(false);
        click(m_window->toolButton(4));
        QCOMPARE(m_window->state().foundCount, qint16(2)); // the running word is untouched
        QVERIFY(!m_window->stripButton(button(u'N'))->isVisible());

        closeOptions(true);
        click(m_window->toolButton(4));
        QCOMPARE(m_window->state().foundCount, qint16(0)); // a new game, a new word
        QVERIFY(m_window->stripButton(button(u'N'))->isVisible());
        QVERIFY(m_window->state().gameRunning);
        QCOMPARE(m_window->state().currentPlayer, qint16(0));
    }

    void newLetterStyleDuringAWordKeepsTheStrip()
    {
        openWindow(kQuiet, "Ni\xF1o\r\n"); // Windows-1252
        click(m_window->flag(5));          // Spanish: Ñ in slot 26
        click(m_window->toolButton(0));
        QCOMPARE(m_window->state().currentWord, QStringLiteral("NIÑO"));
        guess(u'O');
        QTimer::singleShot(0, this, [] {
            auto *chooser = qobject_cast<ChooserDialog *>(QApplication::activeModalWidget());
            QVERIFY(chooser);
            chooser->selectAndClose(2);
        });
        click(m_window->toolButton(3));
        // Used letters stay hidden, and Ñ stays available: the word can still be solved.
        QVERIFY(!m_window->stripButton(button(u'O'))->isVisible());
        QVERIFY(m_window->stripButton(26)->isVisible());
        QCOMPARE(m_window->stripLetter(26), QStringLiteral("Ñ"));
        QCOMPARE(m_window->state().foundCount, qint16(1));
        click(m_window->stripButton(26));
        QCOMPARE(m_window->state().foundCount, qint16(2));
    }

    void handEditedSettingsAreBroughtIntoRange()
    {
        openWindow("[Einstellungen]\r\nnumPlayers=9\r\nLetter=77\r\nBack=-4\r\n"
                   "[Optionen]\r\nSprache=2500\r\n");
        QCOMPARE(m_window->letterStyle(), qint16(10));
        QCOMPARE(m_window->background(), qint16(0));
        QCOMPARE(langBase(), qint16(0));
        QVERIFY(m_window->state().numPlayers >= 1 && m_window->state().numPlayers <= 4);
    }

    // Closing ends the application's event loops; a short exec() makes them usable again.
    static void restartEventLoops()
    {
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }

    void closingDuringAPauseEndsCleanly()
    {
        // With sound on, laying out a word pauses 0.15 s for each cell.
        openWindow("[Einstellungen]\r\nnumPlayers= 1\r\nSound=-1\r\nTipps1= 0\r\n");
        QElapsedTimer clock;
        clock.start();
        QTimer::singleShot(200, m_window.get(), [&] { m_window->close(); });
        click(m_window->toolButton(0));
        QVERIFY(m_window->closing());
        QVERIFY(clock.elapsed() < 6 * 150); // the layout stopped instead of running on
        restartEventLoops();
    }

    void closingDuringTheHandOverEndsCleanly()
    {
        openWindow(kQuiet);
        click(m_window->toolButton(0));
        for (const QChar c : QStringLiteral("BAN"))
            guess(c);
        whenNextShows([&] { m_window->close(); });
        guess(u'E'); // waits for Next; the close ends the wait
        QVERIFY(m_window->closing());
        QVERIFY(!m_window->isVisible());
        restartEventLoops();
    }
};

QTEST_MAIN(TestFrmQuendo)
#include "tst_frmquendo.moc"
