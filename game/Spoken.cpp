#include "Spoken.h"

#include "Language.h"
#include "TextIds.h"

#include <QStringList>

namespace Spoken {

namespace {

// Punctuation of the word is shown, never guessed: it is not spelled.
bool silent(QChar c)
{
    return c == u'\'' || c == u'-';
}

// The game keeps its word in capitals; a voice would spell it out.
QString asWord(const QString &word)
{
    const QString lower = word.toLower();
    return lower.left(1).toUpper() + lower.mid(1);
}

} // namespace

QString spelled(const Cells &cells)
{
    QStringList words;
    QStringList letters;
    const auto endWord = [&] {
        if (!letters.isEmpty())
            words.append(letters.join(QStringLiteral(", ")));
        letters.clear();
    };
    for (const QChar c : cells) {
        if (c == u' ')
            endWord();
        else if (c.isNull())
            letters.append(uiText(Txt::Gap));
        else if (!silent(c))
            letters.append(QString(c.toUpper()));
    }
    endWord();
    return words.join(QStringLiteral(" – "));
}

QString newWord(const QString &name, int letters)
{
    const QString length =
        letters == 1 ? uiText(Txt::WordHasOneLetter) : uiText(Txt::WordHasLetters).arg(letters);
    return uiText(Txt::YourTurn).arg(name) + u' ' + length;
}

QString guess(const QString &letter, int hits, int triesLeft)
{
    if (hits == 1)
        return uiText(Txt::HitOnce).arg(letter);
    if (hits > 1)
        return uiText(Txt::HitTimes).arg(letter).arg(hits);
    if (triesLeft == 1)
        return uiText(Txt::MissOneTry).arg(letter);
    if (triesLeft <= 0)
        return uiText(Txt::MissLast).arg(letter);
    return uiText(Txt::MissTries).arg(letter).arg(triesLeft);
}

QString solved(const QString &word, int points)
{
    return uiText(Txt::WordSolvedSaid).arg(spelled(word), asWord(word)).arg(points);
}

QString lost(const QString &word)
{
    return uiText(Txt::WordLostSaid).arg(spelled(word), asWord(word));
}

QString handOver(int roundOver)
{
    const QString enter = uiText(Txt::PressEnter);
    return roundOver > 0 ? uiText(Txt::RoundOver).arg(roundOver) + u' ' + enter : enter;
}

QString winner(const QString &name, int points)
{
    return uiText(Txt::WinnerSaid).arg(name).arg(points);
}

QString draw(int points)
{
    return uiText(Txt::DrawSaid).arg(points);
}

QString state(const Cells &cells, int triesLeft, const QString &name, int score)
{
    if (cells.isEmpty())
        return uiText(Txt::NoWordInPlay);
    return uiText(Txt::TheWord).arg(spelled(cells)) + u' ' +
           uiText(Txt::TriesAndScore).arg(triesLeft).arg(name).arg(score);
}

} // namespace Spoken
