// The window's roles for the game's tests in one fake, and a rig that puts a game on it. The
// fake keeps what a player would notice, answers questions from a script and runs scripted
// actions inside the waits, where the real window would run other handlers nested. Nothing
// sleeps. A call after closing, or an index outside the window's arrays, fails the test.
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
#include <source_location>

class FakeWindow : public GameQuestions,
                   public PlayerPanels,
                   public PictureView,
                   public WordBoard,
                   public GameWaits,
                   public SoundPlayer,
                   public Speaker
{
    using Where = std::source_location;

public:
    using Action = std::function<void()>;
    struct Cell
    {
        int left = 0;
        bool visible = false;
        int sheetCell = Alphabet::kBlankCell;
        CellLook look = CellLook::Found;
    };

    QList<bool> answers;             // in order; No when used up
    QStringList questions, messages; // "title|text"
    int labelWidth = 200;            // text is 8 units a character
    std::array<QString, 4> names, scoreTexts;
    std::array<bool, 4> highlighted{}, slotShown{};
    int missingStage = -1; // showStage of it raises ResourceNotFound
    int pictureSet = 0, stage = 0;
    int boardWidth = 700;  // a template cell is 30 wide
    QMap<int, Cell> cells; // the word field
    std::array<bool, Alphabet::kSlots> stripShown{}, stripOn{};
    bool next = false, startEnabled = true, closed = false, busy = false;
    int nextFocus = 0, busySpells = 0; // the hourglass: once per filling
    QList<int> played;
    QStringList said; // what is said after what was being said starts with "+ "
    mutable QStringList faults;

    // The word field: a letter the player found, one the game showed in lower case, '_' a
    // covered cell, ' ' a hidden one.
    QString text() const;
    // Runs at the next processEvents, pause or pass of a wait, one action per pump.
    void atNextPump(Action action) { m_pumpActions.append(std::move(action)); }
    // Runs inside the next hand-over, before Next is pressed.
    void atNextWait(Action action) { m_waitActions.append(std::move(action)); }
    // Presses Next when a hand-over has nothing else scripted (null: nobody does).
    Action pressNext;
    void closeNow() { m_closing = true; }

    bool askYesNo(const QString &text, const QString &title) override;
    void showMessage(const QString &text, const QString &title, bool) override
    {
        set(messages, messages + QStringList(title + u'|' + text));
    }
    void setPlayerName(int slot, const QString &shown) override { set(names, slot, shown); }
    void setPlayerScore(int slot, const QString &text) override { set(scoreTexts, slot, text); }
    void setHighlight(int slot, bool on) override { set(highlighted, slot, on); }
    void setSlotVisible(int slot, bool visible) override { set(slotShown, slot, visible); }
    int textWidth(const QString &text) const override { return live() ? int(text.size()) * 8 : 0; }
    int nameLabelWidth(int slot) const override { return valid(slot, 4) ? labelWidth : 0; }
    void showEmptyBoard() override { set(stage, 0); }
    void loadPictureSet(int bitmapId) override;
    void showStage(int shown) override;
    void removeWordCells() override { set(cells, decltype(cells)()); }
    void createWordCell(int position, int left) override;
    void showLetter(int position, int sheetCell, CellLook look) override;
    void setWordCellVisible(int position, bool visible) override
    {
        cell(position).visible = visible;
    }
    int templateCellWidth() const override { return live() ? 30 : 0; }
    int boardScaleWidth() const override { return live() ? boardWidth : 0; }
    void showStripButton(int button, bool available, bool enabled) override
    {
        set(stripShown, button, available);
        set(stripOn, button, enabled);
    }
    void showNext(bool visible) override { set(next, visible); }
    void focusNext() override { set(nextFocus, nextFocus + 1); }
    void setStartEnabled(bool enabled) override { set(startEnabled, enabled); }
    void processEvents() override { pump(); }
    void pause(double) override { pump(); }
    void waitUntil(const std::function<bool()> &released) override;
    void wake() override {}
    bool closing() const override { return m_closing; }
    void setBusyCursor(bool on) override;
    void closeWindow() override;
    void play(Wav::Id id) override { set(played, played + QList<int>{id}); }
    void say(const QString &text) override { set(said, said + QStringList(text)); }
    void sayAfter(const QString &text) override
    {
        set(said, said + QStringList(QStringLiteral("+ ") + text));
    }

private:
    bool live(Where where = Where::current()) const;
    bool valid(int index, int size, Where where = Where::current()) const;
    template <typename T> void set(T &field, const T &value, Where where = Where::current())
    {
        live(where);
        field = value;
    }
    template <typename T, size_t N>
    void set(std::array<T, N> &array, int i, const T &value, Where where = Where::current())
    {
        if (valid(i, int(N), where))
            array[size_t(i)] = value;
    }
    Cell &cell(int position, Where where = Where::current());
    void pump();
    Cell m_noCell;
    bool m_closing = false;
    QList<Action> m_pumpActions;
    QList<Action> m_waitActions;
};

// Everything a game test needs: a program folder with the language table, the language
// folder with a quendo.dat of six words, a seeded generator, an error recorder, the fake
// window and the game with the settings of a fresh installation read.
struct GameRig : FakeWindow
{
    explicit GameRig(int languageBase = 0, quint32 seed = 7);
    ~GameRig();

    void writeVocabulary(const QByteArray &bytes, const QString &name = "quendo.dat")
    {
        folder.write(currentLanguage().folder() + u'/' + name, bytes);
    }
    QString languageFolder() const { return folder.path() + u'/' + currentLanguage().folder(); }
    // A reset game with the pool holding only word, laid out by Start with these hints.
    void startWith(const QString &word, std::array<qint16, 4> hints = {});
    // The strip button of a letter, -1 when the language has none.
    int button(QChar letter) const;
    // Guesses the letter by clicking its button (fails the test when there is none).
    void click(QChar letter);
    // Clicks count letters the current word does not hold (ten lose it).
    void miss(int count);
    // Clicks the current word's letters until it ends or the window closes.
    void solve();

    ProgramFolder folder;
    ErrorRecorder errors{ErrAnswer::Ignore};
    GameState state;
    Game game{state, GameView{*this, *this, *this, *this, *this}, *this, *this};
};
