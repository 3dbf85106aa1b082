// Run-time errors: the unexpected failures that every procedure hands to OnError.
#pragma once

#include <QString>

#include <exception>

enum class ErrNo : int
{
    InvalidCall = 5,
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    BadFileName = 52,
    FileNotFound = 53,
    DeviceIoError = 57,
    DiskFull = 61,
    PermissionDenied = 70,
    PathFileAccess = 75,
    PathNotFound = 76,
    InvalidFileFormat = 321,
    ResourceNotFound = 326,
    InvalidData = 380,
    Internal = 51,
};

// The message the run time gives for a number (the one table of them).
QString errorMessage(ErrNo number);

class RunTimeError : public std::exception
{
public:
    explicit RunTimeError(ErrNo number, QString detail = {});

    ErrNo number() const { return m_number; }
    // "6 (Overflow)"-style text, with the detail (a file name, an id) after the message.
    QString description() const;
    QString detail() const { return m_detail; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    ErrNo m_number;
    QString m_detail;
    QByteArray m_what;
};

// Raises Overflow unless value fits a 16-bit signed integer.
qint16 checkedInt16(qint64 value);
