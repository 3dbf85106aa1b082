#include "KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget *window, std::function<void(QChar)> onLetter,
                       std::function<void()> onEnter, std::function<void()> onRepeat)
    : QObject(window), m_window(window), m_onLetter(std::move(onLetter)),
      m_onEnter(std::move(onEnter)), m_onRepeat(std::move(onRepeat))
{
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview()
{
    qApp->removeEventFilter(this);
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || m_stopped || QApplication::activeModalWidget())
        return false;
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_window)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->isAutoRepeat())
        return false;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        m_onEnter();
    else if (key->key() == Qt::Key_F5 && m_onRepeat)
        m_onRepeat();
    else if (const QString text = key->text();
             text.size() == 1 && text.at(0).isPrint() && !text.at(0).isSpace())
        m_onLetter(text.at(0));
    else
        return false; // Tab, Space, arrows: the focused control's
    return true;
}
