// What the vocabulary editor's entry box takes: letters of the seven languages' alphabets,
// blank, apostrophe and hyphen. A comma or a double quote would change how the saved line
// reads back, so pasted text is filtered like typed text.
#pragma once

#include <QString>
#include <QValidator>

namespace EntryFilter {

// The text without the characters an entry may not hold. A character stays when it has a
// Windows-1252 byte and its upper-case form is a letter A to Z, one of Ä Ö Ü Å Ñ Ç Õ Ã Á À Â É È Ê
// Í Ì Î Ó Ò Ô Ú Ù Û, the apostrophe or the hyphen, or when it is the blank. Editing keys never
// reach the text, so typing works as before; a typed digit, comma, double quote, ß, dotless ı
// or long ſ simply does nothing.
QString filtered(const QString &text);
// Whether an entry may hold the character, by the same rule.
bool allows(QChar c);

// The text without the characters the settings and word files cannot hold (no Windows-1252
// byte), as for a player's name.
QString keepable(const QString &text);

} // namespace EntryFilter

// Keeps an entry box to the allowed characters whichever way text comes in.
class EntryValidator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

// Keeps a name box to the characters the settings file can hold.
class KeepableValidator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};
