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

// The board a window gets, decided once from the room the window really has: the screen's
// available area in the units the window is laid out in (Qt's scaling for large fonts or
// high-density screens already applied), less the room the window's frame takes. The large
// board where it fits, else the small one; where even that does not fit, the small board
// zoomed down as a whole, so that every control stays on the screen.
struct BoardChoice
{
    QSize board;
    float f = 1.0f;   // the layout scale factor
    qreal zoom = 1.0; // every size and distance of the board, on top of f
};
BoardChoice chooseBoard(QSize available, QSize frame, qreal logicalDpiX);

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
    qreal zoom = 1.0;
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
