// The contact sheet: every 1x picture at its real size with its name, to look the set over in
// one go. It is a review aid only and never embedded.
#include "assetgen.h"

#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace assetgen {

namespace {

constexpr int kSheetWidth = 1620;
constexpr int kMargin = 16;
constexpr int kGap = 18;
constexpr int kLabelGap = 4;
const QColor kBackground(0x8E, 0x8E, 0x8E);

struct Entry
{
    QString name;
    QImage image;
    QRect place; // picture position on the sheet
    int cellWidth = 0;
};

struct Section
{
    QString title;
    std::vector<Entry> entries;
    int titleY = 0;
};

QFont labelFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoFontMerging);
    if (QFontInfo(font).family().section(QStringLiteral(" ["), 0, 0) != font.family()) {
        std::fprintf(stderr,
                     "assetgen: font \"DejaVu Sans\" is missing; install fonts-dejavu-core\n");
        std::exit(1);
    }
    return font;
}

// The pictures of one folder in name order, leaving out the 2x copies and the large desktop
// icon, which would only repeat what the sheet already shows.
std::vector<Entry> loadFolder(const QDir &dir)
{
    std::vector<Entry> entries;
    const QStringList names =
        dir.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names) {
        if (name.contains(QStringLiteral("@2x")) || name == QStringLiteral("icon-256.png"))
            continue;
        QImage image(dir.filePath(name));
        if (image.isNull()) {
            std::fprintf(stderr, "assetgen: cannot read %s\n", qPrintable(dir.filePath(name)));
            std::exit(1);
        }
        entries.push_back({name, std::move(image), {}, 0});
    }
    return entries;
}

} // namespace

void writeContactSheet(const QDir &resources, const QString &path)
{
    const QFont label = labelFont(11, false);
    const QFont heading = labelFont(15, true);
    const QFontMetrics labelMetrics(label);
    const QFontMetrics headingMetrics(heading);

    std::vector<Section> sections;
    for (const char *folder : {"bitmap", "window"}) {
        const QString name = QString::fromLatin1(folder);
        sections.push_back({name, loadFolder(QDir(resources.filePath(name))), 0});
    }

    // Lay the pictures out in rows; a row is as tall as its tallest picture plus the labels.
    int y = kMargin;
    int usedWidth = 0;
    for (Section &section : sections) {
        section.titleY = y;
        y += headingMetrics.height() + kLabelGap * 2;
        int x = kMargin;
        int rowHeight = 0;
        for (Entry &entry : section.entries) {
            entry.cellWidth =
                std::max(entry.image.width(), labelMetrics.horizontalAdvance(entry.name));
            if (x > kMargin && x + entry.cellWidth > kSheetWidth - kMargin) {
                y += rowHeight + kLabelGap + labelMetrics.height() + kGap;
                x = kMargin;
                rowHeight = 0;
            }
            entry.place = QRect(QPoint(x + (entry.cellWidth - entry.image.width()) / 2, y),
                                entry.image.size());
            x += entry.cellWidth + kGap;
            usedWidth = std::max(usedWidth, x - kGap + kMargin);
            rowHeight = std::max(rowHeight, entry.image.height());
        }
        y += rowHeight + kLabelGap + labelMetrics.height() + kGap * 2;
    }

    QImage sheet(QSize(std::max(usedWidth, 400), y), QImage::Format_RGB32);
    sheet.fill(kBackground);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const Section &section : sections) {
        p.setFont(heading);
        p.setPen(QColor(0x20, 0x20, 0x20));
        p.drawText(QPoint(kMargin, section.titleY + headingMetrics.ascent()),
                   QStringLiteral("resources/%1 (%2 pictures)")
                       .arg(section.title)
                       .arg(section.entries.size()));
        p.setFont(label);
        for (const Entry &entry : section.entries) {
            // A faint frame shows the true extent of pictures with transparent edges.
            p.setPen(QColor(0x7A, 0x7A, 0x7A));
            p.setBrush(Qt::NoBrush);
            p.drawRect(entry.place.adjusted(-1, -1, 0, 0));
            p.drawImage(entry.place.topLeft(), entry.image);
            p.setPen(QColor(0x18, 0x18, 0x18));
            const int labelX =
                entry.place.center().x() - labelMetrics.horizontalAdvance(entry.name) / 2 + 1;
            p.drawText(QPoint(labelX, entry.place.bottom() + 1 + kLabelGap + labelMetrics.ascent()),
                       entry.name);
        }
    }
    p.end();

    const QString target = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QDir().mkpath(QFileInfo(target).absolutePath());
    savePng(sheet, target);
}

} // namespace assetgen
