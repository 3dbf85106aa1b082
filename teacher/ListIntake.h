// Where a whole list comes into the editor: text with line breaks or TABs pasted into the entry
// box (Ctrl+V, Shift+Insert, the middle button), text files or text dropped on the list or the
// entry box. Text without a line break is left to the entry box, which takes it as typed.
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLineEdit;
class QListWidget;

class ListIntake : public QObject
{
public:
    // take gets the text of the list; refuse the name of a dropped thing that is no text file.
    ListIntake(QLineEdit *entryBox, QListWidget *list, std::function<void(const QString &)> take,
               std::function<void(const QString &)> refuse);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool pasted(QEvent *event);
    bool dropped(QObject *watched, QEvent *event);

    QLineEdit *m_entryBox;
    QListWidget *m_list;
    std::function<void(const QString &)> m_take;
    std::function<void(const QString &)> m_refuse;
};
