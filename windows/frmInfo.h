// The info box: the program's picture, name and version, the read-me pointer and the language
// flags. At start-up a splash that closes itself after 2.5 s; from the menu a dialog with OK.
#pragma once

#include "LanguageFlags.h"

#include <QDialog>
#include <QStringList>
#include <QTimer>

#include <array>

class ClickableImage;
class QLabel;
class QPushButton;

// Set by start-up just before the info box is shown; the box clears it again.
bool splashMode();
void setSplashMode(bool on);
// Set by the info box when its splash time is over; start-up waits for it.
bool splashDone();
void setSplashDone(bool done);

class frmInfo : public QDialog
{
    Q_OBJECT
public:
    explicit frmInfo(QWidget *parent = nullptr);

    static constexpr int kSplashMs = 2500;
    // "Quendo  1.31.0555"
    static QString versionLine();

    // Start-up shows the board and then closes the splash itself.
    void leaveClosingToStartUp() { m_closedByStartUp = true; }

    void Sprache();
    void imgLang_Click(int index);
    void cmdOK_Click();
    bool okVisible() const;
    QString readMeText() const;

signals:
    void splashOver();

private:
    void Form_Load();
    void Timer1_Timer();

    QLabel *m_art = nullptr;
    QLabel *m_small = nullptr;
    QLabel *m_version = nullptr;
    QLabel *m_readMe = nullptr;
    LanguageFlags m_flags{};
    QPushButton *m_ok = nullptr;
    QTimer m_timer;
    bool m_closedByStartUp = false;
};
