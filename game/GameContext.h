// What the parts of the game share: the state, the window, the sounds, and the small rules
// every procedure follows (16-bit arithmetic, checked indices, leave when the window closes).
#pragma once

#include "Alphabet.h"
#include "ErrorConvention.h"
#include "GameState.h"
#include "GameView.h"
#include "Language.h"
#include "RunTimeError.h"
#include "SoundPlayer.h"

#include <QString>
#include <QStringView>

#include <algorithm>
#include <utility>

// Element i of a fixed array, or a SubscriptOutOfRange error.
template <typename Array> auto &checkedAt(Array &array, qint64 i)
{
    if (i < 0 || i >= qint64(std::size(array)))
        throw RunTimeError(ErrNo::SubscriptOutOfRange, QString::number(i));
    return array[size_t(i)];
}

// One character of a word against a strip letter, ignoring case as the text comparison does.
inline bool sameLetter(QChar upper, const QString &letter)
{
    return QStringView(&upper, 1).compare(letter, Qt::CaseInsensitive) == 0;
}

struct GameContext
{
    GameState &state;
    GameView &view;
    SoundPlayer &sound;

    // Runs one step of proc. False when the procedure is to be left: Cancel or End was
    // chosen, or the window is closing and must not be touched again.
    template <typename F> bool step(Procedure &proc, F &&f) const
    {
        return proc.step(std::forward<F>(f)) && !view.closing();
    }

    void playSound(int id) const
    {
        if (state.soundOn != 0)
            sound.play(id);
    }

    static QString text(int id) { return GetLang(langBase() + id); }

    // The last strip button; a stray value never reaches past the strip.
    int lastButton() const { return std::clamp<int>(state.lastLetter, 0, Alphabet::kLastLetter); }
};
