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

// Qt's message boxes and input dialog.
class MessageBoxDialogs final : public Dialogs
{
public:
    bool askYesNo(QWidget *parent, const QString &text, const QString &title) override;
    bool askOkCancel(QWidget *parent, const QString &text, const QString &title) override;
    void message(QWidget *parent, const QString &text, const QString &title, Icon icon) override;
    std::optional<QString> input(QWidget *parent, const QString &prompt,
                                 const QString &title) override;
};
