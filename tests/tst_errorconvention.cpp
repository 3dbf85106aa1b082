#include "ErrorConvention.h"
#include "TestSupport.h"

#include <QTest>

class TestErrorConvention : public QObject
{
    Q_OBJECT
private slots:
    void answersActOnTheProcedure_data()
    {
        QTest::addColumn<int>("failures");
        QTest::addColumn<QList<ErrAnswer>>("answers");
        QTest::addColumn<QStringList>("done");
        QTest::addColumn<int>("ends");
        const QStringList all{"a0", "b0", "a1", "b1", "a2", "b2", "end"};
        const QStringList skipped{"a0", "b0", "b1", "a2", "b2", "end"};
        const QStringList left{"a0", "b0"};
        using A = ErrAnswer;
        QTest::newRow("retry until it works") << 2 << QList{A::Retry, A::Retry} << all << 0;
        QTest::newRow("retry, still failing, then ignore")
            << 5 << QList{A::Retry, A::Ignore} << skipped << 0;
        QTest::newRow("ignore goes on with the next step and pass")
            << 1 << QList{A::Ignore} << skipped << 0;
        QTest::newRow("cancel leaves the procedure") << 1 << QList{A::Cancel} << left << 0;
        QTest::newRow("end ends the program") << 1 << QList{A::End} << left << 1;
        QTest::newRow("a stray answer cancels") << 1 << QList{static_cast<A>(7)} << left << 0;
    }
    void answersActOnTheProcedure()
    {
        QFETCH(int, failures);
        QFETCH(QList<ErrAnswer>, answers);
        ErrorRecorder errors(ErrAnswer::Ignore);
        errors.script(answers);
        // Three passes of two steps; the first step of the middle pass fails, with an exception
        // of the library rather than a RunTimeError.
        QStringList done;
        Procedure proc(Proc::frmQuendo::NextPlayer);
        int line = 0;
        for (int pass = 0; pass < 3; ++pass) {
            line = __LINE__ + 1;
            if (!proc.step([&] {
                    if (pass == 1 && failures-- > 0)
                        throw std::runtime_error("no memory");
                    done << QString("a%1").arg(pass);
                }))
                break;
            if (!proc.step([&] { done << QString("b%1").arg(pass); }))
                break;
        }
        proc.step([&] { done << "end"; });
        QTEST(done, "done");
        QTEST(errors.endRequests(), "ends");
        QCOMPARE(errors.errors().size(), answers.size());
        const ReportedError &e = errors.errors().first();
        QCOMPARE(QStringList({e.module, e.procedure}), QStringList({"frmQuendo", "NextPlayer"}));
        QCOMPARE(e.number, ErrNo::Internal);
        QCOMPARE(e.line, line);
    }
};

QTEST_APPLESS_MAIN(TestErrorConvention)
#include "tst_errorconvention.moc"
