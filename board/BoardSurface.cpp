#include "BoardSurface.h"

#include <QPainter>
#include <QPaintEvent>

BoardSurface::BoardSurface(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardSurface::setBackground(const QImage &picture, const QRect &bar)
{
    m_picture = picture;
    m_bar = bar;
    update();
}

void BoardSurface::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    if (m_picture.isNull()) {
        p.fillRect(event->rect(), QColor(0x9C, 0xC9, 0xE8));
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(rect()), m_picture);
    p.drawImage(QRectF(m_bar), m_picture);
}
