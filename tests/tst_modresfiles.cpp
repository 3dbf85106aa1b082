#include "Catalogue.h"
#include "ModResFiles.h"
#include "Sound.h"
#include "TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The cell of a sheet as an image, at the picture's own resolution.
QImage cell(const QImage &sheet, const Catalogue::Bitmap &b, int k)
{
    const qreal dpr = sheet.devicePixelRatio();
    const int w = int(b.width / b.columns * dpr), h = int(b.height / b.rows * dpr);
    return sheet.copy((k % b.columns) * w, (k / b.columns) * h, w, h)
        .convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestModResFiles : public QObject
{
    Q_OBJECT
private slots:
    // Every picture has its size at both resolutions, every sound its rate and length.
    void everyPictureAndSoundAsCatalogued()
    {
        for (const Catalogue::Bitmap &b : Catalogue::bitmaps()) {
            QCOMPARE(LoadResPicture(b.id).size(), QSize(b.width, b.height));
            const QImage crisp = LoadResPicture(b.id, 2.0);
            QCOMPARE(crisp.deviceIndependentSize().toSize(), QSize(b.width, b.height));
            QCOMPARE(crisp.size(), QSize(b.width, b.height) * 2);
        }
        for (const auto &w : Catalogue::windowPictures()) {
            const QString name = QString::fromLatin1(w.name);
            QCOMPARE(LoadWindowPicture(name).size(), QSize(w.width, w.height));
            QCOMPARE(LoadWindowPicture(name, 2.0).size(), QSize(w.width, w.height) * 2);
        }
        for (const Catalogue::Sound &s : Catalogue::sounds()) {
            const std::optional<WavInfo> wav = parseWav(LoadResData(s.id, u"WAV"));
            QVERIFY(wav && wav->sampleRate == s.sampleRate);
            QVERIFY2(qAbs(wav->dataSize * 1000 / s.sampleRate - s.lengthMs) <= 1,
                     qPrintable(QString::number(s.id))); // a byte a sample
        }
    }

    // Letters 0..51 (but for 29, the empty tile) show something other than the blank cell 59;
    // each chalk stage draws more than the one before.
    void everyCellShowsSomethingOfItsOwn()
    {
        for (int set = Catalogue::kFirstPictureSet; set <= Catalogue::kLastPictureSet; ++set) {
            const QImage stages = LoadResPicture(set, 2.0);
            for (int k = 1; k < 10; ++k)
                QVERIFY(cell(stages, *Catalogue::bitmap(set), k) !=
                        cell(stages, *Catalogue::bitmap(set), k - 1));
        }
        for (int id = Catalogue::kFirstLetterStyle;
             id < Catalogue::kFirstLetterStyle + Catalogue::kLetterStyles; ++id) {
            const auto *b = Catalogue::bitmap(id);
            const QImage sheet = LoadResPicture(id, 2.0);
            for (int k = 0; k <= 51; ++k)
                QVERIFY2(k == 29 || (cell(sheet, *b, k) != cell(sheet, *b, 59) &&
                                     cell(sheet, *b, k) != cell(sheet, *b, 29)),
                         qPrintable(QStringLiteral("style %1 cell %2").arg(id).arg(k)));
        }
    }

    // The embedded language table, saved over a longer file, is the built one byte for byte; a
    // missing resource is a run-time error, reported when saving.
    void resourcesAreSavedWholeOrReported()
    {
        QVERIFY_THROWS_EXCEPTION(RunTimeError, LoadResData(111, u"WAV"));
        QVERIFY_THROWS_EXCEPTION(RunTimeError, LoadWindowPicture(u"flag_7"));
        QVERIFY_THROWS_EXCEPTION(RunTimeError, LoadResPicture(99));

        QTemporaryDir dir;
        QFile saved(dir.filePath(QStringLiteral("~tmp.lng")));
        QVERIFY(saved.open(QIODevice::WriteOnly) && saved.write(QByteArray(100000, 'x')) > 0);
        saved.close();
        ErrorRecorder errors(ErrAnswer::Cancel);
        QCOMPARE(SaveResItemToDisk(1000, QStringLiteral("CUSTOM"), saved.fileName()), 0);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), builtLanguageTable());
        SaveResItemToDisk(1001, QStringLiteral("CUSTOM"), dir.filePath(QStringLiteral("x")));
        SaveResItemToDisk(1000, QStringLiteral("CUSTOM"), QStringLiteral("/no/such/folder/x"));
        QCOMPARE(errors.errors().size(), 2);
        QCOMPARE(errors.errors().at(0).procedure, QStringLiteral("SaveResItemToDisk"));
        QCOMPARE(errors.errors().at(0).number, ErrNo::ResourceNotFound);
        QCOMPARE(errors.errors().at(1).number, ErrNo::PathFileAccess);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("x"))));
    }
};

QTEST_MAIN(TestModResFiles)
#include "tst_modresfiles.moc"
