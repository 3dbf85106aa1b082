// The main window sees the keys typed in it before its controls do: letters guess, Enter
// presses Next, F5 asks for the state of the word to be read aloud. Each key press is handled
// exactly once: a key the window acts on goes no further, so it cannot reach the window a second
// time as it travels up to its parents, wherever dialogs opened during its handling have moved the
// focus.
#pragma once

#include <QObject>

#include <functional>

class QWidget;

class KeyPreview : public QObject
{
    Q_OBJECT
public:
    // Watches every key of the application meant for window: onLetter gets a typed character,
    // onEnter is called for Enter, onRepeat for F5 (a key of its own in every language).
    KeyPreview(QWidget *window, std::function<void(QChar)> onLetter, std::function<void()> onEnter,
               std::function<void()> onRepeat = {});
    ~KeyPreview() override;

    // Stops acting on keys (the window is closing).
    void stop() { m_stopped = true; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    std::function<void(QChar)> m_onLetter;
    std::function<void()> m_onEnter;
    std::function<void()> m_onRepeat;
    bool m_stopped = false;
};
