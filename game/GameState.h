// The state of a game, shared by the main window and the options dialog.
#pragma once

#include "SettingsTable.h"

#include <QString>

#include <array>

struct GameState
{
    // Before the settings are read, each value is the one a fresh settings file gives.
    qint16 numPlayers = Setting::NumPlayers.defaultValue;
    std::array<QString, kMaxPlayers> playerNames;
    std::array<qint16, kMaxPlayers> scores{};
    std::array<qint16, kMaxPlayers> hintsPerWord = defaultHints();
    qint16 currentPlayer = 0;
    qint16 roundNo = 0;
    qint16 roundsToPlay = Setting::RoundsToPlay.defaultValue;
    qint16 minLen = Setting::MinLength.defaultValue;
    qint16 repeatMode = Setting::RepeatMode.defaultValue; // 1: only words not guessed come again
    qint16 showSolution = Setting::ShowSolution.defaultValue; // a lost word's solution: only 1
    qint16 soundOn = Setting::SoundOn.defaultValue;           // any value but 0 is on
    qint16 speechOn = Setting::SpeechOn.defaultValue; // reading aloud; any value but 0 is on
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

private:
    static std::array<qint16, kMaxPlayers> defaultHints()
    {
        std::array<qint16, kMaxPlayers> hints{};
        for (int i = 0; i < kMaxPlayers; ++i)
            hints[size_t(i)] = Setting::hints(i + 1).defaultValue;
        return hints;
    }
};
