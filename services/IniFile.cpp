#include "IniFile.h"

#include "Cp1252.h"

#include <limits>

namespace {

// One line of the file, without its line end; `end` is the offset just past its line end.
struct Line
{
    QByteArrayView text;
    qsizetype begin;
    qsizetype end;
};

template <typename F> void forEachLine(const QByteArray &content, F &&f)
{
    qsizetype pos = 0;
    while (pos < content.size()) {
        qsizetype nl = content.indexOf('\n', pos);
        const qsizetype next = nl < 0 ? content.size() : nl + 1;
        qsizetype stop = nl < 0 ? content.size() : nl;
        if (stop > pos && content.at(stop - 1) == '\r')
            --stop;
        if (!f(Line{QByteArrayView(content).sliced(pos, stop - pos), pos, next}))
            return;
        pos = next;
    }
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
                result = Cp1252::decode(kv->value);
                return false;
            }
        }
        return true;
    });
    return result;
}

QByteArray write(const QByteArray &content, QStringView section, QStringView key, QStringView value)
{
    const QByteArray newLine =
        Cp1252::encode(key) + '=' + Cp1252::encode(value) + QByteArrayLiteral("\r\n");

    bool inSection = false;
    bool found = false;
    qsizetype sectionEnd = -1; // just past the last non-blank line of the section
    qsizetype replaceBegin = -1;
    qsizetype replaceEnd = -1;
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
            replaceBegin = line.begin;
            replaceEnd = line.end;
            return false;
        }
        if (!trimmed(line.text).isEmpty())
            sectionEnd = line.end;
        return true;
    });

    QByteArray out = content;
    if (replaceBegin >= 0)
        return out.replace(replaceBegin, replaceEnd - replaceBegin, newLine);

    auto endsOpenLine = [](const QByteArray &bytes, qsizetype at) {
        return at > 0 && bytes.at(at - 1) != '\n';
    };
    if (found) {
        const QByteArray insert = endsOpenLine(out, sectionEnd) ? "\r\n" + newLine : newLine;
        return out.insert(sectionEnd, insert);
    }
    if (endsOpenLine(out, out.size()))
        out += "\r\n";
    out += '[' + Cp1252::encode(section) + "]\r\n" + newLine;
    return out;
}

qint32 leadingNumber(QStringView value)
{
    qsizetype i = 0;
    while (i < value.size() && (value[i] == u' ' || value[i] == u'\t'))
        ++i;
    const bool negative = i < value.size() && value[i] == u'-';
    if (negative)
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
