#include "EntryList.h"

#include "VocabularyFile.h"

#include <algorithm>

void EntryList::setEntries(QStringList entries)
{
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}

int EntryList::insertSorted(const QString &entry)
{
    const auto at = std::upper_bound(m_entries.cbegin(), m_entries.cend(), entry,
                                     [](const QString &added, const QString &listed) {
                                         return VocabularyFile::editorCompare(listed, added) > 0;
                                     });
    const auto row = int(at - m_entries.cbegin());
    beginInsertRows(QModelIndex(), row, row);
    m_entries.insert(row, entry);
    endInsertRows();
    return row;
}

void EntryList::removeEntries(QList<int> rows)
{
    // From the last to the first, so that no removal shifts a row still to be taken; each run
    // of neighbours goes in one step, so that deleting a whole list stays quick.
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (qsizetype i = 0; i < rows.size();) {
        const int last = rows[i];
        int first = last;
        while (++i < rows.size() && rows[i] == first - 1)
            first = rows[i];
        if (first < 0 || last >= m_entries.size())
            continue;
        beginRemoveRows(QModelIndex(), first, last);
        m_entries.remove(first, last - first + 1);
        endRemoveRows();
    }
}

int EntryList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant EntryList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::AccessibleTextRole)
        return m_entries.at(index.row());
    return {};
}
