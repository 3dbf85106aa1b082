#include "PictureSequence.h"

#include "Catalogue.h"
#include "ModResFiles.h"
#include "RunTimeError.h"

void PictureSequence::announce(int bitmapId)
{
    if (!Catalogue::bitmap(bitmapId))
        throw RunTimeError(ErrNo::ResourceNotFound, QStringLiteral("BITMAP %1").arg(bitmapId));
    m_announced = bitmapId;
    // The same set again keeps its pictures; another one needs none of the old.
    if (bitmapId != m_decodedId)
        release();
}

void PictureSequence::release()
{
    m_picture = QImage();
    m_decodedId = 0;
}

QPixmap PictureSequence::stage(int stage, qreal devicePixelRatio)
{
    if (stage < 1 || stage > kStages || m_announced == 0)
        throw RunTimeError(ErrNo::SubscriptOutOfRange, QStringLiteral("stage %1").arg(stage));
    if (m_decodedId != m_announced || m_decodedRatio != devicePixelRatio) {
        m_picture = QImage(); // let go before the next is decoded: never two at once
        m_picture = LoadResPicture(m_announced, devicePixelRatio);
        m_decodedId = m_announced;
        m_decodedRatio = devicePixelRatio;
    }
    // Stages lie one below the other: a stage is a band of rows, shown without copying the set.
    const int height = m_picture.height() / kStages;
    const QImage band(m_picture.constScanLine((stage - 1) * height), m_picture.width(), height,
                      m_picture.bytesPerLine(), m_picture.format());
    QPixmap shown = QPixmap::fromImage(band); // a copy of the band only
    shown.setDevicePixelRatio(m_picture.devicePixelRatio());
    return shown;
}
