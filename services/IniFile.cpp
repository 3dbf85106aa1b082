#include "IniFile.h"

#include "Cp1252.h"

#include <limits>

namespace {

// One line of the file: its text without the line end, and where it and its line end lie.
struct Line
{
    QByteArrayView text;
    qsizetype begin;
    qsizetype textEnd; // where the line end starts
    qsizetype end;     // just past the line end
};

bool isLineEndByte(char c)
{
    return c == '\r' || c == '\n';
}

// CR LF, a lone LF and a lone CR each end a line: hand-edited files come with all three.
template <typename F> void forEachLine(const QByteArray &content, F &&f)
{
    const QByteArrayView all(content);
    const qsizetype n = all.size();
    qsizetype pos = 0;
    while (pos < n) {
        qsizetype stop = pos;
        while (stop < n && !isLineEndByte(all[stop]))
            ++stop;
        qsizetype next = stop;
        if (next < n)
            next += all[next] == '\r' && next + 1 < n && all[next + 1] == '\n' ? 2 : 1;
        if (!f(Line{all.sliced(pos, stop - pos), pos, stop, next}))
            return;
        pos = next;
    }
}

// The line end new lines get: the file's own (its first), CR LF for a file without one.
QByteArray lineEndOf(const QByteArray &content)
{
    for (qsizetype i = 0; i < content.size(); ++i) {
        if (content.at(i) == '\n')
            return QByteArrayLiteral("\n");
        if (content.at(i) == '\r')
            return i + 1 < content.size() && content.at(i + 1) == '\n' ? QByteArrayLiteral("\r\n")
                                                                       : QByteArrayLiteral("\r");
    }
    return QByteArrayLiteral("\r\n");
}

QByteArrayView trimmed(QByteArrayView v)
{
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!v.isEmpty() && blank(v.front()))
        v = v.sliced(1);
    while (!v.isEmpty() && blank(v.back()))
        v.chop(1);
    return v;
}

// A value in matching double or single quotes is read without them: a hand-edited file quotes
// a value to keep blanks at its ends, and the quotes are no part of it.
QByteArrayView unquoted(QByteArrayView v)
{
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.sliced(1, v.size() - 2);
    return v;
}

bool sameName(QByteArrayView bytes, QStringView name)
{
    return Cp1252::decode(bytes).compare(name, Qt::CaseInsensitive) == 0;
}

// The section name of a `[name]` line, or nothing.
std::optional<QByteArrayView> sectionName(QByteArrayView line)
{
    const QByteArrayView t = trimmed(line);
    if (t.size() < 2 || t.front() != '[')
        return std::nullopt;
    const qsizetype close = t.indexOf(']');
    if (close < 0)
        return std::nullopt;
    return trimmed(t.sliced(1, close - 1));
}

struct KeyValue
{
    QByteArrayView key;
    QByteArrayView value;
};

std::optional<KeyValue> keyValue(QByteArrayView line)
{
    const QByteArrayView t = trimmed(line);
    if (t.isEmpty() || t.front() == ';')
        return std::nullopt;
    const qsizetype eq = t.indexOf('=');
    if (eq < 0)
        return std::nullopt;
    return KeyValue{trimmed(t.first(eq)), trimmed(t.sliced(eq + 1))};
}

// A name or value as one line of the file: a line end inside would start a line of its own.
QByteArray oneLine(QStringView text)
{
    QByteArray bytes = Cp1252::encode(text);
    for (char &c : bytes) {
        if (isLineEndByte(c))
            c = ' ';
    }
    return bytes;
}

} // namespace

namespace IniFile {

std::optional<QString> read(const QByteArray &content, QStringView section, QStringView key)
{
    bool inSection = false;
    bool seenSection = false;
    std::optional<QString> result;
    forEachLine(content, [&](const Line &line) {
        if (const auto name = sectionName(line.text)) {
            if (seenSection && inSection)
                return false; // only the first section of that name counts
            inSection = sameName(*name, section);
            seenSection = seenSection || inSection;
            return true;
        }
        if (inSection) {
            if (const auto kv = keyValue(line.text); kv && sameName(kv->key, key)) {
                result = Cp1252::decode(unquoted(kv->value));
                return false;
            }
        }
        return true;
    });
    return result;
}

QByteArray write(const QByteArray &content, QStringView section, QStringView key, QStringView value)
{
    const QByteArray lineEnd = lineEndOf(content);
    const QByteArray entry = oneLine(key) + '=' + oneLine(value);

    bool inSection = false;
    bool found = false;
    qsizetype sectionEnd = -1; // just past the last non-blank line of the section
    std::optional<Line> replaced;
    forEachLine(content, [&](const Line &line) {
        if (const auto name = sectionName(line.text)) {
            if (found && inSection)
                return false;
            inSection = sameName(*name, section);
            if (inSection) {
                found = true;
                sectionEnd = line.end;
            }
            return true;
        }
        if (!inSection)
            return true;
        if (const auto kv = keyValue(line.text); kv && sameName(kv->key, key)) {
            replaced = line;
            return false;
        }
        if (!trimmed(line.text).isEmpty())
            sectionEnd = line.end;
        return true;
    });

    QByteArray out = content;
    // The line keeps its own line end, whatever the others use.
    if (replaced)
        return out.replace(replaced->begin, replaced->textEnd - replaced->begin, entry);

    auto endsOpenLine = [](const QByteArray &bytes, qsizetype at) {
        return at > 0 && !isLineEndByte(bytes.at(at - 1));
    };
    if (found) {
        const QByteArray insert =
            (endsOpenLine(out, sectionEnd) ? lineEnd : QByteArray()) + entry + lineEnd;
        return out.insert(sectionEnd, insert);
    }
    if (endsOpenLine(out, out.size()))
        out += lineEnd;
    out += '[' + oneLine(section) + ']' + lineEnd + entry + lineEnd;
    return out;
}

qint32 leadingNumber(QStringView value)
{
    qsizetype i = 0;
    while (i < value.size() && (value[i] == u' ' || value[i] == u'\t'))
        ++i;
    const bool negative = i < value.size() && value[i] == u'-';
    if (i < value.size() && (value[i] == u'-' || value[i] == u'+'))
        ++i;
    qint64 n = 0;
    for (; i < value.size() && value[i] >= u'0' && value[i] <= u'9'; ++i) {
        n = n * 10 + (value[i].unicode() - u'0');
        if (n > std::numeric_limits<qint32>::max())
            n = qint64(std::numeric_limits<qint32>::max()) + 1;
    }
    n = negative ? -n : n;
    if (n > std::numeric_limits<qint32>::max())
        return std::numeric_limits<qint32>::max();
    if (n < std::numeric_limits<qint32>::min())
        return std::numeric_limits<qint32>::min();
    return static_cast<qint32>(n);
}

} // namespace IniFile
