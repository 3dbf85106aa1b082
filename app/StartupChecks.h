// What start-up checks before anything else: that no other copy runs, and where the temporary
// files can go.
#pragma once

#include "Language.h"
#include "Places.h"
#include "SingleCopy.h"
#include "TempDir.h"

#include <QStringList>

#include <memory>

class Dialogs;

struct SingleCopyCheck
{
    SingleCopyLock::Outcome outcome = SingleCopyLock::Outcome::NoLock;
    std::unique_ptr<SingleCopyLock> lock; // held for the life of the program
    QStringList notes;                    // one line each for standard error
};

// Takes the single-copy lock in the temporary folder; with no temporary folder, or when
// something that is no lock blocks it there, in the user's settings folder instead. Without
// either the program runs without the check (NoLock or Stuck, with notes saying why).
SingleCopyCheck checkSingleCopy(const QString &tempFolder);

// Says once what is wrong when there is no private temporary folder: one line on standard
// error, and a message box in the current language that names the folders tried.
void tellNoTempFolder(Dialogs &dialogs, const TempFolder &temp);

// Writes the language table to ~tmp.lng in the temporary folder and returns its path. Without
// a folder, or when the folder cannot take the table (a full one), the path is empty, the table
// is read from memory, and the user is told once, as above; never a technical report.
QString placeLanguageTable(Dialogs &dialogs, const TempFolder &temp, const QByteArray &table);

// The language chosen at start-up: from the locale on the very first start, else the setting.
Language startLanguage(qint16 startCount, const QLocale &locale);

// Says once at the start that nothing the user changes can be kept, when so.
void tellIfNothingIsKept(Dialogs &dialogs, const FilesKept &kept);
