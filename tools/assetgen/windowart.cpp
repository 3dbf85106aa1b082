// Window pictures: the logo, the toolbar buttons, the language flags, the info box artwork and
// the program icon. Letter tiles here share the look of the default letter style.
#include "assetgen.h"

#include <QFont>
#include <QFontInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace assetgen {

namespace {

// The cheerful tile colours of the default letter style.
const QColor kCoral(0xF2, 0x54, 0x4C);
const QColor kOrange(0xF9, 0x8A, 0x22);
const QColor kGold(0xEE, 0xAA, 0x00);
const QColor kGreen(0x43, 0xB0, 0x49);
const QColor kTeal(0x16, 0xA8, 0xB6);
const QColor kBlue(0x3C, 0x7C, 0xE8);
const QColor kPurple(0x8D, 0x57, 0xD8);
const QColor kPink(0xE8, 0x50, 0x9A);

const QColor kSlate(0x2B, 0x4A, 0x37);
const QColor kFrameWood(0xC8, 0x95, 0x5A);

QFont requireFont(const char *family, QFont::Weight weight)
{
    QFont font(QString::fromLatin1(family));
    font.setWeight(weight);
    font.setPixelSize(200);
    font.setStyleStrategy(QFont::NoFontMerging);
    font.setHintingPreference(QFont::PreferNoHinting);
    // Fonts installed from several packages come back with their foundry, "C059 [UKWN]".
    const QFontInfo info(font);
    const QString found = info.family().section(QStringLiteral(" ["), 0, 0);
    if (found.compare(QString::fromLatin1(family), Qt::CaseInsensitive) != 0 ||
        std::abs(info.weight() - weight) > 50) {
        std::fprintf(stderr,
                     "assetgen: font \"%s\" weight %d is missing (got \"%s\" %d); install it\n",
                     family, static_cast<int>(weight), qPrintable(info.family()), info.weight());
        std::exit(1);
    }
    return font;
}

const QFont &tileFont()
{
    static const QFont font = requireFont("Andika", QFont::Bold);
    return font;
}

const QFont &chalkFont()
{
    static const QFont font = requireFont("Comic Neue", QFont::Bold);
    return font;
}

// `text` as a filled outline whose capital height is `capHeight`, centred on `centre` (the
// capital height, not tails or accents, is what gets centred).
QPainterPath centredText(const QFont &font, const QString &text, double capHeight, QPointF centre)
{
    QPainterPath cap;
    cap.addText(0, 0, font, QStringLiteral("H"));
    const double scale = capHeight / -cap.boundingRect().top();
    QPainterPath raw;
    raw.addText(0, 0, font, text);
    raw.setFillRule(Qt::WindingFill);
    const QPainterPath glyph = QTransform::fromScale(scale, scale).map(raw.simplified());
    const QRectF b = glyph.boundingRect();
    return glyph.translated(centre.x() - b.center().x(), centre.y() + capHeight / 2);
}

// A glossy letter tile like the default letter style, at any size.
void paintTile(QPainter &p, const QRectF &face, const QColor &colour, const QString &letter)
{
    const double radius = face.width() * 0.18;
    const double depth = face.height() * 0.05;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 30));
    p.drawRoundedRect(face.translated(depth * 0.5, depth * 1.7).adjusted(-0.3, 0, 0.4, 0.4), radius,
                      radius);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(face.translated(depth * 0.3, depth * 1.4), radius, radius);
    p.setBrush(colour.darker(150));
    p.drawRoundedRect(face.translated(0, depth), radius, radius);

    QLinearGradient body(face.topLeft(), face.bottomLeft());
    body.setColorAt(0, colour.lighter(108));
    body.setColorAt(1, colour.darker(106));
    p.setBrush(body);
    p.drawRoundedRect(face, radius, radius);

    const QRectF shine = face.adjusted(face.width() * 0.06, face.height() * 0.04,
                                       -face.width() * 0.06, -face.height() * 0.52);
    QLinearGradient g(shine.topLeft(), shine.bottomLeft());
    g.setColorAt(0, QColor(255, 255, 255, 125));
    g.setColorAt(1, QColor(255, 255, 255, 12));
    p.setBrush(g);
    p.drawRoundedRect(shine, radius * 0.7, radius * 0.7);

    const double rimWidth = std::max(0.8, face.width() * 0.03);
    QLinearGradient rim(face.topLeft(), face.bottomLeft());
    rim.setColorAt(0, QColor(255, 255, 255, 150));
    rim.setColorAt(0.45, QColor(255, 255, 255, 0));
    rim.setColorAt(0.8, QColor(0, 0, 0, 0));
    rim.setColorAt(1, QColor(0, 0, 0, 45));
    p.setPen(QPen(QBrush(rim), rimWidth));
    p.setBrush(Qt::NoBrush);
    const double inset = rimWidth * 0.7;
    p.drawRoundedRect(face.adjusted(inset, inset, -inset, -inset), radius - inset, radius - inset);

    if (!letter.isEmpty()) {
        const QPainterPath glyph = centredText(tileFont(), letter, face.height() * 0.6,
                                               face.center() - QPointF(0, face.height() * 0.01));
        const double unit = face.width() / 27.0; // outline widths match the letter sheets
        p.setPen(Qt::NoPen);
        QColor shadow = colour.darker(260);
        shadow.setAlpha(80);
        p.setBrush(shadow);
        p.drawPath(glyph.translated(0.5 * unit, 1.1 * unit));
        const QColor outline = colour.darker(175);
        p.setPen(QPen(outline, 2.2 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(outline);
        p.drawPath(glyph);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(glyph);
    }
    p.restore();
}

// Chalk: a few rough passes along the line plus grain, never a clean vector stroke.
void chalkStroke(QPainter &p, const QPainterPath &path, const QColor &colour, double width,
                 QRandomGenerator &rng)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int pass = 0; pass < 3; ++pass) {
        QColor c = colour;
        c.setAlpha(120 + rng.bounded(70));
        p.setPen(
            QPen(c, width * (0.55 + rng.bounded(0.3)), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const double jitter = width * 0.35;
        p.drawPath(
            path.translated(rng.bounded(2 * jitter) - jitter, rng.bounded(2 * jitter) - jitter));
    }
    const int grains = static_cast<int>(path.length() / width * 3);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < grains; ++i) {
        const QPointF at = path.pointAtPercent(rng.bounded(1.0));
        QColor c = colour;
        c.setAlpha(90 + rng.bounded(120));
        p.setBrush(c);
        const double spread = width * 0.7;
        const double r = width * (0.1 + rng.bounded(0.18));
        p.drawEllipse(
            at + QPointF(rng.bounded(2 * spread) - spread, rng.bounded(2 * spread) - spread), r, r);
    }
    p.restore();
}

// A chalk board of the game's slate green with a light wooden frame; returns the slate area.
QRectF paintBoard(QPainter &p, const QRectF &outer, double frame, QRandomGenerator &rng)
{
    const double radius = frame * 0.9;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRoundedRect(outer.translated(frame * 0.25, frame * 0.45), radius, radius);
    QLinearGradient wood(outer.topLeft(), outer.bottomRight());
    wood.setColorAt(0, kFrameWood.lighter(118));
    wood.setColorAt(1, kFrameWood.darker(108));
    p.setBrush(wood);
    p.drawRoundedRect(outer, radius, radius);
    p.setPen(QPen(kFrameWood.darker(150), std::max(0.6, frame * 0.12)));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(outer, radius, radius);

    const QRectF slate = outer.adjusted(frame, frame, -frame, -frame);
    p.setPen(Qt::NoPen);
    p.setBrush(kSlate);
    p.drawRect(slate);
    // Wiped haze so the slate is not a flat colour.
    p.setClipRect(slate);
    const int hazes = 6;
    for (int i = 0; i < hazes; ++i) {
        const QPointF c(slate.left() + rng.bounded(slate.width()),
                        slate.top() + rng.bounded(slate.height()));
        const double r = slate.height() * (0.25 + rng.bounded(0.3));
        QRadialGradient g(c, r);
        g.setColorAt(0, QColor(255, 255, 255, 16 + rng.bounded(10)));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(g);
        p.drawEllipse(c, r * 1.4, r);
    }
    p.setClipping(false);
    // Inner shadow below the frame's upper edge.
    QLinearGradient inner(slate.topLeft(), slate.topLeft() + QPointF(0, frame * 0.8));
    inner.setColorAt(0, QColor(0, 0, 0, 70));
    inner.setColorAt(1, QColor(0, 0, 0, 0));
    p.setBrush(inner);
    p.drawRect(QRectF(slate.topLeft(), QSizeF(slate.width(), frame * 0.8)));
    p.restore();
    return slate;
}

// "QUENDO" in tilted tiles; `box` is the 300 x 60 area of the logo.
void paintLogo(QPainter &p, const QRectF &box)
{
    static const std::array<QColor, 6> colours{kCoral, kOrange, kGold, kGreen, kBlue, kPurple};
    static const std::array<double, 6> angles{-7, 5, -4, 6, -5, 4};
    static const std::array<double, 6> lifts{1.5, -1.5, 1.0, -1.0, 1.5, -0.5};
    const QString word = QStringLiteral("QUENDO");
    const double sx = box.width() / 300.0;
    const double sy = box.height() / 60.0;
    const QSizeF tile(40 * sx, 46 * sy);
    const double step = 47 * sx;
    const double left = box.left() + (box.width() - step * 5 - tile.width()) / 2;
    for (int i = 0; i < 6; ++i) {
        const QPointF centre(left + step * i + tile.width() / 2,
                             box.top() + box.height() / 2 - 1.5 * sy + lifts[i] * sy);
        p.save();
        p.translate(centre);
        p.rotate(angles[i]);
        paintTile(p, QRectF(QPointF(-tile.width() / 2, -tile.height() / 2), tile), colours[i],
                  word.mid(i, 1));
        p.restore();
    }
}

// Shapes of the toolbar share one treatment: soft drop shadow, top-lit gradient, dark rim and
// a glossy upper half.
void paintGlossy(QPainter &p, const QPainterPath &shape, const QColor &colour, double rim = 1.3)
{
    const QRectF b = shape.boundingRect();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawPath(shape.translated(0.6, 1.2));
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0, colour.lighter(130));
    g.setColorAt(0.55, colour);
    g.setColorAt(1, colour.darker(115));
    p.setBrush(g);
    p.setPen(QPen(colour.darker(180), rim, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(shape);
    p.setClipPath(shape);
    QLinearGradient hl(b.topLeft(), QPointF(b.left(), b.top() + b.height() * 0.5));
    hl.setColorAt(0, QColor(255, 255, 255, 150));
    hl.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(hl);
    p.drawEllipse(QRectF(b.left() + b.width() * 0.08, b.top() + b.height() * 0.03, b.width() * 0.84,
                         b.height() * 0.55));
    p.restore();
}

// A polygon whose corners are rounded off with radius `r`.
QPainterPath roundedPolygon(const std::vector<QPointF> &points, double r)
{
    QPainterPath path;
    const size_t n = points.size();
    for (size_t i = 0; i < n; ++i) {
        const QPointF prev = points[(i + n - 1) % n];
        const QPointF at = points[i];
        const QPointF next = points[(i + 1) % n];
        auto toward = [&](QPointF to) {
            const QPointF d = to - at;
            const double len = std::hypot(d.x(), d.y());
            return at + d * (std::min(r, len / 2) / len);
        };
        const QPointF a = toward(prev);
        const QPointF b = toward(next);
        if (i == 0)
            path.moveTo(a);
        else
            path.lineTo(a);
        path.quadTo(at, b);
    }
    path.closeSubpath();
    return path;
}

void paintStart(QPainter &p)
{
    paintGlossy(p, roundedPolygon({{8, 4}, {28, 16}, {8, 28}}, 4), kGreen);
}

void paintEnd(QPainter &p)
{
    // An open door: dark room behind a red leaf, in a wooden frame.
    QPainterPath frame;
    frame.addRoundedRect(QRectF(6, 3, 20, 26.5), 3, 3);
    paintGlossy(p, frame, QColor(0x9A, 0x66, 0x33));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3A, 0x2A, 0x22));
    p.drawRoundedRect(QRectF(9, 6, 14, 23.5), 1.5, 1.5);
    // A wedge of daylight falling in through the gap.
    QLinearGradient light(QPointF(22, 10), QPointF(14, 29));
    light.setColorAt(0, QColor(255, 236, 160, 220));
    light.setColorAt(1, QColor(255, 236, 160, 0));
    p.setBrush(light);
    p.drawPolygon(
        QPolygonF({QPointF(17, 6.5), QPointF(23, 6), QPointF(23, 29.5), QPointF(13, 29.5)}));
    const QPainterPath leaf = roundedPolygon({{9, 6}, {17.5, 4}, {17.5, 31}, {9, 29.5}}, 1.2);
    paintGlossy(p, leaf, kCoral, 1.1);
    p.setPen(QPen(QColor(0x6B, 0x12, 0x0E), 0.8));
    p.setBrush(QColor(0xFF, 0xD8, 0x4A));
    p.drawEllipse(QPointF(15.3, 18), 1.3, 1.3);
}

void paintBack(QPainter &p)
{
    QPainterPath frame;
    frame.addRoundedRect(QRectF(2.5, 5, 27, 22), 3, 3);
    paintGlossy(p, frame, QColor(0xF4, 0xF1, 0xE8));
    const QRectF view(5, 7.5, 22, 17);
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(view, 1.5, 1.5);
    p.setClipPath(clip);
    QLinearGradient sky(view.topLeft(), view.bottomLeft());
    sky.setColorAt(0, QColor(0x5F, 0xB8, 0xF5));
    sky.setColorAt(1, QColor(0xCF, 0xEE, 0xFF));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRect(view);
    p.setBrush(QColor(0xFF, 0xD2, 0x2E));
    p.drawEllipse(QPointF(21.5, 12), 2.8, 2.8);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(9.5, 11.5), 2.6, 1.5);
    p.drawEllipse(QPointF(11.5, 10.8), 2.0, 1.6);
    QPainterPath back;
    back.moveTo(4, 22);
    back.cubicTo(9, 14, 14, 15, 20, 21);
    back.lineTo(20, 26);
    back.lineTo(4, 26);
    p.setBrush(QColor(0x3E, 0x9E, 0x3A));
    p.drawPath(back);
    QPainterPath front;
    front.moveTo(10, 26);
    front.cubicTo(15, 17, 22, 16, 28, 20);
    front.lineTo(28, 26);
    p.setBrush(QColor(0x6C, 0xC8, 0x4A));
    p.drawPath(front);
    p.restore();
    p.setPen(QPen(QColor(0, 0, 0, 90), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(view, 1.5, 1.5);
}

void paintLetterButton(QPainter &p)
{
    paintTile(p, QRectF(6, 2, 20, 26), kPurple, QStringLiteral("A"));
}

void paintOptions(QPainter &p)
{
    const QPointF c(16, 15.5);
    const int teeth = 8;
    std::vector<QPointF> points;
    for (int i = 0; i < teeth; ++i) {
        const double a = 2 * std::numbers::pi * i / teeth;
        const double half = std::numbers::pi / teeth;
        for (const auto &[da, r] : {std::pair{-half * 0.95, 10.0}, std::pair{-half * 0.45, 13.5},
                                    std::pair{half * 0.45, 13.5}, std::pair{half * 0.95, 10.0}})
            points.emplace_back(c.x() + r * std::cos(a + da), c.y() + r * std::sin(a + da));
    }
    QPainterPath hole;
    hole.addEllipse(c, 4.2, 4.2);
    const QPainterPath gear = roundedPolygon(points, 1.0).subtracted(hole);
    paintGlossy(p, gear, QColor(0x6F, 0x8F, 0xAF));
    p.setPen(QPen(QColor(0x2E, 0x40, 0x52), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 4.2, 4.2);
}

void paintHelp(QPainter &p)
{
    QPainterPath ball;
    ball.addEllipse(QPointF(16, 15.5), 13.5, 13.5);
    paintGlossy(p, ball, kBlue);
    const QPainterPath mark = centredText(tileFont(), QStringLiteral("?"), 17, QPointF(16, 15.5));
    p.setPen(QPen(kBlue.darker(170), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kBlue.darker(170));
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(mark);
}

void paintNext(QPainter &p)
{
    paintGlossy(p,
                roundedPolygon(
                    {{3.5, 11}, {16, 11}, {16, 4}, {29, 16}, {16, 28}, {16, 21}, {3.5, 21}}, 1.6),
                kOrange);
}

// Flags, 32 x 20, with a faint rim so white parts do not melt into a light toolbar.
void stripes(QPainter &p, bool vertical, const std::vector<QColor> &colours)
{
    const double n = static_cast<double>(colours.size());
    for (size_t i = 0; i < colours.size(); ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(colours[i]);
        if (vertical)
            p.drawRect(QRectF(32 * i / n, 0, 32 / n + 0.01, 20));
        else
            p.drawRect(QRectF(0, 20 * i / n, 32, 20 / n + 0.01));
    }
}

void flagGermany(QPainter &p)
{
    stripes(p, false, {QColor(0, 0, 0), QColor(0xDD, 0, 0), QColor(0xFF, 0xCE, 0)});
}

void flagUnitedKingdom(QPainter &p)
{
    p.fillRect(QRectF(0, 0, 32, 20), QColor(0x01, 0x21, 0x69));
    p.setPen(QPen(Qt::white, 4.0));
    p.drawLine(QPointF(0, 0), QPointF(32, 20));
    p.drawLine(QPointF(32, 0), QPointF(0, 20));
    // The red diagonals are offset to one side of the white ones.
    const QColor red(0xC8, 0x10, 0x2E);
    p.save();
    p.setClipRect(QRectF(0, 0, 16, 10));
    p.setPen(QPen(red, 1.4));
    p.drawLine(QPointF(-0.7, 0.7), QPointF(15.3, 10.7));
    p.setClipRect(QRectF(16, 10, 16, 10));
    p.drawLine(QPointF(16.7, 9.3), QPointF(32.7, 19.3));
    p.setClipRect(QRectF(16, 0, 16, 10));
    p.drawLine(QPointF(32, 1.2), QPointF(16, 11.2));
    p.setClipRect(QRectF(0, 10, 16, 10));
    p.drawLine(QPointF(16, 8.8), QPointF(0, 18.8));
    p.restore();
    p.fillRect(QRectF(12.7, 0, 6.6, 20), Qt::white);
    p.fillRect(QRectF(0, 6.7, 32, 6.6), Qt::white);
    p.fillRect(QRectF(14, 0, 4, 20), red);
    p.fillRect(QRectF(0, 8, 32, 4), red);
}

void flagSweden(QPainter &p)
{
    p.fillRect(QRectF(0, 0, 32, 20), QColor(0x00, 0x6A, 0xA7));
    const QColor yellow(0xFE, 0xCC, 0x02);
    p.fillRect(QRectF(10, 0, 4, 20), yellow);
    p.fillRect(QRectF(0, 8, 32, 4), yellow);
}

void flagItaly(QPainter &p)
{
    stripes(p, true,
            {QColor(0x00, 0x92, 0x46), QColor(0xF4, 0xF5, 0xF0), QColor(0xCE, 0x2B, 0x37)});
}

void flagPortugal(QPainter &p)
{
    p.fillRect(QRectF(0, 0, 12.8, 20), QColor(0x00, 0x66, 0x00));
    p.fillRect(QRectF(12.8, 0, 19.2, 20), QColor(0xFF, 0x00, 0x00));
    const QPointF c(12.8, 10);
    // Armillary sphere, simplified to a golden ring with its bands.
    const QColor gold(0xFF, 0xE0, 0x00);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, 1.3));
    p.drawEllipse(c, 5.6, 5.6);
    p.setPen(QPen(gold, 0.7));
    p.drawEllipse(c, 5.6, 2.0);
    p.drawLine(c - QPointF(0, 5.6), c + QPointF(0, 5.6));
    // The shield: white with a red border and blue marks.
    QPainterPath shield;
    shield.moveTo(c.x() - 3, c.y() - 3.4);
    shield.lineTo(c.x() + 3, c.y() - 3.4);
    shield.lineTo(c.x() + 3, c.y() + 0.8);
    shield.quadTo(c.x() + 3, c.y() + 3.6, c.x(), c.y() + 3.8);
    shield.quadTo(c.x() - 3, c.y() + 3.6, c.x() - 3, c.y() + 0.8);
    shield.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0x00, 0x00));
    p.drawPath(shield);
    p.setBrush(Qt::white);
    p.drawPath(QTransform()
                   .translate(c.x(), c.y())
                   .scale(0.68, 0.7)
                   .translate(-c.x(), -c.y())
                   .map(shield));
    p.setBrush(QColor(0x00, 0x3A, 0x99));
    for (const QPointF d : {QPointF(0, -1.2), QPointF(-1.2, 0.2), QPointF(1.2, 0.2),
                            QPointF(0, 0.2), QPointF(0, 1.6)})
        p.drawEllipse(c + d, 0.5, 0.5);
}

void flagSpain(QPainter &p)
{
    const QColor red(0xAA, 0x15, 0x1B);
    p.fillRect(QRectF(0, 0, 32, 20), red);
    p.fillRect(QRectF(0, 5, 32, 10), QColor(0xF1, 0xBF, 0x00));
    // The coat of arms, simplified: a crowned shield between two pillars.
    const QPointF c(10, 10.4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xB4, 0x8A, 0x3C));
    p.drawRect(QRectF(c.x() - 4.6, c.y() - 2.4, 1.2, 5.4));
    p.drawRect(QRectF(c.x() + 3.4, c.y() - 2.4, 1.2, 5.4));
    QPainterPath shield;
    shield.moveTo(c.x() - 2.6, c.y() - 2.6);
    shield.lineTo(c.x() + 2.6, c.y() - 2.6);
    shield.lineTo(c.x() + 2.6, c.y() + 1.2);
    shield.quadTo(c.x() + 2.6, c.y() + 3.4, c.x(), c.y() + 3.5);
    shield.quadTo(c.x() - 2.6, c.y() + 3.4, c.x() - 2.6, c.y() + 1.2);
    shield.closeSubpath();
    p.setBrush(QColor(0xC6, 0x0B, 0x1E));
    p.drawPath(shield);
    p.save();
    p.setClipPath(shield);
    p.setBrush(QColor(0xE8, 0xD6, 0xA8));
    p.drawRect(QRectF(c.x(), c.y() - 2.6, 2.6, 2.6));
    p.drawRect(QRectF(c.x() - 2.6, c.y(), 2.6, 3.6));
    p.restore();
    p.setPen(QPen(QColor(0x7A, 0x4A, 0x10), 0.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shield);
    // Crown.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC8, 0x8A, 0x00));
    p.drawPolygon(QPolygonF({QPointF(c.x() - 2.4, c.y() - 3.0), QPointF(c.x() + 2.4, c.y() - 3.0),
                             QPointF(c.x() + 2.8, c.y() - 5.0), QPointF(c.x() + 1.2, c.y() - 4.0),
                             QPointF(c.x(), c.y() - 5.4), QPointF(c.x() - 1.2, c.y() - 4.0),
                             QPointF(c.x() - 2.8, c.y() - 5.0)}));
}

void flagFrance(QPainter &p)
{
    stripes(p, true,
            {QColor(0x00, 0x55, 0xA4), QColor(0xF4, 0xF5, 0xF0), QColor(0xEF, 0x41, 0x35)});
}

void paintFlag(QPainter &p, void (*flag)(QPainter &))
{
    flag(p);
    // A whisper of cloth: lighter at the top, and a faint rim.
    QLinearGradient g(0, 0, 0, 20);
    g.setColorAt(0, QColor(255, 255, 255, 40));
    g.setColorAt(0.5, QColor(255, 255, 255, 0));
    g.setColorAt(1, QColor(0, 0, 0, 25));
    p.fillRect(QRectF(0, 0, 32, 20), g);
    p.setPen(QPen(QColor(0, 0, 0, 70), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 31, 19));
}

// The program icon in a 100 x 100 design square: a "Q" tile in front of a small chalk board.
// `small` drops the chalk writing, which would only be noise at 32 pixels.
void paintIcon(QPainter &p, double size, bool small, QRandomGenerator &rng)
{
    p.save();
    p.scale(size / 100.0, size / 100.0);
    const QRectF slate = paintBoard(p, QRectF(2, 4, 86, 66), small ? 7 : 6, rng);
    if (small) {
        QPainterPath wave;
        wave.moveTo(slate.left() + 6, slate.top() + 14);
        wave.cubicTo(slate.left() + 14, slate.top() + 4, slate.left() + 20, slate.top() + 24,
                     slate.left() + 30, slate.top() + 12);
        chalkStroke(p, wave, QColor(0xFF, 0xF3, 0xA0), 5, rng);
    } else {
        const QPainterPath abc = centredText(chalkFont(), QStringLiteral("ABC"), 13,
                                             QPointF(slate.left() + 22, slate.top() + 14));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 215));
        p.drawPath(abc);
        QPainterPath wave;
        wave.moveTo(slate.left() + 5, slate.top() + 34);
        wave.cubicTo(slate.left() + 12, slate.top() + 27, slate.left() + 20, slate.top() + 41,
                     slate.left() + 30, slate.top() + 32);
        chalkStroke(p, wave, QColor(0xFF, 0xF3, 0xA0), 2.6, rng);
    }
    // At 32 pixels the tile must carry the icon on its own, so it grows.
    p.translate(small ? 64 : 66, small ? 61 : 62);
    p.rotate(-8);
    paintTile(p, small ? QRectF(-25, -32, 50, 62) : QRectF(-23, -29, 46, 58), kCoral,
              QStringLiteral("Q"));
    p.restore();
}

// A little chalk sun with rays.
void chalkSun(QPainter &p, QPointF c, double r, QRandomGenerator &rng)
{
    const QColor yellow(0xFF, 0xE8, 0x7A);
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    chalkStroke(p, disc, yellow, 2.6, rng);
    for (int i = 0; i < 8; ++i) {
        const double a = 2 * std::numbers::pi * i / 8 + 0.2;
        QPainterPath ray(c + QPointF(std::cos(a), std::sin(a)) * (r + 4));
        ray.lineTo(c + QPointF(std::cos(a), std::sin(a)) * (r + 10));
        chalkStroke(p, ray, yellow, 2.4, rng);
    }
    // A friendly face.
    QPainterPath smile;
    smile.moveTo(c + QPointF(-r * 0.45, r * 0.2));
    smile.quadTo(c + QPointF(0, r * 0.75), c + QPointF(r * 0.45, r * 0.2));
    chalkStroke(p, smile, yellow, 2.0, rng);
    for (const double dx : {-r * 0.35, r * 0.35}) {
        QPainterPath eye;
        eye.addEllipse(c + QPointF(dx, -r * 0.25), 0.8, 0.8);
        chalkStroke(p, eye, yellow, 2.0, rng);
    }
}

void chalkHouse(QPainter &p, QPointF base, double k, QRandomGenerator &rng)
{
    auto at = [&](double x, double y) { return base + QPointF(x, y) * k; };
    QPainterPath walls(at(0, 0));
    walls.lineTo(at(0, -36));
    walls.lineTo(at(46, -36));
    walls.lineTo(at(46, 0));
    walls.closeSubpath();
    chalkStroke(p, walls, QColor(0xF8, 0xF8, 0xF0), 2.8, rng);
    // The chimney stands on the roof line.
    QPainterPath chimney(at(34, -49));
    chimney.lineTo(at(34, -57));
    chimney.lineTo(at(40, -57));
    chimney.lineTo(at(40, -44));
    chalkStroke(p, chimney, QColor(0xF8, 0xF8, 0xF0), 2.4, rng);
    QPainterPath smoke(at(37, -61));
    smoke.cubicTo(at(31, -65), at(43, -69), at(37, -73));
    smoke.cubicTo(at(31, -77), at(43, -81), at(39, -85));
    chalkStroke(p, smoke, QColor(0xD8, 0xE4, 0xF0), 2.0, rng);
    QPainterPath roof(at(-6, -34));
    roof.lineTo(at(23, -58));
    roof.lineTo(at(52, -34));
    chalkStroke(p, roof, QColor(0xFF, 0x9E, 0x9E), 2.8, rng);
    QPainterPath door(at(17, 0));
    door.lineTo(at(17, -20));
    door.lineTo(at(29, -20));
    door.lineTo(at(29, 0));
    chalkStroke(p, door, QColor(0xFF, 0xD0, 0x80), 2.4, rng);
    QPainterPath window;
    window.addRect(QRectF(at(5, -30), at(14, -21)));
    window.addRect(QRectF(at(32, -30), at(41, -21)));
    chalkStroke(p, window, QColor(0xA8, 0xD8, 0xFF), 2.2, rng);
}

void chalkFlower(QPainter &p, QPointF ground, double k, QRandomGenerator &rng)
{
    auto at = [&](double x, double y) { return ground + QPointF(x, y) * k; };
    const QColor green(0xB5, 0xF0, 0xA0);
    QPainterPath stem(at(0, 0));
    stem.cubicTo(at(-3, -10), at(3, -20), at(0, -30));
    chalkStroke(p, stem, green, 2.4, rng);
    QPainterPath leaf(at(0, -12));
    leaf.quadTo(at(9, -20), at(12, -12));
    leaf.quadTo(at(6, -9), at(0, -12));
    chalkStroke(p, leaf, green, 2.0, rng);
    const QPointF head = at(0, -36);
    for (int i = 0; i < 6; ++i) {
        const double a = 2 * std::numbers::pi * i / 6;
        QPainterPath petal;
        petal.addEllipse(head + QPointF(std::cos(a), std::sin(a)) * 6 * k, 3.6 * k, 3.6 * k);
        chalkStroke(p, petal, QColor(0xFF, 0xB0, 0xD8), 2.0, rng);
    }
    QPainterPath middle;
    middle.addEllipse(head, 2.2 * k, 2.2 * k);
    chalkStroke(p, middle, QColor(0xFF, 0xE8, 0x7A), 2.2, rng);
}

void paintInfoArt(QPainter &p, QRandomGenerator &rng)
{
    // A light classroom wall.
    QLinearGradient wall(0, 0, 0, 330);
    wall.setColorAt(0, QColor(0xE6, 0xF4, 0xFF));
    wall.setColorAt(0.75, QColor(0xFF, 0xF6, 0xDE));
    p.fillRect(QRectF(0, 0, 356, 330), wall);

    paintLogo(p, QRectF(28, 6, 300, 60));

    const QRectF slate = paintBoard(p, QRectF(22, 72, 312, 186), 9, rng);
    chalkSun(p, slate.topLeft() + QPointF(42, 38), 13, rng);
    chalkHouse(p, slate.topLeft() + QPointF(160, 146), 1.3, rng);
    chalkFlower(p, slate.topLeft() + QPointF(256, 146), 1.25, rng);
    // Ground line under the drawing.
    QPainterPath ground(slate.topLeft() + QPointF(126, 147));
    ground.cubicTo(slate.topLeft() + QPointF(170, 144), slate.topLeft() + QPointF(230, 150),
                   slate.topLeft() + QPointF(284, 146));
    chalkStroke(p, ground, QColor(0xB5, 0xF0, 0xA0), 2.6, rng);
    // A child's first word in chalk.
    const QPainterPath abc =
        centredText(chalkFont(), QStringLiteral("A B C"), 26, slate.topLeft() + QPointF(60, 112));
    p.save();
    p.setClipPath(abc);
    p.fillPath(abc, QColor(255, 255, 255, 225));
    p.setPen(Qt::NoPen);
    const QRectF b = abc.boundingRect();
    for (int i = 0; i < 260; ++i) {
        QColor speck = kSlate;
        speck.setAlpha(60 + rng.bounded(120));
        p.setBrush(speck);
        p.drawEllipse(QPointF(b.left() + rng.bounded(b.width()), b.top() + rng.bounded(b.height())),
                      0.5, 0.4);
    }
    p.restore();

    // Desk in front of the board.
    const QRectF desk(0, 252, 356, 78);
    QLinearGradient top(desk.topLeft(), desk.bottomLeft());
    top.setColorAt(0, QColor(0xE0, 0xAE, 0x6E));
    top.setColorAt(1, QColor(0xC4, 0x8A, 0x4C));
    p.fillRect(desk, top);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 14; ++i) {
        const double y = desk.top() + 4 + rng.bounded(desk.height() - 6);
        QPainterPath grain(QPointF(0, y));
        grain.cubicTo(QPointF(120, y + rng.bounded(6.0) - 3),
                      QPointF(240, y + rng.bounded(6.0) - 3),
                      QPointF(356, y + rng.bounded(4.0) - 2));
        p.setPen(QPen(QColor(0x8A, 0x55, 0x25, 40 + rng.bounded(50)), 0.6 + rng.bounded(0.8)));
        p.drawPath(grain);
    }
    p.fillRect(QRectF(0, 252, 356, 3), QColor(0xF0, 0xC8, 0x8E));
    p.fillRect(QRectF(0, 255, 356, 1.5), QColor(0x9A, 0x64, 0x30, 120));

    // Chalk pieces and a sponge resting on the desk.
    p.setPen(QPen(QColor(0, 0, 0, 60), 0.8));
    p.setBrush(QColor(0xFA, 0xFA, 0xF2));
    p.drawRoundedRect(QRectF(26, 264, 24, 5), 2.5, 2.5);
    p.setBrush(QColor(0xFF, 0xB6, 0xD6));
    p.drawRoundedRect(QRectF(32, 273, 18, 5), 2.5, 2.5);
    p.setBrush(QColor(0x4A, 0x7F, 0xD6));
    p.drawRoundedRect(QRectF(290, 262, 42, 14), 3, 3);
    p.setBrush(QColor(0xF4, 0xE3, 0xB5));
    p.drawRoundedRect(QRectF(290, 272, 42, 6), 2, 2);

    // Tiles of several of the game's languages.
    struct Scattered
    {
        double x, y, angle;
        QColor colour;
        const char16_t *letter;
    };
    const std::array<Scattered, 5> tiles{{{94, 290, -8, kCoral, u"A"},
                                          {136, 294, 5, kGreen, u"Ö"},
                                          {178, 289, -3, kBlue, u"Ñ"},
                                          {220, 295, 7, kPurple, u"É"},
                                          {262, 290, -5, kOrange, u"Ç"}}};
    for (const Scattered &t : tiles) {
        p.save();
        p.translate(t.x, t.y);
        p.rotate(t.angle);
        paintTile(p, QRectF(-17, -22, 34, 44), t.colour, QString::fromUtf16(t.letter));
        p.restore();
    }
}

} // namespace

void renderWindowArt(const QDir &resources)
{
    const QDir dir(resources.filePath(QStringLiteral("window")));
    // Fail before writing anything if a face is missing.
    tileFont();
    chalkFont();

    renderPicture(dir, QStringLiteral("logo"), QSize(300, 60), 1,
                  [](QPainter &p, QRandomGenerator &) { paintLogo(p, QRectF(0, 0, 300, 60)); });

    const std::array<std::pair<const char *, void (*)(QPainter &)>, 7> buttons{{
        {"tool_start", paintStart},
        {"tool_end", paintEnd},
        {"tool_back", paintBack},
        {"tool_letter", paintLetterButton},
        {"tool_options", paintOptions},
        {"tool_help", paintHelp},
        {"tool_next", paintNext},
    }};
    for (const auto &[name, paint] : buttons)
        renderPicture(dir, QString::fromLatin1(name), QSize(32, 32), 2,
                      [paint](QPainter &p, QRandomGenerator &) { paint(p); });

    const std::array<void (*)(QPainter &), 7> flags{
        flagGermany, flagUnitedKingdom, flagSweden, flagItaly, flagPortugal, flagSpain, flagFrance};
    for (size_t i = 0; i < flags.size(); ++i)
        renderPicture(dir, QStringLiteral("flag_%1").arg(i), QSize(32, 20), 3,
                      [flag = flags[i]](QPainter &p, QRandomGenerator &) { paintFlag(p, flag); });

    renderPicture(dir, QStringLiteral("info_art"), QSize(356, 330), 4, paintInfoArt);
    renderPicture(dir, QStringLiteral("info_small"), QSize(32, 32), 5,
                  [](QPainter &p, QRandomGenerator &rng) { paintIcon(p, 32, true, rng); });
    renderPicture(dir, QStringLiteral("icon"), QSize(50, 50), 5,
                  [](QPainter &p, QRandomGenerator &rng) { paintIcon(p, 50, false, rng); });
    savePng(paintPicture(QSize(256, 256), 1, 5,
                         [](QPainter &p, QRandomGenerator &rng) { paintIcon(p, 256, false, rng); }),
            dir.filePath(QStringLiteral("icon-256.png")));
}

} // namespace assetgen
