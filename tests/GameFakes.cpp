#include "GameFakes.h"

#include "Utilities.h"

#include <QDir>
#include <QTest>

#include <algorithm>

bool FakeWindow::live(Where where) const
{
    if (m_closing)
        faults << QStringLiteral("after closing: ") + QLatin1String(where.function_name());
    return !m_closing;
}

bool FakeWindow::valid(int index, int size, Where where) const
{
    if (index < 0 || index >= size)
        faults << QStringLiteral("%1: %2").arg(QLatin1String(where.function_name())).arg(index);
    return live(where) && index >= 0 && index < size;
}

bool FakeWindow::askYesNo(const QString &text, const QString &title)
{
    set(questions, questions + QStringList(title + u'|' + text));
    return !answers.isEmpty() && answers.takeFirst();
}

void FakeWindow::loadPictureSet(int bitmapId)
{
    valid(bitmapId - 101, 5);
    pictureSet = bitmapId;
}

void FakeWindow::showStage(int shown)
{
    valid(shown - 1, 10);
    if (shown == missingStage)
        throw RunTimeError(ErrNo::ResourceNotFound, QString::number(shown));
    stage = shown;
}

QString FakeWindow::text() const
{
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜÅÃÕÑÇ'-ÁÀÂÉÈÊÍÌÎÓÒÔÚÙÛ");
    QString shown;
    for (const Cell &c : cells) {
        const auto it = std::find_if(letters.begin(), letters.end(),
                                     [&](QChar l) { return Alphabet::cellOf(l) == c.sheetCell; });
        shown += !c.visible                            ? u' '
                 : c.sheetCell == Alphabet::kBlankCell ? u'_'
                 : it == letters.end()                 ? u'?'
                 : c.look == CellLook::Solution        ? it->toLower()
                                                       : *it;
    }
    return shown;
}

FakeWindow::Cell &FakeWindow::cell(int position, Where where)
{
    const auto it = cells.find(position);
    if (it == cells.end())
        faults << QStringLiteral("no cell %1").arg(position);
    return live(where) && it != cells.end() ? *it : m_noCell;
}

void FakeWindow::createWordCell(int position, int left)
{
    if (position < 1 || cells.contains(position))
        faults << QStringLiteral("createWordCell %1").arg(position);
    set(cells[position], Cell{left});
}

void FakeWindow::showLetter(int position, int sheetCell, CellLook look)
{
    Cell &c = cell(position);
    c.sheetCell = sheetCell;
    c.look = look;
}

void FakeWindow::pump()
{
    if (live() && !m_pumpActions.isEmpty())
        m_pumpActions.takeFirst()();
}

void FakeWindow::waitUntil(const std::function<bool()> &released)
{
    live();
    while (!released() && !m_closing) {
        if (!m_waitActions.isEmpty()) {
            m_waitActions.takeFirst()();
        } else if (!m_pumpActions.isEmpty()) {
            pump();
        } else if (pressNext) {
            pressNext();
        } else {
            // Nobody would ever press Next: end the test's game as a closed window would.
            faults << QStringLiteral("hand-over waits for ever");
            m_closing = true;
        }
    }
}

void FakeWindow::setBusyCursor(bool on)
{
    set(busySpells, busySpells + (on && !busy));
    busy = on;
}

void FakeWindow::closeWindow()
{
    set(closed, true);
    m_closing = true;
}

GameRig::GameRig(int languageBase, quint32 seed)
{
    installLanguageTable(folder.path());
    setCurrentLanguage(Language::fromBase(languageBase));
    seedRandom(seed);
    QDir(folder.path()).mkpath(languageFolder());
    pressNext = [this] { game.pressNext(); };
    // As the window has it after loading: the language's letters, every button disabled.
    game.loadStrip(Language::fromBase(languageBase));
    for (int b = 0; b < Alphabet::kSlots; ++b)
        stripShown[size_t(b)] = game.strip().slot(b).available;
    writeVocabulary("Hase\r\nIgel\r\nMaus\r\nAffe\r\nBirne\r\nKerze\r\n");
    game.readSettings();
}

GameRig::~GameRig()
{
    setCurrentLanguage(Language());
    setLangFilePath(QString());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'|')));
}

void GameRig::startWith(const QString &word, std::array<qint16, 4> hints)
{
    state.hintsPerWord = hints;
    game.zurueck();
    game.pool().replace({word});
    game.StartGame();
}

int GameRig::button(QChar letter) const
{
    for (int b = 0; b < Alphabet::kSlots; ++b) {
        if (game.strip().slot(b).letter == QString(letter))
            return b;
    }
    return -1;
}

void GameRig::click(QChar letter)
{
    const int b = button(letter);
    QVERIFY2(b >= 0, qPrintable(QString(letter)));
    game.imgAlpha_Click(b);
}

void GameRig::miss(int count)
{
    const QString word = state.currentWord;
    for (int b = 0; b < 26 && count > 0 && !closing(); ++b) {
        const LetterStrip::Slot &slot = game.strip().slot(b);
        if (!word.contains(slot.letter) && slot.available) {
            game.imgAlpha_Click(b);
            --count;
        }
    }
}

void GameRig::solve()
{
    const QString word = state.currentWord;
    for (const QChar c : word) {
        const int b = button(c);
        if (closing() || state.currentWord != word || b < 0 || !game.strip().slot(b).available)
            continue;
        game.imgAlpha_Click(b);
    }
}
