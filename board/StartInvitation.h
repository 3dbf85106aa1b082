// A new board asks to be started: the Start button glows gently, pulsing, until a game runs.
// No text, so nothing to translate.
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class GlowLayer;
class QAbstractButton;

class StartInvitation : public QObject
{
    Q_OBJECT
public:
    // Glows on button while wanted() holds, and ends for good when it no longer does.
    StartInvitation(QAbstractButton *button, std::function<bool()> wanted);

    // Still inviting: ends for good once the first game runs.
    bool glowing() const { return m_layer != nullptr; }

    // One pulse, from faint to bright and back; shown as frames drawn once, in turn.
    static constexpr int kPulseMs = 1600;
    static constexpr int kFrameMs = 200;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void tick();
    void followButton();
    void end();

    QAbstractButton *m_button;
    std::function<bool()> m_wanted;
    GlowLayer *m_layer; // beneath the button, the current frame
    QTimer m_timer;
    int m_step = 0;
};
