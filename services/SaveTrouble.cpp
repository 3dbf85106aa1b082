#include "SaveTrouble.h"

#include <QFile>

#include <cerrno>

#include <sys/statvfs.h>

namespace {

SaveTroubleListener *&listener()
{
    static SaveTroubleListener *inPlace = nullptr;
    return inPlace;
}

} // namespace

WriteTrouble writeTroubleAt(const QString &folder, int err)
{
    if (err == ENOSPC || err == EDQUOT || err == EFBIG)
        return WriteTrouble::Full;
    // Some writers do not pass on why they failed: the folder's file system tells fullness.
    struct statvfs fs;
    if (::statvfs(QFile::encodeName(folder).constData(), &fs) == 0 && fs.f_bavail == 0)
        return WriteTrouble::Full;
    return WriteTrouble::Refused;
}

void settingsNotSaved(WriteTrouble trouble, const QString &path)
{
    if (SaveTroubleListener *inPlace = listener())
        inPlace->tell(trouble, path);
}

SaveTroubleListener::SaveTroubleListener()
{
    listener() = this;
}

SaveTroubleListener::~SaveTroubleListener()
{
    if (listener() == this)
        listener() = nullptr;
}
