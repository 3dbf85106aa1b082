// Every question and message of the program asks through this seam: the program shows
// message boxes, tests script the answers.
#pragma once

#include <QString>

#include <optional>

class QWidget;

class Dialogs
{
public:
    enum class Icon
    {
        None,
        Information,
        Question,
        Exclamation
    };

    virtual ~Dialogs() = default;
    virtual bool askYesNo(QWidget *parent, const QString &text, const QString &title) = 0;
    virtual bool askOkCancel(QWidget *parent, const QString &text, const QString &title) = 0;
    virtual void message(QWidget *parent, const QString &text, const QString &title, Icon icon) = 0;
    // The text typed, or nothing after Cancel.
    virtual std::optional<QString> input(QWidget *parent, const QString &prompt,
                                         const QString &title) = 0;
};
