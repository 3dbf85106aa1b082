// The error report's questions and messages: message boxes whose buttons speak German and
// English ("Ja / Yes", "Nein / No", "OK"), like the report itself, whatever the language table
// says or fails to say.
#pragma once

#include "Dialogs.h"

class BilingualMessageBoxes final : public Dialogs
{
public:
    bool askYesNo(QWidget *parent, const QString &text, const QString &title) override;
    bool askOkCancel(QWidget *parent, const QString &text, const QString &title) override;
    void message(QWidget *parent, const QString &text, const QString &title, Icon icon) override;
    std::optional<QString> input(QWidget *parent, const QString &prompt,
                                 const QString &title) override;
};
