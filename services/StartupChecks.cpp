#include "StartupChecks.h"

#include "Dialogs.h"
#include "Language.h"
#include "Settings.h"
#include "TextIds.h"

#include <cstdio>

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
