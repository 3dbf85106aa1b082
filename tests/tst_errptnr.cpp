// The error report as the user meets it: the real dialog, answered by clicks while it waits.
#include "ErrorReporting.h"
#include "FakeDialogs.h"
#include "Places.h"
#include "Settings.h"
#include "TestSupport.h"
#include "WhenShown.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace {

constexpr int kCloseBox = -1;
constexpr int kEscape = -2;

// Plays the user at each report shown: runs atShow, then clicks the script's next continue
// button or closes the report; Cancel once the script is used up, so that no test hangs.
struct ReportUser
{
    explicit ReportUser(QList<int> clicks) : script(std::move(clicks)) {}
    QList<int> script;
    std::function<void(ErrPtnr &)> atShow;
    WhenShown shown{isA<ErrPtnr>, [this](QWidget *w) {
                        auto *report = static_cast<ErrPtnr *>(w);
                        if (atShow)
                            atShow(*report);
                        const int step = script.isEmpty() ? 2 : script.takeFirst();
                        if (step == kCloseBox)
                            report->close();
                        else if (step == kEscape)
                            QTest::keyClick(report, Qt::Key_Escape);
                        else
                            QTest::mouseClick(report->findChild<QPushButton *>(
                                                  QString("cmdContinue%1").arg(step)),
                                              Qt::LeftButton);
                    }};
};

// A program folder, message boxes, the outlets, the report as error handler and its user.
struct Rig
{
    explicit Rig(QList<int> clicks) : user(std::move(clicks)) {}
    ProgramFolder folder;
    FakeDialogs dialogs;
    bool works = false; // the printer, the mail program and the browser
    QList<QStringList> printed;
    QStringList opened;
    ErrPtnr::Outlets outlets{[this](const QStringList &lines) { return printed << lines, works; },
                             [this](const QUrl &url) { return opened << url.toString(), works; }};
    ErrorReporting reporting{dialogs, outlets};
    ReportUser user;
};

// A procedure whose one step fails once: how it went on.
QString failOnce(ErrNo number, const ProcName &where = Proc::frmQuendo::zurueck)
{
    int runs = 0;
    Procedure proc(where);
    proc.step([&] {
        if (++runs == 1)
            throw RunTimeError(number);
    });
    return proc.cancelled() ? "cancelled" : runs == 2 ? "retried" : "ignored";
}

// The child process of the End test: a setting written, then an error answered End.
int endChild(const QString &folder)
{
    setProgramFolder(folder);
    SaveIni("Einstellungen", "Spieler1", "Anna");
    FakeDialogs dialogs;
    const ErrorReporting reporting(dialogs, {});
    setProgramEnd(endProgramAtOnce);
    ReportUser user({3});
    failOnce(ErrNo::DiskFull);
    SaveIni("Einstellungen", "Spieler1", "after the end");
    return 0;
}

} // namespace

class TestErrPtnr : public QObject
{
    Q_OBJECT
private slots:
    void buttonsCloseBoxAndEscapeAnswer()
    {
        // The close box and Escape give the last choice.
        const QList<int> clicks{kCloseBox, 2, kEscape, kCloseBox, 1, kEscape, 0, 3};
        Rig rig(clicks);
        // The log cannot be written: told once, and the report answers all the same.
        QVERIFY(QDir(rig.folder.path()).mkdir("Quendo.EPT"));
        ErrPtnr report(rig.dialogs, rig.outlets);
        const RunTimeError error(ErrNo::FileNotFound, "<b>tiere.dat");
        QList<ErrAnswer> answers;
        while (answers.size() < clicks.size())
            answers << report.OnError({"frmOpt", "cmdOK_Click", error, 12});
        using A = ErrAnswer;
        QCOMPARE(answers, QList({A::Retry, A::Cancel, A::Cancel, A::Cancel, A::Ignore, A::Ignore,
                                 A::Retry, A::End}));
        QStringList shown;
        for (const char *name : {"lblError0", "lblError1", "lblError2", "lblError3", "lblProgInfo"})
            shown << report.findChild<QLabel *>(name)->text();
        QCOMPARE(shown.mid(0, 4),
                 QStringList({"53 (File not found): <b>tiere.dat", "frmOpt", "cmdOK_Click", "12"}));
        QVERIFY(shown[4].startsWith("Quendo  V"));
        QCOMPARE(report.findChild<QLabel *>("lblError0")->textFormat(), Qt::PlainText);
        QCOMPARE(rig.dialogs.shown.size(), 1);
        QVERIFY(rig.dialogs.shown[0].text.contains("Quendo.EPT' geschrieben werden."));
    }

    // Without a window manager a report shown again came up below the main window, and the
    // program looked frozen. Needs a real X server for the stacking (tests/CMakeLists.txt).
    void theSecondReportComesToTheFront()
    {
        if (QGuiApplication::platformName() != u"xcb")
            QSKIP("the stacking of windows needs an X server");
        Rig rig({1, 1});
        QWidget board;
        board.setGeometry(0, 0, 1200, 900);
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        QList<QWidget *> onTop;
        rig.user.atShow = [&](ErrPtnr &report) {
            if (QTest::qWaitForWindowExposed(&report) && QTest::qWaitForWindowActive(&report))
                onTop << QApplication::topLevelAt(report.frameGeometry().center());
        };
        failOnce(ErrNo::FileNotFound);
        // The user goes back to the board between the two errors.
        board.raise();
        board.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&board));
        failOnce(ErrNo::Overflow);
        QCOMPARE(onTop, QList<QWidget *>(2, rig.reporting.dialog()));
    }

    // Mail and homepage copy the protocol to the clipboard; save writes Quendo.ERR.
    void protocolButtons_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("works");        // the outlet, or Yes to overwrite
        QTest::addColumn<QByteArray>("before"); // Quendo.ERR; "/" a folder of that name
        QTest::addColumn<QStringList>("told");  // a piece of each message shown, in order
        const auto row = [](const char *name, int button, bool works, const QByteArray &before,
                            const QStringList &told) {
            QTest::newRow(name) << button << works << before << told;
        };
        const QString copied = "in die Zwischenablage kopiert";
        row("print", 0, true, {}, {});
        row("print, no printer", 0, false, {}, {"(no printer?)"});
        row("save", 1, true, {}, {"ERR' geschrieben!"});
        row("save over an old file, No", 1, false, "old", {"ERR' überschreiben?"});
        row("save, Yes, cannot write", 1, true, "/",
            {"ERR' überschreiben?", "ERR' could not be written."});
        row("mail", 2, true, {}, {copied});
        row("mail, no mail program", 2, false, {},
            {copied, "Protokoll aus der Zwischenablage an hilfe@quendo.example.org."});
        row("homepage", 3, true, {}, {});
        row("homepage, no browser", 3, false, {}, {"The homepage is https://quendo.example.org/."});
    }
    void protocolButtons()
    {
        QFETCH(int, button);
        QFETCH(QByteArray, before);
        QFETCH(QStringList, told);
        Rig rig({1});
        QFETCH(bool, works);
        rig.works = works;
        rig.dialogs.answers = {works};
        if (before == "/")
            QVERIFY(QDir(rig.folder.path()).mkdir("Quendo.ERR"));
        else if (!before.isEmpty())
            rig.folder.write("Quendo.ERR", before);
        QApplication::clipboard()->setText("old");
        rig.user.atShow = [&](ErrPtnr &report) {
            QTest::mouseClick(report.findChild<QPushButton *>(QString("cmdProtocol%1").arg(button)),
                              Qt::LeftButton);
        };
        QCOMPARE(failOnce(ErrNo::DeviceIoError), "ignored");

        QCOMPARE(rig.dialogs.shown.size(), told.size());
        for (qsizetype i = 0; i < told.size(); ++i)
            QVERIFY2(rig.dialogs.shown[i].text.contains(told[i]), qPrintable(told[i]));
        const QStringList urls{"", "", "mailto:hilfe@quendo.example.org",
                               "https://quendo.example.org/"};
        QCOMPARE(rig.opened.join(' '), urls[button]);
        QCOMPARE(rig.printed.value(0).value(1).startsWith("F E H L E R P R"), button == 0);
        const QString line = "\t57 (Device I/O error)\r\n"; // the protocol of this error
        QCOMPARE(QApplication::clipboard()->text().contains(line), button >= 2);
        QCOMPARE(QString::fromLatin1(rig.folder.read("Quendo.ERR")).contains(line),
                 button == 1 && before.isEmpty());
    }

    void nestedErrorWhileShowingIsLoggedAndIgnored()
    {
        Rig rig({1});
        QString nested;
        // As a paint event or a timer running inside the report's loop would.
        rig.user.atShow = [&](ErrPtnr &) {
            nested = failOnce(ErrNo::InvalidData, Proc::frmQuendo::PaintBack);
        };
        QCOMPARE(failOnce(ErrNo::FileNotFound), "ignored");
        QCOMPARE(nested, "ignored");
        QCOMPARE(rig.reporting.dialog()->findChild<QLabel *>("lblError2")->text(), "zurueck");
        QVERIFY(rig.folder.read("Quendo.EPT").contains("Prozedur / procedure:\tPaintBack\r\n"));
    }

    void endEndsTheProgramAtOnce()
    {
        ProgramFolder folder;
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--end-child", folder.path()});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitCode(), 3);
        QCOMPARE(folder.read("Quendo.ini"), QByteArray("[Einstellungen]\r\nSpieler1=Anna\r\n"));
        QVERIFY(folder.read("Quendo.EPT").contains("error :\t61 (Disk full)\r\n"));
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--end-child") == 0)
        return endChild(QString::fromLocal8Bit(argv[2]));
    TestErrPtnr test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_errptnr.moc"
