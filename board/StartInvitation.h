// A new board asks to be started: the Start button glows gently, pulsing, until a game runs.
// No text, so nothing to translate.
#pragma once

#include <QObject>

#include <functional>

class QGraphicsDropShadowEffect;
class QVariantAnimation;
class QWidget;

class StartInvitation : public QObject
{
    Q_OBJECT
public:
    // Glows on button while wanted() holds, and ends for good when it no longer does.
    StartInvitation(QWidget *button, std::function<bool()> wanted);

    bool glowing() const;

private:
    void pulse(qreal strength);

    QWidget *m_button;
    std::function<bool()> m_wanted;
    QGraphicsDropShadowEffect *m_glow;
    QVariantAnimation *m_animation;
};
