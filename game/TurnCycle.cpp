#include "TurnCycle.h"

#include "PoolLoader.h"
#include "Settings.h"
#include "Utilities.h"
#include "WordPlay.h"

#include <limits>

namespace {

const QString kSection = QStringLiteral("Einstellungen");

constexpr int kNameMax = 25;
// Names are shortened only down to this length, keeping their first eight characters.
constexpr int kShortestShortened = 10;

constexpr int kWonText = 140;
constexpr int kHurrayText = 141;
constexpr int kOnceAgainText = 142;
constexpr int kReallyNewGameText = 149;
constexpr int kDrawText = 182;
constexpr int kGameOverSound = 105;

qint16 clamped(qint16 value, qint16 lo, qint16 hi)
{
    return std::clamp(value, lo, hi);
}

// The name as the label can show it: while wider than the label, all but the last two
// characters and a ".", at most length - 9 times.
QString fittedName(const GameView &view, int slot, const QString &name)
{
    const int room = view.nameLabelWidth(slot);
    QString shown = name;
    if (view.textWidth(shown) <= room)
        return shown;
    for (qsizetype k = name.size(); k >= kShortestShortened; --k) {
        if (view.textWidth(shown) > room)
            shown = shown.left(shown.size() - 2) + u'.';
    }
    return shown;
}

} // namespace

void TurnCycle::readSettings()
{
    Procedure proc(Proc::frmQuendo::Form_Load);
    GameState &s = m_ctx.state;
    s.lastLetter = Alphabet::kLastLetter;
    const auto readInt = [&](qint16 &field, const QString &key, qint16 def, qint16 lo, qint16 hi) {
        return m_ctx.step(proc, [&] { field = clamped(GetIniInt(kSection, key, def), lo, hi); });
    };
    constexpr qint16 kLeast = std::numeric_limits<qint16>::min();
    constexpr qint16 kMost = std::numeric_limits<qint16>::max();
    if (!readInt(s.numPlayers, QStringLiteral("numPlayers"), 4, 1, kMaxPlayers) ||
        !readInt(s.repeatMode, QStringLiteral("Wiederholung"), 1, kLeast, kMost) ||
        !readInt(s.showSolution, QStringLiteral("Anzeige"), 1, kLeast, kMost) ||
        !readInt(s.minLen, QStringLiteral("minLen"), 4, 1, 10) ||
        !readInt(s.roundsToPlay, QStringLiteral("Runden"), 20, 10, 50) ||
        !readInt(s.soundOn, QStringLiteral("Sound"), -1, kLeast, kMost))
        return;
    for (int i = 0; i < kMaxPlayers; ++i) {
        const QString number = QString::number(i + 1);
        if (!m_ctx.step(proc, [&] {
                const QString name = GetIniString(kSection, QStringLiteral("Spieler") + number,
                                                  QStringLiteral("Spieler ") + number);
                s.playerNames[size_t(i)] = trimBlanks(name.left(kNameMax)).toString();
                m_ctx.view.setPlayerName(i, s.playerNames[size_t(i)]);
            }))
            return;
        if (!readInt(s.hintsPerWord[size_t(i)], QStringLiteral("Tipps") + number, 2, 0, 3))
            return;
    }
}

void TurnCycle::zurueck()
{
    Procedure proc(Proc::frmQuendo::zurueck);
    GameState &s = m_ctx.state;
    GameView &view = m_ctx.view;
    if (!m_ctx.step(proc, [&] {
            s.pictureSet = zz(101, 105);
            view.loadPictureSet(s.pictureSet);
        }))
        return;
    if (!m_ctx.step(proc, [&] { view.showEmptyBoard(); }))
        return;
    if (!m_ctx.step(proc, [&] { s.roundNo = 0; }))
        return;
    for (int i = s.numPlayers; i < kMaxPlayers; ++i) {
        if (!m_ctx.step(proc, [&] { view.setSlotVisible(i, false); }))
            return;
    }
    for (int i = 0; i < s.numPlayers; ++i) {
        bool leave = false;
        resetSlot(proc, i, leave);
        if (leave)
            return;
    }
    m_loader.List1_Ini();
    if (view.closing())
        return;
    if (!m_ctx.step(proc, [&] { s.currentPlayer = checkedInt16(s.numPlayers - 1); }))
        return;
    NextPlayer();
}

void TurnCycle::resetSlot(Procedure &proc, int slot, bool &leave)
{
    GameState &s = m_ctx.state;
    GameView &view = m_ctx.view;
    leave = !m_ctx.step(proc, [&] {
        view.setPlayerName(slot, checkedAt(s.playerNames, slot));
    }) || !m_ctx.step(proc, [&] {
        const QString shown = fittedName(view, slot, s.playerNames[size_t(slot)]);
        if (shown != s.playerNames[size_t(slot)])
            view.setPlayerName(slot, shown);
    }) || !m_ctx.step(proc, [&] {
        checkedAt(s.scores, slot) = 0;
        view.setPlayerScore(slot, QStringLiteral("0"));
    }) || !m_ctx.step(proc, [&] {
        view.setHighlight(slot, false);
        view.setSlotVisible(slot, true);
    });
}

void TurnCycle::StartGame()
{
    Procedure proc(Proc::frmQuendo::StartGame);
    GameState &s = m_ctx.state;
    GameView &view = m_ctx.view;
    if (s.gameRunning) {
        bool yes = false;
        if (!m_ctx.step(proc, [&] {
                yes = view.askYesNo(GameContext::text(kReallyNewGameText), QStringLiteral("Start"));
            }))
            return;
        if (!yes)
            return;
        zurueck();
        if (view.closing())
            return;
    }
    restartGame(proc);
}

void TurnCycle::restartGame(Procedure &proc)
{
    GameView &view = m_ctx.view;
    bool nextShowing = false;
    if (!m_ctx.step(proc, [&] { nextShowing = view.nextVisible(); }))
        return;
    if (nextShowing) {
        // Releases the waiting hand-over, which passes the turn and lays out the next word.
        if (!m_ctx.step(proc, [&] { view.setNextVisible(false); }))
            return;
    } else {
        m_play.NewWord(proc);
        if (proc.cancelled() || view.closing())
            return;
    }
    m_ctx.step(proc, [&] { m_ctx.state.gameRunning = true; });
}

void TurnCycle::WaitForNext()
{
    Procedure proc(Proc::frmQuendo::WaitForNext);
    GameView &view = m_ctx.view;
    if (!m_ctx.step(proc, [&] {
            view.setNextVisible(true);
            view.focusNext();
        }))
        return;
    for (int b = 0; b <= m_ctx.lastButton(); ++b) {
        if (!m_ctx.step(proc, [&] { view.setStripEnabled(b, false); }))
            return;
    }
    if (!m_ctx.step(proc, [&] { view.waitWhileNextVisible(); }))
        return;
    NextPlayer();
}

void TurnCycle::NextPlayer()
{
    Procedure proc(Proc::frmQuendo::NextPlayer);
    GameState &s = m_ctx.state;
    GameView &view = m_ctx.view;
    if (!m_ctx.step(proc, [&] {
            checkedAt(s.scores, s.currentPlayer);
            view.setHighlight(s.currentPlayer, false);
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
            view.setHighlight(s.currentPlayer, true);
        }))
        return;
    m_ctx.step(proc, [&] { view.processEvents(); });
}

bool TurnCycle::announceResult(Procedure &proc)
{
    GameState &s = m_ctx.state;
    GameView &view = m_ctx.view;
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
    if (!m_ctx.step(proc, [&] { m_ctx.playSound(kGameOverSound); }))
        return false;
    if (!m_ctx.step(proc, [&] {
            if (draw) {
                view.showMessage(GameContext::text(kDrawText), kAppTitle, true);
            } else {
                view.showMessage(view.playerNameShown(winner) + QChar(13) +
                                     GameContext::text(kWonText),
                                 GameContext::text(kHurrayText), true);
            }
        }))
        return false;
    bool again = false;
    if (!m_ctx.step(proc, [&] { again = view.askYesNo(GameContext::text(kOnceAgainText), {}); }))
        return false;
    if (!again) {
        m_ctx.step(proc, [&] { view.closeWindow(); });
        return false;
    }
    zurueck();
    return !proc.cancelled() && !view.closing();
}
