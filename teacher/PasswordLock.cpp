#include "PasswordLock.h"

#include "Cp1252.h"
#include "Dialogs.h"
#include "Encrypt.h"
#include "Language.h"
#include "Settings.h"
#include "SettingsTable.h"
#include "TextIds.h"
#include "Utilities.h"

#include <algorithm>

void PasswordLock::load()
{
    m_password = Setting::read(Setting::Password);
    if (!m_password.isEmpty())
        m_password = Encrypt(m_password, kPasswordKey);
}

bool PasswordLock::matches(const QString &typed) const
{
    // The stored password counts without its outer blanks; the typed one counts as typed.
    return typed == trimBlanks(m_password);
}

QString PasswordLock::ask(int prompt) const
{
    // Cancel gives the empty text, as an empty answer does.
    return m_dialogs.input(m_parent, uiText(prompt), uiText(Txt::PasswordProtection))
        .value_or(QString());
}

void PasswordLock::tell(int text) const
{
    m_dialogs.message(m_parent, uiText(text), kAppTitle, Dialogs::Icon::None);
}

bool PasswordLock::unlock()
{
    load();
    if (m_password.isEmpty())
        return true;
    const QString typed = ask(Txt::EnterPassword);
    if (matches(typed))
        return true;
    if (!typed.isEmpty())
        tell(Txt::WrongPassword);
    return false;
}

void PasswordLock::change()
{
    if (!m_password.isEmpty()) {
        for (;;) {
            const QString typed = ask(Txt::OldPassword);
            if (matches(typed))
                break;
            if (typed.isEmpty())
                return;
            tell(Txt::WrongPassword);
        }
    }
    QString chosen;
    for (;;) {
        chosen = ask(Txt::NewPassword);
        const QString repeated = ask(Txt::RepeatPassword);
        if (chosen != repeated) {
            tell(Txt::WrongPassword);
            continue;
        }
        const Refusal why = refusal(chosen);
        if (why == Refusal::None)
            break;
        tell(why == Refusal::Characters ? Txt::PasswordCharacters : Txt::PasswordNotStorable);
    }
    m_password = chosen;
    Setting::write(Setting::Password, chosen.isEmpty() ? QString() : Encrypt(chosen, kPasswordKey));
}

PasswordLock::Refusal PasswordLock::refusal(const QString &password)
{
    if (password.isEmpty())
        return Refusal::None;
    if (!std::all_of(password.begin(), password.end(), Cp1252::canEncode))
        return Refusal::Characters;
    // Some scrambled characters are what the settings file cannot keep: a line end, blanks or
    // TABs at the ends. Whatever the file would change locks the teacher out or drops the lock.
    const Setting::Text &stored = Setting::Password;
    return iniKeepsExactly(stored.section, stored.key, Encrypt(password, kPasswordKey))
               ? Refusal::None
               : Refusal::NotStorable;
}
