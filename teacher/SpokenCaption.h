// Names for screen readers, made from the captions of the language table.
#pragma once

#include <QString>

// A caption without its access-key marks ("&&" stays one "&"): the key means nothing in a window
// title or to a screen reader.
inline QString withoutAccessKey(const QString &caption)
{
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        plain.append(caption[i]);
    }
    return plain;
}

// A caption as a screen reader says it: no access-key marks, no closing colon, no blanks or tabs
// at the ends.
inline QString spokenCaption(const QString &caption)
{
    QString plain = withoutAccessKey(caption).trimmed();
    if (plain.endsWith(u':'))
        plain.chop(1);
    return plain.trimmed();
}
