// Letter-style sheets: eleven sheets of 6 x 10 letter tiles, one per letter style.
//
// Fonts, from these Debian packages (the tool stops if a family is missing rather than
// letting fontconfig substitute a look-alike):
//   fonts-sil-andika    Andika
//   fonts-comic-neue    Comic Neue
//   fonts-liberation2   Liberation Sans
//   fonts-urw-base35    C059, P052, URW Gothic
//   fonts-cantarell     Cantarell
//   fonts-open-sans     Open Sans
//   fonts-lato          Lato
//   fonts-roboto        Roboto Condensed
//   fonts-noto-core     Noto Sans
//   fonts-dejavu-core   DejaVu Sans (labels of the contact sheet)
#include "assetgen.h"

#include <QFont>
#include <QFontInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace assetgen {

namespace {

constexpr int kColumns = 10;
constexpr int kRows = 6;
constexpr int kCellWidth = 30;
constexpr int kCellHeight = 40;
constexpr int kCells = kColumns * kRows;
constexpr int kCoveredCell = 59;

// What a tile face is decorated with, under the letter.
enum class Texture
{
    Plain,
    Wood,
    Slate,
    Stars,
    Stripes,
    InnerFrame,
};

// How the letter itself is inked.
enum class Ink
{
    Solid,    // plain fill, optional outline and drop shadow
    Engraved, // pressed into the tile: a light edge below the letter
    Chalk,    // grainy white chalk
    Glow,     // soft halo, for dark tiles
    Hollow,   // light inside, strong outline
};

struct Swatch
{
    QRgb face;
    QRgb ink;
};

struct LetterStyle
{
    const char *family;
    QFont::Weight weight;
    double capHeight; // height of a plain capital at 1x, in pixels
    std::vector<Swatch> swatches;
    Texture texture;
    Ink ink;
    bool gloss;
    QRgb outline; // alpha 0: no outline; used by Solid and Hollow
    double outlineWidth;
    QRgb border;        // thin rim of the tile face
    int shadowAlpha;    // drop shadow under the letter, 0 = none
    bool outlineByFace; // outline takes a dark shade of each tile's own colour
};

// Eleven styles, sheet 111 + index. Index 8 is the default everybody sees first.
std::vector<LetterStyle> letterStyles()
{
    return {
        // 111: classic ivory game tile with a serif letter
        {"C059",
         QFont::Bold,
         21.5,
         {{0xFFF8E8C8, 0xFF3A2A1A}},
         Texture::Plain,
         Ink::Solid,
         false,
         0,
         0,
         0xFFB09058,
         0,
         false},
        // 112: toy blocks in primary colours, plain sans
        {"Liberation Sans",
         QFont::Bold,
         22,
         {{0xFFE53935, 0xFFFFFFFF},
          {0xFF1E63D6, 0xFFFFFFFF},
          {0xFFFFD21F, 0xFF1A3A8F},
          {0xFF2E9E44, 0xFFFFFFFF}},
         Texture::Plain,
         Ink::Solid,
         false,
         0,
         0,
         0xFF202020,
         0,
         false},
        // 113: soft pastels with a friendly heavy sans
        {"Lato",
         QFont::Black,
         22,
         {{0xFFFFCADF, 0xFFAD2F66},
          {0xFFC5F0DA, 0xFF23734E},
          {0xFFDCD0FF, 0xFF5636A6},
          {0xFFFFD9B8, 0xFFAE4F14},
          {0xFFC7E3FF, 0xFF22589A},
          {0xFFFFF1A8, 0xFF8C6100}},
         Texture::Plain,
         Ink::Solid,
         false,
         0,
         0,
         0x00000000,
         0,
         false},
        // 114: maple wood with engraved serif letters
        {"P052",
         QFont::Bold,
         21.5,
         {{0xFFE3B878, 0xFF4A2810}},
         Texture::Wood,
         Ink::Engraved,
         false,
         0,
         0,
         0xFF8E5F2A,
         0,
         false},
        // 115: chalk on a little slate
        {"Comic Neue",
         QFont::Bold,
         23,
         {{0xFF2F4D3C, 0xFFF6F4EA}},
         Texture::Slate,
         Ink::Chalk,
         false,
         0,
         0,
         0xFFC9A46A,
         0,
         false},
        // 116: sky blue, white letters with a navy rim
        {"Noto Sans",
         QFont::Bold,
         22,
         {{0xFF6EC3FA, 0xFFFFFFFF}},
         Texture::Plain,
         Ink::Solid,
         true,
         0xFF1B5A9E,
         1.5,
         0xFF2F7FC4,
         70,
         false},
        // 117: candy stripes
        {"URW Gothic",
         QFont::DemiBold,
         22,
         {{0xFFFF86B9, 0xFFFFFFFF}},
         Texture::Stripes,
         Ink::Solid,
         true,
         0xFFB0124F,
         1.5,
         0xFFD0437F,
         60,
         false},
        // 118: night sky with glowing yellow letters
        {"Cantarell",
         QFont::ExtraBold,
         22,
         {{0xFF1C2B63, 0xFFFFD84A}},
         Texture::Stars,
         Ink::Glow,
         false,
         0,
         0,
         0xFF0A1236,
         0,
         false},
        // 119: glossy rainbow tiles, the rounded reading face made for beginners
        {"Andika",
         QFont::Bold,
         23,
         {{0xFFF2544C, 0xFFFFFFFF},
          {0xFFF98A22, 0xFFFFFFFF},
          {0xFFEEAA00, 0xFFFFFFFF},
          {0xFF43B049, 0xFFFFFFFF},
          {0xFF16A8B6, 0xFFFFFFFF},
          {0xFF3C7CE8, 0xFFFFFFFF},
          {0xFF8D57D8, 0xFFFFFFFF},
          {0xFFE8509A, 0xFFFFFFFF}},
         Texture::Plain,
         Ink::Solid,
         true,
         0xFF000000,
         1.1,
         0x00000000,
         80,
         true},
        // 120: mint ticket with tall condensed letters
        {"Roboto Condensed",
         QFont::Bold,
         25,
         {{0xFFC4F1D6, 0xFF17704A}},
         Texture::InnerFrame,
         Ink::Solid,
         false,
         0,
         0,
         0xFF5DB88A,
         0,
         false},
        // 121: lemon tile, outlined letters
        {"Open Sans",
         QFont::ExtraBold,
         22,
         {{0xFFFFEE8A, 0xFFFFFFFF}},
         Texture::Plain,
         Ink::Hollow,
         false,
         0xFFC93A0A,
         2.0,
         0xFFE3B21C,
         0,
         false},
    };
}

// The letter of each cell; empty for the empty tiles and the covered position.
QString cellText(int cell)
{
    if (cell < 26)
        return QString(QChar(u'A' + cell));
    static const char16_t extra[] = u"ÄÖÜ\0ÅÃÕÑÇÁÀÂÉÈÊÍÌÎÓÒÔÚÙÛ'-";
    if (cell <= 51) {
        const char16_t c = extra[cell - 26];
        return c ? QString(QChar(c)) : QString();
    }
    return {};
}

// Accented letters take the colour of their base letter so "A" and "Ä" look related.
int colourIndex(int cell)
{
    static const char base[] = "AOU?AAONCAAAEEEIIIOOOUUU";
    if (cell >= 26 && cell < 50 && base[cell - 26] != '?')
        return base[cell - 26] - 'A';
    return cell;
}

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

QColor shade(QRgb rgb, int darkerFactor)
{
    return QColor::fromRgba(rgb).darker(darkerFactor);
}

// Where the letter of a cell goes: the whole glyph (accents and tails included) stays inside
// `box`; a plain capital keeps the style's height with its cap centred in the box.
QPainterPath placeGlyph(const QFont &font, const QString &text, double capHeight, QRectF box)
{
    QPainterPath cap;
    cap.addText(0, 0, font, QStringLiteral("H"));

    // Glyph outlines overlap (the strokes of N, K, X...); merged, an outline stroke shows only
    // the outer edge.
    QPainterPath raw;
    raw.addText(0, 0, font, text);
    raw.setFillRule(Qt::WindingFill);
    const QPainterPath glyph = raw.simplified();
    // The apostrophe and the hyphen are tiny at letter size; make them easier to spot.
    const double boost = text == QStringLiteral("'") || text == QStringLiteral("-") ? 1.5 : 1.0;
    const double scale = boost * capHeight / -cap.boundingRect().top();
    QRectF bounds = QTransform::fromScale(scale, scale).map(glyph).boundingRect();

    double s = 1.0;
    if (bounds.height() > box.height())
        s = box.height() / bounds.height();
    double sx = 1.0;
    if (bounds.width() * s > box.width())
        sx = box.width() / (bounds.width() * s);

    const QTransform shape = QTransform::fromScale(scale * s * sx, scale * s);
    bounds = shape.map(glyph).boundingRect();
    double baseline = box.center().y() + capHeight * s / 2;
    if (baseline + bounds.top() < box.top())
        baseline = box.top() - bounds.top();
    if (baseline + bounds.bottom() > box.bottom())
        baseline = box.bottom() - bounds.bottom();
    const double left = box.center().x() - bounds.center().x();
    return (shape * QTransform::fromTranslate(left, baseline)).map(glyph);
}

void paintTexture(QPainter &p, const LetterStyle &style, const QColor &face,
                  const QPainterPath &facePath, const QRectF &r, QRandomGenerator &rng)
{
    p.save();
    p.setClipPath(facePath, Qt::IntersectClip);
    switch (style.texture) {
    case Texture::Plain:
        break;
    case Texture::Wood: {
        // Vertical grain: wavy lines of varying darkness, and one faint growth ring.
        for (int i = 0; i < 11; ++i) {
            const double x = r.left() + 1 + rng.bounded(r.width() - 2);
            QPainterPath line;
            line.moveTo(x, r.top() - 2);
            line.cubicTo(x + rng.bounded(4.0) - 2, r.top() + r.height() * 0.33,
                         x + rng.bounded(4.0) - 2, r.top() + r.height() * 0.66,
                         x + rng.bounded(2.0) - 1, r.bottom() + 2);
            QColor c = face.darker(125 + rng.bounded(30));
            c.setAlpha(70 + rng.bounded(90));
            p.setPen(QPen(c, 0.35 + rng.bounded(0.7)));
            p.setBrush(Qt::NoBrush);
            p.drawPath(line);
        }
        QColor ring = face.darker(130);
        ring.setAlpha(60);
        p.setPen(QPen(ring, 0.5));
        const QPointF knot(r.left() + 4 + rng.bounded(r.width() - 8),
                           r.top() + 4 + rng.bounded(r.height() - 8));
        p.drawEllipse(knot, 1.2, 3.0);
        p.drawEllipse(knot, 2.2, 5.5);
        break;
    }
    case Texture::Slate:
        // Wiped chalk haze.
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            const QPointF c(r.left() + rng.bounded(r.width()), r.top() + rng.bounded(r.height()));
            const double radius = 6 + rng.bounded(8.0);
            QRadialGradient g(c, radius);
            g.setColorAt(0, QColor(255, 255, 255, 22 + rng.bounded(16)));
            g.setColorAt(1, QColor(255, 255, 255, 0));
            p.setBrush(g);
            p.drawEllipse(c, radius, radius);
        }
        break;
    case Texture::Stars:
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 7; ++i) {
            const QPointF c(r.left() + 1.5 + rng.bounded(r.width() - 3),
                            r.top() + 1.5 + rng.bounded(r.height() - 3));
            p.setBrush(QColor(255, 250, 210, 120 + rng.bounded(120)));
            const double radius = 0.3 + rng.bounded(0.45);
            p.drawEllipse(c, radius, radius);
        }
        {
            // One twinkle in a corner.
            const QPointF c(r.right() - 4.5, r.top() + 4.5);
            QPainterPath star;
            star.moveTo(c.x(), c.y() - 2.4);
            star.quadTo(c, QPointF(c.x() + 2.4, c.y()));
            star.quadTo(c, QPointF(c.x(), c.y() + 2.4));
            star.quadTo(c, QPointF(c.x() - 2.4, c.y()));
            star.quadTo(c, QPointF(c.x(), c.y() - 2.4));
            p.setBrush(QColor(255, 246, 200, 200));
            p.drawPath(star);
        }
        break;
    case Texture::Stripes: {
        p.setPen(QPen(QColor(255, 255, 255, 80), 2.6));
        for (double x = r.left() - r.height(); x < r.right() + 4; x += 7)
            p.drawLine(QPointF(x, r.bottom() + 2), QPointF(x + r.height() + 4, r.top() - 2));
        break;
    }
    case Texture::InnerFrame: {
        QPen pen(face.darker(118), 0.8);
        pen.setStyle(Qt::DashLine);
        pen.setDashPattern({2.5, 1.5});
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(2.2, 2.2, -2.2, -2.2), 3, 3);
        break;
    }
    }
    p.restore();
}

void paintLetter(QPainter &p, const LetterStyle &style, const Swatch &swatch,
                 const QPainterPath &glyph, QRandomGenerator &rng)
{
    const QColor ink = QColor::fromRgba(swatch.ink);
    const QColor outline =
        style.outlineByFace ? shade(swatch.face, 175) : QColor::fromRgba(style.outline);
    p.setBrush(Qt::NoBrush);
    switch (style.ink) {
    case Ink::Solid:
        if (style.shadowAlpha > 0) {
            QColor shadow = style.outlineByFace ? shade(swatch.face, 260) : QColor(0, 0, 0);
            shadow.setAlpha(style.shadowAlpha);
            p.setPen(Qt::NoPen);
            p.setBrush(shadow);
            p.drawPath(glyph.translated(0.5, 1.1));
        }
        if (outline.alpha() > 0 && style.outlineWidth > 0) {
            p.setPen(
                QPen(outline, style.outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(outline);
            p.drawPath(glyph);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(glyph);
        break;
    case Ink::Engraved:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 240, 210, 150));
        p.drawPath(glyph.translated(0, 0.7));
        p.setBrush(ink);
        p.drawPath(glyph);
        break;
    case Ink::Chalk: {
        QColor chalk = ink;
        chalk.setAlpha(238);
        // The comic face is slim; chalk pressed on hard makes it a little fuller.
        p.setPen(QPen(chalk, 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(chalk);
        p.drawPath(glyph);
        // Grain: the slate shows through in tiny specks along the strokes.
        p.save();
        p.setClipPath(glyph, Qt::IntersectClip);
        const QRectF b = glyph.boundingRect();
        const int specks = static_cast<int>(b.width() * b.height() / 4);
        for (int i = 0; i < specks; ++i) {
            const QPointF c(b.left() + rng.bounded(b.width()), b.top() + rng.bounded(b.height()));
            QColor speck = QColor::fromRgba(swatch.face);
            speck.setAlpha(70 + rng.bounded(110));
            p.setBrush(speck);
            const double radius = 0.2 + rng.bounded(0.4);
            p.drawEllipse(c, radius, radius * 0.7);
        }
        p.restore();
        break;
    }
    case Ink::Glow: {
        QColor halo = ink;
        for (const auto &[width, alpha] : {std::pair{3.6, 40}, std::pair{2.2, 70}}) {
            halo.setAlpha(alpha);
            p.setPen(QPen(halo, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(glyph);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(glyph);
        break;
    }
    case Ink::Hollow:
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(glyph);
        p.setPen(QPen(outline, style.outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(glyph);
        break;
    }
}

// One tile in the cell whose top-left corner is `origin`. An empty `text` leaves the tile
// blank; `covered` paints the plain black tile of a hidden position.
void paintTile(QPainter &p, const LetterStyle &style, const QFont &font, QPointF origin,
               const Swatch &swatch, const QString &text, bool covered, QRandomGenerator &rng)
{
    const QRectF face(origin.x() + 1.0, origin.y() + 0.8, kCellWidth - 2.6, kCellHeight - 4.4);
    const double radius = 5.0;
    const QColor faceColour = covered ? QColor(0x16, 0x16, 0x16) : QColor::fromRgba(swatch.face);
    const QColor sideColour = covered ? QColor(0, 0, 0) : faceColour.darker(150);

    p.setPen(Qt::NoPen);
    // Soft shadow on the table, then the tile's thickness.
    p.setBrush(QColor(0, 0, 0, 28));
    p.drawRoundedRect(face.translated(0.6, 2.6).adjusted(-0.4, 0, 0.6, 0.6), radius + 0.5,
                      radius + 0.5);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRoundedRect(face.translated(0.4, 2.3), radius, radius);
    p.setBrush(sideColour);
    p.drawRoundedRect(face.translated(0, 1.8), radius, radius);

    QPainterPath facePath;
    facePath.addRoundedRect(face, radius, radius);
    QLinearGradient body(face.topLeft(), face.bottomLeft());
    body.setColorAt(0, covered ? QColor(0x2A, 0x2A, 0x2A) : faceColour.lighter(107));
    body.setColorAt(1, covered ? QColor(0x06, 0x06, 0x06) : faceColour.darker(106));
    p.setBrush(body);
    p.drawPath(facePath);

    if (!covered) {
        paintTexture(p, style, faceColour, facePath, face, rng);
        if (style.gloss) {
            const QRectF shine = face.adjusted(1.6, 1.3, -1.6, -face.height() * 0.52);
            QLinearGradient g(shine.topLeft(), shine.bottomLeft());
            g.setColorAt(0, QColor(255, 255, 255, 120));
            g.setColorAt(1, QColor(255, 255, 255, 12));
            p.setBrush(g);
            p.drawRoundedRect(shine, radius - 1.5, radius - 1.5);
        }
    }

    // Bevel: a light upper rim and a darker lower rim just inside the edge.
    QLinearGradient rim(face.topLeft(), face.bottomLeft());
    rim.setColorAt(0, QColor(255, 255, 255, covered ? 60 : 150));
    rim.setColorAt(0.45, QColor(255, 255, 255, 0));
    rim.setColorAt(0.8, QColor(0, 0, 0, 0));
    rim.setColorAt(1, QColor(0, 0, 0, covered ? 0 : 45));
    p.setPen(QPen(QBrush(rim), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(face.adjusted(0.7, 0.7, -0.7, -0.7), radius - 0.7, radius - 0.7);

    if (!covered && qAlpha(style.border) > 0) {
        p.setPen(QPen(QColor::fromRgba(style.border), style.texture == Texture::Slate ? 1.5 : 0.8));
        p.drawPath(facePath);
    }

    if (!covered && !text.isEmpty()) {
        const QRectF box = face.adjusted(3.0, 2.4, -3.0, -2.4);
        paintLetter(p, style, swatch, placeGlyph(font, text, style.capHeight, box), rng);
    }
}

} // namespace

void renderLetterSheets(const QDir &resources)
{
    const QDir dir(resources.filePath(QStringLiteral("bitmap")));
    const std::vector<LetterStyle> styles = letterStyles();
    for (size_t s = 0; s < styles.size(); ++s) {
        const LetterStyle &style = styles[s];
        const QFont font = requireFont(style.family, style.weight);
        const int id = 111 + static_cast<int>(s);
        renderPicture(dir, QString::number(id), QSize(kColumns * kCellWidth, kRows * kCellHeight),
                      static_cast<quint32>(id), [&](QPainter &p, QRandomGenerator &) {
                          for (int cell = 0; cell < kCells; ++cell) {
                              // Each tile has its own texture seed so the grain of one tile
                              // does not depend on how many random numbers another used.
                              QRandomGenerator rng(static_cast<quint32>(id * 1000 + cell));
                              const Swatch &swatch =
                                  style.swatches[static_cast<size_t>(colourIndex(cell)) %
                                                 style.swatches.size()];
                              const QPointF origin((cell % kColumns) * kCellWidth,
                                                   (cell / kColumns) * kCellHeight);
                              paintTile(p, style, font, origin, swatch, cellText(cell),
                                        cell == kCoveredCell, rng);
                          }
                      });
    }
}

} // namespace assetgen
