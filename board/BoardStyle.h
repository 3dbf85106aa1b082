// The look of the main window's controls: their design sizes, fonts and style sheets, and the
// pictures and tool tips of the toolbar buttons.
#pragma once

#include <QFont>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <array>

namespace BoardStyle {

inline constexpr QSize kPanel{147, 68};
inline constexpr QSize kName{127, 24};
inline constexpr QSize kScore{97, 25};
inline constexpr QSize kButton{38, 37};
inline constexpr QSize kButtonIcon{32, 32};
inline constexpr QSize kFlag{32, 20};
inline constexpr QSize kLetter{30, 40};
inline constexpr QSize kCell{29, 41};  // word-field cells show a 30 × 40 sheet cell scaled in
inline constexpr int kNamePadding = 8; // inside the name label, left and right together

// The toolbar buttons in their order; the number is the index PicBut_Click gets.
enum ToolButton : int
{
    Start,
    End,
    Background,
    LetterStyle,
    Options,
    Help,
    Next,
    kToolButtons
};
struct ToolButtonLook
{
    const char16_t *picture;
    int tipText;
};
const std::array<ToolButtonLook, kToolButtons> &toolButtons();

QFont nameFont(const QFont &base);
QFont scoreFont(const QFont &base);
QFont noticeFont(const QFont &base);

// A letter the game showed after a lost word: the tile washed out to grey, so the child sees
// which letters were missing and which were found.
QPixmap solutionLetter(const QPixmap &found);

QString panelStyle();
QString nameStyle(bool highlighted); // yellow on black, or black on yellow for the player's turn
QString scoreStyle();
QString noticeStyle();
QString toolbarStyle();
QString buttonStyle();

} // namespace BoardStyle
