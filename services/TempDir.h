// The user's own folder for temporary files.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A private folder for temporary files, or why there is none.
struct TempFolder
{
    QString path;      // absolute, with a trailing separator; empty when there is none
    QStringList tried; // when there is none: the folders tried
    QString problem;   // and what is wrong with each of them
};

// $XDG_RUNTIME_DIR when it is an absolute path to a private folder this user can write,
// otherwise a 0700 folder of this user's below the system's temporary folder, made on demand.
// A relative $XDG_RUNTIME_DIR or $TMPDIR is ignored: it would stop resolving once the program
// changes folder. Never reports anything itself.
TempFolder findTempFolder();

// findTempFolder's path: empty when there is no private folder.
QString GetTempDir();

// How replacing a file went: done, or the step that failed and its errno (0 when unknown).
struct FileReplaced
{
    enum Step
    {
        Done,
        Opening, // the link at path could not be removed, or the new copy not made
        Writing  // the new copy could not be written whole or put in place
    };
    Step failed = Done;
    int err = 0;
};

// Replaces the file at path as a whole (write a copy, rename it over): a link planted at
// path is replaced, never followed, and a reader never sees half a file.
FileReplaced replaceFile(const QString &path, const QByteArray &bytes);
// The same; a failure raises PathFileAccess (Opening) or DeviceIoError (Writing).
void writeFileAtomically(const QString &path, const QByteArray &bytes);
