// What the rules of play need of the main window, in five small roles. The window implements
// them (board/BoardView); tests replace each with a small fake.
//
// Waits (processEvents, pause, waitUntil, questions) run other handlers of the window nested
// inside them: a Start, a language switch or a further guess can happen there. When the window
// is being closed, every wait returns at once and closing() is true; the game then returns
// without touching the window again.
#pragma once

#include <QString>

#include <functional>

// Questions and messages.
class GameQuestions
{
public:
    virtual ~GameQuestions() = default;
    virtual bool askYesNo(const QString &text, const QString &title) = 0; // question icon
    virtual void showMessage(const QString &text, const QString &title, bool informationIcon) = 0;
};

// The player panels 0..3: the name label, the score label and the panel behind them.
class PlayerPanels
{
public:
    virtual ~PlayerPanels() = default;
    virtual void setPlayerName(int slot, const QString &shown) = 0;
    virtual void setPlayerScore(int slot, const QString &text) = 0;
    virtual void setHighlight(int slot, bool on) = 0;
    virtual void setSlotVisible(int slot, bool visible) = 0;
    // Width of text in the name labels' font, and the room inside a name label.
    virtual int textWidth(const QString &text) const = 0;
    virtual int nameLabelWidth(int slot) const = 0;
};

// The picture sequence above the word field.
class PictureView
{
public:
    virtual ~PictureView() = default;
    virtual void showEmptyBoard() = 0;             // the empty chalk board, made visible
    virtual void loadPictureSet(int bitmapId) = 0; // 101..105
    virtual void showStage(int stage) = 0;         // 1..10
};

// How an uncovered word-field cell looks: a letter the player found, or one the game showed
// after the word was lost.
enum class CellLook
{
    Found,
    Solution
};

// The word field, the alphabet strip and the two toolbar buttons of a turn.
class WordBoard
{
public:
    virtual ~WordBoard() = default;
    // Word-field cells 1..n of the current word, in the board's units.
    virtual void removeWordCells() = 0;                      // those of the previous layout
    virtual void createWordCell(int position, int left) = 0; // covered, hidden
    virtual void showLetter(int position, int sheetCell, CellLook look) = 0;
    virtual void setWordCellVisible(int position, bool visible) = 0;
    virtual int templateCellWidth() const = 0;
    virtual int boardScaleWidth() const = 0;
    // Strip button 0..28 as the letter strip has it.
    virtual void showStripButton(int button, bool available, bool enabled) = 0;
    // The Next button (toolbar button 6) and the Start button (toolbar button 0).
    virtual void showNext(bool visible) = 0;
    virtual void focusNext() = 0;
    virtual void setStartEnabled(bool enabled) = 0;
};

// Event pumping and waits; every one returns at once when the window is closing.
class GameWaits
{
public:
    virtual ~GameWaits() = default;
    virtual void processEvents() = 0;
    virtual void pause(double seconds) = 0;
    // Runs the window's events until released() holds; the game calls wake() whenever that
    // may have changed.
    virtual void waitUntil(const std::function<bool()> &released) = 0;
    virtual void wake() = 0;
    virtual bool closing() const = 0;
    virtual void setBusyCursor(bool busy) = 0; // while the word pool loads
    virtual void closeWindow() = 0;            // ends the program
};

struct GameView
{
    GameQuestions &questions;
    PlayerPanels &panels;
    PictureView &picture;
    WordBoard &board;
    GameWaits &waits;
};
