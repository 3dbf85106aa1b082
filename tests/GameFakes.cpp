#include "GameFakes.h"

#include "Cp1252.h"
#include "Language.h"
#include "Utilities.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <algorithm>

bool FakeRecord::live(const char *what)
{
    if (closing)
        faults.append(QStringLiteral("after closing: ") + QLatin1String(what));
    return !closing;
}

// --- questions ---------------------------------------------------------------------------

bool FakeQuestions::askYesNo(const QString &text, const QString &title)
{
    m_record.live("askYesNo");
    questions.append({text, title, false});
    m_record.log.append(QStringLiteral("question"));
    return answers.isEmpty() ? false : answers.takeFirst();
}

void FakeQuestions::showMessage(const QString &text, const QString &title, bool informationIcon)
{
    m_record.live("showMessage");
    messages.append({text, title, informationIcon});
    m_record.log.append(QStringLiteral("message"));
}

// --- panels ------------------------------------------------------------------------------

bool FakePanels::slotOk(int slot, const char *what) const
{
    m_record.live(what);
    if (slot >= 0 && slot < 4)
        return true;
    m_record.faults.append(QStringLiteral("%1: slot %2").arg(QLatin1String(what)).arg(slot));
    return false;
}

void FakePanels::setPlayerName(int slot, const QString &shown)
{
    if (slotOk(slot, "setPlayerName"))
        names[size_t(slot)] = shown;
}

void FakePanels::setPlayerScore(int slot, const QString &text)
{
    if (slotOk(slot, "setPlayerScore"))
        scoreTexts[size_t(slot)] = text;
}

void FakePanels::setHighlight(int slot, bool on)
{
    if (slotOk(slot, "setHighlight"))
        highlighted[size_t(slot)] = on;
}

void FakePanels::setSlotVisible(int slot, bool visible)
{
    if (slotOk(slot, "setSlotVisible"))
        slotShown[size_t(slot)] = visible;
}

int FakePanels::textWidth(const QString &text) const
{
    m_record.live("textWidth");
    return int(text.size()) * charWidth;
}

int FakePanels::nameLabelWidth(int slot) const
{
    slotOk(slot, "nameLabelWidth");
    return labelWidth;
}

// --- picture -----------------------------------------------------------------------------

void FakePicture::showEmptyBoard()
{
    m_record.live("showEmptyBoard");
    ++emptyBoards;
    stage = 0;
}

void FakePicture::loadPictureSet(int bitmapId)
{
    m_record.live("loadPictureSet");
    if (failPictureSet)
        throw RunTimeError(ErrNo::ResourceNotFound, QString::number(bitmapId));
    if (bitmapId < 101 || bitmapId > 105)
        m_record.faults.append(QStringLiteral("picture set %1").arg(bitmapId));
    loadedPictureSet = bitmapId;
}

void FakePicture::showStage(int s)
{
    m_record.live("showStage");
    if (s < 1 || s > 10)
        m_record.faults.append(QStringLiteral("stage %1").arg(s));
    stage = s;
    m_record.log.append(QStringLiteral("stage %1").arg(s));
}

// --- word board --------------------------------------------------------------------------

namespace {

// The character a sheet cell shows.
QChar sheetChar(int sheetCell)
{
    if (sheetCell == Alphabet::kBlankCell)
        return u'_';
    static const QString candidates =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜÅÃÕÑÇ'-ÁÀÂÉÈÊÍÌÎÓÒÔÚÙÛ");
    for (const QChar c : candidates) {
        if (Alphabet::cellOf(c) == sheetCell)
            return c;
    }
    return u'?';
}

} // namespace

FakeWordBoard::Cell *FakeWordBoard::cell(int position, const char *what)
{
    m_record.live(what);
    const auto it = cells.find(position);
    if (it != cells.end())
        return &it.value();
    m_record.faults.append(QStringLiteral("%1: no cell %2").arg(QLatin1String(what)).arg(position));
    return nullptr;
}

QString FakeWordBoard::text() const
{
    QString shown;
    for (const Cell &c : cells)
        shown += c.visible ? sheetChar(c.sheetCell) : u' ';
    return shown;
}

void FakeWordBoard::removeWordCells()
{
    m_record.live("removeWordCells");
    cells.clear();
}

void FakeWordBoard::createWordCell(int position, int left)
{
    m_record.live("createWordCell");
    if (position < 1 || cells.contains(position))
        m_record.faults.append(QStringLiteral("createWordCell %1").arg(position));
    cells[position] = Cell{left, false, Alphabet::kBlankCell, CellLook::Found};
}

void FakeWordBoard::showLetter(int position, int sheetCell, CellLook look)
{
    if (Cell *c = cell(position, "showLetter")) {
        c->sheetCell = sheetCell;
        c->look = look;
    }
}

void FakeWordBoard::setWordCellVisible(int position, bool visible)
{
    if (Cell *c = cell(position, "setWordCellVisible"))
        c->visible = visible;
}

int FakeWordBoard::templateCellWidth() const
{
    m_record.live("templateCellWidth");
    return cellWidth;
}

int FakeWordBoard::boardScaleWidth() const
{
    m_record.live("boardScaleWidth");
    return boardWidth;
}

void FakeWordBoard::showStripButton(int button, bool available, bool enabled)
{
    m_record.live("showStripButton");
    if (button < 0 || button >= Alphabet::kSlots) {
        m_record.faults.append(QStringLiteral("strip button %1").arg(button));
        return;
    }
    const auto anyOn = [&] {
        return std::find(stripOn.begin(), stripOn.end(), true) != stripOn.end();
    };
    const bool before = anyOn();
    stripShown[size_t(button)] = available;
    stripOn[size_t(button)] = enabled;
    if (before && !anyOn())
        m_record.log.append(QStringLiteral("strip off"));
}

void FakeWordBoard::showNext(bool visible)
{
    m_record.live("showNext");
    if (visible != next)
        m_record.log.append(visible ? QStringLiteral("next shown") : QStringLiteral("next hidden"));
    next = visible;
}

void FakeWordBoard::focusNext()
{
    m_record.live("focusNext");
    ++nextFocus;
}

void FakeWordBoard::setStartEnabled(bool enabled)
{
    m_record.live("setStartEnabled");
    startEnabled = enabled;
}

// --- waits -------------------------------------------------------------------------------

void FakeWaits::pump()
{
    ++pumps;
    if (!m_pumpActions.isEmpty())
        m_pumpActions.takeFirst()();
}

void FakeWaits::processEvents()
{
    if (m_record.live("processEvents"))
        pump();
}

void FakeWaits::pause(double seconds)
{
    if (!m_record.live("pause"))
        return;
    pauses.append(seconds);
    m_record.log.append(QStringLiteral("pause %1").arg(seconds));
    pump();
}

void FakeWaits::waitUntil(const std::function<bool()> &released)
{
    if (!m_record.live("waitUntil"))
        return;
    ++handOvers;
    while (!released() && !m_record.closing) {
        if (!m_waitActions.isEmpty()) {
            m_waitActions.takeFirst()();
        } else if (!m_pumpActions.isEmpty()) {
            pump();
        } else if (pressNext) {
            pressNext();
        } else {
            // Nobody would ever press Next: end the test's game as a closed window would.
            m_record.faults.append(QStringLiteral("hand-over waits for ever"));
            m_record.closing = true;
        }
    }
}

void FakeWaits::setBusyCursor(bool on)
{
    m_record.live("setBusyCursor");
    busySpells += on && !busy;
    busy = on;
}

void FakeWaits::closeWindow()
{
    m_record.live("closeWindow");
    closed = true;
    m_record.closing = true;
}

void FakeSound::play(Wav::Id id)
{
    played.append(id);
    m_record.log.append(QStringLiteral("sound %1").arg(int(id)));
}

// --- the rig -----------------------------------------------------------------------------

GameRig::GameRig(int languageBase, quint32 seed)
{
    installLanguageTable(folder.path());
    setCurrentLanguage(Language::fromBase(languageBase));
    seedRandom(seed);
    QDir(folder.path()).mkpath(languageFolder());
    waits.pressNext = [this] { game.pressNext(); };
    // As the window has it after loading: the language's letters, every button disabled.
    game.loadStrip(Language::fromBase(languageBase));
    for (int b = 0; b < Alphabet::kSlots; ++b)
        board.stripShown[size_t(b)] = game.strip().slot(b).available;
    writeWords({"Hase", "Igel", "Maus", "Affe", "Birne", "Kerze"});
    game.readSettings();
}

GameRig::~GameRig()
{
    setCurrentLanguage(Language());
    setLangFilePath(QString());
}

QString GameRig::languageFolder() const
{
    return folder.path() + u'/' + currentLanguage().folder();
}

void GameRig::writeVocabulary(const QByteArray &bytes, const QString &name)
{
    QFile f(languageFolder() + u'/' + name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void GameRig::writeWords(const QStringList &words)
{
    QByteArray bytes;
    for (const QString &w : words)
        bytes += Cp1252::encode(w) + "\r\n";
    writeVocabulary(bytes);
}

void GameRig::useWords(const QStringList &words)
{
    game.pool().replace(words);
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
    for (int b = 0; b < 26 && count > 0 && !waits.closing(); ++b) {
        const LetterStrip::Slot &slot = game.strip().slot(b);
        if (!word.contains(slot.letter) && slot.available) {
            game.imgAlpha_Click(b);
            --count;
        }
    }
}

void GameRig::solve(bool typing)
{
    const QString word = state.currentWord;
    for (const QChar c : word) {
        if (waits.closing() || state.currentWord != word)
            return;
        const int b = button(c);
        if (b < 0 || !game.strip().slot(b).available)
            continue;
        if (typing)
            game.Form_KeyPress(c.toLower());
        else
            game.imgAlpha_Click(b);
    }
}
