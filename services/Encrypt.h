// The reversible scrambling of the editor password in the settings file.
#pragma once

#include <QString>

// The one key, used to scramble and to unscramble.
inline const QString kPasswordKey = QStringLiteral("7.36");

// Text scrambled by a repeating-key XOR of its Windows-1252 codes with those of key; the key runs
// along the text from its first character again after its last. Applying it twice with the same
// key gives the text back. A character without a Windows-1252 code is left as it is, so that
// this holds for every text.
QString Encrypt(QString text, const QString &key);
