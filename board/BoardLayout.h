// Where every control of the board stands, computed from the board's size, a few reference
// control sizes and the layout scale factor. Pure arithmetic, so tests can check positions
// without a window.
#pragma once

#include "Language.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>

namespace BoardLayout {

inline constexpr QSize kSmallBoard{761, 553};
inline constexpr QSize kLargeBoard{922, 691};

// Screens with large fonts (120 dpi or more) narrower than 1000 pixels get 0.8.
float scaleFactor(qreal logicalDpiX, int screenWidth);
// 1024 x 768 screens and larger get the large board.
QSize boardSize(QSize screen);

// The staggered keyboard rows of the alphabet strip, relative to its anchor (not scaled).
QPoint letterOffset(int index);

// Half of a length, rounded to whole pixels first and the half truncated toward zero.
int halfOf(double value);
// Nearest whole pixel, halves to the even neighbour.
int px(double value);

struct Input
{
    QSize window;   // inner size of the window
    QSize board;    // inner size of the board surface
    float f = 1.0f; // layout scale factor
    QSize logo{300, 60};
    QSize sequence{300, 200};
    int noticeHeight = 13;
    QSize panel{147, 68};
    QSize name{127, 24};
    int scoreHeight = 25;
    QSize button{38, 37};
    QSize flag{32, 20};
    QSize letter{30, 40};
    int wordLength = 0;
};

struct Placement
{
    QPoint board; // the board surface inside the window
    QPoint logo;
    QPoint sequence;
    QPoint notice;
    std::array<QPoint, 4> panel;
    std::array<QPoint, 4> name;
    std::array<QRect, 4> score;
    QRect toolbar;
    std::array<QPoint, 6> toolButton;        // inside the toolbar panel
    std::array<QPoint, kLanguageCount> flag; // inside the toolbar panel
    int wordFieldLeft = 0;                   // of the template cell; the game places cells 1..n
    int wordFieldTop = 0;
    std::array<QPoint, 29> letter;
    QPoint nextButton; // toolbar button 6, beside the strip
};

Placement place(const Input &in);

// The thin bar under the word field that the background is painted into a second time.
QRect baseBar(const Input &in, const Placement &p);

} // namespace BoardLayout
