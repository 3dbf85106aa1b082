// The only way to the data carried inside the program: bytes and pictures by type and id.
// A missing resource is a run-time error, never an empty result passed on.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

// The bytes of resource (type, id); type "WAV", "CUSTOM" or "BITMAP".
QByteArray LoadResData(int id, QStringView type);

// Bitmap id as a picture in the catalogue's pixel units. With a device pixel ratio above 1 the
// double-size drawing is used, marked with ratio 2, so that it shows crisp at the same size.
QImage LoadResPicture(int id, qreal devicePixelRatio = 1.0);
// A picture of the windows' own look ("tafel", "logo", "tool_start", "flag_3", ...).
QImage LoadWindowPicture(QStringView name, qreal devicePixelRatio = 1.0);

// The path LoadResPicture and LoadWindowPicture try first for a picture at a device pixel ratio:
// the double-size drawing above ratio 1.
QString picturePathForRatio(const QString &path, qreal devicePixelRatio);

// Decodes the picture at a resource path; a null image when it is missing or damaged.
QImage decodePicture(const QString &path);

// Where pictures decoded ahead of time are taken from before decoding (start-up); an empty
// function turns it off. The source returns nothing for a path it does not hold.
using PictureSource = std::function<std::optional<QImage>(const QString &path)>;
void setPictureSource(PictureSource source);

// Writes the bytes of resource (type, id) to path, replacing the file as a whole; returns 0.
// Reports a missing resource or an unwritable path under its own name.
qint32 SaveResItemToDisk(qint16 id, const QString &type, const QString &path);
