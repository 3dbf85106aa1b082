// Message boxes for widget tests: records every question and answers from a script.
#pragma once

#include "Dialogs.h"

#include <QList>
#include <QStringList>

#include <optional>

class FakeDialogs : public Dialogs
{
public:
    struct Shown
    {
        QString kind;
        QString text;
        QString title;
        Icon icon = Icon::None;
    };
    QList<Shown> shown;
    QList<bool> answers;                  // taken in turn; Yes/OK when empty
    QList<std::optional<QString>> inputs; // taken in turn; nothing is Cancel; Cancel when empty

    bool askYesNo(QWidget *, const QString &text, const QString &title) override
    {
        return answer(QStringLiteral("yesno"), text, title);
    }
    bool askOkCancel(QWidget *, const QString &text, const QString &title) override
    {
        return answer(QStringLiteral("okcancel"), text, title);
    }
    void message(QWidget *, const QString &text, const QString &title, Icon icon) override
    {
        shown.append({QStringLiteral("message"), text, title, icon});
    }
    std::optional<QString> input(QWidget *, const QString &prompt, const QString &title) override
    {
        shown.append({QStringLiteral("input"), prompt, title});
        return inputs.isEmpty() ? std::nullopt : inputs.takeFirst();
    }

    // The texts shown, in order; only those of one kind ("input", "message", ...) if given.
    QStringList texts(const QString &kind = {}) const
    {
        QStringList all;
        for (const Shown &s : shown) {
            if (kind.isEmpty() || s.kind == kind)
                all.append(s.text);
        }
        return all;
    }

private:
    bool answer(const QString &kind, const QString &text, const QString &title)
    {
        shown.append({kind, text, title});
        return answers.isEmpty() ? true : answers.takeFirst();
    }
};
