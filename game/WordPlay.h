// The play of one word: laying it out, the guesses by click, key or hint, scoring, and the
// solution of a lost word.
#pragma once

#include "GameContext.h"

#include <QList>

class PoolLoader;
class TurnCycle;
class WordPool;

class WordPlay
{
public:
    WordPlay(const GameContext &ctx, WordPool &pool, PoolLoader &loader, TurnCycle &turns)
        : m_ctx(ctx), m_pool(pool), m_loader(loader), m_turns(turns)
    {
    }

    // Draws the next word and lays it out, then gives the hints. Has no error handler of its
    // own: its steps run under the caller's procedure.
    void NewWord(Procedure &caller);
    // A guess. One that arrives while another is still being processed waits for it to finish
    // and then runs only if the same word is still in play and its button still usable.
    void imgAlpha_Click(int index);
    void Form_KeyPress(QChar key);

    // Word-field cells laid out for the current word.
    int wordLength() const { return m_wordLength; }
    void sayState() const;

private:
    void ShowLetters();
    void GetTipp();
    void WortAnzeigen();

    struct QueuedGuess
    {
        int button;
        quint64 word;
    };

    void guess(int index);
    // The steps of a guess; false when the guess is to be left.
    bool uncover(Procedure &proc, int index, int &hits);
    void sayGuess(int index) const;
    void wordSolved(Procedure &proc, quint64 word);
    bool wrongGuess(Procedure &proc, quint64 word);
    void wordLost(Procedure &proc, quint64 word);
    // The word laid out as number `word` is gone, or the window is closing.
    bool replacedSince(quint64 word) const;
    void runQueuedGuesses();
    bool wordInPlay() const;
    bool clearBoard(Procedure &proc);
    bool placeCharacter(Procedure &proc, int position);
    void noWordFits(Procedure &proc);

    const GameContext &m_ctx;
    WordPool &m_pool;
    PoolLoader &m_loader;
    TurnCycle &m_turns;
    int m_wordLength = 0;
    // Counts the words laid out: a layout or a guess whose word was replaced by a nested
    // restart stops instead of working on the new word.
    quint64 m_word = 0;
    int m_guessDepth = 0;
    bool m_hinting = false; // a hint's guess is said after the word's announcement
    QList<QueuedGuess> m_queued;
};
