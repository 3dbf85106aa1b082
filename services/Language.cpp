#include "Language.h"

#include "ErrorConvention.h"
#include "IniFile.h"
#include "RegularFile.h"
#include "Settings.h"
#include "TextIds.h"

namespace {

Language g_language;

QString &langPathSlot()
{
    static QString path;
    return path;
}

QByteArray &heldTable()
{
    static QByteArray table;
    return table;
}

// The program writes the table itself and it is far smaller; anything larger is not it.
constexpr qint64 kMaxTableBytes = 1024 * 1024;

constexpr qsizetype kMaxText = 254;

// What a locale's language id is made of: the primary id of each language and the sub-language
// of some territories (the first start tells German from German-speaking territories by it); a
// territory not listed gets the language's default sub-language 1.
struct LanguageIds
{
    QLocale::Language language;
    int primary;
    struct Sub
    {
        QLocale::Territory territory;
        int sub;
    } subs[8];
};

constexpr LanguageIds kLanguageIds[] = {
    {QLocale::German,
     0x07,
     {{QLocale::Germany, 1},
      {QLocale::Switzerland, 2},
      {QLocale::Austria, 3},
      {QLocale::Luxembourg, 4},
      {QLocale::Liechtenstein, 5}}},
    {QLocale::English,
     0x09,
     {{QLocale::UnitedStates, 1},
      {QLocale::UnitedKingdom, 2},
      {QLocale::Australia, 3},
      {QLocale::Canada, 4},
      {QLocale::NewZealand, 5},
      {QLocale::Ireland, 6},
      {QLocale::SouthAfrica, 7}}},
    {QLocale::Swedish, 0x1D, {{QLocale::Sweden, 1}, {QLocale::Finland, 2}}},
    {QLocale::Italian, 0x10, {{QLocale::Italy, 1}, {QLocale::Switzerland, 2}}},
    {QLocale::Portuguese, 0x16, {{QLocale::Brazil, 1}, {QLocale::Portugal, 2}}},
    {QLocale::Spanish,
     0x0A,
     {{QLocale::Spain, 3}, {QLocale::Mexico, 2}, {QLocale::Argentina, 11}, {QLocale::Chile, 13}}},
    {QLocale::French,
     0x0C,
     {{QLocale::France, 1},
      {QLocale::Belgium, 2},
      {QLocale::Canada, 3},
      {QLocale::Switzerland, 4},
      {QLocale::Luxembourg, 5}}},
    // The POSIX "C" locale speaks US English.
    {QLocale::C, 0x09, {}},
    {QLocale::Dutch, 0x13, {{QLocale::Netherlands, 1}, {QLocale::Belgium, 2}}},
    {QLocale::Danish, 0x06, {}},
    {QLocale::NorwegianBokmal, 0x14, {}},
    {QLocale::Finnish, 0x0B, {}},
    {QLocale::Polish, 0x15, {}},
    {QLocale::Czech, 0x05, {}},
    {QLocale::Hungarian, 0x0E, {}},
    {QLocale::Greek, 0x08, {}},
    {QLocale::Turkish, 0x1F, {}},
    {QLocale::Russian, 0x19, {}},
    {QLocale::Japanese, 0x11, {}},
    {QLocale::Chinese, 0x04, {{QLocale::Taiwan, 1}, {QLocale::China, 2}}},
    {QLocale::Arabic, 0x01, {}},
};

} // namespace

Language currentLanguage()
{
    return g_language;
}

void setCurrentLanguage(Language language)
{
    g_language = language;
}

QString Language::text(int id) const
{
    return GetLang(base() + id);
}

QString Language::folder() const
{
    return text(Txt::LanguageFolder);
}

QString Language::ownName() const
{
    static constexpr const char16_t *kNames[kLanguageCount] = {
        u"Deutsch", u"English", u"Svenska", u"Italiano", u"Portuguesa", u"Español", u"Français"};
    return QString::fromUtf16(kNames[m_index]);
}

QString langFilePath()
{
    return langPathSlot();
}

void setLangFilePath(const QString &path)
{
    langPathSlot() = path;
}

void holdLanguageTable(const QByteArray &table)
{
    heldTable() = table;
}

QString langText(const QByteArray &table, int n)
{
    const QString key = QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
    return IniFile::read(table, u"Lang", key).value_or(QString()).left(kMaxText).trimmed();
}

QString GetLang(int n)
{
    QString result;
    Procedure proc(Proc::Allgemein::GetLang);
    proc.step([&] {
        const RegularFile file = readRegularFile(langFilePath(), kMaxTableBytes);
        if (file.status == RegularFile::Ok)
            result = langText(file.bytes, n);
        // A file cut short or replaced behind the program's back lacks texts the held one has.
        if (result.isEmpty() && !heldTable().isEmpty())
            result = langText(heldTable(), n);
    });
    return result;
}

QString uiText(int id)
{
    return currentLanguage().text(id);
}

QString windowsLanguageId(const QLocale &locale)
{
    for (const LanguageIds &ids : kLanguageIds) {
        if (ids.language != locale.language())
            continue;
        int sub = 1;
        for (const auto &s : ids.subs) {
            if (s.sub != 0 && s.territory == locale.territory()) {
                sub = s.sub;
                break;
            }
        }
        return QStringLiteral("%1")
            .arg((sub << 10) | ids.primary, 4, 16, QLatin1Char('0'))
            .toUpper();
    }
    return QStringLiteral("0000");
}

Language languageForLanguageId(const QString &languageId)
{
    return Language::fromIndex(languageId.left(4) == u"0407" ? 0 : 1);
}
