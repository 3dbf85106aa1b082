// The help beside the program: one file for each interface language, so that no opener has
// to pass on a fragment after a local file name.
#pragma once

#include <QString>

// "Quendo.html" for German, "Quendo-en.html" ... "Quendo-fr.html"; empty for an index that is
// no language.
QString helpFileName(int languageIndex);

// The help to open for a language: its own file in folder, else the English one, else the
// German one; empty when none of them is there.
QString helpFilePath(const QString &folder, int languageIndex);
