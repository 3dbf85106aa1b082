// The settings file Quendo.ini beside the program, read and written on every call,
// and the per-user start counter.
#pragma once

#include <QList>
#include <QString>

#include <optional>

inline const QString kAppTitle = QStringLiteral("Quendo");

// Quendo.ini in the settings folder (see Places).
QString iniPath();

// Every reader and writer takes the file only when it is a regular file of at most 1 MB. Any
// other Quendo.ini (a folder, a pipe, a device, a huge or unreadable file) is reported once
// (PathFileAccess, InvalidFileFormat or PermissionDenied) and then reads as missing; it is
// never written over.

// The number held by key, default when file, section or key is missing or the value is empty;
// a value that does not start with a number reads 0; outside 16 bits is an Overflow error
// (Ignore then yields 0).
qint16 GetIniInt(const QString &section, const QString &key, qint32 defaultValue);
// At most 254 characters.
QString GetIniString(const QString &section, const QString &key, const QString &defaultValue);
// The stored value without any report: for a first look ahead of the windows.
std::optional<QString> peekIni(const QString &section, const QString &key);
// Creates file, section and key as needed; never leaves a half-written file. A write that
// fails (a full disk, a folder that cannot be written, a file whose permissions say read-only)
// loses the value and is passed to settingsNotSaved (SaveTrouble.h).
void SaveIni(const QString &section, const QString &key, const QString &value);
struct IniValue
{
    QString section;
    QString key;
    QString value;
};
// Several keys set in the order given, with one read and one replace of the file: a full disk
// or a crash half-way leaves the file with all of them or none, never a mixture.
void SaveIniValues(const QList<IniValue> &values);
// Whether GetIniString would give value back exactly once SaveIni has stored it: the format
// ends a value at a line end, drops blanks and TABs around it and keeps 254 characters.
bool iniKeepsExactly(const QString &section, const QString &key, const QString &value);

// Number to text as the settings writers need it: " 4" and "-1" (a blank before numbers
// that are not negative), and the plain form "8".
QString numText(qint32 value);
QString numTextPlain(qint32 value);
