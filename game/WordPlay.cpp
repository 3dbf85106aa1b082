#include "WordPlay.h"

#include "PoolLoader.h"
#include "Settings.h"
#include "TurnCycle.h"
#include "Utilities.h"
#include "WordPool.h"

#include <cmath>

namespace {

constexpr int kLostAt = 10;
constexpr int kBoardMargin = 10;

constexpr int kSolvedSound = 100;
constexpr int kHitSound = 101;
constexpr int kTileSound = 102;
constexpr int kMissSound = 104;

constexpr int kNoWordText = 183;
constexpr int kChangeSettingsText = 184;

class DepthGuard
{
public:
    explicit DepthGuard(int &depth) : m_depth(depth) { ++m_depth; }
    ~DepthGuard() { --m_depth; }
    DepthGuard(const DepthGuard &) = delete;
    DepthGuard &operator=(const DepthGuard &) = delete;

private:
    int &m_depth;
};

const Alphabet::VowelForms *vowelFormsOf(int button)
{
    for (const Alphabet::VowelForms &v : Alphabet::vowelForms()) {
        if (v.button == button)
            return &v;
    }
    return nullptr;
}

// The first of a vowel button's accented forms that is c, in the order they are tried.
const Alphabet::AccentedForm *accentedForm(const Alphabet::VowelForms *vowel, QChar c)
{
    if (!vowel)
        return nullptr;
    for (const Alphabet::AccentedForm &f : vowel->forms) {
        if (f.letter == c)
            return &f;
    }
    return nullptr;
}

} // namespace

bool WordPlay::disableStrip(Procedure &proc)
{
    for (int b = 0; b <= m_ctx.lastButton(); ++b) {
        if (!m_ctx.step(proc, [&] { m_ctx.view.setStripEnabled(b, false); }))
            return false;
    }
    return true;
}

bool WordPlay::wordInPlay() const
{
    const GameState &s = m_ctx.state;
    return !s.currentWord.isEmpty() && s.foundCount < s.currentWord.size() && s.missCount < kLostAt;
}

bool WordPlay::clearBoard(Procedure &proc)
{
    GameState &s = m_ctx.state;
    GameView &view = m_ctx.view;
    // The strip goes off too: a guess must not land on cells that are not laid out yet.
    return m_ctx.step(proc, [&] { view.setStartEnabled(false); }) && disableStrip(proc) &&
           m_ctx.step(proc, [&] { m_ctx.playSound(kTileSound); }) &&
           m_ctx.step(proc,
                      [&] {
                          s.missCount = 0;
                          view.showEmptyBoard();
                      }) &&
           m_ctx.step(proc, [&] { s.foundCount = 0; }) && m_ctx.step(proc, [&] {
               s.pictureSet = zz(101, 105);
               view.loadPictureSet(s.pictureSet);
           });
}

void WordPlay::NewWord(Procedure &proc)
{
    GameState &s = m_ctx.state;
    GameView &view = m_ctx.view;
    const quint64 word = ++m_word;
    const auto replaced = [&] { return replacedSince(word); };
    if (!clearBoard(proc))
        return;

    bool refilled = false;
    const auto fillWhenEmpty = [&] {
        if (m_pool.isEmpty()) {
            refilled = true;
            m_loader.List1_Ini();
        }
    };
    if (!m_ctx.step(proc, fillWhenEmpty) || replaced())
        return;

    int pitch = 0;
    int usable = 0;
    const auto measure = [&] {
        pitch = int(std::nearbyint(double(view.templateCellWidth()) * 1.1));
        usable = view.boardScaleWidth() - 20;
    };
    const auto fits = [&](const QString &w) { return qint64(w.size()) * pitch <= usable; };
    std::optional<QString> drawn;
    const auto drawWord = [&] {
        view.removeWordCells();
        m_wordLength = 0;
        drawn = m_pool.draw(s.repeatMode, fits);
    };
    if (!m_ctx.step(proc, measure) || !m_ctx.step(proc, drawWord))
        return;
    // Once more from a full pool; after that no word of it fits the board.
    if (!drawn && !refilled) {
        m_loader.List1_Ini();
        if (replaced() || !m_ctx.step(proc, drawWord))
            return;
    }
    if (!drawn) {
        noWordFits(proc);
        return;
    }
    if (!m_ctx.step(proc, [&] {
            s.currentWord = *drawn;
            m_wordLength = checkedInt16(drawn->size());
        }))
        return;

    for (int i = 1; i <= m_wordLength; ++i) {
        const int left = (usable - m_wordLength * pitch) / 2 + kBoardMargin + (i - 1) * pitch;
        if (!m_ctx.step(proc, [&] { view.createWordCell(i, left); }) ||
            !m_ctx.step(proc, [&] { view.processEvents(); }) || replaced())
            return;
        if (s.soundOn != 0 && (!m_ctx.step(proc, [&] { m_ctx.playSound(kTileSound); }) ||
                               !m_ctx.step(proc, [&] { view.pause(0.15); }) || replaced()))
            return;
        if (!placeCharacter(proc, i))
            return;
    }

    ShowLetters();
    if (view.closing())
        return;
    bool hints = false;
    if (!m_ctx.step(proc, [&] { hints = checkedAt(s.hintsPerWord, s.currentPlayer) > 0; }))
        return;
    if (hints) {
        GetTipp();
        if (view.closing())
            return;
    }
    m_ctx.step(proc, [&] { view.setStartEnabled(true); });
}

bool WordPlay::placeCharacter(Procedure &proc, int position)
{
    GameState &s = m_ctx.state;
    GameView &view = m_ctx.view;
    return m_ctx.step(proc, [&] {
        if (position > s.currentWord.size())
            throw RunTimeError(ErrNo::SubscriptOutOfRange, QString::number(position));
        const QChar c = s.currentWord.at(position - 1);
        if (c == u' ') {
            // A gap: no cell shown, nothing to guess.
        } else if (c == u'\'' || c == u'-') {
            view.showSheetCellInCell(position,
                                     c == u'-' ? Alphabet::kHyphenCell : Alphabet::kApostropheCell);
            view.setWordCellVisible(position, true);
        } else {
            view.setWordCellVisible(position, true);
            return;
        }
        s.foundCount = checkedInt16(s.foundCount + 1);
    });
}

void WordPlay::noWordFits(Procedure &proc)
{
    GameState &s = m_ctx.state;
    GameView &view = m_ctx.view;
    // The board stays idle with no word; Start and the toolbar stay usable to change things.
    if (!m_ctx.step(proc,
                    [&] {
                        view.removeWordCells();
                        m_wordLength = 0;
                        s.currentWord.clear();
                    }) ||
        !m_ctx.step(proc, [&] {
            view.showMessage(GameContext::text(kNoWordText) + QStringLiteral("\r\n") +
                                 GameContext::text(kChangeSettingsText),
                             kAppTitle, false);
        }))
        return;
    m_ctx.step(proc, [&] { view.setStartEnabled(true); });
}

void WordPlay::ShowLetters()
{
    Procedure proc(Proc::frmQuendo::ShowLetters);
    GameView &view = m_ctx.view;
    const int last = m_ctx.lastButton();
    for (int b = 0; b <= last; ++b) {
        if (!m_ctx.step(proc, [&] {
                view.setStripEnabled(b, true);
                if (!view.stripVisible(b))
                    view.setStripVisible(b, true);
            }))
            return;
    }
    // The national slots this language does not have.
    const Alphabet::NationalSlots &national = Alphabet::nationalSlots(langBase() / 1000);
    for (int k = 0; k < int(national.size()); ++k) {
        const int b = Alphabet::kSlots - int(national.size()) + k;
        if (national[size_t(k)].letter != 0 || b > last)
            continue;
        if (!m_ctx.step(proc, [&] {
                view.setStripVisible(b, false);
                view.setStripEnabled(b, false);
            }))
            return;
    }
}

void WordPlay::imgAlpha_Click(int index)
{
    if (m_guessDepth > 0) {
        m_queued.append({index, m_word});
        return;
    }
    guess(index);
    runQueuedGuesses();
}

void WordPlay::runQueuedGuesses()
{
    Procedure proc(Proc::frmQuendo::imgAlpha_click);
    GameView &view = m_ctx.view;
    while (m_guessDepth == 0 && !m_queued.isEmpty()) {
        if (view.closing()) {
            m_queued.clear();
            return;
        }
        const QueuedGuess next = m_queued.takeFirst();
        bool playable = false;
        if (!m_ctx.step(proc, [&] {
                playable = next.word == m_word && wordInPlay() && next.button >= 0 &&
                           next.button <= m_ctx.lastButton() && view.stripVisible(next.button) &&
                           view.stripEnabled(next.button);
            })) {
            m_queued.clear();
            return;
        }
        if (playable)
            guess(next.button);
    }
}

bool WordPlay::replacedSince(quint64 word) const
{
    return m_ctx.view.closing() || m_word != word;
}

void WordPlay::guess(int index)
{
    Procedure proc(Proc::frmQuendo::imgAlpha_click);
    const GameState &s = m_ctx.state;
    GameView &view = m_ctx.view;
    const DepthGuard depth(m_guessDepth);
    const quint64 word = m_word;

    bool valid = false;
    if (!m_ctx.step(proc,
                    [&] {
                        if (index < 0 || index > m_ctx.lastButton())
                            throw RunTimeError(ErrNo::SubscriptOutOfRange, QString::number(index));
                        valid = true;
                        view.setStripVisible(index, false);
                    }) ||
        !valid || !m_ctx.step(proc, [&] { view.processEvents(); }) || replacedSince(word))
        return;

    bool found = false;
    if (!uncover(proc, index, found))
        return;
    if (found && (!m_ctx.step(proc, [&] { view.processEvents(); }) || replacedSince(word) ||
                  !m_ctx.step(proc, [&] { m_ctx.playSound(kHitSound); })))
        return;
    // A guess that uncovers the last covered position is never a wrong one.
    if (s.foundCount == s.currentWord.size()) {
        wordSolved(proc, word);
        return;
    }
    if (!found && !wrongGuess(proc, word))
        return;
    if (s.missCount == kLostAt)
        wordLost(proc, word);
}

bool WordPlay::uncover(Procedure &proc, int index, bool &found)
{
    GameState &s = m_ctx.state;
    GameView &view = m_ctx.view;
    QString letter;
    if (!m_ctx.step(proc, [&] { letter = view.stripLetter(index); }))
        return false;
    const QString current = s.currentWord;
    const Alphabet::VowelForms *vowel = vowelFormsOf(index);
    for (int i = 1; i <= current.size(); ++i) {
        if (!m_ctx.step(proc, [&] {
                const QChar c = current.at(i - 1).toUpper();
                if (sameLetter(c, letter))
                    view.showStripPictureInCell(i, index);
                else if (const Alphabet::AccentedForm *form = accentedForm(vowel, c))
                    view.showSheetCellInCell(i, form->cell);
                else
                    return;
                found = true;
                s.foundCount = checkedInt16(s.foundCount + 1);
            }))
            return false;
    }
    return true;
}

void WordPlay::wordSolved(Procedure &proc, quint64 word)
{
    GameState &s = m_ctx.state;
    GameView &view = m_ctx.view;
    qint16 score = 0;
    if (!m_ctx.step(proc,
                    [&] {
                        qint16 &total = checkedAt(s.scores, s.currentPlayer);
                        total = checkedInt16(total + 100 - 5 * s.missCount);
                        score = total;
                    }) ||
        !m_ctx.step(proc, [&] { view.setPlayerScore(s.currentPlayer, QString::number(score)); }) ||
        !m_ctx.step(proc, [&] { view.processEvents(); }) || replacedSince(word) ||
        !m_ctx.step(proc, [&] { m_ctx.playSound(kSolvedSound); }))
        return;
    m_turns.WaitForNext();
    if (view.closing() || !m_ctx.step(proc, [&] { view.pause(0.5); }))
        return;
    NewWord(proc);
}

bool WordPlay::wrongGuess(Procedure &proc, quint64 word)
{
    GameState &s = m_ctx.state;
    GameView &view = m_ctx.view;
    if (!m_ctx.step(proc, [&] { s.missCount = checkedInt16(s.missCount + 1); }) ||
        !m_ctx.step(proc, [&] { view.showStage(s.missCount); }) ||
        !m_ctx.step(proc, [&] { view.processEvents(); }) || replacedSince(word))
        return false;
    if (s.soundOn == 0)
        return true;
    if (s.missCount == kLostAt) {
        // The strip stays off through the picture set's own sound.
        return disableStrip(proc) && m_ctx.step(proc, [&] { m_ctx.playSound(s.pictureSet + 5); }) &&
               m_ctx.step(proc, [&] { view.pause(1.5); }) && !replacedSince(word);
    }
    return m_ctx.step(proc, [&] { m_ctx.playSound(kMissSound); }) &&
           m_ctx.step(proc, [&] { view.pause(0.1); }) && !replacedSince(word);
}

void WordPlay::wordLost(Procedure &proc, quint64 word)
{
    GameState &s = m_ctx.state;
    if (s.showSolution == 1) {
        WortAnzeigen();
        if (replacedSince(word))
            return;
    }
    // Whatever the repetition setting, a lost word comes again.
    if (!m_ctx.step(proc, [&] { m_pool.append(s.currentWord); }))
        return;
    m_turns.WaitForNext();
    if (m_ctx.view.closing())
        return;
    NewWord(proc);
}

void WordPlay::Form_KeyPress(QChar key)
{
    Procedure proc(Proc::frmQuendo::Form_KeyPress);
    GameView &view = m_ctx.view;
    const QChar upper = key.toUpper();
    int button = -1;
    if (!m_ctx.step(proc, [&] {
            for (int b = 0; b <= m_ctx.lastButton() && button < 0; ++b) {
                if (sameLetter(upper, view.stripLetter(b)) && view.stripVisible(b) &&
                    view.stripEnabled(b))
                    button = b;
            }
        }))
        return;
    if (button >= 0) {
        imgAlpha_Click(button);
        return;
    }
    m_ctx.step(proc, [&] {
        if (key == QChar(13) && view.nextVisible())
            view.setNextVisible(false);
    });
}

void WordPlay::GetTipp()
{
    Procedure proc(Proc::frmQuendo::GetTipp);
    GameState &s = m_ctx.state;
    GameView &view = m_ctx.view;
    const int last = m_ctx.lastButton();
    qint16 count = 0;
    for (;;) {
        // Buttons whose letter is still to be found in the word.
        std::array<bool, Alphabet::kSlots> candidate{};
        bool due = false;
        if (!m_ctx.step(proc, [&] {
                bool any = false;
                for (int b = 0; b <= last; ++b) {
                    const QString letter = view.stripLetter(b);
                    candidate[size_t(b)] = !letter.isEmpty() && view.stripVisible(b) &&
                                           s.currentWord.contains(letter, Qt::CaseInsensitive);
                    any = any || candidate[size_t(b)];
                }
                // Without such a letter no further hint can be given to this word.
                due = any && count < checkedAt(s.hintsPerWord, s.currentPlayer);
            }))
            return;
        if (!due)
            return;
        int k = -1;
        if (!m_ctx.step(proc,
                        [&] {
                            qint16 c = 0;
                            do {
                                c = zz(0, qint16(last));
                            } while (c < 0 || c > last || !candidate[size_t(c)]);
                            k = c;
                        }) ||
            k < 0)
            return;
        guess(k);
        if (view.closing())
            return;
        runQueuedGuesses();
        if (view.closing() || !m_ctx.step(proc, [&] { view.processEvents(); }) ||
            !m_ctx.step(proc, [&] { count = checkedInt16(count + 1); }))
            return;
    }
}

void WordPlay::WortAnzeigen()
{
    Procedure proc(Proc::frmQuendo::WortAnzeigen);
    const GameState &s = m_ctx.state;
    GameView &view = m_ctx.view;
    const quint64 word = m_word;
    const auto replaced = [&] { return replacedSince(word); };
    const QString current = s.currentWord;
    for (int b = 0; b <= m_ctx.lastButton(); ++b) {
        bool visible = false;
        QString letter;
        if (!m_ctx.step(proc, [&] {
                visible = view.stripVisible(b);
                letter = view.stripLetter(b);
            }))
            return;
        if (!visible)
            continue;
        for (int j = 1; j <= current.size(); ++j) {
            if (!sameLetter(current.at(j - 1).toUpper(), letter))
                continue;
            if (!m_ctx.step(proc, [&] { view.showStripPictureInCell(j, b); }) ||
                !m_ctx.step(proc, [&] { view.pause(0.1); }) || replaced() ||
                !m_ctx.step(proc, [&] { m_ctx.playSound(kTileSound); }) ||
                !m_ctx.step(proc, [&] { view.processEvents(); }) || replaced())
                return;
        }
    }
}
