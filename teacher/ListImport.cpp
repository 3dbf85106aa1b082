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
    return c == u'\n' || c == u'\r' || c == u'\t' || c == u',';
}

bool isTextCharacter(QChar c)
{
    return c.unicode() >= 0x20 || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// A letter of another alphabet, or a character the decoding could not make out: leaving it out
// of the word would change the word.
bool changesTheWord(char32_t code)
{
    return QChar::isLetter(code) || QChar::isMark(code) || code == QChar::ReplacementCharacter;
}

} // namespace

bool isList(QStringView text)
{
    return std::any_of(text.begin(), text.end(), separates);
}

Entry entry(QStringView cell, int maxLength)
{
    QString plain = VocabularyFile::plainForm(cell);
    plain.replace(u'ß', QStringLiteral("ss"));
    QString kept;
    kept.reserve(plain.size());
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const QChar c = plain[i];
        if (EntryFilter::allows(c)) {
            kept.append(c);
            continue;
        }
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < plain.size() && plain[i + 1].isLowSurrogate())
            code = QChar::surrogateToUcs4(c, plain[++i]);
        if (changesTheWord(code))
            return {trimBlanks(plain).toString(), Reason::Unkeepable};
    }
    QString text = trimBlanks(kept).toString();
    if (maxLength > 0 && text.size() > maxLength)
        return {std::move(text), Reason::TooLong};
    return {std::move(text), std::nullopt};
}

void Intake::add(const Source &source)
{
    const QStringView separators = source.csv ? QStringView(u"\t,;") : QStringView(u"\t,");
    VocabularyFile::eachField(source.text, separators, [&](QStringView cell) {
        Entry e = entry(cell, m_maxLength);
        if (e.leftOut) {
            if (named.size() < kNamed)
                named.append({std::move(e.text), *e.leftOut});
            ++leftOut;
        } else if (!e.text.isEmpty()) {
            if (taken.size() < m_room)
                taken.append(std::move(e.text));
            else
                ++beyondRoom;
        }
    });
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
    if (file.status != RegularFile::Ok)
        return std::nullopt;
    QString text = VocabularyFile::decodeText(file.bytes);
    if (!std::all_of(text.cbegin(), text.cend(), isTextCharacter))
        return std::nullopt;
    return text;
}

} // namespace ListImport
