// The interface language: the language base and the text lookup in the table that start-up
// writes to the temporary folder.
#pragma once

#include <QLocale>
#include <QString>

inline constexpr int kLanguageCount = 7;

// One of the interface languages: German, English, Swedish, Italian, Portuguese, Spanish,
// French. The flags and the letter tables count them by index 0..6; the text table numbers each
// language's texts from its base 0, 1000, ... 6000, and the settings file stores that base.
class Language
{
public:
    // German.
    constexpr Language() = default;
    // Any other index or base, from a hand-edited file or anywhere else, is German: there is no
    // "nearest" language, and German has every text.
    static constexpr Language fromIndex(int index)
    {
        return Language(index >= 0 && index < kLanguageCount ? index : 0);
    }
    static constexpr Language fromBase(int base)
    {
        return base % kBaseStep == 0 ? fromIndex(base / kBaseStep) : Language();
    }

    constexpr int index() const { return m_index; }
    constexpr qint16 base() const { return qint16(m_index * kBaseStep); }
    // Text id of this language (GetLang of base + id).
    QString text(int id) const;
    // The folder of its word lists ("deutsch", "english", ...).
    QString folder() const;
    // Its name in itself ("Deutsch", "English", ... "Français"), shown on its flag.
    QString ownName() const;

    friend constexpr bool operator==(Language, Language) = default;

private:
    static constexpr int kBaseStep = 1000;
    constexpr explicit Language(int index) : m_index(index) {}
    int m_index = 0;
};

// The interface language in use.
Language currentLanguage();
void setCurrentLanguage(Language language);

// Where the table lies ("~tmp.lng" in the temporary folder); set once by start-up. Empty when
// there is no private temporary folder.
QString langFilePath();
void setLangFilePath(const QString &path);
// The table kept in memory, read when the file cannot be (no temporary folder, the file
// removed or damaged while the program runs). Start-up holds the table the program carries.
void holdLanguageTable(const QByteArray &table);

// Text n (a language's base + id) trimmed of blanks and TABs; empty for a missing key, or when
// neither the file nor a held table can be read.
QString GetLang(int n);
// The same lookup over the table's bytes.
QString langText(const QByteArray &table, int n);

// The Windows-style four-hex-digit language id of a locale ("0407" for de_DE, "0C07" for
// de_AT, "0409" for en_US); "0000" for languages the table does not know.
QString windowsLanguageId(const QLocale &locale);
// The first-start rule: "0407" chooses German, everything else English.
Language languageForLanguageId(const QString &languageId);
