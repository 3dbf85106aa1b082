// Every input kept for the fuzz targets, seeds and past findings alike, checked as the targets
// check it: a fixed finding stays fixed.
#include "FuzzChecks.h"

#include <QDirIterator>
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
            qEnvironmentVariable("QUENDO_SOURCE_DIR") + QStringLiteral("/tests/fuzz/");
        QVERIFY2(QFile::exists(fuzz + QStringLiteral("regressions")), qPrintable(fuzz));
        for (const QString &check : FuzzChecks::names()) {
            for (const char *kind : {"corpus/", "regressions/"}) {
                QDirIterator files(fuzz + QLatin1StringView(kind) + check, QDir::Files);
                while (files.hasNext()) {
                    files.next();
                    QTest::newRow(
                        qPrintable(check + u'/' + QLatin1StringView(kind) + files.fileName()))
                        << check << files.filePath();
                }
            }
        }
    }
    void keptInputsHold()
    {
        QFETCH(QString, check);
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString broken = FuzzChecks::check(check, file.readAll());
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }
};

QTEST_GUILESS_MAIN(TestFuzzRegressions)
#include "tst_fuzzregressions.moc"
