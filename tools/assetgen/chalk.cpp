// The chalk board and the five picture sets drawn on it. A set is a strip of ten stages of
// 300 x 200, one under the other; stage n shows the first n elements, so every wrong guess adds
// exactly one visible thing and the tenth stage is the finished picture.
#include "assetgen.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <QTransform>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <initializer_list>
#include <thread>
#include <vector>

namespace assetgen {
namespace {

constexpr int kW = 300;
constexpr int kH = 200;
constexpr int kStages = 10;
constexpr double kFrame = 7.0;

const QColor kWhite(0xF6, 0xF4, 0xEC);
const QColor kYellow(0xFC, 0xE3, 0x7C);
const QColor kPink(0xF7, 0xA8, 0xC6);
const QColor kBlue(0xA3, 0xD5, 0xF5);
const QColor kGreen(0xAE, 0xE2, 0x93);
const QColor kOrange(0xF9, 0xB5, 0x6E);
const QColor kCoral(0xF5, 0x8E, 0x88);
const QColor kOchre(0xDE, 0xB0, 0x7C);
const QColor kLilac(0xCF, 0xB2, 0xF2);
const QColor kCoal(0x1E, 0x26, 0x22);

// ---- Noise. Per-pixel texture hashes its coordinates instead of drawing from a generator:
// the 1x and the 2x picture visit different numbers of pixels but must keep the same drawing.

// Smooth 1-D noise in [-1, 1].
double noise1(double t, quint32 seed)
{
    const int i = int(std::floor(t));
    const double f = smoothStep(t - i);
    const double a = hash01(i, 7, seed);
    const double b = hash01(i + 1, 7, seed);
    return (a + (b - a) * f) * 2.0 - 1.0;
}

int scaleOf(const QPainter &p)
{
    return std::max(1, qRound(p.worldTransform().m11()));
}

// ---- The board

QRgb mixRgb(const QColor &a, const QColor &b, double t, double shade)
{
    auto ch = [&](int x, int y) {
        return std::clamp(int(std::lround((x + (y - x) * t) * shade)), 0, 255);
    };
    return qRgb(ch(a.red(), b.red()), ch(a.green(), b.green()), ch(a.blue(), b.blue()));
}

// Light wood for the frame; `along` runs with the piece, `across` from its outer edge inwards.
QRgb woodPixel(double along, double across, int piece, double seam)
{
    const QColor light(0xE8, 0xC8, 0x98);
    const QColor dark(0xC4, 0x95, 0x5E);
    const quint32 seed = 40u + quint32(piece);
    const double wobble = 1.6 * valueNoise(along, 3.0, 28.0, seed + 10u);
    const double streak = valueNoise(along / 9.0, (across + wobble) * 1.3, 1.0, seed);
    const double fine = valueNoise(along / 3.0, (across + wobble) * 3.0, 1.0, seed + 20u);
    double t = 0.18 + 0.45 * streak * streak + 0.15 * fine;
    // A rounded profile lit from the top left: top and left pieces a little brighter.
    const double profile = std::sin(M_PI * std::clamp(across / kFrame, 0.0, 1.0));
    const double light0 = (piece == 0 || piece == 2) ? 1.04 : 0.92;
    double shade = light0 * (0.86 + 0.16 * profile);
    if (across < 0.6 || across > kFrame - 0.7)
        shade *= 0.72;
    if (seam < 0.45)
        shade *= 0.8;
    t = std::clamp(t, 0.0, 1.0);
    return mixRgb(light, dark, t, shade);
}

// The slate with its wiped haze, without the frame.
QImage boardSurface(int s)
{
    QImage img(kW * s, kH * s, QImage::Format_ARGB32_Premultiplied);
    const QColor dark(0x23, 0x40, 0x2F);
    const QColor light(0x2E, 0x53, 0x39);
    for (int y = 0; y < img.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        const double ly = (y + 0.5) / s;
        for (int x = 0; x < img.width(); ++x) {
            const double lx = (x + 0.5) / s;
            double n = 0.55 * valueNoise(lx, ly, 80.0, 11u) + 0.3 * valueNoise(lx, ly, 26.0, 12u) +
                       0.15 * valueNoise(lx, ly, 8.0, 13u);
            n = std::clamp((n - 0.5) * 2.2 + 0.5, 0.0, 1.0);
            line[x] = mixRgb(dark, light, n, 1.0);
        }
    }

    // Wiped chalk: broad sweeps of a cloth and a few smudges, blurred into a haze.
    QImage haze(img.size(), QImage::Format_ARGB32_Premultiplied);
    haze.fill(Qt::transparent);
    {
        QPainter hp(&haze);
        hp.setRenderHint(QPainter::Antialiasing);
        hp.scale(s, s);
        QRandomGenerator rng(0x7AF31u);
        auto r = [&](double lo, double hi) { return lo + (hi - lo) * rng.generateDouble(); };
        for (int i = 0; i < 11; ++i) {
            const QPointF a(r(-30, 200), r(15, 185));
            const double len = r(120, 260);
            const double bow = r(-35, 35);
            QPainterPath sweep;
            sweep.moveTo(a);
            sweep.cubicTo(a + QPointF(len * 0.3, bow), a + QPointF(len * 0.7, bow),
                          a + QPointF(len, r(-20, 20)));
            hp.setPen(
                QPen(QColor(255, 255, 255, int(r(4, 11))), r(12, 34), Qt::SolidLine, Qt::RoundCap));
            hp.drawPath(sweep);
        }
        // Circular rubbing marks.
        for (int i = 0; i < 4; ++i) {
            const QPointF c(r(40, 260), r(40, 160));
            const double rad = r(14, 28);
            hp.setPen(QPen(QColor(255, 255, 255, int(r(6, 11))), r(6, 12)));
            hp.setBrush(Qt::NoBrush);
            hp.drawEllipse(c, rad * 1.4, rad);
        }
        hp.setPen(Qt::NoPen);
        for (int i = 0; i < 7; ++i) {
            hp.setBrush(QColor(255, 255, 255, int(r(5, 10))));
            hp.drawEllipse(QPointF(r(20, 280), r(20, 180)), r(14, 40), r(8, 20));
        }
        // Dust settles towards the bottom edge.
        QLinearGradient dust(0, 160, 0, kH - kFrame);
        dust.setColorAt(0, QColor(255, 255, 255, 0));
        dust.setColorAt(1, QColor(255, 255, 255, 26));
        hp.fillRect(QRectF(0, 160, kW, 40), dust);
    }
    boxBlur(haze, 5 * s);
    {
        QPainter bp(&img);
        bp.drawImage(0, 0, haze);
    }
    return img;
}

QImage makeBoard(int s)
{
    // The surface is so smooth that it looks the same when kept at half the resolution and
    // blown up in whole blocks; that spares the PNG encoder most of its work on the tall strips.
    QImage img = boardSurface(1)
                     .scaled(kW / 2, kH / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                     .scaled(kW * s, kH * s, Qt::IgnoreAspectRatio, Qt::FastTransformation);

    // Frame with mitred corners, and the shadow it casts onto the board.
    for (int y = 0; y < img.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        const double ly = (y + 0.5) / s;
        for (int x = 0; x < img.width(); ++x) {
            const double lx = (x + 0.5) / s;
            const std::array<double, 4> dist = {ly, lx, kH - ly, kW - lx}; // top left bottom right
            int piece = 0;
            for (int i = 1; i < 4; ++i) {
                if (dist[i] < dist[piece])
                    piece = i;
            }
            const double d = dist[piece];
            if (d < kFrame) {
                double second = 1e9;
                for (int i = 0; i < 4; ++i) {
                    if (i != piece)
                        second = std::min(second, dist[i]);
                }
                const double along = (piece % 2 == 0) ? lx : ly;
                line[x] = woodPixel(along, d, piece, second - d);
            } else {
                const double inner = d - kFrame;
                const double shadow = 1.0 - 0.5 * std::exp(-inner / 1.5);
                const QRgb c = line[x];
                line[x] =
                    qRgb(int(qRed(c) * shadow), int(qGreen(c) * shadow), int(qBlue(c) * shadow));
            }
        }
    }
    return img;
}

// Chalk picks up the board's tooth: a fixed speckle pattern in board coordinates. It is made at
// the 2x grid; the 1x mask averages 2 x 2 blocks, so both sizes carry the same texture.
std::vector<float> grainMask(int s)
{
    const int w2 = kW * 2;
    const int h2 = kH * 2;
    std::vector<float> m2(size_t(w2) * h2);
    for (int y = 0; y < h2; ++y) {
        for (int x = 0; x < w2; ++x) {
            const double lx = (x + 0.5) / 2.0;
            const double ly = (y + 0.5) / 2.0;
            const double lf = valueNoise(lx, ly, 11.0, 21u);
            const double mf = valueNoise(lx, ly, 1.3, 22u);
            const double hf = hash01(x, y, 23u);
            double v = 0.9 + 0.3 * (lf - 0.5) + 0.55 * (mf - 0.5) + 0.4 * (hf - 0.5);
            if (hash01(x, y, 24u) < 0.07)
                v *= 0.35;
            m2[size_t(y) * w2 + x] = float(std::clamp(v, 0.0, 1.0));
        }
    }
    if (s == 2)
        return m2;
    std::vector<float> m1(size_t(kW) * kH);
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            const size_t o = size_t(2 * y) * w2 + 2 * x;
            m1[size_t(y) * kW + x] = (m2[o] + m2[o + 1] + m2[o + w2] + m2[o + w2 + 1]) / 4.0f;
        }
    }
    return m1;
}

void applyGrain(QImage &layer, const std::vector<float> &mask)
{
    const int w = layer.width();
    for (int y = 0; y < layer.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(layer.scanLine(y));
        const float *m = &mask[size_t(y) * w];
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[x];
            if (qAlpha(c) == 0)
                continue;
            auto f = [&](int v) { return int(std::lround(v * m[x])); };
            line[x] = qRgba(f(qRed(c)), f(qGreen(c)), f(qBlue(c)), f(qAlpha(c)));
        }
    }
}

// ---- Path helpers

QPainterPath polyPath(std::initializer_list<QPointF> pts, bool closed)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF &pt : pts) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    if (closed)
        path.closeSubpath();
    return path;
}

QPainterPath circlePath(QPointF c, double rx, double ry = -1)
{
    QPainterPath path;
    path.addEllipse(c, rx, ry < 0 ? rx : ry);
    return path;
}

// A pointed leaf or petal from `base` to `tip`, `width` wide, bowed sideways by `bend`.
QPainterPath leafPath(QPointF base, QPointF tip, double width, double bend = 0)
{
    const QPointF d = tip - base;
    const double len = std::hypot(d.x(), d.y());
    const QPointF n(-d.y() / len, d.x() / len);
    const QPointF mid = (base + tip) / 2 + n * bend;
    QPainterPath path;
    path.moveTo(base);
    path.quadTo(mid + n * width, tip);
    path.quadTo(mid - n * width, base);
    path.closeSubpath();
    return path;
}

QPainterPath starPath(QPointF c, double outer, double inner, int points, double turnDeg = 0)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double a = qDegreesToRadians(turnDeg - 90.0 + 180.0 * i / points);
        const double rad = (i % 2 == 0) ? outer : inner;
        const QPointF pt(c.x() + rad * std::cos(a), c.y() + rad * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

// A flat-bottomed cloud, `w` wide and `h` high, centred on c.
QPainterPath cloudPath(QPointF c, double w, double h)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(c.x() - w / 2, c.y(), w, h / 2), h / 4, h / 4);
    path = path.united(circlePath(QPointF(c.x() - w * 0.26, c.y() + h * 0.12), h * 0.36));
    path = path.united(circlePath(QPointF(c.x() + w * 0.02, c.y() - h * 0.08), h * 0.5));
    path = path.united(circlePath(QPointF(c.x() + w * 0.28, c.y() + h * 0.1), h * 0.34));
    return path.simplified();
}

// The lower arc of an ellipse, for smiles.
QPainterPath smilePath(QPointF c, double w, double h)
{
    QPainterPath path;
    const QRectF box(c.x() - w / 2, c.y() - h, w, 2 * h);
    path.arcMoveTo(box, 200);
    path.arcTo(box, 200, 140);
    return path;
}

// ---- Chalk strokes

class Chalk
{
public:
    Chalk(QPainter &painter, quint32 seed) : p(painter), rng(seed) {}

    double r(double lo, double hi) { return lo + (hi - lo) * rng.generateDouble(); }

    // Several thin passes with small offsets, each with its own little gaps; the board's grain
    // is added later for the whole layer.
    void stroke(const QPainterPath &path, const QColor &col, double w = 3.0, double strength = 1.0)
    {
        const QList<QPolygonF> polys = path.toSubpathPolygons();
        for (const QPolygonF &poly : polys)
            strokePolygon(poly, col, w, strength);
    }

    void line(QPointF a, QPointF b, const QColor &col, double w = 3.0, double strength = 1.0)
    {
        // Hand-drawn lines run a little past their corners.
        const QLineF l(a, b);
        const double len = std::max(l.length(), 0.01);
        const QPointF u = (b - a) / len;
        const QPointF a2 = a - u * r(0.0, 1.4);
        const QPointF b2 = b + u * r(0.0, 1.4);
        stroke(polyPath({a2, b2}, false), col, w, strength);
    }

    void rect(const QRectF &box, const QColor &col, double w = 3.0)
    {
        line(box.topLeft(), box.topRight(), col, w);
        line(box.topRight(), box.bottomRight(), col, w);
        line(box.bottomRight(), box.bottomLeft(), col, w);
        line(box.bottomLeft(), box.topLeft(), col, w);
    }

    // An ellipse drawn in one go, with the ends overlapping a little where the hand closed it.
    void loop(QPointF c, double rx, double ry, const QColor &col, double w = 3.0)
    {
        const double start = r(0, 360);
        const double extra = r(8, 22);
        QPainterPath path;
        for (double a = 0; a <= 360 + extra; a += 3) {
            const double rad = qDegreesToRadians(start + a);
            const double k = 1.0 + 0.012 * std::sin(rad * 3 + start);
            const QPointF pt(c.x() + rx * k * std::cos(rad), c.y() + ry * k * std::sin(rad));
            if (a == 0)
                path.moveTo(pt);
            else
                path.lineTo(pt);
        }
        stroke(path, col, w);
    }

    // The side of the chalk: a light wash and close, slightly wavy hatching.
    void fill(const QPainterPath &area, const QColor &tint, double strength)
    {
        // Coloured chalk rubbed on its side looks paler than a line of the same stick.
        const QColor col =
            QColor::fromRgbF(float(tint.redF() * 0.85 + 0.15), float(tint.greenF() * 0.85 + 0.15),
                             float(tint.blueF() * 0.85 + 0.15));
        strength = std::min(1.0, strength * 1.2 + 0.05);
        p.save();
        p.setClipPath(area, Qt::IntersectClip);
        QColor wash = col;
        wash.setAlphaF(float(std::clamp(strength * 0.78, 0.0, 1.0)));
        p.fillPath(area, wash);
        const double ang = qDegreesToRadians(r(-42, -28));
        const QPointF d(std::cos(ang), std::sin(ang));
        const QPointF n(-d.y(), d.x());
        const QRectF box = area.boundingRect();
        const QPointF c = box.center();
        const double rad = std::hypot(box.width(), box.height()) / 2 + 2;
        p.setBrush(Qt::NoBrush);
        for (double t = -rad; t <= rad; t += r(1.7, 2.5)) {
            const quint32 ns = rng.generate();
            QColor hc = col;
            hc.setAlphaF(float(std::clamp(strength * r(0.55, 1.0), 0.0, 1.0)));
            p.setPen(QPen(hc, r(0.9, 1.5), Qt::SolidLine, Qt::RoundCap));
            QPolygonF hatch;
            for (double u = -rad; u <= rad + 0.1; u += 3)
                hatch << c + n * (t + 0.45 * noise1(u / 7.0, ns)) + d * u;
            p.drawPolyline(hatch);
        }
        p.restore();
    }

    // Rubs out what is drawn below, so a shape in front shows its own colour.
    void erase(const QPainterPath &area)
    {
        p.save();
        p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
        p.fillPath(area, QColor(0, 0, 0));
        p.restore();
    }

    // Heavily pressed chalk (dots, coal).
    void solid(const QPainterPath &area, const QColor &col, double alpha = 0.92)
    {
        QColor c = col;
        c.setAlphaF(float(alpha));
        p.fillPath(area, c);
    }

    void dot(QPointF c, double rad, const QColor &col, double alpha = 0.92)
    {
        QPainterPath blob;
        const double start = r(0, 6.28);
        for (int i = 0; i < 12; ++i) {
            const double a = start + i * M_PI / 6;
            const double k = rad * r(0.88, 1.1);
            const QPointF pt(c.x() + k * std::cos(a), c.y() + k * std::sin(a));
            if (i == 0)
                blob.moveTo(pt);
            else
                blob.lineTo(pt);
        }
        blob.closeSubpath();
        solid(blob, col, alpha);
    }

    // Erased, filled and outlined: the usual way an object in front is drawn.
    void shape(const QPainterPath &area, const QColor &outline, const QColor &tint, double strength,
               double w = 3.0)
    {
        erase(area);
        fill(area, tint, strength);
        stroke(area, outline, w);
    }

    void ball(QPointF c, double rad, const QColor &outline, const QColor &tint, double strength)
    {
        const QPainterPath area = circlePath(c, rad);
        erase(area);
        fill(area, tint, strength);
        loop(c, rad, rad, outline);
    }

    QPainter &painter() { return p; }

private:
    void strokePolygon(const QPolygonF &poly, const QColor &col, double w, double strength)
    {
        if (poly.isEmpty())
            return;
        // Resample evenly so the roughness does not depend on how the path was built.
        constexpr double step = 0.8;
        std::vector<QPointF> pts{poly.first()};
        std::vector<double> arc{0.0};
        double acc = 0;
        double next = step;
        for (int i = 1; i < poly.size(); ++i) {
            const QPointF a = poly[i - 1];
            const QPointF b = poly[i];
            const double len = QLineF(a, b).length();
            while (len > 0 && next <= acc + len) {
                pts.push_back(a + (b - a) * ((next - acc) / len));
                arc.push_back(next);
                next += step;
            }
            acc += len;
        }
        if (QLineF(pts.back(), poly.last()).length() > 0.1) {
            pts.push_back(poly.last());
            arc.push_back(acc);
        }
        const size_t n = pts.size();
        if (n < 2) {
            dot(pts.front(), w * 0.5, col, 0.8 * strength);
            return;
        }
        std::vector<QPointF> normal(n);
        for (size_t i = 0; i < n; ++i) {
            const QPointF t = pts[std::min(i + 1, n - 1)] - pts[i > 0 ? i - 1 : 0];
            const double len = std::max(std::hypot(t.x(), t.y()), 1e-6);
            normal[i] = QPointF(-t.y() / len, t.x() / len);
        }
        // A slow wander of the whole stroke, shared by all passes.
        const quint32 handSeed = rng.generate();
        const double handAmp = r(0.25, 0.55);
        // Rare breaks where the chalk skipped on the board, shared by all passes.
        std::vector<bool> broken(n, false);
        for (double at = r(20, 80); at < arc.back() - 3; at += r(35, 90)) {
            const double len = r(0.8, 1.6);
            for (size_t i = 0; i < n; ++i)
                broken[i] = broken[i] || (arc[i] >= at && arc[i] < at + len);
        }
        p.save();
        p.setBrush(Qt::NoBrush);
        constexpr int passes = 4;
        for (int k = 0; k < passes; ++k) {
            const quint32 ns = rng.generate();
            const double base = r(-0.26, 0.26) * w;
            const double amp = r(0.08, 0.16) * w;
            QColor c = col;
            c.setAlphaF(float(std::clamp(strength * r(0.5, 0.72), 0.0, 1.0)));
            p.setPen(QPen(c, w * r(0.36, 0.5), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            double gapAt = r(3, 25);
            double gapLen = r(0.6, 2.0);
            QPolygonF run;
            auto flush = [&]() {
                if (run.size() >= 2)
                    p.drawPolyline(run);
                run.clear();
            };
            for (size_t i = 0; i < n; ++i) {
                if (arc[i] >= gapAt + gapLen) {
                    gapAt = arc[i] + r(5, 30);
                    gapLen = r(0.6, 2.0);
                }
                if (broken[i] || arc[i] >= gapAt) {
                    flush();
                    continue;
                }
                const double off = handAmp * noise1(arc[i] / 24.0, handSeed) + base +
                                   amp * noise1(arc[i] / 4.0, ns);
                run << pts[i] + normal[i] * off;
            }
            flush();
        }
        p.restore();
    }

    QPainter &p;
    QRandomGenerator rng;
};

// ---- Shared motifs

void sun(Chalk &c, QPointF centre, double rad, bool face)
{
    c.ball(centre, rad, kYellow, kYellow, 0.6);
    const int rays = 12;
    for (int i = 0; i < rays; ++i) {
        const double a = qDegreesToRadians(i * 360.0 / rays + 8);
        const double r0 = rad + 5;
        const double r1 = rad + (i % 2 == 0 ? 12 : 8);
        const QPointF u(std::cos(a), std::sin(a));
        c.line(centre + u * r0, centre + u * r1, i % 2 == 0 ? kYellow : kOrange, 2.8);
    }
    if (face) {
        const QColor features(0xE0, 0x7A, 0x4C);
        c.dot(centre + QPointF(-4.5, -3), 1.8, features);
        c.dot(centre + QPointF(4.5, -3), 1.8, features);
        c.stroke(smilePath(centre + QPointF(0, 1.5), 11, 5), features, 2.2);
    }
}

void tuft(Chalk &c, QPointF base, const QColor &col)
{
    c.line(base, base + QPointF(-3.5, -6), col, 2.0);
    c.line(base, base + QPointF(0.5, -8.5), col, 2.0);
    c.line(base, base + QPointF(4, -5.5), col, 2.0);
}

void snowflake(Chalk &c, QPointF centre, double rad)
{
    for (int i = 0; i < 3; ++i) {
        const double a = qDegreesToRadians(90.0 + 60.0 * i + 10);
        const QPointF u(std::cos(a), std::sin(a));
        c.line(centre - u * rad, centre + u * rad, kWhite, 1.8);
    }
}

void gull(Chalk &c, QPointF m, double s)
{
    QPainterPath path;
    path.moveTo(m + QPointF(-s, -s * 0.15));
    path.quadTo(m + QPointF(-s * 0.5, -s * 0.8), m);
    path.quadTo(m + QPointF(s * 0.5, -s * 0.8), m + QPointF(s, -s * 0.15));
    c.stroke(path, kWhite, 2.4);
}

QPainterPath groundPath(double y0, double amp, double freq, double phase)
{
    QPainterPath g;
    for (double x = kFrame + 1; x <= kW - kFrame - 1 + 0.01; x += 4) {
        const double y = y0 + amp * std::sin(x * freq + phase) + amp * 0.4 * std::sin(x * 0.13);
        if (x == kFrame + 1)
            g.moveTo(x, y);
        else
            g.lineTo(x, y);
    }
    return g;
}

QPainterPath below(const QPainterPath &line)
{
    QPainterPath area = line;
    area.lineTo(kW - kFrame, kH);
    area.lineTo(kFrame, kH);
    area.closeSubpath();
    return area;
}

// ---- 101 house

double houseGround(double x)
{
    return 166.0 + 1.4 * std::sin(x * 0.05 + 0.6) + 1.4 * 0.4 * std::sin(x * 0.13);
}

void drawHouse(Chalk &c, int element)
{
    const auto roofRight = [](double x) { return 50.0 + (x - 120.0) * 52.0 / 60.0; };
    switch (element) {
    case 1: {
        const QPainterPath g = groundPath(166, 1.4, 0.05, 0.6);
        c.fill(below(g), kGreen, 0.3);
        c.stroke(g, kGreen);
        for (double x : {20.0, 36.0, 52.0, 188.0, 204.0, 256.0, 272.0})
            tuft(c, QPointF(x, houseGround(x)), kGreen);
        break;
    }
    case 2: {
        QPainterPath wall;
        wall.addRect(QRectF(72, 101, 96, 65));
        c.fill(wall, kYellow, 0.48);
        c.line({72, 166}, {72, 101}, kWhite);
        c.line({72, 101}, {168, 101}, kWhite);
        c.line({168, 101}, {168, 166}, kWhite);
        break;
    }
    case 3: {
        const QPainterPath roof = polyPath({{58, 103}, {120, 50}, {182, 103}}, true);
        c.erase(roof);
        c.fill(roof, kCoral, 0.55);
        for (double y : {70.0, 87.0}) {
            const double half = (y - 50.0) * 62.0 / 53.0 - 5;
            c.line({120 - half, y}, {120 + half, y}, kPink, 2.0, 0.8);
        }
        c.line({58, 103}, {120, 50}, kPink);
        c.line({120, 50}, {182, 103}, kPink);
        c.line({58, 103}, {182, 103}, kPink);
        break;
    }
    case 4: {
        QPainterPath door;
        door.moveTo(108, 166);
        door.lineTo(108, 140);
        door.arcTo(QRectF(108, 128, 24, 24), 180, -180);
        door.lineTo(132, 166);
        QPainterPath area = door;
        area.closeSubpath();
        c.erase(area);
        c.fill(area, kOrange, 0.6);
        c.stroke(door, kWhite);
        c.line({120, 131}, {120, 164}, kWhite, 1.6, 0.5);
        c.dot({126.5, 151}, 2.0, kYellow);
        break;
    }
    case 5: {
        for (double x0 : {82.0, 138.0}) {
            const QRectF box(x0, 112, 20, 20);
            QPainterPath area;
            area.addRect(box);
            c.erase(area);
            c.fill(area, kBlue, 0.6);
            c.rect(box, kWhite);
            c.line({x0 + 10, 112}, {x0 + 10, 132}, kWhite, 2.0);
            c.line({x0, 122}, {x0 + 20, 122}, kWhite, 2.0);
            c.line({x0 - 3, 135}, {x0 + 23, 135}, kWhite, 2.6);
        }
        break;
    }
    case 6: {
        const double y0 = roofRight(143);
        const double y1 = roofRight(157);
        const QPainterPath cut =
            polyPath({{143, y0 - 2}, {143, 60}, {157, 60}, {157, y1 - 2}}, true);
        c.erase(cut);
        c.fill(cut, kOrange, 0.55);
        c.line({143, y0}, {143, 60}, kWhite);
        c.line({157, 60}, {157, y1}, kWhite);
        QPainterPath cap;
        cap.addRect(QRectF(139.5, 54.5, 21, 6));
        c.shape(cap, kWhite, kOrange, 0.7);
        c.line({143, 66}, {157, 66}, kWhite, 1.6, 0.55);
        c.line({150, 66}, {150, 72}, kWhite, 1.6, 0.55);
        break;
    }
    case 7: {
        // Smoke puffs that grow as they drift away from the chimney.
        c.ball({155, 46}, 3.6, kWhite, kWhite, 0.4);
        c.ball({163, 35}, 5.2, kWhite, kWhite, 0.4);
        c.ball({175, 21}, 7.0, kWhite, kWhite, 0.4);
        break;
    }
    case 8: {
        QPainterPath trunk;
        trunk.moveTo(219, 167);
        trunk.quadTo(227, 160, 227, 146);
        trunk.lineTo(227, 103);
        trunk.lineTo(238, 103);
        trunk.lineTo(238, 146);
        trunk.quadTo(238, 160, 246, 167);
        QPainterPath area = trunk;
        area.closeSubpath();
        c.fill(area, kOchre, 0.5);
        QPainterPath left;
        left.moveTo(219, 167);
        left.quadTo(227, 160, 227, 146);
        left.lineTo(227, 104);
        left.lineTo(216, 92);
        QPainterPath right;
        right.moveTo(246, 167);
        right.quadTo(238, 160, 238, 146);
        right.lineTo(238, 104);
        right.lineTo(248, 93);
        c.stroke(left, kOchre);
        c.stroke(right, kOchre);
        c.line({232.5, 108}, {232.5, 96}, kOchre);
        c.stroke(smilePath({232, 140}, 6, 3), kOchre, 1.6, 0.7);
        c.line({231, 122}, {234, 128}, kOchre, 1.6, 0.7);
        break;
    }
    case 9: {
        QPainterPath crown;
        const QPointF centre(232, 80);
        for (int i = 0; i <= 180; ++i) {
            const double a = i * 2 * M_PI / 180;
            const double k = 0.86 + 0.14 * std::abs(std::sin(a * 4.5));
            const QPointF pt(centre.x() + 38 * k * std::cos(a), centre.y() + 31 * k * std::sin(a));
            if (i == 0)
                crown.moveTo(pt);
            else
                crown.lineTo(pt);
        }
        crown.closeSubpath();
        c.shape(crown, kGreen, kGreen, 0.5);
        for (const QPointF &apple : {QPointF(216, 70), QPointF(243, 64), QPointF(231, 86),
                                     QPointF(252, 90), QPointF(211, 92), QPointF(227, 59)})
            c.dot(apple, 3.2, kCoral);
        break;
    }
    case 10:
        sun(c, {40, 40}, 14, true);
        break;
    default:
        break;
    }
}

// ---- 102 snowman

void drawSnowman(Chalk &c, int element)
{
    switch (element) {
    case 1: {
        const QPainterPath g = groundPath(168, 3.0, 0.028, 0.4);
        c.fill(below(g), kWhite, 0.34);
        c.stroke(g, kWhite);
        QPainterPath drift1;
        drift1.moveTo(26, 182);
        drift1.quadTo(50, 176, 78, 181);
        QPainterPath drift2;
        drift2.moveTo(206, 183);
        drift2.quadTo(236, 177, 266, 182);
        c.stroke(drift1, kBlue, 2.2, 0.8);
        c.stroke(drift2, kBlue, 2.2, 0.8);
        break;
    }
    case 2: {
        c.ball({150, 139}, 30, kWhite, kWhite, 0.5);
        QPainterPath shade;
        const QRectF box(125, 114, 50, 50);
        shade.arcMoveTo(box, 250);
        shade.arcTo(box, 250, 75);
        c.stroke(shade, kBlue, 2.2, 0.8);
        break;
    }
    case 3: {
        c.ball({150, 91}, 22, kWhite, kWhite, 0.5);
        QPainterPath shade;
        const QRectF box(132, 73, 36, 36);
        shade.arcMoveTo(box, 255);
        shade.arcTo(box, 255, 70);
        c.stroke(shade, kBlue, 2.0, 0.8);
        break;
    }
    case 4:
        c.ball({150, 54}, 16.5, kWhite, kWhite, 0.5);
        break;
    case 5: {
        c.dot({144.5, 50}, 2.3, kCoal, 0.95);
        c.dot({155.5, 50}, 2.3, kCoal, 0.95);
        for (double a : {215.0, 240.0, 270.0, 300.0, 325.0}) {
            const double rad = qDegreesToRadians(a);
            c.dot(QPointF(150 + 8.5 * std::cos(rad), 55 - 8.5 * std::sin(rad)), 1.35, kCoal, 0.95);
        }
        break;
    }
    case 6: {
        const QPainterPath nose = polyPath({{150, 53}, {168, 57.5}, {150, 59}}, true);
        c.erase(nose);
        c.solid(nose, kOrange, 0.75);
        c.stroke(nose, kOrange, 2.2);
        c.line({157, 55.5}, {158, 57.5}, kCoral, 1.3, 0.8);
        break;
    }
    case 7: {
        for (int i = 0; i < 3; ++i)
            c.dot(QPointF(150, 85 + 10 * i), 3.3, kCoal, 0.95);
        break;
    }
    case 8: {
        c.line({131, 86}, {104, 67}, kOchre, 2.8);
        c.line({105, 68}, {96, 64}, kOchre, 2.2);
        c.line({105, 68}, {101, 58}, kOchre, 2.2);
        c.line({117, 76}, {114, 67}, kOchre, 2.0);
        c.line({169, 86}, {197, 66}, kOchre, 2.8);
        c.line({196, 67}, {205, 62}, kOchre, 2.2);
        c.line({196, 67}, {200, 57}, kOchre, 2.2);
        c.line({183, 76}, {187, 68}, kOchre, 2.0);
        break;
    }
    case 9: {
        QPainter &p = c.painter();
        p.save();
        p.translate(150, 39);
        p.rotate(-9);
        p.translate(-150, -39);
        QPainterPath top;
        top.addRect(QRectF(139, 14, 22, 23));
        QPainterPath brim;
        brim.addRoundedRect(QRectF(130, 36, 40, 5), 2.5, 2.5);
        c.shape(top.united(brim).simplified(), kBlue, kBlue, 0.6);
        QPainterPath band;
        band.addRect(QRectF(139.5, 29, 21, 6));
        c.erase(band);
        c.solid(band, kPink, 0.7);
        c.dot({157, 32}, 2.2, kYellow);
        p.restore();
        break;
    }
    case 10: {
        QPainterPath wrap;
        wrap.moveTo(133, 66);
        wrap.quadTo(150, 72, 167, 66);
        wrap.lineTo(168, 73);
        wrap.quadTo(150, 80, 132, 73);
        wrap.closeSubpath();
        const QPainterPath end = polyPath({{153, 73}, {164, 72}, {170, 97}, {159, 99}}, true);
        const QPainterPath scarf = wrap.united(end).simplified();
        c.shape(scarf, kPink, kPink, 0.75);
        c.line({140, 68.5}, {141, 75}, kYellow, 2.0);
        c.line({150, 70}, {150, 77}, kYellow, 2.0);
        c.line({160, 68.5}, {159, 75}, kYellow, 2.0);
        c.line({156, 82}, {166, 81}, kYellow, 2.0);
        c.line({157, 90}, {168, 89}, kYellow, 2.0);
        for (double x : {161.0, 164.5, 168.0})
            c.line({x, 98.5}, {x + 0.8, 103.5}, kPink, 1.8);
        const std::array<QPointF, 14> flakes = {
            QPointF(28, 28),   QPointF(62, 18),  QPointF(96, 40),  QPointF(40, 70),
            QPointF(78, 98),   QPointF(24, 118), QPointF(112, 16), QPointF(214, 24),
            QPointF(252, 44),  QPointF(278, 18), QPointF(230, 98), QPointF(270, 96),
            QPointF(206, 130), QPointF(262, 140)};
        for (size_t i = 0; i < flakes.size(); ++i)
            snowflake(c, flakes[i], i % 3 == 0 ? 4.5 : 3.2);
        break;
    }
    default:
        break;
    }
}

// ---- 103 sailing boat

void drawBoat(Chalk &c, int element)
{
    switch (element) {
    case 1: {
        QPainterPath sea;
        for (double x = kFrame + 1; x <= kW - kFrame - 1; x += 2) {
            const double y = 153 + 2.6 * std::sin(x * 2 * M_PI / 26);
            if (x == kFrame + 1)
                sea.moveTo(x, y);
            else
                sea.lineTo(x, y);
        }
        c.fill(below(sea), kBlue, 0.32);
        c.stroke(sea, kBlue);
        for (int row = 0; row < 2; ++row) {
            const double y0 = 167 + row * 13;
            for (double x0 = 16 + row * 24; x0 < 270; x0 += 56) {
                QPainterPath wave;
                for (double x = x0; x <= x0 + 30; x += 1.5) {
                    const double y = y0 + 2.2 * std::sin((x - x0) * 2 * M_PI / 15);
                    if (x == x0)
                        wave.moveTo(x, y);
                    else
                        wave.lineTo(x, y);
                }
                c.stroke(wave, kWhite, 2.2, 0.8);
            }
        }
        break;
    }
    case 2: {
        const QPainterPath hull = polyPath({{94, 128}, {206, 128}, {190, 157}, {112, 157}}, true);
        c.shape(hull, kWhite, kOrange, 0.6);
        c.line({98, 134}, {202, 134}, kPink, 2.4);
        for (double x : {128.0, 150.0, 172.0}) {
            c.erase(circlePath({x, 145}, 4));
            c.fill(circlePath({x, 145}, 4), kBlue, 0.7);
            c.loop({x, 145}, 3.8, 3.8, kWhite, 2.0);
        }
        break;
    }
    case 3:
        c.line({150, 128}, {150, 33}, kOchre, 3.2);
        break;
    case 4: {
        QPainterPath mainSail;
        mainSail.moveTo(154, 48);
        mainSail.quadTo(192, 78, 200, 122);
        mainSail.lineTo(154, 122);
        mainSail.closeSubpath();
        QPainterPath jib;
        jib.moveTo(146, 54);
        jib.quadTo(114, 84, 108, 122);
        jib.lineTo(146, 122);
        jib.closeSubpath();
        c.shape(mainSail, kWhite, kWhite, 0.45);
        c.shape(jib, kWhite, kWhite, 0.45);
        QPainterPath band;
        band.addRect(QRectF(150, 98, 60, 8));
        c.solid(band.intersected(mainSail), kBlue, 0.85);
        QPainterPath band2;
        band2.addRect(QRectF(100, 104, 50, 7));
        c.solid(band2.intersected(jib), kPink, 0.85);
        break;
    }
    case 5: {
        QPainterPath flag;
        flag.moveTo(151, 33);
        flag.cubicTo(158, 30, 165, 36, 174, 37);
        flag.cubicTo(166, 40, 158, 43, 151, 43);
        flag.closeSubpath();
        c.erase(flag);
        c.solid(flag, kPink, 0.55);
        c.stroke(flag, kPink, 2.4);
        break;
    }
    case 6:
        sun(c, {258, 40}, 14, false);
        break;
    case 7: {
        const QPainterPath one = cloudPath({58, 40}, 50, 24);
        const QPainterPath two = cloudPath({106, 21}, 40, 18);
        c.shape(one, kWhite, kWhite, 0.3);
        c.shape(two, kWhite, kWhite, 0.3);
        break;
    }
    case 8:
        gull(c, {206, 74}, 11);
        gull(c, {230, 62}, 8.5);
        gull(c, {86, 84}, 10);
        break;
    case 9: {
        // A fish in mid-leap, with its dotted jump and a splash where it left the water.
        QPainterPath jump;
        jump.moveTo(208, 152);
        jump.quadTo(220, 116, 236, 119);
        const int dots = 6;
        for (int i = 1; i < dots; ++i)
            c.dot(jump.pointAtPercent(double(i) / dots), 1.5, kWhite, 0.85);
        QPainter &p = c.painter();
        p.save();
        p.translate(250, 124);
        p.rotate(14);
        p.scale(1.35, 1.35);
        const QPainterPath body = circlePath({0, 0}, 11, 6);
        const QPainterPath tail = polyPath({{-9, 0}, {-18, -7}, {-17, 7}}, true);
        const QPainterPath fish = body.united(tail).simplified();
        c.shape(fish, kOrange, kOrange, 0.7);
        c.dot({5, -1.5}, 1.5, kCoal);
        c.stroke(smilePath({-2, 0}, 5, 4).translated(0, 0), kYellow, 1.6, 0.8);
        p.restore();
        c.dot({202, 148}, 2.0, kBlue);
        c.dot({207, 143}, 1.8, kBlue);
        c.dot({213, 146}, 2.0, kBlue);
        c.dot({218, 149}, 1.6, kBlue);
        break;
    }
    case 10: {
        QPainterPath island;
        island.moveTo(12, 154);
        island.quadTo(24, 137, 46, 137);
        island.quadTo(68, 138, 82, 154);
        island.closeSubpath();
        c.shape(island, kYellow, kYellow, 0.55);
        QPainterPath trunk;
        trunk.moveTo(48, 139);
        trunk.quadTo(50, 110, 38, 88);
        c.stroke(trunk, kOchre, 5.0);
        for (double t : {0.25, 0.45, 0.65})
            c.line(trunk.pointAtPercent(t) + QPointF(-3, 0),
                   trunk.pointAtPercent(t) + QPointF(3, 1), kOchre, 1.4, 0.8);
        const QPointF top(38, 88);
        const std::array<QPointF, 5> tips = {QPointF(12, 92), QPointF(18, 72), QPointF(42, 66),
                                             QPointF(64, 76), QPointF(66, 96)};
        const std::array<double, 5> bends = {6, 3, -2, -4, -6};
        for (size_t i = 0; i < tips.size(); ++i) {
            const QPainterPath frond = leafPath(top, tips[i], 5, bends[i]);
            c.shape(frond, kGreen, kGreen, 0.6, 2.4);
        }
        c.dot({35, 92}, 2.6, kOchre);
        c.dot({41, 93}, 2.6, kOchre);
        break;
    }
    default:
        break;
    }
}

// ---- 104 flower garden

void drawGarden(Chalk &c, int element)
{
    switch (element) {
    case 1: {
        const QPainterPath body = polyPath({{122, 144}, {178, 144}, {170, 183}, {130, 183}}, true);
        c.shape(body, kOrange, kOrange, 0.5);
        QPainterPath rim;
        rim.addRect(QRectF(117, 132, 66, 12));
        c.shape(rim, kOrange, kOrange, 0.65);
        QPainterPath heart;
        heart.moveTo(150, 171);
        heart.cubicTo(140, 164, 142, 154, 150, 159);
        heart.cubicTo(158, 154, 160, 164, 150, 171);
        c.solid(heart, kPink, 0.8);
        c.stroke(heart, kPink, 1.8);
        break;
    }
    case 2: {
        QPainterPath stem;
        stem.moveTo(150, 132);
        stem.cubicTo(143, 112, 157, 88, 150, 64);
        c.stroke(stem, kGreen, 3.2);
        break;
    }
    case 3: {
        const QPainterPath left = leafPath({148, 116}, {120, 100}, 7, -2);
        const QPainterPath right = leafPath({152, 96}, {180, 85}, 7, 2);
        c.shape(left, kGreen, kGreen, 0.6);
        c.shape(right, kGreen, kGreen, 0.6);
        c.line({148, 116}, {126, 103}, kGreen, 1.4, 0.7);
        c.line({152, 96}, {174, 88}, kGreen, 1.4, 0.7);
        break;
    }
    case 4: {
        QPainterPath petals;
        for (int i = 0; i < 8; ++i) {
            QTransform t;
            t.translate(150, 56);
            t.rotate(i * 45.0 + 22.5);
            petals = petals.united(t.map(circlePath({0, -15}, 8, 12.5)));
        }
        petals = petals.simplified();
        c.shape(petals, kPink, kPink, 0.6);
        break;
    }
    case 5: {
        c.ball({150, 56}, 10, kOrange, kYellow, 0.85);
        c.dot({146.5, 53.5}, 1.4, kCoal);
        c.dot({153.5, 53.5}, 1.4, kCoal);
        c.stroke(smilePath({150, 57}, 8, 3.2), kCoal, 1.5);
        break;
    }
    case 6: {
        QPainterPath stem;
        stem.moveTo(68, 184);
        stem.cubicTo(65, 160, 72, 130, 68, 104);
        c.stroke(stem, kGreen, 2.8);
        c.shape(leafPath({68, 152}, {50, 138}, 5, -2), kGreen, kGreen, 0.6, 2.4);
        c.shape(leafPath({68, 138}, {84, 126}, 4.5, 2), kGreen, kGreen, 0.6, 2.4);
        QPainterPath petals;
        for (int i = 0; i < 12; ++i) {
            QTransform t;
            t.translate(68, 98);
            t.rotate(i * 30.0);
            petals = petals.united(t.map(circlePath({0, -11}, 3.4, 7.5)));
        }
        petals = petals.simplified();
        c.shape(petals, kWhite, kWhite, 0.55, 2.4);
        c.ball({68, 98}, 5.5, kOrange, kYellow, 0.9);
        break;
    }
    case 7: {
        const QPainterPath g = groundPath(184, 1.2, 0.06, 0.3);
        c.fill(below(g), kGreen, 0.3);
        c.stroke(g, kGreen);
        for (double x = 14; x < 288; x += 9) {
            if (x > 120 && x < 180)
                continue;
            const double y = 184 + 1.2 * std::sin(x * 0.06 + 0.3);
            const double lean = c.r(-3.5, 3.5);
            c.line({x, y}, {x + lean, y - c.r(6, 11)}, kGreen, 2.0);
            c.line({x + 3, y}, {x + 3 + lean * 0.6 + 1.5, y - c.r(4, 8)}, kGreen, 1.8);
        }
        break;
    }
    case 8: {
        QPainter &p = c.painter();
        p.save();
        p.translate(238, 52);
        p.rotate(12);
        p.scale(1.3, 1.3);
        auto wing = [&](QPointF centre, double rx, double ry, double turn, const QColor &col) {
            QTransform t;
            t.translate(centre.x(), centre.y());
            t.rotate(turn);
            c.shape(t.map(circlePath({0, 0}, rx, ry)), col, col, 0.65, 2.6);
        };
        wing({-9, -6}, 10, 7, -30, kBlue);
        wing({9, -6}, 10, 7, 30, kBlue);
        wing({-7, 8}, 7, 5, 30, kLilac);
        wing({7, 8}, 7, 5, -30, kLilac);
        c.dot({-10, -6}, 2.2, kWhite);
        c.dot({10, -6}, 2.2, kWhite);
        QPainterPath body;
        body.addRoundedRect(QRectF(-2, -11, 4, 24), 2, 2);
        c.erase(body);
        c.solid(body, kOchre, 0.9);
        QPainterPath feelers;
        feelers.moveTo(-1, -11);
        feelers.quadTo(-3, -17, -7, -20);
        feelers.moveTo(1, -11);
        feelers.quadTo(3, -17, 7, -20);
        c.stroke(feelers, kWhite, 1.6);
        c.dot({-7, -20}, 1.5, kWhite);
        c.dot({7, -20}, 1.5, kWhite);
        p.restore();
        break;
    }
    case 9: {
        // The bee's dashed loop-the-loop behind it.
        QPainterPath trail;
        trail.moveTo(218, 128);
        trail.cubicTo(202, 134, 194, 152, 205, 155);
        trail.cubicTo(216, 158, 216, 138, 200, 138);
        trail.cubicTo(189, 138, 184, 146, 181, 154);
        for (int i = 0; i < 16; ++i) {
            const QPointF a = trail.pointAtPercent(i / 16.0);
            const QPointF b = trail.pointAtPercent(i / 16.0 + 0.028);
            c.line(a, b, kWhite, 1.6, 0.8);
        }
        QPainter &p = c.painter();
        p.save();
        p.translate(236, 120);
        p.scale(1.3, 1.3);
        const QPointF b(0, 0);
        c.shape(circlePath(b + QPointF(-4, -9), 5, 7.5), kWhite, kWhite, 0.35, 2.0);
        c.shape(circlePath(b + QPointF(4, -9.5), 5, 7.5), kWhite, kWhite, 0.35, 2.0);
        const QPainterPath body = circlePath(b, 12, 8);
        c.erase(body);
        c.fill(body, kYellow, 0.9);
        p.save();
        p.setClipPath(body, Qt::IntersectClip);
        for (double x : {-6.0, 0.0})
            c.line(b + QPointF(x, -9), b + QPointF(x + 1, 9), kCoal, 3.2);
        p.restore();
        c.loop(b, 12, 8, kYellow, 2.6);
        c.dot(b + QPointF(7, -2), 1.4, kCoal);
        p.restore();
        break;
    }
    case 10:
        sun(c, {40, 38}, 14, false);
        break;
    default:
        break;
    }
}

// ---- 105 rocket

void drawRocket(Chalk &c, int element)
{
    // The rocket hovers a little above its pad, lifted on its flames.
    if (element >= 2 && element <= 6)
        c.painter().translate(0, -8);
    switch (element) {
    case 1: {
        const QPainterPath g = groundPath(186, 1.0, 0.04, 1.0);
        c.fill(below(g), kGreen, 0.28);
        c.stroke(g, kGreen);
        QPainterPath pad;
        pad.addRect(QRectF(110, 170, 80, 7));
        c.shape(pad, kWhite, kBlue, 0.55);
        c.line({118, 177}, {114, 186}, kWhite, 2.4);
        c.line({182, 177}, {186, 186}, kWhite, 2.4);
        // The service tower with its cross bracing and a lamp on top.
        c.line({95, 186}, {95, 92}, kWhite, 2.4);
        c.line({105, 186}, {105, 92}, kWhite, 2.4);
        c.line({94, 92}, {106, 92}, kWhite, 2.4);
        for (double y = 186; y > 96; y -= 15)
            c.line({95, y}, {105, y - 15}, kWhite, 1.5, 0.7);
        c.line({105, 122}, {131, 122}, kWhite, 2.2);
        c.dot({100, 88}, 2.6, kYellow);
        break;
    }
    case 2: {
        QPainterPath body;
        body.moveTo(135, 72);
        body.quadTo(132, 110, 135, 146);
        body.quadTo(136, 152, 141, 152);
        body.lineTo(159, 152);
        body.quadTo(164, 152, 165, 146);
        body.quadTo(168, 110, 165, 72);
        body.closeSubpath();
        c.shape(body, kWhite, kWhite, 0.45);
        c.line({134, 136}, {166, 136}, kBlue, 2.4);
        break;
    }
    case 3: {
        QPainterPath nose;
        nose.moveTo(134, 74);
        nose.cubicTo(134, 56, 143, 42, 150, 33);
        nose.cubicTo(157, 42, 166, 56, 166, 74);
        nose.closeSubpath();
        c.shape(nose, kPink, kCoral, 0.7);
        break;
    }
    case 4: {
        c.erase(circlePath({150, 100}, 12.5));
        c.loop({150, 100}, 11.5, 11.5, kOrange, 3.0);
        c.fill(circlePath({150, 100}, 9.5), kBlue, 0.75);
        QPainterPath shine;
        const QRectF box(144, 94, 12, 12);
        shine.arcMoveTo(box, 100);
        shine.arcTo(box, 100, 70);
        c.stroke(shine, kWhite, 2.0);
        break;
    }
    case 5: {
        const QPainterPath left = polyPath({{135, 124}, {118, 146}, {117, 160}, {135, 148}}, true);
        const QPainterPath right = polyPath({{165, 124}, {182, 146}, {183, 160}, {165, 148}}, true);
        const QPainterPath mid = polyPath({{147, 138}, {153, 138}, {153, 158}, {147, 158}}, true);
        c.shape(left, kPink, kCoral, 0.7);
        c.shape(right, kPink, kCoral, 0.7);
        c.shape(mid, kPink, kCoral, 0.7, 2.4);
        break;
    }
    case 6: {
        QPainterPath flame;
        flame.moveTo(139, 153);
        flame.quadTo(134, 166, 139, 174);
        flame.quadTo(143, 169, 145, 169);
        flame.quadTo(145, 180, 150, 188);
        flame.quadTo(155, 180, 155, 169);
        flame.quadTo(157, 169, 161, 174);
        flame.quadTo(166, 166, 161, 153);
        flame.closeSubpath();
        c.shape(flame, kOrange, kOrange, 0.75);
        QPainterPath core;
        core.moveTo(144, 154);
        core.quadTo(143, 168, 150, 180);
        core.quadTo(157, 168, 156, 154);
        core.closeSubpath();
        c.erase(core);
        c.solid(core, kYellow, 0.7);
        c.stroke(core, kYellow, 2.0);
        c.painter().translate(0, 8);
        // Smoke billowing out on both sides of the pad.
        c.shape(cloudPath({121, 161}, 24, 14), kWhite, kWhite, 0.4, 2.4);
        c.shape(cloudPath({179, 161}, 24, 14), kWhite, kWhite, 0.4, 2.4);
        break;
    }
    case 7: {
        struct Star
        {
            QPointF at;
            double size;
            bool big;
        };
        const std::array<Star, 12> stars = {
            Star{{88, 24}, 5, true},   Star{{120, 56}, 3, false},  Star{{80, 62}, 4, true},
            Star{{24, 96}, 3, false},  Star{{58, 116}, 5, true},   Star{{28, 152}, 4, true},
            Star{{74, 160}, 3, false}, Star{{196, 88}, 4, true},   Star{{270, 70}, 5, true},
            Star{{212, 148}, 5, true}, Star{{270, 160}, 3, false}, Star{{182, 22}, 3, false}};
        for (size_t i = 0; i < stars.size(); ++i) {
            const Star &s = stars[i];
            if (s.big) {
                const QPainterPath star = starPath(s.at, s.size + 1.5, s.size * 0.45, 5, 8.0 * i);
                c.solid(star, i % 2 == 0 ? kYellow : kWhite, 0.45);
                c.stroke(star, i % 2 == 0 ? kYellow : kWhite, 1.8);
            } else {
                c.line(s.at + QPointF(-s.size, 0), s.at + QPointF(s.size, 0), kWhite, 1.8);
                c.line(s.at + QPointF(0, -s.size), s.at + QPointF(0, s.size), kWhite, 1.8);
            }
        }
        break;
    }
    case 8: {
        const QPainterPath moon =
            circlePath({48, 46}, 21).subtracted(circlePath({58, 39}, 18)).simplified();
        c.shape(moon, kYellow, kYellow, 0.6);
        break;
    }
    case 9: {
        QPainter &p = c.painter();
        const QPointF centre(240, 114);
        p.save();
        p.translate(centre);
        p.rotate(-16);
        QPainterPath back;
        const QRectF ring(-30, -7.5, 60, 15);
        back.arcMoveTo(ring, 0);
        back.arcTo(ring, 0, 180);
        c.stroke(back, kYellow, 2.8);
        p.restore();
        c.ball(centre, 16, kOrange, kOrange, 0.5);
        p.save();
        p.setClipPath(circlePath(centre, 15), Qt::IntersectClip);
        c.stroke(smilePath(centre + QPointF(0, -8), 34, 6), kPink, 2.2, 0.8);
        c.stroke(smilePath(centre + QPointF(0, 2), 34, 6), kPink, 2.2, 0.8);
        p.restore();
        p.save();
        p.translate(centre);
        p.rotate(-16);
        QPainterPath front;
        front.arcMoveTo(ring, 180);
        front.arcTo(ring, 180, 180);
        QPainterPathStroker widen;
        widen.setWidth(6);
        c.erase(widen.createStroke(front).intersected(circlePath({0, 0}, 17)));
        c.stroke(front, kYellow, 2.8);
        p.restore();
        break;
    }
    case 10: {
        const QPointF head(208, 40);
        c.stroke(polyPath({head + QPointF(5, -3), {274, 13}}, false), kWhite, 2.6);
        c.stroke(polyPath({head + QPointF(6, 1), {280, 27}}, false), kBlue, 2.4);
        c.stroke(polyPath({head + QPointF(4, 4), {268, 40}}, false), kYellow, 2.2);
        const QPainterPath star = starPath(head, 8, 3.6, 5, -10);
        c.erase(star);
        c.solid(star, kYellow, 0.6);
        c.stroke(star, kYellow, 2.2);
        break;
    }
    default:
        break;
    }
}

using DrawElement = void (*)(Chalk &, int);

struct PictureSet
{
    int id;
    DrawElement draw;
};

const std::array<PictureSet, 5> kSets = {PictureSet{101, drawHouse}, PictureSet{102, drawSnowman},
                                         PictureSet{103, drawBoat}, PictureSet{104, drawGarden},
                                         PictureSet{105, drawRocket}};

struct BoardAssets
{
    QImage board[3];
    std::vector<float> grain[3];
};

// Element randomness depends on the set and the element only, never on the stage, so what is
// already on the board looks exactly the same when the next element arrives.
quint32 elementSeed(int set, int element)
{
    return 0x5EED0000u + quint32(set) * 131u + quint32(element) * 7u;
}

void paintStages(QPainter &p, const BoardAssets &assets, const PictureSet &set)
{
    const int s = scaleOf(p);
    for (int stage = 1; stage <= kStages; ++stage) {
        QImage layer(kW * s, kH * s, QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        {
            QPainter lp(&layer);
            lp.setRenderHint(QPainter::Antialiasing);
            lp.scale(s, s);
            lp.setClipRect(QRectF(kFrame, kFrame, kW - 2 * kFrame, kH - 2 * kFrame));
            for (int element = 1; element <= stage; ++element) {
                Chalk chalk(lp, elementSeed(set.id, element));
                lp.save();
                set.draw(chalk, element);
                lp.restore();
            }
        }
        applyGrain(layer, assets.grain[s]);
        const QRectF target(0, (stage - 1) * kH, kW, kH);
        p.drawImage(target, assets.board[s]);
        p.drawImage(target, layer);
    }
}

} // namespace

void renderChalkPictures(const QDir &resources)
{
    BoardAssets assets;
    for (int s : {1, 2}) {
        assets.board[s] = makeBoard(s);
        assets.grain[s] = grainMask(s);
    }
    const QDir window(resources.filePath(QStringLiteral("window")));
    const QDir bitmap(resources.filePath(QStringLiteral("bitmap")));
    renderPicture(
        window, QStringLiteral("tafel"), QSize(kW, kH), 1u,
        [&](QPainter &p, QRandomGenerator &) {
            p.drawImage(QRectF(0, 0, kW, kH), assets.board[scaleOf(p)]);
        },
        Qt::black);
    // The strips are independent; two workers halve the wait for the slow PNG encoding.
    std::atomic<size_t> next{0};
    auto work = [&]() {
        BoardAssets own;
        for (int s : {1, 2}) {
            own.board[s] = assets.board[s].copy();
            own.grain[s] = assets.grain[s];
        }
        for (size_t i = next++; i < kSets.size(); i = next++) {
            const PictureSet &set = kSets[i];
            renderPicture(
                bitmap, QString::number(set.id), QSize(kW, kH * kStages), quint32(set.id),
                [&](QPainter &p, QRandomGenerator &) { paintStages(p, own, set); }, Qt::black);
        }
    };
    std::thread helper(work);
    work();
    helper.join();
}

} // namespace assetgen
