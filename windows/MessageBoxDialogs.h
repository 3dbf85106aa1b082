// The program's questions and messages: Qt's message boxes and input dialog, with the texts of
// their standard buttons chosen by the program (Qt's own translations lack some of its
// languages).
#pragma once

#include "Dialogs.h"

#include <functional>

class MessageBoxDialogs final : public Dialogs
{
public:
    struct ButtonTexts
    {
        QString yes;
        QString no;
        QString ok;
        QString cancel;
    };
    // Asked anew for every box, so that the buttons follow a language switch.
    using ButtonTextSource = std::function<ButtonTexts()>;

    // The buttons in the current interface language.
    MessageBoxDialogs();
    explicit MessageBoxDialogs(ButtonTextSource texts) : m_texts(std::move(texts)) {}
    // German and English together, whatever the language table says or fails to say: the
    // error report's boxes.
    static MessageBoxDialogs bilingual();

    bool askYesNo(QWidget *parent, const QString &text, const QString &title) override;
    bool askOkCancel(QWidget *parent, const QString &text, const QString &title) override;
    void message(QWidget *parent, const QString &text, const QString &title, Icon icon) override;
    std::optional<QString> input(QWidget *parent, const QString &prompt,
                                 const QString &title) override;

private:
    int run(int icon, QWidget *parent, const QString &text, const QString &title,
            int buttons) const;

    ButtonTextSource m_texts;
};
