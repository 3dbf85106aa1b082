#include "FuzzChecks.h"

#include "Cp1252.h"
#include "Encrypt.h"
#include "IniFile.h"
#include "Language.h"
#include "NewFileName.h"
#include "PasswordLock.h"
#include "Sound.h"
#include "Utilities.h"
#include "VocabularyFile.h"

#include <QDir>
#include <QList>

#include <algorithm>
#include <utility>

namespace FuzzChecks {

namespace {

constexpr char kSeparator = '\x1f';

// The input cut at its first `count` separators; the last part keeps any further ones.
QList<QByteArrayView> parts(QByteArrayView input, int count)
{
    QList<QByteArrayView> out;
    while (out.size() < count) {
        const qsizetype at = input.indexOf(kSeparator);
        if (at < 0)
            break;
        out << input.first(at);
        input = input.sliced(at + 1);
    }
    out << input;
    return out;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool hasLineEnd(QStringView s)
{
    return s.contains(u'\r') || s.contains(u'\n');
}

// A section name the file can hold: it comes back from a `[name]` line as it was.
bool holdableSection(QStringView s)
{
    return !hasLineEnd(s) && !s.contains(u']') &&
           (s.isEmpty() || (!isBlank(s.front()) && !isBlank(s.back())));
}

// A key the file can hold: it comes back from a `key=value` line as it was.
bool holdableKey(QStringView k)
{
    return !k.isEmpty() && !hasLineEnd(k) && !k.contains(u'=') && !isBlank(k.front()) &&
           !isBlank(k.back()) && k.front() != u';' && k.front() != u'[';
}

// A value the file can hold: no line end, no blanks at the ends, not in matching quotes.
bool holdableValue(QStringView v)
{
    if (hasLineEnd(v))
        return false;
    if (!v.isEmpty() && (isBlank(v.front()) || isBlank(v.back())))
        return false;
    return !(v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front());
}

QString show(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes.toByteArray().toPercentEncoding(" []=;\"'"));
}

// Every section and key name that appears in a file, a bounded number of each.
std::pair<QStringList, QStringList> namesIn(const QByteArray &content)
{
    QStringList sections{QString()};
    QStringList keys;
    const QString text = Cp1252::decode(content);
    qsizetype pos = 0;
    while (pos < text.size() && (sections.size() < 40 || keys.size() < 40)) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        const QString line = text.mid(pos, end - pos).trimmed();
        if (line.startsWith(u'[') && line.contains(u']')) {
            if (sections.size() < 40)
                sections << line.mid(1, line.indexOf(u']') - 1).trimmed();
        } else if (line.contains(u'=') && keys.size() < 40) {
            keys << line.left(line.indexOf(u'=')).trimmed();
        }
        pos = end + 1;
    }
    return {sections, keys};
}

QString iniRead(QByteArrayView input)
{
    const QList<QByteArrayView> p = parts(input, 1);
    const QByteArray content = p.last().toByteArray();
    QStringList keys{QStringLiteral("Sound"), QStringLiteral("Spieler1")};
    if (p.size() == 2)
        keys.prepend(Cp1252::decode(p.first()));
    for (const QString &section : {QStringLiteral("Einstellungen"), QStringLiteral("Optionen")}) {
        for (const QString &key : std::as_const(keys)) {
            const auto value = IniFile::read(content, section, key);
            if (!value)
                continue;
            if (hasLineEnd(*value))
                return QStringLiteral("a value holds a line end: ") + show(input);
            if (IniFile::read(content, section.toUpper(), key.toLower()) != value)
                return QStringLiteral("names are not matched without case: ") + show(input);
            IniFile::leadingNumber(*value);
        }
    }
    return QString();
}

QString iniWrite(QByteArrayView input)
{
    const QList<QByteArrayView> p = parts(input, 3);
    if (p.size() < 4)
        return QString();
    QString section = Cp1252::decode(p[0]);
    QString key = Cp1252::decode(p[1]);
    const QString value = Cp1252::decode(p[2]);
    const QByteArray before = p[3].toByteArray();
    // Names the program could never use are swapped for ones it does, so that the input still
    // tells where and what to write.
    if (!holdableSection(section))
        section = QStringLiteral("Einstellungen");
    if (!holdableKey(key))
        key = QStringLiteral("Spieler1");

    const QByteArray after = IniFile::write(before, section, key, value);
    if (holdableValue(value) && IniFile::read(after, section, key) != value)
        return QStringLiteral("the value written does not read back: ") + show(input);
    if (!IniFile::read(after, section, key))
        return QStringLiteral("the key written is missing: ") + show(input);

    const auto [sections, keys] = namesIn(before);
    for (const QString &s : sections) {
        for (const QString &k : keys) {
            const bool same = s.compare(section, Qt::CaseInsensitive) == 0 &&
                              k.compare(key, Qt::CaseInsensitive) == 0;
            if (!same && IniFile::read(after, s, k) != IniFile::read(before, s, k))
                return QStringLiteral("another key changed (%1/%2): ").arg(s, k) + show(input);
        }
    }
    return QString();
}

QString langTextCheck(QByteArrayView input)
{
    if (input.size() < 2)
        return QString();
    const int n = (quint8(input[0]) << 8 | quint8(input[1])) % 10000;
    const QString text = langText(input.sliced(2).toByteArray(), n);
    if (text.size() > 254)
        return QStringLiteral("a text longer than 254 characters: ") + show(input);
    if (text != text.trimmed())
        return QStringLiteral("a text with blanks at an end: ") + show(input);
    return QString();
}

QString readFieldsCheck(QByteArrayView input)
{
    const QStringList fields = VocabularyFile::readFields(input);
    const qsizetype separators = input.count(',') + input.count('\r') + input.count('\n');
    if (fields.size() > separators + 1)
        return QStringLiteral("more fields than separators: ") + show(input);
    // A byte-order mark alone is an empty UTF-8 list.
    const QByteArrayView body = input.startsWith("\xEF\xBB\xBF") ? input.sliced(3) : input;
    if (body.isEmpty() != fields.isEmpty())
        return QStringLiteral("fields from nothing, or none from something: ") + show(input);
    if (!input.contains('"')) {
        for (const QString &f : fields) {
            if (f.contains(u',') || hasLineEnd(f) || f.startsWith(u' ') || f.endsWith(u' '))
                return QStringLiteral("an unquoted field holds a separator: ") + show(input);
        }
    }
    return QString();
}

QString gameWordsCheck(QByteArrayView input)
{
    if (input.isEmpty())
        return QString();
    const int minLen = quint8(input[0]) % 13;
    const QStringList fields = VocabularyFile::readFields(input.sliced(1));
    const QStringList words = VocabularyFile::gameWords(fields, minLen);
    if (words.size() > fields.size())
        return QStringLiteral("more words than fields: ") + show(input);
    for (const QString &w : words) {
        if (trimBlanks(w).size() < std::max(minLen, 1))
            return QStringLiteral("a word shorter than the minimum: ") + show(input);
        if (w.contains(u'ß') || w != w.toUpper())
            return QStringLiteral("a word not in upper case: ") + show(input);
    }
    return QString();
}

QString editorEntriesCheck(QByteArrayView input)
{
    const QStringList fields = VocabularyFile::readFields(input);
    const QStringList entries = VocabularyFile::editorEntries(fields);
    if (entries.size() > fields.size())
        return QStringLiteral("more entries than fields: ") + show(input);
    for (const QString &e : entries) {
        if (e.contains(u'ß') || trimBlanks(e).isEmpty())
            return QStringLiteral("an entry with ß or of blanks only: ") + show(input);
    }
    return QString();
}

// An entry that a line of the file gives back as it was.
bool holdableEntry(QStringView e)
{
    return !e.contains(u',') && !hasLineEnd(e) && !e.startsWith(u' ') && !e.endsWith(u' ') &&
           !e.startsWith(u'"');
}

QString toBytesCheck(QByteArrayView input)
{
    QStringList entries;
    for (QByteArrayView part : parts(input, int(input.size())))
        entries << Cp1252::decode(part);
    const QByteArray bytes = VocabularyFile::toBytes(entries);
    QStringList holdable;
    std::copy_if(entries.cbegin(), entries.cend(), std::back_inserter(holdable),
                 [](const QString &e) { return holdableEntry(e); });
    // Bytes that happen to be valid UTF-8 with a multi-byte sequence (Ã¤) read as UTF-8.
    const auto readAs1252 = [](const QByteArray &b) {
        return VocabularyFile::decodeText(b) == Cp1252::decode(b);
    };
    if (holdable.size() == entries.size() && readAs1252(bytes) &&
        VocabularyFile::readFields(bytes) != entries)
        return QStringLiteral("entries do not read back: ") + show(input);
    const QByteArray only = VocabularyFile::toBytes(holdable);
    if (readAs1252(only) && VocabularyFile::readFields(only) != holdable)
        return QStringLiteral("holdable entries do not read back: ") + show(input);
    if (!entries.isEmpty() && !bytes.endsWith("\r\n"))
        return QStringLiteral("the last line has no line end: ") + show(input);
    return QString();
}

QString parseWavCheck(QByteArrayView input)
{
    const auto info = parseWav(input);
    if (!info)
        return QString();
    if (info->dataOffset < 12 || info->dataSize < 0 ||
        info->dataOffset + info->dataSize > input.size())
        return QStringLiteral("samples outside the bytes: ") + show(input);
    if (info->sampleRate <= 0 || info->sampleRate > 192000)
        return QStringLiteral("a sample rate out of range: ") + show(input);
    return QString();
}

// What a teacher may type: the bytes as Windows-1252 and, where they are UTF-8, as that.
QStringList typedTexts(QByteArrayView input)
{
    QStringList texts{Cp1252::decode(input)};
    const QString utf8 = QString::fromUtf8(input);
    if (!utf8.contains(QChar::ReplacementCharacter) && utf8 != texts.first())
        texts << utf8;
    return texts;
}

QString newFileNameCheck(QByteArrayView input)
{
    const QString folder = QStringLiteral("/quendo/deutsch");
    for (const QString &typed : typedTexts(input)) {
        // As the editor makes it: ".dat" added, and no file at all for an empty name.
        const QString name = NewFileName::withExtension(typed);
        if (name.size() <= 4 || !NewFileName::usable(name))
            continue;
        const QString path = QDir::cleanPath(folder + u'/' + name);
        if (!path.startsWith(folder + u'/') || path.indexOf(u'/', folder.size() + 1) >= 0)
            return QStringLiteral("a name that leaves the language folder: ") + show(input);
        if (std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 32; }))
            return QStringLiteral("a name with a control character: ") + show(input);
        const QByteArray stored = IniFile::write({}, u"Einstellungen", u"Datei0", name);
        if (IniFile::read(stored, u"Einstellungen", u"Datei0") != name)
            return QStringLiteral("a name the settings file changes: ") + show(input);
    }
    return QString();
}

QString passwordCheck(QByteArrayView input)
{
    for (const QString &password : typedTexts(input)) {
        const QString scrambled = Encrypt(password, kPasswordKey);
        if (Encrypt(scrambled, kPasswordKey) != password)
            return QStringLiteral("scrambling twice does not give the password: ") + show(input);
        if (password.isEmpty() || PasswordLock::refusal(password) != PasswordLock::Refusal::None)
            continue;
        // A password the lock takes must come back from the file as it was scrambled, or the
        // teacher would be locked out.
        const QByteArray stored = IniFile::write({}, u"Einstellungen", u"passw", scrambled);
        const QString read =
            IniFile::read(stored, u"Einstellungen", u"passw").value_or(QString()).left(254);
        if (read != scrambled)
            return QStringLiteral("a password taken that does not read back: ") + show(input);
    }
    return QString();
}

struct Named
{
    const char *name;
    Check check;
};

constexpr Named kChecks[] = {
    {"ini_read", iniRead},
    {"ini_write", iniWrite},
    {"lang_text", langTextCheck},
    {"read_fields", readFieldsCheck},
    {"game_words", gameWordsCheck},
    {"editor_entries", editorEntriesCheck},
    {"to_bytes", toBytesCheck},
    {"parse_wav", parseWavCheck},
    {"new_file_name", newFileNameCheck},
    {"password", passwordCheck},
};

} // namespace

QStringList names()
{
    QStringList out;
    for (const Named &n : kChecks)
        out << QString::fromLatin1(n.name);
    return out;
}

Check checkNamed(const QString &name)
{
    for (const Named &n : kChecks) {
        if (name == QLatin1StringView(n.name))
            return n.check;
    }
    return nullptr;
}

} // namespace FuzzChecks
