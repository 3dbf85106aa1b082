// The initialisation-file format over bytes: `[section]` lines and `key=value` lines,
// Windows-1252, CR LF. Pure functions, so that tests and fuzzers can feed them anything.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

namespace IniFile {

// The value of key in section with blanks and TABs around it removed, or nothing when the
// section or the key is missing. Names match without regard to case; the first section and
// the first key of a name win; lines starting with ';' are comments.
std::optional<QString> read(const QByteArray &content, QStringView section, QStringView key);

// The file with `key=value` set in section. Every other line stays byte for byte as it was;
// a missing section is appended at the end, a missing key at the end of its section.
QByteArray write(const QByteArray &content, QStringView section, QStringView key,
                 QStringView value);

// The leading decimal number of a value (optional minus sign); 0 when it starts otherwise.
// Numbers beyond the 32-bit range saturate, so that a 16-bit check still sees them too large.
qint32 leadingNumber(QStringView value);

} // namespace IniFile
