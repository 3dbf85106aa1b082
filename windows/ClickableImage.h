// An image control that reports clicks and double clicks, like the board's letters and flags.
#pragma once

#include <QLabel>

class ClickableImage : public QLabel
{
    Q_OBJECT
public:
    explicit ClickableImage(QWidget *parent = nullptr);

    // A marked picture wears a frame: the flag of the language in use.
    void setMarked(bool marked);
    bool isMarked() const { return m_marked; }

signals:
    void clicked();
    void doubleClicked();

protected:
    // Reached by Tab where the window allows it: Space presses it.
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_marked = false;
};
