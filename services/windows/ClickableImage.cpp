#include "ClickableImage.h"

#include <QMouseEvent>

ClickableImage::ClickableImage(QWidget *parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
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
