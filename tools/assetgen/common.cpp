#include "assetgen.h"

#include <QFile>
#include <QImageWriter>
#include <QPainter>

#include <cstdio>
#include <cstdlib>

namespace assetgen {

QImage paintPicture(QSize size, int scale, quint32 seed, const PaintFn &paint, QColor fill)
{
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    QRandomGenerator rng(seed);
    paint(p, rng);
    p.end();
    return image;
}

void renderPicture(const QDir &dir, const QString &name, QSize size, quint32 seed,
                   const PaintFn &paint, QColor fill)
{
    savePng(paintPicture(size, 1, seed, paint, fill), dir.filePath(name + QStringLiteral(".png")));
    savePng(paintPicture(size, 2, seed, paint, fill),
            dir.filePath(name + QStringLiteral("@2x.png")));
}

static bool isOpaque(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) != 255)
                return false;
        }
    }
    return true;
}

void savePng(const QImage &image, const QString &path)
{
    // Opaque pictures are stored without an alpha channel: smaller, and boards need none.
    const QImage out =
        image.convertToFormat(isOpaque(image) ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    QImageWriter writer(path, "png");
    writer.setCompression(100); // Qt maps 0..100 onto zlib 0..9
    if (!writer.write(out)) {
        std::fprintf(stderr, "assetgen: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        std::exit(1);
    }
}

} // namespace assetgen
