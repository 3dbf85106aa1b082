// Cost of filling the word pool from a full vocabulary file (32767 entries), and of one guess
// on a long word, with a board that does nothing.
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
#include <array>
#include <cstdio>
#include <vector>

namespace {

class NullView : public GameView
{
public:
    bool askYesNo(const QString &, const QString &) override { return false; }
    void showMessage(const QString &, const QString &, bool) override {}
    void setPlayerName(int, const QString &) override {}
    QString playerNameShown(int) const override { return {}; }
    void setPlayerScore(int, const QString &) override {}
    void setHighlight(int, bool) override {}
    void setSlotVisible(int, bool) override {}
    int textWidth(const QString &text) const override { return int(text.size()) * 8; }
    int nameLabelWidth(int) const override { return 200; }
    void showEmptyBoard() override {}
    void loadPictureSet(int) override {}
    void showStage(int) override {}
    void setNextVisible(bool visible) override { m_next = visible; }
    bool nextVisible() const override { return m_next; }
    void focusNext() override {}
    void setStartEnabled(bool) override {}
    void setStripVisible(int b, bool visible) override { m_visible[size_t(b)] = visible; }
    bool stripVisible(int b) const override { return m_visible[size_t(b)]; }
    void setStripEnabled(int b, bool enabled) override { m_enabled[size_t(b)] = enabled; }
    bool stripEnabled(int b) const override { return m_enabled[size_t(b)]; }
    QString stripLetter(int b) const override
    {
        return b < 26 ? QString(QChar(u'A' + b)) : QStringLiteral("ÄÖÜ").mid(b - 26, 1);
    }
    void removeWordCells() override {}
    void createWordCell(int, int) override {}
    void showStripPictureInCell(int, int) override {}
    void showSheetCellInCell(int, int) override {}
    void setWordCellVisible(int, bool) override {}
    int templateCellWidth() const override { return 30; }
    int boardScaleWidth() const override { return 1000; }
    void processEvents() override {}
    void pause(double) override {}
    void waitWhileNextVisible() override { m_next = false; }
    bool closing() const override { return false; }
    void setBusyCursor(bool) override {}
    void closeWindow() override {}

private:
    bool m_next = false;
    std::array<bool, 29> m_visible{};
    std::array<bool, 29> m_enabled{};
};

class NullSound : public SoundPlayer
{
public:
    void play(int) override {}
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
    QTemporaryDir dir;
    setProgramFolder(dir.path());
    QFile res(QStringLiteral(":/res/custom/1000"));
    if (!res.open(QIODevice::ReadOnly))
        return 1;
    const QString table = dir.filePath(QStringLiteral("~tmp.lng"));
    writeFileAtomically(table, res.readAll());
    setLangFilePath(table);
    setLangBase(0);
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
    QDir(dir.path()).mkdir(GetLang(166));
    writeFileAtomically(dir.path() + u'/' + GetLang(166) + QStringLiteral("/quendo.dat"), file);

    GameState state;
    state.soundOn = 0;
    state.hintsPerWord.fill(0);
    state.numPlayers = 1;
    NullView view;
    NullSound sound;
    Game game(state, view, sound);

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
