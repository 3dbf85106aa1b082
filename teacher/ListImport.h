// A whole list into the editor at once: text pasted from a document or a spreadsheet column,
// or a text file dropped from a file manager.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace ListImport {

// Whether pasted text is a list (it holds a line break or a TAB) rather than one entry.
bool isList(QStringView text);

// The entries of a pasted or dropped text: one per line or TAB-separated cell, each filtered as
// typed text is (an ß first becomes ss, as a word file's does), without blanks at its ends and
// cut to maxLength (0: no limit). Lines and cells left empty give nothing.
QStringList entries(const QString &text, int maxLength);

// The editor's sorted list with new entries at their places, as if added one by one: each
// after the entries it equals. Only the first `room` of them are taken.
struct Merged
{
    QStringList all;
    int firstNew = -1; // the row of the new entry nearest the top
    qsizetype added = 0;
};
Merged merged(const QStringList &sorted, const QStringList &entries, qsizetype room);

// The text of a dropped file, read as word lists are: a regular file within their bound that
// holds text (no control bytes but TAB, line ends and form feed). Nothing for anything else.
std::optional<QString> fileText(const QString &path);

} // namespace ListImport
