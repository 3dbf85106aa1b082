#include "PoolLoader.h"

#include "Settings.h"
#include "VocabularyFile.h"

namespace {

constexpr int kFileEmptyText = 177;
constexpr int kEntriesTooShortText = 178;
constexpr int kBuiltInFirst = 300;
constexpr int kBuiltInCount = 50;

// The hourglass goes when the procedure is left, however it is left, unless the window is
// already being closed.
class BusyCursor
{
public:
    explicit BusyCursor(GameView &view) : m_view(view) {}
    ~BusyCursor()
    {
        try {
            if (m_shown && !m_view.closing())
                m_view.setBusyCursor(false);
        } catch (...) {
        }
    }
    void show()
    {
        m_view.setBusyCursor(true);
        m_shown = true;
    }

private:
    GameView &m_view;
    bool m_shown = false;
};

} // namespace

void PoolLoader::List1_Ini()
{
    Procedure proc(Proc::frmQuendo::List1_Ini);
    GameState &s = m_ctx.state;
    BusyCursor busy(m_ctx.view);
    if (!m_ctx.step(proc, [&] { m_pool.clear(); }))
        return;
    if (!m_ctx.step(proc, [&] { busy.show(); }))
        return;
    if (!m_ctx.step(proc, [&] {
            const QString folder = VocabularyFile::languageFolder();
            s.vocabFile = VocabularyFile::gameFileName(folder, s.vocabFile);
            m_pool.appendAll(VocabularyFile::readGameWords(folder + u'/' + s.vocabFile, s.minLen));
        }))
        return;
    if (!m_pool.isEmpty())
        return;
    if (!m_ctx.step(proc, [&] {
            m_ctx.view.showMessage(GameContext::text(kFileEmptyText) + QStringLiteral("\r\n") +
                                       GameContext::text(kEntriesTooShortText),
                                   kAppTitle, false);
        }))
        return;
    WortList();
}

void PoolLoader::WortList()
{
    Procedure proc(Proc::frmQuendo::WortList);
    for (int i = 0; i < kBuiltInCount; ++i) {
        if (!m_ctx.step(proc, [&] {
                const QString word = GameContext::text(kBuiltInFirst + i);
                if (word.size() >= qMax<int>(m_ctx.state.minLen, 1))
                    m_pool.append(word);
            }))
            return;
    }
}
