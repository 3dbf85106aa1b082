// The main window: the board with its player panels, picture sequence, word field, alphabet
// strip, toolbar, help menu and language flags. The game plays on it through BoardView.
#pragma once

#include "BoardControls.h"
#include "BoardLayout.h"
#include "Game.h"
#include "GameState.h"
#include "PictureClip.h"

#include <QWidget>

class BoardView;
class Dialogs;
class KeyPreview;

class frmQuendo : public QWidget
{
    Q_OBJECT
public:
    // Loads the window (Form_Load); it is shown by start-up.
    explicit frmQuendo(Dialogs &dialogs, QWidget *parent = nullptr);
    ~frmQuendo() override;

    // Commands of the toolbar, the flags, the help menu, the strip and the keyboard.
    void PicBut_Click(int index);
    void imgLang_Click(int index);
    void mnuHilfe_Click();
    void mnuHomepage_Click();
    void mnuEMail_Click();
    void mnuUeber_Click();
    void imgAlpha_Click(int index);

    void Sprache();
    void loadAlpha();
    void PaintBack();
    void positionieren();

protected:
    // For tests, which set up a game's position directly.
    GameState &state() { return m_state; }

    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    void connectControls();
    void posAlpha();
    void Form_Resize();
    void Shutdown();
    void showOptions();
    void reachByKeyboard();
    void chooseBoardSize();
    void loadLetterSheet();
    BoardLayout::Input layoutInput() const;

    Dialogs &m_dialogs;
    GameState m_state;
    BoardControls m_controls;
    PictureClip m_clpLetter{6, 10};
    BoardView *m_view;
    Game m_game;
    KeyPreview *m_keys = nullptr;
    float m_f = 1.0f;
    qint16 m_letter = 8;
    qint16 m_back = 0;
};
