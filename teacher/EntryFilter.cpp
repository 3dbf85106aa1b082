#include "EntryFilter.h"

namespace EntryFilter {

namespace {

const QString kLetters = QStringLiteral("ÄÖÜÅÑÇÕÃÁÀÂÉÈÊÍÌÎÓÒÔÚÙÛ'-");

bool isEntryCharacter(QChar c)
{
    const QChar upper = c.toUpper();
    return (upper >= u'A' && upper <= u'Z') || kLetters.contains(upper) || c == u' ';
}

} // namespace

QString filtered(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (isEntryCharacter(c))
            kept.append(c);
    }
    return kept;
}

} // namespace EntryFilter

QValidator::State EntryValidator::validate(QString &input, int &pos) const
{
    // Characters before the cursor that go take the cursor back with them.
    const QString before = EntryFilter::filtered(input.left(pos));
    input = before + EntryFilter::filtered(input.mid(pos));
    pos = int(before.size());
    return Acceptable;
}
