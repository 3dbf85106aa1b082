// Where text comes into the editor other than by typing: text pasted into the entry box (Ctrl+V,
// Shift+Insert, the middle button), text files or text dropped on the list or the entry box.
// A list (text with line breaks, TABs or commas) goes to the list; one line goes into the entry
// box, by the same rule as each line of a list.
#pragma once

#include "ListImport.h"

#include <QObject>
#include <QString>

#include <functional>

class QLineEdit;
class QAbstractItemView;

class ListIntake : public QObject
{
public:
    struct Handlers
    {
        std::function<void(const QList<ListImport::Source> &)> list;
        std::function<void(const QString &)> line;
        std::function<void(const QString &)> notText; // a dropped thing, by its name
        std::function<void()> tooLarge;               // pasted or dropped text over the bound
    };
    ListIntake(QLineEdit *entryBox, QAbstractItemView *list, Handlers handlers);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool pasted(QEvent *event);
    bool dropped(QObject *watched, QEvent *event);
    // Text as it came, to the list or the entry box.
    void take(QObject *watched, const QString &text);

    QLineEdit *m_entryBox;
    QAbstractItemView *m_list;
    Handlers m_handlers;
};
