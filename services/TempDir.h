// The user's own folder for temporary files.
#pragma once

#include <QByteArray>
#include <QString>

// A folder only this user can write, with a trailing separator: $XDG_RUNTIME_DIR when it is
// private, otherwise a 0700 folder of this user's below the system's temporary folder, made on
// demand. Raises a path/file access error when no private folder can be had.
QString GetTempDir();

// Replaces the file at path as a whole (write a copy, rename it over): a link planted at
// path is replaced, never followed, and a reader never sees half a file.
void writeFileAtomically(const QString &path, const QByteArray &bytes);
