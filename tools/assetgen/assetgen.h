// The asset generator: draws every picture and synthesises every sound the game embeds.
// Each render function writes its files below the given resources folder. Everything is
// deterministic: the same run always gives byte-identical files.
#pragma once

#include <QDir>
#include <QImage>
#include <QRandomGenerator>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;

namespace assetgen {

// Paints one picture in logical pixels. The painter is already scaled for the resolution being
// rendered; `rng` is freshly seeded with the same seed for every resolution, so the 1x and the 2x
// picture show the same drawing.
using PaintFn = std::function<void(QPainter &p, QRandomGenerator &rng)>;

// Renders `paint` at size and at twice the size and writes `<dir>/<name>.png` and
// `<dir>/<name>@2x.png`. The image starts fully transparent unless `fill` is opaque.
void renderPicture(const QDir &dir, const QString &name, QSize size, quint32 seed,
                   const PaintFn &paint, QColor fill = Qt::transparent);

// Same drawing, returned instead of written (scale 1 or 2).
QImage paintPicture(QSize size, int scale, quint32 seed, const PaintFn &paint,
                    QColor fill = Qt::transparent);

// A hash of pixel coordinates: texture that is the same at every resolution.
quint32 hashInts(int x, int y, quint32 seed);
// The same, as 0 <= value < 1.
double hash01(int x, int y, quint32 seed);
// 3t^2 - 2t^3: a soft ramp from 0 to 1.
double smoothStep(double t);

// Smooth value noise in [0, 1] with features of about `cell` pixels.
double valueNoise(double x, double y, double cell, quint32 seed);

// Blurs a premultiplied ARGB picture in place (radius in pixels of that picture).
void boxBlur(QImage &img, int radius);

// Writes a PNG without any time stamp or other varying metadata; aborts the tool on failure.
void savePng(const QImage &image, const QString &path);

// resources/bitmap/<id>.png for picture sets 101..105, resources/window/tafel.png (empty board).
void renderChalkPictures(const QDir &resources);
// resources/bitmap/200..203.png
void renderBackgrounds(const QDir &resources);
// resources/bitmap/111..121.png
void renderLetterSheets(const QDir &resources);
// resources/window/: logo, toolbar buttons, flags, info artwork, small picture, program icon.
void renderWindowArt(const QDir &resources);
// resources/wav/100..110.wav
void synthesiseSounds(const QDir &resources);
// A PNG showing every picture below resources/ at its real size (not embedded).
void writeContactSheet(const QDir &resources, const QString &path);

} // namespace assetgen
