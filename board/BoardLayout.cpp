#include "BoardLayout.h"

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

QSize boardSize(QSize screen)
{
    return screen.width() >= 1024 && screen.height() >= 768 ? kLargeBoard : kSmallBoard;
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
    const double f = in.f;
    const double SW = in.board.width();
    const double SH = in.board.height();
    Placement p;

    p.board = {(in.window.width() - in.board.width()) / 2,
               (in.window.height() - in.board.height()) / 2};
    p.logo = {halfOf((SW - in.logo.width()) * f), px(SH * 0.03)};
    p.sequence = {halfOf((SW - in.sequence.width()) * f), px(SH * 0.15)};
    p.notice = {px(10 * f), px(SH - 2.0 * in.noticeHeight)};

    const double W0 = in.panel.width();
    const double H0 = in.panel.height();
    auto placePanel = [&](int i, double left, double top) {
        p.panel[i] = {px(left), px(top)};
        p.name[i] = {px(p.panel[i].x() + 10 * f), px(p.panel[i].y() + 10 * f)};
        p.score[i] = QRect(px(p.name[i].x() + in.name.width() * 0.3),
                           px(p.name[i].y() + in.name.height() * 1.4), px(in.name.width() * 0.6),
                           in.scoreHeight);
    };
    for (int i = 0; i < 2; ++i)
        placePanel(i, halfOf(in.sequence.width() - W0) - 30 * f, 75 * f + i * H0 * 1.25);
    for (int i = 2; i < 4; ++i)
        placePanel(i, SW * f - p.panel[0].x() - W0 * f, 75 * f + (i - 2) * H0 * 1.25);

    p.toolbar = QRect(p.panel[0].x(), px(SH * 0.66), int(W0), int(W0));
    const double TH = p.toolbar.height();
    const double Wb = in.button.width();
    for (int i = 0; i < 6; ++i) {
        const int column = i % 3;
        const double rowTop = i < 3 ? TH - Wb * 3.5 : TH - Wb * 2.5;
        p.toolButton[i] = {px(column * Wb * 1.1 + 12 * f), px(rowTop)};
    }

    const double Wf = in.flag.width();
    for (int i = 0; i < 4; ++i)
        p.flag[i] = {px(p.toolButton[3].x() - 4 * f + i * Wf),
                     px(p.toolButton[3].y() + in.button.height() * 1.3)};
    for (int i = 4; i < kLanguageCount; ++i)
        p.flag[i] = {px(p.flag[0].x() - 2 * f + Wf * (i - 3.5)), p.flag[0].y() + in.flag.height()};

    p.wordFieldLeft = px(200 * f);
    p.wordFieldTop = px(p.sequence.y() + in.sequence.height() + 18 * f);

    const QPoint anchor(px(p.toolbar.x() + p.toolbar.width() + 50 * f), p.toolbar.y());
    for (int i = 0; i < 29; ++i)
        p.letter[i] = anchor + letterOffset(i);
    p.nextButton = {px(p.letter[9].x() + in.letter.width() + 20 * f), p.toolbar.y()};
    return p;
}

QRect baseBar(const Input &in, const Placement &p)
{
    const double f = in.f;
    return QRect(px(10 * f), p.sequence.y() + in.sequence.height() + 62,
                 px(in.board.width() - 20 * f), px(10 * f));
}

} // namespace BoardLayout
