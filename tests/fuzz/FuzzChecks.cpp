#include "FuzzChecks.h"

#include "Cp1252.h"
#include "Encrypt.h"
#include "IniFile.h"
#include "Language.h"
#include "NewFileName.h"
#include "PasswordLock.h"
#include "Sound.h"
#include "VocabularyFile.h"

#include <QList>
#include <QMap>
#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace FuzzChecks {

namespace {

// Each check gives nullptr when its properties hold for the input, else what went wrong.
using Broken = const char *;

// The input cut at its first `count` 0x1F bytes; the last part keeps any further ones.
QList<QByteArrayView> parts(QByteArrayView input, int count)
{
    QList<QByteArrayView> out;
    for (qsizetype at; out.size() < count && (at = input.indexOf('\x1f')) >= 0;) {
        out << input.first(at);
        input = input.sliced(at + 1);
    }
    return out << input;
}

struct Rule
{
    bool broken;
    Broken what;
};

Broken first(std::initializer_list<Rule> rules)
{
    for (const Rule &rule : rules) {
        if (rule.broken)
            return rule.what;
    }
    return nullptr;
}

// What a name or value must not match to come back from its line of a file as it was.
const QRegularExpression kUnholdableSection(u"[\r\n\\]]|^[ \t]|[ \t]$"_s);
const QRegularExpression kUnholdableKey(u"^$|[\r\n=]|^[ \t;[]|[ \t]$"_s);
const QRegularExpression kUnholdableValue(u"[\r\n]|^[ \t]|[ \t]$|^([\"']).*\\1$"_s);
// A field or entry with a separator inside, or one that a line of the file cannot hold.
const QRegularExpression kSeparatorInside(u"[,\r\n]|^ | $"_s);
const QRegularExpression kUnholdableEntry(u"[,\r\n]|^[ \"]| $"_s);

// A name first when the input holds a 0x1F byte ("name" 0x1F "content"), else the program's.
Broken iniRead(QByteArrayView input)
{
    const QList<QByteArrayView> p = parts(input, 1);
    const QByteArray content = p.last().toByteArray();
    QStringList keys{u"Sound"_s, u"Spieler1"_s};
    if (p.size() == 2)
        keys.prepend(Cp1252::decode(p.first()));
    for (const QString &section : {u"Einstellungen"_s, u"Optionen"_s}) {
        for (const QString &key : std::as_const(keys)) {
            const auto value = IniFile::read(content, section, key);
            if (value && (value->contains(u'\r') || value->contains(u'\n')))
                return "a value holds a line end";
            IniFile::leadingNumber(value.value_or(QString()));
        }
    }
    return nullptr;
}

// section 0x1F key 0x1F value 0x1F content.
Broken iniWrite(QByteArrayView input)
{
    const QList<QByteArrayView> p = parts(input, 3);
    if (p.size() < 4)
        return nullptr;
    // Names the program could never use are swapped for ones it does, so that the input still
    // tells where and what to write.
    QString section = Cp1252::decode(p[0]);
    QString key = Cp1252::decode(p[1]);
    if (kUnholdableSection.match(section).hasMatch())
        section = u"Einstellungen"_s;
    if (kUnholdableKey.match(key).hasMatch())
        key = u"Spieler1"_s;
    const QString value = Cp1252::decode(p[2]);
    const QByteArray before = p[3].toByteArray();
    const QByteArray after = IniFile::write(before, section, key, value);
    if (!kUnholdableValue.match(value).hasMatch() && IniFile::read(after, section, key) != value)
        return "the value written does not read back";
    if (!IniFile::read(after, section, key))
        return "the key written is missing";
    return nullptr;
}

// The first two bytes choose the text number.
Broken langTextCheck(QByteArrayView input)
{
    const int n = input.size() < 2 ? 0 : (quint8(input[0]) << 8 | quint8(input[1])) % 10000;
    const QString text = langText(input.sliced(qMin<qsizetype>(2, input.size())).toByteArray(), n);
    return first({{text.size() > 254, "a text longer than 254 characters"},
                  {text != text.trimmed(), "a text with blanks at an end"}});
}

Broken readFieldsCheck(QByteArrayView input)
{
    const QStringList fields = VocabularyFile::readFields(input);
    const auto separatorInside = [](const QString &f) {
        return kSeparatorInside.match(f).hasMatch();
    };
    // A byte-order mark alone is an empty UTF-8 or UTF-16 list.
    const bool empty =
        input.isEmpty() || input == "\xEF\xBB\xBF" || input == "\xFF\xFE" || input == "\xFE\xFF";
    return first(
        {{fields.size() > input.count(',') + input.count('\r') + input.count('\n') + 1,
          "more fields than separators"},
         {empty != fields.isEmpty(), "fields from nothing, or none from something"},
         {!input.contains('"') && std::any_of(fields.cbegin(), fields.cend(), separatorInside),
          "an unquoted field holds a separator"}});
}

// The first byte chooses the minimum length. What the game and the editor take from the fields
// is shown on hostile fields by their unit tests.
Broken wordEntriesCheck(QByteArrayView input)
{
    const QStringList fields =
        VocabularyFile::readFields(input.sliced(qMin<qsizetype>(1, input.size())));
    VocabularyFile::gameWords(fields, input.isEmpty() ? 0 : quint8(input[0]) % 13);
    VocabularyFile::editorEntries(fields);
    return nullptr;
}

// Entries separated by 0x1F; reading the bytes back gives the entries the format can hold.
Broken toBytesCheck(QByteArrayView input)
{
    QStringList entries;
    QStringList holdable;
    for (QByteArrayView part : parts(input, int(input.size()))) {
        if (!kUnholdableEntry.match(entries.emplace_back(Cp1252::decode(part))).hasMatch())
            holdable << entries.last();
    }
    // Bytes that happen to be valid UTF-8 with a multi-byte sequence (Ã¤) read as UTF-8.
    const auto readsBack = [](const QStringList &list) {
        const QByteArray b = VocabularyFile::toBytes(list);
        return VocabularyFile::decodeText(b) != Cp1252::decode(b) ||
               VocabularyFile::readFields(b) == list;
    };
    return first(
        {{holdable.size() == entries.size() && !readsBack(entries), "entries do not read back"},
         {!readsBack(holdable), "holdable entries do not read back"},
         {!entries.isEmpty() && !VocabularyFile::toBytes(entries).endsWith("\r\n"),
          "the last line has no line end"}});
}

Broken parseWavCheck(QByteArrayView input)
{
    const std::optional<WavInfo> info = parseWav(input);
    if (!info)
        return nullptr; // refused: nothing is played
    return first(
        {{info->dataOffset < 12 || info->dataSize < 0 ||
              info->dataOffset + info->dataSize > input.size(),
          "samples outside the bytes"},
         {info->sampleRate <= 0 || info->sampleRate > 192000, "a sample rate out of range"}});
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

// The editor's checks of a typed name; what they let through is shown by its unit tests.
Broken newFileNameCheck(QByteArrayView input)
{
    for (const QString &typed : typedTexts(input))
        NewFileName::usable(NewFileName::withExtension(typed));
    return nullptr;
}

Broken passwordCheck(QByteArrayView input)
{
    for (const QString &password : typedTexts(input)) {
        const QString scrambled = Encrypt(password, kPasswordKey);
        if (Encrypt(scrambled, kPasswordKey) != password)
            return "scrambling twice does not give the password";
        PasswordLock::refusal(password);
    }
    return nullptr;
}

const QMap<QString, Broken (*)(QByteArrayView)> kChecks{{u"ini_read"_s, iniRead},
                                                        {u"ini_write"_s, iniWrite},
                                                        {u"lang_text"_s, langTextCheck},
                                                        {u"read_fields"_s, readFieldsCheck},
                                                        {u"word_entries"_s, wordEntriesCheck},
                                                        {u"to_bytes"_s, toBytesCheck},
                                                        {u"parse_wav"_s, parseWavCheck},
                                                        {u"new_file_name"_s, newFileNameCheck},
                                                        {u"password"_s, passwordCheck}};

} // namespace

QStringList names()
{
    return kChecks.keys();
}

QString check(const QString &name, QByteArrayView input)
{
    const auto run = kChecks.value(name);
    const Broken broken = run ? run(input) : "no such check";
    if (!broken)
        return QString();
    return QString::fromUtf8(broken) + u": "_s +
           QString::fromLatin1(input.toByteArray().toPercentEncoding(" []=;\"'"));
}

} // namespace FuzzChecks
