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

// entry() into a buffer that keeps its capacity from cell to cell: a paste of millions of cells
// then costs no allocation for each.
std::optional<Reason> intoEntry(QStringView cell, int maxLength, QString &out)
{
    QString changed;
    QStringView plain = cell;
    if (!VocabularyFile::isPlain(cell) || cell.contains(u'ß')) {
        changed = VocabularyFile::plainForm(cell);
        changed.replace(u'ß', QStringLiteral("ss"));
        plain = changed;
    }
    out.resize(plain.size());
    QChar *kept = out.data();
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const QChar c = plain[i];
        if (EntryFilter::allows(c)) {
            *kept++ = c;
            continue;
        }
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < plain.size() && plain[i + 1].isLowSurrogate())
            code = QChar::surrogateToUcs4(c, plain[++i]);
        if (changesTheWord(code)) {
            out = trimBlanks(plain).toString();
            return Reason::Unkeepable;
        }
    }
    out.resize(kept - out.constData());
    const QStringView trimmed = trimBlanks(out);
    const qsizetype lead = trimmed.isEmpty() ? 0 : trimmed.data() - out.constData();
    out.resize(lead + trimmed.size());
    out.remove(0, lead);
    if (maxLength > 0 && out.size() > maxLength)
        return Reason::TooLong;
    return std::nullopt;
}

QString copyOf(const QString &buffer)
{
    return QString(buffer.constData(), buffer.size());
}

} // namespace

bool isList(QStringView text)
{
    return std::any_of(text.begin(), text.end(), separates);
}

Entry entry(QStringView cell, int maxLength)
{
    Entry e;
    e.leftOut = intoEntry(cell, maxLength, e.text);
    return e;
}

void Intake::add(const Source &source)
{
    const QStringView separators = source.csv ? QStringView(u"\t,;") : QStringView(u"\t,");
    VocabularyFile::eachField(source.text, separators, [&](QStringView cell) {
        if (const std::optional<Reason> reason = intoEntry(cell, m_maxLength, m_buffer)) {
            if (named.size() < kNamed)
                named.append({copyOf(m_buffer), *reason});
            ++leftOut;
        } else if (!m_buffer.isEmpty()) {
            if (taken.size() < m_room)
                taken.append(copyOf(m_buffer));
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
