// The options dialog: players and their names, hints, rounds, minimum word length, repetition,
// solution display, sound, reading aloud and the vocabulary file; the doors to the vocabulary
// editor and the editor's password. Every change goes into the game state at once; OK writes the
// settings.
#pragma once

#include "FormGeometry.h"
#include "PasswordLock.h"
#include "TeacherTools.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QLineEdit;

class frmOpt : public QDialog
{
    Q_OBJECT
public:
    // Loads the dialog (Form_Load) from the game state and the settings.
    frmOpt(const TeacherTools &tools, QWidget *parent = nullptr);

    void cmdOK_Click();
    void EditButt_Click();
    void Password_Click();

    const PasswordLock &lock() const { return m_lock; }

    static constexpr int kBars = 7;

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Escape does nothing: without a Cancel button there is nothing it could undo.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void connectHandlers();
    void layOut();
    void Form_Load();
    void Form_Activate();
    void setTexts();
    void readFileList();
    int rememberedFile() const;
    void setBar(int index, qint16 number);
    qint16 barNumber(int index) const; // the number a scroll bar's position stands for
    void loadRepeatMode();
    void loadShowSolution();
    void vscZahl_Change(int index);
    void wiederh_Click(int index);
    void chkAnzeige_Click();
    void chkSound_Click();
    void chkVorlesen_Click();
    void txtSpieler_Change(int index);
    void txtSpieler_GotFocus(int index);
    void WortSch_Click();
    void WortSch_DblClick();
    qint16 &number(int bar);

    TeacherTools m_tools;
    PasswordLock m_lock;
    FormGeometry m_geometry{this, {6180, 6075}}; // client area in twips

    std::array<QGroupBox *, 3> m_frame{};
    std::array<QLabel *, 6> m_label{};
    std::array<QLabel *, kBars> m_zahl{};
    std::array<QScrollBar *, kBars> m_vsczahl{};
    std::array<QLineEdit *, 4> m_txtSpieler{};
    std::array<QRadioButton *, 2> m_wiederh{};
    QCheckBox *m_chkAnzeige = nullptr;
    QCheckBox *m_chkSound = nullptr;
    QCheckBox *m_chkVorlesen = nullptr;
    QListWidget *m_wortsch = nullptr;
    QPushButton *m_editButt = nullptr;
    QPushButton *m_password = nullptr;
    QPushButton *m_cmdOK = nullptr;
};
