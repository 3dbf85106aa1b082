// Reading files that come from outside the program: only regular files, and never more than a
// limit, so that a named pipe, a device or an endless file can neither block nor swamp it.
#pragma once

#include <QByteArray>
#include <QString>

struct RegularFile
{
    enum Status
    {
        Ok,
        Missing,    // no such file (or a link that leads nowhere)
        NotRegular, // a folder, a named pipe, a device, a socket
        TooLarge,   // more bytes than the limit
        Unreadable  // there, but it cannot be opened or read
    };
    Status status = Missing;
    QByteArray bytes; // the whole file when Ok, else empty
};

enum class Links
{
    Followed,
    Refused // a link at path reads as Missing: it could lead anywhere
};

// The file at path, if it is a regular file of at most maxBytes. Never blocks on a pipe and never
// reads more than maxBytes + 1 bytes.
RegularFile readRegularFile(const QString &path, qint64 maxBytes, Links links = Links::Followed);

// Whether path itself is a symbolic link (whatever it leads to).
bool isLink(const QString &path);

// A short English description of a status for error details ("not a regular file").
QString regularFileProblem(RegularFile::Status status, qint64 maxBytes);

// Whether the file's permission bits let nobody write it. Root may write it anyway; the program
// respects the mark instead of overriding it.
bool markedReadOnly(const QString &path);
