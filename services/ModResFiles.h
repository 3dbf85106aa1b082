// The only way to the data carried inside the program: bytes and pictures by type and id.
// A missing resource is a run-time error, never an empty result passed on.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringView>

inline const QString kModuleModResFiles = QStringLiteral("ModResFiles");

// The bytes of resource (type, id); type "WAV", "CUSTOM" or "BITMAP".
QByteArray LoadResData(int id, QStringView type);

// Bitmap id as a picture in the catalogue's pixel units. With a device pixel ratio above 1 the
// double-size drawing is used, marked with ratio 2, so that it shows crisp at the same size.
QImage LoadResPicture(int id, qreal devicePixelRatio = 1.0);
// A picture stored with the windows' design ("tafel", "logo", "tool_start", "flag_3", ...).
QImage LoadWindowPicture(QStringView name, qreal devicePixelRatio = 1.0);

// Writes the bytes of resource (type, id) to path, replacing the file as a whole; returns 0.
// Reports a missing resource or an unwritable path under its own name.
qint32 SaveResItemToDisk(qint16 id, const QString &type, const QString &path);
