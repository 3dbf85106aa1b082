// The name of a new vocabulary file, from the text a teacher types in the editor.
#pragma once

#include <QString>

namespace NewFileName {

// The typed text with ".dat" appended, unless its last four characters are exactly ".dat".
QString withExtension(const QString &typed);

// Whether the name can be made in the language folder and remembered in the settings: no path
// separator, no "..", no control character, no leading dot (the file list would not show the
// file), at most 255 bytes on disk, and given back unchanged by the settings file (which keeps
// only Windows-1252 characters and drops blanks at the ends).
bool usable(const QString &fileName);

} // namespace NewFileName
