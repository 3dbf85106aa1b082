// The rules of play of the main window, apart from any widget: the turn cycle, the play of a
// word and the word pool, driven through the window's roles and the sound player. Every
// procedure handles its own run-time errors under module "frmQuendo" and its own name.
#pragma once

#include "GameContext.h"
#include "Language.h"
#include "PoolLoader.h"
#include "TurnCycle.h"
#include "WordPlay.h"
#include "WordPool.h"

class Game
{
public:
    Game(GameState &state, const GameView &view, SoundPlayer &sound, Speaker &speaker)
        : m_ctx{state, view, sound, speaker, m_facts}, m_loader(m_ctx, m_pool),
          m_turns(m_ctx, m_loader, m_play), m_play(m_ctx, m_pool, m_loader, m_turns)
    {
    }
    Game(const Game &) = delete;
    Game &operator=(const Game &) = delete;

    // Loading the window: the game settings (names shown in the labels), then zurueck.
    void readSettings() { m_turns.readSettings(); }

    // Turn cycle.
    void zurueck() { m_turns.zurueck(); }
    void StartGame() { m_turns.StartGame(); }
    void NextPlayer() { m_turns.NextPlayer(); }
    void pressNext() { m_turns.pressNext(); }
    // The options restart and the language switch: reset, then release a waiting hand-over or
    // lay out a word, and mark the game running.
    void restartGame(Procedure &caller)
    {
        zurueck();
        if (!m_ctx.closing())
            m_turns.restartGame(caller);
    }

    // One word.
    void NewWord(Procedure &caller) { m_play.NewWord(caller); }
    void imgAlpha_Click(int index) { m_play.imgAlpha_Click(index); }
    void Form_KeyPress(QChar key) { m_play.Form_KeyPress(key); } // a typed letter guesses
    int wordLength() const { return m_play.wordLength(); }
    // Reads the word so far, the tries left and the score aloud (asked for by a key).
    void sayState() const { m_play.sayState(); }

    // What the window shows of the game.
    const LetterStrip &strip() const { return m_facts.strip; }
    // The letters of the language, as the letter sheet or the language changes (loadAlpha).
    void loadStrip(Language language)
    {
        m_facts.strip.loadAlpha(language.index(), m_ctx.state.gameRunning);
    }
    TurnPhase phase() const { return m_facts.phase; }

    // The word pool. The vocabulary editor replaces it with pool().replace().
    void List1_Ini() { m_loader.List1_Ini(); }
    WordPool &pool() { return m_pool; }
    const WordPool &pool() const { return m_pool; }

private:
    PlayFacts m_facts;
    GameContext m_ctx;
    WordPool m_pool;
    PoolLoader m_loader;
    TurnCycle m_turns;
    WordPlay m_play;
};
