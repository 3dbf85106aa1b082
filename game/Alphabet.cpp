#include "Alphabet.h"

#include "Language.h"

#include <algorithm>

namespace Alphabet {

namespace {

constexpr NationalSlot kHidden{0, 0};

const std::array<NationalSlots, kLanguageCount> kNational = {{
    {{{u'Ä', 26}, {u'Ö', 27}, {u'Ü', 28}}}, // German
    {{kHidden, kHidden, kHidden}},          // English
    {{{u'Ä', 26}, {u'Ö', 27}, {u'Å', 30}}}, // Swedish
    {{kHidden, kHidden, kHidden}},          // Italian
    {{{u'Ã', 31}, {u'Õ', 32}, {u'Ç', 34}}}, // Portuguese
    {{{u'Ñ', 33}, kHidden, kHidden}},       // Spanish
    {{{u'Ç', 34}, kHidden, kHidden}},       // French
}};

const std::array<VowelForms, 5> kVowels = {{
    {0, {{{u'Á', 35}, {u'À', 36}, {u'Â', 37}}}},
    {4, {{{u'É', 38}, {u'È', 39}, {u'Ê', 40}}}},
    {8, {{{u'Í', 41}, {u'Ì', 42}, {u'Î', 43}}}},
    {14, {{{u'Ó', 44}, {u'Ò', 45}, {u'Ô', 46}}}},
    {20, {{{u'Ú', 47}, {u'Ù', 48}, {u'Û', 49}}}},
}};

struct CellOf
{
    char16_t letter;
    int cell;
};
constexpr CellOf kOtherCells[] = {
    {u'Ä', 26}, {u'Ö', 27}, {u'Ü', 28}, {u'Å', 30},  {u'Ã', 31},
    {u'Õ', 32}, {u'Ñ', 33}, {u'Ç', 34}, {u'\'', 50}, {u'-', 51},
};

} // namespace

const NationalSlots &nationalSlots(int languageDigit)
{
    return kNational.at(languageDigit >= 0 && languageDigit < kLanguageCount ? languageDigit : 0);
}

const std::array<VowelForms, 5> &vowelForms()
{
    return kVowels;
}

std::optional<int> cellOf(QChar upper)
{
    if (upper >= u'A' && upper <= u'Z')
        return upper.unicode() - u'A';
    for (const CellOf &c : kOtherCells) {
        if (c.letter == upper)
            return c.cell;
    }
    for (const VowelForms &v : kVowels) {
        for (const AccentedForm &f : v.forms) {
            if (f.letter == upper)
                return f.cell;
        }
    }
    return std::nullopt;
}

QChar characterOfCell(int cell)
{
    if (cell >= 0 && cell < 26)
        return QChar(u'A' + cell);
    for (const CellOf &c : kOtherCells) {
        if (c.cell == cell)
            return QChar(c.letter);
    }
    for (const VowelForms &v : kVowels) {
        for (const AccentedForm &f : v.forms) {
            if (f.cell == cell)
                return QChar(f.letter);
        }
    }
    return {};
}

bool isSolvable(const QString &entry, int languageDigit)
{
    const NationalSlots &national = nationalSlots(languageDigit);
    for (const QChar ch : entry.toUpper()) {
        if (ch == u' ' || ch == u'\'' || ch == u'-' || (ch >= u'A' && ch <= u'Z'))
            continue;
        bool ok = false;
        for (const NationalSlot &s : national)
            ok = ok || (s.letter != 0 && s.letter == ch);
        for (const VowelForms &v : kVowels) {
            for (const AccentedForm &f : v.forms)
                ok = ok || f.letter == ch;
        }
        if (!ok)
            return false;
    }
    return true;
}

bool isPlayable(const QString &entry, int languageDigit)
{
    const bool anyLetter = std::any_of(
        entry.cbegin(), entry.cend(), [](QChar c) { return c != u' ' && c != u'\'' && c != u'-'; });
    return anyLetter && isSolvable(entry, languageDigit);
}

} // namespace Alphabet
