#include "ErrorConvention.h"
#include "TestSupport.h"

#include <QTest>

namespace {

// A procedure of three steps whose middle step fails `failures` times.
struct ThreeSteps
{
    int failures = 0;
    QStringList done;

    int run()
    {
        int result = -1;
        Procedure proc({u"frmQuendo", u"NextPlayer"});
        proc.step([&] { done << QStringLiteral("first"); });
        proc.step([&] {
            if (failures > 0) {
                --failures;
                throw RunTimeError(ErrNo::SubscriptOutOfRange);
            }
            done << QStringLiteral("second");
            result = 2;
        });
        proc.step([&] { done << QStringLiteral("third"); });
        return result;
    }
};

} // namespace

class TestErrorConvention : public QObject
{
    Q_OBJECT
private slots:
    void retryRunsTheFailingStepAgain()
    {
        ErrorRecorder errors;
        errors.script({ErrAnswer::Retry});
        ThreeSteps p{1, {}};
        QCOMPARE(p.run(), 2);
        QCOMPARE(p.done, QStringList({"first", "second", "third"}));
        QCOMPARE(errors.errors().size(), 1);
        QCOMPARE(errors.errors().first().module, QStringLiteral("frmQuendo"));
        QCOMPARE(errors.errors().first().procedure, QStringLiteral("NextPlayer"));
        QCOMPARE(errors.errors().first().number, ErrNo::SubscriptOutOfRange);
    }

    void retryAsksAgainWhileTheStepKeepsFailing()
    {
        ErrorRecorder errors;
        errors.script({ErrAnswer::Retry, ErrAnswer::Retry, ErrAnswer::Ignore});
        ThreeSteps p{5, {}};
        QCOMPARE(p.run(), -1);
        QCOMPARE(errors.errors().size(), 3);
        QCOMPARE(p.done, QStringList({"first", "third"}));
    }

    void ignoreGoesOnWithTheNextStep()
    {
        ErrorRecorder errors(ErrAnswer::Ignore);
        ThreeSteps p{1, {}};
        QCOMPARE(p.run(), -1);
        QCOMPARE(p.done, QStringList({"first", "third"}));
    }

    void cancelLeavesTheProcedureWithItsResultSoFar()
    {
        ErrorRecorder errors(ErrAnswer::Cancel);
        ThreeSteps p{1, {}};
        QCOMPARE(p.run(), -1);
        QCOMPARE(p.done, QStringList({"first"}));
    }

    void endEndsTheProgram()
    {
        ErrorRecorder errors(ErrAnswer::End);
        ThreeSteps p{1, {}};
        p.run();
        QCOMPARE(errors.endRequests(), 1);
        QCOMPARE(p.done, QStringList({"first"}));
    }

    void ignoreInALoopBodyGoesOnWithTheNextPass()
    {
        ErrorRecorder errors(ErrAnswer::Ignore);
        Procedure proc({u"Allgemein", u"Shutdown"});
        QList<int> seen;
        for (int i = 0; i < 4; ++i) {
            if (!proc.step([&] {
                    if (i == 1)
                        throw RunTimeError(ErrNo::FileNotFound);
                    seen << i;
                }))
                break;
        }
        QCOMPARE(seen, QList<int>({0, 2, 3}));
        QCOMPARE(errors.errors().size(), 1);
    }

    void cancelInALoopStopsTheLoop()
    {
        ErrorRecorder errors(ErrAnswer::Cancel);
        Procedure proc({u"Allgemein", u"Shutdown"});
        QList<int> seen;
        for (int i = 0; i < 4; ++i) {
            if (!proc.step([&] {
                    if (i == 1)
                        throw RunTimeError(ErrNo::FileNotFound);
                    seen << i;
                }))
                break;
        }
        QCOMPARE(seen, QList<int>({0}));
        QVERIFY(proc.cancelled());
    }

    void innerProcedureReportsUnderItsOwnName()
    {
        ErrorRecorder errors(ErrAnswer::Ignore);
        auto inner = [] {
            Procedure proc({u"Allgemein", u"zz"});
            proc.step([] { throw RunTimeError(ErrNo::Overflow); });
        };
        Procedure outer({u"frmQuendo", u"NewWord-caller"});
        QVERIFY(outer.step(inner));
        QCOMPARE(errors.errors().size(), 1);
        QCOMPARE(errors.errors().first().procedure, QStringLiteral("zz"));
    }

    void otherExceptionsAreReportedToo()
    {
        ErrorRecorder errors(ErrAnswer::Ignore);
        Procedure proc({u"frmQuendo", u"Form_Load"});
        proc.step([] { throw std::runtime_error("boom"); });
        QCOMPARE(errors.errors().size(), 1);
        QCOMPARE(errors.errors().first().number, ErrNo::Internal);
    }

    void everyReportingProcedureHasItsDocumentedName()
    {
        // The names as users and support know them from the reports, irregular capitals kept.
        const QStringList expected = {
            "frmQuendo: GetTipp loadAlpha NextPlayer PaintBack posAlpha positionieren ShowLetters "
            "Sprache StartGame WaitForNext WortAnzeigen WortList zurueck Form_Activate "
            "Form_KeyPress Form_Load Form_Resize Form_Unload imgAlpha_click imgLang_Click "
            "List1_Ini mnuEMail_Click mnuhilfe_Click mnuHomepage_Click mnuUeber_Click PicBut_Click",
            "frmInfo: Sprache Form_Load imgLang_Click cmdOK_Click Timer1_Timer",
            "frmOpt: chkAnzeige_Click chkSound_Click cmdOK_Click EditButt_Click Form_Activate "
            "Form_Load Password_Click txtSpieler_Change txtSpieler_GotFocus vscZahl_Change "
            "wiederh_Click WortSch_Click WortSch_DblClick",
            "WEdit: Abbruch_Click cmdNeu_Click Form_Load Hinzuf_Click List1_Click List1_DblClick "
            "List1_Ini Loesch_Click cmdOK_Click OK_Click Speichern_Click Text1_GotFocus "
            "Text1_KeyPress",
            "Allgemein: Encrypt GetIniInt GetIniString GetLang GetTempDir Main PlayWAV SaveIni "
            "Shutdown TrimNull Verzoegerung zz",
            "ModResFiles: SaveResItemToDisk",
            "frmLetters: cmdOK_Click Form_Load picLetter_Click picLetter_DblClick",
            "frmBack: cmdOK_Click Form_Load picBack_Click picBack_DblClick",
        };
        QStringList table;
        for (const ProcName &name : allProcedureNames()) {
            const QString module = name.module.toString() + u':';
            if (table.isEmpty() || !table.last().startsWith(module))
                table.append(module);
            table.last() += u' ' + name.procedure.toString();
        }
        QCOMPARE(table, expected);
        QCOMPARE(Proc::frmOpt::vscZahl_Change.procedure, u"vscZahl_Change");
        QCOMPARE(Proc::frmQuendo::mnuhilfe_Click.module, u"frmQuendo");
    }

    void failingStepsReportTheirSourceLine()
    {
        ErrorRecorder errors(ErrAnswer::Ignore);
        Procedure proc({u"frmQuendo", u"Form_Load"});
        const int line = __LINE__ + 1;
        proc.step([] { throw RunTimeError(ErrNo::Overflow); });
        QCOMPARE(errors.errors().size(), 1);
        QCOMPARE(errors.errors().first().line, line);
    }

    void descriptionNamesNumberAndMessage()
    {
        const RunTimeError e(ErrNo::Overflow);
        QCOMPARE(e.description(), QStringLiteral("6 (Overflow)"));
        QVERIFY(RunTimeError(ErrNo::FileNotFound, QStringLiteral("x.dat"))
                    .description()
                    .endsWith(QStringLiteral("x.dat")));
        QVERIFY_THROWS_EXCEPTION(RunTimeError, checkedInt16(32768));
        QCOMPARE(checkedInt16(-32768), qint16(-32768));
    }
};

QTEST_APPLESS_MAIN(TestErrorConvention)
#include "tst_errorconvention.moc"
