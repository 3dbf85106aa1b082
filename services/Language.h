// The interface language: the language base and the text lookup in the table that start-up
// writes to the temporary folder.
#pragma once

#include <QLocale>
#include <QString>

// 0, 1000, ... 6000: German, English, Swedish, Italian, Portuguese, Spanish, French. Any other
// base given to setLangBase becomes German.
qint16 langBase();
void setLangBase(qint16 base);
inline constexpr int kLanguageCount = 7;

// Where the table lies ("~tmp.lng" in the temporary folder); set once by start-up. Empty when
// there is no private temporary folder.
QString langFilePath();
void setLangFilePath(const QString &path);
// The table kept in memory, read when the file cannot be (no temporary folder, the file
// removed or damaged while the program runs). Start-up holds the table the program carries.
void holdLanguageTable(const QByteArray &table);

// Text n (langBase + id) trimmed of blanks and TABs; empty for a missing key, or when neither
// the file nor a held table can be read.
QString GetLang(int n);
// The same lookup over the table's bytes.
QString langText(const QByteArray &table, int n);

// The Windows-style four-hex-digit language id of a locale ("0407" for de_DE, "0C07" for
// de_AT, "0409" for en_US); "0000" for languages the table does not know.
QString windowsLanguageId(const QLocale &locale);
// The first-start rule: "0407" chooses German, everything else English.
qint16 langBaseForLanguageId(const QString &languageId);
// The language chosen at start-up: from the locale on the very first start, else the setting.
qint16 startLangBase(qint16 startCount, const QLocale &locale);

// The language's name in itself ("Deutsch", "English", ... "Français"), shown on its flag.
QString languageOwnName(int index);
