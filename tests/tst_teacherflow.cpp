// The options and the editor opened from the real main window during a game, in Swedish: what
// they change and when the game starts anew.
#include "ClickableImage.h"
#include "FakeDialogs.h"
#include "frmOpt.h"
#include "frmQuendo.h"
#include "Language.h"
#include "TestSupport.h"
#include "WEdit.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
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

template <typename T> T *get(const QWidget *w, const char *name)
{
    return w ? w->findChild<T *>(QString::fromLatin1(name)) : nullptr;
}

void press(const QWidget *w, const char *name)
{
    if (auto *button = get<QPushButton>(w, name))
        button->click();
}

// Runs work on the window that is modal once the event loop has come to it.
void whenModal(QObject *context, std::function<void(QWidget *)> work)
{
    QTimer::singleShot(0, context, [work] { work(QApplication::activeModalWidget()); });
}

} // namespace

class TestTeacherFlow : public QObject
{
    Q_OBJECT
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<QuendoUnderTest> m_window;

    const GameState &state() const { return m_window->state(); }
    void withOptions(std::function<void(QWidget *)> work)
    {
        whenModal(this, std::move(work));
        QTest::mouseClick(get<QPushButton>(m_window.get(), "PicBut4"), Qt::LeftButton);
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<ProgramFolder>();
        installLanguageTable(m_folder->path());
        m_folder->write("Quendo.ini",
                        "[Einstellungen]\r\nnumPlayers= 2\r\nSound= 0\r\nTipps1= 0\r\n"
                        "Tipps2= 0\r\nDatei2000=djur.dat\r\n[Optionen]\r\n"
                        "Sprache= 2000\r\n");
        QDir(m_folder->path()).mkdir("svenska");
        m_folder->write("svenska/djur.dat", "Banane\r\n");
        m_dialogs = std::make_unique<FakeDialogs>();
        m_window = std::make_unique<QuendoUnderTest>(*m_dialogs);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QTest::mouseClick(get<QPushButton>(m_window.get(), "PicBut0"), Qt::LeftButton);
        QTest::mouseClick(get<ClickableImage>(m_window.get(), "imgAlpha13"), Qt::LeftButton);
        QCOMPARE(state().foundCount, qint16(2)); // the N
    }
    void cleanup()
    {
        m_window.reset();
        m_dialogs.reset();
        m_folder.reset();
    }

    // OK restarts the game only after a change made in the dialog; one made before it opened
    // (the last restart's) does not count.
    void okRestartsOnlyAfterAChange_data()
    {
        QTest::addColumn<bool>("change");
        QTest::newRow("nothing changed") << false;
        QTest::newRow("one round more") << true;
    }
    void okRestartsOnlyAfterAChange()
    {
        QFETCH(bool, change);
        m_window->state().settingsChanged = true;
        withOptions([&](QWidget *options) {
            if (auto *rounds = get<QScrollBar>(options, "vsczahl5"); rounds && change)
                rounds->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            press(options, "cmdOK");
        });
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(state().foundCount, qint16(change ? 0 : 2));
        QCOMPARE(state().roundsToPlay, qint16(change ? 15 : 20));
        QVERIFY(state().gameRunning);
        QVERIFY(m_folder->read("Quendo.ini").contains("\r\nDatei2000=djur.dat\r\n"));
    }

    void aNewListFromTheEditorGivesTheNextWord()
    {
        QStringList filesAfterEditor;
        QString selectedAfterEditor;
        QString focusAfterEditor;
        int longestEntry = 0;
        m_dialogs->inputs = {"Tiere"};
        withOptions([&](QWidget *options) {
            whenModal(this, [&](QWidget *editor) {
                press(editor, "cmdNeu");
                if (auto *entry = get<QLineEdit>(editor, "Text1")) {
                    longestEntry = entry->maxLength();
                    entry->setText("Zebra");
                }
                press(editor, "Hinzuf");
                press(editor, "Speichern");
                press(editor, "OK");
            });
            press(options, "EditButt"); // returns when the editor has closed
            if (options && options->focusWidget())
                focusAfterEditor = options->focusWidget()->objectName();
            if (auto *list = get<QListWidget>(options, "wortsch")) {
                for (int i = 0; i < list->count(); ++i)
                    filesAfterEditor << list->item(i)->text();
                if (list->currentItem())
                    selectedAfterEditor = list->currentItem()->text();
            }
            press(options, "cmdOK");
        });
        // The 761-pixel board of the test screen holds 26 word cells of 29 pixels across.
        QCOMPARE(get<QWidget>(m_window.get(), "picBG")->width(), 761);
        QCOMPARE(longestEntry, 26);
        QCOMPARE(filesAfterEditor, QStringList({"djur.dat", "Tiere.dat"}));
        QCOMPARE(selectedAfterEditor, "Tiere.dat");
        QCOMPARE(focusAfterEditor, "cmdOK");
        QCOMPARE(m_folder->read("svenska/Tiere.dat"), "Zebra\r\n");
        QVERIFY(m_folder->read("Quendo.ini").contains("\r\nDatei2000=Tiere.dat\r\n"));
        // The game started anew with a word from the new list.
        QCOMPARE(state().currentWord, "ZEBRA");
        QCOMPARE(state().currentPlayer, qint16(0));
        QVERIFY(state().gameRunning);
    }
};

QTEST_MAIN(TestTeacherFlow)
#include "tst_teacherflow.moc"
