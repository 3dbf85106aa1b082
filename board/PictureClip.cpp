#include "PictureClip.h"

#include "RunTimeError.h"

void PictureClip::load(const QImage &picture)
{
    const int w = picture.width() / m_columns;
    const int h = picture.height() / m_rows;
    QList<QPixmap> cells;
    cells.reserve(count());
    for (int k = 0; k < count(); ++k) {
        QPixmap pm = QPixmap::fromImage(picture.copy((k % m_columns) * w, (k / m_columns) * h, w, h));
        pm.setDevicePixelRatio(picture.devicePixelRatio());
        cells.append(pm);
    }
    m_cells = std::move(cells);
}

QPixmap PictureClip::cell(int k) const
{
    if (k < 0 || k >= m_cells.size())
        throw RunTimeError(ErrNo::SubscriptOutOfRange, QStringLiteral("cell %1").arg(k));
    return m_cells.at(k);
}
