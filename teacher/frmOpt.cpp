#include "frmOpt.h"

#include "Dialogs.h"
#include "ErrorConvention.h"
#include "GameState.h"
#include "Language.h"
#include "SettingsTable.h"
#include "TextIds.h"
#include "VocabularyFile.h"
#include "WEdit.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

void frmOpt::Form_Load()
{
    // Setting a control runs its change handling as a user's change would; the flag this sets
    // is cleared at the end.
    Procedure proc(Proc::frmOpt::Form_Load);
    GameState &s = m_tools.state;
    if (!proc.step([&] {
            for (int i = 0; i < std::min<int>(s.numPlayers, kMaxPlayers); ++i)
                m_txtSpieler[size_t(i)]->setEnabled(true);
        }))
        return;
    for (int n = 1; n <= kMaxPlayers; ++n) {
        const auto i = size_t(n - 1);
        if (!proc.step([&] { setBar(n, s.hintsPerWord[i]); }) ||
            !proc.step([&] { m_txtSpieler[i]->setText(s.playerNames[i]); }))
            return;
    }
    int remembered = -1;
    if (!proc.step([&] { m_lock.load(); }) ||
        !proc.step([&] { s.vocabFile = Setting::read(Setting::vocabFile(currentLanguage())); }) ||
        !proc.step([&] {
            readFileList();
            remembered = rememberedFile();
        }) ||
        !proc.step([&] { setBar(0, s.numPlayers); }) || !proc.step([&] { loadRepeatMode(); }) ||
        !proc.step([&] { loadShowSolution(); }) || !proc.step([&] { setBar(5, s.roundsToPlay); }) ||
        !proc.step([&] { setBar(6, s.minLen); }) || !proc.step([&] {
            if (s.soundOn != 0)
                m_chkSound->setChecked(true);
        }) ||
        !proc.step([&] { m_chkVorlesen->setChecked(s.speechOn != 0); }) || !proc.step([&] {
            if (remembered >= 0)
                m_wortsch->setCurrentRow(remembered);
        }))
        return;
    proc.step([&] { s.settingsChanged = false; });
}

void frmOpt::loadRepeatMode()
{
    GameState &s = m_tools.state;
    const qint16 stored = s.repeatMode;
    const qint16 mode = Setting::RepeatMode.brought(stored);
    wiederh_Click(mode);
    if (mode != stored)
        throw RunTimeError(ErrNo::InvalidData, QStringLiteral("wiederh(%1)").arg(stored));
}

void frmOpt::loadShowSolution()
{
    // A stored -1 counts as 1 and is written back as 1.
    GameState &s = m_tools.state;
    const qint16 stored = s.showSolution;
    const qint16 value = Setting::ShowSolution.brought(stored);
    s.showSolution = value == -1 ? 1 : value;
    m_chkAnzeige->setChecked(s.showSolution == 1);
    if (value != stored)
        throw RunTimeError(ErrNo::InvalidData, QStringLiteral("chkAnzeige = %1").arg(stored));
}

void frmOpt::showEvent(QShowEvent *event)
{
    Form_Activate();
    QDialog::showEvent(event);
}

bool frmOpt::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(event);
}

void frmOpt::Form_Activate()
{
    Procedure proc(Proc::frmOpt::Form_Activate);
    if (!proc.step([&] { setTexts(); }) || !proc.step([&] { layOut(); }))
        return;
    proc.step([&] { readFileList(); });
}

void frmOpt::readFileList()
{
    // A user's own lists and the shipped ones side by side, each name once.
    const QStringList names = VocabularyFile::listNames(QStringLiteral("*.dat"));
    QStringList shown;
    for (int i = 0; i < m_wortsch->count(); ++i)
        shown.append(m_wortsch->item(i)->text());
    // An unchanged folder leaves the list alone, so that a click in progress is not lost.
    if (names == shown)
        return;
    // Re-reading is not a choice: the entry of the current file is selected, nothing else.
    const QSignalBlocker quiet(m_wortsch);
    m_wortsch->clear();
    m_wortsch->addItems(names);
    const qsizetype row = names.lastIndexOf(m_tools.state.vocabFile);
    if (row >= 0)
        m_wortsch->setCurrentRow(int(row));
}

int frmOpt::rememberedFile() const
{
    if (m_wortsch->count() == 0)
        return -1;
    // An empty name means the default file, which is the one the game reads.
    const QString &file = m_tools.state.vocabFile;
    const QString wanted = file.isEmpty() ? VocabularyFile::defaultFileName() : file;
    for (int i = m_wortsch->count() - 1; i >= 0; --i) {
        if (m_wortsch->item(i)->text() == wanted)
            return i;
    }
    return 0;
}

void frmOpt::vscZahl_Change(int index)
{
    Procedure proc(Proc::frmOpt::vscZahl_Change);
    proc.step([&] {
        const qint16 value = barNumber(index);
        number(index) = value;
        m_zahl[size_t(index)]->setText(QString::number(value));
        if (index == 0) {
            for (int n = 1; n <= kMaxPlayers; ++n) {
                const bool playing = n <= value;
                m_txtSpieler[size_t(n - 1)]->setEnabled(playing);
                m_vsczahl[size_t(n)]->setEnabled(playing);
                m_zahl[size_t(n)]->setEnabled(playing);
            }
        }
        m_tools.state.settingsChanged = true;
    });
}

void frmOpt::wiederh_Click(int index)
{
    Procedure proc(Proc::frmOpt::wiederh_Click);
    proc.step([&] {
        m_tools.state.settingsChanged = true;
        m_tools.state.repeatMode = qint16(index);
        m_wiederh.at(size_t(index))->setChecked(true);
    });
}

void frmOpt::chkAnzeige_Click()
{
    // Takes effect at the next lost word; no new game needed.
    Procedure proc(Proc::frmOpt::chkAnzeige_Click);
    proc.step([&] { m_tools.state.showSolution = m_chkAnzeige->isChecked() ? 1 : 0; });
}

void frmOpt::chkSound_Click()
{
    Procedure proc(Proc::frmOpt::chkSound_Click);
    proc.step([&] { m_tools.state.soundOn = m_chkSound->isChecked() ? -1 : 0; });
}

void frmOpt::chkVorlesen_Click()
{
    // Takes effect with the next thing the game says; no new game needed.
    Procedure proc(Proc::frmOpt::chkVorlesen_Click);
    proc.step([&] { m_tools.state.speechOn = m_chkVorlesen->isChecked() ? -1 : 0; });
}

void frmOpt::txtSpieler_Change(int)
{
    // The name itself is taken over by OK.
    Procedure proc(Proc::frmOpt::txtSpieler_Change);
    proc.step([&] { m_tools.state.settingsChanged = true; });
}

void frmOpt::txtSpieler_GotFocus(int index)
{
    Procedure proc(Proc::frmOpt::txtSpieler_GotFocus);
    proc.step([&] { m_txtSpieler.at(size_t(index))->selectAll(); });
}

bool frmOpt::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        for (int i = 0; i < kMaxPlayers; ++i) {
            if (watched == m_txtSpieler[size_t(i)])
                txtSpieler_GotFocus(i);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmOpt::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmOpt::WortSch_Click()
{
    Procedure proc(Proc::frmOpt::WortSch_Click);
    proc.step([&] {
        const QListWidgetItem *item = m_wortsch->currentItem();
        if (!item)
            return;
        m_tools.state.settingsChanged = true;
        m_tools.state.vocabFile = item->text();
    });
}

void frmOpt::WortSch_DblClick()
{
    Procedure proc(Proc::frmOpt::WortSch_DblClick);
    proc.step([&] {
        WortSch_Click();
        cmdOK_Click();
    });
}

void frmOpt::cmdOK_Click()
{
    Procedure proc(Proc::frmOpt::cmdOK_Click);
    GameState &s = m_tools.state;
    Setting::Changes changes;
    const std::pair<const Setting::Number &, const qint16 &> numbers[] = {
        {Setting::NumPlayers, s.numPlayers}, {Setting::ShowSolution, s.showSolution},
        {Setting::RepeatMode, s.repeatMode}, {Setting::RoundsToPlay, s.roundsToPlay},
        {Setting::MinLength, s.minLen},
    };
    for (const auto &[setting, value] : numbers) {
        if (!proc.step([&] { changes.set(setting, value); }))
            return;
    }
    for (int n = 1; n <= kMaxPlayers; ++n) {
        const auto i = size_t(n - 1);
        if (!proc.step([&] { changes.set(Setting::hints(n), s.hintsPerWord[i]); }) ||
            !proc.step([&] {
                s.playerNames[i] = m_txtSpieler[i]->text();
                changes.set(Setting::playerName(n), s.playerNames[i]);
            }))
            return;
    }
    if (!proc.step([&] { changes.set(Setting::vocabFile(currentLanguage()), s.vocabFile); }) ||
        !proc.step([&] { changes.set(Setting::SoundOn, s.soundOn); }) ||
        !proc.step([&] { changes.set(Setting::SpeechOn, s.speechOn); }) ||
        !proc.step([&] { changes.write(); }))
        return;
    proc.step([&] { accept(); });
}

void frmOpt::EditButt_Click()
{
    Procedure proc(Proc::frmOpt::EditButt_Click);
    bool open = false;
    if (!proc.step([&] { open = m_lock.unlock(); }) || !open)
        return;
    if (!proc.step([&] {
            WEdit editor(m_tools, this);
            editor.exec();
        }))
        return;
    // A new file made in the editor shows in the list.
    proc.step([&] {
        readFileList();
        m_cmdOK->setFocus();
    });
}

void frmOpt::Password_Click()
{
    Procedure proc(Proc::frmOpt::Password_Click);
    proc.step([&] { m_lock.change(); });
}
