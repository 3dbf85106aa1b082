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
    void zzDrawsTheClosedRangeRepeatablyFromASeed()
    {
        ErrorRecorder errors(ErrAnswer::Ignore);
        const auto draws = [](qint16 lo, qint16 hi) {
            seedRandom(42);
            QList<qint16> drawn(500);
            for (qint16 &v : drawn)
                v = zz(lo, hi);
            return drawn;
        };
        const QList<qint16> some = draws(101, 105);
        QCOMPARE(QSet<qint16>(some.begin(), some.end()), QSet<qint16>({101, 102, 103, 104, 105}));
        QCOMPARE(draws(101, 105), some);
        QCOMPARE(draws(1, 1), QList<qint16>(500, 1));
        for (const qint16 v : draws(0, 32766)) // the widest span that fits 16 bits
            QVERIFY(v >= 0 && v < 32767);
        QCOMPARE(zz(-32768, 32767), qint16(0));
        QCOMPARE(errors.errors().size(), 1); // and none before
        QCOMPARE(errors.errors().first().number, ErrNo::Overflow);
    }

    // The one test that waits on real time: the pause is a wait.
    void pauseHandlesEventsNestsAndNeverEndsEarly()
    {
        QStringList order;
        QTimer::singleShot(0, [&] { order << "posted"; });
        Verzoegerung(0);
        QVERIFY(order.isEmpty()); // no wait at all: nothing was processed
        QTimer::singleShot(20, [&] {
            order << "inner";
            Verzoegerung(0.03);
            order << "inner end";
        });
        QElapsedTimer clock;
        clock.start();
        Verzoegerung(0.08);
        // A later end is fine on a busy machine; an earlier one never is.
        QVERIFY2(clock.elapsed() >= 79, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(order, QStringList({"posted", "inner", "inner end"}));
    }
};

QTEST_GUILESS_MAIN(TestUtilities)
#include "tst_utilities.moc"
