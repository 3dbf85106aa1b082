// The turn cycle: settings at load, reset, Start, the hand-over with the Next button, passing
// the turn and the end of a game.
#pragma once

#include "GameContext.h"

class PoolLoader;
class WordPlay;

class TurnCycle
{
public:
    TurnCycle(const GameContext &ctx, PoolLoader &loader, WordPlay &play)
        : m_ctx(ctx), m_loader(loader), m_play(play)
    {
    }

    // The game part of loading the window. Hand-edited values outside their range are brought
    // back into it.
    void readSettings();
    void zurueck();
    void StartGame();
    void NextPlayer();
    void WaitForNext();
    // Next pressed (the button or Enter), or a restart releasing the hand-over.
    void pressNext();
    // How the options dialog and the language switch start a game anew; errors of the word
    // layout go to the caller's procedure.
    void restartGame(Procedure &caller);

private:
    void showName(int slot, const QString &shown);
    void resetSlot(Procedure &proc, int slot, bool &leave);
    // False when the procedure is to be left.
    bool announceResult(Procedure &proc);

    const GameContext &m_ctx;
    PoolLoader &m_loader;
    WordPlay &m_play;
};
