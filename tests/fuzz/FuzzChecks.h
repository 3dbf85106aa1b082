// The properties the fuzz targets check, one function per reader or writer of outside data.
// The same functions run under libFuzzer (tools/fuzz.sh) and, for the kept inputs, in the
// normal test suite (tst_fuzzregressions), so a finding stays a test once it is fixed.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace FuzzChecks {

// Empty when the property holds for this input, else what went wrong.
using Check = QString (*)(QByteArrayView input);

// ini_read      IniFile::read and leadingNumber over any bytes; a name first when the input
//               holds a 0x1F byte ("name" 0x1F "content"), else the names the program uses.
// ini_write     IniFile::write: section 0x1F key 0x1F value 0x1F content. Reading the key back
//               gives the value when the format can hold it, and every other key reads as
//               before, whatever the value.
// lang_text     langText over any bytes; the first two bytes choose the text number.
// read_fields   VocabularyFile::readFields.
// game_words    gameWords(readFields(...)); the first byte chooses the minimum length.
// editor_entries editorEntries(readFields(...)).
// to_bytes      toBytes: entries separated by 0x1F; readFields gives back the entries the
//               format can hold.
// parse_wav     parseWav: what it finds lies inside the bytes.
// new_file_name NewFileName::usable: a name it takes stays in the language folder, has no
//               control character, and comes back from the settings file unchanged.
// password      Encrypt twice gives the password back; a password PasswordLock takes comes
//               back from the settings file exactly as it was scrambled.
QStringList names();
Check checkNamed(const QString &name);

} // namespace FuzzChecks
