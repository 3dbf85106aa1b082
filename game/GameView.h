// What the rules of play need of the main window. frmQuendo implements it; tests implement
// it with a fake that records what was shown and scripts the players' answers and clicks.
//
// Waits (processEvents, pause, waitWhileNextVisible, questions) run other handlers of the
// window nested inside them: a Start, a language switch or a further guess can happen there.
// When the window is being closed, every wait returns at once and closing() is true; the
// game then returns without touching the window again.
#pragma once

#include <QString>

class GameView
{
public:
    virtual ~GameView() = default;

    // Questions and messages.
    virtual bool askYesNo(const QString &text, const QString &title) = 0; // question icon
    virtual void showMessage(const QString &text, const QString &title, bool informationIcon) = 0;

    // Player slots 0..3: the name label, the score label and the panel behind them.
    virtual void setPlayerName(int slot, const QString &shown) = 0;
    virtual QString playerNameShown(int slot) const = 0;
    virtual void setPlayerScore(int slot, const QString &text) = 0;
    virtual void setHighlight(int slot, bool on) = 0;
    virtual void setSlotVisible(int slot, bool visible) = 0;
    // Width of text in the name labels' 12-point font, and of the name label itself.
    virtual int textWidth(const QString &text) const = 0;
    virtual int nameLabelWidth(int slot) const = 0;

    // The picture sequence.
    virtual void showEmptyBoard() = 0;             // the empty chalk board, made visible
    virtual void loadPictureSet(int bitmapId) = 0; // 101..105
    virtual void showStage(int stage) = 0;         // 1..10

    // The Next button (toolbar button 6) and the Start button (toolbar button 0).
    virtual void setNextVisible(bool visible) = 0;
    virtual bool nextVisible() const = 0;
    virtual void focusNext() = 0;
    virtual void setStartEnabled(bool enabled) = 0;

    // Strip buttons 0..28: visible = still available, enabled = a guess is accepted.
    virtual void setStripVisible(int button, bool visible) = 0;
    virtual bool stripVisible(int button) const = 0;
    virtual void setStripEnabled(int button, bool enabled) = 0;
    virtual bool stripEnabled(int button) const = 0;
    virtual QString stripLetter(int button) const = 0; // the button's tag, upper case

    // Word-field cells 1..n of the current word. Geometry is in the board's scale units.
    virtual void removeWordCells() = 0;                      // cells of the previous layout
    virtual void createWordCell(int position, int left) = 0; // blank cell, hidden
    virtual void showStripPictureInCell(int position, int button) = 0;
    virtual void showSheetCellInCell(int position, int sheetCell) = 0;
    virtual void setWordCellVisible(int position, bool visible) = 0;
    virtual int templateCellWidth() const = 0;
    virtual int boardScaleWidth() const = 0;

    // Event pumping and waits; all of them return at once when the window is closing.
    virtual void processEvents() = 0;
    virtual void pause(double seconds) = 0;
    virtual void waitWhileNextVisible() = 0;
    virtual bool closing() const = 0;
    virtual void setBusyCursor(bool busy) = 0; // hourglass while the word pool loads
    virtual void closeWindow() = 0;            // ends the program
};
