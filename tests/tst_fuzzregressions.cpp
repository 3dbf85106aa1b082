// Every input kept for the fuzz targets, seeds and past findings alike, checked as the targets
// check it: a fixed finding stays fixed.
#include "FuzzChecks.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestFuzzRegressions : public QObject
{
    Q_OBJECT
private slots:
    void keptInputsHold_data()
    {
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("path");
        const QString fuzz =
            qEnvironmentVariable("QUENDO_SOURCE_DIR") + QStringLiteral("/tests/fuzz");
        int inputs = 0;
        for (const QString &check : FuzzChecks::names()) {
            for (const char *kind : {"corpus", "regressions"}) {
                const QDir dir(fuzz + u'/' + QLatin1StringView(kind) + u'/' + check);
                for (const QString &file : dir.entryList(QDir::Files, QDir::Name)) {
                    const QString row = check + u'/' + QLatin1StringView(kind) + u'/' + file;
                    QTest::newRow(qPrintable(row)) << check << dir.filePath(file);
                    ++inputs;
                }
            }
        }
        // Each check has at least its seeds: an empty table would test nothing.
        QVERIFY(inputs >= FuzzChecks::names().size());
    }
    void keptInputsHold()
    {
        QFETCH(QString, check);
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const FuzzChecks::Check run = FuzzChecks::checkNamed(check);
        QVERIFY(run);
        const QString broken = run(file.readAll());
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }
};

QTEST_GUILESS_MAIN(TestFuzzRegressions)
#include "tst_fuzzregressions.moc"
