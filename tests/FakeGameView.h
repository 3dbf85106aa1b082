// A board without widgets for the game's tests: it records what the game shows, answers the
// game's questions from a script and runs scripted actions inside its waits, where the real
// window would run other handlers nested. It never sleeps.
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

class FakeGameView : public GameView
{
public:
    using Action = std::function<void()>;

    struct Message
    {
        QString text;
        QString title;
        bool informationIcon = false;
    };

    struct Cell
    {
        int left = 0;
        bool visible = false;
        int button = -1;                      // strip picture shown, or -1
        int sheetCell = Alphabet::kBlankCell; // sheet cell shown when no strip picture
    };

    // The strip of language digit 0..6: A..Z and the national letters (hidden slots untagged).
    explicit FakeGameView(int languageDigit = 0);

    // --- Script ---
    QList<bool> answers; // askYesNo, in order; No when used up
    // Runs at the next processEvents, pause or pass of a wait, one action per pump.
    void atNextPump(Action action) { m_pumpActions.append(std::move(action)); }
    // Runs inside the next waitWhileNextVisible, before the Next button is pressed.
    void atNextWait(Action action) { m_waitActions.append(std::move(action)); }
    // Presses Next by itself when a hand-over has nothing else scripted.
    bool autoPressNext = true;
    int charWidth = 8; // textWidth: per character
    int labelWidth = 200;
    int cellWidth = 30;
    int boardWidth = 700;

    // --- Record ---
    QList<Message> messages;
    QList<Message> questions;
    QList<double> pauses;
    int pumps = 0;
    int handOvers = 0;
    int emptyBoards = 0;
    int loadedPictureSet = 0;
    int stage = 0;
    int nextFocus = 0;
    bool closed = false;
    bool startEnabled = true;
    bool busy = false;
    int busySpells = 0; // hourglass shown: once per filling of the word pool
    QStringList faults; // indices outside the window's arrays, use after closing
    // The order of what a player would notice: "stage 3", "pause 0.1", "next shown",
    // "next hidden", "strip off" (the last enabled strip button went off), "message",
    // "question"; the rig's FakeSound adds "sound 101".
    QStringList log;
    bool failPictureSet = false; // loadPictureSet raises ResourceNotFound
    std::array<QString, 4> names;
    std::array<QString, 4> scoreTexts;
    std::array<bool, 4> highlighted{};
    std::array<bool, 4> slotShown{};
    std::array<bool, Alphabet::kSlots> stripShown{};
    std::array<bool, Alphabet::kSlots> stripOn{};
    std::array<QString, Alphabet::kSlots> letters;
    QMap<int, Cell> cells;

    // The word field as text: a letter for an uncovered cell, '_' for a covered one, ' ' for
    // a hidden one.
    QString board() const;
    int button(QChar letter) const; // -1 when no slot has it
    void closeNow() { m_closing = true; }

    // GameView
    bool askYesNo(const QString &text, const QString &title) override;
    void showMessage(const QString &text, const QString &title, bool informationIcon) override;
    void setPlayerName(int slot, const QString &shown) override;
    QString playerNameShown(int slot) const override;
    void setPlayerScore(int slot, const QString &text) override;
    void setHighlight(int slot, bool on) override;
    void setSlotVisible(int slot, bool visible) override;
    int textWidth(const QString &text) const override;
    int nameLabelWidth(int slot) const override;
    void showEmptyBoard() override;
    void loadPictureSet(int bitmapId) override;
    void showStage(int stage) override;
    void setNextVisible(bool visible) override;
    bool nextVisible() const override;
    void focusNext() override;
    void setStartEnabled(bool enabled) override;
    void setStripVisible(int button, bool visible) override;
    bool stripVisible(int button) const override;
    void setStripEnabled(int button, bool enabled) override;
    bool stripEnabled(int button) const override;
    QString stripLetter(int button) const override;
    void removeWordCells() override;
    void createWordCell(int position, int left) override;
    void showStripPictureInCell(int position, int button) override;
    void showSheetCellInCell(int position, int sheetCell) override;
    void setWordCellVisible(int position, bool visible) override;
    int templateCellWidth() const override;
    int boardScaleWidth() const override;
    void processEvents() override;
    void pause(double seconds) override;
    void waitWhileNextVisible() override;
    bool closing() const override { return m_closing; }
    void setBusyCursor(bool on) override;
    void closeWindow() override;

private:
    bool live(const char *what) const;
    bool slotOk(int slot, const char *what) const;
    bool buttonOk(int button, const char *what) const;
    Cell *cell(int position, const char *what);
    void pump();

    bool m_next = false;
    bool m_closing = false;
    QList<Action> m_pumpActions;
    QList<Action> m_waitActions;
};

class FakeSound : public SoundPlayer
{
public:
    void play(int id) override
    {
        played.append(id);
        if (log)
            log->append(QStringLiteral("sound %1").arg(id));
    }
    QList<int> played;
    QStringList *log = nullptr;
};

// Everything a game test needs: a program folder with the language table, the language
// folder with a quendo.dat of six words, a seeded generator, an error recorder, the fakes and
// the game with the settings of a fresh installation read.
struct GameRig
{
    explicit GameRig(int languageBase = 0, quint32 seed = 7);
    ~GameRig();

    // Writes a vocabulary file into the current language's folder.
    void writeVocabulary(const QByteArray &bytes,
                         const QString &name = QStringLiteral("quendo.dat"));
    void writeWords(const QStringList &words);
    QString languageFolder() const;
    // Game settings as a fresh load would have them, then one word list in the pool.
    void useWords(const QStringList &words);
    // Start, as the toolbar button does.
    void start() { game.StartGame(); }
    // Guesses the letter by clicking its button (fails the test when there is none).
    void click(QChar letter);
    // Clicks count letters the current word does not hold (ten lose it).
    void miss(int count);
    // Clicks, or types, the current word's letters until it ends or the window closes.
    void solve(bool typing = false);

    ProgramFolder folder;
    ErrorRecorder errors{ErrAnswer::Ignore};
    GameState state;
    FakeGameView view;
    FakeSound sound;
    Game game{state, view, sound};
};
