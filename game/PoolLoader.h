// Fills the word pool: from the current language's vocabulary file, else from the built-in list.
#pragma once

#include "GameContext.h"
#include "WordPool.h"

class PoolLoader
{
public:
    PoolLoader(const GameContext &ctx, WordPool &pool) : m_ctx(ctx), m_pool(pool) {}

    // Empties the pool and fills it; falls back to the default file, then to the built-in list
    // with a message. vocabFile holds the name of the file actually read.
    void List1_Ini();

private:
    // Appends the built-in words (texts 300..349) of at least minLen characters.
    void WortList();

    const GameContext &m_ctx;
    WordPool &m_pool;
};
