#include "assetgen.h"

#include <QFile>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

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

// Three box passes approximate a Gaussian; premultiplied pixels keep the edges clean.
void boxBlur(QImage &img, int radius)
{
    if (radius < 1)
        return;
    const int w = img.width();
    const int h = img.height();
    std::vector<float> a(size_t(w) * size_t(h) * 4);
    std::vector<float> b(a.size());
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            float *px = &a[(size_t(y) * w + x) * 4];
            px[0] = float(qAlpha(line[x]));
            px[1] = float(qRed(line[x]));
            px[2] = float(qGreen(line[x]));
            px[3] = float(qBlue(line[x]));
        }
    }
    const float inv = 1.0f / float(2 * radius + 1);
    auto pass = [&](const std::vector<float> &src, std::vector<float> &dst, bool horizontal) {
        const int len = horizontal ? w : h;
        const int lines = horizontal ? h : w;
        for (int l = 0; l < lines; ++l) {
            auto at = [&](int i) {
                const int c = std::clamp(i, 0, len - 1);
                return (horizontal ? size_t(l) * w + c : size_t(c) * w + l) * 4;
            };
            float sum[4] = {0, 0, 0, 0};
            for (int i = -radius; i <= radius; ++i) {
                const size_t o = at(i);
                for (int ch = 0; ch < 4; ++ch)
                    sum[ch] += src[o + ch];
            }
            for (int i = 0; i < len; ++i) {
                const size_t o = at(i);
                const size_t add = at(i + radius + 1);
                const size_t rem = at(i - radius);
                for (int ch = 0; ch < 4; ++ch) {
                    dst[o + ch] = sum[ch] * inv;
                    sum[ch] += src[add + ch] - src[rem + ch];
                }
            }
        }
    };
    for (int k = 0; k < 3; ++k) {
        pass(a, b, true);
        pass(b, a, false);
    }
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const float *px = &a[(size_t(y) * w + x) * 4];
            auto c = [](float v) { return std::clamp(int(std::lround(v)), 0, 255); };
            const int al = c(px[0]);
            line[x] =
                qRgba(std::min(c(px[1]), al), std::min(c(px[2]), al), std::min(c(px[3]), al), al);
        }
    }
}

// Per-pixel texture hashes its coordinates instead of drawing from a generator, so the 1x and
// the 2x picture get the same pattern.
quint32 hashInts(int x, int y, quint32 seed)
{
    quint32 h = quint32(x) * 0x8da6b343u ^ quint32(y) * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

double hash01(int x, int y, quint32 seed)
{
    return hashInts(x, y, seed) / 4294967296.0;
}

double smoothStep(double t)
{
    return t * t * (3.0 - 2.0 * t);
}

double valueNoise(double x, double y, double cell, quint32 seed)
{
    x /= cell;
    y /= cell;
    const int xi = int(std::floor(x));
    const int yi = int(std::floor(y));
    const double fx = smoothStep(x - xi);
    const double fy = smoothStep(y - yi);
    const double a = hash01(xi, yi, seed);
    const double b = hash01(xi + 1, yi, seed);
    const double c = hash01(xi, yi + 1, seed);
    const double d = hash01(xi + 1, yi + 1, seed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

} // namespace assetgen
