// How the bytes of a list become text, and an entry its plain form.
#include "VocabularyFile.h"

#include "Cp1252.h"

#include <QStringDecoder>

#include <algorithm>

namespace VocabularyFile {

namespace {

// Valid UTF-8 holding at least one multi-byte sequence. A Windows-1252 list fails at its first
// accented letter, so this look costs next to nothing for it.
bool isUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const auto *end = p + bytes.size();
    bool multi = false;
    while (p < end) {
        const uchar b = *p;
        if (b < 0x80) {
            ++p;
            continue;
        }
        int more = 0;
        uchar least = 0x80; // the second byte's bounds rule out overlong forms and surrogates
        uchar most = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            more = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            more = 2;
            least = b == 0xE0 ? 0xA0 : 0x80;
            most = b == 0xED ? 0x9F : 0xBF;
        } else if (b >= 0xF0 && b <= 0xF4) {
            more = 3;
            least = b == 0xF0 ? 0x90 : 0x80;
            most = b == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (end - p <= more || p[1] < least || p[1] > most)
            return false;
        for (int k = 2; k <= more; ++k) {
            if (p[k] < 0x80 || p[k] > 0xBF)
                return false;
        }
        p += more + 1;
        multi = true;
    }
    return multi;
}

} // namespace

QString decodeText(QByteArrayView bytes)
{
    // UTF-16 always carries its mark here: what a desktop editor saves as "Unicode".
    constexpr auto kStrict =
        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes.front() == '\xFF' ? QStringConverter::Utf16LE
                                                     : QStringConverter::Utf16BE,
                             kStrict);
        QString text = utf16.decode(bytes.sliced(2));
        // A byte left over at the end is no character: it reads as the other unreadable ones,
        // so that a broken file never looks empty.
        if (bytes.size() % 2 != 0 && !text.endsWith(QChar::ReplacementCharacter))
            text.append(QChar::ReplacementCharacter);
        return text;
    }
    static constexpr char kMark[] = "\xEF\xBB\xBF";
    const bool marked = bytes.startsWith(kMark);
    if (!marked && !isUtf8(bytes))
        return Cp1252::decode(bytes); // ASCII reads the same either way
    // Stateless: a sequence cut off at the end is an error, not something held back.
    QStringDecoder utf8(QStringConverter::Utf8, kStrict);
    return utf8.decode(bytes.sliced(marked ? 3 : 0));
}

bool isPlain(QStringView text)
{
    // Below U+0300 only the no-break space and ʼ have another form: the common case costs one
    // pass.
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() >= 0x300 || c.unicode() == 0xA0 || c.unicode() == 0x2BC;
    });
}

QString plainForm(QStringView text)
{
    if (isPlain(text))
        return text.toString();
    QString composed = text.toString();
    // Below U+0300 nothing composes; a decomposed é (as some systems save it) does.
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x300; }))
        composed = composed.normalized(QString::NormalizationForm_C);
    QString plain;
    plain.reserve(composed.size());
    for (const QChar c : std::as_const(composed)) {
        switch (c.unicode()) {
        case 0x2018: // ‘ ’ ‚ ‛ ′ ʼ and the full-width apostrophe
        case 0x2019:
        case 0x201A:
        case 0x201B:
        case 0x2032:
        case 0x02BC:
        case 0xFF07:
            plain.append(u'\'');
            break;
        case 0x1E9E: // ẞ
            plain.append(QStringLiteral("SS"));
            break;
        default:
            plain.append(c.category() == QChar::Separator_Space ? QChar(u' ') : c);
        }
    }
    return plain;
}

} // namespace VocabularyFile
