#include "SaveTrouble.h"

#include "Dialogs.h"
#include "Language.h"
#include "Settings.h"
#include "TextIds.h"

#include <QDir>
#include <QFile>

#include <cerrno>

#include <sys/statvfs.h>

namespace {

SettingsNotice *&notice()
{
    static SettingsNotice *inPlace = nullptr;
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
    if (SettingsNotice *inPlace = notice())
        inPlace->tell(trouble, path);
}

SettingsNotice::SettingsNotice(Dialogs &dialogs) : m_dialogs(dialogs)
{
    notice() = this;
}

SettingsNotice::~SettingsNotice()
{
    if (notice() == this)
        notice() = nullptr;
}

void SettingsNotice::tell(WriteTrouble trouble, const QString &path)
{
    if (m_told || m_heldBack)
        return;
    m_told = true;
    const int text =
        trouble == WriteTrouble::Full ? Txt::SettingsDiskFull : Txt::SettingsNotWritable;
    m_dialogs.message(nullptr,
                      uiText(text) + QStringLiteral("\n\n") + QDir::toNativeSeparators(path),
                      kAppTitle, Dialogs::Icon::Exclamation);
}
