// Backgrounds behind the game board. They are stretched over the whole window and sit behind
// labels, buttons and the chalk board, so they stay calm and keep their detail at the edges.
#include "assetgen.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

namespace assetgen {
namespace {

constexpr int kW = 640;
constexpr int kH = 480;

int scaleOf(const QPainter &p)
{
    return std::max(1, qRound(p.worldTransform().m11()));
}

struct Rgb
{
    double r, g, b;
};

Rgb rgbOf(const QColor &c)
{
    return {double(c.red()), double(c.green()), double(c.blue())};
}

Rgb mix(const Rgb &a, const Rgb &b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

QRgb toRgb(const Rgb &c, double shade = 1.0)
{
    auto ch = [&](double v) { return std::clamp(int(std::lround(v * shade)), 0, 255); };
    return qRgb(ch(c.r), ch(c.g), ch(c.b));
}

// Fills the picture pixel by pixel from a function of logical coordinates.
void paintPixels(QPainter &p, const std::function<QRgb(double, double)> &pixel)
{
    const int s = scaleOf(p);
    QImage img(kW * s, kH * s, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            line[x] = pixel((x + 0.5) / s, (y + 0.5) / s);
    }
    p.drawImage(QRectF(0, 0, kW, kH), img);
}

// Paints `draw` on its own layer, softens it by `blur` logical pixels and lays it on top.
void softLayer(QPainter &p, double blur, const std::function<void(QPainter &)> &draw)
{
    const int s = scaleOf(p);
    QImage layer(kW * s, kH * s, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        lp.scale(s, s);
        draw(lp);
    }
    boxBlur(layer, int(std::lround(blur * s)));
    p.drawImage(QRectF(0, 0, kW, kH), layer);
}

// A fluffy cloud: a row of puffs over a flat base, `w` wide, centred on c.
QPainterPath cloudPath(QPointF c, double w)
{
    const double h = w * 0.42;
    QPainterPath path;
    path.addRoundedRect(QRectF(c.x() - w / 2, c.y(), w, h * 0.42), h * 0.21, h * 0.21);
    const std::array<std::array<double, 3>, 5> puffs = {{{-0.33, 0.14, 0.25},
                                                         {-0.14, -0.06, 0.36},
                                                         {0.1, -0.16, 0.46},
                                                         {0.3, 0.02, 0.34},
                                                         {0.43, 0.18, 0.2}}};
    for (const auto &pf : puffs) {
        QPainterPath puff;
        puff.addEllipse(QPointF(c.x() + pf[0] * w, c.y() + pf[1] * h), pf[2] * h, pf[2] * h);
        path = path.united(puff);
    }
    return path.simplified();
}

void drawCloud(QPainter &p, QPointF c, double w, double opacity)
{
    const QPainterPath cloud = cloudPath(c, w);
    const QRectF box = cloud.boundingRect();
    p.save();
    p.setOpacity(opacity);
    p.setPen(Qt::NoPen);
    p.fillPath(cloud, QColor(0xFF, 0xFF, 0xFF));
    // A cool shadow along the underside gives the puffs their volume.
    QLinearGradient shade(0, box.top(), 0, box.bottom());
    shade.setColorAt(0.0, QColor(200, 220, 240, 0));
    shade.setColorAt(0.55, QColor(200, 220, 240, 0));
    shade.setColorAt(1.0, QColor(184, 206, 230, 200));
    p.fillPath(cloud, shade);
    p.restore();
}

// A pale, friendly sun with short rounded rays.
void drawSun(QPainter &p, QPointF c, double r)
{
    p.save();
    p.setPen(QPen(QColor(255, 230, 140, 170), r * 0.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const double a = qDegreesToRadians(i * 30.0 + 8.0);
        const QPointF dir(std::cos(a), std::sin(a));
        p.drawLine(c + dir * r * 1.35, c + dir * r * (i % 2 ? 1.62 : 1.8));
    }
    QRadialGradient disc(c - QPointF(r, r) * 0.25, r * 1.3);
    disc.setColorAt(0, QColor(0xFF, 0xF6, 0xC8));
    disc.setColorAt(1, QColor(0xFF, 0xDA, 0x6E));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(c, r, r);
    p.restore();
}

// ---- 200: a plain soft sky with a few clouds

void paintSky(QPainter &p, QRandomGenerator &)
{
    const Rgb top = rgbOf(QColor(0x86, 0xBF, 0xEA));
    const Rgb bottom = rgbOf(QColor(0xDA, 0xEE, 0xFB));
    paintPixels(p, [&](double x, double y) {
        const double t = smoothStep(std::clamp(y / kH, 0.0, 1.0));
        const double haze = 0.04 * (valueNoise(x, y, 160, 3u) - 0.5);
        return toRgb(mix(top, bottom, std::clamp(t + haze, 0.0, 1.0)));
    });
    // A soft sun in the top-left corner: it is what tells this sky from the meadow's in the
    // small preview of the background chooser.
    const QPointF sun(40, 36);
    QRadialGradient glow(sun, 260);
    glow.setColorAt(0, QColor(255, 250, 225, 150));
    glow.setColorAt(0.25, QColor(255, 250, 230, 60));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, kW, kH), glow);
    softLayer(p, 1.2, [&](QPainter &lp) { drawSun(lp, sun, 23); });
    softLayer(p, 1.6, [](QPainter &lp) {
        drawCloud(lp, {124, 84}, 190, 0.95);
        drawCloud(lp, {505, 52}, 150, 0.9);
        drawCloud(lp, {322, 26}, 90, 0.7);
        drawCloud(lp, {585, 408}, 120, 0.8);
        drawCloud(lp, {62, 430}, 110, 0.75);
    });
}

// ---- 201: a wooden desk

struct Knot
{
    QPointF at;
    double radius;
};

void paintDesk(QPainter &p, QRandomGenerator &)
{
    const Rgb light = rgbOf(QColor(0xE2, 0xBC, 0x8A));
    const Rgb mid = rgbOf(QColor(0xD2, 0xA7, 0x70));
    const Rgb dark = rgbOf(QColor(0xA0, 0x70, 0x3E));
    constexpr double plank = 96.0;
    const std::array<Knot, 3> knots = {Knot{{70, 146}, 7}, Knot{{586, 340}, 8},
                                       Knot{{548, 52}, 5.5}};
    // Butt joints where two boards meet, kept near the sides.
    const std::array<double, 5> joints = {-1, 522, -1, 104, 470};
    const std::array<double, 5> tones = {0.0, 0.05, -0.03, 0.03, -0.04};
    paintPixels(p, [&](double x, double y) {
        const int row = std::clamp(int(y / plank), 0, 4);
        const double v = y - row * plank;
        const bool secondPiece = joints[size_t(row)] > 0 && x > joints[size_t(row)];
        const quint32 seed = 100u + quint32(row) * 10u + (secondPiece ? 5u : 0u);
        // Growth rings: nearly straight lines, bent by slow noise and swirled round the knots.
        double ring = v + 16.0 * valueNoise(x, 0.5, 230.0, seed) +
                      3.0 * valueNoise(x, v, 70.0, seed + 1u) +
                      9.0 * valueNoise(x * 0.25, v, 22.0, seed + 6u) + 37.0 * row;
        double knotCore = 0;
        for (const Knot &k : knots) {
            const double dx = (x - k.at.x()) / 2.4;
            const double dy = y - k.at.y();
            const double d2 = (dx * dx + dy * dy) / (k.radius * k.radius);
            ring += 2.6 * k.radius * std::exp(-d2 / 3.0);
            knotCore = std::max(knotCore, std::exp(-d2 * 1.6));
        }
        const double spacing = 13.0;
        const double phase = ring / spacing;
        const double f = phase - std::floor(phase);
        // Each ring darkens slowly through the year and ends sharply; its strength comes and
        // goes along the board.
        const double strength =
            0.3 + 0.7 * valueNoise(x, std::floor(phase) * 13.0, 110.0, seed + 2u);
        const double late = smoothStep(std::clamp((f - 0.35) / 0.55, 0.0, 1.0)) *
                            (1.0 - smoothStep(std::clamp((f - 0.9) / 0.08, 0.0, 1.0))) * strength;
        const double streak = valueNoise(x / 140.0, v / 7.0, 1.0, seed + 4u) - 0.5;
        const double fibre = valueNoise(x / 30.0, v * 1.4, 1.0, seed + 3u) - 0.5;
        double t =
            0.22 + 0.38 * late + 0.25 * streak + 0.1 * fibre + tones[size_t(row)] + 0.55 * knotCore;
        t = std::clamp(t, 0.0, 1.0);
        const Rgb c = t < 0.5 ? mix(light, mid, t * 2.0) : mix(mid, dark, (t - 0.5) * 2.0);
        double shade = 1.0;
        // Board seams: a dark gap with a lit edge just below it.
        if (row > 0 && v < 1.4)
            shade *= 0.7;
        else if (row > 0 && v < 2.6)
            shade *= 1.05;
        if (joints[size_t(row)] > 0 && std::abs(x - joints[size_t(row)]) < 0.7)
            shade *= 0.74;
        // Gentle darkening towards the corners keeps the eye in the middle.
        const double ex = (x - kW / 2.0) / (kW / 2.0);
        const double ey = (y - kH / 2.0) / (kH / 2.0);
        shade *= 1.0 - 0.1 * std::pow(std::min(1.0, (ex * ex + ey * ey) / 2.0), 1.5);
        return toRgb(c, shade);
    });
}

// ---- 202: a spring meadow with small flowers along the bottom

double hillFar(double x)
{
    return 268 + 18 * std::sin(x * 0.0085 + 0.6) + 8 * std::sin(x * 0.021 + 2.0);
}

double hillNear(double x)
{
    return 318 + 14 * std::sin(x * 0.0062 + 2.4) + 6 * std::sin(x * 0.017 + 0.3);
}

void flower(QPainter &p, QPointF c, double rad, const QColor &petal, const QColor &centre,
            double turn)
{
    p.setPen(Qt::NoPen);
    p.setBrush(petal);
    for (int i = 0; i < 5; ++i) {
        const double a = qDegreesToRadians(turn + i * 72.0);
        p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * rad * 0.55, rad * 0.5, rad * 0.5);
    }
    p.setBrush(centre);
    p.drawEllipse(c, rad * 0.32, rad * 0.32);
}

struct Curve
{
    QPointF a, ctrl, b;

    QPointF at(double t) const
    {
        return (1 - t) * (1 - t) * a + 2 * (1 - t) * t * ctrl + t * t * b;
    }
    QPointF tangent(double t) const { return 2 * (1 - t) * (ctrl - a) + 2 * t * (b - ctrl); }
};

// A twig that thins from `w0` to `w1` along the curve, with a rounded tip.
QPainterPath taperedTwig(const Curve &cv, double w0, double w1)
{
    constexpr int steps = 32;
    std::vector<QPointF> left, right;
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        const QPointF d = cv.tangent(t);
        const double len = std::max(1e-6, std::hypot(d.x(), d.y()));
        const QPointF n(-d.y() / len, d.x() / len);
        const double half = (w0 + (w1 - w0) * t) / 2;
        left.push_back(cv.at(t) + n * half);
        right.push_back(cv.at(t) - n * half);
    }
    QPainterPath path(left.front());
    for (const QPointF &q : left)
        path.lineTo(q);
    for (auto it = right.rbegin(); it != right.rend(); ++it)
        path.lineTo(*it);
    path.closeSubpath();
    path.addEllipse(cv.b, w1 / 2, w1 / 2);
    return path.simplified();
}

void leaf(QPainter &p, QPointF base, double len, double angleDeg)
{
    p.save();
    p.translate(base);
    p.rotate(angleDeg);
    QPainterPath path;
    path.moveTo(0, 0);
    path.quadTo(len * 0.45, -len * 0.34, len, 0);
    path.quadTo(len * 0.45, len * 0.34, 0, 0);
    p.fillPath(path, QColor(0x92, 0xCC, 0x6C));
    p.setPen(QPen(QColor(0x74, 0xB0, 0x52), 0.8));
    p.drawLine(QPointF(len * 0.1, 0), QPointF(len * 0.8, 0));
    p.restore();
}

// An apple blossom: five round petals, pale pink with a deeper heart, and a few stamens.
void blossom(QPainter &p, QPointF c, double rad, double turn)
{
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        const double a = qDegreesToRadians(turn + i * 72.0);
        const QPointF pc = c + QPointF(std::cos(a), std::sin(a)) * rad * 0.52;
        QRadialGradient g(c, rad);
        g.setColorAt(0.0, QColor(0xF2, 0x9C, 0xBA));
        g.setColorAt(0.45, QColor(0xFA, 0xCF, 0xDD));
        g.setColorAt(1.0, QColor(0xFF, 0xF1, 0xF5));
        p.setBrush(g);
        p.drawEllipse(pc, rad * 0.5, rad * 0.5);
    }
    p.setBrush(QColor(0xF6, 0xD3, 0x5A));
    for (int i = 0; i < 5; ++i) {
        const double a = qDegreesToRadians(turn + 36.0 + i * 72.0);
        p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * rad * 0.22, rad * 0.09, rad * 0.09);
    }
    p.restore();
}

void bud(QPainter &p, QPointF c, double rad, double angleDeg)
{
    p.save();
    p.translate(c);
    p.rotate(angleDeg);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF0, 0x9E, 0xBC));
    p.drawEllipse(QPointF(0, 0), rad * 1.25, rad);
    p.setBrush(QColor(0x92, 0xCC, 0x6C));
    p.drawEllipse(QPointF(-rad * 1.0, 0), rad * 0.55, rad * 0.65);
    p.restore();
}

void butterfly(QPainter &p, QPointF c, double size, double angleDeg)
{
    p.save();
    p.translate(c);
    p.rotate(angleDeg);
    p.setPen(QPen(QColor(0xE8, 0x9A, 0x3C), size * 0.06));
    for (int side : {-1, 1}) {
        p.setBrush(QColor(0xFC, 0xDC, 0x6E));
        p.drawEllipse(QPointF(side * size * 0.42, -size * 0.22), size * 0.42, size * 0.34);
        p.setBrush(QColor(0xFB, 0xC8, 0x60));
        p.drawEllipse(QPointF(side * size * 0.3, size * 0.28), size * 0.28, size * 0.24);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6E, 0x58, 0x4A));
    p.drawEllipse(QPointF(0, 0), size * 0.08, size * 0.45);
    p.setPen(QPen(QColor(0x6E, 0x58, 0x4A), size * 0.05, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int side : {-1, 1}) {
        QPainterPath feeler(QPointF(0, -size * 0.4));
        feeler.quadTo(side * size * 0.08, -size * 0.7, side * size * 0.26, -size * 0.8);
        p.drawPath(feeler);
    }
    p.restore();
}

// A blossoming branch reaching in from the top-left corner: the meadow's mark in the small
// preview of the background chooser, well clear of the board in the middle.
void blossomBranch(QPainter &p)
{
    const Curve main{{-10, 6}, {64, 44}, {156, 32}};
    const Curve up{main.at(0.36), {64, 14}, {84, 8}};
    const Curve down{main.at(0.6), {100, 46}, {106, 64}};
    const Curve tip{main.at(0.82), {140, 20}, {146, 14}};
    const QColor bark(0x8E, 0x66, 0x4A);
    p.fillPath(taperedTwig(main, 11, 2.6), bark);
    p.fillPath(taperedTwig(up, 4.2, 1.8), bark);
    p.fillPath(taperedTwig(down, 4.2, 1.8), bark);
    p.fillPath(taperedTwig(tip, 2.6, 1.4), bark);
    // A lit upper edge gives the wood a little roundness.
    p.setPen(QPen(QColor(0xB0, 0x88, 0x64), 1.2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath rim(main.at(0.02) + QPointF(0, -3.4));
    for (int i = 1; i <= 16; ++i) {
        const double t = 0.02 + 0.7 * i / 16.0;
        rim.lineTo(main.at(t) + QPointF(0, -3.4 * (1.0 - t)));
    }
    p.setBrush(Qt::NoBrush);
    p.drawPath(rim);

    leaf(p, main.at(0.22), 17, 118);
    leaf(p, main.at(0.3), 15, -62);
    leaf(p, up.at(0.5), 15, -100);
    leaf(p, main.at(0.52), 16, 64);
    leaf(p, down.at(0.6), 14, 8);
    leaf(p, down.at(0.35), 13, 150);
    leaf(p, main.at(0.9), 15, -38);
    bud(p, up.b + QPointF(3, -1), 3.4, -20);
    bud(p, main.b + QPointF(3, 1), 3.2, 10);
    blossom(p, main.at(0.14), 9.5, 10);
    blossom(p, main.at(0.27) + QPointF(2, 9), 7.5, 50);
    blossom(p, up.at(0.72), 10.5, 40);
    blossom(p, up.at(0.3) + QPointF(-3, -7), 7.5, 14);
    blossom(p, main.at(0.46) + QPointF(-4, 8), 10.0, 22);
    blossom(p, down.b, 9.5, 55);
    blossom(p, main.at(0.74) + QPointF(2, -7), 10.5, 4);
    blossom(p, main.at(0.64) + QPointF(-2, 9), 7.0, 66);
    blossom(p, tip.b + QPointF(1, -2), 8.0, 30);
}

void paintMeadow(QPainter &p, QRandomGenerator &rng)
{
    const Rgb skyTop = rgbOf(QColor(0x9C, 0xCF, 0xF0));
    const Rgb skyLow = rgbOf(QColor(0xE6, 0xF4, 0xFB));
    const Rgb far = rgbOf(QColor(0xB9, 0xDD, 0xA4));
    const Rgb nearTop = rgbOf(QColor(0xA6, 0xD6, 0x86));
    const Rgb nearLow = rgbOf(QColor(0x86, 0xC2, 0x68));
    paintPixels(p, [&](double x, double y) {
        Rgb c;
        const double edgeFar = std::clamp(y - hillFar(x) + 0.5, 0.0, 1.0);
        const double edgeNear = std::clamp(y - hillNear(x) + 0.5, 0.0, 1.0);
        const Rgb sky = mix(skyTop, skyLow, smoothStep(std::clamp(y / 300.0, 0.0, 1.0)));
        const double grassNoise = 0.08 * (valueNoise(x, y, 60, 10u) - 0.5);
        const Rgb farC = mix(far, nearTop, std::clamp((y - 250) / 300.0, 0.0, 0.4));
        const Rgb nearC =
            mix(nearTop, nearLow, std::clamp((y - 320) / 160.0 + grassNoise, 0.0, 1.0));
        c = mix(mix(sky, farC, edgeFar), nearC, edgeNear);
        return toRgb(c);
    });
    softLayer(p, 1.6, [](QPainter &lp) {
        drawCloud(lp, {262, 60}, 130, 0.9);
        drawCloud(lp, {530, 96}, 120, 0.85);
        drawCloud(lp, {400, 32}, 80, 0.6);
    });
    p.setRenderHint(QPainter::Antialiasing);
    blossomBranch(p);
    butterfly(p, {66, 86}, 13, -18);

    // Grass blades and flowers, only along the bottom edge. The game prints its rights notice at
    // the bottom left, so the grass stays short and flowerless there to keep it readable.
    constexpr double calmUntil = 100.0;
    auto calm = [&](double x) {
        return 1.0 - smoothStep(std::clamp((x - calmUntil) / 40, 0.0, 1.0));
    };
    auto r = [&](double lo, double hi) { return lo + (hi - lo) * rng.generateDouble(); };
    for (int layer = 0; layer < 2; ++layer) {
        const QColor blade = layer == 0 ? QColor(0x7C, 0xB8, 0x5E) : QColor(0x68, 0xA8, 0x4E);
        for (double x = -4; x < kW + 4; x += r(3.0, 6.0)) {
            const double base = kH + 2;
            const double h = (layer == 0 ? r(16, 34) : r(10, 22)) * (1.0 - 0.85 * calm(x));
            const double lean = r(-7, 7);
            QPainterPath path;
            path.moveTo(x - 2, base);
            path.quadTo(x + lean * 0.3, base - h * 0.6, x + lean, base - h);
            path.quadTo(x + lean * 0.3 + 1, base - h * 0.5, x + 2, base);
            path.closeSubpath();
            p.fillPath(path, blade);
        }
    }
    const std::array<QColor, 5> petals = {QColor(0xFF, 0xFF, 0xFF), QColor(0xF9, 0xB8, 0xCF),
                                          QColor(0xFC, 0xE8, 0x8A), QColor(0xD4, 0xBD, 0xF2),
                                          QColor(0xFF, 0xFF, 0xFF)};
    const std::array<QColor, 2> centres = {QColor(0xF6, 0xC4, 0x3C), QColor(0xF0, 0x9A, 0x4A)};
    for (double x = r(4, 14); x < kW; x += r(16, 30)) {
        const double y = kH - r(8, 26);
        const double rad = r(5.0, 8.5);
        const double stemEnd = x + r(-1.5, 1.5);
        const int pc = int(rng.bounded(int(petals.size())));
        const int cc = int(rng.bounded(int(centres.size())));
        const double turn = r(0, 72);
        // Skipped flowers still draw their numbers, so the rest of the row keeps its place.
        if (x - rad < calmUntil + 4)
            continue;
        p.setPen(QPen(QColor(0x5E, 0x9E, 0x48), 1.4));
        p.drawLine(QPointF(x, y), QPointF(stemEnd, kH));
        flower(p, {x, y}, rad, petals[size_t(pc)], centres[size_t(cc)], turn);
    }
}

// ---- 203: squared school paper with a soft pastel border

void paintPaper(QPainter &p, QRandomGenerator &)
{
    constexpr double border = 30.0;
    constexpr double corner = 22.0;
    const std::array<Rgb, 4> pastels = {
        rgbOf(QColor(0xF9, 0xC6, 0xD6)), rgbOf(QColor(0xFB, 0xE4, 0xA6)),
        rgbOf(QColor(0xC4, 0xE8, 0xB8)), rgbOf(QColor(0xB8, 0xDA, 0xF4))};
    const Rgb paper = rgbOf(QColor(0xFD, 0xFC, 0xF6));
    const double halfW = kW / 2.0 - border;
    const double halfH = kH / 2.0 - border;
    paintPixels(p, [&](double x, double y) {
        const double tone = (valueNoise(x, y, 120.0, 30u) - 0.5) * 4.0;
        return toRgb({paper.r + tone, paper.g + tone, paper.b + tone * 1.2});
    });

    // The squares, five millimetres apart as in a maths exercise book.
    constexpr double cell = 16.0;
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(0xC8, 0xDA, 0xEE), 1.0));
    for (double x = cell; x < kW; x += cell)
        p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, kH));
    for (double y = cell; y < kH; y += cell)
        p.drawLine(QPointF(0, y + 0.5), QPointF(kW, y + 0.5));
    p.setRenderHint(QPainter::Antialiasing, true);

    // Border: colour drifts round the sheet (pink, yellow, green, blue) and fades softly inwards.
    const int s = scaleOf(p);
    QImage frame(kW * s, kH * s, QImage::Format_ARGB32_Premultiplied);
    for (int py = 0; py < frame.height(); ++py) {
        auto *line = reinterpret_cast<QRgb *>(frame.scanLine(py));
        const double y = (py + 0.5) / s;
        for (int px = 0; px < frame.width(); ++px) {
            const double x = (px + 0.5) / s;
            // Signed distance to the inner rounded rectangle; positive inside the border.
            const double qx = std::abs(x - kW / 2.0) - (halfW - corner);
            const double qy = std::abs(y - kH / 2.0) - (halfH - corner);
            const double outside =
                std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0);
            const double sd = outside - corner;
            const double a = std::clamp((sd + 6.0) / 12.0, 0.0, 1.0);
            if (a <= 0) {
                line[px] = 0;
                continue;
            }
            double turn =
                (std::atan2(y - kH / 2.0, (x - kW / 2.0) * kH / kW) + M_PI) / (2 * M_PI) * 4.0;
            turn += 0.15 * (valueNoise(x, y, 90, 32u) - 0.5);
            const int i = int(std::floor(turn));
            const double f = smoothStep(turn - i);
            Rgb c =
                mix(pastels[size_t(((i % 4) + 4) % 4)], pastels[size_t(((i + 1) % 4 + 4) % 4)], f);
            const double alpha = smoothStep(a) * 0.96;
            line[px] = qPremultiply(qRgba(int(std::lround(c.r)), int(std::lround(c.g)),
                                          int(std::lround(c.b)), int(std::lround(alpha * 255))));
        }
    }
    p.drawImage(QRectF(0, 0, kW, kH), frame);

    // A thin white line inside the border, like a printed frame on the cover.
    p.setPen(QPen(QColor(255, 255, 255, 190), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(border - 9, border - 9, kW - 2 * (border - 9), kH - 2 * (border - 9)),
                      corner + 6, corner + 6);
}

} // namespace

void renderBackgrounds(const QDir &resources)
{
    const QDir bitmap(resources.filePath(QStringLiteral("bitmap")));
    const QSize size(kW, kH);
    renderPicture(bitmap, QStringLiteral("200"), size, 200u, paintSky, Qt::white);
    renderPicture(bitmap, QStringLiteral("201"), size, 201u, paintDesk, Qt::white);
    renderPicture(bitmap, QStringLiteral("202"), size, 202u, paintMeadow, Qt::white);
    renderPicture(bitmap, QStringLiteral("203"), size, 203u, paintPaper, Qt::white);
}

} // namespace assetgen
