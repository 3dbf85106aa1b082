// The state of a game, shared by the main window and the options dialog.
#pragma once

#include <QString>

#include <array>

inline constexpr int kMaxPlayers = 4;

struct GameState
{
    qint16 numPlayers = 4;
    std::array<QString, kMaxPlayers> playerNames;
    std::array<qint16, kMaxPlayers> scores{};
    std::array<qint16, kMaxPlayers> hintsPerWord{2, 2, 2, 2};
    qint16 currentPlayer = 0;
    qint16 roundNo = 0;
    qint16 roundsToPlay = 20;
    qint16 minLen = 4;
    qint16 repeatMode = 1;   // 1: only words not guessed come again; 0: all words
    qint16 showSolution = 1; // a lost word's solution is shown only when exactly 1
    qint16 soundOn = -1;     // any value but 0 is on
    qint16 speechOn = 0;     // reading aloud; any value but 0 is on
    bool gameRunning = false;
    QString currentWord;
    qint16 missCount = 0;
    qint16 foundCount = 0;
    qint16 pictureSet = 101;
    qint16 lastLetter = 28;
    QString vocabFile; // empty: the language's default file
    bool settingsChanged = false;
    // The editor's list changed since its last save. It outlives the editor, so a change left
    // behind by the window's close box is asked about at the next OK.
    bool vocabChanged = false;
};
