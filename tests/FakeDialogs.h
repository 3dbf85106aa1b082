// Message boxes for widget tests: records every question and answers from a script.
#pragma once

#include "Dialogs.h"

#include <QList>
#include <QStringList>

class FakeDialogs : public Dialogs
{
public:
    struct Shown
    {
        QString kind;
        QString text;
        QString title;
    };
    QList<Shown> shown;
    QList<bool> answers; // taken in turn; Yes/OK when empty

    bool askYesNo(QWidget *, const QString &text, const QString &title) override
    {
        return answer(QStringLiteral("yesno"), text, title);
    }
    bool askOkCancel(QWidget *, const QString &text, const QString &title) override
    {
        return answer(QStringLiteral("okcancel"), text, title);
    }
    void message(QWidget *, const QString &text, const QString &title, Icon) override
    {
        shown.append({QStringLiteral("message"), text, title});
    }
    std::optional<QString> input(QWidget *, const QString &prompt, const QString &title) override
    {
        shown.append({QStringLiteral("input"), prompt, title});
        return std::nullopt;
    }

private:
    bool answer(const QString &kind, const QString &text, const QString &title)
    {
        shown.append({kind, text, title});
        return answers.isEmpty() ? true : answers.takeFirst();
    }
};
