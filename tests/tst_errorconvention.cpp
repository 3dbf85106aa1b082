#include "ErrorConvention.h"
#include "TestSupport.h"

#include <QTest>

class TestErrorConvention : public QObject
{
    Q_OBJECT
private slots:
    void answersActOnTheProcedure_data()
    {
        QTest::addColumn<QList<ErrAnswer>>("answers");
        QTest::addColumn<QStringList>("done");
        const QStringList all{"a0", "b0", "a1", "b1", "a2", "b2", "end"};
        const QStringList skipped{"a0", "b0", "b1", "a2", "b2", "end"};
        const QStringList left{"a0", "b0"};
        using A = ErrAnswer;
        QTest::newRow("retry until it works") << QList{A::Retry, A::Retry} << all;
        QTest::newRow("retry, still failing, then ignore") << QList{A::Retry, A::Ignore} << skipped;
        QTest::newRow("ignore goes on with the next step and pass") << QList{A::Ignore} << skipped;
        QTest::newRow("cancel leaves the procedure") << QList{A::Cancel} << left;
        QTest::newRow("end ends the program") << QList{A::End} << left;
        QTest::newRow("a stray answer cancels") << QList{static_cast<A>(7)} << left;
    }
    void answersActOnTheProcedure()
    {
        QFETCH(QList<ErrAnswer>, answers);
        qsizetype failures = answers.size(); // the step works once the answers are used up
        ErrorRecorder errors(ErrAnswer::Ignore);
        errors.script(answers);
        // Three passes of two steps; the first step of the middle pass fails, thrown by a library.
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
        QCOMPARE(errors.endRequests(), answers.count(ErrAnswer::End));
        QCOMPARE(errors.errors().size(), answers.size());
        const ReportedError &e = errors.errors().first();
        QCOMPARE(QStringList({e.module, e.procedure, QString::number(e.line)}),
                 QStringList({"frmQuendo", "NextPlayer", QString::number(line)}));
        QCOMPARE(e.number, ErrNo::Internal);
    }
};

QTEST_APPLESS_MAIN(TestErrorConvention)
#include "tst_errorconvention.moc"
