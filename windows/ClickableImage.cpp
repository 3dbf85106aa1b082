#include "ClickableImage.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

ClickableImage::ClickableImage(QWidget *parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void ClickableImage::setMarked(bool marked)
{
    if (marked == m_marked)
        return;
    m_marked = marked;
    update();
}

void ClickableImage::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    QPainter p(this);
    if (hasFocus()) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (!m_marked)
        return;
    // Orange on white reads on every flag colour.
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    p.setPen(QPen(Qt::white, 2));
    p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 2, 2);
    p.setPen(QPen(QColor(0xF2, 0x8C, 0x00), 2.5));
    p.drawRoundedRect(r, 3, 3);
}

void ClickableImage::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && isEnabled()) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickableImage::focusInEvent(QFocusEvent *event)
{
    update();
    QLabel::focusInEvent(event);
}

void ClickableImage::focusOutEvent(QFocusEvent *event)
{
    update();
    QLabel::focusOutEvent(event);
}

void ClickableImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        isEnabled())
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickableImage::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isEnabled())
        emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}
