// Vocabulary files: one entry per line, Windows-1252, CR LF, in the language folder below the
// program folder. The game and the editor read the same fields and then filter them their own
// way. Pure functions over bytes, and thin file functions around them.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

namespace VocabularyFile {

inline constexpr qsizetype kMaxEntries = 32767;

// The text of a word list's bytes: UTF-16 (either byte order) or UTF-8 when they start with its
// byte-order mark (which is dropped), UTF-8 also when they are valid UTF-8 holding a multi-byte
// sequence, as a text editor saves umlauts; otherwise Windows-1252, byte for character, so every
// older list reads as before. Bytes a marked text cannot decode become U+FFFD.
QString decodeText(QByteArrayView bytes);

// The fields of a file in file order. Fields end at a comma or a line end (CR LF, a lone LF or
// a lone CR); blanks before and after an unquoted field are not part of it. A field that starts
// with a double quote runs to the next double quote, and the rest up to the comma or line end
// is dropped. An empty line gives an empty field; a zero-length file gives none.
QStringList readFields(QByteArrayView bytes);
QStringList textFields(QStringView text);
// The same reading with more separators than the comma (a TAB, a semicolon), one field at a
// time: the fields of an unquoted text are views into it.
void eachField(QStringView text, QStringView separators,
               const std::function<void(QStringView)> &field);

// The plain form of what other programs write: composed accents, every kind of blank a blank,
// typographic apostrophes plain ones, ẞ as SS. Typographic quotes stay: a plain one would
// change how a saved line reads back (an entry drops quotes of either kind anyway). Entries the
// list can keep as they are come back unchanged.
QString plainForm(QStringView text);
// Whether plainForm would give the text back unchanged without looking closer.
bool isPlain(QStringView text);

// Takes the entries a saved list could not hold (a character without a Windows-1252 byte, as a
// UTF-8 list may have) out of entries and returns them.
QStringList takeUnkeepable(QStringList &entries);

// What the game takes from the fields: in their plain form, those at least minLen long without
// surrounding blanks, in upper case, every ß as SS.
QStringList gameWords(const QStringList &fields, int minLen);
// What the editor takes: the plain form, every ß as ss; fields of blanks only are skipped. Not
// trimmed.
QStringList editorEntries(const QStringList &fields);
// The file image of the entries: each as it stands, followed by CR LF. Characters without a
// Windows-1252 byte become '?'.
QByteArray toBytes(const QStringList &entries);

// The editor's order: alphabetical with accents and case ignored, ties by the case-folded
// text. editorCompare is <0, 0 or >0.
QString editorSortKey(const QString &entry);
int editorCompare(const QString &a, const QString &b);
void sortForEditor(QStringList &entries);

// The largest word list read: far beyond 32767 entries of any sensible length.
inline constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

// The current language's folder of shipped lists: program folder / text 166.
QString languageFolder();
// The folders the current language's lists are read from, the user's own first (see Places).
QStringList languageFolders();
// The folder a saved list of the current language goes to.
QString saveFolder();
// The current language's list of that name, from the first folder that has it.
QString listPath(const QString &name);
// The names of the current language's lists matching pattern ("*.dat"), each once, sorted with
// case ignored.
QStringList listNames(const QString &pattern);
// Text 146, "quendo.dat".
QString defaultFileName();
// Whether a stored file name names a file of a language folder itself: not empty, not "." or
// "..", without a slash or backslash and without control characters.
bool isPlainFileName(const QString &name);
// The file the game reads: vocabFile, or the default when it is no plain file name or no such
// regular file exists in the language's folders.
QString gameFileName(const QString &vocabFile);
// The file the editor reads and writes: vocabFile, or the default when it is no plain file name.
QString editorFileName(const QString &vocabFile);

// File access; failures raise RunTimeError (FileNotFound, PermissionDenied, PathNotFound,
// PathFileAccess, DeviceIoError). Only regular files of at most kMaxFileBytes are read, links
// followed: a folder, pipe or device is PathFileAccess, a larger file InvalidFileFormat, a link
// that leads nowhere FileNotFound.
QByteArray readFile(const QString &path);
QStringList readGameWords(const QString &path, int minLen);
QStringList readEditorEntries(const QString &path);
// Whether a save to path would write through a link into a file outside path's own folder (or
// into something that is no regular file): such a file is never saved over.
bool leadsOut(const QString &path);
// Writes a complete new copy beside the file and renames it over the old one, so a failed
// write leaves the old file as it was. A read-only file is refused, not replaced. A link to a
// list in the same folder is written through, the link kept; one that leadsOut is refused.
void writeFile(const QString &path, const QStringList &entries);

} // namespace VocabularyFile
