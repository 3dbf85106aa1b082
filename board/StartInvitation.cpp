#include "StartInvitation.h"

#include <QAbstractButton>
#include <QEasingCurve>
#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kSteps = StartInvitation::kPulseMs / StartInvitation::kFrameMs;
// The way back shows the same frames, and the two faintest steps look alike: they share one, so
// a pulse repaints 6 times, not 8.
constexpr int kFrames = kSteps / 2;
constexpr int kMargin = 26; // the widest glow reaches this far around the button

// Brightness at a step of the pulse: eased in and out, up to full and down again.
qreal strengthAt(int step)
{
    const qreal eased =
        QEasingCurve(QEasingCurve::InOutSine).valueForProgress(qreal(step) / kSteps);
    return 1.0 - std::abs(1.0 - 2.0 * eased);
}

int frameAt(int step)
{
    const int fromStart = std::min(step, kSteps - step);
    return fromStart <= 1 ? 0 : fromStart - 1;
}

int firstStepOf(int frame)
{
    return frame == 0 ? 0 : frame + 1;
}

// The glow around shape (the button as drawn, with its device pixel ratio), without the
// button itself: the button paints itself over it.
QPixmap glowFrame(const QPixmap &shape, qreal strength)
{
    const qreal ratio = shape.devicePixelRatio();
    const QSizeF size = shape.deviceIndependentSize();
    const QRectF area(-kMargin, -kMargin, size.width() + 2 * kMargin, size.height() + 2 * kMargin);
    QPixmap frame((area.size() * ratio).toSize());
    frame.setDevicePixelRatio(ratio);
    frame.fill(Qt::transparent);

    QGraphicsScene scene;
    QGraphicsPixmapItem *item = scene.addPixmap(shape);
    auto *glow = new QGraphicsDropShadowEffect; // the item owns it
    glow->setOffset(0, 0);
    glow->setBlurRadius(8 + 18 * strength);
    glow->setColor(QColor(40, 200, 60, int(90 + 165 * strength)));
    item->setGraphicsEffect(glow);

    QPainter painter(&frame);
    scene.render(&painter, QRectF(QPointF(0, 0), area.size()), area);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    painter.drawPixmap(QPointF(kMargin, kMargin), shape);
    return frame;
}

} // namespace

// Shows one frame of the pulse beneath the button; the frames are drawn once for the button's
// size and device pixel ratio.
class GlowLayer : public QWidget
{
public:
    explicit GlowLayer(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("startGlow"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

    void prepare(QWidget *button)
    {
        const qreal ratio = button->devicePixelRatioF();
        if (button->size() == m_size && ratio == m_ratio)
            return;
        m_size = button->size();
        m_ratio = ratio;
        // Only what the button paints itself: its rounded corners stay see-through.
        QPixmap shape(m_size * ratio);
        shape.setDevicePixelRatio(ratio);
        shape.fill(Qt::transparent);
        button->render(&shape, QPoint(), QRegion(), QWidget::DrawChildren);
        for (int i = 0; i < kFrames; ++i)
            m_frames[size_t(i)] = glowFrame(shape, strengthAt(firstStepOf(i)));
    }

    void showFrame(int frame)
    {
        if (frame == m_frame)
            return;
        m_frame = frame;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).drawPixmap(0, 0, m_frames[size_t(m_frame)]);
    }

private:
    std::array<QPixmap, kFrames> m_frames;
    QSize m_size;
    qreal m_ratio = 0;
    int m_frame = 0;
};

StartInvitation::StartInvitation(QAbstractButton *button, std::function<bool()> wanted)
    : QObject(button), m_button(button), m_wanted(std::move(wanted)),
      m_layer(new GlowLayer(button->parentWidget()))
{
    setObjectName(QStringLiteral("startInvitation"));
    m_timer.setInterval(kFrameMs);
    connect(&m_timer, &QTimer::timeout, this, &StartInvitation::tick);
    // Pressing Start usually starts the game at once: no frame more.
    connect(button, &QAbstractButton::clicked, this, [this] {
        if (m_layer && !m_wanted())
            end();
    });
    m_button->installEventFilter(this);
    followButton();
}

bool StartInvitation::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        followButton();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void StartInvitation::followButton()
{
    if (!m_layer)
        return;
    if (!m_wanted()) {
        end();
        return;
    }
    m_layer->setGeometry(m_button->geometry().adjusted(-kMargin, -kMargin, kMargin, kMargin));
    m_layer->stackUnder(m_button);
    // A hidden button (a window not yet shown or minimised) costs nothing.
    if (m_button->isVisible()) {
        m_layer->prepare(m_button);
        m_layer->show();
        m_timer.start();
    } else {
        m_layer->hide();
        m_timer.stop();
    }
}

void StartInvitation::tick()
{
    if (!m_wanted()) {
        end();
        return;
    }
    m_layer->prepare(m_button); // again only when the screen's pixel ratio changed
    m_step = (m_step + 1) % kSteps;
    m_layer->showFrame(frameAt(m_step));
}

void StartInvitation::end()
{
    m_timer.stop();
    m_button->removeEventFilter(this);
    delete m_layer;
    m_layer = nullptr;
}
