// The initialisation-file format over bytes: `[section]` lines and `key=value` lines,
// Windows-1252, CR LF as written; CR LF, a lone LF and a lone CR all end a line when read.
// Pure functions, so that tests and fuzzers can feed them anything.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

namespace IniFile {

// The value of key in section with blanks and TABs around it removed, and then the quotes of a
// value in matching double or single quotes, or nothing when the section or the key is missing.
// Names match without regard to case; the first section and the first key of a name win; lines
// starting with ';' are comments.
std::optional<QString> read(const QByteArray &content, QStringView section, QStringView key);

// The file with `key=value` set in section. Every other line stays byte for byte as it was, and
// the key's line keeps its line end; a missing section is appended at the end, a missing key at
// the end of its section, each with the file's own line end. A line end inside the key or the
// value becomes a blank: it cannot be held and would make a line of its own.
QByteArray write(const QByteArray &content, QStringView section, QStringView key,
                 QStringView value);

// The leading decimal number of a value (optional sign); 0 when it starts otherwise.
// Numbers beyond the 32-bit range saturate, so that a 16-bit check still sees them too large.
qint32 leadingNumber(QStringView value);

} // namespace IniFile
