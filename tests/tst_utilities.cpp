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
    void zzCoversTheClosedRangeRepeatablyFromASeed()
    {
        ErrorRecorder errors(ErrAnswer::Ignore);
        const auto draws = [](quint32 seed, qint16 lo, qint16 hi) {
            seedRandom(seed);
            QList<qint16> drawn;
            for (int i = 0; i < 500; ++i)
                drawn << zz(lo, hi);
            return drawn;
        };
        const QList<qint16> some = draws(42, 101, 105);
        QCOMPARE(QSet<qint16>(some.begin(), some.end()), QSet<qint16>({101, 102, 103, 104, 105}));
        QCOMPARE(draws(42, 101, 105), some);
        QCOMPARE(draws(7, 1, 1), QList<qint16>(500, 1));
        for (const qint16 v : draws(7, 0, 32766)) // the widest span that fits 16 bits
            QVERIFY(v >= 0 && v <= 32766);
        QVERIFY(errors.errors().isEmpty());
        QCOMPARE(zz(-32768, 32767), qint16(0));
        QCOMPARE(errors.errors().size(), 1);
        QCOMPARE(errors.errors().first().number, ErrNo::Overflow);
    }

    // The one test that waits on real time: the pause is a wait.
    void pauseHandlesEventsNestsAndNeverEndsEarly()
    {
        QStringList order;
        QTimer::singleShot(0, [&] { order << "posted"; });
        Verzoegerung(0);
        Verzoegerung(-1);
        QVERIFY(order.isEmpty()); // no wait at all: nothing was processed
        QTimer::singleShot(20, [&] {
            order << "inner start";
            Verzoegerung(0.03);
            order << "inner end";
        });
        QElapsedTimer clock;
        clock.start();
        Verzoegerung(0.08);
        order << "outer end";
        // A later end is fine on a busy machine; an earlier one never is.
        QVERIFY2(clock.elapsed() >= 79, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(order, QStringList({"posted", "inner start", "inner end", "outer end"}));
    }
};

QTEST_GUILESS_MAIN(TestUtilities)
#include "tst_utilities.moc"
