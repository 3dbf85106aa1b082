#include "RunTimeError.h"

#include <limits>

namespace {

struct ErrText
{
    ErrNo number;
    const char *message;
};

constexpr ErrText kMessages[] = {
    {ErrNo::InvalidCall, "Invalid procedure call or argument"},
    {ErrNo::Overflow, "Overflow"},
    {ErrNo::OutOfMemory, "Out of memory"},
    {ErrNo::SubscriptOutOfRange, "Subscript out of range"},
    {ErrNo::Internal, "Internal error"},
    {ErrNo::BadFileName, "Bad file name or number"},
    {ErrNo::FileNotFound, "File not found"},
    {ErrNo::DeviceIoError, "Device I/O error"},
    {ErrNo::DiskFull, "Disk full"},
    {ErrNo::PermissionDenied, "Permission denied"},
    {ErrNo::PathFileAccess, "Path/File access error"},
    {ErrNo::PathNotFound, "Path not found"},
    {ErrNo::InvalidFileFormat, "Invalid file format"},
    {ErrNo::ResourceNotFound, "Resource with this identifier not found"},
    {ErrNo::InvalidData, "Invalid property value"},
};

} // namespace

QString errorMessage(ErrNo number)
{
    for (const ErrText &e : kMessages) {
        if (e.number == number)
            return QString::fromLatin1(e.message);
    }
    return QStringLiteral("Application-defined or object-defined error");
}

RunTimeError::RunTimeError(ErrNo number, QString detail)
    : m_number(number), m_detail(std::move(detail)), m_what(description().toUtf8())
{
}

QString RunTimeError::description() const
{
    QString text = QString::number(static_cast<int>(m_number)) + QStringLiteral(" (") +
                   errorMessage(m_number) + QLatin1Char(')');
    if (!m_detail.isEmpty())
        text += QStringLiteral(": ") + m_detail;
    return text;
}

qint16 checkedInt16(qint64 value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw RunTimeError(ErrNo::Overflow, QString::number(value));
    return static_cast<qint16>(value);
}
