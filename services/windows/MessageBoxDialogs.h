// The program's questions and messages: Qt's message boxes and input dialog.
#pragma once

#include "Dialogs.h"

class MessageBoxDialogs final : public Dialogs
{
public:
    bool askYesNo(QWidget *parent, const QString &text, const QString &title) override;
    bool askOkCancel(QWidget *parent, const QString &text, const QString &title) override;
    void message(QWidget *parent, const QString &text, const QString &title, Icon icon) override;
    std::optional<QString> input(QWidget *parent, const QString &prompt,
                                 const QString &title) override;
};
