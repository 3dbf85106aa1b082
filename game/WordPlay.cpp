// Laying a word out: the board cleared, a word drawn that fits, its cells placed, the strip
// offered, the hints given.
#include "WordPlay.h"

#include "Language.h"
#include "PoolLoader.h"
#include "Settings.h"
#include "Utilities.h"
#include "WordGeometry.h"
#include "WordPool.h"

bool WordPlay::clearBoard(Procedure &proc)
{
    GameState &s = m_ctx.state;
    const GameView &view = m_ctx.view;
    // The strip goes off too: a guess must not land on cells that are not laid out yet.
    return m_ctx.step(proc,
                      [&] {
                          m_ctx.setPhase(TurnPhase::LayingOut);
                          view.board.setStartEnabled(false);
                      }) &&
           m_ctx.disableStrip(proc) && m_ctx.step(proc, [&] { m_ctx.playSound(Wav::Tick); }) &&
           m_ctx.step(proc,
                      [&] {
                          s.missCount = 0;
                          m_ctx.facts.cells.clear();
                          view.picture.showEmptyBoard();
                      }) &&
           m_ctx.step(proc, [&] { s.foundCount = 0; }) &&
           m_ctx.step(proc, [&] { m_ctx.drawPictureSet(); });
}

void WordPlay::NewWord(Procedure &proc)
{
    GameState &s = m_ctx.state;
    const GameView &view = m_ctx.view;
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
        pitch = WordGeometry::cellPitch(view.board.templateCellWidth());
        usable = WordGeometry::usableWidth(view.board.boardScaleWidth());
    };
    // A word the editor handed over as it stands is checked here as well.
    const auto fits = [&](const QString &w) {
        return WordGeometry::fits(int(w.size()), pitch, usable) &&
               Alphabet::isPlayable(w, currentLanguage().index());
    };
    std::optional<QString> drawn;
    const auto drawWord = [&] {
        view.board.removeWordCells();
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
            m_ctx.facts.cells = Spoken::Cells(m_wordLength, QChar());
        }))
        return;

    for (int i = 1; i <= m_wordLength; ++i) {
        const int left = WordGeometry::cellLeft(usable, m_wordLength, pitch, i);
        if (!m_ctx.step(proc, [&] { view.board.createWordCell(i, left); }) ||
            !m_ctx.step(proc, [&] { view.waits.processEvents(); }) || replaced())
            return;
        if (s.soundOn != 0 && (!m_ctx.step(proc, [&] { m_ctx.playSound(Wav::Tick); }) ||
                               !m_ctx.step(proc, [&] { view.waits.pause(0.15); }) || replaced()))
            return;
        if (!placeCharacter(proc, i))
            return;
    }

    ShowLetters();
    if (m_ctx.closing())
        return;
    m_ctx.setPhase(TurnPhase::Guessing);
    if (!m_ctx.step(proc, [&] {
            m_ctx.say(Spoken::newWord(m_ctx.playerName(), int(m_ctx.facts.cells.count(QChar()))));
        }))
        return;
    bool hints = false;
    if (!m_ctx.step(proc, [&] { hints = checkedAt(s.hintsPerWord, s.currentPlayer) > 0; }))
        return;
    if (hints) {
        GetTipp();
        if (m_ctx.closing())
            return;
    }
    m_ctx.step(proc, [&] { view.board.setStartEnabled(true); });
}

bool WordPlay::placeCharacter(Procedure &proc, int position)
{
    GameState &s = m_ctx.state;
    WordBoard &board = m_ctx.view.board;
    return m_ctx.step(proc, [&] {
        if (position > s.currentWord.size())
            throw RunTimeError(ErrNo::SubscriptOutOfRange, QString::number(position));
        const QChar c = s.currentWord.at(position - 1);
        if ((c == u' ' || c == u'\'' || c == u'-') && position <= m_ctx.facts.cells.size())
            m_ctx.facts.cells[position - 1] = c;
        if (c == u' ') {
            // A gap: no cell shown, nothing to guess.
        } else if (c == u'\'' || c == u'-') {
            board.showLetter(position,
                             c == u'-' ? Alphabet::kHyphenCell : Alphabet::kApostropheCell,
                             CellLook::Found);
            board.setWordCellVisible(position, true);
        } else {
            board.setWordCellVisible(position, true);
            return;
        }
        s.foundCount = checkedInt16(s.foundCount + 1);
    });
}

void WordPlay::noWordFits(Procedure &proc)
{
    GameState &s = m_ctx.state;
    const GameView &view = m_ctx.view;
    // The board stays idle with no word; Start and the toolbar stay usable to change things.
    if (!m_ctx.step(proc,
                    [&] {
                        view.board.removeWordCells();
                        m_wordLength = 0;
                        s.currentWord.clear();
                        m_ctx.facts.cells.clear();
                        m_ctx.setPhase(TurnPhase::Idle);
                    }) ||
        !m_ctx.step(proc, [&] { m_ctx.tell(Txt::NoWordFits, Txt::ChangeTheOptions); }))
        return;
    m_ctx.step(proc, [&] { view.board.setStartEnabled(true); });
}

void WordPlay::ShowLetters()
{
    Procedure proc(Proc::frmQuendo::ShowLetters);
    const int last = m_ctx.lastButton();
    for (int b = 0; b <= last; ++b) {
        if (!m_ctx.step(proc, [&] { m_ctx.setStripButton(b, true, true); }))
            return;
    }
    // The national slots this language does not have.
    const Alphabet::NationalSlots &national = Alphabet::nationalSlots(currentLanguage().index());
    for (int k = 0; k < int(national.size()); ++k) {
        const int b = Alphabet::kSlots - int(national.size()) + k;
        if (national[size_t(k)].letter != 0 || b > last)
            continue;
        if (!m_ctx.step(proc, [&] { m_ctx.setStripButton(b, false, false); }))
            return;
    }
}

bool WordPlay::replacedSince(quint64 word) const
{
    return m_ctx.closing() || m_word != word;
}

void WordPlay::GetTipp()
{
    Procedure proc(Proc::frmQuendo::GetTipp);
    GameState &s = m_ctx.state;
    const LetterStrip &strip = m_ctx.facts.strip;
    const int last = m_ctx.lastButton();
    qint16 count = 0;
    for (;;) {
        // Buttons whose letter is still to be found in the word.
        std::array<bool, Alphabet::kSlots> candidate{};
        bool due = false;
        if (!m_ctx.step(proc, [&] {
                bool any = false;
                for (int b = 0; b <= last; ++b) {
                    const LetterStrip::Slot &slot = strip.slot(b);
                    candidate[size_t(b)] = !slot.letter.isEmpty() && slot.available &&
                                           s.currentWord.contains(slot.letter, Qt::CaseInsensitive);
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
        m_hinting = true;
        guess(k);
        m_hinting = false;
        if (m_ctx.closing())
            return;
        runQueuedGuesses();
        if (m_ctx.closing() || !m_ctx.step(proc, [&] { m_ctx.view.waits.processEvents(); }) ||
            !m_ctx.step(proc, [&] { count = checkedInt16(count + 1); }))
            return;
    }
}
