#include "ModResFiles.h"

#include "Catalogue.h"
#include "ErrorConvention.h"
#include "TempDir.h"

#include <QFile>
#include <QImageReader>

namespace {

QByteArray readResource(const QString &path, const QString &what)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        throw RunTimeError(ErrNo::ResourceNotFound, what);
    return file.readAll();
}

PictureSource &pictureSource()
{
    static PictureSource source;
    return source;
}

QImage loadPicture(const QString &path)
{
    if (const PictureSource &source = pictureSource()) {
        if (std::optional<QImage> ahead = source(path))
            return *std::move(ahead);
    }
    return decodePicture(path);
}

QImage readPicture(const QString &path, qreal devicePixelRatio, const QString &what)
{
    if (devicePixelRatio > 1.0) {
        QImage image = loadPicture(picturePathForRatio(path, devicePixelRatio));
        if (!image.isNull()) {
            image.setDevicePixelRatio(2.0);
            return image;
        }
    }
    QImage image = loadPicture(path);
    if (image.isNull())
        throw RunTimeError(ErrNo::ResourceNotFound, what);
    return image;
}

} // namespace

QString picturePathForRatio(const QString &path, qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1.0)
        return path;
    QString doubled = path;
    doubled.insert(doubled.size() - 4, QStringLiteral("@2x"));
    return doubled;
}

QImage decodePicture(const QString &path)
{
    // Every picture inside is a PNG: naming the format spares loading and asking every
    // image-format plug-in installed on the machine.
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

void setPictureSource(PictureSource source)
{
    pictureSource() = std::move(source);
}

QByteArray LoadResData(int id, QStringView type)
{
    return readResource(Catalogue::resourcePath(type, id),
                        type.toString() + QLatin1Char(' ') + QString::number(id));
}

QImage LoadResPicture(int id, qreal devicePixelRatio)
{
    return readPicture(Catalogue::resourcePath(u"BITMAP", id), devicePixelRatio,
                       QStringLiteral("BITMAP ") + QString::number(id));
}

QImage LoadWindowPicture(QStringView name, qreal devicePixelRatio)
{
    return readPicture(Catalogue::windowPicturePath(name), devicePixelRatio, name.toString());
}

qint32 SaveResItemToDisk(qint16 id, const QString &type, const QString &path)
{
    Procedure proc(Proc::ModResFiles::SaveResItemToDisk);
    QByteArray bytes;
    proc.step([&] { bytes = LoadResData(id, type); });
    proc.step([&] { writeFileAtomically(path, bytes); });
    return 0;
}
