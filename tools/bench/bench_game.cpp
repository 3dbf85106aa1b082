// Cost of filling the word pool from a full vocabulary file (32767 entries), and of one guess
// on a long word, with a board that does nothing.
#include "BenchFolder.h"
#include "Game.h"
#include "Language.h"
#include "Places.h"
#include "Settings.h"
#include "TempDir.h"
#include "Utilities.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Every role of the window, doing nothing; Next is pressed as soon as it shows.
class NullWindow : public GameQuestions,
                   public PlayerPanels,
                   public PictureView,
                   public WordBoard,
                   public GameWaits,
                   public SoundPlayer,
                   public Speaker
{
public:
    std::function<void()> pressNext;
    GameView roles() { return {*this, *this, *this, *this, *this}; }

    bool askYesNo(const QString &, const QString &) override { return false; }
    void showMessage(const QString &, const QString &, bool) override {}
    void setPlayerName(int, const QString &) override {}
    void setPlayerScore(int, const QString &) override {}
    void setHighlight(int, bool) override {}
    void setSlotVisible(int, bool) override {}
    int textWidth(const QString &text) const override { return int(text.size()) * 8; }
    int nameLabelWidth(int) const override { return 200; }
    void showEmptyBoard() override {}
    void loadPictureSet(int) override {}
    void showStage(int) override {}
    void removeWordCells() override {}
    void createWordCell(int, int) override {}
    void showLetter(int, int, CellLook) override {}
    void setWordCellVisible(int, bool) override {}
    int templateCellWidth() const override { return 30; }
    int boardScaleWidth() const override { return 1000; }
    void showStripButton(int, bool, bool) override {}
    void showNext(bool) override {}
    void focusNext() override {}
    void setStartEnabled(bool) override {}
    void processEvents() override {}
    void pause(double) override {}
    void waitUntil(const std::function<bool()> &released) override
    {
        if (!released())
            pressNext();
    }
    void wake() override {}
    bool closing() const override { return false; }
    void setBusyCursor(bool) override {}
    void closeWindow() override {}
    void play(Wav::Id) override {}
    void say(const QString &) override {}
    void sayAfter(const QString &) override {}
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const BenchFolder dir;
    if (!dir.ready())
        return 1;
    seedRandom(1);

    // 32767 entries of 4 to 23 characters, words and phrases with umlauts and ß.
    QByteArray file;
    const char *parts[] = {"Apfel",
                           "baum",
                           "Kr\xe4he",
                           "Stra\xdf"
                           "e",
                           " im ",
                           "Wald",
                           "Ufer"};
    for (int i = 0; i < 32767; ++i) {
        QByteArray entry;
        for (int k = 0; entry.size() < 4 + i % 20; ++k)
            entry += parts[(i + k * 3) % 7];
        file += entry.left(4 + i % 20) + "\r\n";
    }
    QDir(dir.path()).mkdir(Language().folder());
    writeFileAtomically(dir.path() + u'/' + Language().folder() + QStringLiteral("/quendo.dat"),
                        file);

    GameState state;
    state.soundOn = 0;
    state.hintsPerWord.fill(0);
    state.numPlayers = 1;
    NullWindow window;
    Game game(state, window.roles(), window, window);
    window.pressNext = [&] { game.pressNext(); };
    game.loadStrip(Language());

    std::vector<double> fills;
    for (int r = 0; r < 20; ++r) {
        QElapsedTimer clock;
        clock.start();
        game.List1_Ini();
        fills.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::printf("List1_Ini, 32767 entries (%lld bytes): median %.2f ms, max %.2f ms (goal < 50)\n",
                static_cast<long long>(file.size()), median(fills),
                *std::max_element(fills.begin(), fills.end()));

    // One guess on a 22-character word that uncovers three positions, and one miss.
    std::vector<double> hits;
    std::vector<double> misses;
    Procedure caller(Proc::frmQuendo::StartGame);
    for (int r = 0; r < 2000; ++r) {
        game.pool().replace({QStringLiteral("Abrakadabra Simsalabim")});
        game.NewWord(caller);
        QElapsedTimer clock;
        clock.start();
        game.imgAlpha_Click(1); // B
        hits.push_back(double(clock.nsecsElapsed()) / 1e3);
        clock.restart();
        game.imgAlpha_Click(25); // Z
        misses.push_back(double(clock.nsecsElapsed()) / 1e3);
    }
    // The blank and the three Bs are found, the Z missed: the guesses did their work.
    if (state.foundCount != 4 || state.missCount != 1)
        return 1;
    std::printf("imgAlpha_Click on a 22-character word: hit median %.1f us, miss median %.1f us "
                "(goal < 1000)\n",
                median(hits), median(misses));
    return 0;
}
