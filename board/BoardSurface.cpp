#include "BoardSurface.h"

#include <QPainter>
#include <QPaintEvent>

BoardSurface::BoardSurface(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardSurface::setBackground(const QPixmap &background)
{
    m_background = background;
    update();
}

void BoardSurface::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    if (m_background.isNull())
        p.fillRect(event->rect(), QColor(0x9C, 0xC9, 0xE8));
    else
        p.drawPixmap(QPoint(0, 0), m_background);
}
