// A whole list into the editor at once: text pasted from a document or a spreadsheet, or text
// files dropped from a file manager.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace ListImport {

// Whether pasted text is a list (it holds a line break, a TAB or a comma) rather than one entry.
bool isList(QStringView text);

// Why an entry was left out rather than cut or changed.
enum class Reason
{
    TooLong,   // longer than the board holds
    Unkeepable // a letter no entry may hold (Ł, Ω, ÿ) or text that could not be decoded
};

// One cell as an entry: in its plain form (VocabularyFile::plainForm), ß as ss, without the
// characters typing leaves out (digits, punctuation) and without blanks at its ends. It is left
// out when it then holds a letter an entry may not hold or is longer than maxLength (0: no
// limit); text then names it for the teacher.
struct Entry
{
    QString text;
    std::optional<Reason> leftOut;
};
Entry entry(QStringView cell, int maxLength);

// Text as it came: a dropped .csv file is split at semicolons as well.
struct Source
{
    QString text;
    bool csv = false;
};

// The entries of pasted or dropped texts, one per cell: cells end at line ends (CR LF, LF or a
// lone CR), TABs and commas, and a cell in double quotes is read as a word file's field is.
// Empty cells give nothing. Only the first `room` entries are kept; the rest are counted, as
// are those left out (the first kNamed of them kept to be named).
class Intake
{
public:
    static constexpr qsizetype kNamed = 12;
    Intake(int maxLength, qsizetype room) : m_maxLength(maxLength), m_room(room) {}
    void add(const Source &source);

    QStringList taken;
    qsizetype beyondRoom = 0;
    struct LeftOut
    {
        QString entry;
        Reason reason;
    };
    QList<LeftOut> named;
    qsizetype leftOut = 0;

private:
    int m_maxLength;
    qsizetype m_room;
    QString m_buffer;
};

// The editor's sorted list with new entries at their places, as if added one by one: each
// after the entries it equals. Only the first `room` of them are taken.
struct Merged
{
    QStringList all;
    int firstNew = -1; // the row of the new entry nearest the top
    qsizetype added = 0;
};
Merged merged(const QStringList &sorted, const QStringList &entries, qsizetype room);

// The text of a dropped file, read as word lists are (UTF-16, UTF-8 or Windows-1252): a regular
// file within their bound that holds text (no control characters but TAB, line ends and form
// feed). Nothing for anything else.
std::optional<QString> fileText(const QString &path);

} // namespace ListImport
