// Windows-1252, the single-byte character set of every file the program reads or writes.
// A fixed table instead of a named codec keeps the program exact and independent of ICU.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace Cp1252 {

// Every byte maps to one character; the five bytes Windows leaves undefined come back as the
// C1 control characters of the same code, so any file survives a read-write round trip.
QString decode(QByteArrayView bytes);

// Characters without a byte become '?'; `lossy` (if given) tells whether that happened.
QByteArray encode(QStringView text, bool *lossy = nullptr);

// True if the character has a byte in Windows-1252.
bool canEncode(QChar c);

} // namespace Cp1252
