// Where the program finds its own files and where it writes them. A copy whose program folder
// can be written (the build folder, a copy unpacked in a user's own folder) keeps everything
// beside the program; an installed copy writes each user's files into that user's own folders.
// Nothing else in the program decides this.
#pragma once

#include <QString>

// The folder of the executable, unless tests point the program somewhere else.
QString programFolder();
void setProgramFolder(const QString &folder); // empty: back to the executable's folder

// Whether the program folder takes new files; found out once for each program folder.
bool programFolderWritable();

// The folder of Quendo.ini, Quendo.EPT and Quendo.ERR: the program folder, or, when that cannot
// be written, userConfigFolder() (made when missing).
QString settingsFolder();

// $XDG_CONFIG_HOME/Quendo, always an absolute path; empty when neither XDG_CONFIG_HOME nor HOME
// gives one. Not made here.
QString userConfigFolder();
