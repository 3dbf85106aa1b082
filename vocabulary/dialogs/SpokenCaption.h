// Names for screen readers, made from the captions of the language table.
#pragma once

#include <QString>

// A caption as a screen reader says it: no access-key marks ("&&" stays one "&"), no closing
// colon, no blanks or tabs at the ends.
inline QString spokenCaption(const QString &caption)
{
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        plain.append(caption[i]);
    }
    plain = plain.trimmed();
    if (plain.endsWith(u':'))
        plain.chop(1);
    return plain.trimmed();
}
