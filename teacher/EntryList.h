// The editor's entries in the editor's order, as its list view shows them. The entries live
// here alone; the view reads them through the model.
#pragma once

#include <QAbstractListModel>
#include <QStringList>

class EntryList final : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    const QStringList &entries() const { return m_entries; }
    qsizetype size() const { return m_entries.size(); }
    void setEntries(QStringList entries);
    // After the entries it equals: an entry added twice is saved after the one already kept.
    // Returns its row.
    int insertSorted(const QString &entry);
    // Rows in any order.
    void removeEntries(QList<int> rows);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QStringList m_entries;
};
