#include "ListImport.h"

#include "EntryFilter.h"
#include "RegularFile.h"
#include "Utilities.h"
#include "VocabularyFile.h"

#include <algorithm>

namespace ListImport {

namespace {

bool separates(QChar c)
{
    return c == u'\n' || c == u'\r' || c == u'\t';
}

bool isTextByte(char b)
{
    const auto u = static_cast<uchar>(b);
    return u >= 0x20 || b == '\t' || b == '\n' || b == '\r' || b == '\f';
}

} // namespace

bool isList(QStringView text)
{
    return std::any_of(text.begin(), text.end(), separates);
}

QStringList entries(const QString &text, int maxLength)
{
    QStringList out;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = start;
        while (end < text.size() && !separates(text[end]))
            ++end;
        QString entry = text.mid(start, end - start);
        entry.replace(u'ß', QStringLiteral("ss"));
        entry = trimBlanks(EntryFilter::filtered(entry)).toString();
        if (maxLength > 0 && entry.size() > maxLength)
            entry = trimBlanks(QStringView(entry).left(maxLength)).toString();
        if (!entry.isEmpty())
            out.append(entry);
        start = end + 1;
    }
    return out;
}

Merged merged(const QStringList &sorted, const QStringList &entries, qsizetype room)
{
    QStringList fresh = entries.mid(0, std::max<qsizetype>(room, 0));
    VocabularyFile::sortForEditor(fresh);
    Merged m;
    m.added = fresh.size();
    m.all.reserve(sorted.size() + fresh.size());
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < sorted.size() || j < fresh.size()) {
        const bool takeNew =
            j < fresh.size() &&
            (i == sorted.size() || VocabularyFile::editorCompare(sorted[i], fresh[j]) > 0);
        if (takeNew && m.firstNew < 0)
            m.firstNew = int(m.all.size());
        m.all.append(takeNew ? fresh[j++] : sorted[i++]);
    }
    return m;
}

std::optional<QString> fileText(const QString &path)
{
    const RegularFile file = readRegularFile(path, VocabularyFile::kMaxFileBytes);
    if (file.status != RegularFile::Ok ||
        !std::all_of(file.bytes.begin(), file.bytes.end(), isTextByte))
        return std::nullopt;
    return VocabularyFile::decodeText(file.bytes);
}

} // namespace ListImport
