// The main window: the board with its player panels, picture sequence, word field, alphabet
// strip, toolbar, help menu and language flags. It is the game's view and its sound.
#pragma once

#include "BoardLayout.h"
#include "Game.h"
#include "GameState.h"
#include "GameView.h"
#include "PictureClip.h"
#include "SoundPlayer.h"

#include <QList>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

#include <array>

class BoardSurface;
class ClickableImage;
class Dialogs;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QAction;

class frmQuendo : public QWidget, public GameView, public SoundPlayer
{
    Q_OBJECT
public:
    // Loads the window (Form_Load); it is shown by start-up.
    explicit frmQuendo(Dialogs &dialogs, QWidget *parent = nullptr);
    ~frmQuendo() override;

    // Commands of the toolbar, the flags and the help menu.
    void PicBut_Click(int index);
    void imgLang_Click(int index);
    void mnuHilfe_Click();
    void mnuHomepage_Click();
    void mnuEMail_Click();
    void mnuUeber_Click();
    void imgAlpha_Click(int index);
    void Form_KeyPress(QChar key);

    void Sprache();
    void loadAlpha();
    void PaintBack();
    void positionieren();

    GameState &state() { return m_state; }
    Game &game() { return m_game; }
    float scaleFactor() const { return m_f; }
    BoardSurface *board() const { return m_picBG; }
    QPushButton *toolButton(int index) const { return m_buttons.at(index); }
    ClickableImage *stripButton(int index) const { return m_alpha.at(index); }
    ClickableImage *flag(int index) const { return m_flags.at(index); }
    QLabel *wordCell(int position) const { return m_feld.value(position); }
    QLabel *sequence() const { return m_sequence; }
    QLabel *nameLabel(int slot) const { return m_name.at(slot); }
    QLabel *scoreLabel(int slot) const { return m_score.at(slot); }
    QMenu *helpMenu() const { return m_menu; }
    qint16 letterStyle() const { return m_letter; }
    qint16 background() const { return m_back; }

    // Resource paths of the pictures the window loads first, at ratio 1, for decoding ahead:
    // those of its design, and those the stored settings choose (letter style, background).
    static QStringList designPictures();
    static QStringList settingsPictures();

    // GameView
    bool askYesNo(const QString &text, const QString &title) override;
    void showMessage(const QString &text, const QString &title, bool informationIcon) override;
    void setPlayerName(int slot, const QString &shown) override;
    QString playerNameShown(int slot) const override;
    void setPlayerScore(int slot, const QString &text) override;
    void setHighlight(int slot, bool on) override;
    void setSlotVisible(int slot, bool visible) override;
    int textWidth(const QString &text) const override;
    int nameLabelWidth(int slot) const override;
    void showEmptyBoard() override;
    void loadPictureSet(int bitmapId) override;
    void showStage(int stage) override;
    void setNextVisible(bool visible) override;
    bool nextVisible() const override;
    void focusNext() override;
    void setStartEnabled(bool enabled) override;
    void setStripVisible(int button, bool visible) override;
    bool stripVisible(int button) const override;
    void setStripEnabled(int button, bool enabled) override;
    bool stripEnabled(int button) const override;
    QString stripLetter(int button) const override;
    void removeWordCells() override;
    void createWordCell(int position, int left) override;
    void showStripPictureInCell(int position, int button) override;
    void showSheetCellInCell(int position, int sheetCell) override;
    void setWordCellVisible(int position, bool visible) override;
    int templateCellWidth() const override;
    int boardScaleWidth() const override;
    void processEvents() override;
    void pause(double seconds) override;
    void waitWhileNextVisible() override;
    bool closing() const override { return m_closing; }
    void setBusyCursor(bool busy) override;
    void closeWindow() override;

    // SoundPlayer
    void play(int id) override;

signals:
    void nextHidden();
    void closingStarted();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    void createControls();
    void posAlpha();
    void Form_Resize();
    void Shutdown();
    void showOptions();
    BoardLayout::Input layoutInput() const;
    QPixmap windowPicture(QStringView name) const;
    QLabel *checkedCell(int position) const;
    ClickableImage *checkedStrip(int button) const;
    int checkedSlot(int slot) const;

    Dialogs &m_dialogs;
    GameState m_state;
    Game m_game;
    float m_f = 1.0f;
    qint16 m_letter = 8;
    qint16 m_back = 0;
    bool m_closing = false;
    bool m_busy = false;

    BoardSurface *m_picBG = nullptr;
    QLabel *m_logo = nullptr;
    QLabel *m_sequence = nullptr; // B_Folge
    QLabel *m_notice = nullptr;
    std::array<QLabel *, 4> m_panel{}; // lblPlayer
    std::array<QLabel *, 4> m_name{};  // Spieler
    std::array<QLabel *, 4> m_score{}; // lblPunkte
    QFrame *m_toolbar = nullptr;       // picToolbar
    std::array<QPushButton *, 7> m_buttons{};
    std::array<ClickableImage *, 7> m_flags{};
    std::array<ClickableImage *, 29> m_alpha{};
    QList<QLabel *> m_feld; // 0 is the hidden template
    QPixmap m_tafel;        // imgTafel
    PictureClip m_clpLetter{6, 10};
    PictureClip m_clpBild{10, 1};
    int m_pendingPictureSet = 0; // loaded, not yet decoded
    QMenu *m_menu = nullptr;
    QAction *m_mnuHilfe = nullptr;
    QAction *m_mnuHomepage = nullptr;
    QAction *m_mnuEMail = nullptr;
    QAction *m_mnuUeber = nullptr;
};
