#include "TestSupport.h"
#include "Utilities.h"

#include <QElapsedTimer>
#include <QSet>
#include <QTest>
#include <QTimer>

class TestUtilities : public QObject
{
    Q_OBJECT
private slots:
    void zzCoversTheClosedRangeAndNothingElse()
    {
        seedRandom(42);
        QSet<qint16> seen;
        for (int i = 0; i < 2000; ++i) {
            const qint16 v = zz(101, 105);
            QVERIFY2(v >= 101 && v <= 105, qPrintable(QString::number(v)));
            seen.insert(v);
        }
        QCOMPARE(seen.size(), 5);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(zz(1, 1), qint16(1));
        for (int i = 0; i < 1000; ++i) {
            const qint16 v = zz(-32768, 32766);
            QVERIFY(v >= -32768 && v <= 32766);
        }
    }

    void zzIsRepeatableFromASeed()
    {
        seedRandom(7);
        QList<qint16> a;
        for (int i = 0; i < 20; ++i)
            a << zz(0, 28);
        seedRandom(7);
        for (int i = 0; i < 20; ++i)
            QCOMPARE(zz(0, 28), a.at(i));
    }

    void zzOverflowIsReported()
    {
        ErrorRecorder errors(ErrAnswer::Ignore);
        QCOMPARE(zz(-32768, 32767), qint16(0));
        QCOMPARE(errors.errors().size(), 1);
        QCOMPARE(errors.errors().first().procedure, QStringLiteral("zz"));
        QCOMPARE(errors.errors().first().number, ErrNo::Overflow);
    }

    void zeroPauseReturnsAtOnce()
    {
        bool ran = false;
        QTimer::singleShot(0, [&] { ran = true; });
        Verzoegerung(0);
        QVERIFY(!ran); // nothing was processed: it did not wait at all
        Verzoegerung(-1);
        QTest::qWait(1);
        QVERIFY(ran);
    }

    void pauseKeepsHandlingEventsAndNeverEndsEarly()
    {
        QStringList order;
        QTimer::singleShot(0, [&] { order << QStringLiteral("posted at once"); });
        QTimer::singleShot(30, [&] { order << QStringLiteral("timer inside"); });
        QElapsedTimer clock;
        clock.start();
        Verzoegerung(0.1);
        order << QStringLiteral("pause over");
        // A later end is fine on a busy machine; an earlier one never is.
        QVERIFY2(clock.elapsed() >= 99, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(order, QStringList({"posted at once", "timer inside", "pause over"}));
    }

    void pausesNestInsideEachOther()
    {
        QStringList order;
        QTimer::singleShot(20, [&] {
            order << QStringLiteral("inner start");
            Verzoegerung(0.05);
            order << QStringLiteral("inner end");
        });
        Verzoegerung(0.15);
        order << QStringLiteral("outer end");
        QCOMPARE(order, QStringList({"inner start", "inner end", "outer end"}));
    }
};

QTEST_GUILESS_MAIN(TestUtilities)
#include "tst_utilities.moc"
