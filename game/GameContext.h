// What the parts of the game share: the state, the window's roles, the sounds, the facts the
// game keeps for itself, and the small rules every procedure follows (16-bit arithmetic,
// checked indices, leave when the window closes).
#pragma once

#include "Alphabet.h"
#include "Catalogue.h"
#include "ErrorConvention.h"
#include "GameState.h"
#include "GameView.h"
#include "Language.h"
#include "LetterStrip.h"
#include "RunTimeError.h"
#include "Settings.h"
#include "SoundPlayer.h"
#include "Speaker.h"
#include "Spoken.h"
#include "TextIds.h"
#include "Utilities.h"

#include <QString>
#include <QStringView>

#include <algorithm>
#include <array>
#include <utility>

// Where a turn stands. The Next button shows exactly while it is HandOver.
enum class TurnPhase
{
    Idle,      // no word: before the first Start, or no word fits the board
    LayingOut, // NewWord places the cells
    Guessing,
    WordOver, // solved or lost: the closing sounds and the solution
    HandOver, // waiting for Next
};

// The facts of play the window shows but does not decide.
struct PlayFacts
{
    LetterStrip strip;
    TurnPhase phase = TurnPhase::Idle;
    std::array<QString, kMaxPlayers> shownNames; // as the name labels show them
    Spoken::Cells cells;                         // the word field as a player sees it
};

// Element i of a fixed array, or a SubscriptOutOfRange error.
template <typename Array> auto &checkedAt(Array &array, qint64 i)
{
    if (i < 0 || i >= qint64(std::size(array)))
        throw RunTimeError(ErrNo::SubscriptOutOfRange, QString::number(i));
    return array[size_t(i)];
}

// One character of a word against a strip letter, ignoring case: a word list may hold its words
// in any case.
inline bool sameLetter(QChar upper, const QString &letter)
{
    return QStringView(&upper, 1).compare(letter, Qt::CaseInsensitive) == 0;
}

struct GameContext
{
    GameState &state;
    GameView view;
    SoundPlayer &sound;
    Speaker &speaker;
    PlayFacts &facts;

    // Runs one step of proc. False when the procedure is to be left: Cancel or End was
    // chosen, or the window is closing and must not be touched again.
    template <typename F> bool step(Procedure &proc, F &&f) const
    {
        return proc.step(std::forward<F>(f)) && !closing();
    }

    bool closing() const { return view.waits.closing(); }

    void playSound(Wav::Id id) const
    {
        if (state.soundOn != 0)
            sound.play(id);
    }
    // Read aloud: cutting off what is being said, or after it.
    void say(const QString &text) const
    {
        if (state.speechOn != 0)
            speaker.say(text);
    }
    void sayAfter(const QString &text) const
    {
        if (state.speechOn != 0)
            speaker.sayAfter(text);
    }
    // The player whose turn it is, by the name the options gave.
    QString playerName() const
    {
        return state.currentPlayer >= 0 && state.currentPlayer < kMaxPlayers
                   ? state.playerNames[size_t(state.currentPlayer)]
                   : QString();
    }

    // A strip button as the game decides it, shown at once.
    void setStripButton(int button, bool available, bool enabled) const
    {
        facts.strip.setAvailable(button, available);
        facts.strip.setEnabled(button, enabled);
        view.board.showStripButton(button, available, enabled);
    }
    void setStripEnabled(int button, bool enabled) const
    {
        setStripButton(button, facts.strip.slot(button).available, enabled);
    }
    void setStripAvailable(int button, bool available) const
    {
        setStripButton(button, available, facts.strip.slot(button).enabled);
    }
    // Every strip button off, each in a step of its own; false when proc is to be left.
    bool disableStrip(Procedure &proc) const
    {
        for (int b = 0; b <= lastButton(); ++b) {
            if (!step(proc, [&] { setStripEnabled(b, false); }))
                return false;
        }
        return true;
    }

    // The chalk drawing of the next lost word, one of the picture sets at random.
    void drawPictureSet() const
    {
        state.pictureSet = zz(Catalogue::kFirstPictureSet, Catalogue::kLastPictureSet);
        view.picture.loadPictureSet(state.pictureSet);
    }

    // A message of two texts, one line each, under the program's name.
    void tell(int firstText, int secondText) const
    {
        view.questions.showMessage(uiText(firstText) + QStringLiteral("\r\n") + uiText(secondText),
                                   kAppTitle, false);
    }

    void setPhase(TurnPhase phase) const
    {
        facts.phase = phase;
        view.waits.wake();
    }

    // The last strip button; a stray value never reaches past the strip.
    int lastButton() const { return std::clamp<int>(state.lastLetter, 0, Alphabet::kLastLetter); }
};
