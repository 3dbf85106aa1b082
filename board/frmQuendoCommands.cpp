// The commands of the main window: the toolbar, the language flags and the help menu.
#include "frmQuendo.h"

#include "BoardSurface.h"
#include "BoardView.h"
#include "Catalogue.h"
#include "ChooserDialog.h"
#include "ClickableImage.h"
#include "Contact.h"
#include "Dialogs.h"
#include "ErrorConvention.h"
#include "frmInfo.h"
#include "frmOpt.h"
#include "HelpFile.h"
#include "Language.h"
#include "LanguageFlags.h"
#include "ModResFiles.h"
#include "Places.h"
#include "SettingsTable.h"
#include "Sound.h"
#include "TextIds.h"

#include <QAction>
#include <QDesktopServices>
#include <QMenu>
#include <QPushButton>
#include <QUrl>

void frmQuendo::Sprache()
{
    Procedure proc(Proc::frmQuendo::Sprache);
    proc.step([&] {
        // A screen reader, and a test, find a button by what its tip says.
        for (size_t i = 0; i < m_controls.buttons.size(); ++i) {
            const QString tip = uiText(BoardStyle::toolButtons()[i].tipText);
            m_controls.buttons[i]->setToolTip(tip);
            m_controls.buttons[i]->setAccessibleName(tip.trimmed());
        }
    });
    proc.step([&] {
        m_controls.mnuUeber->setText(uiText(Txt::About));
        m_controls.mnuHilfe->setText(uiText(Txt::Help));
        m_controls.mnuEMail->setText(uiText(Txt::MailToMaker));
        m_controls.mnuHomepage->setText(uiText(Txt::MakersHomepage));
    });
    proc.step([&] { m_state.vocabFile = Setting::read(Setting::vocabFile(currentLanguage())); });
    proc.step([&] { m_view->renameForLanguage(); });
}

void frmQuendo::imgLang_Click(int index)
{
    Procedure proc(Proc::frmQuendo::imgLang_Click);
    bool cancelled = false;
    auto step = [&](auto &&f) { return !cancelled && proc.step(f) && !m_view->closing(); };
    step([&] {
        if (index < 0 || index >= kLanguageCount)
            throw RunTimeError(ErrNo::SubscriptOutOfRange, QString::number(index));
    });
    if (!step([&] {
            if (!m_state.gameRunning)
                return;
            const QString text = uiText(Txt::RestartsTheGame) + QStringLiteral("\n\n") +
                                 Language::fromIndex(index).text(Txt::RestartsTheGame);
            if (!m_dialogs.askOkCancel(this, text, uiText(Txt::NoTitle)))
                cancelled = true;
            else if (!m_view->closing())
                m_game.zurueck();
        }))
        return;
    step([&] { switchLanguage(Language::fromIndex(index), m_controls.flags); });
    step([&] { Sprache(); });
    step([&] { loadAlpha(); });
    step([&] {
        if (isVisible())
            m_game.List1_Ini();
    });
    step([&] {
        if (m_state.gameRunning) {
            m_state.gameRunning = false;
            m_game.StartGame();
        }
    });
}

void frmQuendo::PicBut_Click(int index)
{
    Procedure proc(Proc::frmQuendo::PicBut_Click);
    // A chooser stores the choice itself; false when the window was closed meanwhile.
    const auto choose = [&](ChooserDialog &&chooser) {
        chooser.exec();
        return !m_view->closing();
    };
    const auto chooserClosedSound = [&] {
        if (m_state.soundOn != 0)
            PlayWAV(Wav::ChooserClosed);
    };
    using BoardStyle::ToolButton;
    if (index == ToolButton::Options) {
        bool restart = false;
        proc.step([&] { m_state.settingsChanged = false; });
        proc.step([&] {
            showOptions();
            reachByKeyboard();
            restart = !m_view->closing() && m_state.settingsChanged;
        });
        if (restart)
            m_game.restartGame(proc);
        return;
    }
    proc.step([&] {
        switch (index) {
        case ToolButton::Start:
            m_game.StartGame();
            break;
        case ToolButton::End:
            if (m_dialogs.askYesNo(this, uiText(Txt::ReallyEnd), uiText(Txt::ProgramEnd)) &&
                !m_view->closing())
                close();
            break;
        case ToolButton::Background:
            // The new background is on the board when the sound says the chooser closed.
            if (choose(frmBack(m_back, this))) {
                PaintBack();
                chooserClosedSound();
            }
            break;
        case ToolButton::LetterStyle:
            // The sound comes at once; loading the letters takes a moment.
            if (choose(frmLetters(m_letter, this))) {
                chooserClosedSound();
                loadLetterSheet();
                loadAlpha();
            }
            break;
        case ToolButton::Help:
            m_controls.menu->popup(QCursor::pos());
            break;
        case ToolButton::Next:
            m_game.pressNext();
            break;
        default:
            throw RunTimeError(ErrNo::SubscriptOutOfRange, QString::number(index));
        }
    });
}

void frmQuendo::showOptions()
{
    // The editor takes no longer entry than fits across the board.
    const int cell = m_controls.feld[0]->width();
    const int across = cell > 0 ? m_controls.picBG->width() / cell : 0;
    frmOpt options({m_state, m_game.pool(), m_dialogs, across}, this);
    options.exec();
}

void frmQuendo::mnuHilfe_Click()
{
    Procedure proc(Proc::frmQuendo::mnuhilfe_Click);
    proc.step([&] {
        const QString help = helpFilePath(programFolder(), currentLanguage().index());
        if (!help.isEmpty())
            QDesktopServices::openUrl(QUrl::fromLocalFile(help));
    });
}

void frmQuendo::mnuHomepage_Click()
{
    Procedure proc(Proc::frmQuendo::mnuHomepage_Click);
    proc.step([&] { QDesktopServices::openUrl(QUrl(Contact::homepage())); });
}

void frmQuendo::mnuEMail_Click()
{
    Procedure proc(Proc::frmQuendo::mnuEMail_Click);
    proc.step([&] {
        QDesktopServices::openUrl(
            QUrl(QStringLiteral("mailto:") + Contact::supportAddress().trimmed()));
    });
}

void frmQuendo::mnuUeber_Click()
{
    Procedure proc(Proc::frmQuendo::mnuUeber_Click);
    proc.step([&] {
        frmInfo info(this);
        info.exec();
    });
}
