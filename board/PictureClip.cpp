#include "PictureClip.h"

#include "RunTimeError.h"

void PictureClip::load(const QImage &picture)
{
    m_picture = picture;
    m_cells = QList<QPixmap>(count());
}

QPixmap PictureClip::cell(int k) const
{
    if (k < 0 || k >= count() || m_picture.isNull())
        throw RunTimeError(ErrNo::SubscriptOutOfRange, QStringLiteral("cell %1").arg(k));
    QPixmap &cached = m_cells[k];
    if (cached.isNull()) {
        const int w = m_picture.width() / m_columns;
        const int h = m_picture.height() / m_rows;
        cached = QPixmap::fromImage(m_picture.copy((k % m_columns) * w, (k / m_columns) * h, w, h));
        cached.setDevicePixelRatio(m_picture.devicePixelRatio());
    }
    return cached;
}
