// The lock of the vocabulary editor: a password kept scrambled in the settings file, asked for
// before the editor opens, and set, changed or removed by the teacher.
#pragma once

#include <QString>

class Dialogs;
class QWidget;

class PasswordLock
{
public:
    // Why a new password is not taken.
    enum class Refusal
    {
        None,
        Characters, // a character without a Windows-1252 code
        NotStorable // the settings file would not give its scrambled form back unchanged
    };

    PasswordLock(Dialogs &dialogs, QWidget *parent) : m_dialogs(dialogs), m_parent(parent) {}

    // The password in plain text from its stored form; empty when none is set.
    void load();
    // Reads the password anew and asks for it when one is set; true when the editor may open.
    // A cancelled question says nothing, a wrong answer says so.
    bool unlock();
    // Asks for the old password until it is right (an empty answer gives up), then for the new
    // one twice until both agree and it can be stored; stores it at once. An empty new password
    // removes the lock.
    void change();

    const QString &editorPassword() const { return m_password; }
    static Refusal refusal(const QString &password);

private:
    bool matches(const QString &typed) const;
    QString ask(int prompt) const;
    void tell(int text) const;

    Dialogs &m_dialogs;
    QWidget *m_parent;
    QString m_password; // editorPassword
};
