// The error report as the user meets it: the real dialog, answered by clicks while it waits.
#include "ErrorProtocol.h"
#include "ErrorReporting.h"
#include "ErrPtnr.h"
#include "FakeDialogs.h"
#include "Places.h"
#include "Settings.h"
#include "TestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace {

const QString kRule = QString(70, '-');
constexpr int kCloseBox = -1;
constexpr int kEscape = -2;

// The printer, mail program and browser: each records what it was given and works as told.
struct Outside
{
    bool works = false;
    QList<QStringList> printed;
    QList<QUrl> opened;

    ErrPtnr::Outlets outlets()
    {
        return {[this](const QStringList &lines) {
                    printed.append(lines);
                    return works;
                },
                [this](const QUrl &url) {
                    opened.append(url);
                    return works;
                }};
    }
};

// Plays the user at each error report that shows: notes what it says, runs atShow, then
// clicks the next continue button of the script (or closes it). Once the script is used up
// it clicks Cancel, so that a test never hangs.
class ReportUser : public QObject
{
public:
    QList<QStringList> seen; // the four values, then the program-info line
    int modalReports = 0;
    std::function<void(ErrPtnr &)> atShow;

    explicit ReportUser(QList<int> script) : m_script(std::move(script))
    {
        connect(&m_timer, &QTimer::timeout, this, &ReportUser::look);
        m_timer.start(1);
    }

private:
    void look()
    {
        auto *report = qobject_cast<ErrPtnr *>(QApplication::activeModalWidget());
        if (!report || !report->isVisible())
            return;
        QStringList shown;
        for (int i = 0; i < 4; ++i)
            shown << report->findChild<QLabel *>(QString("lblError%1").arg(i))->text();
        shown << report->findChild<QLabel *>("lblProgInfo")->text();
        seen.append(shown);
        if (report->windowModality() == Qt::ApplicationModal)
            ++modalReports;
        if (atShow)
            atShow(*report);
        const int step = m_script.isEmpty() ? 2 : m_script.takeFirst();
        if (step == kCloseBox)
            report->close();
        else if (step == kEscape)
            QTest::keyClick(report, Qt::Key_Escape);
        else
            QTest::mouseClick(report->findChild<QPushButton *>(QString("cmdContinue%1").arg(step)),
                              Qt::LeftButton);
    }

    QList<int> m_script;
    QTimer m_timer;
};

void click(ErrPtnr &report, const QString &button)
{
    QTest::mouseClick(report.findChild<QPushButton *>(button), Qt::LeftButton);
}

// Three passes of two steps; the first step of the middle pass fails `failures` times.
struct Passes
{
    int failures = 0;
    int failingLine = 0;
    QStringList done;

    void run()
    {
        Procedure proc(Proc::frmQuendo::NextPlayer);
        for (int pass = 0; pass < 3; ++pass) {
            failingLine = __LINE__ + 1;
            if (!proc.step([&] {
                    if (pass == 1 && failures > 0) {
                        --failures;
                        throw RunTimeError(ErrNo::FileNotFound, "tiere.dat");
                    }
                    done << QString("a%1").arg(pass);
                }))
                break;
            if (!proc.step([&] { done << QString("b%1").arg(pass); }))
                break;
        }
        proc.step([&] { done << "end"; });
    }
};

// A procedure whose one step fails once; true when it went on (not cancelled).
bool failOnce(ErrNo number, const ProcName &where = Proc::frmQuendo::zurueck)
{
    bool failed = false;
    Procedure proc(where);
    proc.step([&] {
        if (!failed) {
            failed = true;
            throw RunTimeError(number);
        }
    });
    return !proc.cancelled();
}

// The child process of the End test: a setting written, then an error answered End.
int endChild(const QString &folder)
{
    setProgramFolder(folder);
    SaveIni("Einstellungen", "Spieler1", "Anna");
    FakeDialogs dialogs;
    Outside outside;
    const ErrorReporting reporting(dialogs, outside.outlets());
    setProgramEnd(endProgramAtOnce);
    ReportUser user({3});
    Procedure proc(Proc::frmQuendo::StartGame);
    proc.step([] { throw RunTimeError(ErrNo::DiskFull); });
    SaveIni("Einstellungen", "Spieler1", "after the end");
    return 0;
}

} // namespace

class TestErrPtnr : public QObject
{
    Q_OBJECT
private slots:
    void layoutAndCaptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        QTest::newRow("comment") << "framComment" << QRect(0, 0, 481, 65) << "";
        QTest::newRow("error") << "framFehler" << QRect(0, 65, 481, 113)
                               << "Fehlerbeschreibung / error description:";
        QTest::newRow("program") << "framProgInfo" << QRect(0, 178, 481, 41) << "Programm-Info:";
        QTest::newRow("protocol") << "framProtocol" << QRect(0, 219, 481, 57)
                                  << "Fehlerprotokoll ... / error protocoll...";
        QTest::newRow("continue") << "framContinue" << QRect(0, 276, 481, 57)
                                  << "Weiterer Programmablauf... / Continue...";
        QTest::newRow("advice") << "lblComment" << QRect(8, 16, 457, 41)
                                << "There is a problem. Please contact the author if this problem "
                                   "appears again.\nEs liegt ein Problem vor, mit dem Sie sich an "
                                   "den technischen Support wenden sollten, falls es wiederholt "
                                   "auftritt.";
        QTest::newRow("title 0") << "lblErrTitel0" << QRect(8, 16, 120, 17)
                                 << "Fehler-Nr / error :";
        QTest::newRow("title 1") << "lblErrTitel1" << QRect(8, 64, 120, 17) << "Modul:";
        QTest::newRow("title 2") << "lblErrTitel2" << QRect(8, 80, 120, 17)
                                 << "Prozedur / procedure:";
        QTest::newRow("title 3") << "lblErrTitel3" << QRect(8, 96, 120, 17) << "Zeile / Line:";
        QTest::newRow("error value")
            << "lblError0" << QRect(128, 16, 347, 45) << "5 (Invalid procedure call or argument)";
        QTest::newRow("program info")
            << "lblProgInfo" << QRect(2, 16, 474, 17) << "Quendo  V1.31.555";
        QTest::newRow("print") << "cmdProtocol0" << QRect(16, 16, 89, 33) << "&Drucken/Print";
        QTest::newRow("save") << "cmdProtocol1" << QRect(136, 16, 89, 33) << "&Speichern/Save";
        QTest::newRow("mail") << "cmdProtocol2" << QRect(256, 16, 89, 33) << "&EMail";
        QTest::newRow("web") << "cmdProtocol3" << QRect(376, 16, 89, 33) << "&WWW";
        QTest::newRow("retry") << "cmdContinue0" << QRect(16, 16, 89, 33) << "Wieder&holen Retry";
        QTest::newRow("ignore") << "cmdContinue1" << QRect(136, 16, 89, 33)
                                << "&Ignorieren   Ignore";
        QTest::newRow("cancel") << "cmdContinue2" << QRect(256, 16, 89, 33) << "&Abbrechen Cancel";
        QTest::newRow("end") << "cmdContinue3" << QRect(376, 16, 89, 33) << "&Beenden       End";
    }
    void layoutAndCaptions()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        ProgramFolder folder;
        FakeDialogs dialogs;
        Outside outside;
        ErrPtnr report(dialogs, outside.outlets());
        ReportUser user({1});
        const RunTimeError error(ErrNo::InvalidCall);
        report.OnError({"frmQuendo", "posAlpha", error, 12});

        QCOMPARE(report.size(), QSize(481, 333));
        auto *widget = report.findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), geometry);
        QVERIFY(widget->isVisibleTo(&report));
        if (auto *frame = qobject_cast<QGroupBox *>(widget))
            QCOMPARE(frame->title(), caption);
        else if (auto *label = qobject_cast<QLabel *>(widget)) {
            QCOMPARE(label->text(), caption);
            QCOMPARE(label->textFormat(), Qt::PlainText); // file names may hold '<'
        } else
            QCOMPARE(qobject_cast<QPushButton *>(widget)->text(), caption);
        // The other values sit on their rows, sized to their text.
        QCOMPARE(report.findChild<QLabel *>("lblError3")->pos(), QPoint(128, 96));
        QCOMPARE(report.findChild<QLabel *>("lblError3")->text(), "12");
    }

    void overflowInGetIniIntIsShownAndRetried()
    {
        ProgramFolder folder;
        folder.write("Quendo.ini", "[Einstellungen]\r\nLetter=99999\r\n");
        FakeDialogs dialogs;
        Outside outside;
        const ErrorReporting reporting(dialogs, outside.outlets());
        ReportUser user({0});
        user.atShow = [&](ErrPtnr &) {
            folder.write("Quendo.ini", "[Einstellungen]\r\nLetter=7\r\n");
        };

        QCOMPARE(GetIniInt("Einstellungen", "Letter", 8), qint16(7));
        QCOMPARE(user.seen.size(), 1);
        const QStringList shown = user.seen.first();
        QCOMPARE(shown.mid(0, 3), QStringList({"6 (Overflow): 99999", "Allgemein", "GetIniInt"}));
        QVERIFY(shown[3].toInt() > 0);
        QCOMPARE(shown[4], "Quendo  V1.31.555");
        QCOMPARE(user.modalReports, 1);
        QVERIFY(reporting.dialog()->isHidden()); // kept for the next error
        QVERIFY(dialogs.shown.isEmpty());
    }

    void answersActOnTheProcedure_data()
    {
        QTest::addColumn<int>("failures");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QStringList>("done");
        QTest::newRow("retry until it works")
            << 2 << QList<int>{0, 0} << QStringList{"a0", "b0", "a1", "b1", "a2", "b2", "end"};
        QTest::newRow("ignore: next step of the same pass")
            << 1 << QList<int>{1} << QStringList{"a0", "b0", "b1", "a2", "b2", "end"};
        QTest::newRow("cancel leaves the procedure")
            << 1 << QList<int>{2} << QStringList{"a0", "b0"};
    }
    void answersActOnTheProcedure()
    {
        QFETCH(int, failures);
        QFETCH(QList<int>, clicks);
        ProgramFolder folder;
        FakeDialogs dialogs;
        Outside outside;
        const ErrorReporting reporting(dialogs, outside.outlets());
        ReportUser user(clicks);
        Passes passes{failures, 0, {}};
        passes.run();
        QTEST(passes.done, "done");
        QCOMPARE(user.seen.size(), clicks.size());
        QCOMPARE(user.seen.last().mid(0, 4),
                 QStringList({"53 (File not found): tiere.dat", "frmQuendo", "NextPlayer",
                              QString::number(passes.failingLine)}));
    }

    void closeBoxAndEscapeGiveTheLastChoice_data()
    {
        QTest::addColumn<int>("close");
        QTest::newRow("close box") << kCloseBox;
        QTest::newRow("Escape") << kEscape;
    }
    void closeBoxAndEscapeGiveTheLastChoice()
    {
        QFETCH(int, close);
        ProgramFolder folder;
        FakeDialogs dialogs;
        Outside outside;
        ErrPtnr report(dialogs, outside.outlets());
        ReportUser user({close, 2, close});
        const RunTimeError error(ErrNo::PathNotFound);
        QList<ErrAnswer> answers;
        for (int i = 0; i < 3; ++i)
            answers << report.OnError({"frmOpt", "cmdOK_Click", error, 0});
        QCOMPARE(answers,
                 QList<ErrAnswer>({ErrAnswer::Retry, ErrAnswer::Cancel, ErrAnswer::Cancel}));
        QCOMPARE(user.seen.size(), 3);
    }

    void twoErrorsLeaveTwoRecordsInTheLog()
    {
        ProgramFolder folder;
        FakeDialogs dialogs;
        Outside outside;
        const ErrorReporting reporting(dialogs, outside.outlets());
        ReportUser user({1, 1});
        failOnce(ErrNo::FileNotFound, Proc::frmQuendo::List1_Ini);
        failOnce(ErrNo::Overflow, Proc::Allgemein::zz);

        const QStringList records =
            QString::fromLatin1(folder.read("Quendo.EPT")).split("\r\n\r\n");
        QCOMPARE(records.size(), 3);
        QCOMPARE(records[2], ""); // the log ends with the empty line of the last record
        for (int i = 0; i < 2; ++i) {
            QVERIFY(records[i].startsWith(kRule + "\r\nF E H L E R P R O T O K O L L"));
            QVERIFY(records[i].endsWith("\r\n" + kRule));
        }
        QVERIFY(records[0].contains("Fehler-Nr / error :\t53 (File not found)\r\n"
                                    "          Modul:\tfrmQuendo\r\n"
                                    "          Prozedur / procedure:\tList1_Ini\r\n"));
        QVERIFY(records[1].contains("Fehler-Nr / error :\t6 (Overflow)\r\n"
                                    "          Modul:\tAllgemein\r\n"
                                    "          Prozedur / procedure:\tzz\r\n"));
    }

    // Without a window manager a report shown again came up below the main window, and the
    // program looked frozen. Needs a real X server for the stacking (tests/CMakeLists.txt).
    void theSecondReportComesToTheFront()
    {
        if (QGuiApplication::platformName() != u"xcb")
            QSKIP("the stacking of windows needs an X server");
        ProgramFolder folder;
        FakeDialogs dialogs;
        Outside outside;
        const ErrorReporting reporting(dialogs, outside.outlets());
        QWidget board;
        board.setGeometry(0, 0, 1200, 900);
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        QList<QWidget *> onTop;
        ReportUser user({1, 1});
        user.atShow = [&](ErrPtnr &report) {
            if (QTest::qWaitForWindowExposed(&report) && QTest::qWaitForWindowActive(&report))
                onTop << QApplication::topLevelAt(report.frameGeometry().center());
        };
        failOnce(ErrNo::FileNotFound);
        // The user goes back to the board between the two errors.
        board.raise();
        board.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&board));
        failOnce(ErrNo::Overflow);
        QWidget *report = reporting.dialog();
        QCOMPARE(onTop, QList<QWidget *>({report, report}));
    }

    void saveTwiceAsksAndNoKeepsTheFirst()
    {
        ProgramFolder folder;
        FakeDialogs dialogs;
        dialogs.answers = {false};
        Outside outside;
        const ErrorReporting reporting(dialogs, outside.outlets());
        ReportUser user({1, 1});
        user.atShow = [](ErrPtnr &report) { click(report, "cmdProtocol1"); };
        failOnce(ErrNo::FileNotFound);
        failOnce(ErrNo::Overflow);

        const QString path = folder.file("Quendo.ERR");
        QCOMPARE(dialogs.shown.size(), 2);
        QCOMPARE(dialogs.shown[0].kind, "message");
        QCOMPARE(dialogs.shown[0].text,
                 "Das Fehlerprotokoll wurde in die Datei '" + path +
                     "' geschrieben!\r\nError protocoll was written to file '" + path + "'!");
        QCOMPARE(dialogs.shown[1].kind, "yesno");
        QCOMPARE(dialogs.shown[1].text, "Vorhandene Datei '" + path +
                                            "' überschreiben?\r\nOverwrite file '" + path + "' ?");
        QCOMPARE(dialogs.shown[1].title, "Quendo");
        const QByteArray saved = folder.read("Quendo.ERR");
        QVERIFY(saved.contains("\t53 (File not found)\r\n"));
        QVERIFY(!saved.contains("Overflow"));
        QVERIFY(saved.startsWith(kRule.toLatin1() + "\r\n"));
        QVERIFY(saved.endsWith(kRule.toLatin1() + "\r\n\r\n"));
    }

    void unwritableFilesAreToldAndTheReportStillAnswers()
    {
        ProgramFolder folder;
        QDir(folder.path()).mkdir("Quendo.EPT");
        QDir(folder.path()).mkdir("Quendo.ERR");
        FakeDialogs dialogs; // answers Yes: overwrite
        Outside outside;
        const ErrorReporting reporting(dialogs, outside.outlets());
        ReportUser user({2, 1});
        user.atShow = [](ErrPtnr &report) { click(report, "cmdProtocol1"); };
        QVERIFY(!failOnce(ErrNo::PermissionDenied));

        const QString log = folder.file("Quendo.EPT");
        const QString saved = folder.file("Quendo.ERR");
        QCOMPARE(dialogs.shown.size(), 3);
        QCOMPARE(dialogs.shown[0].text, "Das Fehlerprotokoll konnte nicht in die Datei '" + log +
                                            "' geschrieben werden.\r\nThe error protocol could "
                                            "not be written to file '" +
                                            log + "'.");
        QCOMPARE(dialogs.shown[1].kind, "yesno");
        QCOMPARE(dialogs.shown[2].text, "Die Datei '" + saved +
                                            "' konnte nicht geschrieben "
                                            "werden.\r\nThe file '" +
                                            saved + "' could not be written.");
        // A broken log is told once.
        QVERIFY(failOnce(ErrNo::PermissionDenied));
        QCOMPARE(dialogs.shown.size(), 5);
        QCOMPARE(user.seen.size(), 2);
    }

    void protocolButtons_data()
    {
        const QString mailText =
            "Es wird jetzt Ihr Standard-Email-Programm aufgerufen. Die Fehlerbeschreibung sowie "
            "das Fehlerprotokoll\r\n"
            "wurden zu Ihrer Bequemlichkeit in die Zwischenablage kopiert.\r\n"
            "\r\n"
            "Bitte fügen Sie den Inhalt der Zwischenablage in Ihre Email ein, indem Sie in Ihrem "
            "Email-Programm\r\n"
            "die Tasten [Strg] und [Einfg] gleichzeitig betätigen. Alternativ können Sie den "
            "Inhalt in die EMail\r\n"
            "einfügen, indem Sie den Befehl 'Einfügen' aus dem Menü 'Bearbeiten' ausführen.\r\n"
            "\r\n"
            "\r\n"
            "Your email application will be started. The error description will be copied to "
            "the clipboard.\r\n"
            "\r\n"
            "Please insert the contents of the clipboard into the message body by using Ctrl + V "
            "or \r\n"
            "use the menu or toolbar command of your email program. ";
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("works");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<bool>("onClipboard");
        QTest::newRow("print") << 0 << true << QStringList() << "" << false;
        QTest::newRow("print, no printer")
            << 0 << false
            << QStringList{"Das Fehlerprotokoll konnte nicht gedruckt werden (kein Drucker?).\r\n"
                           "The error protocol could not be printed (no printer?)."}
            << "" << false;
        QTest::newRow("mail") << 2 << true << QStringList{mailText}
                              << "mailto:hilfe@quendo.example.org" << true;
        QTest::newRow("mail, no mail program")
            << 2 << false
            << QStringList{mailText,
                           "Kein Email-Programm gefunden. Bitte senden Sie das Protokoll aus der "
                           "Zwischenablage an hilfe@quendo.example.org.\r\nNo email application "
                           "found. Please send the protocol on the clipboard to "
                           "hilfe@quendo.example.org."}
            << "mailto:hilfe@quendo.example.org" << true;
        QTest::newRow("homepage") << 3 << true << QStringList() << "https://quendo.example.org/"
                                  << true;
        QTest::newRow("homepage, no browser")
            << 3 << false
            << QStringList{"Kein Browser gefunden. Die Homepage ist "
                           "https://quendo.example.org/.\r\n"
                           "No web browser found. The homepage is https://quendo.example.org/."}
            << "https://quendo.example.org/" << true;
    }
    void protocolButtons()
    {
        QFETCH(int, button);
        QFETCH(bool, works);
        QFETCH(QString, opened);
        QFETCH(bool, onClipboard);
        ProgramFolder folder;
        FakeDialogs dialogs;
        Outside outside;
        outside.works = works;
        QApplication::clipboard()->setText("old");
        const ErrorReporting reporting(dialogs, outside.outlets());
        ReportUser user({1});
        user.atShow = [&](ErrPtnr &report) { click(report, QString("cmdProtocol%1").arg(button)); };
        QVERIFY(failOnce(ErrNo::DeviceIoError));

        QStringList messages;
        for (const auto &shown : dialogs.shown)
            messages << shown.text;
        QTEST(messages, "messages");
        QCOMPARE(outside.opened, opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(opened)});
        const QString clipboard = QApplication::clipboard()->text();
        QCOMPARE(clipboard.startsWith(kRule + "\r\nF E H L E R"), onClipboard);
        if (onClipboard)
            QVERIFY(clipboard.contains("error :\t57 (Device I/O error)\r\n"));
        if (button == 0) {
            QCOMPARE(outside.printed.size(), 1);
            QCOMPARE(
                outside.printed[0].mid(0, 3),
                QStringList({kRule + " ",
                             "F E H L E R P R O T O K O L L  /  E R R O R   P R O T O C O L L ",
                             kRule + " "}));
        }
    }

    void nestedErrorWhileShowingIsLoggedAndIgnored()
    {
        ProgramFolder folder;
        FakeDialogs dialogs;
        Outside outside;
        const ErrorReporting reporting(dialogs, outside.outlets());
        ReportUser user({1});
        QStringList nested;
        int reportsOnScreen = 0;
        // As a paint event or a timer running inside the report's loop would.
        user.atShow = [&](ErrPtnr &) {
            bool failed = false; // once, so that a wrong Retry cannot loop
            Procedure paint(Proc::frmQuendo::PaintBack);
            paint.step([&] {
                if (!std::exchange(failed, true))
                    throw RunTimeError(ErrNo::InvalidData, "Back");
                nested << "again";
            });
            paint.step([&] { nested << "went on"; });
            for (QWidget *w : QApplication::topLevelWidgets())
                reportsOnScreen += qobject_cast<ErrPtnr *>(w) && w->isVisible() ? 1 : 0;
        };
        QVERIFY(failOnce(ErrNo::FileNotFound));

        QCOMPARE(user.seen.size(), 1);
        QCOMPARE(reportsOnScreen, 1);
        QCOMPARE(nested, QStringList({"went on"}));
        QCOMPARE(reporting.dialog()->findChild<QLabel *>("lblError2")->text(), "zurueck");
        const QStringList records =
            QString::fromLatin1(folder.read("Quendo.EPT")).split("\r\n\r\n");
        QCOMPARE(records.size(), 3);
        QVERIFY(records[0].contains("Prozedur / procedure:\tzurueck\r\n"));
        QVERIFY(records[1].contains("error :\t380 (Invalid property value): Back\r\n"
                                    "          Modul:\tfrmQuendo\r\n"
                                    "          Prozedur / procedure:\tPaintBack\r\n"));
    }

    void endEndsTheProgramAtOnce()
    {
        ProgramFolder folder;
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--end-child", folder.path()});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 3);
        QCOMPARE(folder.read("Quendo.ini"), QByteArray("[Einstellungen]\r\nSpieler1=Anna\r\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"Quendo.EPT", "Quendo.ini"}));
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
