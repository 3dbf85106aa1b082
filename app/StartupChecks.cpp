#include "StartupChecks.h"

#include "Dialogs.h"
#include "Language.h"
#include "SaveTrouble.h"
#include "Settings.h"
#include "SettingsTable.h"
#include "TextIds.h"

#include <QDir>

#include <cstdio>
#include <cstring>

SingleCopyCheck checkSingleCopy(const QString &tempFolder)
{
    SingleCopyCheck check;
    QStringList places{singleCopyLockPath(tempFolder)};
    if (const QString second = fallbackLockPath(); !places.contains(second))
        places << second;
    for (const QString &path : places) {
        if (path.isEmpty())
            continue;
        auto lock = std::make_unique<SingleCopyLock>(path);
        check.outcome = lock->take();
        if (check.outcome == SingleCopyLock::Outcome::OnlyCopy ||
            check.outcome == SingleCopyLock::Outcome::OtherCopy) {
            check.lock = std::move(lock);
            return check;
        }
        check.notes << (check.outcome == SingleCopyLock::Outcome::Stuck
                            ? path + QStringLiteral(" is in the way of the single-copy lock")
                            : path + QStringLiteral(" cannot be made for the single-copy lock"));
    }
    check.notes << QStringLiteral("running without the single-copy check");
    return check;
}

void tellNoTempFolder(Dialogs &dialogs, const TempFolder &temp)
{
    std::fprintf(stderr,
                 "quendo: no private folder for temporary files (%s); the language table "
                 "stays in memory\n",
                 qPrintable(temp.problem));
    dialogs.message(nullptr,
                    uiText(Txt::NoTempFolder) + QStringLiteral("\n\n") +
                        temp.tried.join(QLatin1Char('\n')),
                    kAppTitle, Dialogs::Icon::Exclamation);
}

QString placeLanguageTable(Dialogs &dialogs, const TempFolder &temp, const QByteArray &table)
{
    if (temp.path.isEmpty()) {
        tellNoTempFolder(dialogs, temp);
        return QString();
    }
    const QString path = temp.path + QStringLiteral("~tmp.lng");
    const FileReplaced written = replaceFile(path, table);
    if (written.failed == FileReplaced::Done)
        return path;
    const bool full = writeTroubleAt(temp.path, written.err) == WriteTrouble::Full;
    std::fprintf(stderr, "quendo: %s cannot be written (%s); the language table stays in memory\n",
                 qPrintable(path), full ? "the folder is full" : std::strerror(written.err));
    dialogs.message(nullptr,
                    uiText(full ? Txt::TempFolderFull : Txt::NoTempFolder) +
                        QStringLiteral("\n\n") + QDir::toNativeSeparators(temp.path),
                    kAppTitle, Dialogs::Icon::Exclamation);
    return QString();
}

void tellIfNothingIsKept(Dialogs &dialogs, const FilesKept &kept)
{
    if (kept)
        return;
    const QString text = kept.full ? uiText(Txt::NothingIsKeptDiskFull) + QStringLiteral("\n\n") +
                                         QDir::toNativeSeparators(kept.folder)
                                   : uiText(Txt::NothingIsKept);
    dialogs.message(nullptr, text, kAppTitle, Dialogs::Icon::Exclamation);
}

Language startLanguage(qint16 startCount, const QLocale &locale)
{
    if (startCount == 0)
        return languageForLanguageId(windowsLanguageId(locale));
    return Language::fromBase(Setting::readInRange(Setting::Language));
}
