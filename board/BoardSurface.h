// The board (picBG): a surface whose painted background persists beneath its controls.
#pragma once

#include <QPixmap>
#include <QWidget>

class BoardSurface : public QWidget
{
    Q_OBJECT
public:
    explicit BoardSurface(QWidget *parent = nullptr);
    void setBackground(const QPixmap &background);
    const QPixmap &background() const { return m_background; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_background;
};
