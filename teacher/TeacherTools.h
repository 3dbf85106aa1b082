// What the options dialog and the vocabulary editor work on: the game state, the word pool of
// the main window, the seam for questions and messages, and how many letters fit across the
// board (the editor's longest entry; 0 sets no limit).
#pragma once

class Dialogs;
class WordPool;
struct GameState;

struct TeacherTools
{
    GameState &state;
    WordPool &pool;
    Dialogs &dialogs;
    int lettersAcrossBoard = 0;
};
