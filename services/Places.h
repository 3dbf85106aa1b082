// Where the program finds its own files and where it writes them. A copy whose program folder
// can be written (the build folder, a copy unpacked in a user's own folder) keeps everything
// beside the program; an installed copy writes each user's files into that user's own folders.
// Nothing else in the program decides this.
#pragma once

#include <QString>
#include <QStringList>

// The folder of the executable, unless tests point the program somewhere else.
QString programFolder();
void setProgramFolder(const QString &folder); // empty: back to the executable's folder

// Whether the program folder takes new files; found out once for each program folder.
bool programFolderWritable();

// How a folder is asked whether it takes new files. Tests put in their own answer to play an
// installed copy as root; nullptr: back to asking the folder itself.
using WritableProbe = bool (*)(const QString &folder);
void setWritableProbe(WritableProbe probe);

// The folder of Quendo.ini, Quendo.EPT and Quendo.ERR: the program folder, or, when that cannot
// be written, userConfigFolder() (made when missing).
QString settingsFolder();

// $XDG_CONFIG_HOME/Quendo, always an absolute path; empty when neither XDG_CONFIG_HOME nor HOME
// gives one. Not made here.
QString userConfigFolder();
// $XDG_DATA_HOME/Quendo, the same way ($HOME/.local/share/Quendo by default).
QString userDataFolder();

// Word lists of one language, by the name of its folder ("deutsch"). The user's own folder,
// userDataFolder()/<language>, comes into play only when the program folder cannot be
// written; it is read first, so a user's list wins over a shipped one of the same name. Then
// come the school's folders, quendo/<language> below each folder of $XDG_DATA_DIRS that has one
// (by default /usr/local/share and /usr/share), in that order; the shipped lists come last.
QStringList listFolders(const QString &language);
// The school's folders alone, as listFolders orders them.
QStringList schoolListFolders(const QString &language);
// Where a saved list goes (made when missing).
QString listSaveFolder(const QString &language);
// Whether name in folder is a list the program may read: a regular file, links followed (a
// teacher's second name for a list, a language folder shared by a whole school).
bool isPlainList(const QString &folder, const QString &name);
// The list of that name in the first folder that holds it as a plain list; when none does, where
// a new one goes, in the save folder.
QString listPath(const QString &language, const QString &name);
// The same, but empty when no folder holds it as a plain list.
QString existingListPath(const QString &language, const QString &name);

// Whether what the user changes can be kept: the folders the settings and the word lists go to
// take a write of a settings file's size (an empty file fits on a full disk as well).
struct FilesKept
{
    bool kept = true;
    bool full = false; // the disk, or the user's quota, is full
    QString folder;    // the folder that failed
    explicit operator bool() const { return kept; }
};
FilesKept userFilesKept();
