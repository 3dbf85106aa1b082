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

int distinctColours(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

} // namespace

class TestModResFiles : public QObject
{
    Q_OBJECT
private slots:
    void everyPictureHasItsSizeAtBothResolutions()
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
    }

    // Every stage adds to the chalk drawing: no two neighbouring stages are equal, and the
    // first is not the empty board.
    void everyStageOfADrawingAddsToIt()
    {
        const QImage empty = LoadWindowPicture(u"tafel").convertToFormat(QImage::Format_ARGB32);
        for (int id = Catalogue::kFirstPictureSet; id <= Catalogue::kLastPictureSet; ++id) {
            const auto *b = Catalogue::bitmap(id);
            const QImage set = LoadResPicture(id);
            QVERIFY(cell(set, *b, 0) != empty);
            for (int k = 1; k < 10; ++k)
                QVERIFY2(cell(set, *b, k) != cell(set, *b, k - 1),
                         qPrintable(QStringLiteral("%1 stage %2").arg(id).arg(k + 1)));
        }
    }

    // Letters 0..51 (but for 29, the empty tile) show something other than the blank cell 59.
    void letterCellsShowSomethingOtherThanTheBlankCell()
    {
        for (int id = Catalogue::kFirstLetterStyle;
             id < Catalogue::kFirstLetterStyle + Catalogue::kLetterStyles; ++id) {
            const auto *b = Catalogue::bitmap(id);
            for (const qreal dpr : {1.0, 2.0}) {
                const QImage sheet = LoadResPicture(id, dpr);
                const QImage blank = cell(sheet, *b, 59);
                const QImage emptyTile = cell(sheet, *b, 29);
                for (int k = 0; k <= 51; ++k) {
                    const QImage c = cell(sheet, *b, k);
                    QVERIFY2(k == 29 || (distinctColours(c) > 3 && c != blank && c != emptyTile),
                             qPrintable(QStringLiteral("style %1 cell %2").arg(id).arg(k)));
                }
            }
        }
    }

    void everySoundHasItsFormatRateAndLength()
    {
        for (const Catalogue::Sound &s : Catalogue::sounds()) {
            const QByteArray wav = LoadResData(s.id, u"WAV");
            const auto info = parseWav(wav);
            QVERIFY2(info && info->sampleRate == s.sampleRate, qPrintable(QString::number(s.id)));
            const double ms = 1000.0 * double(info->dataSize) / s.sampleRate;
            QVERIFY2(qAbs(ms - s.lengthMs) <= 10.0,
                     qPrintable(QStringLiteral("%1: %2 ms").arg(s.id).arg(ms)));
            // Not silent, and no clipping.
            const QByteArrayView samples =
                QByteArrayView(wav).sliced(info->dataOffset, info->dataSize);
            int peak = 0;
            for (const char c : samples)
                peak = qMax(peak, qAbs(int(uchar(c)) - 128));
            QVERIFY2(peak > 20 && peak < 127, qPrintable(QString::number(s.id)));
        }
    }

    // The embedded language table, saved over a longer file, is the built one byte for byte.
    void savedResourceIsTheResourceByteForByte()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("~tmp.lng"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(100000, 'x')) > 0);
        old.close();
        ErrorRecorder errors;
        QCOMPARE(SaveResItemToDisk(1000, QStringLiteral("CUSTOM"), path), 0);
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), builtLanguageTable());
        QVERIFY(errors.errors().isEmpty());
    }

    void missingResourcesAreRunTimeErrors()
    {
        QVERIFY_THROWS_EXCEPTION(RunTimeError, LoadResData(111, u"WAV"));
        QVERIFY_THROWS_EXCEPTION(RunTimeError, LoadResData(1000, u"ICON"));
        QVERIFY_THROWS_EXCEPTION(RunTimeError, LoadWindowPicture(u"flag_7"));
        QVERIFY_THROWS_EXCEPTION(RunTimeError, LoadResPicture(99));

        QTemporaryDir dir;
        ErrorRecorder errors(ErrAnswer::Cancel);
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
