// Acts on a window once it shows, from the event loop that waits for it (a modal dialog's,
// the hand-over's): no polling. Checks come after, never inside.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

class WhenShown : public QObject
{
public:
    WhenShown(std::function<bool(QObject *)> pick, std::function<void(QWidget *)> act)
        : m_pick(std::move(pick)), m_act(std::move(act))
    {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Show && o->isWidgetType() && m_pick(o))
            QTimer::singleShot(0, this, [this, w = QPointer(static_cast<QWidget *>(o))] {
                if (w)
                    m_act(w);
            });
        return false;
    }

private:
    std::function<bool(QObject *)> m_pick;
    std::function<void(QWidget *)> m_act;
};

template <typename T> bool isA(QObject *o)
{
    return qobject_cast<T *>(o) != nullptr;
}
