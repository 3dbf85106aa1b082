#include "StartInvitation.h"

#include <QEasingCurve>
#include <QGraphicsDropShadowEffect>
#include <QVariantAnimation>
#include <QWidget>

StartInvitation::StartInvitation(QWidget *button, std::function<bool()> wanted)
    : QObject(button), m_button(button), m_wanted(std::move(wanted)),
      m_glow(new QGraphicsDropShadowEffect(button)), m_animation(new QVariantAnimation(this))
{
    setObjectName(QStringLiteral("startInvitation"));
    m_glow->setOffset(0, 0);
    m_button->setGraphicsEffect(m_glow);
    m_animation->setStartValue(0.0);
    m_animation->setKeyValueAt(0.5, 1.0);
    m_animation->setEndValue(0.0);
    m_animation->setDuration(1600);
    m_animation->setEasingCurve(QEasingCurve::InOutSine);
    m_animation->setLoopCount(-1);
    connect(m_animation, &QVariantAnimation::valueChanged, this,
            [this](const QVariant &value) { pulse(value.toReal()); });
    m_animation->start();
}

bool StartInvitation::glowing() const
{
    return m_animation->state() == QAbstractAnimation::Running;
}

void StartInvitation::pulse(qreal strength)
{
    if (!m_wanted()) {
        m_animation->stop();
        m_button->setGraphicsEffect(nullptr); // deletes the glow
        return;
    }
    m_glow->setBlurRadius(8 + 18 * strength);
    m_glow->setColor(QColor(40, 200, 60, int(90 + 165 * strength)));
}
