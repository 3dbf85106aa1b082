// The board (picBG): a surface whose painted background persists beneath its controls.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

class BoardSurface : public QWidget
{
    Q_OBJECT
public:
    explicit BoardSurface(QWidget *parent = nullptr);
    // The picture is stretched over the whole board and squeezed once more into the bar.
    void setBackground(const QImage &picture, const QRect &bar);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Kept as drawn and stretched while painting: a board-sized copy would hold twice as much,
    // and a repaint is rarely more than a letter cell.
    QImage m_picture;
    QRect m_bar;
};
