#include "WordPool.h"

#include "RunTimeError.h"
#include "Utilities.h"

#include <QSet>

const QString &WordPool::at(qsizetype index) const
{
    if (index < 0 || index >= m_entries.size())
        throw RunTimeError(ErrNo::SubscriptOutOfRange, QString::number(index));
    return m_entries.at(index);
}

void WordPool::append(const QString &entry)
{
    if (m_entries.size() >= kMaxEntries)
        throw RunTimeError(ErrNo::Overflow, QString::number(kMaxEntries + 1));
    m_entries.append(entry);
}

void WordPool::appendAll(const QStringList &entries)
{
    // The report names how many entries there were to take, not the sum after taking some.
    const qsizetype wanted = m_entries.size() + entries.size();
    const qsizetype room = kMaxEntries - m_entries.size();
    m_entries.append(entries.mid(0, room));
    if (entries.size() > room)
        throw RunTimeError(ErrNo::Overflow, QString::number(wanted));
}

void WordPool::replace(const QStringList &entries)
{
    m_entries.clear();
    appendAll(entries);
}

void WordPool::removeAt(qsizetype index)
{
    at(index);
    m_entries.removeAt(index);
}

std::optional<QString> WordPool::draw(qint16 repeatMode,
                                      const std::function<bool(const QString &)> &fits)
{
    // With all words coming again nothing leaves the pool; remember the misfits so that a pool
    // without any fitting entry ends the draw instead of looping.
    QSet<qsizetype> misfits;
    while (!m_entries.isEmpty() && misfits.size() < m_entries.size()) {
        const qint16 k = zz(1, checkedInt16(m_entries.size()));
        const QString candidate = at(k - 1).toUpper();
        if (repeatMode == 1)
            removeAt(k - 1);
        if (fits(candidate))
            return candidate;
        if (repeatMode != 1)
            misfits.insert(k - 1);
    }
    return std::nullopt;
}
