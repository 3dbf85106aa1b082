// An image control that reports clicks and double clicks, like the board's letters and flags.
#pragma once

#include <QLabel>

class ClickableImage : public QLabel
{
    Q_OBJECT
public:
    explicit ClickableImage(QWidget *parent = nullptr);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
