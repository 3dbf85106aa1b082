// The window's roles for the game's tests, one small fake each, and a rig that puts a game on
// them. The fakes record what a player would notice, answer questions from a script and run
// scripted actions inside the waits, where the real window would run other handlers nested.
// Nothing sleeps.
#pragma once

#include "Game.h"
#include "GameView.h"
#include "SoundPlayer.h"
#include "TestSupport.h"

#include <QList>
#include <QMap>
#include <QStringList>

#include <array>
#include <functional>

// What all fakes share: the order of what a player would notice ("stage 3", "pause 0.1",
// "next shown", "next hidden", "strip off", "message", "question", "sound 101"), the faults
// (indices outside the window's arrays, use after closing) and whether the window is closing.
struct FakeRecord
{
    QStringList log;
    QStringList faults;
    bool closing = false;
    bool live(const char *what);
};

class FakeQuestions : public GameQuestions
{
public:
    struct Message
    {
        QString text;
        QString title;
        bool informationIcon = false;
    };
    explicit FakeQuestions(FakeRecord &record) : m_record(record) {}
    QList<bool> answers; // in order; No when used up
    QList<Message> messages;
    QList<Message> questions;

    bool askYesNo(const QString &text, const QString &title) override;
    void showMessage(const QString &text, const QString &title, bool informationIcon) override;

private:
    FakeRecord &m_record;
};

class FakePanels : public PlayerPanels
{
public:
    explicit FakePanels(FakeRecord &record) : m_record(record) {}
    int charWidth = 8; // textWidth: per character
    int labelWidth = 200;
    std::array<QString, 4> names;
    std::array<QString, 4> scoreTexts;
    std::array<bool, 4> highlighted{};
    std::array<bool, 4> slotShown{};

    void setPlayerName(int slot, const QString &shown) override;
    void setPlayerScore(int slot, const QString &text) override;
    void setHighlight(int slot, bool on) override;
    void setSlotVisible(int slot, bool visible) override;
    int textWidth(const QString &text) const override;
    int nameLabelWidth(int slot) const override;

private:
    bool slotOk(int slot, const char *what) const;
    FakeRecord &m_record;
};

class FakePicture : public PictureView
{
public:
    explicit FakePicture(FakeRecord &record) : m_record(record) {}
    bool failPictureSet = false; // loadPictureSet raises ResourceNotFound
    int emptyBoards = 0;
    int loadedPictureSet = 0;
    int stage = 0; // 0: the empty board

    void showEmptyBoard() override;
    void loadPictureSet(int bitmapId) override;
    void showStage(int stage) override;

private:
    FakeRecord &m_record;
};

class FakeWordBoard : public WordBoard
{
public:
    struct Cell
    {
        int left = 0;
        bool visible = false;
        int sheetCell = Alphabet::kBlankCell;
        CellLook look = CellLook::Found;
    };
    explicit FakeWordBoard(FakeRecord &record) : m_record(record) {}
    int cellWidth = 30;
    int boardWidth = 700;
    QMap<int, Cell> cells;
    std::array<bool, Alphabet::kSlots> stripShown{};
    std::array<bool, Alphabet::kSlots> stripOn{};
    bool next = false;
    int nextFocus = 0;
    bool startEnabled = true;

    // The word field as text: the letter of an uncovered cell, '_' for a covered one, ' ' for
    // a hidden one.
    QString text() const;

    void removeWordCells() override;
    void createWordCell(int position, int left) override;
    void showLetter(int position, int sheetCell, CellLook look) override;
    void setWordCellVisible(int position, bool visible) override;
    int templateCellWidth() const override;
    int boardScaleWidth() const override;
    void showStripButton(int button, bool available, bool enabled) override;
    void showNext(bool visible) override;
    void focusNext() override;
    void setStartEnabled(bool enabled) override;

private:
    Cell *cell(int position, const char *what);
    FakeRecord &m_record;
};

class FakeWaits : public GameWaits
{
public:
    using Action = std::function<void()>;
    explicit FakeWaits(FakeRecord &record) : m_record(record) {}

    // Runs at the next processEvents, pause or pass of a wait, one action per pump.
    void atNextPump(Action action) { m_pumpActions.append(std::move(action)); }
    // Runs inside the next hand-over, before Next is pressed.
    void atNextWait(Action action) { m_waitActions.append(std::move(action)); }
    // Presses Next when a hand-over has nothing else scripted (null: nobody does).
    Action pressNext;
    void closeNow() { m_record.closing = true; }

    QList<double> pauses;
    int pumps = 0;
    int handOvers = 0;
    bool closed = false;
    bool busy = false;
    int busySpells = 0; // hourglass shown: once per filling of the word pool

    void processEvents() override;
    void pause(double seconds) override;
    void waitUntil(const std::function<bool()> &released) override;
    void wake() override {}
    bool closing() const override { return m_record.closing; }
    void setBusyCursor(bool on) override;
    void closeWindow() override;

private:
    void pump();
    FakeRecord &m_record;
    QList<Action> m_pumpActions;
    QList<Action> m_waitActions;
};

class FakeSound : public SoundPlayer
{
public:
    explicit FakeSound(FakeRecord &record) : m_record(record) {}
    void play(Wav::Id id) override;
    QList<int> played;

private:
    FakeRecord &m_record;
};

// Everything a game test needs: a program folder with the language table, the language
// folder with a quendo.dat of six words, a seeded generator, an error recorder, the fakes and
// the game with the settings of a fresh installation read.
struct GameRig
{
    explicit GameRig(int languageBase = 0, quint32 seed = 7);
    ~GameRig();

    void writeVocabulary(const QByteArray &bytes,
                         const QString &name = QStringLiteral("quendo.dat"));
    void writeWords(const QStringList &words);
    QString languageFolder() const;
    // The pool holds exactly these words.
    void useWords(const QStringList &words);
    // Start, as the toolbar button does.
    void start() { game.StartGame(); }
    // The strip button of a letter, -1 when the language has none.
    int button(QChar letter) const;
    // Guesses the letter by clicking its button (fails the test when there is none).
    void click(QChar letter);
    // Clicks count letters the current word does not hold (ten lose it).
    void miss(int count);
    // Clicks, or types, the current word's letters until it ends or the window closes.
    void solve(bool typing = false);

    ProgramFolder folder;
    ErrorRecorder errors{ErrAnswer::Ignore};
    GameState state;
    FakeRecord record;
    FakeQuestions questions{record};
    FakePanels panels{record};
    FakePicture picture{record};
    FakeWordBoard board{record};
    FakeWaits waits{record};
    FakeSound sound{record};
    Game game{state, GameView{questions, panels, picture, board, waits}, sound};
};
