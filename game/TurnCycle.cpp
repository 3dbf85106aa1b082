#include "TurnCycle.h"

#include "PoolLoader.h"
#include "Settings.h"
#include "SettingsTable.h"
#include "Utilities.h"
#include "WordPlay.h"

namespace {

// Names are shortened only down to this length, keeping their first eight characters.
constexpr int kShortestShortened = 10;

// The name as the label can show it: while wider than the label, all but the last two
// characters and a ".", at most length - 9 times. A blank never stands before the dot.
QString fittedName(const PlayerPanels &panels, int slot, const QString &name)
{
    const int room = panels.nameLabelWidth(slot);
    QString shown = name;
    if (panels.textWidth(shown) <= room)
        return shown;
    for (qsizetype k = name.size(); k >= kShortestShortened; --k) {
        if (panels.textWidth(shown) > room)
            shown = shown.left(shown.size() - 2) + u'.';
    }
    while (shown.endsWith(QStringLiteral(" .")))
        shown.remove(shown.size() - 2, 1);
    return shown;
}

} // namespace

void TurnCycle::showName(int slot, const QString &shown)
{
    checkedAt(m_ctx.facts.shownNames, slot) = shown;
    m_ctx.view.panels.setPlayerName(slot, shown);
}

void TurnCycle::readSettings()
{
    Procedure proc(Proc::frmQuendo::Form_Load);
    GameState &s = m_ctx.state;
    s.lastLetter = Alphabet::kLastLetter;
    const auto inRange = [&](qint16 &field, const Setting::Number &setting) {
        return m_ctx.step(proc, [&] { field = Setting::readInRange(setting); });
    };
    // The rules take any stored repetition, solution and sound value as it stands.
    const auto asStored = [&](qint16 &field, const Setting::Number &setting) {
        return m_ctx.step(proc, [&] { field = Setting::read(setting); });
    };
    if (!inRange(s.numPlayers, Setting::NumPlayers) ||
        !asStored(s.repeatMode, Setting::RepeatMode) ||
        !asStored(s.showSolution, Setting::ShowSolution) ||
        !inRange(s.minLen, Setting::MinLength) || !inRange(s.roundsToPlay, Setting::RoundsToPlay) ||
        !asStored(s.soundOn, Setting::SoundOn) || !asStored(s.speechOn, Setting::SpeechOn))
        return;
    for (int i = 0; i < kMaxPlayers; ++i) {
        if (!m_ctx.step(proc, [&] {
                const QString name = Setting::read(Setting::playerName(i + 1));
                s.playerNames[size_t(i)] =
                    trimBlanks(name.left(Setting::kMaxNameLength)).toString();
                showName(i, s.playerNames[size_t(i)]);
            }))
            return;
        if (!inRange(s.hintsPerWord[size_t(i)], Setting::hints(i + 1)))
            return;
    }
}

void TurnCycle::zurueck()
{
    Procedure proc(Proc::frmQuendo::zurueck);
    GameState &s = m_ctx.state;
    const GameView &view = m_ctx.view;
    if (!m_ctx.step(proc, [&] { m_ctx.drawPictureSet(); }))
        return;
    if (!m_ctx.step(proc, [&] { view.picture.showEmptyBoard(); }))
        return;
    if (!m_ctx.step(proc, [&] { s.roundNo = 0; }))
        return;
    for (int i = s.numPlayers; i < kMaxPlayers; ++i) {
        if (!m_ctx.step(proc, [&] { view.panels.setSlotVisible(i, false); }))
            return;
    }
    for (int i = 0; i < s.numPlayers; ++i) {
        bool leave = false;
        resetSlot(proc, i, leave);
        if (leave)
            return;
    }
    m_loader.List1_Ini();
    if (m_ctx.closing())
        return;
    if (!m_ctx.step(proc, [&] { s.currentPlayer = checkedInt16(s.numPlayers - 1); }))
        return;
    NextPlayer();
}

void TurnCycle::resetSlot(Procedure &proc, int slot, bool &leave)
{
    GameState &s = m_ctx.state;
    const PlayerPanels &panels = m_ctx.view.panels;
    leave = !m_ctx.step(proc, [&] {
        showName(slot, checkedAt(s.playerNames, slot));
    }) || !m_ctx.step(proc, [&] {
        const QString shown = fittedName(panels, slot, s.playerNames[size_t(slot)]);
        if (shown != s.playerNames[size_t(slot)])
            showName(slot, shown);
    }) || !m_ctx.step(proc, [&] {
        checkedAt(s.scores, slot) = 0;
        m_ctx.view.panels.setPlayerScore(slot, QStringLiteral("0"));
    }) || !m_ctx.step(proc, [&] {
        m_ctx.view.panels.setHighlight(slot, false);
        m_ctx.view.panels.setSlotVisible(slot, true);
    });
}

void TurnCycle::StartGame()
{
    Procedure proc(Proc::frmQuendo::StartGame);
    GameState &s = m_ctx.state;
    if (s.gameRunning) {
        bool yes = false;
        if (!m_ctx.step(proc, [&] {
                yes = m_ctx.view.questions.askYesNo(uiText(Txt::ReallyNewGame),
                                                    QStringLiteral("Start"));
            }))
            return;
        if (!yes)
            return;
        zurueck();
        if (m_ctx.closing())
            return;
    }
    restartGame(proc);
}

void TurnCycle::restartGame(Procedure &proc)
{
    if (m_ctx.facts.phase == TurnPhase::HandOver) {
        // Releases the waiting hand-over, which passes the turn and lays out the next word.
        if (!m_ctx.step(proc, [&] { pressNext(); }))
            return;
    } else {
        m_play.NewWord(proc);
        if (proc.cancelled() || m_ctx.closing())
            return;
    }
    m_ctx.step(proc, [&] { m_ctx.state.gameRunning = true; });
}

void TurnCycle::pressNext()
{
    if (m_ctx.facts.phase != TurnPhase::HandOver)
        return;
    m_ctx.view.board.showNext(false);
    m_ctx.setPhase(TurnPhase::WordOver);
}

void TurnCycle::WaitForNext()
{
    Procedure proc(Proc::frmQuendo::WaitForNext);
    const GameView &view = m_ctx.view;
    if (!m_ctx.step(proc, [&] {
            m_ctx.setPhase(TurnPhase::HandOver);
            view.board.showNext(true);
            view.board.focusNext();
            const GameState &s = m_ctx.state;
            m_ctx.sayAfter(Spoken::handOver(s.currentPlayer >= s.numPlayers - 1 ? s.roundNo : 0));
        }))
        return;
    if (!m_ctx.disableStrip(proc))
        return;
    if (!m_ctx.step(proc, [&] {
            view.waits.waitUntil([this] { return m_ctx.facts.phase != TurnPhase::HandOver; });
        }))
        return;
    NextPlayer();
}

void TurnCycle::NextPlayer()
{
    Procedure proc(Proc::frmQuendo::NextPlayer);
    GameState &s = m_ctx.state;
    if (!m_ctx.step(proc, [&] {
            checkedAt(s.scores, s.currentPlayer);
            m_ctx.view.panels.setHighlight(s.currentPlayer, false);
        }))
        return;
    bool lastOfRound = false;
    if (!m_ctx.step(proc, [&] { lastOfRound = s.currentPlayer >= s.numPlayers - 1; }))
        return;
    bool gameOver = false;
    if (!lastOfRound) {
        if (!m_ctx.step(proc, [&] { s.currentPlayer = checkedInt16(s.currentPlayer + 1); }))
            return;
    } else {
        if (!m_ctx.step(proc, [&] { s.currentPlayer = 0; }) || !m_ctx.step(proc, [&] {
                s.roundNo = checkedInt16(s.roundNo + 1);
                gameOver = s.roundNo == s.roundsToPlay + 1;
            }))
            return;
    }
    if (gameOver && !announceResult(proc))
        return;
    if (!m_ctx.step(proc, [&] {
            checkedAt(s.scores, s.currentPlayer);
            m_ctx.view.panels.setHighlight(s.currentPlayer, true);
        }))
        return;
    m_ctx.step(proc, [&] { m_ctx.view.waits.processEvents(); });
}

bool TurnCycle::announceResult(Procedure &proc)
{
    GameState &s = m_ctx.state;
    GameQuestions &questions = m_ctx.view.questions;
    qint16 top = 0;
    int winner = 0;
    bool draw = false;
    if (!m_ctx.step(proc, [&] {
            // Strictly greater: of equal top scores the lowest slot is the candidate.
            for (int j = 0; j < s.numPlayers; ++j) {
                if (checkedAt(s.scores, j) > top) {
                    top = s.scores[size_t(j)];
                    winner = j;
                }
            }
            for (int j = 0; j < s.numPlayers; ++j)
                draw = draw || (j != winner && s.scores[size_t(j)] == top);
        }))
        return false;
    if (!m_ctx.step(proc, [&] { m_ctx.playSound(Wav::GameOver); }) || !m_ctx.step(proc, [&] {
            m_ctx.say(draw ? Spoken::draw(top)
                           : Spoken::winner(s.playerNames[size_t(winner)], top));
        }))
        return false;
    if (!m_ctx.step(proc, [&] {
            if (draw) {
                questions.showMessage(uiText(Txt::Draw), kAppTitle, true);
            } else {
                questions.showMessage(checkedAt(m_ctx.facts.shownNames, winner) + QChar(13) +
                                          uiText(Txt::HasWon),
                                      uiText(Txt::Hurray), true);
            }
        }))
        return false;
    bool again = false;
    if (!m_ctx.step(proc, [&] {
            m_ctx.sayAfter(uiText(Txt::OnceAgain));
            again = questions.askYesNo(uiText(Txt::OnceAgain), QString());
        }))
        return false;
    if (!again) {
        m_ctx.step(proc, [&] { m_ctx.view.waits.closeWindow(); });
        return false;
    }
    zurueck();
    return !proc.cancelled() && !m_ctx.closing();
}
