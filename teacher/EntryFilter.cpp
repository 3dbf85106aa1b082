#include "EntryFilter.h"

#include "Cp1252.h"

#include <array>

namespace EntryFilter {

namespace {

const QString kLetters = QStringLiteral("ÄÖÜÅÑÇÕÃÁÀÂÉÈÊÍÌÎÓÒÔÚÙÛ'-");

bool isEntryCharacter(QChar c)
{
    // ı and ſ have the upper-case forms I and S, but no byte of their own.
    const QChar upper = c.toUpper();
    return Cp1252::canEncode(c) &&
           ((upper >= u'A' && upper <= u'Z') || kLetters.contains(upper) || c == u' ');
}

template <typename Keep> QString kept(const QString &text, Keep keep)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (keep(c))
            out.append(c);
    }
    return out;
}

// Characters before the cursor that go take the cursor back with them.
template <typename Filter> void refilter(QString &input, int &pos, Filter filter)
{
    const QString before = filter(input.left(pos));
    input = before + filter(input.mid(pos));
    pos = int(before.size());
}

} // namespace

bool allows(QChar c)
{
    // A pasted list asks this of every character: Latin-1 from a table made once.
    static const auto latin1 = [] {
        std::array<bool, 256> table{};
        for (char16_t u = 0; u < 256; ++u)
            table[u] = isEntryCharacter(QChar(u));
        return table;
    }();
    return c.unicode() < 256 ? latin1[c.unicode()] : isEntryCharacter(c);
}

QString filtered(const QString &text)
{
    return kept(text, isEntryCharacter);
}

QString keepable(const QString &text)
{
    return kept(text, Cp1252::canEncode);
}

} // namespace EntryFilter

QValidator::State EntryValidator::validate(QString &input, int &pos) const
{
    EntryFilter::refilter(input, pos, EntryFilter::filtered);
    return Acceptable;
}

QValidator::State KeepableValidator::validate(QString &input, int &pos) const
{
    EntryFilter::refilter(input, pos, EntryFilter::keepable);
    return Acceptable;
}
