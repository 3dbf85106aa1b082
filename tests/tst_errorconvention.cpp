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
        Procedure proc(u"frmQuendo", u"NextPlayer");
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
        Procedure proc(u"Allgemein", u"Shutdown");
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
        Procedure proc(u"Allgemein", u"Shutdown");
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
            Procedure proc(u"Allgemein", u"zz");
            proc.step([] { throw RunTimeError(ErrNo::Overflow); });
        };
        Procedure outer(u"frmQuendo", u"NewWord-caller");
        QVERIFY(outer.step(inner));
        QCOMPARE(errors.errors().size(), 1);
        QCOMPARE(errors.errors().first().procedure, QStringLiteral("zz"));
    }

    void otherExceptionsAreReportedToo()
    {
        ErrorRecorder errors(ErrAnswer::Ignore);
        Procedure proc(u"frmQuendo", u"Form_Load");
        proc.step([] { throw std::runtime_error("boom"); });
        QCOMPARE(errors.errors().size(), 1);
        QCOMPARE(errors.errors().first().number, ErrNo::Internal);
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
