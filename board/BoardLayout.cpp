#include "BoardLayout.h"

#include <algorithm>
#include <cfenv>
#include <cmath>

namespace BoardLayout {

int px(double value)
{
    // The default rounding mode rounds halves to the even neighbour.
    return int(std::nearbyint(value));
}

int halfOf(double value)
{
    return px(value) / 2;
}

float scaleFactor(qreal logicalDpiX, int screenWidth)
{
    return logicalDpiX >= 120.0 && screenWidth < 1000 ? 0.8f : 1.0f;
}

BoardChoice chooseBoard(QSize available, QSize frame, qreal logicalDpiX)
{
    const QSize room = available - frame;
    BoardChoice choice;
    choice.f = scaleFactor(logicalDpiX, available.width());
    if (room.width() >= kLargeBoard.width() && room.height() >= kLargeBoard.height()) {
        choice.board = kLargeBoard;
        return choice;
    }
    choice.board = kSmallBoard;
    const qreal zoom = std::min(qreal(room.width()) / kSmallBoard.width(),
                                qreal(room.height()) / kSmallBoard.height());
    if (zoom < 1.0) {
        choice.zoom = std::max(zoom, 0.1);
        choice.board =
            QSize(int(kSmallBoard.width() * choice.zoom), int(kSmallBoard.height() * choice.zoom));
    }
    return choice;
}

QPoint letterOffset(int index)
{
    if (index < 10)
        return {45 * index, 0};
    if (index < 20)
        return {45 * (index - 10) - 20, 50};
    return {45 * (index - 20) + 30, 100};
}

Placement place(const Input &in)
{
    // The zoom shrinks the board's own distances (m); lengths read off the controls are
    // zoomed already and take f alone. At zoom 1 both are the layout scale factor.
    const double f = in.f;
    const double z = in.zoom;
    const double m = f * z;
    const double SW = in.board.width();
    const double SH = in.board.height();
    Placement p;

    p.board = {(in.window.width() - in.board.width()) / 2,
               (in.window.height() - in.board.height()) / 2};
    p.logo = {halfOf((SW - in.logo.width()) * f), px(SH * 0.03)};
    p.sequence = {halfOf((SW - in.sequence.width()) * f), px(SH * 0.15)};
    p.notice = {px(10 * m), px(SH - 2.0 * in.noticeHeight)};

    const double W0 = in.panel.width();
    const double H0 = in.panel.height();
    auto placePanel = [&](int i, double left, double top) {
        p.panel[i] = {px(left), px(top)};
        p.name[i] = {px(p.panel[i].x() + 10 * m), px(p.panel[i].y() + 10 * m)};
        p.score[i] = QRect(px(p.name[i].x() + in.name.width() * 0.3),
                           px(p.name[i].y() + in.name.height() * 1.4), px(in.name.width() * 0.6),
                           in.scoreHeight);
    };
    for (int i = 0; i < 2; ++i)
        placePanel(i, halfOf(in.sequence.width() - W0) - 30 * m, 75 * m + i * H0 * 1.25);
    for (int i = 2; i < 4; ++i)
        placePanel(i, SW * f - p.panel[0].x() - W0 * f, 75 * m + (i - 2) * H0 * 1.25);

    p.toolbar = QRect(p.panel[0].x(), px(SH * 0.66), int(W0), int(W0));
    const double TH = p.toolbar.height();
    const double Wb = in.button.width();
    for (int i = 0; i < 6; ++i) {
        const int column = i % 3;
        const double rowTop = i < 3 ? TH - Wb * 3.5 : TH - Wb * 2.5;
        p.toolButton[i] = {px(column * Wb * 1.1 + 12 * m), px(rowTop)};
    }

    const double Wf = in.flag.width();
    for (int i = 0; i < 4; ++i)
        p.flag[i] = {px(p.toolButton[3].x() - 4 * m + i * Wf),
                     px(p.toolButton[3].y() + in.button.height() * 1.3)};
    for (int i = 4; i < kLanguageCount; ++i)
        p.flag[i] = {px(p.flag[0].x() - 2 * m + Wf * (i - 3.5)), p.flag[0].y() + in.flag.height()};

    p.wordFieldLeft = px(200 * m);
    p.wordFieldTop = px(p.sequence.y() + in.sequence.height() + 18 * m);

    const QPoint anchor(px(p.toolbar.x() + p.toolbar.width() + 50 * m), p.toolbar.y());
    for (int i = 0; i < 29; ++i)
        p.letter[i] = anchor + (QPointF(letterOffset(i)) * z).toPoint();
    p.nextButton = {px(p.letter[9].x() + in.letter.width() + 20 * m), p.toolbar.y()};
    return p;
}

QRect baseBar(const Input &in, const Placement &p)
{
    const double f = in.f * in.zoom;
    return QRect(px(10 * f), p.sequence.y() + in.sequence.height() + px(62 * in.zoom),
                 px(in.board.width() - 20 * f), px(10 * f));
}

} // namespace BoardLayout
