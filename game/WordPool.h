// The word pool: the entries the words of a game are drawn from.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class WordPool
{
public:
    // Entry counts and positions are 16-bit numbers.
    static constexpr qsizetype kMaxEntries = 32767;

    qsizetype size() const { return m_entries.size(); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    const QStringList &entries() const { return m_entries; }
    // SubscriptOutOfRange outside 0..size()-1.
    const QString &at(qsizetype index) const;

    void clear() { m_entries.clear(); }
    // Overflow when the pool is full; appendAll keeps what fitted before the error.
    void append(const QString &entry);
    void appendAll(const QStringList &entries);
    // The editor's list as it stands, replacing everything.
    void replace(const QStringList &entries);
    void removeAt(qsizetype index);

    // Draws entries at random, uniformly over those present, until one fits; it comes back in
    // upper case. With repeatMode 1 every drawn entry leaves the pool, fitting or not. Nothing
    // when no entry fits (the pool may then be empty).
    std::optional<QString> draw(qint16 repeatMode,
                                const std::function<bool(const QString &)> &fits);

private:
    QStringList m_entries;
};
