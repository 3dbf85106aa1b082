// The controls of the main window. They all stand on the board surface, children of the
// window; the window lays them out, the board view shows the game on them. Each carries the
// object name of its role (PicBut0, imgAlpha12, Feld3, ...), so tests and screen readers
// find it without coordinates.
#pragma once

#include "Alphabet.h"
#include "BoardStyle.h"
#include "Language.h"
#include "LanguageFlags.h"
#include "SettingsTable.h"

#include <QList>

#include <array>

class BoardSurface;
class ClickableImage;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QWidget;

struct BoardControls
{
    BoardSurface *picBG = nullptr;
    QLabel *logo = nullptr;
    QLabel *sequence = nullptr;
    QLabel *notice = nullptr;
    std::array<QLabel *, kMaxPlayers> panel{};
    std::array<QLabel *, kMaxPlayers> name{};
    std::array<QLabel *, kMaxPlayers> score{};
    QFrame *toolbar = nullptr;
    std::array<QPushButton *, BoardStyle::kToolButtons> buttons{};
    LanguageFlags flags{};
    std::array<ClickableImage *, Alphabet::kSlots> alpha{}; // 0 here; posAlpha makes the rest
    QList<QLabel *> feld;                                   // 0 is the hidden template
    QMenu *menu = nullptr;
    QAction *mnuHilfe = nullptr;
    QAction *mnuHomepage = nullptr;
    QAction *mnuEMail = nullptr;
    QAction *mnuUeber = nullptr;
    qreal zoom = 1.0;

    // Makes the controls on window, at the places and sizes BoardStyle gives them.
    void build(QWidget *window);
    // Shrinks every control, its pictures and its text to zoom times its design size, for a
    // screen too small for the board (after the strip is made).
    void applyZoom(qreal zoom);
    QPushButton *next() const { return buttons[BoardStyle::ToolButton::Next]; }
    QPushButton *start() const { return buttons[BoardStyle::ToolButton::Start]; }
};
