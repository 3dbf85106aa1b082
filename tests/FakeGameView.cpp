#include "FakeGameView.h"

#include "Cp1252.h"
#include "Language.h"
#include "Utilities.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <algorithm>

namespace {

// The character a sheet cell shows, for board().
QChar sheetChar(int sheetCell)
{
    if (sheetCell == Alphabet::kBlankCell)
        return u'_';
    static const QString candidates = QStringLiteral("ÄÖÜÅÃÕÑÇ'-ÁÀÂÉÈÊÍÌÎÓÒÔÚÙÛ");
    for (const QChar c : candidates) {
        if (Alphabet::cellOf(c) == sheetCell)
            return c;
    }
    return u'?';
}

} // namespace

FakeGameView::FakeGameView(int languageDigit)
{
    for (int b = 0; b < 26; ++b)
        letters[size_t(b)] = QChar(u'A' + b);
    const Alphabet::NationalSlots &national = Alphabet::nationalSlots(languageDigit);
    for (int k = 0; k < 3; ++k) {
        if (national[size_t(k)].letter != 0)
            letters[size_t(26 + k)] = QChar(national[size_t(k)].letter);
    }
    // As designed: every strip button visible but disabled until the first word.
    stripShown.fill(true);
}

bool FakeGameView::live(const char *what) const
{
    if (m_closing)
        const_cast<FakeGameView *>(this)->faults.append(QStringLiteral("after closing: ") +
                                                        QLatin1String(what));
    return !m_closing;
}

bool FakeGameView::slotOk(int slot, const char *what) const
{
    live(what);
    if (slot >= 0 && slot < 4)
        return true;
    const_cast<FakeGameView *>(this)->faults.append(
        QStringLiteral("%1: slot %2").arg(QLatin1String(what)).arg(slot));
    return false;
}

bool FakeGameView::buttonOk(int button, const char *what) const
{
    live(what);
    if (button >= 0 && button < Alphabet::kSlots)
        return true;
    const_cast<FakeGameView *>(this)->faults.append(
        QStringLiteral("%1: button %2").arg(QLatin1String(what)).arg(button));
    return false;
}

FakeGameView::Cell *FakeGameView::cell(int position, const char *what)
{
    live(what);
    const auto it = cells.find(position);
    if (it != cells.end())
        return &it.value();
    faults.append(QStringLiteral("%1: no cell %2").arg(QLatin1String(what)).arg(position));
    return nullptr;
}

QString FakeGameView::board() const
{
    QString text;
    for (const Cell &c : cells) {
        if (!c.visible)
            text += u' ';
        else if (c.button >= 0)
            text += letters[size_t(c.button)];
        else
            text += sheetChar(c.sheetCell);
    }
    return text;
}

int FakeGameView::button(QChar letter) const
{
    for (int b = 0; b < Alphabet::kSlots; ++b) {
        if (letters[size_t(b)] == QString(letter))
            return b;
    }
    return -1;
}

bool FakeGameView::askYesNo(const QString &text, const QString &title)
{
    live("askYesNo");
    questions.append({text, title, false});
    log.append(QStringLiteral("question"));
    return answers.isEmpty() ? false : answers.takeFirst();
}

void FakeGameView::showMessage(const QString &text, const QString &title, bool informationIcon)
{
    live("showMessage");
    messages.append({text, title, informationIcon});
    log.append(QStringLiteral("message"));
}

void FakeGameView::setPlayerName(int slot, const QString &shown)
{
    if (slotOk(slot, "setPlayerName"))
        names[size_t(slot)] = shown;
}

QString FakeGameView::playerNameShown(int slot) const
{
    return slotOk(slot, "playerNameShown") ? names[size_t(slot)] : QString();
}

void FakeGameView::setPlayerScore(int slot, const QString &text)
{
    if (slotOk(slot, "setPlayerScore"))
        scoreTexts[size_t(slot)] = text;
}

void FakeGameView::setHighlight(int slot, bool on)
{
    if (slotOk(slot, "setHighlight"))
        highlighted[size_t(slot)] = on;
}

void FakeGameView::setSlotVisible(int slot, bool visible)
{
    if (slotOk(slot, "setSlotVisible"))
        slotShown[size_t(slot)] = visible;
}

int FakeGameView::textWidth(const QString &text) const
{
    live("textWidth");
    return int(text.size()) * charWidth;
}

int FakeGameView::nameLabelWidth(int slot) const
{
    slotOk(slot, "nameLabelWidth");
    return labelWidth;
}

void FakeGameView::showEmptyBoard()
{
    live("showEmptyBoard");
    ++emptyBoards;
    stage = 0;
}

void FakeGameView::loadPictureSet(int bitmapId)
{
    live("loadPictureSet");
    if (failPictureSet)
        throw RunTimeError(ErrNo::ResourceNotFound, QString::number(bitmapId));
    if (bitmapId < 101 || bitmapId > 105)
        faults.append(QStringLiteral("picture set %1").arg(bitmapId));
    loadedPictureSet = bitmapId;
}

void FakeGameView::showStage(int s)
{
    live("showStage");
    if (s < 1 || s > 10)
        faults.append(QStringLiteral("stage %1").arg(s));
    stage = s;
    log.append(QStringLiteral("stage %1").arg(s));
}

void FakeGameView::setNextVisible(bool visible)
{
    live("setNextVisible");
    if (visible != m_next)
        log.append(visible ? QStringLiteral("next shown") : QStringLiteral("next hidden"));
    m_next = visible;
}

bool FakeGameView::nextVisible() const
{
    live("nextVisible");
    return m_next;
}

void FakeGameView::focusNext()
{
    live("focusNext");
    ++nextFocus;
}

void FakeGameView::setStartEnabled(bool enabled)
{
    live("setStartEnabled");
    startEnabled = enabled;
}

void FakeGameView::setStripVisible(int b, bool visible)
{
    if (buttonOk(b, "setStripVisible"))
        stripShown[size_t(b)] = visible;
}

bool FakeGameView::stripVisible(int b) const
{
    return buttonOk(b, "stripVisible") && stripShown[size_t(b)];
}

void FakeGameView::setStripEnabled(int b, bool enabled)
{
    if (!buttonOk(b, "setStripEnabled"))
        return;
    const bool anyBefore = std::find(stripOn.begin(), stripOn.end(), true) != stripOn.end();
    stripOn[size_t(b)] = enabled;
    const bool anyAfter = std::find(stripOn.begin(), stripOn.end(), true) != stripOn.end();
    if (anyBefore && !anyAfter)
        log.append(QStringLiteral("strip off"));
}

bool FakeGameView::stripEnabled(int b) const
{
    return buttonOk(b, "stripEnabled") && stripOn[size_t(b)];
}

QString FakeGameView::stripLetter(int b) const
{
    return buttonOk(b, "stripLetter") ? letters[size_t(b)] : QString();
}

void FakeGameView::removeWordCells()
{
    live("removeWordCells");
    cells.clear();
}

void FakeGameView::createWordCell(int position, int left)
{
    live("createWordCell");
    if (position < 1 || cells.contains(position))
        faults.append(QStringLiteral("createWordCell %1").arg(position));
    cells[position] = Cell{left, false, -1, Alphabet::kBlankCell};
}

void FakeGameView::showStripPictureInCell(int position, int b)
{
    Cell *c = cell(position, "showStripPictureInCell");
    if (c && buttonOk(b, "showStripPictureInCell"))
        c->button = b;
}

void FakeGameView::showSheetCellInCell(int position, int sheetCell)
{
    if (Cell *c = cell(position, "showSheetCellInCell")) {
        c->button = -1;
        c->sheetCell = sheetCell;
    }
}

void FakeGameView::setWordCellVisible(int position, bool visible)
{
    if (Cell *c = cell(position, "setWordCellVisible"))
        c->visible = visible;
}

int FakeGameView::templateCellWidth() const
{
    live("templateCellWidth");
    return cellWidth;
}

int FakeGameView::boardScaleWidth() const
{
    live("boardScaleWidth");
    return boardWidth;
}

void FakeGameView::pump()
{
    ++pumps;
    if (!m_pumpActions.isEmpty())
        m_pumpActions.takeFirst()();
}

void FakeGameView::processEvents()
{
    if (live("processEvents"))
        pump();
}

void FakeGameView::pause(double seconds)
{
    if (!live("pause"))
        return;
    pauses.append(seconds);
    log.append(QStringLiteral("pause %1").arg(seconds));
    pump();
}

void FakeGameView::waitWhileNextVisible()
{
    if (!live("waitWhileNextVisible"))
        return;
    ++handOvers;
    while (m_next && !m_closing) {
        if (!m_waitActions.isEmpty()) {
            m_waitActions.takeFirst()();
        } else if (!m_pumpActions.isEmpty()) {
            pump();
        } else if (autoPressNext) {
            setNextVisible(false);
        } else {
            // Nobody would ever press Next: end the test's game as a closed window would.
            faults.append(QStringLiteral("hand-over waits for ever"));
            m_closing = true;
        }
    }
}

void FakeGameView::setBusyCursor(bool on)
{
    live("setBusyCursor");
    busySpells += on && !busy;
    busy = on;
}

void FakeGameView::closeWindow()
{
    live("closeWindow");
    closed = true;
    m_closing = true;
}

GameRig::GameRig(int languageBase, quint32 seed) : view(languageBase / 1000)
{
    installLanguageTable(folder.path());
    setLangBase(qint16(languageBase));
    seedRandom(seed);
    QDir(folder.path()).mkpath(GetLang(languageBase + 166));
    sound.log = &view.log;
    writeWords({"Hase", "Igel", "Maus", "Affe", "Birne", "Kerze"});
    game.readSettings();
}

GameRig::~GameRig()
{
    setLangBase(0);
    setLangFilePath(QString());
}

QString GameRig::languageFolder() const
{
    return folder.path() + u'/' + GetLang(langBase() + 166);
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

void GameRig::click(QChar letter)
{
    const int b = view.button(letter);
    QVERIFY2(b >= 0, qPrintable(QString(letter)));
    game.imgAlpha_Click(b);
}

void GameRig::miss(int count)
{
    const QString word = state.currentWord;
    for (int b = 0; b < 26 && count > 0 && !view.closing(); ++b) {
        if (!word.contains(view.letters[size_t(b)]) && view.stripShown[size_t(b)]) {
            game.imgAlpha_Click(b);
            --count;
        }
    }
}

void GameRig::solve(bool typing)
{
    const QString word = state.currentWord;
    for (const QChar c : word) {
        if (view.closing() || state.currentWord != word)
            return;
        const int b = view.button(c);
        if (b < 0 || !view.stripShown[size_t(b)])
            continue;
        if (typing)
            game.Form_KeyPress(c.toLower());
        else
            game.imgAlpha_Click(b);
    }
}
