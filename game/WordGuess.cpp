// The guesses of a word, by click, key or hint: uncovering, misses, the score, the end of the
// word and its solution.
#include "WordPlay.h"

#include "TurnCycle.h"
#include "Utilities.h"
#include "WordPool.h"

namespace {

constexpr int kLostAt = 10;

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

// The sheet cell that shows c under button's letter, if the button uncovers c.
std::optional<int> cellUnder(const LetterStrip::Slot &slot, int button, QChar c)
{
    if (sameLetter(c, slot.letter))
        return slot.cell;
    if (const Alphabet::AccentedForm *form = accentedForm(vowelFormsOf(button), c))
        return form->cell;
    return std::nullopt;
}

} // namespace

bool WordPlay::wordInPlay() const
{
    const GameState &s = m_ctx.state;
    return !s.currentWord.isEmpty() && s.foundCount < s.currentWord.size() && s.missCount < kLostAt;
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
    while (m_guessDepth == 0 && !m_queued.isEmpty()) {
        if (m_ctx.closing()) {
            m_queued.clear();
            return;
        }
        const QueuedGuess next = m_queued.takeFirst();
        bool playable = false;
        if (!m_ctx.step(proc, [&] {
                playable = next.word == m_word && wordInPlay() && next.button >= 0 &&
                           next.button <= m_ctx.lastButton() &&
                           m_ctx.facts.strip.slot(next.button).available &&
                           m_ctx.facts.strip.slot(next.button).enabled;
            })) {
            m_queued.clear();
            return;
        }
        if (playable)
            guess(next.button);
    }
}

void WordPlay::guess(int index)
{
    Procedure proc(Proc::frmQuendo::imgAlpha_click);
    const GameState &s = m_ctx.state;
    const DepthGuard depth(m_guessDepth);
    const quint64 word = m_word;

    bool valid = false;
    if (!m_ctx.step(proc,
                    [&] {
                        if (index < 0 || index > m_ctx.lastButton())
                            throw RunTimeError(ErrNo::SubscriptOutOfRange, QString::number(index));
                        valid = true;
                        m_ctx.setStripAvailable(index, false);
                    }) ||
        !valid || !m_ctx.step(proc, [&] { sayGuess(index); }) ||
        !m_ctx.step(proc, [&] { m_ctx.view.waits.processEvents(); }) || replacedSince(word))
        return;

    int hits = 0;
    if (!uncover(proc, index, hits))
        return;
    const bool found = hits > 0;
    if (found &&
        (!m_ctx.step(proc, [&] { m_ctx.view.waits.processEvents(); }) || replacedSince(word) ||
         !m_ctx.step(proc, [&] { m_ctx.playSound(Wav::RightLetter); })))
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

void WordPlay::sayGuess(int index) const
{
    // Said at once, before the board catches up: the child hears the key it pressed.
    const LetterStrip::Slot &slot = m_ctx.facts.strip.slot(index);
    const QString current = m_ctx.state.currentWord;
    int hits = 0;
    for (const QChar c : current)
        hits += cellUnder(slot, index, c.toUpper()) ? 1 : 0;
    const int triesLeft = kLostAt - m_ctx.state.missCount - (hits > 0 ? 0 : 1);
    const QString text = Spoken::guess(slot.letter, hits, triesLeft);
    if (m_hinting)
        m_ctx.sayAfter(uiText(Txt::HintComes) + u' ' + text);
    else
        m_ctx.say(text);
}

void WordPlay::sayState() const
{
    const GameState &s = m_ctx.state;
    const bool inPlay = m_ctx.facts.phase != TurnPhase::Idle;
    const int score = s.currentPlayer >= 0 && s.currentPlayer < kMaxPlayers
                          ? s.scores[size_t(s.currentPlayer)]
                          : 0;
    m_ctx.say(Spoken::state(inPlay ? m_ctx.facts.cells : Spoken::Cells(), kLostAt - s.missCount,
                            m_ctx.playerName(), score));
}

bool WordPlay::uncover(Procedure &proc, int index, int &hits)
{
    GameState &s = m_ctx.state;
    LetterStrip::Slot slot;
    if (!m_ctx.step(proc, [&] { slot = m_ctx.facts.strip.slot(index); }))
        return false;
    const QString current = s.currentWord;
    for (int i = 1; i <= current.size(); ++i) {
        if (!m_ctx.step(proc, [&] {
                const std::optional<int> cell = cellUnder(slot, index, current.at(i - 1).toUpper());
                if (!cell)
                    return;
                m_ctx.view.board.showLetter(i, *cell, CellLook::Found);
                if (i <= m_ctx.facts.cells.size())
                    m_ctx.facts.cells[i - 1] = current.at(i - 1).toUpper();
                ++hits;
                s.foundCount = checkedInt16(s.foundCount + 1);
            }))
            return false;
    }
    return true;
}

void WordPlay::wordSolved(Procedure &proc, quint64 word)
{
    GameState &s = m_ctx.state;
    const GameView &view = m_ctx.view;
    qint16 score = 0;
    if (!m_ctx.step(proc,
                    [&] {
                        m_ctx.setPhase(TurnPhase::WordOver);
                        qint16 &total = checkedAt(s.scores, s.currentPlayer);
                        total = checkedInt16(total + 100 - 5 * s.missCount);
                        score = total;
                        m_ctx.sayAfter(Spoken::solved(s.currentWord, 100 - 5 * s.missCount));
                    }) ||
        !m_ctx.step(proc,
                    [&] { view.panels.setPlayerScore(s.currentPlayer, QString::number(score)); }) ||
        !m_ctx.step(proc, [&] { view.waits.processEvents(); }) || replacedSince(word) ||
        !m_ctx.step(proc, [&] { m_ctx.playSound(Wav::WordSolved); }))
        return;
    m_turns.WaitForNext();
    if (m_ctx.closing() || !m_ctx.step(proc, [&] { view.waits.pause(0.5); }))
        return;
    NewWord(proc);
}

bool WordPlay::wrongGuess(Procedure &proc, quint64 word)
{
    GameState &s = m_ctx.state;
    const GameView &view = m_ctx.view;
    if (!m_ctx.step(proc, [&] { s.missCount = checkedInt16(s.missCount + 1); }) ||
        !m_ctx.step(proc, [&] { view.picture.showStage(s.missCount); }) ||
        !m_ctx.step(proc, [&] { view.waits.processEvents(); }) || replacedSince(word))
        return false;
    if (s.missCount == kLostAt)
        m_ctx.setPhase(TurnPhase::WordOver);
    if (s.soundOn == 0)
        return true;
    if (s.missCount == kLostAt) {
        // The strip stays off through the picture set's own sound.
        return m_ctx.disableStrip(proc) &&
               m_ctx.step(proc, [&] { m_ctx.playSound(Wav::closingSound(s.pictureSet)); }) &&
               m_ctx.step(proc, [&] { view.waits.pause(1.5); }) && !replacedSince(word);
    }
    return m_ctx.step(proc, [&] { m_ctx.playSound(Wav::WrongLetter); }) &&
           m_ctx.step(proc, [&] { view.waits.pause(0.1); }) && !replacedSince(word);
}

void WordPlay::wordLost(Procedure &proc, quint64 word)
{
    GameState &s = m_ctx.state;
    m_ctx.sayAfter(Spoken::lost(s.currentWord));
    if (s.showSolution == 1) {
        WortAnzeigen();
        if (replacedSince(word))
            return;
    }
    // Whatever the repetition setting, a lost word comes again.
    if (!m_ctx.step(proc, [&] { m_pool.append(s.currentWord); }))
        return;
    m_turns.WaitForNext();
    if (m_ctx.closing())
        return;
    NewWord(proc);
}

void WordPlay::Form_KeyPress(QChar key)
{
    Procedure proc(Proc::frmQuendo::Form_KeyPress);
    int button = -1;
    if (!m_ctx.step(proc, [&] { button = m_ctx.facts.strip.playableButton(key); }))
        return;
    if (button >= 0 && button <= m_ctx.lastButton())
        imgAlpha_Click(button);
}

void WordPlay::WortAnzeigen()
{
    Procedure proc(Proc::frmQuendo::WortAnzeigen);
    const GameState &s = m_ctx.state;
    const GameView &view = m_ctx.view;
    const quint64 word = m_word;
    const auto replaced = [&] { return replacedSince(word); };
    const QString current = s.currentWord;
    for (int b = 0; b <= m_ctx.lastButton(); ++b) {
        LetterStrip::Slot slot;
        if (!m_ctx.step(proc, [&] { slot = m_ctx.facts.strip.slot(b); }))
            return;
        if (!slot.available)
            continue;
        for (int j = 1; j <= current.size(); ++j) {
            // Accented vowels too: the solution shows the whole word.
            const std::optional<int> cell = cellUnder(slot, b, current.at(j - 1).toUpper());
            if (!cell)
                continue;
            if (!m_ctx.step(proc,
                            [&] {
                                view.board.showLetter(j, *cell, CellLook::Solution);
                                if (j <= m_ctx.facts.cells.size())
                                    m_ctx.facts.cells[j - 1] = current.at(j - 1).toUpper();
                            }) ||
                !m_ctx.step(proc, [&] { view.waits.pause(0.1); }) || replaced() ||
                !m_ctx.step(proc, [&] { m_ctx.playSound(Wav::Tick); }) ||
                !m_ctx.step(proc, [&] { view.waits.processEvents(); }) || replaced())
                return;
        }
    }
}
