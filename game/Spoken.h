// The sentences the game says, in the interface language, short as a child hears them best.
#pragma once

#include <QString>

namespace Spoken {

// A word as the board shows it, one character per position: the letter uncovered, a null
// character for a covered position, a blank between words.
using Cells = QString;

// "B, A, U, M"; the words of an entry are parted by a dash, covered positions are gaps.
QString spelled(const Cells &cells);
QString newWord(const QString &name, int letters);
// A guess: how often the letter is in the word; after a miss the tries left.
QString guess(const QString &letter, int hits, int triesLeft);
QString solved(const QString &word, int points);
QString lost(const QString &word);
QString handOver(int roundOver); // 0: the round goes on
QString winner(const QString &name, int points);
QString draw(int points);
// The state on request: the word so far, the tries left and the player's score.
QString state(const Cells &cells, int triesLeft, const QString &name, int score);

} // namespace Spoken
