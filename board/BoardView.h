// The game's roles played by the main window's controls: questions through the Dialogs seam,
// the player panels, the picture sequence, the word field and strip, the waits, the sounds.
#pragma once

#include "GameView.h"
#include "PictureClip.h"
#include "PictureSequence.h"
#include "SoundPlayer.h"
#include "Speaker.h"

#include <QObject>
#include <QPixmap>

#include <functional>

struct BoardControls;
class Dialogs;
class QLabel;
class QWidget;

class BoardView final : public QObject,
                        public GameQuestions,
                        public PlayerPanels,
                        public PictureView,
                        public WordBoard,
                        public GameWaits,
                        public SoundPlayer,
                        public Speaker
{
    Q_OBJECT
public:
    // The letter sheet is the window's; the view cuts the word field's pictures from it.
    BoardView(QWidget *window, BoardControls &controls, const PictureClip &letters,
              Dialogs &dialogs);

    GameView roles() { return {*this, *this, *this, *this, *this}; }
    void setEmptyBoard(const QPixmap &tafel) { m_tafel = tafel; }
    // The window is going: every wait ends, and the game touches nothing any more.
    void startClosing();
    // The names a screen reader reads (the word's cells, the word field, the chalk picture, whose
    // turn it is), again in the interface language.
    void renameForLanguage();
    // How a pause passes: the event loop runs for that long. Tests pass it at once.
    void setPauseWait(std::function<void(double)> wait) { m_pauseWait = std::move(wait); }

    // GameQuestions
    bool askYesNo(const QString &text, const QString &title) override;
    void showMessage(const QString &text, const QString &title, bool informationIcon) override;
    // PlayerPanels
    void setPlayerName(int slot, const QString &shown) override;
    void setPlayerScore(int slot, const QString &text) override;
    void setHighlight(int slot, bool on) override;
    void setSlotVisible(int slot, bool visible) override;
    int textWidth(const QString &text) const override;
    int nameLabelWidth(int slot) const override;
    // PictureView
    void showEmptyBoard() override;
    void loadPictureSet(int bitmapId) override;
    void showStage(int stage) override;
    // WordBoard
    void removeWordCells() override;
    void createWordCell(int position, int left) override;
    void showLetter(int position, int sheetCell, CellLook look) override;
    void setWordCellVisible(int position, bool visible) override;
    int templateCellWidth() const override;
    int boardScaleWidth() const override;
    void showStripButton(int button, bool available, bool enabled) override;
    void showNext(bool visible) override;
    void focusNext() override;
    void setStartEnabled(bool enabled) override;
    // GameWaits
    void processEvents() override;
    void pause(double seconds) override;
    void waitUntil(const std::function<bool()> &released) override;
    void wake() override;
    bool closing() const override { return m_closing; }
    void setBusyCursor(bool busy) override;
    void closeWindow() override;
    // SoundPlayer
    void play(Wav::Id id) override;
    // Speaker
    void say(const QString &text) override;
    void sayAfter(const QString &text) override;

signals:
    void woken();

private:
    int checkedSlot(int slot) const;
    QLabel *checkedCell(int position) const;
    void nameCell(int position);
    void describeWordField();
    void namePicture();
    void describeTurn(int slot);

    QWidget *m_window;
    BoardControls &m_controls;
    const PictureClip &m_letters;
    Dialogs &m_dialogs;
    QPixmap m_tafel; // the empty chalk board
    PictureSequence m_clpBild;
    bool m_closing = false;
    bool m_busy = false;
    QString m_cellCharacters; // by position - 1: the character shown, null while covered
    int m_stage = 0;          // of the chalk picture
    int m_turn = -1;          // the highlighted slot
    std::function<void(double)> m_pauseWait;
};
