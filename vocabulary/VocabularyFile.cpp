#include "VocabularyFile.h"

#include "Cp1252.h"
#include "Language.h"
#include "Places.h"
#include "RegularFile.h"
#include "RunTimeError.h"
#include "Settings.h"
#include "TextIds.h"
#include "Utilities.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <vector>

namespace VocabularyFile {

namespace {

int sign(int v)
{
    return (v > 0) - (v < 0);
}

} // namespace

QStringList readFields(QByteArrayView bytes)
{
    return textFields(decodeText(bytes));
}

void eachField(QStringView text, QStringView separators,
               const std::function<void(QStringView)> &field)
{
    const QChar *d = text.data();
    const qsizetype n = text.size();
    // Looked up for every character of a text of up to 16 MB: a table, not a search.
    std::array<bool, 128> endsField{};
    endsField[u'\r'] = endsField[u'\n'] = true;
    std::vector<QChar> others;
    for (const QChar sep : separators) {
        if (sep.unicode() < endsField.size())
            endsField[sep.unicode()] = true;
        else
            others.push_back(sep);
    }
    const auto ends = [&](QChar c) {
        return c.unicode() < endsField.size()
                   ? endsField[c.unicode()]
                   : std::find(others.begin(), others.end(), c) != others.end();
    };
    qsizetype i = 0;
    while (i < n) {
        while (i < n && d[i] == u' ')
            ++i;
        if (i < n && d[i] == u'"') {
            const qsizetype close = text.indexOf(u'"', i + 1);
            const qsizetype end = close < 0 ? n : close;
            field(text.sliced(i + 1, end - i - 1));
            i = end < n ? end + 1 : n;
            while (i < n && !ends(d[i]))
                ++i;
        } else {
            const qsizetype start = i;
            while (i < n && !ends(d[i]))
                ++i;
            qsizetype end = i;
            while (end > start && d[end - 1] == u' ')
                --end;
            field(text.sliced(start, end - start));
        }
        if (i < n) {
            const QChar sep = d[i++];
            if (sep == u'\r' && i < n && d[i] == u'\n')
                ++i;
        }
    }
}

QStringList textFields(QStringView text)
{
    QStringList fields;
    eachField(text, u",", [&](QStringView f) { fields.append(f.toString()); });
    return fields;
}

QStringList takeUnkeepable(QStringList &entries)
{
    QStringList unkeepable;
    entries.removeIf([&](const QString &entry) {
        if (std::all_of(entry.begin(), entry.end(), Cp1252::canEncode))
            return false;
        unkeepable.append(entry);
        return true;
    });
    return unkeepable;
}

QStringList gameWords(const QStringList &fields, int minLen)
{
    // An empty entry could never be shown or solved, whatever the setting says.
    const qsizetype least = std::max(minLen, 1);
    QStringList words;
    words.reserve(fields.size());
    for (const QString &field : fields) {
        const QString plain = plainForm(field);
        if (trimBlanks(plain).size() >= least)
            words.append(plain.toUpper().replace(QStringLiteral("ß"), QStringLiteral("SS"),
                                                 Qt::CaseInsensitive));
    }
    return words;
}

QStringList editorEntries(const QStringList &fields)
{
    QStringList entries;
    entries.reserve(fields.size());
    for (const QString &field : fields) {
        QString entry = plainForm(field);
        entry.replace(u'ß', QStringLiteral("ss"));
        if (!trimBlanks(entry).isEmpty())
            entries.append(entry);
    }
    return entries;
}

QByteArray toBytes(const QStringList &entries)
{
    QByteArray bytes;
    for (const QString &entry : entries) {
        bytes += Cp1252::encode(entry);
        bytes += "\r\n";
    }
    return bytes;
}

namespace {

QString fullSortKey(const QString &entry)
{
    const QString decomposed = entry.normalized(QString::NormalizationForm_D);
    QString key;
    key.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        switch (c.category()) {
        case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining:
        case QChar::Mark_Enclosing:
            break;
        default:
            key.append(c);
        }
    }
    return key.toCaseFolded();
}

// The Latin blocks, where word lists live, key character by character from a table made once:
// a full list is sorted several times faster than through the decomposition of every entry.
constexpr char16_t kTabled = 0x250;

const QString &tabledKey(char16_t c)
{
    static const auto keys = [] {
        std::vector<QString> k(kTabled);
        for (char16_t i = 0; i < kTabled; ++i)
            k[i] = fullSortKey(QString(QChar(i)));
        return k;
    }();
    return keys[c];
}

} // namespace

QString editorSortKey(const QString &entry)
{
    QString key;
    key.reserve(entry.size());
    for (const QChar c : entry) {
        if (c.unicode() >= kTabled)
            return fullSortKey(entry);
        key.append(tabledKey(c.unicode()));
    }
    return key;
}

int editorCompare(const QString &a, const QString &b)
{
    const int byKey = QString::compare(editorSortKey(a), editorSortKey(b), Qt::CaseSensitive);
    if (byKey != 0)
        return sign(byKey);
    return sign(QString::compare(a.toCaseFolded(), b.toCaseFolded(), Qt::CaseSensitive));
}

void sortForEditor(QStringList &entries)
{
    struct Keyed
    {
        QString key;
        QString folded;
        QString entry;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(size_t(entries.size()));
    for (const QString &e : entries)
        keyed.push_back({editorSortKey(e), e.toCaseFolded(), e});
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed &x, const Keyed &y) {
        const int c = QString::compare(x.key, y.key, Qt::CaseSensitive);
        return c != 0 ? c < 0 : QString::compare(x.folded, y.folded, Qt::CaseSensitive) < 0;
    });
    for (size_t i = 0; i < keyed.size(); ++i)
        entries[qsizetype(i)] = std::move(keyed[i].entry);
}

QString languageFolder()
{
    return programFolder() + u'/' + currentLanguage().folder();
}

QStringList languageFolders()
{
    return listFolders(currentLanguage().folder());
}

QString saveFolder()
{
    return listSaveFolder(currentLanguage().folder());
}

QString listPath(const QString &name)
{
    return ::listPath(currentLanguage().folder(), name);
}

QStringList listNames(const QString &pattern)
{
    QStringList names;
    for (const QString &folder : languageFolders()) {
        // Links to lists are lists; one that leads nowhere is not shown.
        for (const QString &name : QDir(folder).entryList({pattern}, QDir::Files, QDir::Name)) {
            if (!names.contains(name))
                names.append(name);
        }
    }
    names.sort(Qt::CaseInsensitive);
    return names;
}

QString defaultFileName()
{
    return uiText(Txt::DefaultVocabFile);
}

bool isPlainFileName(const QString &name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    return std::none_of(name.begin(), name.end(), [](QChar c) {
        return c == u'/' || c == u'\\' || c.category() == QChar::Other_Control;
    });
}

QString gameFileName(const QString &vocabFile)
{
    if (!isPlainFileName(vocabFile) ||
        existingListPath(uiText(Txt::LanguageFolder), vocabFile).isEmpty())
        return defaultFileName();
    return vocabFile;
}

QString editorFileName(const QString &vocabFile)
{
    return isPlainFileName(vocabFile) ? vocabFile : defaultFileName();
}

QByteArray readFile(const QString &path)
{
    // Reading through a link only shows words of a file the user can read anyway.
    RegularFile file = readRegularFile(path, kMaxFileBytes);
    switch (file.status) {
    case RegularFile::Ok:
        return std::move(file.bytes);
    case RegularFile::Missing:
        throw RunTimeError(
            QFileInfo(path).dir().exists() ? ErrNo::FileNotFound : ErrNo::PathNotFound, path);
    case RegularFile::NotRegular:
        throw RunTimeError(ErrNo::PathFileAccess,
                           path + QStringLiteral(": ") +
                               regularFileProblem(file.status, kMaxFileBytes));
    case RegularFile::TooLarge:
        throw RunTimeError(ErrNo::InvalidFileFormat,
                           path + QStringLiteral(": ") +
                               regularFileProblem(file.status, kMaxFileBytes) +
                               QStringLiteral(", too large for a word list"));
    case RegularFile::Unreadable:
        break;
    }
    throw RunTimeError(ErrNo::PermissionDenied, path);
}

QStringList readGameWords(const QString &path, int minLen)
{
    return gameWords(readFields(readFile(path)), minLen);
}

QStringList readEditorEntries(const QString &path)
{
    return editorEntries(readFields(readFile(path)));
}

bool leadsOut(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return false;
    const QFileInfo target(info.canonicalFilePath()); // empty when it leads nowhere
    return !target.isFile() ||
           target.absolutePath() != QFileInfo(info.absolutePath()).canonicalFilePath();
}

void writeFile(const QString &path, const QStringList &entries)
{
    const QFileInfo info(path);
    if (!info.dir().exists())
        throw RunTimeError(ErrNo::PathNotFound, path);
    // Someone else's file could lie at the other end.
    if (leadsOut(path))
        throw RunTimeError(ErrNo::PathFileAccess,
                           path + QStringLiteral(": a link out of its folder"));
    // A link beside its list is the teacher's second name for it: the list is written, the
    // link stays.
    const QString target = info.isSymLink() ? info.canonicalFilePath() : path;
    if (QFileInfo(target).isDir())
        throw RunTimeError(ErrNo::PathFileAccess, path);
    // The new copy would replace a write-protected list; refuse as writing in place would, and
    // for root as well: the mark is the owner's wish.
    if (markedReadOnly(target))
        throw RunTimeError(ErrNo::PermissionDenied, path);
    QSaveFile file(target);
    // Unbuffered: a buffered QSaveFile commits a short write (file size limit, full disk) as
    // if it had succeeded; written directly, the short count shows.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw RunTimeError(ErrNo::PermissionDenied, path);
    const QByteArray bytes = toBytes(entries);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        throw RunTimeError(ErrNo::DeviceIoError, path);
    }
    if (!file.commit())
        throw RunTimeError(ErrNo::DeviceIoError, path);
}

} // namespace VocabularyFile
