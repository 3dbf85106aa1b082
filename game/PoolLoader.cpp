#include "PoolLoader.h"

#include "Language.h"
#include "Settings.h"
#include "VocabularyFile.h"

namespace {

// The hourglass goes when the procedure is left, however it is left, unless the window is
// already being closed.
class BusyCursor
{
public:
    explicit BusyCursor(GameWaits &waits) : m_waits(waits) {}
    ~BusyCursor()
    {
        try {
            if (m_shown && !m_waits.closing())
                m_waits.setBusyCursor(false);
        } catch (...) {
        }
    }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
    void show()
    {
        m_waits.setBusyCursor(true);
        m_shown = true;
    }

private:
    GameWaits &m_waits;
    bool m_shown = false;
};

} // namespace

void PoolLoader::List1_Ini()
{
    Procedure proc(Proc::frmQuendo::List1_Ini);
    GameState &s = m_ctx.state;
    BusyCursor busy(m_ctx.view.waits);
    if (!m_ctx.step(proc, [&] { m_pool.clear(); }))
        return;
    if (!m_ctx.step(proc, [&] { busy.show(); }))
        return;
    bool unplayable = false;
    if (!m_ctx.step(proc, [&] {
            s.vocabFile = VocabularyFile::gameFileName(s.vocabFile);
            // A hand-made list may hold what this language's strip cannot uncover (a digit, a
            // Ç in German, a line of hyphens): such a word could only be lost.
            QStringList words =
                VocabularyFile::readGameWords(VocabularyFile::listPath(s.vocabFile), s.minLen);
            unplayable = words.removeIf([](const QString &w) {
                return !Alphabet::isPlayable(w, currentLanguage().index());
            }) > 0 && words.isEmpty();
            m_pool.appendAll(words);
        }))
        return;
    if (!m_pool.isEmpty())
        return;
    if (!m_ctx.step(proc, [&] {
            if (unplayable)
                m_ctx.view.questions.showMessage(uiText(Txt::NoPlayableEntries), kAppTitle, false);
            else
                m_ctx.tell(Txt::VocabularyEmpty, Txt::EntriesTooShortOrLong);
        }))
        return;
    WortList();
}

void PoolLoader::WortList()
{
    Procedure proc(Proc::frmQuendo::WortList);
    for (int i = 0; i < Txt::kBuiltInWords; ++i) {
        if (!m_ctx.step(proc, [&] {
                const QString word = uiText(Txt::FirstBuiltInWord + i);
                if (word.size() >= qMax<int>(m_ctx.state.minLen, 1))
                    m_pool.append(word);
            }))
            return;
    }
}
