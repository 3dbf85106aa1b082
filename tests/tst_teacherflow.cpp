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

// The window with its game state in reach of the tests.
class QuendoUnderTest : public frmQuendo
{
public:
    using frmQuendo::frmQuendo;
    using frmQuendo::state;
};

} // namespace

// The options and the editor opened from the real main window during a game: what they change
// and when the game starts anew.
class TestTeacherFlow : public QObject
{
    Q_OBJECT
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<FakeDialogs> m_dialogs;
    std::unique_ptr<QuendoUnderTest> m_window;

    template <typename T> static T *get(const QWidget *w, const char *name)
    {
        return w ? w->findChild<T *>(QString::fromLatin1(name)) : nullptr;
    }
    static void press(const QWidget *w, const char *name)
    {
        if (auto *button = get<QPushButton>(w, name))
            button->click();
    }
    // Runs work on the options dialog once the toolbar has opened it.
    void withOptions(std::function<void(frmOpt *)> work)
    {
        QTimer::singleShot(
            0, this, [work] { work(qobject_cast<frmOpt *>(QApplication::activeModalWidget())); });
        QTest::mouseClick(get<QPushButton>(m_window.get(), "PicBut4"), Qt::LeftButton);
    }
    void guess(QChar letter)
    {
        const QByteArray name = "imgAlpha" + QByteArray::number(letter.unicode() - u'A');
        QTest::mouseClick(get<ClickableImage>(m_window.get(), name.constData()), Qt::LeftButton);
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<ProgramFolder>();
        installLanguageTable(m_folder->path());
        m_folder->write("Quendo.ini",
                        "[Einstellungen]\r\nnumPlayers= 2\r\nSound= 0\r\nTipps1= 0\r\n"
                        "Tipps2= 0\r\n");
        QDir(m_folder->path()).mkdir("deutsch");
        m_folder->write("deutsch/quendo.dat", "Banane\r\n");
        setCurrentLanguage(Language());
        m_dialogs = std::make_unique<FakeDialogs>();
        m_window = std::make_unique<QuendoUnderTest>(*m_dialogs);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QTest::mouseClick(get<QPushButton>(m_window.get(), "PicBut0"), Qt::LeftButton);
        guess(u'N');
        QCOMPARE(m_window->state().foundCount, qint16(2));
    }
    void cleanup()
    {
        m_window.reset();
        m_dialogs.reset();
        m_folder.reset();
    }

    void okWithoutAChangeKeepsTheWord()
    {
        bool opened = false;
        withOptions([&](frmOpt *options) {
            opened = options != nullptr;
            press(options, "cmdOK");
        });
        QVERIFY(opened);
        QCOMPARE(m_window->state().foundCount, qint16(2));
        QVERIFY(m_folder->read("Quendo.ini").contains("\r\nDatei0=quendo.dat\r\n"));
    }

    void fewerRoundsStartANewGame()
    {
        withOptions([&](frmOpt *options) {
            if (auto *rounds = get<QScrollBar>(options, "vsczahl5"))
                rounds->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            press(options, "cmdOK");
        });
        QCOMPARE(m_window->state().roundsToPlay, qint16(15));
        QCOMPARE(m_window->state().foundCount, qint16(0));
        QCOMPARE(m_window->state().currentWord, "BANANE");
        QVERIFY(m_window->state().gameRunning);
    }

    void aNewListFromTheEditorGivesTheNextWord()
    {
        QStringList filesAfterEditor;
        QString selectedAfterEditor;
        QString focusAfterEditor;
        bool editorSeen = false;
        m_dialogs->inputs = {"Tiere"};
        withOptions([&](frmOpt *options) {
            QTimer::singleShot(0, this, [&] {
                auto *editor = qobject_cast<WEdit *>(QApplication::activeModalWidget());
                editorSeen = editor != nullptr;
                press(editor, "cmdNeu");
                if (auto *entry = get<QLineEdit>(editor, "Text1"))
                    entry->setText("Zebra");
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
        QVERIFY(editorSeen);
        QCOMPARE(filesAfterEditor, QStringList({"quendo.dat", "Tiere.dat"}));
        QCOMPARE(selectedAfterEditor, "Tiere.dat");
        QCOMPARE(focusAfterEditor, "cmdOK");
        QCOMPARE(m_folder->read("deutsch/Tiere.dat"), "Zebra\r\n");
        QVERIFY(m_folder->read("Quendo.ini").contains("\r\nDatei0=Tiere.dat\r\n"));
        // The game started anew with a word from the new list.
        QCOMPARE(m_window->state().currentWord, "ZEBRA");
        QCOMPARE(m_window->state().foundCount, qint16(0));
        QCOMPARE(m_window->state().currentPlayer, qint16(0));
        QVERIFY(m_window->state().gameRunning);
    }
};

QTEST_MAIN(TestTeacherFlow)
#include "tst_teacherflow.moc"
