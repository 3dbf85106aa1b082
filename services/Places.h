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
// written; it is read first, so a user's list wins over a shipped one of the same name.
QStringList listFolders(const QString &language);
// Where a saved list goes (made when missing).
QString listSaveFolder(const QString &language);
// The list of that name in the first folder that has it; a new one is in the save folder.
QString listPath(const QString &language, const QString &name);

// False when neither the program folder nor the user's own folders take new files: nothing
// the user changes could be kept.
bool userFilesKept();
